#include "ScreenControls.h"

#include <QFont>
#include <QSignalBlocker>

#include "TextConversion.h"

QString IndexedName(const char* name, int index) { return QString("%1_%2").arg(name).arg(index); }

QMenu* AddNamedMenu(QMenuBar* bar, const char* name, const char* caption) {
  return Named(bar->addMenu(QString::fromUtf8(caption)), name);
}

QAction* AddNamedEntry(QMenu* menu, const char* name, const char* caption, bool checkable) {
  QAction* entry = Named(menu->addAction(QString::fromUtf8(caption)), name);
  entry->setCheckable(checkable);
  return entry;
}

QAction* AddNamedSeparator(QMenu* menu, const char* name) { return Named(menu->addSeparator(), name); }

QAction* AddNamedBarEntry(QMenuBar* bar, const char* name, const char* caption) {
  return Named(bar->addAction(QString::fromUtf8(caption)), name);
}

void ShowBold(QWidget* widget, bool bold) {
  QFont font = widget->font();
  if (font.bold() == bold) return;
  font.setBold(bold);
  widget->setFont(font);
}

void ShowChosenOption(const std::vector<QRadioButton*>& options, int chosen) {
  for (size_t i = 0; i < options.size(); ++i) {
    QRadioButton* option = options[i];
    const bool isChosen = static_cast<int>(i) == chosen;
    // Without the exclusive rule a checked option can be unmarked, so that none shows.
    option->setAutoExclusive(false);
    option->setChecked(isChosen);
    option->setAutoExclusive(true);
    ShowBold(option, isChosen);
  }
}

void ShowText(QLineEdit* box, const std::string& text) {
  const QString shown = ToDisplayText(text);
  if (box->text() != shown) box->setText(shown);
}

std::string TextOf(const QLineEdit* box) { return FromDisplayText(box->text()); }

void SetUpRunLogList(QListWidget* list) {
  list->setUniformItemSizes(true);
  list->setTextElideMode(Qt::ElideMiddle);
  list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void ShowChoices(QComboBox* box, const std::vector<std::string>& entries, int index) {
  QStringList wanted;
  for (const std::string& entry : entries) wanted << ToDisplayText(entry);
  QStringList held;
  for (int i = 0; i < box->count(); ++i) held << box->itemText(i);
  const QSignalBlocker quiet(box);
  if (held != wanted) {
    box->clear();
    box->addItems(wanted);
  }
  box->setCurrentIndex(index >= 0 && index < box->count() ? index : -1);
}
