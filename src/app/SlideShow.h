#pragma once
// The slide show of explanatory pictures: the slides file, the current slide,
// stepping through it, and which of the main window's slide controls show.
#include <string>
#include <vector>

#include "common/Status.h"

namespace kelca {

constexpr int kMaxSlides = 300;

struct Slide {
  std::string Title;
  std::string Picture;  // as written in the slides file, relative to the database folder
};

struct SlideShowState {
  std::vector<Slide> Slides;  // slide n is Slides[n - 1]
  int Current = 0;            // 0: no slide current
  bool ListVisible = false;          // the list of slide titles
  bool StepControlsVisible = false;  // next and last slide
  bool EndButtonVisible = false;
  bool PictureVisible = false;       // the picture area over the status panel
  std::string PicturePath;           // what the picture area shows
};

// Reads a slides file: a heading, the slide count (at most 300), then per slide
// its title, its picture file and a third text that is not used. Slides read
// before a failure stay in slides.
Status ReadSlidesFile(const std::string& path, std::vector<Slide>& slides);

// The file to show for a picture named in the data. The toolkit cannot load
// EMF pictures, so a ".emf" name is served by a ".png" or ".svg" picture of the
// same name when one exists; names are matched ignoring case.
std::string LoadablePicture(const std::string& path);

// Stepping: each returns true when the current slide changed.
bool NextSlide(SlideShowState& show);
bool LastSlide(SlideShowState& show);
// position is the 0-based place in the title list.
bool PickSlide(SlideShowState& show, int position);

// The picture of the current slide, resolved against the database folder;
// empty when no slide is current.
std::string CurrentSlidePicture(const SlideShowState& show, const std::string& dbFolder);

}  // namespace kelca
