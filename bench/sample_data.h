// Made-up data with the character of a skin package's contents, for tests and
// benchmarks: BMP files of flat colour, gradients and frames on magenta; definition
// text; bytes without any pattern.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "skin/data/skin_package.h"

namespace velmora::bench {

// A 24-bit BMP file of width x height pixels.
std::vector<std::uint8_t> BitmapLike(int width, int height, std::uint32_t seed);
// Section-and-key text such as a skin's definition.
std::vector<std::uint8_t> TextLike(std::size_t size, std::uint32_t seed);
std::vector<std::uint8_t> RandomBytes(std::size_t size, std::uint32_t seed);
// A skin of the usual size: one definition text and 35 bitmaps, about 200 kB.
std::vector<TSkinPackageEntry> DefaultSizedSkin();

}  // namespace velmora::bench
