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

namespace {

// A triangle pointing right (or left) whose flat side is `x` and whose height is 2h + 1.
void triangle(TRaster& r, int x, int y, int h, bool right, TColor c) {
  for (int i = 0; i <= h; ++i) {
    const int length = h - i + 1;
    const int left = right ? x : x - length + 1;
    r.FillRect(left, y - i, length, 1, c);
    r.FillRect(left, y + i, length, 1, c);
  }
}

void drawMediaGlyph(TRaster& r, const std::string& button, TColor c) {
  if (button == "MPPLAY") {
    triangle(r, 5, 7, 5, true, c);
  } else if (button == "MPPAUSE") {
    r.FillRect(4, 3, 3, 10, c);
    r.FillRect(9, 3, 3, 10, c);
  } else if (button == "MPSTOP") {
    r.FillRect(4, 4, 8, 8, c);
  } else if (button == "MPNEXT") {
    triangle(r, 3, 7, 4, true, c);
    triangle(r, 8, 7, 4, true, c);
    r.FillRect(13, 3, 1, 9, c);
  } else if (button == "MPPREV") {
    r.FillRect(2, 3, 1, 9, c);
    triangle(r, 7, 7, 4, false, c);
    triangle(r, 12, 7, 4, false, c);
  } else if (button == "MPSTEP") {
    triangle(r, 5, 7, 3, true, c);
    r.FillRect(10, 4, 2, 7, c);
  } else if (button == "MPBACK") {
    r.FillRect(4, 4, 2, 7, c);
    triangle(r, 10, 7, 3, false, c);
  } else if (button == "MPRECORD") {
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x)
        if ((x - 7.5) * (x - 7.5) + (y - 7.5) * (y - 7.5) <= 16.0) r.Set(x, y, c);
  } else if (button == "MPEJECT") {
    for (int i = 0; i <= 4; ++i) r.FillRect(8 - i - 1, 3 + i, 2 * i + 2, 1, c);
    r.FillRect(3, 10, 10, 2, c);
  }
}

}  // namespace

std::vector<std::pair<std::string, TRaster>> MediaPlayerGlyphs() {
  const char* buttons[] = {"MPPLAY", "MPPAUSE", "MPSTOP", "MPNEXT", "MPPREV",
                           "MPSTEP", "MPBACK",  "MPRECORD", "MPEJECT"};
  std::vector<std::pair<std::string, TRaster>> glyphs;
  for (const char* state : {"EN", "DI", "CL"})
    for (const char* button : buttons) {
      TRaster r(16, 16, Magenta);
      const std::string name = button;
      TColor colour = Rgb(32, 36, 44);
      if (std::string(state) == "DI") colour = Rgb(160, 164, 172);
      if (std::string(state) == "CL")
        colour = name == "MPRECORD" ? Rgb(200, 40, 40) : name == "MPPLAY" ? Rgb(40, 150, 60) : Rgb(40, 90, 180);
      drawMediaGlyph(r, name, colour);
      glyphs.emplace_back(std::string(state) + "_" + name, r);
    }
  return glyphs;
}

}  // namespace velmora::tools
