#include "QtPrompts.h"

#include <algorithm>

#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

#include "TextConversion.h"
#include "app/StatusPanel.h"

namespace {
QString Caption() { return QString::fromUtf8(kelca::kProductTitle.data(), kelca::kProductTitle.size()); }

// Each pattern as written, followed by its lower and upper case forms.
QStringList BothCases(const QString& patterns) {
  QStringList result;
  for (const QString& pattern : patterns.split(';', Qt::SkipEmptyParts)) {
    for (const QString& form : {pattern.trimmed(), pattern.trimmed().toLower(), pattern.trimmed().toUpper()}) {
      if (!form.isEmpty() && !result.contains(form)) result << form;
    }
  }
  return result;
}

QString NameFilter(QString description, const QString& patterns) {
  const QString list = BothCases(patterns).join(' ');
  const qsizetype open = description.lastIndexOf('(');
  if (open >= 0 && description.endsWith(')')) description.truncate(open);
  return description.trimmed() + " (" + list + ")";
}
}  // namespace

QString ToQtFilter(const std::string& filter) {
  const QStringList parts = ToDisplayText(filter).split('|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) filters << NameFilter(parts[i], parts[i + 1]);
  return filters.join(";;");
}

void QtPrompts::Message(const std::string& text) {
  QMessageBox::information(parent_, Caption(), ToDisplayText(text), QMessageBox::Ok);
}

bool QtPrompts::AskOkCancel(const std::string& text) {
  return QMessageBox::question(parent_, Caption(), ToDisplayText(text), QMessageBox::Ok | QMessageBox::Cancel,
                               QMessageBox::Ok) == QMessageBox::Ok;
}

bool QtPrompts::AskYesNo(const std::string& text) {
  return QMessageBox::question(parent_, Caption(), ToDisplayText(text), QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::Yes) == QMessageBox::Yes;
}

kelca::Answer QtPrompts::AskYesNoCancel(const std::string& text) {
  switch (QMessageBox::question(parent_, Caption(), ToDisplayText(text),
                                QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes)) {
    case QMessageBox::Yes: return kelca::Answer::Yes;
    case QMessageBox::No: return kelca::Answer::No;
    default: return kelca::Answer::Cancel;
  }
}

std::string QtPrompts::RunFileDialog(const kelca::FileDialogRequest& request, bool save, int& filterIndex) {
  const QString filters = ToQtFilter(request.filter);
  QFileDialog dialog(parent_, ToDisplayText(request.title), ToDisplayText(request.initialFolder), filters);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save || request.mayBeNew ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  if (!request.proposedName.empty()) dialog.selectFile(ToDisplayText(request.proposedName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return "";
  filterIndex = std::max<int>(0, filters.split(";;").indexOf(dialog.selectedNameFilter()));
  return FromDisplayText(dialog.selectedFiles().first());
}

std::string QtPrompts::AskOpenFileName(const kelca::FileDialogRequest& request) {
  int filterIndex = 0;
  return RunFileDialog(request, false, filterIndex);
}

std::string QtPrompts::AskSaveFileName(const kelca::FileDialogRequest& request, int& filterIndex) {
  return RunFileDialog(request, true, filterIndex);
}
