#include "frmElmSelect.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "ListControls.h"
#include "ScreenControls.h"
#include "TextConversion.h"

frmElmSelect::frmElmSelect(kelca::Workspace& ws, kelca::Prompts& prompts, int compType, int currentType,
                           QWidget* parent)
    : QDialog(parent), model_(ws.ElmLib, ws.Db, ws.GrpType, compType, currentType) {
  setObjectName("frmElmSelect");
  setWindowTitle("Select Type of Element");
  BuildControls();
  ConnectCommands();
  Refresh();
  if (!model_.LoadStatus()) prompts.Message(model_.LoadStatus().message);
}

void frmElmSelect::BuildControls() {
  auto* layout = new QVBoxLayout(this);
  txtElmTypHead = Named(new QLineEdit(this), "txtElmTypHead");
  txtElmTypHead->setReadOnly(true);
  lstElmTypNam = Named(new QListWidget(this), "lstElmTypNam");
  lstElmTypNam->setMinimumSize(420, 300);
  layout->addWidget(txtElmTypHead);
  layout->addWidget(lstElmTypNam, 1);

  auto* search = new QHBoxLayout;
  Label1 = Named(new QLabel("Search Element", this), "Label1");
  txtSrch = Named(new QLineEdit(this), "txtSrch");
  cmdSrch = Named(new QPushButton("Find", this), "cmdSrch");
  cmdNX = Named(new QPushButton("Next", this), "cmdNX");
  search->addWidget(Label1);
  search->addWidget(txtSrch, 1);
  search->addWidget(cmdSrch);
  search->addWidget(cmdNX);
  layout->addLayout(search);

  auto* buttons = new QHBoxLayout;
  cmdIgnore = Named(new QPushButton("Ignore", this), "cmdIgnore");
  cmdOK = Named(new QPushButton("OK", this), "cmdOK");
  buttons->addWidget(cmdIgnore);
  buttons->addStretch(1);
  buttons->addWidget(cmdOK);
  layout->addLayout(buttons);
  for (QPushButton* button : {cmdSrch, cmdNX, cmdIgnore, cmdOK}) button->setAutoDefault(false);
}

void frmElmSelect::ConnectCommands() {
  connect(lstElmTypNam, &QListWidget::currentRowChanged, this, [this](int row) {
    model_.Pick(row);
    Refresh();
  });
  connect(lstElmTypNam, &QListWidget::itemDoubleClicked, this, &frmElmSelect::Ok);
  connect(cmdSrch, &QPushButton::clicked, this, [this] {
    model_.Find(FromDisplayText(txtSrch->text()));
    Refresh();
  });
  connect(cmdNX, &QPushButton::clicked, this, [this] {
    model_.Next(FromDisplayText(txtSrch->text()));
    Refresh();
  });
  connect(cmdIgnore, &QPushButton::clicked, this, [this] {
    model_.Ignore();
    Refresh();
  });
  connect(cmdOK, &QPushButton::clicked, this, &frmElmSelect::Ok);
}

void frmElmSelect::Refresh() {
  txtElmTypHead->setText(ToDisplayText(model_.Head()));
  ShowLines(lstElmTypNam, model_.Names(), model_.PickedLine());
}

void frmElmSelect::Ok() {
  picked_ = model_.Ok();
  accept();
}
