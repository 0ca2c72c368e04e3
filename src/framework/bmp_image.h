// Pixels of a BMP file: 24 or 32 bits per pixel, rows stored bottom-up or top-down,
// turned into top-down rows of 32-bit pixels (blue in the low byte, as a DIB has them).
// Portable and safe on any bytes: anything malformed leaves an empty image.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace velmora {

class TBmpImage {
 public:
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  bool Empty() const { return FPixels.empty(); }
  // Row `y` from the top: Width() pixels, 0x00RRGGBB (32-bit sources keep their top byte).
  const std::uint32_t* Row(int y) const { return FPixels.data() + static_cast<std::size_t>(y) * FWidth; }
  std::uint32_t* Row(int y) { return FPixels.data() + static_cast<std::size_t>(y) * FWidth; }
  std::uint32_t Pixel(int x, int y) const { return Row(y)[x]; }
  int SourceBitsPerPixel() const { return FBits; }

  // False, leaving the image empty, for anything but an uncompressed 24- or 32-bit
  // BMP whose pixels are all inside `bytes` (at most 16384 pixels a side).
  bool LoadFromBytes(std::span<const std::uint8_t> bytes);
  void Clear();

 private:
  int FWidth = 0, FHeight = 0, FBits = 0;
  std::vector<std::uint32_t> FPixels;
};

}  // namespace velmora
