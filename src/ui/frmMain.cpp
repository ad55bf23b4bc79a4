#include "frmMain.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "ClickableLabel.h"
#include "PictureLoader.h"
#include "ScreenControls.h"
#include "StatusPanelView.h"
#include "TextConversion.h"
#include "app/ReportWriters.h"
#include "frmBldgSysInput.h"
#include "frmEgyCalInput.h"
#include "frmMatLib.h"

namespace {
template <class Widget>
Widget* NamedKeepingPlace(Widget* widget, const char* name) {
  widget->setObjectName(name);
  // Slide controls come and go; the layout keeps their place.
  QSizePolicy policy = widget->sizePolicy();
  policy.setRetainSizeWhenHidden(true);
  widget->setSizePolicy(policy);
  return widget;
}
}  // namespace

frmMain::frmMain(kelca::Workspace& ws, kelca::Prompts& prompts, kelca::StartupFolders folders, QWidget* parent)
    : QMainWindow(parent),
      ws_(ws),
      prompts_(prompts),
      shell_(ws, prompts, std::move(folders)),
      assessment_(this, ws, prompts, shell_),
      energy_(this, ws, prompts, shell_) {
  setObjectName("frmMain");
  setWindowTitle(QString::fromUtf8(kelca::kProductTitle.data(), kelca::kProductTitle.size()));
  BuildMenu();
  BuildControls();
  ConnectCommands();
  connect(mnuEditBEUInput, &QAction::triggered, this, [this, &ws, &prompts] {
    frmEgyCalInput screen(ws, prompts, this);
    screen.SetMaterialPicker(MaterialLibraryPicker(ws.Materials, &screen));
    screen.exec();
  });
  shell_.Hooks.ShowBuildingInput = [this] { ShowBuildingInputScreen(); };
  shell_.Hooks.StatusChanged = [this] { PicMain->update(); };
  SetReportWriters(kelca::WriteInputSummaryReport, kelca::WriteSelectionSummaryReport);
  Refresh();
}

void frmMain::BuildMenu() {
  QMenuBar* bar = menuBar();
  mnuFile = AddNamedMenu(bar, "mnuFile", "&File");
  mnuOpenData = AddNamedEntry(mnuFile, "mnuOpenData", "Open LCIA/LCC &Database", true);
  OpenL0 = AddNamedSeparator(mnuFile, "OpenL0");
  mnuFNew = AddNamedEntry(mnuFile, "mnuFNew", "Cre&at New Project");
  mnuFileOpen = AddNamedEntry(mnuFile, "mnuFileOpen", "&Open Project");
  mnuFileSave = AddNamedEntry(mnuFile, "mnuFileSave", "&Save Project");
  mnuL1 = AddNamedSeparator(mnuFile, "mnuL1");
  mnuFileClose = AddNamedEntry(mnuFile, "mnuFileClose", "&Close Project");
  FileL2 = AddNamedSeparator(mnuFile, "FileL2");
  mnuFileExit = AddNamedEntry(mnuFile, "mnuFileExit", "E&xit");

  mnuEdit = AddNamedMenu(bar, "mnuEdit", "&Edit");
  mnuEditBldg = AddNamedEntry(mnuEdit, "mnuEditBldg", "&Building and System LCA Input");
  mnuEditBEUInput = AddNamedEntry(mnuEdit, "mnuEditBEUInput", "&Energy Use Modelling Input");
  EditL1 = AddNamedSeparator(mnuEdit, "EditL1");
  mnuRunReset = AddNamedEntry(mnuEdit, "mnuRunReset", "&Reset Selection for Assessment");
  EditL2 = AddNamedSeparator(mnuEdit, "EditL2");
  mnuEditWeights = AddNamedEntry(mnuEdit, "mnuEditWeights", "LCA &Weightings and Cost Para.");

  MnuPrint = AddNamedMenu(bar, "MnuPrint", "&Write");
  MnuPrintInSum = AddNamedEntry(MnuPrint, "MnuPrintInSum", "&Input Summary");
  mnuWSelected = AddNamedEntry(MnuPrint, "mnuWSelected", "&Selected Components and Elements");

  mnuRun = AddNamedMenu(bar, "mnuRun", "&Run");
  mnuRunOprEgy = AddNamedEntry(mnuRun, "mnuRunOprEgy", "Calculate Operating &Energy Use", true);
  mnuRunLCA = AddNamedEntry(mnuRun, "mnuRunLCA", "Calculate Life Cycle &Impact", true);
  mnuRunLCC = AddNamedEntry(mnuRun, "mnuRunLCC", "Calculate Life Cycle &Cost", true);

  mnuRL1 = AddNamedMenu(bar, "mnuRL1", "&View");
  mnuViewEgy = AddNamedEntry(mnuRL1, "mnuViewEgy", "Operating Energy Results");
  mnuViewLCC = AddNamedEntry(mnuRL1, "mnuViewLCC", "LCC Results");
  mnuViewRes = AddNamedEntry(mnuRL1, "mnuViewRes", "Overall Results");

  mnuViewSS = AddNamedMenu(bar, "mnuViewSS", "&SlideShow");
  mnuSSCh1 = AddNamedEntry(mnuViewSS, "mnuSSCh1", "About &LCA");
  mnuSSCh2 = AddNamedEntry(mnuViewSS, "mnuSSCh2", "About this &Program");
  mnuSSEnd = AddNamedEntry(mnuViewSS, "mnuSSEnd", "&End Slide Show");
}

