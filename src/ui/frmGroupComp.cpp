#include "frmGroupComp.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ListControls.h"
#include "ScreenControls.h"
#include "TextConversion.h"
#include "frmElmSelect.h"
#include "frmSelCons.h"
#include "frmInpMatData.h"
#include "frmMatLib.h"

using kelca::kGridColumns;
using kelca::kGridItems;

frmGroupComp::frmGroupComp(kelca::Workspace& ws, kelca::Prompts& prompts, QWidget* parent)
    : QDialog(parent), ws_(ws), prompts_(prompts), model_(ws, prompts) {
  setObjectName("frmGroupComp");
  setWindowTitle(ToDisplayText(model_.WindowCaption()));
  SetHooks();
  BuildMenu();
  auto* columns = new QHBoxLayout;
  auto* left = new QVBoxLayout;
  left->addWidget(BuildComponentBox());
  left->addWidget(BuildElementList(), 1);
  columns->addLayout(left);
  // The override frame lies over the element editor while it is open.
  auto* right = new QGridLayout;
  right->addWidget(BuildElementEditor(), 0, 0);
  right->addWidget(BuildOverrideFrame(), 0, 0);
  columns->addLayout(right, 1);
  static_cast<QVBoxLayout*>(layout())->addLayout(columns);
  ConnectCommands();
  ConnectOverrideFrame();
  Refresh();
}

void frmGroupComp::SetHooks() {
  kelca::GroupCompHooks& hooks = model_.Hooks;
  hooks.PickElementType = [this](int currentType) {
    frmElmSelect picker(ws_, prompts_, model_.CompTypeIndex(), currentType, this);
    picker.exec();
    return picker.Picked();
  };
  hooks.PickMaterial = [this] {
    frmMatLib picker(ws_.Materials, this);
    picker.exec();
    return picker.Picked();
  };
  hooks.AskMaterialData = [this](kelca::MatDataMode mode, const std::string& elmName) {
    frmInpMatData screen(ws_.Materials, mode, elmName, this);
    screen.exec();
    return screen.Picked();
  };
  hooks.ShowConstructionScreen = [this](const kelca::ConstructionHandover& handover) {
    ShowConstructionWithLayers(ws_, prompts_, handover.Layers, MaterialLibraryPicker(ws_.Materials, this), this);
  };
}

void frmGroupComp::BuildMenu() {
  auto* bar = Named(new QMenuBar(this), "menuBar");
  mnuFile = AddNamedMenu(bar, "mnuFile", "&File");
  mnuFLComp = AddNamedEntry(mnuFile, "mnuFLComp", "Load Component");
  mnuFSComp = AddNamedEntry(mnuFile, "mnuFSComp", "Save Component");
  mnuFSCons = AddNamedEntry(mnuFile, "mnuFSCons", "Save As Construction");
  mnuFile->addSeparator();
  mnuFReturn = AddNamedEntry(mnuFile, "mnuFReturn", "Return");
  mnuDirRet = AddNamedBarEntry(bar, "mnuDirRet", "Return");
  auto* layout = new QVBoxLayout(this);
  layout->setMenuBar(bar);
}

QWidget* frmGroupComp::BuildComponentBox() {
  auto* box = new QWidget(this);
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(0, 0, 0, 0);
  lblGrpName = Named(new QLabel(ToDisplayText(model_.GrpNameCaption()), box), "lblGrpName");
  txtGrpName = Named(new QLineEdit(box), "txtGrpName");
  txtGrpName->setReadOnly(true);
  lblCompName = Named(new QLabel(ToDisplayText(model_.CompNameCaption()), box), "lblCompName");
  txtCompName = Named(new QLineEdit(box), "txtCompName");
  lblCompType = Named(new QLabel("Component Type", box), "lblCompType");
  cboCompType = Named(new QComboBox(box), "cboCompType");
  lblCompNo = Named(new QLabel(ToDisplayText(model_.CompNoCaption()), box), "lblCompNo");
  txtCompNo = Named(new QLineEdit(box), "txtCompNo");
  const std::pair<QLabel*, QWidget*> rows[] = {
      {lblGrpName, txtGrpName}, {lblCompName, txtCompName}, {lblCompType, cboCompType}, {lblCompNo, txtCompNo}};
  int row = 0;
  for (const auto& [label, field] : rows) {
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row++, 1);
  }
  grid->setColumnStretch(1, 1);
  return box;
}

