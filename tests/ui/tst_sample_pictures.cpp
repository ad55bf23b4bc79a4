// The slide shows and the front picture of the bundled database: every slide
// names a picture that the program can load and draw.
#include <QtTest>

#include "app/SlideShow.h"
#include "common/Paths.h"
#include "ui/PictureLoader.h"

namespace {
const std::string kDb = KELCA_SOURCE_DIR "/data/db/";

// The share of pixels that differ from white: a blank or failed drawing has none.
double InkShare(const QPixmap& pixmap) {
  const QImage image = pixmap.toImage();
  qint64 ink = 0;
  for (int y = 0; y < image.height(); y += 4) {
    for (int x = 0; x < image.width(); x += 4) ink += image.pixel(x, y) != qRgb(255, 255, 255) ? 1 : 0;
  }
  return double(ink) / ((image.width() / 4) * (image.height() / 4));
}
}  // namespace

class tst_sample_pictures : public QObject {
  Q_OBJECT
 private slots:
  void slideShowsLoadEveryPicture_data() {
    QTest::addColumn<QString>("slidesFile");
    QTest::newRow("About LCA") << "Ch1/Ch1Slides.txt";
    QTest::newRow("About this Program") << "Ch2/Ch2Slides.txt";
  }
  void slideShowsLoadEveryPicture() {
    QFETCH(QString, slidesFile);
    std::vector<kelca::Slide> slides;
    const kelca::Status s = kelca::ReadSlidesFile(kDb + slidesFile.toStdString(), slides);
    QVERIFY2(s.ok, s.message.c_str());
    QVERIFY(slides.size() >= 5 && slides.size() <= 10);
    for (const auto& slide : slides) {
      QVERIFY(!slide.Title.empty());
      const std::string path = kelca::LoadablePicture(kelca::ResolvePath(kDb, slide.Picture));
      const QPixmap picture = LoadPicture(QString::fromStdString(path), QSize(800, 600));
      QVERIFY2(!picture.isNull(), slide.Picture.c_str());
      QVERIFY2(InkShare(picture) > 0.05, slide.Picture.c_str());
    }
  }
  void frontPictureStandsInForTheEmf() {
    const std::string path = kelca::LoadablePicture(kDb + "FrontPic.emf");
    QVERIFY(QString::fromStdString(path).endsWith(".svg"));
    const QPixmap picture = LoadPicture(QString::fromStdString(path), QSize(800, 600));
    QVERIFY(!picture.isNull());
    QVERIFY(InkShare(picture) > 0.5);
  }
};

QTEST_MAIN(tst_sample_pictures)
#include "tst_sample_pictures.moc"
