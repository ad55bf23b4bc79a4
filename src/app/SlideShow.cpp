#include "app/SlideShow.h"

#include <algorithm>
#include <cctype>

#include "common/Paths.h"
#include "common/TextReader.h"

namespace kelca {

Status ReadSlidesFile(const std::string& path, std::vector<Slide>& slides) {
  TextReader reader("", "");
  if (Status opened = TextReader::Open(path, reader); !opened) return opened;
  std::string heading, unused;
  int count = 0;
  reader.ReadString(heading);
  reader.ReadCount(count, 0, kMaxSlides, "the slide count");
  for (int n = 0; n < count && !reader.Failed(); ++n) {
    Slide slide;
    if (reader.ReadString(slide.Title) && reader.ReadString(slide.Picture) && reader.ReadString(unused)) {
      slides.push_back(std::move(slide));
    }
  }
  return reader.Result();
}

namespace {
bool EndsWithIgnoringCase(const std::string& text, const std::string& ending) {
  if (text.size() < ending.size()) return false;
  return std::equal(ending.begin(), ending.end(), text.end() - static_cast<std::ptrdiff_t>(ending.size()),
                    [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b)); });
}
}  // namespace

std::string LoadablePicture(const std::string& path) {
  if (EndsWithIgnoringCase(path, ".emf")) {
    const std::string base = path.substr(0, path.size() - 4);
    for (const char* extension : {".png", ".svg"}) {
      const std::string candidate = FindExistingFile(base + extension);
      if (FileExists(candidate)) return candidate;
    }
  }
  return FindExistingFile(path);
}

namespace {
bool MoveTo(SlideShowState& show, int slide) {
  if (slide < 1 || slide > static_cast<int>(show.Slides.size()) || slide == show.Current) return false;
  show.Current = slide;
  return true;
}
}  // namespace

bool NextSlide(SlideShowState& show) {
  return show.Current < static_cast<int>(show.Slides.size()) && MoveTo(show, show.Current + 1);
}

bool LastSlide(SlideShowState& show) { return show.Current > 1 && MoveTo(show, show.Current - 1); }

bool PickSlide(SlideShowState& show, int position) { return MoveTo(show, position + 1); }

std::string CurrentSlidePicture(const SlideShowState& show, const std::string& dbFolder) {
  if (show.Current < 1 || show.Current > static_cast<int>(show.Slides.size())) return "";
  return LoadablePicture(ResolvePath(dbFolder, show.Slides[show.Current - 1].Picture));
}

}  // namespace kelca
