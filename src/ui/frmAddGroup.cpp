#include "frmAddGroup.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ListControls.h"
#include "ScreenControls.h"
#include "TextConversion.h"
#include "frmGroupComp.h"

frmAddGroup::frmAddGroup(kelca::Workspace& ws, kelca::Prompts& prompts, QWidget* parent)
    : QDialog(parent), ws_(ws), prompts_(prompts), model_(ws, prompts) {
  setObjectName("frmAddGroup");
  setWindowTitle(ToDisplayText(model_.WindowCaption()));
  model_.ShowComponentEditor = [this] {
    frmGroupComp editor(ws_, prompts_, this);
    editor.exec();
  };
  BuildControls();
  ConnectCommands();
  Refresh();
}

void frmAddGroup::BuildControls() {
  auto* layout = new QVBoxLayout(this);
  auto* head = new QGridLayout;
  lblGroupName = Named(new QLabel(ToDisplayText(model_.GroupNameCaption()), this), "lblGroupName");
  txtGroupName = Named(new QLineEdit(this), "txtGroupName");
  lblGroupNo = Named(new QLabel("No. in the Building", this), "lblGroupNo");
  txtGroupNo = Named(new QLineEdit(this), "txtGroupNo");
  lblGrpFileName = Named(new QLabel(ToDisplayText(model_.GroupFileCaption()), this), "lblGrpFileName");
  txtGrpFileName = Named(new QLineEdit(this), "txtGrpFileName");
  txtGrpFileName->setReadOnly(true);
  head->addWidget(lblGroupName, 0, 0);
  head->addWidget(txtGroupName, 0, 1);
  head->addWidget(lblGroupNo, 1, 0);
  head->addWidget(txtGroupNo, 1, 1);
  head->addWidget(lblGrpFileName, 2, 0);
  head->addWidget(txtGrpFileName, 2, 1);
  head->setColumnStretch(1, 1);
  layout->addLayout(head);

  auto* lists = new QGridLayout;
  lblGrpComp = Named(new QLabel(ToDisplayText(model_.ComponentsCaption()), this), "lblGrpComp");
  lblGrpCNo = Named(new QLabel(ToDisplayText(model_.CompNoCaption()), this), "lblGrpCNo");
  lstGrpComp = Named(new QListWidget(this), "lstGrpComp");
  lstGrpType = Named(new QListWidget(this), "lstGrpType");
  lstGrpCNo = Named(new QListWidget(this), "lstGrpCNo");
  lstGrpComp->setMinimumSize(280, 240);
  lstGrpType->setMinimumWidth(150);
  lstGrpCNo->setMinimumWidth(90);
  lists->addWidget(lblGrpComp, 0, 0);
  lists->addWidget(new QLabel("Component Type", this), 0, 1);
  lists->addWidget(lblGrpCNo, 0, 2);
  lists->addWidget(lstGrpComp, 1, 0);
  lists->addWidget(lstGrpType, 1, 1);
  lists->addWidget(lstGrpCNo, 1, 2);
  lists->setColumnStretch(0, 3);
  lists->setColumnStretch(1, 2);
  lists->setColumnStretch(2, 1);
  layout->addLayout(lists, 1);

  auto* buttons = new QHBoxLayout;
  cmdAddGrpComp = Named(new QPushButton("Add Component", this), "cmdAddGrpComp");
  cmdEditGrpComp = Named(new QPushButton("Edit Component", this), "cmdEditGrpComp");
  cmdDeleteGrpComp = Named(new QPushButton("Delete Component", this), "cmdDeleteGrpComp");
  cmdGrpCUp = Named(new QPushButton("Up", this), "cmdGrpCUp");
  cmdGrpCDn = Named(new QPushButton("Down", this), "cmdGrpCDn");
  for (QPushButton* b : {cmdAddGrpComp, cmdEditGrpComp, cmdDeleteGrpComp, cmdGrpCUp, cmdGrpCDn}) buttons->addWidget(b);
  buttons->addStretch(1);
  layout->addLayout(buttons);

  auto* bottom = new QHBoxLayout;
  Label1 = Named(new QLabel("Element(s) to be Assessed", this), "Label1");
  Frame1 = Named(new QGroupBox(this), "Frame1");
  auto* options = new QHBoxLayout(Frame1);
  Option1 = Named(new QRadioButton("All", Frame1), "Option1");
  Option2 = Named(new QRadioButton("Some", Frame1), "Option2");
  Option3 = Named(new QRadioButton("None", Frame1), "Option3");
  for (QRadioButton* option : {Option1, Option2, Option3}) options->addWidget(option);
  options->addStretch(1);
  cmdLoadGroup = Named(new QPushButton(ToDisplayText(model_.LoadCaption()), this), "cmdLoadGroup");
  cmdSaveGroup = Named(new QPushButton(ToDisplayText(model_.SaveCaption()), this), "cmdSaveGroup");
  cmdReturn = Named(new QPushButton("Return", this), "cmdReturn");
  bottom->addWidget(Label1);
  bottom->addWidget(Frame1);
  bottom->addStretch(1);
  bottom->addWidget(cmdLoadGroup);
  bottom->addWidget(cmdSaveGroup);
  bottom->addWidget(cmdReturn);
  layout->addLayout(bottom);
  for (QPushButton* button : findChildren<QPushButton*>()) button->setAutoDefault(false);
}

