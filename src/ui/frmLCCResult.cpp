#include "frmLCCResult.h"

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

using kelca::kLccRows;
using kelca::kStages;

namespace {
// The names of the rows' box arrays, in table order.
const std::array<const char*, kLccRows> kRowBoxNames{"txtFdn",  "txtEnv",  "txtFram", "txtCont", "txtFlrs", "txtHVAC",
                                                     "txtELec", "txtFSer", "txtLift", "txtPaD",  "txtSers", "txtBldg"};
}  // namespace

frmLCCResult::frmLCCResult(kelca::Workspace& ws, kelca::Prompts& prompts, QWidget* parent)
    : QDialog(parent), model_(ws), prompts_(prompts) {
  setObjectName("frmLCCResult");
  setWindowTitle("Life Cycle Costing Results");
  BuildMenu();
  BuildControls();
  ConnectCommands();
  Refresh();
}

std::array<frmLCCResult::RowBoxes*, kLccRows> frmLCCResult::Rows() {
  return {&txtFdn, &txtEnv, &txtFram, &txtCont, &txtFlrs, &txtHVAC, &txtELec, &txtFSer, &txtLift, &txtPaD, &txtSers,
          &txtBldg};
}

void frmLCCResult::BuildMenu() {
  auto* bar = Named(new QMenuBar(this), "menuBar");
  mnuFile = AddNamedMenu(bar, "mnuFile", "&File");
  mnuFSave = AddNamedEntry(mnuFile, "mnuFSave", "Save Results Shown");
  mnuFLoad = AddNamedEntry(mnuFile, "mnuFLoad", "Load Results into Current Form");
  mnuFExp = AddNamedEntry(mnuFile, "mnuFExp", "Export Results Shown (.CSV)");
  mnuFile->addSeparator();
  mnuFExit = AddNamedEntry(mnuFile, "mnuFExit", "Confirm and Exit");
  mnuFRet = AddNamedEntry(mnuFile, "mnuFRet", "Return (no changes)");
  auto* layout = new QVBoxLayout(this);
  layout->setMenuBar(bar);
}

void frmLCCResult::BuildControls() {
  auto* layout = static_cast<QVBoxLayout*>(this->layout());
  lblHeading = Named(new QLabel("Life Cycle Costing Results (ZQ$)", this), "lblHeading");
  QFont font = lblHeading->font();
  font.setBold(true);
  font.setPointSizeF(font.pointSizeF() * 1.2);
  lblHeading->setFont(font);
  layout->addWidget(lblHeading, 0, Qt::AlignHCenter);

  auto* sets = new QHBoxLayout;
  Option1 = Named(new QRadioButton("Predicted / Last Confirmed Values", this), "Option1");
  cmdCopy = Named(new QPushButton("Copy All to ->", this), "cmdCopy");
  Option2 = Named(new QRadioButton("Values for LCC Assessment", this), "Option2");
  sets->addWidget(Option1);
  sets->addWidget(cmdCopy);
  sets->addWidget(Option2);
  sets->addStretch(1);
  layout->addLayout(sets);

  auto* grid = new QGridLayout;
  for (int s = 0; s < kStages; ++s) {
    auto* caption = new QLabel(ToDisplayText(kelca::LccStageCaption(s)), this);
    caption->setAlignment(Qt::AlignCenter);
    grid->addWidget(caption, 0, s + 1);
  }
  const auto rows = Rows();
  for (int row = 0; row < kLccRows; ++row) {
    grid->addWidget(new QLabel(ToDisplayText(kelca::LccRowShownCaption(row)), this), row + 1, 0);
    for (int s = 0; s < kStages; ++s) {
      QLineEdit* box = Named(new QLineEdit(this), IndexedName(kRowBoxNames[row], s));
      box->setAlignment(Qt::AlignRight);
      box->setMinimumWidth(100);
      // Totals are computed: the three total rows and the life cycle column.
      const bool total = !kelca::IsLccInputRow(row) || s == kelca::kWholeLife;
      box->setReadOnly(total);
      if (total) box->setStyleSheet("QLineEdit { background: #eeeeee; }");
      (*rows[row])[s] = box;
      grid->addWidget(box, row + 1, s + 1);
    }
  }
  layout->addLayout(grid);

  auto* commands = new QHBoxLayout;
  cmdUpDate = Named(new QPushButton("Update LCC", this), "cmdUpDate");
  cmdOkay = Named(new QPushButton("Confirm and Exit", this), "cmdOkay");
  cmdExit = Named(new QPushButton("Return (no changes)", this), "cmdExit");
  commands->addStretch(1);
  for (QPushButton* button : {cmdUpDate, cmdOkay, cmdExit}) {
    button->setAutoDefault(false);
    commands->addWidget(button);
  }
  layout->addLayout(commands);
}

void frmLCCResult::ConnectCommands() {
  using Model = kelca::LccScreenModel;
  const auto on = [this](auto* sender, auto signal, auto command) {
    connect(sender, signal, this, [this, command] { Run([&] { command(model_); }); });
  };
  on(Option1, &QRadioButton::clicked, [](Model& m) { m.ChoosePredicted(); });
  on(Option2, &QRadioButton::clicked, [](Model& m) { m.ChooseAssessment(); });
  on(cmdCopy, &QPushButton::clicked, [](Model& m) { m.CopyAll(); });
  on(cmdUpDate, &QPushButton::clicked, [](Model& m) { m.Update(); });
  on(mnuFSave, &QAction::triggered, [this](Model& m) { m.Save(prompts_); });
  on(mnuFLoad, &QAction::triggered, [this](Model& m) { m.Load(prompts_); });
  on(mnuFExp, &QAction::triggered, [this](Model& m) { m.Export(prompts_); });
  connect(cmdOkay, &QPushButton::clicked, this, &frmLCCResult::Confirm);
  connect(mnuFExit, &QAction::triggered, this, &frmLCCResult::Confirm);
  connect(cmdExit, &QPushButton::clicked, this, &QDialog::reject);
  connect(mnuFRet, &QAction::triggered, this, &QDialog::reject);
}

template <class Command>
void frmLCCResult::Run(Command command) {
  TakeBoxes();
  command();
  Refresh();
}

void frmLCCResult::TakeBoxes() {
  const auto rows = Rows();
  for (int row = 0; row < kLccRows; ++row) TakeTexts(*rows[row], model_.Boxes[row]);
}

void frmLCCResult::Refresh() {
  const auto rows = Rows();
  for (int row = 0; row < kLccRows; ++row) ShowTexts(*rows[row], model_.Boxes[row]);
  ShowChosenOption({Option1, Option2}, model_.Option);
  cmdUpDate->setVisible(model_.UpdateAndExitShown);
  cmdExit->setVisible(model_.UpdateAndExitShown);
}

void frmLCCResult::Confirm() {
  bool closes = false;
  Run([&] { closes = model_.Confirm(prompts_); });
  if (closes) accept();
}
