#include "frmEgyCalInput.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "ScreenControls.h"
#include "TextConversion.h"
#include "app/Workspace.h"
#include "frmCPlt.h"
#include "frmSIZn.h"
#include "frmSelCons.h"
#include "frmShMask.h"

using kelca::EnergyInputScreenModel;

namespace {

struct RoomBoxControl {
  const char* name;
  const char* label;
};
// In the order of kelca::RoomBox.
constexpr std::array<RoomBoxControl, kelca::kRoomBoxes> kRoomBoxControls = {{
    {"txtNIdRm", "# of Identical Rms"},
    {"txtRmArea", "Area (sqm)"},
    {"txtRmHgt", "Height (m)"},
    {"txtNOcc", "# of Occupants"},
    {"txtVent", "Vent. Rate (l/s-p)"},
    {"txtTemp", "Rm Temp (C)"},
    {"txtRH", "Rm RH (%)"},
    {"txtLgtW", "Lgt Ld (W/sqm)"},
    {"txtEqpW", "Eqp Ld (W/sqm)"},
}};

template <size_t N>
std::vector<std::string> Entries(const std::array<const char*, N>& names) {
  return std::vector<std::string>(names.begin(), names.end());
}

std::vector<std::string> Numbers(int count) {
  std::vector<std::string> numbers;
  for (int i = 1; i <= count; ++i) numbers.push_back(std::to_string(i));
  return numbers;
}

QLineEdit* Box(QWidget* parent, const char* name, int width = 0) {
  auto* box = Named(new QLineEdit(parent), name);
  if (width > 0) box->setMaximumWidth(width);
  return box;
}

QPushButton* Button(QWidget* parent, const char* name, const char* caption) {
  auto* button = Named(new QPushButton(caption, parent), name);
  button->setAutoDefault(false);
  return button;
}

QLabel* Label(QWidget* parent, const char* text, QWidget* buddy) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString("lbl") + (buddy->objectName().mid(3)));
  return label;
}

}  // namespace

frmEgyCalInput::frmEgyCalInput(kelca::Workspace& ws, kelca::Prompts& prompts, QWidget* parent)
    : QDialog(parent), ws_(ws), prompts_(prompts), model_(ws) {
  setObjectName("frmEgyCalInput");
  setWindowTitle("Inputs for Energy Calculation");
  BuildMenu();
  auto* layout = static_cast<QVBoxLayout*>(this->layout());
  layout->addWidget(BuildZones());
  layout->addWidget(BuildRooms());
  layout->addWidget(BuildComponents());
  ShowChoices(cboRmTyp, Entries(kelca::kRoomTypeNames), 0);
  ShowChoices(cboCompTyp, Entries(kelca::kComponentTypeNames), 0);
  ShowChoices(cboOrient, Entries(kelca::kOrientationNames), 0);
  ConnectCommands();
  model_.Open(prompts_);
  Refresh();
}

void frmEgyCalInput::BuildMenu() {
  auto* bar = Named(new QMenuBar(this), "menuBar");
  mnuF = AddNamedMenu(bar, "mnuF", "File");
  mnuFLoad = AddNamedEntry(mnuF, "mnuFLoad", "Load Building Data");
  mnuFSave = AddNamedEntry(mnuF, "mnuFSave", "Save Building Data");
  mnuF->addSeparator();
  mnuFReturn = AddNamedEntry(mnuF, "mnuFReturn", "Return");
  mnuE = AddNamedMenu(bar, "mnuE", "Edit");
  mnuEConstr = AddNamedEntry(mnuE, "mnuEConstr", "Fabric Constructions");
  mnuEShMask = AddNamedEntry(mnuE, "mnuEShMask", "Shading Mask");
  mnuESIZn = AddNamedEntry(mnuE, "mnuESIZn", "Air-side A/C System in Selected Zone");
  mnuECPlt = AddNamedEntry(mnuE, "mnuECPlt", "Central Plants");
  mnuDirRet = AddNamedBarEntry(bar, "mnuDirRet", "Return");
  auto* layout = new QVBoxLayout(this);
  layout->setMenuBar(bar);
}

