#include "frmEgyCal.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "ProgressRun.h"
#include "ScreenControls.h"
#include "TextConversion.h"

namespace {
// The lines of the run log's own menu.
enum RunLogEntry { kSaveRunLog = 0, kHideRunLogMenu = 1 };
}  // namespace

frmEgyCal::frmEgyCal(kelca::Workspace& ws, kelca::Prompts& prompts, QWidget* parent)
    : QDialog(parent),
      model_(ws, prompts, [this](const std::string& title, const kelca::LongStep& step, kelca::ProgressSink& log) {
        RunWithProgress(this, ToDisplayText(title), step, [&log](const std::string& line) { log.AddLine(line); });
      }) {
  setObjectName("frmEgyCal");
  setWindowTitle("Operating Energy Calculation");
  BuildMenu();
  BuildControls();
  ConnectCommands();
  model_.LineAdded = [this](const std::string& line) { ShowLogLine(line); };
  Refresh();
}

bool frmEgyCal::Open() {
  bool opened = false;
  Run([&] { opened = model_.Open(); });
  return opened;
}

void frmEgyCal::BuildMenu() {
  auto* bar = Named(new QMenuBar(this), "menuBar");
  mnuFile = AddNamedMenu(bar, "mnuFile", "&File");
  mnuFLoad = AddNamedEntry(mnuFile, "mnuFLoad", "Load Previous Results");
  mnuFSave = AddNamedEntry(mnuFile, "mnuFSave", "Save Current Results");
  mnuFile->addSeparator();
  mnuFExit = AddNamedEntry(mnuFile, "mnuFExit", "Exit");
  mnuSystem = AddNamedMenu(bar, "mnuSystem", "&System");
  mnuMAC = AddNamedEntry(mnuSystem, "mnuMAC", "Air Conditioning");
  mnuMAAC = AddNamedEntry(mnuSystem, "mnuMAAC", "Additional HVAC");
  mnuMElec = AddNamedEntry(mnuSystem, "mnuMElec", "Elect. && Lighting");
  mnuMAElec = AddNamedEntry(mnuSystem, "mnuMAElec", "Additional Elect. && Lgt");
  mnuMFSer = AddNamedEntry(mnuSystem, "mnuMFSer", "Fire Services");
  mnuMLift = AddNamedEntry(mnuSystem, "mnuMLift", "Lifts and Escalators");
  mnuMPaD = AddNamedEntry(mnuSystem, "mnuMPaD", "P && D");
  mnuMGasS = AddNamedEntry(mnuSystem, "mnuMGasS", "Systems using Town Gas");
  mnuSystem->addSeparator();
  mnuMAll = AddNamedEntry(mnuSystem, "mnuMAll", "All Systems, One-by-one");
  mnuDirExit = AddNamedBarEntry(bar, "mnuDirExit", "Exit");
  auto* layout = new QVBoxLayout(this);
  layout->setMenuBar(bar);
}

void frmEgyCal::BuildControls() {
  auto* layout = static_cast<QVBoxLayout*>(this->layout());
  auto* columns = new QHBoxLayout;
  auto* system = new QVBoxLayout;

  lblHeading = Named(new QLabel(this), "lblHeading");
  QFont font = lblHeading->font();
  font.setBold(true);
  font.setPointSizeF(font.pointSizeF() * 1.2);
  lblHeading->setFont(font);
  lblNote = Named(new QLabel(this), "lblNote");
  system->addWidget(lblHeading);
  system->addWidget(lblNote);

  auto* items = new QGridLayout;
  for (int i = 0; i < kItemRows; ++i) {
    lblItem[i] = Named(new QLabel(this), IndexedName("lblItem", i));
    txtItem[i] = Named(new QLineEdit(this), IndexedName("txtItem", i));
    txtItem[i]->setAlignment(Qt::AlignRight);
    txtItem[i]->setFixedWidth(130);
    items->addWidget(lblItem[i], i, 0);
    items->addWidget(txtItem[i], i, 1);
  }
  // The total is the sum of the items: it is shown, not typed.
  txtItem[0]->setReadOnly(true);
  txtItem[0]->setStyleSheet("QLineEdit { background: #eeeeee; font-weight: bold; }");
  items->setColumnStretch(0, 1);
  system->addLayout(items);
  system->addStretch(1);

  auto* commands = new QHBoxLayout;
  cmdGO = Named(new QPushButton("Calculate", this), "cmdGO");
  cmdAsTyped = Named(new QPushButton("Enter Changes", this), "cmdAsTyped");
  cmdOK = Named(new QPushButton("&Next System", this), "cmdOK");
  for (QPushButton* button : {cmdGO, cmdAsTyped, cmdOK}) {
    button->setAutoDefault(false);
    commands->addWidget(button);
  }
  commands->addStretch(1);
  system->addLayout(commands);

  columns->addLayout(system, 3);
  columns->addWidget(BuildRunLog(), 2);
  layout->addLayout(columns);
  resize(940, 470);
}

