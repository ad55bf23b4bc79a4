#pragma once
// The building and system input screen: the project's foundation, floor and
// services groups, what of them is assessed, and the construction floor area.
#include <QDialog>
#include <array>

#include "app/Workspace.h"
#include "common/Prompts.h"
#include "screens/BldgSysInputScreen.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

class frmBldgSysInput : public QDialog {
  Q_OBJECT

 public:
  frmBldgSysInput(kelca::Workspace& ws, kelca::Prompts& prompts, QWidget* parent = nullptr);

 public slots:
  // Closing the window is Return.
  void reject() override;

 private:
  // The controls of one group type.
  struct TypeControls {
    int GrpType = 0;
    QListWidget *Names = nullptr, *Quantities = nullptr;
    QPushButton *Add = nullptr, *Edit = nullptr, *Delete = nullptr, *Up = nullptr, *Down = nullptr;
    QGroupBox* Frame = nullptr;
    std::array<QRadioButton*, 3> Options{};  // All, Some, None
    QCheckBox* Skip = nullptr;
  };

  QGroupBox* BuildType(int index);
  void ConnectType(TypeControls& t);
  template <class Command>
  void Run(Command command);
  void Refresh();
  void Return();

  kelca::Workspace& ws_;
  kelca::Prompts& prompts_;
  kelca::BldgSysInputScreenModel model_;

  QLabel *lblProjName, *Label6;
  QLineEdit *txtProjName, *txtCFA;
  std::array<TypeControls, 3> types_{};
  QPushButton* cmdReturn;
};
