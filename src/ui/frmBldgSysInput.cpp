#include "frmBldgSysInput.h"

#include <QCheckBox>
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
#include "common/GroupTypeCodes.h"
#include "frmAddGroup.h"

namespace {
// The names and captions that differ by group type.
struct TypeNames {
  const char* Title;
  const char* NameList;
  const char* QuantityList;
  const char* Word;  // "Foundation": "Add Foundation", ...
  const char* Up;
  const char* Down;
  const char* Frame;
  std::array<const char*, 3> Options;
  const char* Skip;
};

const std::array<TypeNames, 3> kTypeNames = {{
    {"Foundation", "lstFoundationName", "lstFdnNo", "Foundation", "cmdFdnUp", "cmdFdnDn", "Frame1",
     {"Option1", "Option2", "Option3"}, "chkFdn"},
    {"Floor", "lstFloorName", "lstFlrNo", "Floor", "cmdFlrUp", "cmdFlrDn", "Frame2", {"Option4", "Option5", "Option6"},
     "chkFlr"},
    {"Services", "lstServicesName", "lstSerNo", "Services", "cmdSerUp", "cmdSerDn", "Frame3",
     {"Option7", "Option8", "Option9"}, "chkSer"},
}};
}  // namespace

frmBldgSysInput::frmBldgSysInput(kelca::Workspace& ws, kelca::Prompts& prompts, QWidget* parent)
    : QDialog(parent), ws_(ws), prompts_(prompts), model_(ws, prompts) {
  setObjectName("frmBldgSysInput");
  setWindowTitle("Building and System");
  model_.ShowGroupEditor = [this] {
    frmAddGroup editor(ws_, prompts_, this);
    editor.exec();
  };
  auto* layout = new QVBoxLayout(this);
  auto* head = new QHBoxLayout;
  lblProjName = Named(new QLabel("Project Name", this), "lblProjName");
  txtProjName = Named(new QLineEdit(this), "txtProjName");
  txtProjName->setReadOnly(true);
  Label6 = Named(new QLabel("CFA (sqm)", this), "Label6");
  txtCFA = Named(new QLineEdit(this), "txtCFA");
  head->addWidget(lblProjName);
  head->addWidget(txtProjName, 2);
  head->addSpacing(20);
  head->addWidget(Label6);
  head->addWidget(txtCFA, 1);
  layout->addLayout(head);

  auto* columns = new QHBoxLayout;
  for (int i = 0; i < 3; ++i) columns->addWidget(BuildType(i));
  layout->addLayout(columns, 1);

  cmdReturn = Named(new QPushButton("Return", this), "cmdReturn");
  cmdReturn->setAutoDefault(false);
  layout->addWidget(cmdReturn, 0, Qt::AlignRight);
  connect(cmdReturn, &QPushButton::clicked, this, &frmBldgSysInput::Return);
  for (TypeControls& t : types_) ConnectType(t);
  Refresh();
}