void frmMain::BuildControls() {
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);

  auto* project = new QGridLayout;
  lblProjName = NamedKeepingPlace(new QLabel("Project Name", central), "lblProjName");
  txtProjName = NamedKeepingPlace(new QLineEdit(central), "txtProjName");
  cmdEnterProjName = NamedKeepingPlace(new QPushButton("Enter", central), "cmdEnterProjName");
  lblProjFName = NamedKeepingPlace(new QLabel("Project Filename:", central), "lblProjFName");
  txtProjFName = NamedKeepingPlace(new QLineEdit(central), "txtProjFName");
  project->addWidget(lblProjName, 0, 0);
  project->addWidget(txtProjName, 0, 1);
  project->addWidget(cmdEnterProjName, 0, 2);
  project->addWidget(lblProjFName, 1, 0);
  project->addWidget(txtProjFName, 1, 1, 1, 2);
  layout->addLayout(project);

  // The picture area lies over the status panel, in the same place.
  auto* panels = new QGridLayout;
  PicMain = NamedKeepingPlace(new StatusPanelView(shell_.Panel, central), "PicMain");
  Image1 = NamedKeepingPlace(new ClickableLabel(central), "Image1");
  Image1->setFixedSize(PicMain->size());
  Image1->setAlignment(Qt::AlignCenter);
  Image1->setAutoFillBackground(true);
  Image1->setStyleSheet("background: white;");
  Image1->setWordWrap(true);
  panels->addWidget(PicMain, 0, 0);
  panels->addWidget(Image1, 0, 0);
  layout->addLayout(panels);

  auto* slides = new QHBoxLayout;
  cmdLsSld = NamedKeepingPlace(new QPushButton("<", central), "cmdLsSld");
  lblLsSld = NamedKeepingPlace(new ClickableLabel("Last Slide", central), "lblLsSld");
  cboSldLst = NamedKeepingPlace(new QComboBox(central), "cboSldLst");
  lblNxSld = NamedKeepingPlace(new ClickableLabel("Next Slide", central), "lblNxSld");
  cmdNxSld = NamedKeepingPlace(new QPushButton(">", central), "cmdNxSld");
  cmdEndSldShow = NamedKeepingPlace(new QPushButton("End Slide Show", central), "cmdEndSldShow");
  cboSldLst->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  cboSldLst->setMinimumContentsLength(30);
  slides->addWidget(cmdLsSld);
  slides->addWidget(lblLsSld);
  slides->addWidget(cboSldLst, 1);
  slides->addWidget(lblNxSld);
  slides->addWidget(cmdNxSld);
  slides->addWidget(cmdEndSldShow);
  layout->addLayout(slides);

  setCentralWidget(central);
}

