#pragma once
// The group editor: one group's name, number in the building and file, and
// its components, each edited in the component editor.
#include <QDialog>

#include "app/Workspace.h"
#include "common/Prompts.h"
#include "screens/AddGroupScreen.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

class frmAddGroup : public QDialog {
  Q_OBJECT

 public:
  frmAddGroup(kelca::Workspace& ws, kelca::Prompts& prompts, QWidget* parent = nullptr);

 public slots:
  // Closing the window is Return: it asks before unsaved changes are dropped.
  void reject() override;

 private:
  void BuildControls();
  void ConnectCommands();
  template <class Command>
  void Run(Command command);
  void Refresh();
  void Return();

  kelca::Workspace& ws_;
  kelca::Prompts& prompts_;
  kelca::AddGroupScreenModel model_;

  QLabel *lblGroupName, *lblGroupNo, *lblGrpFileName, *lblGrpComp, *lblGrpCNo, *Label1;
  QLineEdit *txtGroupName, *txtGroupNo, *txtGrpFileName;
  QListWidget *lstGrpComp, *lstGrpType, *lstGrpCNo;
  QPushButton *cmdAddGrpComp, *cmdEditGrpComp, *cmdDeleteGrpComp, *cmdGrpCUp, *cmdGrpCDn;
  QPushButton *cmdLoadGroup, *cmdSaveGroup, *cmdReturn;
  QGroupBox* Frame1;
  QRadioButton *Option1, *Option2, *Option3;
};
