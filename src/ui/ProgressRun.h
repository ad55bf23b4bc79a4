#pragma once
// Long runs on a worker thread behind a modal progress dialog (frmProgress).
// The dialog lists the run's lines as they come, shows its progress and
// offers Cancel; the rest of the program waits until the run has ended. The
// work must touch no screen: it reports through the progress sink only.
#include <QDialog>
#include <QString>
#include <functional>
#include <string>

#include "common/Progress.h"

class QListWidget;
class QProgressBar;
class QPushButton;

using ProgressWork = std::function<void(kelca::ProgressSink& progress)>;
using ProgressLineShown = std::function<void(const std::string& line)>;

// Runs work and returns when it has ended. Each line the work adds reaches
// lineShown on the calling (user-interface) thread, in order. The dialog
// appears only when the work takes longer than a moment.
void RunWithProgress(QWidget* parent, const QString& title, const ProgressWork& work,
                     const ProgressLineShown& lineShown);

class frmProgress : public QDialog {
  Q_OBJECT

 public:
  frmProgress(const QString& title, std::function<void()> cancel, QWidget* parent = nullptr);

  void AddLine(const std::string& line);
  void SetProgress(double fraction);
  // The work has ended: the dialog closes.
  void Finish();

 public slots:
  // Closing the dialog or Cancel asks the run to stop; it closes once the run has.
  void reject() override;

 private:
  std::function<void()> cancel_;
  bool finished_ = false;
  QListWidget* lstLog;
  QProgressBar* prgRun;
  QPushButton* cmdCancel;
};
