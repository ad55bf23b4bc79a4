#pragma once
// The construction screen: the list of constructions and the layer editor of
// the working construction. Edit mode saves the construction file; select
// mode returns the construction picked for a fabric component.
#include <QDialog>
#include <array>
#include <vector>

#include "common/Prompts.h"
#include "screens/ConstructionScreen.h"

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QRadioButton;

class frmSelCons : public QDialog {
  Q_OBJECT

 public:
  frmSelCons(kelca::Workspace& ws, kelca::Prompts& prompts, kelca::ConstructionScreenMode mode, int currentNo = 0,
             QWidget* parent = nullptr);

  // The material choice behind the layer editor's Select button; without one,
  // the number typed into txtMatNo chooses the material.
  void SetMaterialPicker(kelca::MaterialPicker picker) { picker_ = std::move(picker); }
  // The component editor's hand-over of a component's layers (see the model).
  bool TakeLayers(const std::vector<kelca::ConstructionLayer>& layers);

  // After Select (cmdOkay): the picked construction's number (0 for none) and name.
  int PickedNumber() const { return picked_; }
  std::string PickedName() const { return model_.PickedName(); }
  const kelca::ConstructionScreenModel& Model() const { return model_; }

 public slots:
  // Closing the window is Exit: edit mode asks whether to save.
  void reject() override;

 private:
  void BuildMenu();
  QWidget* BuildConstructionList();
  QWidget* BuildWorkingConstruction();
  QWidget* BuildLayerEditor();
  void ConnectCommands();
  template <class Command>
  void Run(Command command);
  void PullBoxes();
  void Refresh();
  bool LayerCountPending() const;
  void Select();

  kelca::ConstructionScreenModel model_;
  kelca::Prompts& prompts_;
  kelca::MaterialPicker picker_;
  int picked_ = 0;

  QMenu* mnuFile;
  QAction *mnuFSaveAll, *mnuExit;
  QListWidget* lstCons;
  QLineEdit* txtNCons;
  QLabel *lblConsNam, *lblHint;
  QLineEdit* txtConsNam;
  QRadioButton *OptWall, *OptWindow;
  std::array<QLabel*, 2> lblAbs{};
  std::array<QLineEdit*, 2> txtAbs{};
  QLineEdit* txtNElmInC;
  QPushButton* cmdEntNo;
  QComboBox* cboElmNo;
  QListWidget* lstElmIC;
  QLineEdit *txtMatNo, *txtMatNam, *txtMatThk;
  std::array<QLineEdit*, 3> txtProp{};
  QPushButton *cmdSelMat, *cmdAddLay, *cmdDelLay;
  QPushButton *cmdAdd, *cmdChg, *cmdDel, *cmdClr, *cmdOkay;
};

// The component editor's "Save As Construction": reads the project's
// constructions (a file that cannot be read gives its message), then shows the
// construction screen in edit mode with the handed-over layers (outside first)
// as the working construction, for the user to name, complete and add. False,
// and nothing shown, for no layers or more than 20.
bool ShowConstructionWithLayers(kelca::Workspace& ws, kelca::Prompts& prompts,
                                const std::vector<kelca::ConstructionLayer>& layers,
                                kelca::MaterialPicker picker = {}, QWidget* parent = nullptr);
