#include "frmCharts.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "ChartPainter.h"
#include "ScreenControls.h"
#include "TextConversion.h"
#include "app/Workspace.h"
#include "common/FileIO.h"

using kelca::ChartKind;
using kelca::ChartResult;

ChartView::ChartView(const kelca::ChartScreenModel& model, QWidget* parent) : QWidget(parent), model_(model) {
  setMinimumSize(480, 320);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void ChartView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  if (model_.Drawn) PaintChart(painter, QRectF(rect()), model_.Layout);
}

frmCharts::frmCharts(kelca::Workspace& ws, kelca::Prompts& prompts, QWidget* parent)
    : QDialog(parent), model_(ws), prompts_(prompts) {
  setObjectName("frmCharts");
  setWindowTitle("LCIA/LCC Results (Charts)");
  BuildMenu();
  BuildControls();
  ConnectCommands();
  Refresh();
}

void frmCharts::BuildMenu() {
  auto* bar = Named(new QMenuBar(this), "menuBar");
  mnuOptions = AddNamedMenu(bar, "mnuOptions", "Options");
  mnuPlot = AddNamedEntry(mnuOptions, "mnuPlot", "Plot Chart");
  mnuExport = AddNamedEntry(mnuOptions, "mnuExport", "Export Chart");
  mnuExportFile = AddNamedEntry(mnuOptions, "mnuExportFile", "Export Chart to &File (.PNG, .SVG)");
  mnuOptions->addSeparator();
  mnuReturn = AddNamedEntry(mnuOptions, "mnuReturn", "Close Form");
  mnuResult = AddNamedMenu(bar, "mnuResult", "Result");
  mnuLCIA = AddNamedEntry(mnuResult, "mnuLCIA", "LCIA (10 Impacts)");
  mnuLCEA = AddNamedEntry(mnuResult, "mnuLCEA", "Life Cycle Energy");
  mnuLCWA = AddNamedEntry(mnuResult, "mnuLCWA", "Waste");
  mnuLCC = AddNamedEntry(mnuResult, "mnuLCC", "Life Cycle Cost");
  mnuSScore = AddNamedEntry(mnuResult, "mnuSScore", "LCIA and LCC (Single Score)");
  mnuChart = AddNamedMenu(bar, "mnuChart", "Chart");
  mnuBars = AddNamedEntry(mnuChart, "mnuBars", "Bars");
  mnuStack = AddNamedEntry(mnuChart, "mnuStack", "Stacked Bars");
  auto* layout = new QVBoxLayout(this);
  layout->setMenuBar(bar);
}

void frmCharts::BuildControls() {
  auto* layout = static_cast<QVBoxLayout*>(this->layout());
  auto* cases = new QGridLayout;
  chkBC = Named(new QCheckBox("Reference", this), "chkBC");
  chkAlt = Named(new QCheckBox("Alternative", this), "chkAlt");
  chkCur = Named(new QCheckBox("Current", this), "chkCur");
  const std::array<QCheckBox*, kelca::kResultCases> ticks{chkBC, chkAlt, chkCur};
  for (int i = 0; i < kelca::kResultCases; ++i) {
    cboStage[i] = Named(new QComboBox(this), IndexedName("cboStage", i));
    ShowChoices(cboStage[i], kelca::StageNames(), -1);
    cboStage[i]->setPlaceholderText("Life Cycle Stage");
    txtParts[i] = Named(new QLineEdit(this), IndexedName("txtParts", i));
    txtParts[i]->setReadOnly(true);
    cases->addWidget(ticks[i], i, 0);
    cases->addWidget(cboStage[i], i, 1);
    cases->addWidget(txtParts[i], i, 2);
  }
  cases->setColumnStretch(2, 1);
  layout->addLayout(cases);

  auto* settings = new QHBoxLayout;
  txtChtTyp = Named(new QLineEdit(this), "txtChtTyp");
  txtResTyp = Named(new QLineEdit(this), "txtResTyp");
  for (QLineEdit* box : {txtChtTyp, txtResTyp}) box->setReadOnly(true);
  cboCat = Named(new QComboBox(this), "cboCat");
  ShowChoices(cboCat, kelca::ChartCategoryChoices(), 0);
  cboLCIAStg = Named(new QComboBox(this), "cboLCIAStg");
  ShowChoices(cboLCIAStg, kelca::LciaValueKindNames(), 0);
  settings->addWidget(new QLabel("Chart:", this));
  settings->addWidget(txtChtTyp);
  settings->addWidget(new QLabel("Result:", this));
  settings->addWidget(txtResTyp);
  settings->addWidget(new QLabel("Impact:", this));
  settings->addWidget(cboCat);
  settings->addWidget(new QLabel("LCIA Values:", this));
  settings->addWidget(cboLCIAStg);
  layout->addLayout(settings);

  PicChart = Named(new ChartView(model_, this), "PicChart");
  layout->addWidget(PicChart, 1);

  auto* commands = new QHBoxLayout;
  cmdOK = Named(new QPushButton("Plot Chart", this), "cmdOK");
  cmdExport = Named(new QPushButton("Export Chart", this), "cmdExport");
  cmdReturn = Named(new QPushButton("Close Form", this), "cmdReturn");
  commands->addStretch(1);
  for (QPushButton* button : {cmdOK, cmdExport, cmdReturn}) {
    button->setAutoDefault(false);
    commands->addWidget(button);
  }
  layout->addLayout(commands);
}

