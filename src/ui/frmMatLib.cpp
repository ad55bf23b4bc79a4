#include "frmMatLib.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "ListControls.h"
#include "ScreenControls.h"
#include "TextConversion.h"

frmMatLib::frmMatLib(const kelca::MaterialTable& materials, QWidget* parent) : QDialog(parent), model_(materials) {
  setObjectName("frmMatLib");
  setWindowTitle("Materials in Library");
  BuildControls();
  ConnectCommands();
  ShowLines(lstMatData, model_.Lines(), model_.PickedLine());
}

void frmMatLib::BuildControls() {
  auto* layout = new QVBoxLayout(this);
  QFont fixed("Courier New");
  fixed.setStyleHint(QFont::Monospace);
  fixed.setFamilies({"Courier New", QFontDatabase::systemFont(QFontDatabase::FixedFont).family()});
  lblNo = Named(new QLabel(kelca::kMaterialListHeading, this), "lblNo");
  lstMatData = Named(new QListWidget(this), "lstMatData");
  for (QWidget* fixedWidth : std::initializer_list<QWidget*>{lblNo, lstMatData}) fixedWidth->setFont(fixed);
  // The list's frame and margin, so that the heading stands over its columns.
  lblNo->setIndent(lstMatData->frameWidth() + 2);
  const int lineWidth = QFontMetrics(fixed).horizontalAdvance(QString(54, 'M'));
  lstMatData->setMinimumSize(lineWidth + 40, 360);
  layout->addWidget(lblNo);
  layout->addWidget(lstMatData, 1);

  auto* search = new QHBoxLayout;
  Label1 = Named(new QLabel("Search Material", this), "Label1");
  txtSrch = Named(new QLineEdit(this), "txtSrch");
  cmdSrch = Named(new QPushButton("Find", this), "cmdSrch");
  cmdNX = Named(new QPushButton("Next", this), "cmdNX");
  search->addWidget(Label1);
  search->addWidget(txtSrch, 1);
  search->addWidget(cmdSrch);
  search->addWidget(cmdNX);
  layout->addLayout(search);

  auto* buttons = new QHBoxLayout;
  cmdBM = Named(new QPushButton("Building Materials", this), "cmdBM");
  cmdSM = Named(new QPushButton("Services Materials", this), "cmdSM");
  cmdIgnore = Named(new QPushButton("Ignore", this), "cmdIgnore");
  cmdClose = Named(new QPushButton("Close", this), "cmdClose");
  buttons->addWidget(cmdBM);
  buttons->addWidget(cmdSM);
  buttons->addWidget(cmdIgnore);
  buttons->addStretch(1);
  buttons->addWidget(cmdClose);
  layout->addLayout(buttons);
  for (QPushButton* button : {cmdSrch, cmdNX, cmdIgnore, cmdBM, cmdSM, cmdClose}) button->setAutoDefault(false);
}

template <class Command>
void frmMatLib::Run(Command command) {
  command();
  ShowLines(lstMatData, model_.Lines(), model_.PickedLine());
}

void frmMatLib::ConnectCommands() {
  connect(lstMatData, &QListWidget::currentRowChanged, this, [this](int row) { Run([&] { model_.Pick(row); }); });
  connect(lstMatData, &QListWidget::itemDoubleClicked, this, &frmMatLib::Close);
  connect(cmdSrch, &QPushButton::clicked, this, [this] { Run([&] { model_.Find(FromDisplayText(txtSrch->text())); }); });
  connect(cmdNX, &QPushButton::clicked, this, [this] { Run([&] { model_.Next(FromDisplayText(txtSrch->text())); }); });
  connect(cmdIgnore, &QPushButton::clicked, this, [this] { Run([&] { model_.Ignore(); }); });
  connect(cmdBM, &QPushButton::clicked, this, [this] { Run([&] { model_.ShowBuildingMaterials(); }); });
  connect(cmdSM, &QPushButton::clicked, this, [this] { Run([&] { model_.ShowServicesMaterials(); }); });
  connect(cmdClose, &QPushButton::clicked, this, &frmMatLib::Close);
}

void frmMatLib::Close() {
  picked_ = model_.Close();
  if (picked_.Picked()) {
    accept();
  } else {
    reject();
  }
}

kelca::MaterialPicker MaterialLibraryPicker(const kelca::MaterialTable& materials, QWidget* parent) {
  return [&materials, parent](int) {
    frmMatLib picker(materials, parent);
    picker.exec();
    return picker.Picked().PickedNo;
  };
}
