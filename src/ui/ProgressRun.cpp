#include "ProgressRun.h"

#include <QDeadlineTimer>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>
#include <atomic>
#include <memory>
#include <mutex>
#include <vector>

#include "ScreenControls.h"
#include "TextConversion.h"

namespace {

// How long a run may take before the dialog appears.
constexpr int kQuietMilliseconds = 150;

// The sink the worker reports to. Lines and progress are kept under a lock
// and handed to the user-interface thread, which owns this object.
class ProgressRelay : public QObject, public kelca::ProgressSink {
 public:
  ProgressRelay(const std::atomic<bool>& cancel, ProgressLineShown lineShown, std::function<void(double)> progressShown)
      : cancel_(cancel), lineShown_(std::move(lineShown)), progressShown_(std::move(progressShown)) {}

  void AddLine(const std::string& line) override {
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      lines_.push_back(line);
    }
    QMetaObject::invokeMethod(this, &ProgressRelay::Deliver, Qt::QueuedConnection);
  }
  void SetProgress(double fraction) override {
    progress_ = fraction;
    QMetaObject::invokeMethod(this, &ProgressRelay::Deliver, Qt::QueuedConnection);
  }
  bool Cancelled() const override { return cancel_; }

  // On the user-interface thread: shows what has come since the last call.
  void Deliver() {
    std::vector<std::string> lines;
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      lines.swap(lines_);
    }
    for (const std::string& line : lines) lineShown_(line);
    progressShown_(progress_);
  }

 private:
  const std::atomic<bool>& cancel_;
  ProgressLineShown lineShown_;
  std::function<void(double)> progressShown_;
  std::mutex mutex_;
  std::vector<std::string> lines_;
  std::atomic<double> progress_{0};
};

}  // namespace

frmProgress::frmProgress(const QString& title, std::function<void()> cancel, QWidget* parent)
    : QDialog(parent), cancel_(std::move(cancel)) {
  setObjectName("frmProgress");
  setWindowTitle(title);
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  lstLog = Named(new QListWidget(this), "lstLog");
  lstLog->setMinimumSize(460, 220);
  SetUpRunLogList(lstLog);
  prgRun = Named(new QProgressBar(this), "prgRun");
  prgRun->setRange(0, 1000);
  cmdCancel = Named(new QPushButton("Cancel", this), "cmdCancel");
  layout->addWidget(lstLog);
  layout->addWidget(prgRun);
  layout->addWidget(cmdCancel, 0, Qt::AlignRight);
  connect(cmdCancel, &QPushButton::clicked, this, &frmProgress::reject);
}

void frmProgress::AddLine(const std::string& line) {
  lstLog->addItem(ToDisplayText(line));
  lstLog->scrollToBottom();
}

void frmProgress::SetProgress(double fraction) { prgRun->setValue(static_cast<int>(fraction * 1000)); }

void frmProgress::Finish() {
  finished_ = true;
  done(QDialog::Accepted);
}

void frmProgress::reject() {
  if (finished_) {
    QDialog::reject();
    return;
  }
  cmdCancel->setEnabled(false);
  cmdCancel->setText("Stopping ...");
  cancel_();
}

void RunWithProgress(QWidget* parent, const QString& title, const ProgressWork& work,
                     const ProgressLineShown& lineShown) {
  std::atomic<bool> cancel{false};
  frmProgress dialog(title, [&cancel] { cancel = true; }, parent);
  ProgressRelay relay(
      cancel,
      [&](const std::string& line) {
        dialog.AddLine(line);
        lineShown(line);
      },
      [&](double fraction) { dialog.SetProgress(fraction); });
  std::unique_ptr<QThread> worker(QThread::create([&] { work(relay); }));
  QObject::connect(worker.get(), &QThread::finished, &dialog, &frmProgress::Finish);
  worker->start();
  if (!worker->wait(QDeadlineTimer(kQuietMilliseconds))) dialog.exec();
  worker->wait();
  relay.Deliver();
}