void frmCharts::ConnectCommands() {
  const std::array<QCheckBox*, kelca::kResultCases> ticks{chkBC, chkAlt, chkCur};
  for (int i = 0; i < kelca::kResultCases; ++i) {
    connect(ticks[i], &QCheckBox::toggled, this, [this, i](bool on) { Run([&] { model_.TickCase(i, on); }); });
    connect(cboStage[i], &QComboBox::activated, this,
            [this, i](int stage) { Run([&] { model_.ChooseStage(i, stage); }); });
  }
  connect(cboCat, &QComboBox::activated, this, [this](int c) { Run([&] { model_.ChooseCategory(c); }); });
  connect(cboLCIAStg, &QComboBox::activated, this, [this](int k) { Run([&] { model_.ChooseValueKind(k); }); });
  const auto onResult = [this](QAction* entry, ChartResult result) {
    connect(entry, &QAction::triggered, this, [this, result] { Run([&] { model_.ChooseResult(result, prompts_); }); });
  };
  onResult(mnuLCIA, ChartResult::Lcia);
  onResult(mnuLCEA, ChartResult::Energy);
  onResult(mnuLCWA, ChartResult::Waste);
  onResult(mnuLCC, ChartResult::Cost);
  onResult(mnuSScore, ChartResult::SingleScore);
  const auto onKind = [this](QAction* entry, ChartKind kind) {
    connect(entry, &QAction::triggered, this, [this, kind] { Run([&] { model_.ChooseKind(kind, prompts_); }); });
  };
  onKind(mnuBars, ChartKind::Bars);
  onKind(mnuStack, ChartKind::StackedBars);
  const auto plot = [this] { Run([&] { model_.Plot(prompts_); }); };
  connect(cmdOK, &QPushButton::clicked, this, plot);
  connect(mnuPlot, &QAction::triggered, this, plot);
  connect(cmdExport, &QPushButton::clicked, this, &frmCharts::ExportToClipboard);
  connect(mnuExport, &QAction::triggered, this, &frmCharts::ExportToClipboard);
  connect(mnuExportFile, &QAction::triggered, this, &frmCharts::ExportToFile);
  connect(cmdReturn, &QPushButton::clicked, this, &QDialog::accept);
  connect(mnuReturn, &QAction::triggered, this, &QDialog::accept);
}

template <class Command>
void frmCharts::Run(Command command) {
  command();
  Refresh();
}

void frmCharts::Refresh() {
  for (int i = 0; i < kelca::kResultCases; ++i) {
    ShowText(txtParts[i], model_.PartsTexts[i]);
    ShowChoices(cboStage[i], kelca::StageNames(), model_.Settings().Cases[i].Stage);
  }
  ShowText(txtChtTyp, model_.KindText);
  ShowText(txtResTyp, model_.ResultText);
  ShowChoices(cboCat, kelca::ChartCategoryChoices(), model_.Settings().Category);
  ShowChoices(cboLCIAStg, kelca::LciaValueKindNames(), static_cast<int>(model_.Settings().Value));
  PicChart->update();
}

// The picture as drawn replaces the clipboard's content.
void frmCharts::ExportToClipboard() { QApplication::clipboard()->setImage(ChartImage(model_.Layout, PicChart->size())); }

void frmCharts::ExportToFile() {
  kelca::ChartFileFormat format = kelca::ChartFileFormat::Png;
  const std::string path = model_.ChooseExportFile(prompts_, format);
  if (path.empty()) return;
  const QByteArray bytes = format == kelca::ChartFileFormat::Svg
                               ? ChartSvgBytes(model_.Layout, FilePictureSize(), windowTitle())
                               : ChartPngBytes(model_.Layout, FilePictureSize());
  const kelca::Status written = bytes.isEmpty() ? kelca::Status::Error("")
                                                : kelca::ReplaceFile(path, bytes.toStdString());
  if (!written) prompts_.Message(kelca::ChartNotWrittenMessage(path));
}
