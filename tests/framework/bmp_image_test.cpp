// BMP reading: both row orders, row padding, 32-bit pixels, and refusal of anything
// malformed (which leaves the image empty).
#include "framework/bmp_image.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

using Bytes = std::vector<std::uint8_t>;

void put16(Bytes& b, std::size_t at, std::uint16_t v) {
  b[at] = static_cast<std::uint8_t>(v);
  b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}
void put32(Bytes& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
}

// A BMP whose pixel (x, y from the top) is colour(x, y) = 0xRRGGBB.
Bytes makeBmp(int width, int height, int bits, bool topDown, std::uint32_t (*colour)(int, int)) {
  const std::size_t stride = ((static_cast<std::size_t>(width) * static_cast<std::size_t>(bits) + 31) / 32) * 4;
  Bytes b(54 + stride * static_cast<std::size_t>(height), 0);
  b[0] = 'B';
  b[1] = 'M';
  put32(b, 2, static_cast<std::uint32_t>(b.size()));
  put32(b, 10, 54);
  put32(b, 14, 40);
  put32(b, 18, static_cast<std::uint32_t>(width));
  put32(b, 22, static_cast<std::uint32_t>(topDown ? -height : height));
  put16(b, 26, 1);
  put16(b, 28, static_cast<std::uint16_t>(bits));
  for (int y = 0; y < height; ++y) {
    const int stored = topDown ? y : height - 1 - y;
    for (int x = 0; x < width; ++x) {
      const std::uint32_t c = colour(x, y);
      const std::size_t at = 54 + stride * static_cast<std::size_t>(stored) + static_cast<std::size_t>(x * bits / 8);
      b[at] = static_cast<std::uint8_t>(c);
      b[at + 1] = static_cast<std::uint8_t>(c >> 8);
      b[at + 2] = static_cast<std::uint8_t>(c >> 16);
      if (bits == 32) b[at + 3] = 0x80;
    }
  }
  return b;
}

std::uint32_t pattern(int x, int y) { return static_cast<std::uint32_t>((x * 40) << 16 | (y * 30) << 8 | 0x11); }

TEST(BmpImageTest, ReadsBothRowOrdersWithPadding) {
  for (int bits : {24, 32})
    for (bool topDown : {false, true}) {
      TBmpImage image;
      ASSERT_TRUE(image.LoadFromBytes(makeBmp(3, 2, bits, topDown, pattern))) << bits << topDown;
      EXPECT_EQ(image.Width(), 3);
      EXPECT_EQ(image.Height(), 2);
      for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
          EXPECT_EQ(image.Pixel(x, y) & 0xFFFFFF, pattern(x, y)) << bits << " " << topDown << " " << x << "," << y;
      if (bits == 32) {
        EXPECT_EQ(image.Pixel(0, 0) >> 24, 0x80u);
      }
    }
}

TEST(BmpImageTest, MalformedBytesLeaveAnEmptyImage) {
  const Bytes good = makeBmp(4, 4, 24, false, pattern);
  const struct {
    const char* what;
    void (*spoil)(Bytes&);
  } cases[] = {
      {"bad magic", [](Bytes& b) { b[0] = 'X'; }},
      {"cut short", [](Bytes& b) { b.resize(b.size() - 1); }},
      {"header only", [](Bytes& b) { b.resize(30); }},
      {"8 bits", [](Bytes& b) { put16(b, 28, 8); }},
      {"compressed", [](Bytes& b) { put32(b, 30, 1); }},
      {"zero width", [](Bytes& b) { put32(b, 18, 0); }},
      {"negative width", [](Bytes& b) { put32(b, 18, 0xFFFFFFFF); }},
      {"huge height", [](Bytes& b) { put32(b, 22, 0x7FFFFFFF); }},
      {"most negative height", [](Bytes& b) { put32(b, 22, 0x80000000); }},
      {"pixels past the end", [](Bytes& b) { put32(b, 10, 0xFFFFFFF0); }},
      {"two planes", [](Bytes& b) { put16(b, 26, 2); }},
      {"small info header", [](Bytes& b) { put32(b, 14, 12); }},
      {"info header past the end", [](Bytes& b) { put32(b, 14, 0xFFFFFFFF); }},
  };
  for (const auto& c : cases) {
    Bytes bad = good;
    c.spoil(bad);
    TBmpImage image;
    ASSERT_TRUE(image.LoadFromBytes(good));
    EXPECT_FALSE(image.LoadFromBytes(bad)) << c.what;
    EXPECT_TRUE(image.Empty()) << c.what;
    EXPECT_EQ(image.Width(), 0) << c.what;
  }
}

}  // namespace
}  // namespace velmora
