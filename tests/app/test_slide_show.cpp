#include <gtest/gtest.h>

#include "app/SlideShow.h"
#include "support/TempFolder.h"

using namespace kelca;
using kelca::testing::TempFolder;

namespace {
SlideShowState ShowOf(int count) {
  SlideShowState show;
  for (int i = 1; i <= count; ++i) show.Slides.push_back({"S" + std::to_string(i), "p" + std::to_string(i) + ".png"});
  show.Current = count > 0 ? 1 : 0;
  return show;
}
}  // namespace

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
  const Status cut = ReadSlidesFile(tmp.File("Cut.txt"), slides);
  EXPECT_FALSE(cut);
  EXPECT_NE(cut.message.find("Cut.txt"), std::string::npos);
  ASSERT_EQ(slides.size(), 1u);

  tmp.Write("Many.txt", "\"About\"\r\n301\r\n");
  slides.clear();
  EXPECT_FALSE(ReadSlidesFile(tmp.File("Many.txt"), slides));
  EXPECT_TRUE(slides.empty());
}

TEST(SlideSteps, NextAndLastStopAtTheEndsAndPickFollowsTheList) {
  SlideShowState show = ShowOf(3);
  EXPECT_FALSE(LastSlide(show));
  EXPECT_EQ(show.Current, 1);
  EXPECT_TRUE(NextSlide(show));
  EXPECT_TRUE(NextSlide(show));
  EXPECT_FALSE(NextSlide(show));
  EXPECT_EQ(show.Current, 3);
  EXPECT_TRUE(LastSlide(show));
  EXPECT_EQ(show.Current, 2);
  EXPECT_TRUE(PickSlide(show, 0));
  EXPECT_EQ(show.Current, 1);
  EXPECT_FALSE(PickSlide(show, 3));
  EXPECT_FALSE(PickSlide(show, -1));
  EXPECT_EQ(show.Current, 1);

  SlideShowState empty = ShowOf(0);
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

  SlideShowState show = ShowOf(1);
  show.Slides[0].Picture = "A.emf";
  EXPECT_EQ(CurrentSlidePicture(show, tmp.Folder()), tmp.File("A.png"));
}