void frmMain::ConnectCommands() {
  using kelca::MainShell;
  auto on = [this](auto* sender, auto signal, auto command) {
    connect(sender, signal, this, [this, command] { Run([this, command] { command(shell_); }); });
  };
  on(mnuOpenData, &QAction::triggered, [](MainShell& s) { s.OpenDatabase(); });
  on(mnuFNew, &QAction::triggered, [](MainShell& s) { s.CreateNewProject(); });
  on(mnuFileOpen, &QAction::triggered, [](MainShell& s) { s.OpenProject(); });
  on(mnuFileSave, &QAction::triggered, [](MainShell& s) { s.SaveProject(); });
  on(mnuFileClose, &QAction::triggered, [](MainShell& s) { s.CloseProject(); });
  connect(mnuFileExit, &QAction::triggered, this, &QWidget::close);
  on(cmdEnterProjName, &QPushButton::clicked, [](MainShell& s) { s.Enter(); });
  on(mnuEditBldg, &QAction::triggered, [](MainShell& s) { s.Enter(); });
  on(mnuRunReset, &QAction::triggered, [](MainShell& s) { s.ResetSelection(); });
  on(MnuPrintInSum, &QAction::triggered, [](MainShell& s) { s.InputSummary(); });
  on(mnuWSelected, &QAction::triggered, [](MainShell& s) { s.SelectionSummary(); });

  on(mnuSSCh1, &QAction::triggered, [](MainShell& s) { s.StartSlideShow(kelca::kAboutLcaSlides); });
  on(mnuSSCh2, &QAction::triggered, [](MainShell& s) { s.StartSlideShow(kelca::kAboutProgramSlides); });
  on(mnuSSEnd, &QAction::triggered, [](MainShell& s) { s.EndSlideShow(); });
  on(cmdEndSldShow, &QPushButton::clicked, [](MainShell& s) { s.EndSlideShow(); });
  on(cmdNxSld, &QPushButton::clicked, [](MainShell& s) { s.ShowNextSlide(); });
  on(lblNxSld, &ClickableLabel::clicked, [](MainShell& s) { s.ShowNextSlide(); });
  on(cmdLsSld, &QPushButton::clicked, [](MainShell& s) { s.ShowLastSlide(); });
  on(lblLsSld, &ClickableLabel::clicked, [](MainShell& s) { s.ShowLastSlide(); });
  on(PicMain, &StatusPanelView::clicked, [](MainShell& s) { s.ShowPicture(); });
  on(Image1, &ClickableLabel::clicked, [](MainShell& s) { s.HidePicture(); });
  const auto onAssessment = [this](QAction* entry, auto command) {
    connect(entry, &QAction::triggered, this, [this, command] { Run([this, command] { command(assessment_); }); });
  };
  onAssessment(mnuEditWeights, [](AssessmentCommands& a) { a.EditWeights(); });
  onAssessment(mnuRunLCA, [](AssessmentCommands& a) { a.Calculate(kelca::RunMode::Impact); });
  onAssessment(mnuRunLCC, [](AssessmentCommands& a) { a.Calculate(kelca::RunMode::Cost); });
  onAssessment(mnuViewLCC, [](AssessmentCommands& a) { a.ViewLccResults(); });
  onAssessment(mnuViewRes, [](AssessmentCommands& a) { a.ViewResults(); });
  const auto onEnergy = [this](QAction* entry, auto command) {
    connect(entry, &QAction::triggered, this, [this, command] { Run([this, command] { command(energy_); }); });
  };
  onEnergy(mnuRunOprEgy, [](EnergyCommands& e) { e.CalculateOperatingEnergy(); });
  onEnergy(mnuViewEgy, [](EnergyCommands& e) { e.ViewEnergyResults(); });
  connect(cboSldLst, &QComboBox::activated, this,
          [this](int position) { Run([this, position] { shell_.ShowPickedSlide(position); }); });
}

