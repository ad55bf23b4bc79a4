#include "frmSIZn.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "ScreenControls.h"
#include "TextConversion.h"

namespace {
template <size_t N>
std::vector<std::string> Entries(const std::array<const char*, N>& names) {
  return std::vector<std::string>(names.begin(), names.end());
}

QPushButton* Button(QWidget* parent, const char* name, const char* caption) {
  auto* button = Named(new QPushButton(caption, parent), name);
  button->setAutoDefault(false);
  return button;
}
}  // namespace

frmSIZn::frmSIZn(kelca::Workspace& ws, kelca::Prompts& prompts, int zone, QWidget* parent)
    : QDialog(parent), model_(ws, zone), prompts_(prompts) {
  setObjectName("frmSIZn");
  setWindowTitle("Air Side Air Conditioning System in Selected Zone");
  BuildMenu();
  BuildControls();
  ConnectCommands();
  Refresh();
}

void frmSIZn::BuildMenu() {
  auto* bar = Named(new QMenuBar(this), "menuBar");
  mnuF = AddNamedMenu(bar, "mnuF", "File");
  mnuFSave = AddNamedEntry(mnuF, "mnuFSave", "Save Data");
  mnuF->addSeparator();
  mnuFExit = AddNamedEntry(mnuF, "mnuFExit", "Exit");
  auto* layout = new QVBoxLayout(this);
  layout->setMenuBar(bar);
}

void frmSIZn::BuildControls() {
  auto* layout = static_cast<QVBoxLayout*>(this->layout());
  lblZnNam = Named(new QLabel(this), "lblZnNam");
  layout->addWidget(lblZnNam);
  auto* types = new QGridLayout;
  cboASTyp = Named(new QComboBox(this), "cboASTyp");
  cboFATyp = Named(new QComboBox(this), "cboFATyp");
  ShowChoices(cboASTyp, Entries(kelca::kAcSystemTypeNames), 0);
  ShowChoices(cboFATyp, Entries(kelca::kFreshAirTypeNames), 0);
  types->addWidget(Named(new QLabel("Type of Air-conditioning System", this), "lblASTyp"), 0, 0);
  types->addWidget(cboASTyp, 0, 1);
  types->addWidget(Named(new QLabel("Type of Fresh Air Supply System", this), "lblFATyp"), 1, 0);
  types->addWidget(cboFATyp, 1, 1);
  types->setColumnStretch(1, 1);
  layout->addLayout(types);

  auto* values = new QGridLayout;
  cboZnRm = Named(new QComboBox(this), "cboZnRm");
  cboZnRm->setMinimumContentsLength(8);
  txtRmNam = Named(new QLineEdit(this), "txtRmNam");
  txtRmNam->setReadOnly(true);
  values->addWidget(cboZnRm, 0, 0);
  values->addWidget(txtRmNam, 0, 1);
  for (int i = 0; i < kelca::kAirSideBoxes; ++i) {
    lblZnRmD[i] = Named(new QLabel(this), IndexedName("lblZnRmD", i));
    txtZnRmD[i] = Named(new QLineEdit(this), IndexedName("txtZnRmD", i));
    txtZnRmD[i]->setAlignment(Qt::AlignRight);
    txtZnRmD[i]->setMaximumWidth(100);
    // The zone-only rows keep their place while a room is shown.
    for (QWidget* w : std::initializer_list<QWidget*>{lblZnRmD[i], txtZnRmD[i]}) {
      QSizePolicy policy = w->sizePolicy();
      policy.setRetainSizeWhenHidden(true);
      w->setSizePolicy(policy);
    }
    values->addWidget(lblZnRmD[i], 1 + i, 0);
    values->addWidget(txtZnRmD[i], 1 + i, 1);
  }
  values->setColumnMinimumWidth(0, 340);
  layout->addLayout(values);

  auto* buttons = new QHBoxLayout;
  cmdPrRm = Button(this, "cmdPrRm", "Last Room");
  cmdNxRm = Button(this, "cmdNxRm", "Next Room");
  cmdPrZn = Button(this, "cmdPrZn", "Last Zone");
  cmdNxZn = Button(this, "cmdNxZn", "Next Zone");
  cmdSaQ = Button(this, "cmdSaQ", "Save and Exit");
  for (QPushButton* button : {cmdPrRm, cmdNxRm, cmdPrZn, cmdNxZn}) buttons->addWidget(button);
  buttons->addStretch(1);
  buttons->addWidget(cmdSaQ);
  layout->addLayout(buttons);
}

void frmSIZn::ConnectCommands() {
  using M = kelca::AirSideScreenModel;
  auto on = [this](auto* sender, auto signal, auto command) {
    connect(sender, signal, this, [this, command] { Run([this, command] { command(model_); }); });
  };
  on(cmdPrRm, &QPushButton::clicked, [](M& m) { m.LastRoom(); });
  on(cmdNxRm, &QPushButton::clicked, [](M& m) { m.NextRoom(); });
  on(cmdPrZn, &QPushButton::clicked, [](M& m) { m.LastZone(); });
  on(cmdNxZn, &QPushButton::clicked, [](M& m) { m.NextZone(); });
  on(mnuFSave, &QAction::triggered, [](M& m) { m.Save(); });
  connect(cboZnRm, &QComboBox::activated, this, [this](int i) { Run([this, i] { model_.Select(i); }); });
  connect(cboASTyp, &QComboBox::activated, this, [this](int i) { Run([this, i] { model_.ChooseAcSystemType(i); }); });
  connect(cboFATyp, &QComboBox::activated, this, [this](int i) { Run([this, i] { model_.ChooseFreshAirType(i); }); });
  connect(mnuFExit, &QAction::triggered, this, &frmSIZn::Exit);
  connect(cmdSaQ, &QPushButton::clicked, this, &frmSIZn::SaveAndExit);
}

template <class Command>
void frmSIZn::Run(Command command) {
  TakeTexts(txtZnRmD, model_.ValueBoxes);
  command();
  Refresh();
}

void frmSIZn::Refresh() {
  lblZnNam->setText(ToDisplayText(model_.ZoneNameLabel()));
  ShowChoices(cboASTyp, Entries(kelca::kAcSystemTypeNames), model_.AcSystemType);
  ShowChoices(cboFATyp, Entries(kelca::kFreshAirTypeNames), model_.FreshAirType);
  ShowChoices(cboZnRm, model_.Entries(), model_.Selected());
  ShowText(txtRmNam, model_.NameBox);
  const auto labels = model_.Labels();
  for (int i = 0; i < kelca::kAirSideBoxes; ++i) {
    const bool shown = i < model_.ShownBoxes();
    lblZnRmD[i]->setText(ToDisplayText(labels[i]));
    lblZnRmD[i]->setVisible(shown);
    txtZnRmD[i]->setVisible(shown);
  }
  ShowTexts(txtZnRmD, model_.ValueBoxes);
}

void frmSIZn::Exit() {
  bool closes = false;
  Run([&] { closes = model_.Exit(prompts_); });
  if (closes) QDialog::reject();
}

void frmSIZn::SaveAndExit() {
  Run([this] { model_.SaveAndExit(); });
  accept();
}

void frmSIZn::reject() { Exit(); }
