#include "frmShMask.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "ScreenControls.h"
#include "TextConversion.h"

namespace {
struct DimensionBox {
  const char* name;
  const char* label;
};
// In the order of kelca::MaskBox; each fin and the overhang with its offset on one line.
constexpr std::array<DimensionBox, kelca::kMaskBoxes> kDimensionBoxes = {{
    {"txtWW", "Window Width (m)"},
    {"txtWH", "Window Height (m)"},
    {"txtOP", "Overhang Projection (m)"},
    {"txtDT", "(m) above Top side of Window"},
    {"txtLP", "Left Sidefin Projection (m)"},
    {"txtDL", "(m) from Left edge of Window"},
    {"txtRP", "Right Sidefin Projection (m)"},
    {"txtDR", "(m) from Right edge of Window"},
}};
}  // namespace

frmShMask::frmShMask(std::string folder, kelca::Prompts& prompts, QWidget* parent)
    : QDialog(parent), model_(std::move(folder)), prompts_(prompts) {
  setObjectName("frmShMask");
  setWindowTitle("Shading Mask Calculation");
  BuildMenu();
  BuildControls();
  ConnectCommands();
  Refresh();
}

void frmShMask::BuildMenu() {
  auto* bar = Named(new QMenuBar(this), "menuBar");
  mnuA = AddNamedMenu(bar, "mnuA", "Action");
  mnuACal = AddNamedEntry(mnuA, "mnuACal", "Generate Shading Mask");
  mnuASave = AddNamedEntry(mnuA, "mnuASave", "Save Shading Mask");
  mnuA->addSeparator();
  mnuAExit = AddNamedEntry(mnuA, "mnuAExit", "Exit");
  auto* layout = new QVBoxLayout(this);
  layout->setMenuBar(bar);
}

void frmShMask::BuildControls() {
  auto* layout = static_cast<QVBoxLayout*>(this->layout());
  auto* grid = new QGridLayout;
  cboOri = Named(new QComboBox(this), "cboOri");
  const auto entries = kelca::ShadingMaskScreenModel::OrientationEntries();
  ShowChoices(cboOri, std::vector<std::string>(entries.begin(), entries.end()), 0);
  auto* lblOri = Named(new QLabel("Exposure direction", this), "lblOri");
  lblOri->setBuddy(cboOri);
  grid->addWidget(lblOri, 0, 0);
  grid->addWidget(cboOri, 0, 1);
  for (int i = 0; i < kelca::kMaskBoxes; ++i) {
    const int row = 1 + i / 2, column = 2 * (i % 2);
    txtDim[i] = Named(new QLineEdit(this), kDimensionBoxes[i].name);
    txtDim[i]->setAlignment(Qt::AlignRight);
    txtDim[i]->setMaximumWidth(90);
    auto* label = Named(new QLabel(kDimensionBoxes[i].label, this), QString("lbl") + (kDimensionBoxes[i].name + 3));
    grid->addWidget(label, row, column);
    grid->addWidget(txtDim[i], row, column + 1);
  }
  txtShMaskFNam = Named(new QLineEdit(this), "txtShMaskFNam");
  auto* lblName = Named(new QLabel("Name for the Shading Mask", this), "lblShMaskFNam");
  lblName->setBuddy(txtShMaskFNam);
  grid->addWidget(lblName, 5, 0);
  grid->addWidget(txtShMaskFNam, 5, 1, 1, 3);
  layout->addLayout(grid);

  cmdGO = Named(new QPushButton("Generate Shading Mask", this), "cmdGO");
  cmdGO->setDefault(true);
  layout->addWidget(cmdGO, 0, Qt::AlignRight);
  lblCurDir = Named(new QLabel(this), "lblCurDir");
  lblStatus = Named(new QLabel(this), "lblStatus");
  for (QLabel* label : {lblCurDir, lblStatus}) {
    label->setWordWrap(true);
    layout->addWidget(label);
  }
}

void frmShMask::ConnectCommands() {
  connect(mnuACal, &QAction::triggered, this, [this] { Run([this] { model_.Generate(prompts_); }); });
  connect(mnuASave, &QAction::triggered, this, [this] { Run([this] { model_.Save(prompts_); }); });
  connect(cmdGO, &QPushButton::clicked, this, [this] { Run([this] { model_.GenerateAndSave(prompts_); }); });
  connect(mnuAExit, &QAction::triggered, this, &QDialog::accept);
}

template <class Command>
void frmShMask::Run(Command command) {
  TakeTexts(txtDim, model_.Boxes);
  model_.NameBox = TextOf(txtShMaskFNam);
  model_.Orientation = cboOri->currentIndex() < 0 ? 0 : cboOri->currentIndex();
  lblStatus->setText(kelca::kMaskGeneratingText);
  lblStatus->repaint();
  command();
  Refresh();
}

void frmShMask::Refresh() {
  ShowTexts(txtDim, model_.Boxes);
  ShowText(txtShMaskFNam, model_.NameBox);
  lblCurDir->setText(ToDisplayText(model_.FolderLabel));
  lblStatus->setText(ToDisplayText(model_.StatusLabel));
}