QGroupBox* frmBldgSysInput::BuildType(int index) {
  const TypeNames& n = kTypeNames[index];
  TypeControls& t = types_[index];
  t.GrpType = kelca::kGroupTypes[index];
  const QString word = n.Word;
  auto* box = new QGroupBox(n.Title, this);
  auto* grid = new QGridLayout(box);
  t.Names = Named(new QListWidget(box), n.NameList);
  t.Quantities = Named(new QListWidget(box), n.QuantityList);
  t.Names->setMinimumSize(190, 220);
  t.Quantities->setMinimumWidth(80);
  t.Quantities->setMaximumWidth(110);
  grid->addWidget(new QLabel(word + " Name", box), 0, 0);
  grid->addWidget(new QLabel("No. in Building", box), 0, 1);
  grid->addWidget(t.Names, 1, 0);
  grid->addWidget(t.Quantities, 1, 1);

  t.Add = Named(new QPushButton("Add " + word, box), "cmdAdd" + word);
  t.Edit = Named(new QPushButton("Edit " + word, box), "cmdEdit" + word);
  t.Delete = Named(new QPushButton("Delete " + word, box), "cmdDelete" + word);
  t.Up = Named(new QPushButton("Up", box), n.Up);
  t.Down = Named(new QPushButton("Down", box), n.Down);
  auto* buttons = new QGridLayout;
  buttons->addWidget(t.Add, 0, 0);
  buttons->addWidget(t.Edit, 0, 1);
  buttons->addWidget(t.Delete, 1, 0);
  auto* moves = new QHBoxLayout;
  moves->addWidget(t.Up);
  moves->addWidget(t.Down);
  buttons->addLayout(moves, 1, 1);
  grid->addLayout(buttons, 2, 0, 1, 2);

  t.Frame = Named(new QGroupBox("Comp(s) to be Assessed", box), n.Frame);
  auto* options = new QHBoxLayout(t.Frame);
  const char* captions[] = {"All", "Some", "None"};
  for (int o = 0; o < 3; ++o) {
    t.Options[o] = Named(new QRadioButton(captions[o], t.Frame), n.Options[o]);
    options->addWidget(t.Options[o]);
  }
  options->addStretch(1);
  grid->addWidget(t.Frame, 3, 0, 1, 2);
  t.Skip = Named(new QCheckBox("Skip All", box), n.Skip);
  grid->addWidget(t.Skip, 4, 0, 1, 2, Qt::AlignLeft);
  grid->setRowStretch(1, 1);
  for (QPushButton* b : {t.Add, t.Edit, t.Delete, t.Up, t.Down}) b->setAutoDefault(false);
  return box;
}

void frmBldgSysInput::ConnectType(TypeControls& t) {
  using Model = kelca::BldgSysInputScreenModel;
  const int type = t.GrpType;
  const auto on = [this, type](auto* sender, auto signal, void (Model::*command)(int)) {
    connect(sender, signal, this, [this, type, command] { Run([&] { (model_.*command)(type); }); });
  };
  for (QListWidget* list : {t.Names, t.Quantities}) {
    connect(list, &QListWidget::currentRowChanged, this, [this, type](int row) { Run([&] { model_.Pick(type, row); }); });
  }
  on(t.Names, &QListWidget::itemDoubleClicked, &Model::Edit);
  on(t.Add, &QPushButton::clicked, &Model::Add);
  on(t.Edit, &QPushButton::clicked, &Model::Edit);
  on(t.Delete, &QPushButton::clicked, &Model::Delete);
  on(t.Up, &QPushButton::clicked, &Model::MoveUp);
  on(t.Down, &QPushButton::clicked, &Model::MoveDown);
  on(t.Options[0], &QRadioButton::clicked, &Model::ChooseAll);
  on(t.Options[1], &QRadioButton::clicked, &Model::ChooseSome);
  on(t.Options[2], &QRadioButton::clicked, &Model::ChooseNone);
  connect(t.Skip, &QCheckBox::clicked, this, [this, type](bool checked) { Run([&] { model_.SetSkip(type, checked); }); });
}

template <class Command>
void frmBldgSysInput::Run(Command command) {
  model_.CFABox = TextOf(txtCFA);
  command();
  Refresh();
}

void frmBldgSysInput::Refresh() {
  ShowText(txtProjName, model_.ProjNameBox());
  ShowText(txtCFA, model_.CFABox);
  for (TypeControls& t : types_) {
    const int picked = model_.Picked(t.GrpType);
    ShowLines(t.Names, model_.Names(t.GrpType), picked);
    ShowLines(t.Quantities, model_.Quantities(t.GrpType), picked);
    t.Edit->setEnabled(model_.EditDeleteEnabled(t.GrpType));
    t.Delete->setEnabled(model_.EditDeleteEnabled(t.GrpType));
    const kelca::OptionState options = model_.Options(t.GrpType);
    t.Options[0]->setEnabled(options.Enabled);
    t.Options[2]->setEnabled(options.Enabled);
    t.Options[1]->setEnabled(options.SomeEnabled);
    ShowChosenOption({t.Options[0], t.Options[1], t.Options[2]}, static_cast<int>(options.Chosen));
    t.Skip->setChecked(model_.Skip(t.GrpType));
  }
}

void frmBldgSysInput::Return() {
  Run([this] { model_.Return(); });
  accept();
}

void frmBldgSysInput::reject() { Return(); }
