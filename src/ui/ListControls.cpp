#include "ListControls.h"

#include <QSignalBlocker>

#include "TextConversion.h"

void ShowLines(QListWidget* list, const std::vector<std::string>& lines, int picked) {
  const QSignalBlocker quiet(list);
  bool same = list->count() == static_cast<int>(lines.size());
  for (int i = 0; same && i < list->count(); ++i) same = list->item(i)->text() == ToDisplayText(lines[i]);
  if (!same) {
    list->clear();
    for (const std::string& line : lines) list->addItem(ToDisplayText(line));
  }
  if (picked >= 0 && picked < list->count()) {
    list->setCurrentRow(picked);
    list->scrollToItem(list->item(picked));
  } else {
    list->setCurrentRow(-1);
    list->clearSelection();
  }
}
