#include "frmNormWgt.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ScreenControls.h"
#include "TextConversion.h"
#include "frmCostPara.h"

frmNormWgt::frmNormWgt(kelca::ParameterScreenContext context, kelca::Prompts& prompts, QWidget* parent)
    : QDialog(parent), model_(context), params_(context.Params), prompts_(prompts) {
  setObjectName("frmNormWgt");
  setWindowTitle("Weighting Factors");
  BuildMenu();
  BuildControls();
  ConnectCommands();
  Refresh();
}

void frmNormWgt::BuildMenu() {
  auto* bar = Named(new QMenuBar(this), "menuBar");
  mnuFile = AddNamedMenu(bar, "mnuFile", "&File");
  mnuFOpen = AddNamedEntry(mnuFile, "mnuFOpen", "Open User Defined Values");
  mnuFSave = AddNamedEntry(mnuFile, "mnuFSave", "Save User Defined Values");
  mnuFile->addSeparator();
  mnuFReturn = AddNamedEntry(mnuFile, "mnuFReturn", "Return");
  mnuCost = AddNamedMenu(bar, "mnuCost", "Cost Parameters");
  mnuCostPara = AddNamedEntry(mnuCost, "mnuCostPara", "View && Edit");
  auto* layout = new QVBoxLayout(this);
  layout->setMenuBar(bar);
}

void frmNormWgt::BuildControls() {
  auto* layout = static_cast<QVBoxLayout*>(this->layout());
  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel("<b>Normalisation Factor</b>", this), 0, 1);
  grid->addWidget(new QLabel("<b>Weighting Factor</b>", this), 0, 2);
  for (int i = 0; i < kelca::kWeightEntries; ++i) {
    // The impact categories first, the cost weight below them.
    const int row = i == 0 ? kelca::kWeightEntries : i;
    lblCategory[i] = Named(new QLabel(ToDisplayText(kelca::WeightCaptions()[i]), this), IndexedName("lblCategory", i));
    lblCategory[i]->setWordWrap(true);
    txtNormFtr[i] = Named(new QLineEdit(this), IndexedName("txtNormFtr", i));
    txtNormFtr[i]->setReadOnly(true);
    txtWgtFtr[i] = Named(new QLineEdit(this), IndexedName("txtWgtFtr", i));
    for (QLineEdit* box : {txtNormFtr[i], txtWgtFtr[i]}) box->setAlignment(Qt::AlignRight);
    grid->addWidget(lblCategory[i], row, 0);
    grid->addWidget(txtNormFtr[i], row, 1);
    grid->addWidget(txtWgtFtr[i], row, 2);
  }
  grid->setColumnStretch(0, 1);
  grid->setColumnMinimumWidth(0, 300);
  layout->addLayout(grid);

  lblNote = Named(new QLabel(kelca::kNormFactorNote, this), "lblNote");
  lblNote->setWordWrap(true);
  layout->addWidget(lblNote);

  auto* buttons = new QHBoxLayout;
  Option1 = Named(new QRadioButton("Default Values", this), "Option1");
  Option2 = Named(new QRadioButton("User Defined Values", this), "Option2");
  cmdOkay = Named(new QPushButton("Return", this), "cmdOkay");
  buttons->addWidget(Option1);
  buttons->addWidget(Option2);
  buttons->addStretch(1);
  buttons->addWidget(cmdOkay);
  layout->addLayout(buttons);
}

void frmNormWgt::ConnectCommands() {
  connect(Option1, &QRadioButton::clicked, this, [this] { Run([this] { model_.ChooseDefaultValues(); }); });
  connect(Option2, &QRadioButton::clicked, this, [this] { Run([this] { model_.ChooseUserValues(); }); });
  connect(mnuFOpen, &QAction::triggered, this, [this] { Run([this] { model_.OpenUserValues(prompts_); }); });
  connect(mnuFSave, &QAction::triggered, this, [this] { Run([this] { model_.SaveUserValues(prompts_); }); });
  connect(mnuCostPara, &QAction::triggered, this, &frmNormWgt::ShowCostParameters);
  connect(cmdOkay, &QPushButton::clicked, this, &frmNormWgt::Return);
  connect(mnuFReturn, &QAction::triggered, this, &frmNormWgt::Return);
}

template <class Command>
void frmNormWgt::Run(Command command) {
  TakeTexts(txtWgtFtr, model_.WeightBoxes);
  command();
  Refresh();
}

void frmNormWgt::Refresh() {
  ShowTexts(txtWgtFtr, model_.WeightBoxes);
  ShowTexts(txtNormFtr, model_.NormBoxes);
  ShowChosenOption({Option1, Option2}, model_.Option - kelca::kDefaultOption);
}

void frmNormWgt::ShowCostParameters() {
  frmCostPara screen(params_, prompts_, this);
  screen.exec();
}

void frmNormWgt::Return() {
  bool closes = false;
  Run([&] { closes = model_.Return(prompts_); });
  if (closes) accept();
}

void frmNormWgt::reject() { Return(); }
