#include <gtest/gtest.h>

#include "app/SlideShow.h"
#include "support/TempFolder.h"

using namespace kelca;
using kelca::testing::TempFolder;

TEST(SlidesFile, ReadsTitlesAndPicturesAndKeepsWhatWasReadBeforeAFault) {
  TempFolder tmp;
  tmp.Write("S.txt", "\"About\"\r\n2\r\n\"One\",\"Ch1\\P1.emf\",\"x\"\r\n\"Two\",\"Ch1\\P2.emf\",\"y\"\r\n");
  std::vector<Slide> slides;
  ASSERT_TRUE(ReadSlidesFile(tmp.File("S.txt"), slides));
  ASSERT_EQ(slides.size(), 2u);
  EXPECT_EQ(slides[1].Title, "Two");
  EXPECT_EQ(slides[1].Picture, "Ch1\\P2.emf");

  tmp.Write("Cut.txt", "\"About\"\r\n3\r\n\"One\",\"P1.png\",\"\"\r\n\"Two\",\"P2.png\"\r\n");
  slides.clear();
  EXPECT_NE(ReadSlidesFile(tmp.File("Cut.txt"), slides).message.find("Cut.txt"), std::string::npos);
  EXPECT_EQ(slides.size(), 1u);

  tmp.Write("Many.txt", "\"About\"\r\n301\r\n");
  slides.clear();
  EXPECT_FALSE(ReadSlidesFile(tmp.File("Many.txt"), slides));
  EXPECT_TRUE(slides.empty());
}

// The main window's slide test steps to either end; here the refusals.
TEST(SlideSteps, StepsAndPicksStayWithinTheList) {
  SlideShowState show;
  show.Slides = {{"S1", "p1.png"}, {"S2", "p2.png"}};
  show.Current = 1;
  EXPECT_FALSE(LastSlide(show));
  EXPECT_FALSE(PickSlide(show, 2));
  EXPECT_FALSE(PickSlide(show, -1));
  EXPECT_EQ(show.Current, 1);
  EXPECT_TRUE(PickSlide(show, 1));
  EXPECT_EQ(show.Current, 2);
  SlideShowState empty;
  EXPECT_FALSE(NextSlide(empty));
  EXPECT_EQ(CurrentSlidePicture(empty, "/db/"), "");
}

TEST(SlidePictures, EmfIsServedByPngThenSvgOfTheSameName) {
  TempFolder tmp;
  tmp.Write("A.svg", "<svg/>");
  tmp.Write("A.png", "png");
  tmp.Write("B.SVG", "<svg/>");
  tmp.Write("D.emf", "emf");
  EXPECT_EQ(LoadablePicture(tmp.File("A.emf")), tmp.File("A.png"));
  EXPECT_EQ(LoadablePicture(tmp.File("B.EMF")), tmp.File("B.SVG"));
  EXPECT_EQ(LoadablePicture(tmp.File("D.emf")), tmp.File("D.emf"));  // nothing better: the name stays
}