QGroupBox* frmEgyCalInput::BuildZones() {
  auto* frame = Named(new QGroupBox("Zones", this), "fraZones");
  auto* grid = new QGridLayout(frame);
  txtNZn = Box(frame, "txtNZn", 50);
  cmdEntNZn = Button(frame, "cmdEntNZn", "Enter");
  grid->addWidget(Label(frame, "Total No. of Unique Zones in Building (Max. 20) >", txtNZn), 0, 0, 1, 3);
  grid->addWidget(txtNZn, 0, 3);
  grid->addWidget(cmdEntNZn, 0, 4);
  cboZNo = Named(new QComboBox(frame), "cboZNo");
  cmdAZn = Button(frame, "cmdAZn", "Insert Zone");
  cmdDZn = Button(frame, "cmdDZn", "Delete Zone");
  grid->addWidget(Label(frame, "Zone No.", cboZNo), 1, 0);
  grid->addWidget(cboZNo, 1, 1);
  grid->addWidget(cmdAZn, 1, 3);
  grid->addWidget(cmdDZn, 1, 4);
  txtZnNam = Box(frame, "txtZnNam");
  txtNIZn = Box(frame, "txtNIZn", 60);
  cmdEAC = Button(frame, "cmdEAC", "Edit AC for the Zone >");
  grid->addWidget(Label(frame, "Zone Name", txtZnNam), 2, 0);
  grid->addWidget(txtZnNam, 2, 1, 1, 2);
  grid->addWidget(Label(frame, "No. of Identical Zones", txtNIZn), 2, 3);
  grid->addWidget(txtNIZn, 2, 4);
  grid->addWidget(cmdEAC, 2, 5);
  grid->setColumnStretch(2, 1);
  return frame;
}

QGroupBox* frmEgyCalInput::BuildRooms() {
  auto* frame = Named(new QGroupBox("Rooms in the Selected Zone", this), "fraRooms");
  auto* grid = new QGridLayout(frame);
  txtNRmIZ = Box(frame, "txtNRmIZ", 50);
  cmdEntNRm = Button(frame, "cmdEntNRm", "Enter");
  grid->addWidget(Label(frame, "No. of Unique Rooms in Zone (Max. 12) >", txtNRmIZ), 0, 0, 1, 3);
  grid->addWidget(txtNRmIZ, 0, 3);
  grid->addWidget(cmdEntNRm, 0, 4);
  cboRmNo = Named(new QComboBox(frame), "cboRmNo");
  cmdARm = Button(frame, "cmdARm", "Insert Room");
  cmdDRm = Button(frame, "cmdDRm", "Delete Room");
  grid->addWidget(Label(frame, "Room No.", cboRmNo), 1, 0);
  grid->addWidget(cboRmNo, 1, 1);
  grid->addWidget(cmdARm, 1, 3);
  grid->addWidget(cmdDRm, 1, 4);
  txtRmNam = Box(frame, "txtRmNam");
  cboRmTyp = Named(new QComboBox(frame), "cboRmTyp");
  grid->addWidget(Label(frame, "Room Name", txtRmNam), 2, 0);
  grid->addWidget(txtRmNam, 2, 1, 1, 2);
  grid->addWidget(Label(frame, "Room Type", cboRmTyp), 2, 3);
  grid->addWidget(cboRmTyp, 2, 4, 1, 2);
  // The room values in rows of three pairs.
  for (int i = 0; i < kelca::kRoomBoxes; ++i) {
    txtRoom[i] = Box(frame, kRoomBoxControls[i].name, 80);
    txtRoom[i]->setAlignment(Qt::AlignRight);
    const int row = 3 + i / 3, column = 2 * (i % 3);
    grid->addWidget(Label(frame, kRoomBoxControls[i].label, txtRoom[i]), row, column);
    grid->addWidget(txtRoom[i], row, column + 1);
  }
  txtNFabComp = Box(frame, "txtNFabComp", 50);
  cmdEntRmChar = Button(frame, "cmdEntRmChar", "Enter");
  grid->addWidget(Label(frame, "No. of Fabric Components (Max. 10) >", txtNFabComp), 6, 0, 1, 3);
  grid->addWidget(txtNFabComp, 6, 3);
  grid->addWidget(cmdEntRmChar, 6, 4);
  grid->setColumnStretch(2, 1);
  return frame;
}

