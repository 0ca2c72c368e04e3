// Writing Windows BMP files.
#include "bmp_writer.h"

namespace velmora::tools {

namespace {

constexpr std::uint32_t FileHeaderBytes = 14, InfoHeaderBytes = 40;

void put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  put16(out, v & 0xFFFF);
  put16(out, v >> 16);
}

// The file header and BITMAPINFOHEADER; a positive height means bottom-up rows.
std::vector<std::uint8_t> headers(const TRaster& picture, std::uint16_t bits, std::uint32_t paletteBytes,
                                  std::uint32_t imageBytes) {
  std::vector<std::uint8_t> out;
  const std::uint32_t offset = FileHeaderBytes + InfoHeaderBytes + paletteBytes;
  out.push_back('B');
  out.push_back('M');
  put32(out, offset + imageBytes);
  put32(out, 0);
  put32(out, offset);
  put32(out, InfoHeaderBytes);
  put32(out, static_cast<std::uint32_t>(picture.Width()));
  put32(out, static_cast<std::uint32_t>(picture.Height()));
  put16(out, 1);
  put16(out, bits);
  put32(out, 0);  // BI_RGB
  put32(out, imageBytes);
  put32(out, 2835);  // 72 dpi
  put32(out, 2835);
  put32(out, paletteBytes / 4);
  put32(out, 0);
  return out;
}

std::uint32_t rowBytes(int width, int bits) { return ((static_cast<std::uint32_t>(width) * bits + 31) / 32) * 4; }

}  // namespace

std::vector<std::uint8_t> Bmp24(const TRaster& picture) {
  const std::uint32_t stride = rowBytes(picture.Width(), 24);
  std::vector<std::uint8_t> out = headers(picture, 24, 0, stride * picture.Height());
  for (int y = picture.Height() - 1; y >= 0; --y) {
    std::uint32_t written = 0;
    for (int x = 0; x < picture.Width(); ++x, written += 3) {
      const TColor c = picture.Get(x, y);
      out.push_back(static_cast<std::uint8_t>(BlueOf(c)));
      out.push_back(static_cast<std::uint8_t>(GreenOf(c)));
      out.push_back(static_cast<std::uint8_t>(RedOf(c)));
    }
    for (; written < stride; ++written) out.push_back(0);
  }
  return out;
}

std::vector<std::uint8_t> Bmp1(const TRaster& picture) {
  const std::uint32_t stride = rowBytes(picture.Width(), 1);
  std::vector<std::uint8_t> out = headers(picture, 1, 8, stride * picture.Height());
  put32(out, 0x000000);  // entry 0: black
  put32(out, 0xFFFFFF);  // entry 1: white
  for (int y = picture.Height() - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(stride, 0);
    for (int x = 0; x < picture.Width(); ++x)
      if (picture.Get(x, y) != Rgb(0, 0, 0)) row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

}  // namespace velmora::tools
