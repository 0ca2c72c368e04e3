// BMP writing, read back by the program's own BMP reader.
#include "bmp_writer.h"

#include <gtest/gtest.h>

#include "framework/bmp_image.h"

namespace velmora::tools {
namespace {

std::uint32_t le32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

TEST(Bmp24, ReadsBackPixelForPixelAtEveryRowPadding) {
  for (int width : {1, 2, 3, 4, 5, 17}) {
    TRaster picture(width, 3);
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < width; ++x) picture.Set(x, y, Rgb(x * 40, y * 90, 255 - x));
    const auto bytes = Bmp24(picture);
    EXPECT_EQ(bytes.size(), 54u + 3 * ((width * 3 + 3) / 4 * 4)) << width;
    EXPECT_EQ(le32(bytes, 22), 3u) << "positive height: rows bottom-up";
    TBmpImage back;
    ASSERT_TRUE(back.LoadFromBytes(bytes)) << width;
    EXPECT_EQ(back.SourceBitsPerPixel(), 24);
    ASSERT_EQ(back.Width(), width);
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < width; ++x) EXPECT_EQ(back.Pixel(x, y) & 0xFFFFFF, picture.Get(x, y)) << x << "," << y;
  }
}

TEST(Bmp1, BlackGlyphsOnAWhiteMask) {
  TRaster picture(19, 2, Rgb(255, 255, 255));
  picture.Set(0, 0, Rgb(0, 0, 0));
  picture.Set(18, 1, Rgb(0, 0, 0));
  picture.Set(9, 1, Rgb(10, 10, 10));  // not black: white
  const auto bytes = Bmp1(picture);
  EXPECT_EQ(bytes[28], 1);                 // bits per pixel
  EXPECT_EQ(le32(bytes, 10), 62u);         // pixels after the two palette entries
  EXPECT_EQ(le32(bytes, 54), 0x000000u);   // entry 0 black
  EXPECT_EQ(le32(bytes, 58), 0xFFFFFFu);   // entry 1 white
  ASSERT_EQ(bytes.size(), 62u + 2 * 4);
  // Bottom row first: picture row 1, then row 0; the leftmost pixel is the top bit.
  EXPECT_EQ((std::vector<std::uint8_t>(bytes.begin() + 62, bytes.end())),
            (std::vector<std::uint8_t>{0xFF, 0xFF, 0xC0, 0x00, 0x7F, 0xFF, 0xE0, 0x00}));
}

}  // namespace
}  // namespace velmora::tools
