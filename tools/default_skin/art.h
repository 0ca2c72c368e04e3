// The default skin's drawing vocabulary: rounded faces with gradients, arrows and the
// small glyphs of check boxes and caption buttons, all drawn pixel by pixel with soft
// edges.
#pragma once

#include <functional>

#include "../raster.h"

namespace velmora::tools::art {

using TRowColour = std::function<TColor(int y)>;

// Colours running from `top` at row y0 to `bottom` at row y1 (held beyond them).
TRowColour Gradient(TColor top, TColor bottom, double y0, double y1);

// The look of one rounded face.
struct TFace {
  TColor Top, Bottom, Border;
  double Radius = 3;
  // A lighter line just inside the border's upper half (0: none).
  double Gloss = 0;
};

// Paints a face into the rectangle (x0, y0)-(x1, y1) of `r` (edges in pixel units).
void DrawFace(TRaster& r, double x0, double y0, double x1, double y1, const TFace& face);
// A new w x h picture, transparent, holding one face that fills it.
TRaster Face(int w, int h, const TFace& face, TColor backdrop);

enum class TDirection { Up, Down, Left, Right };

// A filled triangle pointing `direction`, centred on (cx, cy), `size` from base to tip.
TShape Arrow(double cx, double cy, double size, TDirection direction);
// A chevron (two strokes) pointing `direction`.
TShape Chevron(double cx, double cy, double size, TDirection direction, double width);
TShape CheckMark(double cx, double cy, double size, double width);

// Caption glyphs, drawn in a box of `size` pixels centred on (cx, cy).
TShape CloseGlyph(double cx, double cy, double size, double width);
TShape MaximizeGlyph(double cx, double cy, double size, double width);
TShape RestoreGlyph(double cx, double cy, double size, double width);
TShape MinimizeGlyph(double cx, double cy, double size, double width);
TShape HelpGlyph(double cx, double cy, double size, double width);

// Points where both shapes are.
TShape Intersect(TShape a, TShape b);
// Everything above row y (as a shape: negative above).
TShape Above(double y);

}  // namespace velmora::tools::art
