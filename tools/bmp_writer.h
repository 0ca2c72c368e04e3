// Windows BMP files from pictures in memory: 24 bits per pixel, or 1 bit per pixel
// with a black-and-white palette. Rows are stored bottom-up, each padded to 4 bytes.
#pragma once

#include <cstdint>
#include <vector>

#include "raster.h"

namespace velmora::tools {

std::vector<std::uint8_t> Bmp24(const TRaster& picture);
// Black pixels stay black (bit 0, palette entry 0); every other pixel is white (bit 1).
std::vector<std::uint8_t> Bmp1(const TRaster& picture);

}  // namespace velmora::tools