void frmAddGroup::ConnectCommands() {
  using Model = kelca::AddGroupScreenModel;
  const auto on = [this](auto* sender, auto signal, auto command) {
    connect(sender, signal, this, [this, command] { Run([this, command] { command(model_); }); });
  };
  for (QListWidget* list : {lstGrpComp, lstGrpType, lstGrpCNo}) {
    connect(list, &QListWidget::currentRowChanged, this, [this](int row) { Run([&] { model_.Pick(row); }); });
  }
  on(lstGrpComp, &QListWidget::itemDoubleClicked, [](Model& m) { m.EditComponent(); });
  on(cmdAddGrpComp, &QPushButton::clicked, [](Model& m) { m.AddComponent(); });
  on(cmdEditGrpComp, &QPushButton::clicked, [](Model& m) { m.EditComponent(); });
  on(cmdDeleteGrpComp, &QPushButton::clicked, [](Model& m) { m.DeleteComponent(); });
  on(cmdGrpCUp, &QPushButton::clicked, [](Model& m) { m.MoveUp(); });
  on(cmdGrpCDn, &QPushButton::clicked, [](Model& m) { m.MoveDown(); });
  on(cmdLoadGroup, &QPushButton::clicked, [](Model& m) { m.LoadGroup(); });
  on(cmdSaveGroup, &QPushButton::clicked, [](Model& m) { m.SaveGroup(); });
  on(Option1, &QRadioButton::clicked, [](Model& m) { m.ChooseAll(); });
  on(Option2, &QRadioButton::clicked, [](Model& m) { m.ChooseSome(); });
  on(Option3, &QRadioButton::clicked, [](Model& m) { m.ChooseNone(); });
  connect(cmdReturn, &QPushButton::clicked, this, &frmAddGroup::Return);
}

template <class Command>
void frmAddGroup::Run(Command command) {
  model_.GroupNameBox = TextOf(txtGroupName);
  model_.GroupNoBox = TextOf(txtGroupNo);
  command();
  Refresh();
}

void frmAddGroup::Refresh() {
  ShowText(txtGroupName, model_.GroupNameBox);
  ShowText(txtGroupNo, model_.GroupNoBox);
  ShowText(txtGrpFileName, model_.GroupFileBox());
  ShowLines(lstGrpComp, model_.ComponentNames(), model_.Picked());
  ShowLines(lstGrpType, model_.ComponentTypes(), model_.Picked());
  ShowLines(lstGrpCNo, model_.ComponentNumbers(), model_.Picked());
  cmdEditGrpComp->setEnabled(model_.EditDeleteEnabled());
  cmdDeleteGrpComp->setEnabled(model_.EditDeleteEnabled());
  cmdLoadGroup->setEnabled(model_.LoadEnabled());
  const kelca::OptionState options = model_.Options();
  Option1->setEnabled(options.Enabled);
  Option3->setEnabled(options.Enabled);
  Option2->setEnabled(options.SomeEnabled);
  ShowChosenOption({Option1, Option2, Option3}, static_cast<int>(options.Chosen));
}

void frmAddGroup::Return() {
  bool closes = false;
  Run([&] { closes = model_.Return(); });
  if (closes) accept();
}

void frmAddGroup::reject() { Return(); }
