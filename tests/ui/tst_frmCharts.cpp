// The chart screen: settings, plotting, and the exported pictures.
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "ui/ChartPainter.h"
#include "ui/ScreenTestSupport.h"
#include "ui/frmCharts.h"

using kelca::testing::Choose;
using kelca::testing::Find;
using kelca::testing::FindAt;
using kelca::testing::Pick;

namespace {
struct Fixture : kelca::testing::ScreenFixture {
  Fixture() {
    ws->Project.ProjName = "Office";
    for (int i = 0; i < kelca::kResultCases; ++i) {
      kelca::CaseView& v = ws->Cases.Case[i].View;
      for (int c = 1; c <= 10; ++c) v.Table[kelca::kAsBuilt][c] = {0.01f * c * (i + 1), 100.0f * c, 0.1f * c};
      v.Energy[kelca::kAsBuilt] = 2.5e6f;
    }
    ws->Cases.Case[kelca::kCurrentCase].View.PartText = "Floors";
    ws->Cases.Case[kelca::kCurrentCase].View.ClassText = "Envelope";
    screen = std::make_unique<frmCharts>(*ws, prompts);
    screen->resize(900, 650);
    screen->show();
  }
  void Click(const char* name) const { kelca::testing::Click(screen.get(), name); }
  QAction* Menu(const char* name) const { return Find<QAction>(screen.get(), name); }
  QString Text(const char* name) const { return Find<QLineEdit>(screen.get(), name)->text(); }
  void TickCurrentAtAsBuilt() const {
    Click("chkCur");
    Choose(FindAt<QComboBox>(screen.get(), "cboStage", kelca::kCurrentCase), "As Built");
  }
  // How many pixels of the drawn picture have the colour of a case's bars.
  int PixelsOfCase(int caseIndex) const {
    const QImage picture = Find<QWidget>(screen.get(), "PicChart")->grab().toImage();
    int count = 0;
    for (int y = 0; y < picture.height(); y += 2) {
      for (int x = 0; x < picture.width(); x += 2) count += picture.pixelColor(x, y) == CaseColour(caseIndex);
    }
    return count;
  }

  std::unique_ptr<frmCharts> screen;
};
}  // namespace

class TestFrmCharts : public QObject {
  Q_OBJECT

 private slots:
  void aTickedCaseNeedsAStageAndIsDrawnAlone() {
    Fixture f;
    QCOMPARE(f.Text("txtChtTyp"), QString("Bars"));
    QCOMPARE(f.Text("txtResTyp"), QString("LCIA (10 impacts)"));

    // A ticked case shows its selection and needs a stage.
    f.Click("chkCur");
    QCOMPARE(FindAt<QLineEdit>(f.screen.get(), "txtParts", 2)->text(), QString("Floors; Envelope"));
    f.Click("cmdOK");
    QCOMPARE(f.prompts.Messages(), std::vector<std::string>{"Select Life Cycle Stage for the Current Case first!"});
    QVERIFY(!f.screen->Model().Drawn);
    f.Click("chkCur");  // unticked
    QVERIFY(FindAt<QLineEdit>(f.screen.get(), "txtParts", 2)->text().isEmpty());

    // With a stage the ticked case alone is drawn.
    f.TickCurrentAtAsBuilt();
    f.Menu("mnuPlot")->trigger();
    QCOMPARE(f.prompts.Messages().size(), size_t{1});
    QVERIFY(f.screen->Model().Drawn);
    QCOMPARE(f.screen->Model().Layout.Legend.size(), size_t{1});
    QVERIFY(f.PixelsOfCase(kelca::kCurrentCase) > 100);
    QCOMPARE(f.PixelsOfCase(kelca::kReferenceCase), 0);
  }

  void resultAndChartMenusShowTheirNameAndReplot() {
    Fixture f;
    f.TickCurrentAtAsBuilt();
    f.Menu("mnuLCEA")->trigger();
    QCOMPARE(f.Text("txtResTyp"), QString("Life Cycle Energy"));
    f.Menu("mnuStack")->trigger();
    QCOMPARE(f.Text("txtChtTyp"), QString("Stacked Bars"));
    f.Menu("mnuLCWA")->trigger();  // no waste anywhere
    QCOMPARE(f.prompts.Messages(), std::vector<std::string>{"Current set of data cannot be plotted!!"});
    QVERIFY(!f.screen->Model().Drawn);
    QCOMPARE(f.PixelsOfCase(kelca::kCurrentCase), 0);
  }

  // In the screen's real font, at the sizes of the view and of the files.
  void theLongestLabelsFitWithoutOverlapInTheRealFont() {
    Fixture f;
    for (int i = 0; i < kelca::kResultCases; ++i) {
      f.Click(i == 0 ? "chkBC" : i == 1 ? "chkAlt" : "chkCur");
      Choose(FindAt<QComboBox>(f.screen.get(), "cboStage", i), "As Built");
    }
    Pick(f.screen.get(), "cboLCIAStg", "Characterised");
    f.Click("cmdOK");
    QVERIFY(f.screen->Model().Drawn);
    const QFont font = Find<QWidget>(f.screen.get(), "PicChart")->font();
    for (const QSizeF size : {QSizeF(kelca::kChartViewWidth, kelca::kChartViewHeight),
                              QSizeF(kelca::kChartFileWidth, kelca::kChartFileHeight)}) {
      const kelca::ChartPlacement placed = ChartPlacementFor(f.screen->Model().Layout, size, font);
      QVERIFY(kelca::Readable(placed, size.width(), size.height()));
      QVERIFY(placed.FontPixels >= 11);
      QCOMPARE(placed.AxisLabels.size(), size_t{10});
    }
  }

  void exportPutsThePictureOnTheClipboardAndIntoPngAndSvgFiles() {
    Fixture f;
    f.TickCurrentAtAsBuilt();
    f.Click("cmdOK");
    QApplication::clipboard()->clear();
    f.Click("cmdExport");
    const QImage copied = QApplication::clipboard()->image();
    QCOMPARE(copied.size(), Find<QWidget>(f.screen.get(), "PicChart")->size());

    f.prompts.QueueFile(f.tmp.File("chart"));
    f.Menu("mnuExportFile")->trigger();
    QImage png;
    QVERIFY(png.load(QString::fromStdString(f.tmp.File("chart.PNG")), "PNG"));
    QCOMPARE(png.size(), frmCharts::FilePictureSize());

    f.prompts.QueueFile(f.tmp.File("chart.SVG"));
    f.Menu("mnuExportFile")->trigger();
    const QString svg = QString::fromStdString(f.tmp.Read("chart.SVG"));
    for (const char* text : {"<svg", "Project: Office", "Eutrophication", "Current Case: As Built, Floors; Envelope", "weighted"}) {
      QVERIFY2(svg.contains(text), text);
    }
    QVERIFY(f.prompts.Messages().empty());

    f.prompts.QueueFile(f.tmp.File("no such folder/chart.png"));
    f.Menu("mnuExportFile")->trigger();
    QCOMPARE(f.prompts.Messages().size(), size_t{1});
    QVERIFY(QString::fromStdString(f.prompts.Messages()[0]).contains("no such folder/chart.png"));
  }
};

QTEST_MAIN(TestFrmCharts)
#include "tst_frmCharts.moc"
