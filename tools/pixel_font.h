// A tiny built-in pixel font for the tools' pictures: printable ASCII in 5 x 7 glyphs
// (descenders two rows lower) on a 6 x 10 cell.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "raster.h"

namespace velmora::tools {

constexpr int GlyphWidth = 5, GlyphRows = 9, CellWidth = 6, LineHeight = 10;

// Rows of a glyph from the top, bit 4 the leftmost pixel; unknown characters get a
// hollow box.
std::array<std::uint8_t, GlyphRows> GlyphOf(char c);

int TextWidth(std::string_view text, int scale = 1);
// Draws `text` with its cell's top-left corner at (x, y); each font pixel becomes a
// scale x scale square.
void DrawText(TRaster& r, int x, int y, std::string_view text, TColor colour, int scale = 1);

}  // namespace velmora::tools