QGroupBox* frmEgyCalInput::BuildComponents() {
  auto* frame = Named(new QGroupBox("Fabric Components of the Selected Room", this), "fraComponents");
  auto* grid = new QGridLayout(frame);
  cboFabComp = Named(new QComboBox(frame), "cboFabComp");
  cmdAExWall = Button(frame, "cmdAExWall", "Insert Component");
  cmdDExWall = Button(frame, "cmdDExWall", "Delete Component");
  grid->addWidget(Label(frame, "Component No.", cboFabComp), 0, 0);
  grid->addWidget(cboFabComp, 0, 1);
  grid->addWidget(cmdAExWall, 0, 3);
  grid->addWidget(cmdDExWall, 0, 4);
  txtCompL = Box(frame, "txtCompL");
  txtCompA = Box(frame, "txtCompA", 80);
  grid->addWidget(Label(frame, "Component Name", txtCompL), 1, 0);
  grid->addWidget(txtCompL, 1, 1, 1, 2);
  grid->addWidget(Label(frame, "Area (sqm)", txtCompA), 1, 3);
  grid->addWidget(txtCompA, 1, 4);
  cboCompTyp = Named(new QComboBox(frame), "cboCompTyp");
  cboOrient = Named(new QComboBox(frame), "cboOrient");
  grid->addWidget(Label(frame, "Type", cboCompTyp), 2, 0);
  grid->addWidget(cboCompTyp, 2, 1);
  grid->addWidget(Label(frame, "Orientation", cboOrient), 2, 3);
  grid->addWidget(cboOrient, 2, 4);
  cmdSelCons = Button(frame, "cmdSelCons", "Construction >");
  for (int i = 0; i < 2; ++i) {
    txtCompC[i] = Named(new QLineEdit(frame), IndexedName("txtCompC", i));
    txtCompC[i]->setReadOnly(i == 1);
  }
  txtCompC[0]->setMaximumWidth(50);
  grid->addWidget(cmdSelCons, 3, 0);
  grid->addWidget(txtCompC[0], 3, 1);
  grid->addWidget(txtCompC[1], 3, 2, 1, 3);
  cmdSelShM = Button(frame, "cmdSelShM", "Shading Mask >");
  txtShMask = Box(frame, "txtShMask");
  grid->addWidget(cmdSelShM, 4, 0);
  grid->addWidget(txtShMask, 4, 1, 1, 4);
  cmdEntComp = Button(frame, "cmdEntComp", "Enter");
  grid->addWidget(cmdEntComp, 5, 4);
  grid->setColumnStretch(2, 1);
  return frame;
}

