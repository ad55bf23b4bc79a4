#pragma once
// The chart screen: bars or stacked bars that compare the last shown views of
// the ticked result cases, exported to the clipboard or to a PNG or SVG file.
#include <QDialog>
#include <QWidget>
#include <array>

#include "common/Prompts.h"
#include "lca/ChartPlacement.h"
#include "screens/ChartScreen.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QMenu;
class QPushButton;

// The picture box the chart is painted in.
class ChartView : public QWidget {
  Q_OBJECT

 public:
  ChartView(const kelca::ChartScreenModel& model, QWidget* parent = nullptr);
  QSize sizeHint() const override {
    return {static_cast<int>(kelca::kChartViewWidth), static_cast<int>(kelca::kChartViewHeight)};
  }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const kelca::ChartScreenModel& model_;
};

class frmCharts : public QDialog {
  Q_OBJECT

 public:
  frmCharts(kelca::Workspace& ws, kelca::Prompts& prompts, QWidget* parent = nullptr);

  const kelca::ChartScreenModel& Model() const { return model_; }
  // The size of the pictures written to files.
  static QSize FilePictureSize() {
    return {static_cast<int>(kelca::kChartFileWidth), static_cast<int>(kelca::kChartFileHeight)};
  }

 private:
  void BuildMenu();
  void BuildControls();
  void ConnectCommands();
  template <class Command>
  void Run(Command command);
  void Refresh();
  void ExportToClipboard();
  void ExportToFile();

  kelca::ChartScreenModel model_;
  kelca::Prompts& prompts_;

  QMenu *mnuOptions, *mnuResult, *mnuChart;
  QAction *mnuPlot, *mnuExport, *mnuExportFile, *mnuReturn;
  QAction *mnuLCIA, *mnuLCEA, *mnuLCWA, *mnuLCC, *mnuSScore;
  QAction *mnuBars, *mnuStack;
  QCheckBox *chkBC, *chkAlt, *chkCur;
  std::array<QComboBox*, kelca::kResultCases> cboStage{};
  std::array<QLineEdit*, kelca::kResultCases> txtParts{};
  QLineEdit *txtChtTyp, *txtResTyp;
  QComboBox *cboCat, *cboLCIAStg;
  QPushButton *cmdOK, *cmdExport, *cmdReturn;
  ChartView* PicChart;
};
