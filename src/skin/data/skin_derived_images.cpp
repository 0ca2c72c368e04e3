// Images derived from a loaded skin.
#include "skin/data/skin_derived_images.h"

#include <algorithm>

#include "skin/data/bitmap_helpers.h"
#include "skin/data/skin_drawing.h"

namespace velmora {
namespace {

constexpr COLORREF Magenta = 0xFF00FF;
constexpr COLORREF White = 0xFFFFFF;

void fillRect(TBitmap& bitmap, int left, int top, int right, int bottom, COLORREF color) {
  left = std::max(left, 0), top = std::max(top, 0);
  right = std::min(right, bitmap.Width()), bottom = std::min(bottom, bitmap.Height());
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x) bitmap.SetPixel(x, y, color);
}

// Copies the part of `source` (sx, sy, w, h) that lies inside it to (dx, dy) of `dest`.
void copyPixels(const TBitmap& source, int sx, int sy, int w, int h, TBitmap& dest, int dx, int dy) {
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const int fx = sx + x, fy = sy + y, tx = dx + x, ty = dy + y;
      if (fx < 0 || fy < 0 || fx >= source.Width() || fy >= source.Height()) continue;
      if (tx < 0 || ty < 0 || tx >= dest.Width() || ty >= dest.Height()) continue;
      dest.SetPixel(tx, ty, source.Pixel(fx, fy));
    }
  }
}

// Frame `frame` of a record drawn whole over `rect` of a DC.
void drawFrame(HDC dc, const RECT& rect, const TDataSkinObject& record, int frame, bool trans) {
  DrawSkinBitmap(dc, rect, record.Map, MarginsOf(record), frame, std::max(record.Frame, 1), trans,
                 record.Tile != 0, false);
}

// One cell of the combo strip: the sunken edge with the button (and its glyph) at the right.
void drawComboCell(TBitmap& cell, const TSkinRecords& r, int frame, int buttonWidth) {
  MemoryDC dc;
  SelectScope select(dc, cell.Handle());
  const RECT whole{0, 0, ComboCellWidth, ComboCellHeight};
  const RECT button{ComboCellWidth - buttonWidth, 0, ComboCellWidth, ComboCellHeight};
  drawFrame(dc, whole, *r.SunkEdge, frame, r.SunkEdge->Trans == 1);
  drawFrame(dc, button, *r.ComboButton, frame, true);
  if (r.ExtraImages && !r.ExtraImages->Map.Empty())
    DrawFrameCentred(dc, button, r.ExtraImages->Map, frame, std::max(r.ExtraImages->Frame, 1), true);
  GdiFlush();
}

}  // namespace

COLORREF SampleColor(const TSkinRecords& records, COLORREF buttonFace) {
  const TDataSkinBorder& top = *records.BorderTop;
  if (top.Map.Empty()) return buttonFace;
  // A frame count of 0 would divide by zero: it counts as one frame.
  const int frames = std::max(top.Frame, 1);
  return top.Map.Pixel(top.Map.Width() / 3, (top.Map.Height() / frames) / 3);
}

void BuildComboImages(TSkinRecords& r, int buttonWidth) {
  if (!r.SunkEdge || !r.ComboButton) return;
  const int frames = std::max(r.SunkEdge->Frame, 1);
  TBitmap strip(ComboCellWidth * frames, ComboCellHeight);
  fillRect(strip, 0, 0, strip.Width(), strip.Height(), Magenta);
  for (int i = 1; i <= frames; ++i) {
    TBitmap cell(ComboCellWidth, ComboCellHeight);
    drawComboCell(cell, r, i, buttonWidth);
    fillRect(cell, 2, 2, ComboCellWidth - 1 - buttonWidth, 18, Magenta);
    copyPixels(cell, 0, 0, ComboCellWidth, ComboCellHeight, strip, (i - 1) * ComboCellWidth, 0);
  }

  TDataSkinBorder& button = *r.ComboButton;
  button.Style = 2;
  button.LeftWidth = 2;
  button.TopHeight = r.SunkEdge->TopHeight;
  button.RightWidth = buttonWidth + 2;
  button.BottomHeight = r.SunkEdge->BottomHeight;
  button.Map.Assign(strip);

  MirrorHorizontal(strip);
  r.SunkEdge->Map.Assign(strip);
  r.SunkEdge->LeftWidth = buttonWidth + 2;
  r.SunkEdge->RightWidth = 2;
}

void BuildComboArrow(TSkinRecords& r, COLORREF buttonFace) {
  if (!r.ComboxArrow) r.ComboxArrow = std::make_unique<TDataSkinObject>("ComboxArrow");
  TDataSkinObject& arrow = *r.ComboxArrow;
  // The arrow of a previous skin never outlives it: a skin without a combo has none.
  arrow.Map.SetSize(0, 0);
  if (r.SunkEdge) {
    if (!r.ComboButton || r.ComboButton->Style != 2) return;
    const int frames = std::max(r.SunkEdge->Frame, 1);
    const int w = r.ComboButton->Map.Width() / frames;
    TBitmap cut(ComboArrowSize * frames, ComboArrowSize);
    for (int i = 1; i <= frames; ++i)
      copyPixels(r.ComboButton->Map, i * w - 19, 2, ComboArrowSize, ComboArrowSize, cut, ComboArrowSize * (i - 1), 0);
    arrow.Map.Assign(cut);
    arrow.Frame = frames;
  } else if (r.ComboButton) {
    arrow.Map.Assign(r.ComboButton->Map);
    if (!arrow.Map.Empty()) ReplaceMagenta(arrow.Map, buttonFace);
    arrow.Frame = r.ComboButton->Frame;
  }
}

void BuildToolbarBackground(TSkinRecords& r, COLORREF buttonFace, COLORREF sample) {
  const COLORREF top = BlendColor(buttonFace, White, 150);
  COLORREF bottom = BlendColor(0x808080, sample, 150);
  const int saturation = ColorSaturation(sample);
  if (saturation > 110) bottom = BlendColor(sample, White, (225 - saturation) * 25 / 140 + 50);

  TBitmap background(10, 40);
  {
    MemoryDC dc;
    SelectScope select(dc, background.Handle());
    const RECT whole{0, 0, 10, 40};
    GradientFill(dc, whole, top, true, bottom);
    GdiFlush();
  }
  if (!r.Toolbar) r.Toolbar = std::make_unique<TDataSkinObject>("Toolbar");
  r.Toolbar->Map.Assign(background);
  r.Toolbar->Frame = 1;
}

}  // namespace velmora
