// A sample window composed from a skin's pieces, the way the engine fits them: borders,
// title bar with caption text and buttons, menu bar, and a few skinned controls. The
// skin preview shows it (active and inactive) above the element strips, so a skin
// author sees at once whether the pieces meet.
#pragma once

#include <functional>
#include <string>

#include "framework/bmp_image.h"
#include "raster.h"
#include "skin/data/quick_ini.h"

namespace velmora::tools {

// The bitmap that a definition text's value names, or null when the package lacks it.
using TImageLookup = std::function<const TBmpImage*(const std::string& value)>;

// The window's size; the picture has exactly this size.
inline constexpr int SampleWindowWidth = 460, SampleWindowHeight = 300;

// Where destination position `d` of `length` takes its pixel from in a frame of
// `frameLength` whose ends of `fixedStart` and `fixedEnd` pixels are never scaled: the
// ends one to one, the middle stretched; the whole frame stretched when the ends do
// not fit.
int NinePartSource(int d, int length, int frameLength, int fixedStart, int fixedEnd);

TRaster RenderSampleWindow(const TQuickIni& ini, const TImageLookup& image, bool active);

}  // namespace velmora::tools
