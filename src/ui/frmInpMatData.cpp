#include "frmInpMatData.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ScreenControls.h"
#include "TextConversion.h"
#include "frmMatLib.h"

frmInpMatData::frmInpMatData(const kelca::MaterialTable& materials, kelca::MatDataMode mode,
                             const std::string& elmName, QWidget* parent)
    : QDialog(parent), materials_(materials), model_(materials, mode, elmName) {
  setObjectName("frmInpMatData");
  setWindowTitle("Input Element Material Data");
  BuildControls();
  Refresh();
}

void frmInpMatData::BuildControls() {
  auto* layout = new QVBoxLayout(this);
  lblElmNam = Named(new QLabel(ToDisplayText(model_.ElementCaption()), this), "lblElmNam");
  layout->addWidget(lblElmNam);

  auto* grid = new QGridLayout;
  lblMatProp = Named(new QLabel(ToDisplayText(model_.ValueCaption()), this), "lblMatProp");
  txtMatProp = Named(new QLineEdit(this), "txtMatProp");
  cmdSel = Named(new QPushButton("Select", this), "cmdSel");
  lblMatNam = Named(new QLabel("Material Name:", this), "lblMatNam");
  txtMatNam = Named(new QLineEdit(this), "txtMatNam");
  txtMatNam->setReadOnly(true);
  txtMatNam->setMinimumWidth(280);
  grid->addWidget(lblMatProp, 0, 0);
  grid->addWidget(txtMatProp, 0, 1);
  grid->addWidget(cmdSel, 0, 2);
  grid->addWidget(lblMatNam, 1, 0);
  grid->addWidget(txtMatNam, 1, 1, 1, 2);
  const char* captions[] = {"Density (kg/m3)", "Thermal Conductivity, k (W/mK)", "Specific Heat, Cp (J/kgK)"};
  QLabel** labels[] = {&Label1, &Label2, &Label3};
  for (int p = 0; p < 3; ++p) {
    *labels[p] = Named(new QLabel(captions[p], this), QString("Label%1").arg(p + 1));
    txtProp[p] = Named(new QLineEdit(this), IndexedName("txtProp", p));
    txtProp[p]->setReadOnly(true);
    grid->addWidget(*labels[p], 2 + p, 0);
    grid->addWidget(txtProp[p], 2 + p, 1);
  }
  layout->addLayout(grid);

  lblRem = Named(new QLabel(ToDisplayText(model_.Remark()), this), "lblRem");
  lblRem->setWordWrap(true);
  layout->addWidget(lblRem);
  cmdReturn = Named(new QPushButton("OK", this), "cmdReturn");
  layout->addWidget(cmdReturn, 0, Qt::AlignRight);
  setMinimumWidth(460);

  const bool material = model_.ShowsMaterial();
  for (QWidget* w : std::initializer_list<QWidget*>{cmdSel, lblMatNam, txtMatNam, Label1, Label2, Label3}) {
    w->setVisible(material);
  }
  for (QLineEdit* box : txtProp) box->setVisible(material);
  cmdSel->setAutoDefault(false);
  connect(cmdSel, &QPushButton::clicked, this, &frmInpMatData::Select);
  connect(cmdReturn, &QPushButton::clicked, this, &frmInpMatData::Ok);
}

void frmInpMatData::Refresh() {
  ShowText(txtMatProp, model_.ValueBox);
  ShowText(txtMatNam, model_.NameBox);
  for (int p = 0; p < 3; ++p) ShowText(txtProp[p], model_.PropertyBoxes[p]);
}

void frmInpMatData::Select() {
  model_.ValueBox = TextOf(txtMatProp);
  frmMatLib picker(materials_, this);
  picker.exec();
  model_.TakeMaterial(picker.Picked());
  Refresh();
}

void frmInpMatData::Ok() {
  model_.ValueBox = TextOf(txtMatProp);
  picked_ = model_.Ok();
  accept();
}
