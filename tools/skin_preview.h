// The skin preview: every element of a skin package cut into the frames the engine
// uses, on one sheet for skin authors, with the colour slots as swatches.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "raster.h"
#include "skin/data/quick_ini.h"

namespace velmora::tools {

// One bitmap of a skin as the engine cuts it.
struct TSkinElement {
  std::string Section;
  std::string Key;
  std::string Image;      // the value of the key (a file name)
  int Frames = 1;         // state frames after loading
  bool Stacked = false;   // frames one above the other (the top and bottom borders)
  std::string Remark;     // what the engine does with it, when it is unusual
};

// Width and height of a named bitmap of the package, when it can be read.
using TImageSize = std::function<std::optional<std::pair<int, int>>(const std::string& name)>;

// The elements that the definition text names, in the order the engine reads them,
// with the frame counts the engine gives them (some follow from a bitmap's size).
// Sections the skin lacks are left out.
std::vector<TSkinElement> SkinElements(const TQuickIni& ini, const TImageSize& imageSize);

// The sections the engine reads one record from (with its bitmap key), for listing
// what a skin leaves out.
struct TElementSection {
  const char* Section;
  const char* Key;
};
const std::vector<TElementSection>& ElementSections();

// Renders the preview sheet of a package's bytes. Throws std::runtime_error with a
// plain message when the package cannot be read or has no definition text.
TRaster RenderSkinPreview(const std::vector<std::uint8_t>& package, const std::string& title);

}  // namespace velmora::tools
