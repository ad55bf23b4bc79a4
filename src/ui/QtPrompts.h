#pragma once
// Prompts shown with Qt message boxes and file dialogs.
#include <QPointer>
#include <QString>
#include <QWidget>

#include "common/Prompts.h"

class QtPrompts : public kelca::Prompts {
 public:
  explicit QtPrompts(QWidget* parent = nullptr) : parent_(parent) {}
  // The window over which the dialogs open.
  void SetParent(QWidget* parent) { parent_ = parent; }

  void Message(const std::string& text) override;
  bool AskOkCancel(const std::string& text) override;
  bool AskYesNo(const std::string& text) override;
  kelca::Answer AskYesNoCancel(const std::string& text) override;

 protected:
  std::string AskOpenFileName(const kelca::FileDialogRequest& request) override;
  std::string AskSaveFileName(const kelca::FileDialogRequest& request, int& filterIndex) override;

 private:
  std::string RunFileDialog(const kelca::FileDialogRequest& request, bool save, int& filterIndex);

  QPointer<QWidget> parent_;
};

// A filter of the form "Desc (*.EXT)|*.EXT", with further pairs after "|",
// as a Qt name filter that matches the extensions in upper and lower case:
// "Desc (*.EXT *.ext)". Pairs are joined by ";;"; an empty filter stays empty.
QString ToQtFilter(const std::string& filter);