QWidget* frmGroupComp::BuildElementList() {
  auto* box = new QWidget(this);
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  lblCompElm = Named(new QLabel("Elements in this Component (Max. No. 20)", box), "lblCompElm");
  lstElm = Named(new QListWidget(box), "lstElm");
  lstElm->setMinimumWidth(300);
  layout->addWidget(lblCompElm);
  layout->addWidget(lstElm, 1);

  auto* buttons = new QGridLayout;
  cmdAddElm = Named(new QPushButton("Add Element", box), "cmdAddElm");
  cmdEditElm = Named(new QPushButton("Edit Element", box), "cmdEditElm");
  cmdDeleteElm = Named(new QPushButton("Delete Element", box), "cmdDeleteElm");
  cmdElmUp = Named(new QPushButton("Up", box), "cmdElmUp");
  cmdElmDn = Named(new QPushButton("Down", box), "cmdElmDn");
  buttons->addWidget(cmdAddElm, 0, 0);
  buttons->addWidget(cmdEditElm, 0, 1);
  buttons->addWidget(cmdDeleteElm, 0, 2);
  buttons->addWidget(cmdElmUp, 1, 0);
  buttons->addWidget(cmdElmDn, 1, 1);
  layout->addLayout(buttons);

  Frame1 = Named(new QGroupBox("Assess Element?", box), "Frame1");
  auto* options = new QHBoxLayout(Frame1);
  Option1 = Named(new QRadioButton("Yes", Frame1), "Option1");
  Option2 = Named(new QRadioButton("No", Frame1), "Option2");
  options->addWidget(Option1);
  options->addWidget(Option2);
  options->addStretch(1);
  layout->addWidget(Frame1);
  QSizePolicy keep = Frame1->sizePolicy();
  keep.setRetainSizeWhenHidden(true);
  Frame1->setSizePolicy(keep);

  Label3 = Named(new QLabel(kelca::kLayerOrderNote, box), "Label3");
  Label3->setWordWrap(true);
  layout->addWidget(Label3);
  return box;
}

QWidget* frmGroupComp::BuildElementEditor() {
  auto* box = new QWidget(this);
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* head = new QGridLayout;
  lblElmName = Named(new QLabel("Element Name", box), "lblElmName");
  txtElmName = Named(new QLineEdit(box), "txtElmName");
  Label2 = Named(new QLabel("Element Type", box), "Label2");
  lblElmType = Named(new DoubleClickLabel(box), "lblElmType");
  lblElmType->setFrameShape(QFrame::StyledPanel);
  lblElmType->setMinimumWidth(260);
  cmdElmType = Named(new QPushButton(">", box), "cmdElmType");
  cmdElmType->setFixedWidth(cmdElmType->fontMetrics().horizontalAdvance("  >  ") + 16);
  head->addWidget(lblElmName, 0, 0);
  head->addWidget(txtElmName, 0, 1, 1, 2);
  head->addWidget(Label2, 1, 0);
  head->addWidget(lblElmType, 1, 1);
  head->addWidget(cmdElmType, 1, 2);
  head->setColumnStretch(1, 1);
  layout->addLayout(head);

  auto* commands = new QHBoxLayout;
  cmdLoadElm = Named(new QPushButton("Load Element", box), "cmdLoadElm");
  cmdSaveElm = Named(new QPushButton("Save Element && Return", box), "cmdSaveElm");
  lblChgElmD = Named(new QLabel("Default values of materials:", box), "lblChgElmD");
  cmdChgElmD = Named(new QPushButton("Edit", box), "cmdChgElmD");
  commands->addWidget(cmdLoadElm);
  commands->addWidget(cmdSaveElm);
  commands->addStretch(1);
  commands->addWidget(lblChgElmD);
  commands->addWidget(cmdChgElmD);
  layout->addLayout(commands);

  msgElm = Named(new QTableWidget(kGridItems, kGridColumns, box), "msgElm");
  msgElm->setHorizontalHeaderLabels({"Item", "Unit", "Value", "Remark"});
  msgElm->setEditTriggers(QAbstractItemView::NoEditTriggers);
  msgElm->setSelectionMode(QAbstractItemView::NoSelection);
  for (int row = 0; row < kGridItems; ++row) {
    for (int column = 0; column < kGridColumns; ++column) msgElm->setItem(row, column, new QTableWidgetItem);
  }
  msgElm->setColumnWidth(0, 190);
  msgElm->setColumnWidth(1, 90);
  msgElm->setColumnWidth(2, 90);
  msgElm->horizontalHeader()->setStretchLastSection(true);
  msgElm->verticalHeader()->setDefaultSectionSize(msgElm->fontMetrics().height() + 6);
  msgElm->setMinimumSize(620, msgElm->horizontalHeader()->height() + kGridItems * (msgElm->fontMetrics().height() + 6) + 4);
  layout->addWidget(msgElm, 1);

  auto* cell = new QHBoxLayout;
  lblEditmsgCell = Named(new QLabel(box), "lblEditmsgCell");
  txtmsgCell = Named(new QLineEdit(box), "txtmsgCell");
  cmdEnter = Named(new QPushButton("Enter", box), "cmdEnter");
  cmdClrTxt = Named(new QPushButton("Clear", box), "cmdClrTxt");
  lblEditmsgCell->setMinimumWidth(lblEditmsgCell->fontMetrics().horizontalAdvance(kelca::kIdleCellHint) + 8);
  cell->addWidget(lblEditmsgCell);
  cell->addWidget(txtmsgCell, 1);
  cell->addWidget(cmdEnter);
  cell->addWidget(cmdClrTxt);
  layout->addLayout(cell);
  return box;
}

