#pragma once
// The status panel drawn line by line in a fixed-width font.
#include <QStringList>
#include <QWidget>

#include "app/StatusPanel.h"

class StatusPanelView : public QWidget {
  Q_OBJECT

 public:
  StatusPanelView(const kelca::StatusPanel& panel, QWidget* parent = nullptr);

  // The 23 lines as they are drawn, top to bottom.
  QStringList VisibleLines() const;

 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  const kelca::StatusPanel& panel_;
};

// A fixed-width font: "Courier New" when installed, else the system's
// fixed-width font, else any installed family whose letters share one width.
QFont StatusPanelFont();
