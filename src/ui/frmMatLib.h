#pragma once
// The material picker: the building and services materials of the material
// table in fixed-width columns, with a search.
#include <QDialog>

#include "database/MaterialTable.h"
#include "screens/ConstructionScreen.h"
#include "screens/MatLibScreen.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class frmMatLib : public QDialog {
  Q_OBJECT

 public:
  explicit frmMatLib(const kelca::MaterialTable& materials, QWidget* parent = nullptr);

  // What Close handed back; nothing picked when the window was closed otherwise.
  const kelca::PickResult& Picked() const { return picked_; }

 private:
  void BuildControls();
  void ConnectCommands();
  template <class Command>
  void Run(Command command);
  void Close();

  kelca::MatLibScreenModel model_;
  kelca::PickResult picked_;

  QLabel* lblNo;
  QListWidget* lstMatData;
  QLabel* Label1;
  QLineEdit* txtSrch;
  QPushButton *cmdSrch, *cmdNX, *cmdIgnore, *cmdBM, *cmdSM, *cmdClose;
};

// The construction screen's material choice through this picker, shown over parent.
kelca::MaterialPicker MaterialLibraryPicker(const kelca::MaterialTable& materials, QWidget* parent);