QWidget* frmGroupComp::BuildOverrideFrame() {
  fraChgElmD = Named(new QGroupBox("Change Default Values of Element Parameters", this), "fraChgElmD");
  fraChgElmD->setAutoFillBackground(true);
  auto* grid = new QGridLayout(fraChgElmD);
  cboMNoInElm = Named(new QComboBox(fraChgElmD), "cboMNoInElm");
  grid->addWidget(new QLabel("Element Mat'l #", fraChgElmD), 0, 0);
  grid->addWidget(cboMNoInElm, 0, 1);
  grid->addWidget(new QLabel("<b>Default Values</b>", fraChgElmD), 1, 1);
  grid->addWidget(new QLabel("<b>Values to be used</b>", fraChgElmD), 1, 3);
  lblMatD = Named(new QLabel(fraChgElmD), "lblMatD");
  lblMatU = Named(new DoubleClickLabel(fraChgElmD), "lblMatU");
  cmdSelMat = Named(new QPushButton("<", fraChgElmD), "cmdSelMat");
  cmdSelMat->setFixedWidth(cmdSelMat->fontMetrics().horizontalAdvance("  <  ") + 16);
  lblUnitD = Named(new QLabel(fraChgElmD), "lblUnitD");
  lblUnitU = Named(new QLabel(fraChgElmD), "lblUnitU");
  for (QLabel* label : {lblMatD, static_cast<QLabel*>(lblMatU), lblUnitD, lblUnitU}) {
    label->setFrameShape(QFrame::StyledPanel);
    label->setMinimumWidth(220);
  }
  grid->addWidget(new QLabel("Material", fraChgElmD), 2, 0);
  grid->addWidget(lblMatD, 2, 1);
  grid->addWidget(cmdSelMat, 2, 2);
  grid->addWidget(lblMatU, 2, 3);
  grid->addWidget(new QLabel("Unit", fraChgElmD), 3, 0);
  grid->addWidget(lblUnitD, 3, 1);
  grid->addWidget(lblUnitU, 3, 3);
  const char* captions[] = {"Material Life Expectance (yrs)", "Wastage (%)", "Unit Cost (ZQ$)"};
  QLineEdit** defaults[] = {&txtLifeD, &txtWasD, &txtUCostD};
  QLineEdit** users[] = {&txtLifeU, &txtWasU, &txtUCostU};
  const char* defaultNames[] = {"txtLifeD", "txtWasD", "txtUCostD"};
  const char* userNames[] = {"txtLifeU", "txtWasU", "txtUCostU"};
  for (int i = 0; i < 3; ++i) {
    *defaults[i] = Named(new QLineEdit(fraChgElmD), defaultNames[i]);
    (*defaults[i])->setReadOnly(true);
    *users[i] = Named(new QLineEdit(fraChgElmD), userNames[i]);
    grid->addWidget(new QLabel(captions[i], fraChgElmD), 4 + i, 0);
    grid->addWidget(*defaults[i], 4 + i, 1);
    grid->addWidget(*users[i], 4 + i, 3);
  }
  auto* buttons = new QHBoxLayout;
  cmdUseDV = Named(new QPushButton("Reset to Default Values", fraChgElmD), "cmdUseDV");
  cmdUseUIV = Named(new QPushButton("Apply Changes", fraChgElmD), "cmdUseUIV");
  cmdXFraChgElmD = Named(new QPushButton("Exit", fraChgElmD), "cmdXFraChgElmD");
  buttons->addWidget(cmdUseDV);
  buttons->addWidget(cmdUseUIV);
  buttons->addStretch(1);
  buttons->addWidget(cmdXFraChgElmD);
  grid->addLayout(buttons, 7, 0, 1, 4);
  grid->setRowStretch(8, 1);
  // The window is laid out for the frame too, so that opening it does not resize it.
  QSizePolicy keep = fraChgElmD->sizePolicy();
  keep.setRetainSizeWhenHidden(true);
  fraChgElmD->setSizePolicy(keep);
  fraChgElmD->hide();
  return fraChgElmD;
}

