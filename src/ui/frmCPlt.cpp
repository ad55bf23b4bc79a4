#include "frmCPlt.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ScreenControls.h"
#include "TextConversion.h"

using kelca::PlantScreenModel;

namespace {

struct ItemEntry {
  const char* name;
  const char* caption;
  int item;
  bool hvac;  // on the HVAC Plant menu, else on Other Services
};
constexpr ItemEntry kItemEntries[] = {
    {"mnuEType", "Plant Type", kelca::kItemPlantType, true},
    {"mnuEChillers", "Chillers", kelca::kItemChillers, true},
    {"mnuEPLPs", "Primary Chilled Water Pumps", kelca::kItemPrimaryPumps, true},
    {"mnuESLPs", "Secondary Chilled Water Pumps", kelca::kItemSecondaryPumps, true},
    {"mnuECWPs", "Condenser Water Pumps", kelca::kItemCondenserPumps, true},
    {"mnuESWPs", "Seawater Pumps", kelca::kItemSeawaterPumps, true},
    {"mnuECTrs", "Cooling Towers", kelca::kItemCoolingTowers, true},
    {"mnuEAHVAC", "Additional HVAC Systems", kelca::kItemAdditionalHvac, true},
    {"mnuEFAUs", "Central FA Handling Units", kelca::kItemFreshAirUnits, true},
    {"mnuEALgtS", "Additional Elec && Lgt Systems", kelca::kItemAdditionalLighting, false},
    {"mnuEFSerS", "Fire Services", kelca::kItemFireServices, false},
    {"mnuELiftS", "Lifts && Escalatiors", kelca::kItemLiftsEscalators, false},
    {"mnuEPaDS", "P && D", kelca::kItemPlumbingDrainage, false},
    {"mnuEGasS", "Systems using Town Gas", kelca::kItemTownGas, false},
};

QPushButton* Button(QWidget* parent, const char* name, const char* caption) {
  auto* button = Named(new QPushButton(caption, parent), name);
  button->setAutoDefault(false);
  return button;
}

}  // namespace

frmCPlt::frmCPlt(kelca::Workspace& ws, kelca::Prompts& prompts, QWidget* parent)
    : QDialog(parent), model_(ws), prompts_(prompts) {
  setObjectName("frmCPlt");
  setWindowTitle("Central Plant and Other Services");
  BuildMenu();
  BuildControls();
  ConnectCommands();
  model_.Open(prompts_);
  Refresh();
}

void frmCPlt::BuildMenu() {
  auto* bar = Named(new QMenuBar(this), "menuBar");
  mnuF = AddNamedMenu(bar, "mnuF", "File");
  mnuFLoad = AddNamedEntry(mnuF, "mnuFLoad", "Load Plant Data");
  mnuFSave = AddNamedEntry(mnuF, "mnuFSave", "Save Plant Data");
  mnuF->addSeparator();
  mnuFExit = AddNamedEntry(mnuF, "mnuFExit", "Exit");
  mnuE = AddNamedMenu(bar, "mnuE", "Edit");
  mnuEHVAC = Named(mnuE->addMenu("HVAC Plant"), "mnuEHVAC");
  mnuEOthers = Named(mnuE->addMenu("Other Services"), "mnuEOthers");
  for (const ItemEntry& entry : kItemEntries) {
    itemEntries_.emplace_back(AddNamedEntry(entry.hvac ? mnuEHVAC : mnuEOthers, entry.name, entry.caption), entry.item);
  }
  mnuDirExit = AddNamedBarEntry(bar, "mnuDirExit", "Exit");
  auto* layout = new QVBoxLayout(this);
  layout->setMenuBar(bar);
}