void frmEgyCalInput::ConnectCommands() {
  auto on = [this](auto* sender, auto signal, auto command) {
    connect(sender, signal, this, [this, command] { Run([this, command] { command(model_); }); });
  };
  using M = EnergyInputScreenModel;
  on(cmdEntNZn, &QPushButton::clicked, [this](M& m) { m.EnterZoneCount(prompts_); });
  on(cmdEntNRm, &QPushButton::clicked, [this](M& m) { m.EnterRoomCount(prompts_); });
  on(cmdEntRmChar, &QPushButton::clicked, [this](M& m) { m.EnterRoomCharacteristics(prompts_); });
  on(cmdEntComp, &QPushButton::clicked, [](M& m) { m.EnterComponent(); });
  on(cmdAZn, &QPushButton::clicked, [this](M& m) { m.AddZone(prompts_); });
  on(cmdDZn, &QPushButton::clicked, [this](M& m) { m.DeleteZone(prompts_); });
  on(cmdARm, &QPushButton::clicked, [this](M& m) { m.AddRoom(prompts_); });
  on(cmdDRm, &QPushButton::clicked, [this](M& m) { m.DeleteRoom(prompts_); });
  on(cmdAExWall, &QPushButton::clicked, [this](M& m) { m.AddComponent(prompts_); });
  on(cmdDExWall, &QPushButton::clicked, [this](M& m) { m.DeleteComponent(prompts_); });
  on(cmdSelShM, &QPushButton::clicked, [this](M& m) { m.ChooseShadingMask(prompts_); });
  on(mnuFLoad, &QAction::triggered, [this](M& m) { m.Load(prompts_); });
  on(mnuFSave, &QAction::triggered, [this](M& m) { m.Save(prompts_); });
  const auto onChoice = [this](QComboBox* box, auto choose) {
    connect(box, &QComboBox::activated, this, [this, choose](int index) {
      Run([this, choose, index] { choose(model_, index); });
    });
  };
  onChoice(cboZNo, [](M& m, int i) { m.SelectZone(i + 1); });
  onChoice(cboRmNo, [](M& m, int i) { m.SelectRoom(i + 1); });
  onChoice(cboFabComp, [](M& m, int i) { m.SelectComponent(i + 1); });
  onChoice(cboRmTyp, [](M& m, int i) { m.ChooseRoomType(i); });
  onChoice(cboCompTyp, [](M& m, int i) { m.ChooseComponentType(i); });
  onChoice(cboOrient, [](M& m, int i) { m.ChooseOrientation(i); });
  connect(cmdSelCons, &QPushButton::clicked, this, &frmEgyCalInput::SelectConstruction);
  connect(mnuEConstr, &QAction::triggered, this, &frmEgyCalInput::EditConstructions);
  connect(mnuEShMask, &QAction::triggered, this, &frmEgyCalInput::EditShadingMask);
  connect(mnuESIZn, &QAction::triggered, this, &frmEgyCalInput::EditAirSide);
  connect(cmdEAC, &QPushButton::clicked, this, &frmEgyCalInput::EditAirSide);
  connect(mnuECPlt, &QAction::triggered, this, &frmEgyCalInput::EditCentralPlant);
  connect(mnuFReturn, &QAction::triggered, this, &frmEgyCalInput::Return);
  connect(mnuDirRet, &QAction::triggered, this, &frmEgyCalInput::Return);
  // An Enter button is bold while its count box shows a count not yet applied.
  for (QLineEdit* count : {txtNZn, txtNRmIZ, txtNFabComp}) {
    connect(count, &QLineEdit::textEdited, this, [this] {
      PullBoxes();
      ShowBold(cmdEntNZn, model_.ZoneCountPending());
      ShowBold(cmdEntNRm, model_.RoomCountPending());
      ShowBold(cmdEntRmChar, model_.ComponentCountPending());
    });
  }
}

template <class Command>
void frmEgyCalInput::Run(Command command) {
  PullBoxes();
  command();
  Refresh();
}

void frmEgyCalInput::PullBoxes() {
  model_.ZoneCountBox = TextOf(txtNZn);
  model_.ZoneNameBox = TextOf(txtZnNam);
  model_.IdenticalZonesBox = TextOf(txtNIZn);
  model_.RoomCountBox = TextOf(txtNRmIZ);
  model_.RoomNameBox = TextOf(txtRmNam);
  TakeTexts(txtRoom, model_.RoomBoxes);
  model_.ComponentCountBox = TextOf(txtNFabComp);
  model_.ComponentNameBox = TextOf(txtCompL);
  model_.ComponentAreaBox = TextOf(txtCompA);
  TakeTexts(txtCompC, model_.ConstructionBoxes);
  model_.ShadingMaskBox = TextOf(txtShMask);
}

