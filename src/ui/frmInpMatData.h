#pragma once
// The material data screen: the thickness or the dominant material of one
// element of a component being turned into a construction.
#include <QDialog>
#include <array>

#include "screens/InpMatDataScreen.h"

class QLabel;
class QLineEdit;
class QPushButton;

class frmInpMatData : public QDialog {
  Q_OBJECT

 public:
  frmInpMatData(const kelca::MaterialTable& materials, kelca::MatDataMode mode, const std::string& elmName,
                QWidget* parent = nullptr);

  // What OK handed back; nothing when the window was closed otherwise.
  const kelca::PickResult& Picked() const { return picked_; }

 private:
  void BuildControls();
  void Refresh();
  void Select();
  void Ok();

  const kelca::MaterialTable& materials_;
  kelca::InpMatDataScreenModel model_;
  kelca::PickResult picked_;

  QLabel *lblElmNam, *lblMatProp, *lblMatNam, *Label1, *Label2, *Label3, *lblRem;
  QLineEdit *txtMatProp, *txtMatNam;
  std::array<QLineEdit*, 3> txtProp{};
  QPushButton *cmdSel, *cmdReturn;
};
