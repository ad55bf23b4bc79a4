// The slide show commands of the main window.
#include "app/MainShell.h"
#include "common/Paths.h"

namespace kelca {

void MainShell::StartSlideShow(const std::string& slidesFile) {
  if (ws_.Db.LcaDbFolder.empty()) {
    prompts_.Message("Open the Main Library File First!");
    return;
  }
  ws_.CurrentFolder = ws_.Db.LcaDbFolder;
  Slides.Slides.clear();
  Slides.Current = 0;
  Slides.ListVisible = true;
  Slides.EndButtonVisible = true;
  if (!ReadSlidesFile(ResolvePath(ws_.CurrentFolder, slidesFile), Slides.Slides)) return;

  Slides.StepControlsVisible = true;
  PickSlide(Slides, 0);
  Slides.PicturePath = CurrentSlidePicture(Slides, ws_.Db.LcaDbFolder);
  Slides.PictureVisible = true;
}

void MainShell::ShowNextSlide() {
  if (NextSlide(Slides)) Slides.PicturePath = CurrentSlidePicture(Slides, ws_.Db.LcaDbFolder);
}

void MainShell::ShowLastSlide() {
  if (LastSlide(Slides)) Slides.PicturePath = CurrentSlidePicture(Slides, ws_.Db.LcaDbFolder);
}

void MainShell::ShowPickedSlide(int position) {
  if (PickSlide(Slides, position)) Slides.PicturePath = CurrentSlidePicture(Slides, ws_.Db.LcaDbFolder);
}

void MainShell::EndSlideShow() {
  Slides = SlideShowState{};
  const std::string& projDir = ws_.Project.ProjDir;
  if (!projDir.empty() && projDir != ws_.CurrentFolder) ws_.CurrentFolder = projDir;
}

void MainShell::ShowPicture() {
  Slides.PicturePath = Slides.Current > 0
                           ? CurrentSlidePicture(Slides, ws_.Db.LcaDbFolder)
                           : LoadablePicture(ResolvePath(ws_.CurrentFolder, ws_.Db.LcaDbFolder + "FrontPic.emf"));
  Slides.PictureVisible = true;
}

void MainShell::HidePicture() { Slides.PictureVisible = false; }

}  // namespace kelca
