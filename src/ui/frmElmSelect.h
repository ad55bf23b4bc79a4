#pragma once
// The element type picker: the types of the element library of the current
// group type and component type, with a search.
#include <QDialog>

#include "app/Workspace.h"
#include "common/Prompts.h"
#include "screens/ElmSelectScreen.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class frmElmSelect : public QDialog {
  Q_OBJECT

 public:
  // compType is the component type chosen on the component editor.
  frmElmSelect(kelca::Workspace& ws, kelca::Prompts& prompts, int compType, int currentType, QWidget* parent = nullptr);

  // What OK handed back; nothing picked when the window was closed otherwise.
  const kelca::PickResult& Picked() const { return picked_; }

 private:
  void BuildControls();
  void ConnectCommands();
  void Refresh();
  void Ok();

  kelca::ElmSelectScreenModel model_;
  kelca::PickResult picked_;

  QLineEdit* txtElmTypHead;
  QListWidget* lstElmTypNam;
  QLabel* Label1;
  QLineEdit* txtSrch;
  QPushButton *cmdSrch, *cmdNX, *cmdIgnore, *cmdOK;
};
