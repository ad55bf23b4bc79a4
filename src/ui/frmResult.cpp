#include "frmResult.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "ScreenControls.h"
#include "TextConversion.h"
#include "app/Workspace.h"
#include "frmCharts.h"

using kelca::kImpactSlots;

namespace {
QLineEdit* ShownValueBox(QWidget* parent, const QString& name) {
  auto* box = Named(new QLineEdit(parent), name);
  box->setReadOnly(true);
  box->setAlignment(Qt::AlignRight);
  box->setMinimumWidth(110);
  return box;
}

QLabel* HeadingLabel(QWidget* parent, const char* text) {
  auto* label = new QLabel(text, parent);
  QFont font = label->font();
  font.setBold(true);
  label->setFont(font);
  return label;
}
}  // namespace

frmResult::frmResult(kelca::Workspace& ws, kelca::Prompts& prompts, QWidget* parent)
    : QDialog(parent), ws_(ws), prompts_(prompts), model_(ws) {
  setObjectName("frmResult");
  setWindowTitle("Overall Results");
  BuildMenu();
  BuildSelectors();
  BuildTable();
  ConnectCommands();
  Refresh();
}

void frmResult::BuildMenu() {
  auto* bar = Named(new QMenuBar(this), "menuBar");
  mnuFile = AddNamedMenu(bar, "mnuFile", "&File");
  mnuExpTab = AddNamedEntry(mnuFile, "mnuExpTab", "&Export Results Shown (.CSV)");
  mnuExpAll = AddNamedEntry(mnuFile, "mnuExpAll", "Export &All Results (.CSV)");
  mnuFile->addSeparator();
  mnuQuit = AddNamedEntry(mnuFile, "mnuQuit", "&Quit");
  mnuCases = AddNamedMenu(bar, "mnuCases", "&Cases");
  mnuSetBC = AddNamedEntry(mnuCases, "mnuSetBC", "Set Current Case as &Reference Case");
  mnuSetAlt = AddNamedEntry(mnuCases, "mnuSetAlt", "Set Current Case as &Alternative Case");
  mnuCases->addSeparator();
  mnuSaveBC = AddNamedEntry(mnuCases, "mnuSaveBC", "Save Reference Case (.RES)");
  mnuSaveAlt = AddNamedEntry(mnuCases, "mnuSaveAlt", "Save Alternative Case (.RES)");
  mnuSaveCur = AddNamedEntry(mnuCases, "mnuSaveCur", "Save Current Case (.RES)");
  mnuCases->addSeparator();
  mnuLoadBC = AddNamedEntry(mnuCases, "mnuLoadBC", "Load Reference Case (.RES)");
  mnuLoadAlt = AddNamedEntry(mnuCases, "mnuLoadAlt", "Load Alternative Case (.RES)");
  mnuDirRet = AddNamedBarEntry(bar, "mnuDirRet", "&Return");
  auto* layout = new QVBoxLayout(this);
  layout->setMenuBar(bar);
}

void frmResult::BuildSelectors() {
  auto* grid = new QGridLayout;
  cboSelCase = Named(new QComboBox(this), "cboSelCase");
  cboPortion = Named(new QComboBox(this), "cboPortion");
  cboClass = Named(new QComboBox(this), "cboClass");
  cboCGNo = Named(new QComboBox(this), "cboCGNo");
  cboStage = Named(new QComboBox(this), "cboStage");
  for (QComboBox* box : {cboSelCase, cboPortion, cboClass, cboCGNo, cboStage}) {
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(14);
  }
  ShowChoices(cboSelCase, kelca::CaseNames(), -1);
  ShowChoices(cboPortion, kelca::PartNames(), -1);
  ShowChoices(cboStage, kelca::StageNames(), -1);
  grid->addWidget(HeadingLabel(this, "Case"), 0, 0);
  grid->addWidget(HeadingLabel(this, "Building Parts"), 0, 1);
  grid->addWidget(HeadingLabel(this, "Life Cycle Stage"), 0, 4);
  grid->addWidget(cboSelCase, 1, 0);
  grid->addWidget(cboPortion, 1, 1);
  grid->addWidget(cboClass, 1, 2);
  grid->addWidget(cboCGNo, 1, 3);
  grid->addWidget(cboStage, 1, 4);
  auto* layout = static_cast<QVBoxLayout*>(this->layout());
  layout->addLayout(grid);

  auto* commands = new QHBoxLayout;
  cmdShowRes = Named(new QPushButton("&Show Results", this), "cmdShowRes");
  cmdShowChart = Named(new QPushButton("Show C&harts", this), "cmdShowChart");
  chkPerCFA = Named(new QCheckBox("per m² CFA", this), "chkPerCFA");
  lblCFA = Named(new QLabel(this), "lblCFA");
  commands->addWidget(chkPerCFA);
  commands->addWidget(lblCFA);
  commands->addStretch(1);
  commands->addWidget(cmdShowRes);
  commands->addWidget(cmdShowChart);
  layout->addLayout(commands);
}

