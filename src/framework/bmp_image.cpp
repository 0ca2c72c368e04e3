// BMP reading.
#include "framework/bmp_image.h"

namespace velmora {

namespace {

std::uint32_t u32(std::span<const std::uint8_t> b, std::size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}
std::uint16_t u16(std::span<const std::uint8_t> b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

constexpr std::int64_t MaxSide = 16384;

}  // namespace

void TBmpImage::Clear() {
  FWidth = FHeight = FBits = 0;
  FPixels.clear();
}

bool TBmpImage::LoadFromBytes(std::span<const std::uint8_t> bytes) {
  Clear();
  // File header (14 bytes) and at least the 40-byte information header.
  if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M') return false;
  const std::uint32_t offset = u32(bytes, 10);
  const std::uint32_t headerSize = u32(bytes, 14);
  if (headerSize < 40 || 14 + static_cast<std::uint64_t>(headerSize) > bytes.size()) return false;
  const std::int64_t width = static_cast<std::int32_t>(u32(bytes, 18));
  const std::int64_t rawHeight = static_cast<std::int32_t>(u32(bytes, 22));
  const int bits = u16(bytes, 28);
  const std::uint32_t compression = u32(bytes, 30);
  if (u16(bytes, 26) != 1 || (bits != 24 && bits != 32)) return false;
  // Uncompressed, or 32 bits with bit fields that are the usual ones.
  if (compression == 3 && bits == 32) {
    if (bytes.size() < 66) return false;  // the three masks follow the 40-byte header
    if (u32(bytes, 54) != 0x00FF0000 || u32(bytes, 58) != 0x0000FF00 || u32(bytes, 62) != 0x000000FF) return false;
  } else if (compression != 0) {
    return false;
  }
  const bool topDown = rawHeight < 0;
  const std::int64_t height = topDown ? -rawHeight : rawHeight;
  if (width <= 0 || height <= 0 || width > MaxSide || height > MaxSide) return false;
  const std::uint64_t stride = ((static_cast<std::uint64_t>(width) * bits + 31) / 32) * 4;
  if (offset > bytes.size() || stride * static_cast<std::uint64_t>(height) > bytes.size() - offset) return false;

  FWidth = static_cast<int>(width);
  FHeight = static_cast<int>(height);
  FBits = bits;
  FPixels.resize(static_cast<std::size_t>(width * height));
  const int step = bits / 8;
  for (int y = 0; y < FHeight; ++y) {
    const int sourceRow = topDown ? y : FHeight - 1 - y;
    const std::uint8_t* p = bytes.data() + offset + stride * static_cast<std::uint64_t>(sourceRow);
    std::uint32_t* row = Row(y);
    for (int x = 0; x < FWidth; ++x, p += step) {
      row[x] = p[0] | p[1] << 8 | p[2] << 16;
      if (bits == 32) row[x] |= static_cast<std::uint32_t>(p[3]) << 24;
    }
  }
  return true;
}

}  // namespace velmora