QWidget* frmEgyCal::BuildRunLog() {
  fraRun = Named(new QWidget(this), "fraRun");
  auto* log = new QVBoxLayout(fraRun);
  log->setContentsMargins(0, 0, 0, 0);
  log->addWidget(new QLabel("Run Log (click for its menu)", fraRun));
  lstRun = Named(new QListWidget(fraRun), "lstRun");
  lstRun->setMinimumWidth(320);
  SetUpRunLogList(lstRun);
  lstRun->viewport()->installEventFilter(this);
  log->addWidget(lstRun, 1);
  lstRunRpt = Named(new QListWidget(fraRun), "lstRunRpt");
  lstRunRpt->addItems({"Save Run Log", "Exit"});
  lstRunRpt->setFixedHeight(lstRunRpt->sizeHintForRow(0) * 2 + 2 * lstRunRpt->frameWidth() + 4);
  log->addWidget(lstRunRpt);
  cmdEndRun = Named(new QPushButton("Close", fraRun), "cmdEndRun");
  cmdEndRun->setAutoDefault(false);
  log->addWidget(cmdEndRun, 0, Qt::AlignRight);
  // The log keeps its place when it is hidden, so that the items do not move.
  QSizePolicy policy = fraRun->sizePolicy();
  policy.setRetainSizeWhenHidden(true);
  fraRun->setSizePolicy(policy);
  return fraRun;
}

void frmEgyCal::ConnectCommands() {
  using Model = kelca::EnergyCalculationScreen;
  const auto on = [this](auto* sender, auto signal, auto command) {
    connect(sender, signal, this, [this, command] { Run([&] { command(model_); }); });
  };
  const std::array<std::pair<QAction*, int>, 8> systems{{{mnuMAC, kelca::kAirConditioningSystem},
                                                         {mnuMAAC, kelca::kAdditionalHvacSystems},
                                                         {mnuMElec, kelca::kZoneLightingEquipment},
                                                         {mnuMAElec, kelca::kAdditionalElecLightingSystems},
                                                         {mnuMFSer, kelca::kFireServicesSystems},
                                                         {mnuMLift, kelca::kLiftEscalatorSystems},
                                                         {mnuMPaD, kelca::kPlumbingDrainageSystems},
                                                         {mnuMGasS, kelca::kTownGasSystems}}};
  for (const auto& [entry, code] : systems) {
    on(entry, &QAction::triggered, [code](Model& m) { m.ChooseSystem(code); });
  }
  on(mnuMAll, &QAction::triggered, [](Model& m) { m.StartAllSystems(); });
  on(cmdOK, &QPushButton::clicked, [](Model& m) { m.NextSystem(); });
  on(cmdGO, &QPushButton::clicked, [](Model& m) { m.Calculate(); });
  on(cmdAsTyped, &QPushButton::clicked, [](Model& m) { m.EnterChanges(); });
  on(cmdEndRun, &QPushButton::clicked, [](Model& m) { m.CloseLog(); });
  on(mnuFLoad, &QAction::triggered, [](Model& m) { m.LoadResults(); });
  on(mnuFSave, &QAction::triggered, [](Model& m) { m.SaveResults(); });
  connect(lstRunRpt, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    const int entry = lstRunRpt->row(item);
    Run([&] { entry == kSaveRunLog ? model_.SaveRunLog() : model_.HideLogMenu(); });
  });
  connect(mnuFExit, &QAction::triggered, this, &frmEgyCal::reject);
  connect(mnuDirExit, &QAction::triggered, this, &frmEgyCal::reject);
}

// A click anywhere on the run log shows its menu.
bool frmEgyCal::eventFilter(QObject* watched, QEvent* event) {
  if (watched == lstRun->viewport() && event->type() == QEvent::MouseButtonRelease) {
    Run([this] { model_.ShowLogMenu(); });
  }
  return QDialog::eventFilter(watched, event);
}

void frmEgyCal::reject() {
  Run([this] { model_.Exit(); });
  QDialog::reject();
}

template <class Command>
void frmEgyCal::Run(Command command) {
  TakeItems();
  command();
  Refresh();
}

void frmEgyCal::TakeItems() {
  std::vector<std::string>& texts = model_.ItemTexts;
  for (size_t i = 0; i < texts.size() && i < txtItem.size(); ++i) texts[i] = TextOf(txtItem[i]);
}

void frmEgyCal::ShowLogLine(const std::string& line) {
  lstRun->addItem(ToDisplayText(line));
  lstRun->scrollToBottom();
  fraRun->setVisible(true);
}

void frmEgyCal::Refresh() {
  lblHeading->setText(ToDisplayText(model_.Heading));
  lblNote->setText(ToDisplayText(model_.Note));
  const size_t shown = model_.ItemLabels.size();
  for (size_t i = 0; i < txtItem.size(); ++i) {
    const bool used = i < shown;
    lblItem[i]->setVisible(used);
    txtItem[i]->setVisible(used);
    if (!used) continue;
    lblItem[i]->setText(ToDisplayText(model_.ItemLabels[i]));
    ShowText(txtItem[i], model_.ItemTexts[i]);
  }
  const bool chosen = model_.Code != 0;
  cmdGO->setEnabled(chosen);
  cmdAsTyped->setEnabled(chosen);
  cmdOK->setVisible(model_.WalkingAll);
  if (lstRun->count() != static_cast<int>(model_.RunLog.size())) {
    lstRun->clear();
    for (const std::string& line : model_.RunLog) lstRun->addItem(ToDisplayText(line));
    lstRun->scrollToBottom();
  }
  fraRun->setVisible(model_.LogShown);
  lstRunRpt->setVisible(model_.LogMenuShown);
}
