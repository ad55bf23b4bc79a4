#pragma once
// Building blocks shared by the screens: controls that carry their documented
// name as objectName, the names of control arrays, menu entries, bold option
// captions, and moving texts between the core's box texts and the controls.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QString>
#include <QStringList>
#include <array>
#include <string>
#include <vector>

// The objectName of element index of a control array: "txtWgtFtr" and 3 give "txtWgtFtr_3".
QString IndexedName(const char* name, int index);

template <class Widget>
Widget* Named(Widget* widget, const QString& name) {
  widget->setObjectName(name);
  return widget;
}

QMenu* AddNamedMenu(QMenuBar* bar, const char* name, const char* caption);
QAction* AddNamedEntry(QMenu* menu, const char* name, const char* caption, bool checkable = false);
QAction* AddNamedSeparator(QMenu* menu, const char* name);
// An entry directly on the menu bar (a command rather than a menu).
QAction* AddNamedBarEntry(QMenuBar* bar, const char* name, const char* caption);

// The caption of the option last chosen is shown bold.
void ShowBold(QWidget* widget, bool bold);
// Marks option chosen (an index into options; -1 marks none) and shows its caption bold.
void ShowChosenOption(const std::vector<QRadioButton*>& options, int chosen);

// A box shows text; it is left alone when it shows it already, so that the
// cursor stays where the user put it.
void ShowText(QLineEdit* box, const std::string& text);
std::string TextOf(const QLineEdit* box);

// Boxes of a control array; null entries (unused indices) are skipped.
template <size_t N>
void ShowTexts(const std::array<QLineEdit*, N>& boxes, const std::array<std::string, N>& texts) {
  for (size_t i = 0; i < N; ++i) {
    if (boxes[i]) ShowText(boxes[i], texts[i]);
  }
}
template <size_t N>
void TakeTexts(const std::array<QLineEdit*, N>& boxes, std::array<std::string, N>& texts) {
  for (size_t i = 0; i < N; ++i) {
    if (boxes[i]) texts[i] = TextOf(boxes[i]);
  }
}

// A list that grows line by line during a run: every line is given the height
// of the first, so that adding one does not measure all the others again
// (the cost of a long log would grow with the square of its lines); a line
// wider than the list is shortened in the middle.
void SetUpRunLogList(QListWidget* list);

// A combo box holds entries and shows the one at index (-1: none); the
// entries are replaced only when they differ.
void ShowChoices(QComboBox* box, const std::vector<std::string>& entries, int index);
