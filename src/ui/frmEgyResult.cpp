#include "frmEgyResult.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ScreenControls.h"
#include "TextConversion.h"

frmEgyResult::frmEgyResult(kelca::Workspace& ws, kelca::Prompts& prompts, QWidget* parent)
    : QDialog(parent), model_(ws, prompts) {
  setObjectName("frmEgyResult");
  setWindowTitle("Energy Calculation Results");
  BuildControls();
  for (int i = 0; i <= kelca::kCopyAllRows; ++i) {
    connect(cmdChgTo[i], &QPushButton::clicked, this, [this, i] { Run([&] { model_.Copy(i); }); });
  }
  connect(cmdOkay, &QPushButton::clicked, this, &frmEgyResult::Confirm);
  connect(cmdExit, &QPushButton::clicked, this, &QDialog::reject);
  Refresh();
}

void frmEgyResult::BuildControls() {
  auto* layout = new QVBoxLayout(this);
  lblHeading = Named(new QLabel("Annual Operating Energy Use of Services Systems", this), "lblHeading");
  QFont font = lblHeading->font();
  font.setBold(true);
  font.setPointSizeF(font.pointSizeF() * 1.2);
  lblHeading->setFont(font);
  layout->addWidget(lblHeading, 0, Qt::AlignHCenter);

  auto* grid = new QGridLayout;
  lblPredicted = Named(new QLabel("Predicted / Last Confirmed Values", this), "lblPredicted");
  lblConfirmed = Named(new QLabel("Value for Impact and Cost Estimates", this), "lblConfirmed");
  for (QLabel* caption : {lblPredicted, lblConfirmed}) {
    caption->setAlignment(Qt::AlignCenter);
    caption->setWordWrap(true);
  }
  grid->addWidget(lblPredicted, 0, 1);
  grid->addWidget(lblConfirmed, 0, 3);
  for (int i = 0; i < kelca::kEnergyUseEntries; ++i) {
    lblAEC[i] = Named(new QLabel(kelca::EnergyUseLabel(i), this), IndexedName("lblAEC", i));
    txtAEC[i] = Named(new QLineEdit(this), IndexedName("txtAEC", i));
    txtAEC[i]->setReadOnly(true);
    txtAEC[i]->setStyleSheet("QLineEdit { background: #eeeeee; }");
    txtAAEC[i] = Named(new QLineEdit(this), IndexedName("txtAAEC", i));
    cmdChgTo[i] = Named(new QPushButton("Copy to ->", this), IndexedName("cmdChgTo", i));
    for (QLineEdit* box : {txtAEC[i], txtAAEC[i]}) {
      box->setAlignment(Qt::AlignRight);
      box->setMinimumWidth(150);
    }
    grid->addWidget(lblAEC[i], i + 1, 0);
    grid->addWidget(txtAEC[i], i + 1, 1);
    grid->addWidget(cmdChgTo[i], i + 1, 2);
    grid->addWidget(txtAAEC[i], i + 1, 3);
  }
  cmdChgTo[kelca::kCopyAllRows] =
      Named(new QPushButton("Copy All to ->", this), IndexedName("cmdChgTo", kelca::kCopyAllRows));
  grid->addWidget(cmdChgTo[kelca::kCopyAllRows], kelca::kEnergyUseEntries + 1, 2);
  for (QPushButton* button : cmdChgTo) button->setAutoDefault(false);
  layout->addLayout(grid);

  lblNote1 = Named(new QLabel("Copy Predicted / Last Confirmed Values to Cells at the right and make changes as "
                              "apppropriate",
                              this),
                   "lblNote1");
  lblNote2 = Named(new QLabel("* Any changes to the Town Gas Consumption result should be made through changing the "
                              "inputs; changes made here have no effect on final calculation results",
                              this),
                   "lblNote2");
  for (QLabel* note : {lblNote1, lblNote2}) {
    note->setWordWrap(true);
    layout->addWidget(note);
  }

  auto* commands = new QHBoxLayout;
  cmdOkay = Named(new QPushButton("Confirm and Exit", this), "cmdOkay");
  cmdExit = Named(new QPushButton("Return (no change)", this), "cmdExit");
  commands->addStretch(1);
  for (QPushButton* button : {cmdOkay, cmdExit}) {
    button->setAutoDefault(false);
    commands->addWidget(button);
  }
  layout->addLayout(commands);
}

template <class Command>
void frmEgyResult::Run(Command command) {
  TakeTexts(txtAAEC, model_.Cells.Confirmed);
  command();
  Refresh();
}

void frmEgyResult::Refresh() {
  ShowTexts(txtAEC, model_.Cells.Predicted);
  ShowTexts(txtAAEC, model_.Cells.Confirmed);
}

void frmEgyResult::Confirm() {
  bool closes = false;
  Run([&] { closes = model_.Confirm(); });
  if (closes) accept();
}
