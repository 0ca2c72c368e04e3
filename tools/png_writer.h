// PNG files from pictures in memory: 8-bit RGB, each row filtered, the image data
// compressed with our own deflate (fixed Huffman codes, matches found through hash
// chains). No library needed.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "raster.h"

namespace velmora::tools {

std::vector<std::uint8_t> Png(const TRaster& picture);

// The pieces, for the tests.
std::uint32_t Crc32(std::span<const std::uint8_t> bytes, std::uint32_t crc = 0);
std::uint32_t Adler32(std::span<const std::uint8_t> bytes);
// A zlib stream (header, one deflate block with fixed codes, Adler-32) of `bytes`.
std::vector<std::uint8_t> ZlibCompress(std::span<const std::uint8_t> bytes);

}  // namespace velmora::tools
