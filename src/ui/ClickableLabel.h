#pragma once
// A label that reports mouse clicks, for captions that act like their buttons
// and for the picture area.
#include <QLabel>
#include <QMouseEvent>

class ClickableLabel : public QLabel {
  Q_OBJECT

 public:
  using QLabel::QLabel;

 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton) emit clicked();
    QLabel::mousePressEvent(event);
  }
};