void frmGroupComp::ConnectCommands() {
  const auto on = [this](auto* sender, auto signal, auto command) {
    connect(sender, signal, this, [this, command] { Run([this, command] { command(model_); }); });
  };
  using Model = kelca::GroupCompScreenModel;
  on(mnuFLComp, &QAction::triggered, [](Model& m) { m.LoadComponent(); });
  on(mnuFSComp, &QAction::triggered, [](Model& m) { m.SaveComponent(); });
  on(mnuFSCons, &QAction::triggered, [](Model& m) { m.SaveAsConstruction(); });
  connect(mnuFReturn, &QAction::triggered, this, &frmGroupComp::Return);
  connect(mnuDirRet, &QAction::triggered, this, &frmGroupComp::Return);
  connect(cboCompType, &QComboBox::activated, this, [this](int index) { Run([&] { model_.ChooseCompType(index); }); });
  connect(lstElm, &QListWidget::currentRowChanged, this, [this](int row) { Run([&] { model_.PickElement(row); }); });
  on(lstElm, &QListWidget::itemDoubleClicked, [](Model& m) { m.EditElement(); });
  connect(cmdAddElm, &QPushButton::clicked, this, [this] {
    Run([this] { model_.AddElement(); });
    if (model_.Editing()) txtElmName->setFocus();
  });
  on(cmdEditElm, &QPushButton::clicked, [](Model& m) { m.EditElement(); });
  on(cmdDeleteElm, &QPushButton::clicked, [](Model& m) { m.DeleteElement(); });
  on(cmdElmUp, &QPushButton::clicked, [](Model& m) { m.MoveElementUp(); });
  on(cmdElmDn, &QPushButton::clicked, [](Model& m) { m.MoveElementDown(); });
  on(Option1, &QRadioButton::clicked, [](Model& m) { m.SetAssess(true); });
  on(Option2, &QRadioButton::clicked, [](Model& m) { m.SetAssess(false); });
  on(cmdElmType, &QPushButton::clicked, [](Model& m) { m.ChooseElementType(); });
  on(lblElmType, &DoubleClickLabel::doubleClicked, [](Model& m) { m.ChooseElementType(); });
  on(cmdLoadElm, &QPushButton::clicked, [](Model& m) { m.LoadElement(); });
  on(cmdSaveElm, &QPushButton::clicked, [](Model& m) { m.SaveElement(); });
  on(cmdEnter, &QPushButton::clicked, [](Model& m) { m.EnterCell(); });
  on(cmdClrTxt, &QPushButton::clicked, [](Model& m) { m.ClearCell(); });
  on(cmdChgElmD, &QPushButton::clicked, [](Model& m) { m.OpenOverrides(); });
  connect(msgElm, &QTableWidget::cellClicked, this,
          [this](int row, int column) { Run([&] { model_.ClickCell(row, column); }); });
  for (QPushButton* button : findChildren<QPushButton*>()) button->setAutoDefault(false);
}

void frmGroupComp::ConnectOverrideFrame() {
  const auto on = [this](auto* sender, auto signal, auto command) {
    connect(sender, signal, this, [this, command] { Run([this, command] { command(model_.Overrides()); }); });
  };
  using Frame = kelca::ChgElmDFrameModel;
  connect(cboMNoInElm, &QComboBox::activated, this,
          [this](int index) { Run([&] { model_.Overrides().ShowPosition(index); }); });
  connect(cmdSelMat, &QPushButton::clicked, this, [this] { Run([this] { model_.PickOverrideMaterial(); }); });
  connect(lblMatU, &DoubleClickLabel::doubleClicked, this, [this] { Run([this] { model_.PickOverrideMaterial(); }); });
  on(cmdUseDV, &QPushButton::clicked, [this](Frame& f) { f.ResetToDefaults(prompts_); });
  on(cmdUseUIV, &QPushButton::clicked, [this](Frame& f) { f.ApplyChanges(prompts_); });
  on(cmdXFraChgElmD, &QPushButton::clicked, [](Frame& f) { f.Exit(); });
}