void frmCPlt::BuildControls() {
  auto* layout = static_cast<QVBoxLayout*>(this->layout());
  lblHead = Named(new QLabel(this), "lblHead");
  ShowBold(lblHead, true);
  layout->addWidget(lblHead);

  auto* grid = new QGridLayout;
  lblACHRS = Named(new QLabel("Type of heat rejection system", this), "lblACHRS");
  cboACHRS = Named(new QComboBox(this), "cboACHRS");
  lblChWPS = Named(new QLabel("Type of chilled water pumping system", this), "lblChWPS");
  cboChWPS = Named(new QComboBox(this), "cboChWPS");
  grid->addWidget(lblACHRS, 0, 0);
  grid->addWidget(cboACHRS, 0, 1, 1, 3);
  grid->addWidget(lblChWPS, 1, 0);
  grid->addWidget(cboChWPS, 1, 1, 1, 3);
  lblNoEq = Named(new QLabel(this), "lblNoEq");
  txtNoEq = Named(new QLineEdit(this), "txtNoEq");
  txtNoEq->setMaximumWidth(50);
  cmdNoEq = Button(this, "cmdNoEq", "Enter");
  lblEqNo = Named(new QLabel(this), "lblEqNo");
  cboEqNo = Named(new QComboBox(this), "cboEqNo");
  grid->addWidget(lblNoEq, 2, 0);
  grid->addWidget(txtNoEq, 2, 1);
  grid->addWidget(cmdNoEq, 2, 2);
  grid->addWidget(lblEqNo, 3, 0);
  grid->addWidget(cboEqNo, 3, 1);
  auto* unitButtons = new QHBoxLayout;
  cmdAddEq = Button(this, "cmdAddEq", "Add");
  cmdDelEq = Button(this, "cmdDelEq", "Delete");
  cmdSame = Button(this, "cmdSame", "Same");
  for (QPushButton* button : {cmdAddEq, cmdDelEq, cmdSame}) unitButtons->addWidget(button);
  grid->addLayout(unitButtons, 3, 2, 1, 2);
  lblSysNam = Named(new QLabel("System Name", this), "lblSysNam");
  txtSysNam = Named(new QLineEdit(this), "txtSysNam");
  grid->addWidget(lblSysNam, 4, 0);
  grid->addWidget(txtSysNam, 4, 1, 1, 3);
  lblEqTyp = Named(new QLabel("Type", this), "lblEqTyp");
  cboEqTyp = Named(new QComboBox(this), "cboEqTyp");
  grid->addWidget(lblEqTyp, 5, 0);
  grid->addWidget(cboEqTyp, 5, 1, 1, 3);
  grid->setColumnStretch(3, 1);
  layout->addLayout(grid);

  lblGrid = Named(new QLabel(this), "lblGrid");
  layout->addWidget(lblGrid);
  msgPlt = Named(new QTableWidget(0, 3, this), "msgPlt");
  msgPlt->setHorizontalHeaderLabels({"Item", "Unit", "Value"});
  msgPlt->verticalHeader()->hide();
  msgPlt->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
  msgPlt->setColumnWidth(1, 70);
  msgPlt->setColumnWidth(2, 110);
  msgPlt->setMinimumSize(520, 200);
  msgPlt->setSelectionMode(QAbstractItemView::SingleSelection);
  layout->addWidget(msgPlt, 1);
  auto* cell = new QHBoxLayout;
  txtEntCell = Named(new QLineEdit(this), "txtEntCell");
  cmdEntCell = Button(this, "cmdEntCell", "Enter");
  cmdOK = Button(this, "cmdOK", "OK");
  cell->addWidget(Named(new QLabel("Value of the selected cell", this), "lblEntCell"));
  cell->addWidget(txtEntCell);
  cell->addWidget(cmdEntCell);
  cell->addStretch(1);
  cell->addWidget(cmdOK);
  layout->addLayout(cell);
  ShowChoices(cboACHRS, PlantScreenModel::PlantTypeEntries(), 0);
  ShowChoices(cboChWPS, PlantScreenModel::PumpingTypeEntries(), 0);
}

void frmCPlt::ConnectCommands() {
  using M = PlantScreenModel;
  auto on = [this](auto* sender, auto signal, auto command) {
    connect(sender, signal, this, [this, command] { Run([this, command] { command(model_); }); });
  };
  for (const auto& [entry, item] : itemEntries_) {
    const int code = item;
    on(entry, &QAction::triggered, [code](M& m) { m.ShowItem(code); });
  }
  on(cmdNoEq, &QPushButton::clicked, [this](M& m) { m.EnterCount(prompts_); });
  on(cmdAddEq, &QPushButton::clicked, [this](M& m) { m.AddUnit(prompts_); });
  on(cmdDelEq, &QPushButton::clicked, [](M& m) { m.DeleteUnit(); });
  on(cmdSame, &QPushButton::clicked, [](M& m) { m.SameAsPrevious(); });
  on(cmdOK, &QPushButton::clicked, [this](M& m) { m.Confirm(prompts_); });
  on(mnuFLoad, &QAction::triggered, [this](M& m) { m.Load(prompts_); });
  on(mnuFSave, &QAction::triggered, [this](M& m) { m.Save(prompts_); });
  on(cmdEntCell, &QPushButton::clicked,
     [this](M& m) { m.EnterCell(msgPlt->currentRow(), FromDisplayText(txtEntCell->text())); });
  const auto onChoice = [this](QComboBox* box, auto choose) {
    connect(box, &QComboBox::activated, this,
            [this, choose](int index) { Run([this, choose, index] { choose(model_, index); }); });
  };
  onChoice(cboACHRS, [](M& m, int i) { m.ChoosePlantType(i); });
  onChoice(cboChWPS, [](M& m, int i) { m.ChoosePumpingType(i); });
  onChoice(cboEqNo, [](M& m, int i) { m.SelectUnit(i + 1); });
  onChoice(cboEqTyp, [](M& m, int i) { m.ChooseUnitType(i); });
  // A value typed into the grid is entered as with the Enter button.
  connect(msgPlt, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
    if (item->column() != 2) return;
    const int row = item->row();
    const std::string text = FromDisplayText(item->text());
    Run([this, row, text] { model_.EnterCell(row, text); });
  });
  connect(msgPlt, &QTableWidget::currentCellChanged, this, [this](int row) {
    QTableWidgetItem* value = row >= 0 ? msgPlt->item(row, 2) : nullptr;
    txtEntCell->setText(value ? value->text() : QString());
  });
  connect(txtNoEq, &QLineEdit::textEdited, this,
          [this] { ShowBold(cmdNoEq, TextOf(txtNoEq) != std::to_string(model_.UnitCount())); });
  connect(mnuFExit, &QAction::triggered, this, &frmCPlt::Exit);
  connect(mnuDirExit, &QAction::triggered, this, &frmCPlt::Exit);
}

