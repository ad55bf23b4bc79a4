#pragma once
// List boxes, grids and labels of the building screens: lines shown from the
// core's texts with the picked line selected, and a label that reports double
// clicks (captions that open a picker as their button does).
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <string>
#include <vector>

// Shows the lines (replacing the entries only when they differ) and selects
// line picked (-1: none) without emitting the list's signals.
void ShowLines(QListWidget* list, const std::vector<std::string>& lines, int picked);

class DoubleClickLabel : public QLabel {
  Q_OBJECT

 public:
  using QLabel::QLabel;

 signals:
  void doubleClicked();

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton) emit doubleClicked();
    QLabel::mouseDoubleClickEvent(event);
  }
};