template <class Command>
void frmGroupComp::Run(Command command) {
  PullTexts();
  command();
  Refresh();
}

void frmGroupComp::PullTexts() {
  model_.CompNameBox = TextOf(txtCompName);
  model_.CompNoBox = TextOf(txtCompNo);
  model_.ElmNameBox = TextOf(txtElmName);
  model_.CellBox = TextOf(txtmsgCell);
  model_.Overrides().UserBoxes = {TextOf(txtLifeU), TextOf(txtWasU), TextOf(txtUCostU)};
}

void frmGroupComp::Refresh() {
  ShowText(txtGrpName, model_.GrpNameBox);
  ShowText(txtCompName, model_.CompNameBox);
  ShowText(txtCompNo, model_.CompNoBox);
  ShowChoices(cboCompType, model_.CompTypeChoices(), model_.CompTypeIndex());
  Label3->setVisible(model_.ShowsLayerNote());
  ShowLines(lstElm, model_.ElementLines(), model_.PickedElement());

  const bool listFree = model_.ListEnabled();
  for (QWidget* w : std::initializer_list<QWidget*>{lstElm, cmdAddElm, cmdElmUp, cmdElmDn}) w->setEnabled(listFree);
  for (QWidget* w : std::initializer_list<QWidget*>{cmdEditElm, cmdDeleteElm}) w->setEnabled(model_.EditDeleteEnabled());
  for (QWidget* w : std::initializer_list<QWidget*>{cmdLoadElm, cmdSaveElm, cmdElmType, cmdChgElmD, txtElmName}) {
    w->setEnabled(model_.ElementCommandsEnabled());
  }
  mnuFLComp->setEnabled(model_.LoadComponentEnabled());
  mnuFSCons->setEnabled(model_.SaveAsConstructionEnabled());
  Frame1->setVisible(model_.AssessShown());
  ShowChosenOption({Option1, Option2}, model_.AssessShown() ? (model_.AssessYes() ? 0 : 1) : -1);

  ShowText(txtElmName, model_.ElmNameBox);
  lblElmType->setText(ToDisplayText(model_.ElmTypeCaption()));
  ShowText(txtmsgCell, model_.CellBox);
  lblEditmsgCell->setText(model_.CellHint());
  RefreshGrid();
  RefreshOverrideFrame();
}

void frmGroupComp::RefreshGrid() {
  for (int row = 0; row < kGridItems; ++row) {
    for (int column = 0; column < kGridColumns; ++column) {
      const QString text = ToDisplayText(model_.CellText(row, column));
      if (msgElm->item(row, column)->text() != text) msgElm->item(row, column)->setText(text);
    }
  }
}

void frmGroupComp::RefreshOverrideFrame() {
  kelca::ChgElmDFrameModel& frame = model_.Overrides();
  fraChgElmD->setVisible(frame.Visible());
  if (!frame.Visible()) return;
  fraChgElmD->raise();
  ShowChoices(cboMNoInElm, frame.Positions(), frame.ShownPosition());
  lblMatD->setText(ToDisplayText(frame.DefaultMaterial()));
  lblMatU->setText(ToDisplayText(frame.UserMaterial()));
  lblUnitD->setText(ToDisplayText(frame.DefaultUnit()));
  lblUnitU->setText(ToDisplayText(frame.UserUnit()));
  const std::array<std::string, 3> defaults = frame.DefaultBoxes();
  const std::array<QLineEdit*, 3> defaultBoxes = {txtLifeD, txtWasD, txtUCostD};
  const std::array<QLineEdit*, 3> userBoxes = {txtLifeU, txtWasU, txtUCostU};
  ShowTexts(defaultBoxes, defaults);
  ShowTexts(userBoxes, frame.UserBoxes);
}

void frmGroupComp::Return() {
  bool closes = false;
  Run([&] { closes = model_.Return(); });
  if (closes) accept();
}

void frmGroupComp::reject() { Return(); }