template <class Command>
void frmCPlt::Run(Command command) {
  model_.CountBox = TextOf(txtNoEq);
  model_.NameBox = TextOf(txtSysNam);
  command();
  Refresh();
}

void frmCPlt::Refresh() {
  for (const auto& [entry, item] : itemEntries_) entry->setEnabled(model_.ItemEnabled(item));
  lblHead->setText(ToDisplayText(model_.Heading()));
  const bool plantType = model_.Item() == kelca::kItemPlantType;
  for (QWidget* w : std::initializer_list<QWidget*>{lblACHRS, cboACHRS, lblChWPS, cboChWPS}) w->setVisible(plantType);
  ShowChoices(cboACHRS, PlantScreenModel::PlantTypeEntries(), model_.PlantType());
  ShowChoices(cboChWPS, PlantScreenModel::PumpingTypeEntries(), model_.PumpingType());
  const bool units = model_.HasUnits();
  for (QWidget* w : std::initializer_list<QWidget*>{lblNoEq, txtNoEq, cmdNoEq, lblEqNo, cboEqNo, cmdAddEq, cmdDelEq,
                                                    cmdSame}) {
    w->setVisible(units);
  }
  lblNoEq->setText(ToDisplayText(model_.CountLabel()));
  lblEqNo->setText(ToDisplayText(model_.UnitLabel()));
  ShowText(txtNoEq, model_.CountBox);
  ShowBold(cmdNoEq, units && model_.CountBox != std::to_string(model_.UnitCount()));
  std::vector<std::string> numbers;
  for (int i = 1; i <= model_.UnitCount(); ++i) numbers.push_back(std::to_string(i));
  ShowChoices(cboEqNo, numbers, model_.Unit() - 1);
  lblSysNam->setVisible(model_.HasName());
  txtSysNam->setVisible(model_.HasName());
  ShowText(txtSysNam, model_.NameBox);
  const std::vector<std::string> types = model_.UnitTypeEntries();
  lblEqTyp->setVisible(!types.empty());
  cboEqTyp->setVisible(!types.empty());
  ShowChoices(cboEqTyp, types, model_.UnitType());
  lblGrid->setText(ToDisplayText(model_.GridCaption()));
  RefreshGrid();
}

void frmCPlt::RefreshGrid() {
  const std::vector<kelca::PlantRow> rows = model_.Rows();
  const QSignalBlocker quiet(msgPlt);
  const int current = msgPlt->currentRow();
  msgPlt->setRowCount(static_cast<int>(rows.size()));
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    const kelca::PlantRow& row = rows[r];
    const std::array<std::string, 3> texts = {row.Item, row.Unit, row.Value};
    for (int c = 0; c < 3; ++c) {
      // Cells are kept and only their texts change: a cell may be the one whose edit is being entered.
      QTableWidgetItem* cell = msgPlt->item(r, c);
      if (!cell) {
        cell = new QTableWidgetItem;
        msgPlt->setItem(r, c, cell);
      }
      cell->setText(ToDisplayText(texts[c]));
      const bool editable = c == 2 && !row.IsChoice;
      cell->setFlags(editable ? cell->flags() | Qt::ItemIsEditable : cell->flags() & ~Qt::ItemIsEditable);
      if (c == 2) cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
  }
  if (current >= 0 && current < msgPlt->rowCount()) msgPlt->setCurrentCell(current, 2);
}

void frmCPlt::Exit() {
  bool closes = false;
  Run([&] { closes = model_.Exit(prompts_); });
  if (closes) QDialog::reject();
}

void frmCPlt::reject() { Exit(); }
