#include "frmSelCons.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ScreenControls.h"
#include "TextConversion.h"

using kelca::ConstructionScreenMode;

namespace {
QLineEdit* ValueBox(QWidget* parent, const QString& name, int width = 80) {
  auto* box = Named(new QLineEdit(parent), name);
  box->setMaximumWidth(width);
  return box;
}

void ShowLines(QListWidget* list, const std::vector<std::string>& lines, int current) {
  QStringList wanted;
  for (const std::string& line : lines) wanted << ToDisplayText(line);
  QStringList held;
  for (int i = 0; i < list->count(); ++i) held << list->item(i)->text();
  const QSignalBlocker quiet(list);
  if (held != wanted) {
    list->clear();
    list->addItems(wanted);
  }
  list->setCurrentRow(current);
}
}  // namespace

frmSelCons::frmSelCons(kelca::Workspace& ws, kelca::Prompts& prompts, ConstructionScreenMode mode, int currentNo,
                       QWidget* parent)
    : QDialog(parent), model_(ws, mode, currentNo), prompts_(prompts) {
  setObjectName("frmSelCons");
  setWindowTitle(model_.Caption());
  BuildMenu();
  auto* columns = new QHBoxLayout;
  columns->addWidget(BuildConstructionList());
  auto* right = new QVBoxLayout;
  right->addWidget(BuildWorkingConstruction());
  right->addWidget(BuildLayerEditor());
  columns->addLayout(right, 1);
  static_cast<QVBoxLayout*>(layout())->addLayout(columns);
  ConnectCommands();
  Refresh();
}

void frmSelCons::BuildMenu() {
  auto* bar = Named(new QMenuBar(this), "menuBar");
  mnuFile = AddNamedMenu(bar, "mnuFile", "&File");
  mnuFSaveAll = AddNamedEntry(mnuFile, "mnuFSaveAll", "Save Constructions");
  mnuFile->addSeparator();
  mnuExit = AddNamedEntry(mnuFile, "mnuExit", "Exit");
  mnuFile->setEnabled(model_.Editing());
  mnuFile->menuAction()->setEnabled(model_.Editing());
  auto* layout = new QVBoxLayout(this);
  layout->setMenuBar(bar);
}

QWidget* frmSelCons::BuildConstructionList() {
  auto* box = new QWidget(this);
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  lstCons = Named(new QListWidget(box), "lstCons");
  lstCons->setMinimumWidth(240);
  layout->addWidget(Named(new QLabel("List of Constructions defined", box), "lblCons"));
  layout->addWidget(lstCons, 1);
  lblHint = Named(new QLabel("Click on Name of Construction to Select", box), "lblHint");
  lblHint->setVisible(!model_.Editing());
  layout->addWidget(lblHint);
  auto* count = new QHBoxLayout;
  txtNCons = ValueBox(box, "txtNCons", 50);
  txtNCons->setReadOnly(true);
  count->addWidget(Named(new QLabel("No of Constructions defined", box), "lblNCons"));
  count->addWidget(txtNCons);
  layout->addLayout(count);
  cmdOkay = Named(new QPushButton("Select", box), "cmdOkay");
  cmdOkay->setVisible(!model_.Editing());
  cmdOkay->setDefault(!model_.Editing());
  layout->addWidget(cmdOkay);
  return box;
}

QWidget* frmSelCons::BuildWorkingConstruction() {
  auto* frame = new QGroupBox(this);
  auto* grid = new QGridLayout(frame);
  lblConsNam = Named(new QLabel(model_.NameLabel(), frame), "lblConsNam");
  txtConsNam = Named(new QLineEdit(frame), "txtConsNam");
  grid->addWidget(lblConsNam, 0, 0);
  grid->addWidget(txtConsNam, 0, 1, 1, 3);
  OptWall = Named(new QRadioButton("Wall / Roof / Floor", frame), "OptWall");
  OptWindow = Named(new QRadioButton("Window / Sky Light", frame), "OptWindow");
  grid->addWidget(OptWall, 1, 0, 1, 2);
  grid->addWidget(OptWindow, 1, 2, 1, 2);
  for (int i = 0; i < 2; ++i) {
    lblAbs[i] = Named(new QLabel(i == 0 ? "Absorp. (Out)" : "Absorp. (In)", frame), IndexedName("lblAbs", i));
    txtAbs[i] = ValueBox(frame, IndexedName("txtAbs", i));
    grid->addWidget(lblAbs[i], 2, 2 * i);
    grid->addWidget(txtAbs[i], 2, 2 * i + 1);
  }
  auto* buttons = new QHBoxLayout;
  cmdAdd = Named(new QPushButton("Add as New Construction", frame), "cmdAdd");
  cmdChg = Named(new QPushButton("Record Changes", frame), "cmdChg");
  cmdDel = Named(new QPushButton("Delete Construction", frame), "cmdDel");
  cmdClr = Named(new QPushButton("Clear Data", frame), "cmdClr");
  for (QPushButton* button : {cmdAdd, cmdChg, cmdDel, cmdClr}) {
    button->setAutoDefault(false);
    buttons->addWidget(button);
  }
  for (QPushButton* button : {cmdAdd, cmdChg, cmdDel}) button->setEnabled(model_.Editing());
  grid->addLayout(buttons, 3, 0, 1, 4);
  return frame;
}