void frmResult::BuildTable() {
  auto* grid = new QGridLayout;
  int column = 0;
  for (const char* heading : {"Impact Categories", "Characterised", "Unit", "Normalised", "Weighted"}) {
    grid->addWidget(HeadingLabel(this, heading), 0, column++);
  }
  for (int c = 1; c < kImpactSlots; ++c) {
    txtBN[c] = ShownValueBox(this, IndexedName("txtBN", c));
    txtWN[c] = ShownValueBox(this, IndexedName("txtWN", c));
    txtAW[c] = ShownValueBox(this, IndexedName("txtAW", c));
    grid->addWidget(new QLabel(ToDisplayText(kelca::CategoryText(c)), this), c, 0);
    grid->addWidget(txtBN[c], c, 1);
    lblUnit[c] = Named(new QLabel(this), IndexedName("lblUnit", c));
    grid->addWidget(lblUnit[c], c, 2);
    grid->addWidget(txtWN[c], c, 3);
    grid->addWidget(txtAW[c], c, 4);
  }
  txtLCEA = ShownValueBox(this, "txtLCEA");
  txtLCWA = ShownValueBox(this, "txtLCWA");
  txtAW[0] = ShownValueBox(this, IndexedName("txtAW", 0));
  txtLCCA = ShownValueBox(this, "txtLCCA");
  txtProjScore = ShownValueBox(this, "txtProjScore");
  const int energyRow = kImpactSlots, wasteRow = kImpactSlots + 1, scoreRow = kImpactSlots + 2;
  grid->addWidget(new QLabel(ToDisplayText(kelca::CategoryText(11)), this), energyRow, 0);
  grid->addWidget(txtLCEA, energyRow, 1);
  for (int c : {11, 12}) lblUnit[c] = Named(new QLabel(this), IndexedName("lblUnit", c));
  grid->addWidget(lblUnit[11], energyRow, 2);
  grid->addWidget(new QLabel("Sum of Weighted Impacts", this), energyRow, 3, Qt::AlignRight);
  grid->addWidget(txtAW[0], energyRow, 4);
  grid->addWidget(new QLabel(ToDisplayText(kelca::CategoryText(12)), this), wasteRow, 0);
  grid->addWidget(txtLCWA, wasteRow, 1);
  grid->addWidget(lblUnit[12], wasteRow, 2);
  lblCost = Named(new QLabel(this), "lblCost");
  grid->addWidget(lblCost, wasteRow, 3, Qt::AlignRight);
  grid->addWidget(txtLCCA, wasteRow, 4);
  grid->addWidget(HeadingLabel(this, "Total LCA/LCC Score"), scoreRow, 3, Qt::AlignRight);
  // Wide enough for the units per m², so that the table stays in place when they are shown.
  int unitWidth = 0;
  for (int c = 1; c <= 12; ++c) {
    const QString widest = ToDisplayText(kelca::CategoryUnit(c) + "/m²");
    unitWidth = std::max(unitWidth, lblUnit[c]->fontMetrics().horizontalAdvance(widest));
  }
  for (int c = 1; c <= 12; ++c) lblUnit[c]->setMinimumWidth(unitWidth);
  lblCost->setMinimumWidth(lblCost->fontMetrics().horizontalAdvance("Life Cycle Cost (ZQ$/m²)"));
  grid->addWidget(txtProjScore, scoreRow, 4);
  auto* layout = static_cast<QVBoxLayout*>(this->layout());
  layout->addLayout(grid);

  for (int i = 0; i < kelca::kResultCases; ++i) {
    lblMsg[i] = Named(new QLabel(this), IndexedName("lblMsg", i));
    layout->addWidget(lblMsg[i]);
  }
}