void frmMain::SetReportWriters(kelca::ReportWriter inputSummary, kelca::ReportWriter selectionSummary) {
  shell_.Hooks.WriteInputSummary = std::move(inputSummary);
  shell_.Hooks.WriteSelectionSummary = std::move(selectionSummary);
  MnuPrintInSum->setEnabled(static_cast<bool>(shell_.Hooks.WriteInputSummary));
  mnuWSelected->setEnabled(static_cast<bool>(shell_.Hooks.WriteSelectionSummary));
}

void frmMain::Startup() {
  Run([this] { shell_.Startup(); });
}

void frmMain::ShowBuildingInputScreen() {
  auto* screen = new frmBldgSysInput(ws_, prompts_, this);
  screen->setAttribute(Qt::WA_DeleteOnClose);
  screen->setWindowModality(Qt::ApplicationModal);
  screen->show();
}

template <class Command>
void frmMain::Run(Command command) {
  PullFields();
  command();
  Refresh();
}

void frmMain::PullFields() {
  shell_.Fields.ProjNameText = FromDisplayText(txtProjName->text());
  shell_.Fields.ProjFileText = FromDisplayText(txtProjFName->text());
}

void frmMain::Refresh() {
  const kelca::MainWindowFields& fields = shell_.Fields;
  txtProjName->setText(ToDisplayText(fields.ProjNameText));
  txtProjFName->setText(ToDisplayText(fields.ProjFileText));
  mnuOpenData->setChecked(fields.DatabaseChecked);
  mnuRunOprEgy->setChecked(fields.RunOprEgyChecked);
  mnuRunLCA->setChecked(fields.RunLcaChecked);
  mnuRunLCC->setChecked(fields.RunLccChecked);
  RefreshSlideControls();
  RefreshPicture();
  PicMain->update();
}

void frmMain::RefreshSlideControls() {
  const kelca::SlideShowState& show = shell_.Slides;
  std::vector<std::string> titles;
  for (const kelca::Slide& slide : show.Slides) titles.push_back(slide.Title);
  QSignalBlocker quiet(cboSldLst);
  if (titles != shownTitles_) {
    cboSldLst->clear();
    for (const std::string& title : titles) cboSldLst->addItem(ToDisplayText(title));
    shownTitles_ = std::move(titles);
  }
  cboSldLst->setCurrentIndex(show.Current - 1);
  cboSldLst->setVisible(show.ListVisible);
  for (QWidget* step : std::initializer_list<QWidget*>{cmdNxSld, lblNxSld, cmdLsSld, lblLsSld}) {
    step->setVisible(show.StepControlsVisible);
  }
  cmdEndSldShow->setVisible(show.EndButtonVisible);
}

void frmMain::RefreshPicture() {
  const kelca::SlideShowState& show = shell_.Slides;
  if (show.PictureVisible && show.PicturePath != shownPicture_) {
    const QString path = ToDisplayText(show.PicturePath);
    const QPixmap picture = LoadPicture(path, Image1->size());
    if (picture.isNull()) {
      Image1->setText(path.isEmpty() ? QString("No picture") : "Cannot show the picture " + path);
    } else {
      Image1->setPixmap(picture);
    }
    shownPicture_ = show.PicturePath;
  }
  Image1->setVisible(show.PictureVisible);
  if (show.PictureVisible) Image1->raise();
}

// The program ends only through Exit: closing the window runs it too.
void frmMain::closeEvent(QCloseEvent* event) {
  PullFields();
  if (shell_.Exit()) {
    event->accept();
  } else {
    event->ignore();
  }
}