QWidget* frmSelCons::BuildLayerEditor() {
  auto* frame = new QGroupBox(this);
  auto* grid = new QGridLayout(frame);
  txtNElmInC = ValueBox(frame, "txtNElmInC", 50);
  cmdEntNo = Named(new QPushButton("Enter", frame), "cmdEntNo");
  cboElmNo = Named(new QComboBox(frame), "cboElmNo");
  grid->addWidget(Named(new QLabel("No. of Layers", frame), "lblNElmInC"), 0, 0);
  grid->addWidget(txtNElmInC, 0, 1);
  grid->addWidget(cmdEntNo, 0, 2);
  grid->addWidget(Named(new QLabel("Layer No.", frame), "lblElmNo"), 0, 3);
  grid->addWidget(cboElmNo, 0, 4);
  lstElmIC = Named(new QListWidget(frame), "lstElmIC");
  lstElmIC->setMinimumWidth(420);
  grid->addWidget(Named(new QLabel("Elements in Selected Construction", frame), "lblElmIC"), 1, 0, 1, 5);
  grid->addWidget(lstElmIC, 2, 0, 1, 5);

  txtMatNo = ValueBox(frame, "txtMatNo", 50);
  txtMatNam = Named(new QLineEdit(frame), "txtMatNam");
  cmdSelMat = Named(new QPushButton("Select", frame), "cmdSelMat");
  grid->addWidget(Named(new QLabel("Material No.", frame), "lblMatNo"), 3, 0);
  grid->addWidget(txtMatNo, 3, 1);
  grid->addWidget(cmdSelMat, 3, 2);
  grid->addWidget(txtMatNam, 3, 3, 1, 2);
  txtMatThk = ValueBox(frame, "txtMatThk");
  grid->addWidget(Named(new QLabel("Thickness (m)", frame), "lblMatThk"), 4, 0);
  grid->addWidget(txtMatThk, 4, 1);
  constexpr std::array<const char*, 3> kPropLabels = {"Den. (kg/m3)", "k (W/mK)", "Cp (J/kgK)"};
  auto* props = new QHBoxLayout;
  for (int i = 0; i < 3; ++i) {
    txtProp[i] = ValueBox(frame, IndexedName("txtProp", i));
    props->addWidget(Named(new QLabel(kPropLabels[i], frame), IndexedName("lblProp", i)));
    props->addWidget(txtProp[i]);
  }
  grid->addLayout(props, 5, 0, 1, 5);
  cmdAddLay = Named(new QPushButton("Add Layer", frame), "cmdAddLay");
  cmdDelLay = Named(new QPushButton("Delete Layer", frame), "cmdDelLay");
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  for (QPushButton* button : {cmdSelMat, cmdEntNo, cmdAddLay, cmdDelLay}) button->setAutoDefault(false);
  buttons->addWidget(cmdAddLay);
  buttons->addWidget(cmdDelLay);
  grid->addLayout(buttons, 6, 0, 1, 5);
  return frame;
}

