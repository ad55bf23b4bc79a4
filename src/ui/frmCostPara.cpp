#include "frmCostPara.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ScreenControls.h"
#include "TextConversion.h"

frmCostPara::frmCostPara(kelca::AssessmentParameters& params, kelca::Prompts& prompts, QWidget* parent)
    : QDialog(parent), model_(params), prompts_(prompts) {
  setObjectName("frmCostPara");
  setWindowTitle("Cost Parameters");
  BuildControls();
  connect(Option1, &QRadioButton::clicked, this, [this] { Run([this] { model_.ChooseDefaultValues(); }); });
  connect(Option2, &QRadioButton::clicked, this, [this] { Run([this] { model_.ChooseUserValues(); }); });
  connect(Command1, &QPushButton::clicked, this, &frmCostPara::Confirm);
  Refresh();
}

void frmCostPara::BuildControls() {
  auto* layout = new QVBoxLayout(this);
  Frame1 = Named(new QGroupBox("Set Cost Parameters", this), "Frame1");
  auto* grid = new QGridLayout(Frame1);
  int row = 0;
  const auto addRow = [&](QLabel*& label, QLineEdit*& box, const std::string& caption, const char* labelName,
                          const char* boxName, int index) {
    label = Named(new QLabel(ToDisplayText(caption), Frame1), IndexedName(labelName, index));
    box = Named(new QLineEdit(Frame1), IndexedName(boxName, index));
    box->setAlignment(Qt::AlignRight);
    grid->addWidget(label, row, 0);
    grid->addWidget(box, row, 1);
    ++row;
  };
  for (int i = 0; i < kelca::kCostParamEntries; ++i) {
    addRow(lblCostPara[i], txtCostPara[i], kelca::CostParamCaptions()[i], "lblCostPara", "txtCostPara", i);
  }
  for (int i = 0; i < kelca::kEnergyPriceEntries; ++i) {
    addRow(lblEgyPrice[i], txtEgyPrice[i], kelca::EnergyPriceCaptions()[i], "lblEgyPrice", "txtEgyPrice", i);
  }
  layout->addWidget(Frame1);

  auto* options = new QHBoxLayout;
  Option1 = Named(new QRadioButton("Default Values", this), "Option1");
  Option2 = Named(new QRadioButton("User Defined Values", this), "Option2");
  options->addWidget(Option1);
  options->addWidget(Option2);
  layout->addLayout(options);

  Command1 = Named(new QPushButton("OK", this), "Command1");
  Command1->setDefault(true);
  layout->addWidget(Command1, 0, Qt::AlignRight);
}

template <class Command>
void frmCostPara::Run(Command command) {
  TakeTexts(txtCostPara, model_.CostBoxes);
  TakeTexts(txtEgyPrice, model_.PriceBoxes);
  command();
  Refresh();
}

void frmCostPara::Refresh() {
  ShowTexts(txtCostPara, model_.CostBoxes);
  ShowTexts(txtEgyPrice, model_.PriceBoxes);
  ShowChosenOption({Option1, Option2}, model_.Option - kelca::kDefaultOption);
}

void frmCostPara::Confirm() {
  bool closes = false;
  Run([&] { closes = model_.Confirm(prompts_); });
  if (closes) accept();
}