void frmEgyCalInput::Refresh() {
  ShowText(txtNZn, model_.ZoneCountBox);
  ShowText(txtZnNam, model_.ZoneNameBox);
  ShowText(txtNIZn, model_.IdenticalZonesBox);
  ShowText(txtNRmIZ, model_.RoomCountBox);
  ShowText(txtRmNam, model_.RoomNameBox);
  ShowChoices(cboRmTyp, Entries(kelca::kRoomTypeNames), model_.RoomType);
  ShowTexts(txtRoom, model_.RoomBoxes);
  ShowText(txtNFabComp, model_.ComponentCountBox);
  ShowText(txtCompL, model_.ComponentNameBox);
  ShowText(txtCompA, model_.ComponentAreaBox);
  ShowChoices(cboCompTyp, Entries(kelca::kComponentTypeNames), model_.ComponentType);
  ShowTexts(txtCompC, model_.ConstructionBoxes);
  ShowChoices(cboOrient, Entries(kelca::kOrientationNames), model_.Orientation);
  ShowText(txtShMask, model_.ShadingMaskBox);
  RefreshSelectors();
}

// Selectors, the Enter buttons' reminders, and what can be edited at each level.
void frmEgyCalInput::RefreshSelectors() {
  ShowChoices(cboZNo, Numbers(model_.ZoneCount()), model_.SelectedZone() - 1);
  ShowChoices(cboRmNo, Numbers(model_.RoomCount()), model_.SelectedRoom() - 1);
  ShowChoices(cboFabComp, Numbers(model_.ComponentCount()), model_.SelectedComponent() - 1);
  ShowBold(cmdEntNZn, model_.ZoneCountPending());
  ShowBold(cmdEntNRm, model_.RoomCountPending());
  ShowBold(cmdEntRmChar, model_.ComponentCountPending());
  const bool zone = model_.SelectedZone() > 0, room = model_.SelectedRoom() > 0,
             component = model_.SelectedComponent() > 0;
  for (QWidget* w : std::initializer_list<QWidget*>{txtZnNam, txtNIZn, cmdDZn, cmdEAC, txtNRmIZ, cmdEntNRm, cmdARm}) {
    w->setEnabled(zone);
  }
  mnuESIZn->setEnabled(zone);
  for (QWidget* w : std::initializer_list<QWidget*>{txtRmNam, cboRmTyp, cmdDRm, txtNFabComp, cmdEntRmChar, cmdAExWall}) {
    w->setEnabled(room);
  }
  for (QLineEdit* box : txtRoom) box->setEnabled(room);
  for (QWidget* w : std::initializer_list<QWidget*>{txtCompL, txtCompA, cboCompTyp, cboOrient, cmdSelCons, txtCompC[0],
                                                    txtCompC[1], cmdSelShM, txtShMask, cmdEntComp, cmdDExWall}) {
    w->setEnabled(component);
  }
}

void frmEgyCalInput::EditConstructions() {
  PullBoxes();
  frmSelCons screen(ws_, prompts_, kelca::ConstructionScreenMode::Edit, 0, this);
  screen.SetMaterialPicker(picker_);
  screen.exec();
  model_.ShowConstructionNames();
  Refresh();
}

void frmEgyCalInput::SelectConstruction() {
  PullBoxes();
  frmSelCons screen(ws_, prompts_, kelca::ConstructionScreenMode::Select, model_.ShownConstructionNo(), this);
  screen.SetMaterialPicker(picker_);
  if (screen.exec() == QDialog::Accepted) model_.TakeConstruction(screen.PickedNumber());
  Refresh();
}

void frmEgyCalInput::EditShadingMask() {
  frmShMask screen(ws_.CurrentFolder, prompts_, this);
  screen.exec();
}

void frmEgyCalInput::EditAirSide() {
  PullBoxes();
  if (model_.SelectedZone() < 1) return;
  model_.HandOver();
  frmSIZn screen(ws_, prompts_, model_.SelectedZone(), this);
  screen.exec();
  model_.TakeAirSideBack();
  Refresh();
}

void frmEgyCalInput::EditCentralPlant() {
  PullBoxes();
  model_.HandOver();
  frmCPlt screen(ws_, prompts_, this);
  screen.exec();
}

void frmEgyCalInput::Return() {
  bool closes = false;
  Run([&] { closes = model_.Return(prompts_); });
  if (closes) QDialog::reject();
}

void frmEgyCalInput::reject() { Return(); }