void frmSelCons::ConnectCommands() {
  auto on = [this](auto* sender, auto signal, auto command) {
    connect(sender, signal, this, [this, command] { Run([this, command] { command(model_); }); });
  };
  using Model = kelca::ConstructionScreenModel;
  on(OptWall, &QRadioButton::clicked, [](Model& m) { m.ChooseWall(); });
  on(OptWindow, &QRadioButton::clicked, [](Model& m) { m.ChooseWindow(); });
  on(cmdEntNo, &QPushButton::clicked, [this](Model& m) { m.EnterLayerCount(prompts_); });
  on(cmdAddLay, &QPushButton::clicked, [this](Model& m) { m.AddLayer(prompts_); });
  on(cmdDelLay, &QPushButton::clicked, [this](Model& m) { m.DeleteLayer(prompts_); });
  on(cmdSelMat, &QPushButton::clicked, [this](Model& m) { m.SelectMaterial(picker_); });
  on(txtMatNo, &QLineEdit::editingFinished, [](Model& m) { m.TakeMaterialNumber(); });
  on(cmdAdd, &QPushButton::clicked, [this](Model& m) { m.AddAsNew(prompts_); });
  on(cmdChg, &QPushButton::clicked, [this](Model& m) { m.RecordChanges(prompts_); });
  on(cmdDel, &QPushButton::clicked, [this](Model& m) { m.DeleteConstruction(prompts_); });
  on(cmdClr, &QPushButton::clicked, [](Model& m) { m.ClearData(); });
  on(mnuFSaveAll, &QAction::triggered, [this](Model& m) { m.SaveConstructions(prompts_); });
  connect(mnuExit, &QAction::triggered, this, &frmSelCons::reject);
  connect(cmdOkay, &QPushButton::clicked, this, &frmSelCons::Select);
  connect(lstCons, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { Run([this, item] { model_.PickConstruction(lstCons->row(item)); }); });
  connect(cboElmNo, &QComboBox::activated, this,
          [this](int index) { Run([this, index] { model_.SelectLayer(index + 1); }); });
  connect(txtNElmInC, &QLineEdit::textEdited, this, [this] { ShowBold(cmdEntNo, LayerCountPending()); });
}

template <class Command>
void frmSelCons::Run(Command command) {
  PullBoxes();
  command();
  Refresh();
}

void frmSelCons::PullBoxes() {
  model_.NameBox = TextOf(txtConsNam);
  TakeTexts(txtAbs, model_.SurfaceBoxes);
  model_.LayerCountBox = TextOf(txtNElmInC);
  model_.MatNoBox = TextOf(txtMatNo);
  model_.MatNameBox = TextOf(txtMatNam);
  model_.ThicknessBox = TextOf(txtMatThk);
  TakeTexts(txtProp, model_.PropBoxes);
}

void frmSelCons::Refresh() {
  ShowLines(lstCons, model_.ConstructionNames(), model_.ListPosition());
  ShowText(txtNCons, std::to_string(model_.ConstructionCount()));
  ShowText(txtConsNam, model_.NameBox);
  ShowChosenOption({OptWall, OptWindow}, model_.WindowFlag() == 1 ? 1 : 0);
  lblAbs[1]->setText(model_.SurfaceLabel());
  ShowTexts(txtAbs, model_.SurfaceBoxes);
  ShowText(txtNElmInC, model_.LayerCountBox);
  ShowBold(cmdEntNo, LayerCountPending());
  std::vector<std::string> numbers;
  for (int j = 1; j <= model_.LayerCount(); ++j) numbers.push_back(std::to_string(j));
  ShowChoices(cboElmNo, numbers, model_.SelectedLayer() - 1);
  ShowLines(lstElmIC, model_.LayerLines(), -1);
  ShowText(txtMatNo, model_.MatNoBox);
  ShowText(txtMatNam, model_.MatNameBox);
  ShowText(txtMatThk, model_.ThicknessBox);
  ShowTexts(txtProp, model_.PropBoxes);
  const bool hasLayer = model_.SelectedLayer() > 0;
  for (QWidget* w : std::initializer_list<QWidget*>{txtMatNo, txtMatNam, txtMatThk, cmdSelMat, cmdDelLay}) {
    w->setEnabled(hasLayer);
  }
  for (QLineEdit* box : txtProp) box->setEnabled(hasLayer);
}

// The Enter button is bold while the layer count box shows a count not yet applied.
bool frmSelCons::LayerCountPending() const {
  return TextOf(txtNElmInC) != (model_.LayerCount() > 0 ? std::to_string(model_.LayerCount()) : "");
}

bool frmSelCons::TakeLayers(const std::vector<kelca::ConstructionLayer>& layers) {
  const bool taken = model_.TakeLayers(layers);
  Refresh();
  return taken;
}

void frmSelCons::Select() {
  PullBoxes();
  picked_ = model_.PickedNumber();
  accept();
}

void frmSelCons::reject() {
  bool closes = false;
  Run([&] { closes = model_.Exit(prompts_); });
  if (closes) QDialog::reject();
}

bool ShowConstructionWithLayers(kelca::Workspace& ws, kelca::Prompts& prompts,
                                const std::vector<kelca::ConstructionLayer>& layers, kelca::MaterialPicker picker,
                                QWidget* parent) {
  if (kelca::Status read = kelca::LoadProjectConstructions(ws); !read) prompts.Message(read.message);
  frmSelCons screen(ws, prompts, ConstructionScreenMode::Edit, 0, parent);
  screen.SetMaterialPicker(std::move(picker));
  if (!screen.TakeLayers(layers)) return false;
  screen.exec();
  return true;
}
