// The program's own bitmap resources that the skin engine falls back on: the menu
// glyphs "GLAZEMENU" (the track bar channels are shared with the skin's).
#include "elements.h"
#include "theme.h"

namespace velmora::tools {

namespace {

// A window outline for a one-bit glyph: a two-pixel title edge, one-pixel sides.
void windowOutline(TRaster& r, int x, int y, int w, int h) {
  const TColor black = Rgb(0, 0, 0);
  r.FillRect(x, y, w, 2, black);
  r.FillRect(x, y + h - 1, w, 1, black);
  r.FillRect(x, y, 1, h, black);
  r.FillRect(x + w - 1, y, 1, h, black);
}

}  // namespace

TRaster MenuGlyphStrip() {
  // Restore, maximise, minimise, close: one bit per pixel, so every edge sits on whole
  // pixels. One 16 x 16 cell each, black on white.
  TRaster r(64, 16, theme::Current().White);
  const TColor black = Rgb(0, 0, 0);
  // Restore: the window behind shows above and to the right of the one in front.
  windowOutline(r, 6, 3, 8, 7);
  r.FillRect(3, 6, 8, 7, theme::Current().White);
  windowOutline(r, 3, 6, 8, 7);
  // Maximise.
  windowOutline(r, 16 + 3, 3, 10, 9);
  // Minimise: a bar at the foot of the cell.
  r.FillRect(32 + 4, 10, 7, 2, black);
  // Close: two diagonals two pixels wide.
  for (int i = 0; i < 8; ++i) {
    r.FillRect(48 + 4 + i, 4 + i, 2, 1, black);
    r.FillRect(48 + 10 - i, 4 + i, 2, 1, black);
  }
  return r;
}

}  // namespace velmora::tools