void frmResult::ConnectCommands() {
  const auto onChoice = [this](QComboBox* box, void (kelca::ResultScreenModel::*select)(int)) {
    connect(box, &QComboBox::activated, this, [this, select](int index) { Run([&] { (model_.*select)(index); }); });
  };
  onChoice(cboSelCase, &kelca::ResultScreenModel::SelectCase);
  onChoice(cboPortion, &kelca::ResultScreenModel::SelectPart);
  onChoice(cboClass, &kelca::ResultScreenModel::SelectClass);
  onChoice(cboCGNo, &kelca::ResultScreenModel::SelectGroup);
  onChoice(cboStage, &kelca::ResultScreenModel::SelectStage);
  const auto on = [this](auto* sender, auto signal, auto command) {
    connect(sender, signal, this, [this, command] { Run([&] { command(model_); }); });
  };
  using Model = kelca::ResultScreenModel;
  on(cmdShowRes, &QPushButton::clicked, [](Model& m) { m.ShowResults(); });
  on(mnuSetBC, &QAction::triggered, [](Model& m) { m.SetReference(); });
  on(mnuSetAlt, &QAction::triggered, [](Model& m) { m.SetAlternative(); });
  on(mnuSaveBC, &QAction::triggered, [this](Model& m) { m.SaveCase(kelca::kReferenceCase, prompts_); });
  on(mnuSaveAlt, &QAction::triggered, [this](Model& m) { m.SaveCase(kelca::kAlternativeCase, prompts_); });
  on(mnuSaveCur, &QAction::triggered, [this](Model& m) { m.SaveCase(kelca::kCurrentCase, prompts_); });
  on(mnuLoadBC, &QAction::triggered, [this](Model& m) { m.LoadCase(kelca::kReferenceCase, prompts_); });
  on(mnuLoadAlt, &QAction::triggered, [this](Model& m) { m.LoadCase(kelca::kAlternativeCase, prompts_); });
  on(mnuExpTab, &QAction::triggered, [this](Model& m) { m.ExportTable(prompts_); });
  on(mnuExpAll, &QAction::triggered, [this](Model& m) { m.ExportAllResults(prompts_); });
  connect(chkPerCFA, &QCheckBox::toggled, this, [this](bool on) { Run([&] { model_.ShowPerFloorArea(on); }); });
  connect(cmdShowChart, &QPushButton::clicked, this, &frmResult::ShowCharts);
  connect(mnuQuit, &QAction::triggered, this, &QDialog::accept);
  connect(mnuDirRet, &QAction::triggered, this, &QDialog::accept);
}

template <class Command>
void frmResult::Run(Command command) {
  command();
  Refresh();
}

void frmResult::Refresh() {
  ShowChoices(cboSelCase, kelca::CaseNames(), model_.SelectedCase());
  ShowChoices(cboPortion, kelca::PartNames(), model_.SelectedPart());
  ShowChoices(cboClass, model_.ClassList(), model_.SelectedClass());
  ShowChoices(cboCGNo, model_.GroupList(), model_.SelectedGroup());
  ShowChoices(cboStage, kelca::StageNames(), model_.SelectedStage());

  const kelca::ShownView shown = model_.Displayed();
  const std::string suffix = model_.UnitSuffix();
  for (int c = 1; c <= 12; ++c) lblUnit[c]->setText(ToDisplayText(kelca::CategoryUnit(c) + suffix));
  lblCost->setText(ToDisplayText("Life Cycle Cost (ZQ$" + suffix + ")"));
  lblCFA->setText(ToDisplayText(model_.FloorAreaNote()));
  ShowTexts(txtBN, shown.Characterised);
  ShowTexts(txtWN, shown.Normalised);
  ShowTexts(txtAW, shown.Weighted);
  ShowText(txtLCEA, shown.Energy);
  ShowText(txtLCWA, shown.Waste);
  ShowText(txtLCCA, shown.Cost);
  ShowText(txtProjScore, shown.Score);
  for (int i = 0; i < kelca::kResultCases; ++i) lblMsg[i]->setText(ToDisplayText(model_.CaseMessages()[i]));

  mnuSaveBC->setEnabled(model_.SaveEnabled(kelca::kReferenceCase));
  mnuSaveAlt->setEnabled(model_.SaveEnabled(kelca::kAlternativeCase));
  mnuSaveCur->setEnabled(model_.SaveEnabled(kelca::kCurrentCase));
  mnuExpTab->setEnabled(model_.ExportEnabled());
}

void frmResult::ShowCharts() {
  frmCharts charts(ws_, prompts_, this);
  charts.exec();
}
