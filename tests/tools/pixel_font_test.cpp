// The tools' pixel font: every printable character has its own glyph, text is
// measured and drawn where the glyph bits say.
#include "pixel_font.h"

#include <gtest/gtest.h>

#include <set>

namespace velmora::tools {
namespace {

TEST(PixelFont, EveryPrintableCharacterHasItsOwnGlyph) {
  const auto unknown = GlyphOf('\x01');
  std::set<std::array<std::uint8_t, GlyphRows>> seen;
  for (char c = '!'; c <= '~'; ++c) {
    const auto glyph = GlyphOf(c);
    EXPECT_NE(glyph, unknown) << c;
    EXPECT_TRUE(seen.insert(glyph).second) << "glyph of " << c << " repeats another";
    for (std::uint8_t row : glyph) EXPECT_LT(row, 1 << GlyphWidth) << c;
  }
  EXPECT_EQ(GlyphOf(' '), (std::array<std::uint8_t, GlyphRows>{}));
}

TEST(PixelFont, DescendersReachBelowTheLine) {
  for (char c : std::string("gjpqy")) EXPECT_NE(GlyphOf(c)[7] | GlyphOf(c)[8], 0) << c;
  for (char c : std::string("aAz09")) EXPECT_EQ(GlyphOf(c)[7] | GlyphOf(c)[8], 0) << c;
}

TEST(PixelFont, MeasuresText) {
  EXPECT_EQ(TextWidth(""), 0);
  EXPECT_EQ(TextWidth("A"), 5);
  EXPECT_EQ(TextWidth("Abc"), 17);
  EXPECT_EQ(TextWidth("Abc", 2), 34);
}

TEST(PixelFont, DrawsTheGlyphBitsScaled) {
  TRaster r(40, 30, Rgb(255, 255, 255));
  DrawText(r, 3, 2, "T1", Rgb(0, 0, 0), 2);
  for (int i = 0; i < 2; ++i) {
    const auto glyph = GlyphOf("T1"[i]);
    for (int y = 0; y < GlyphRows * 2; ++y)
      for (int x = 0; x < GlyphWidth * 2; ++x) {
        const bool on = glyph[static_cast<std::size_t>(y / 2)] >> (GlyphWidth - 1 - x / 2) & 1;
        EXPECT_EQ(r.Get(3 + i * CellWidth * 2 + x, 2 + y), on ? Rgb(0, 0, 0) : Rgb(255, 255, 255));
      }
  }
  EXPECT_EQ(r.Get(0, 0), Rgb(255, 255, 255));
  // Text running off the picture is clipped, not a fault.
  DrawText(r, 35, 25, "WWW", Rgb(0, 0, 0), 3);
}

}  // namespace
}  // namespace velmora::tools
