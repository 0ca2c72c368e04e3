// TSkinMenuItemPainter: measures and draws owner-drawn menu items in the skin — the
// items of the framework's menus (through their measure and draw events) and foreign
// items (read from the menu itself). An item is drawn off-screen on the pop-up menu
// skin's background at the item's place, with the MenuItem element (selected or not),
// its glyph, caption (bold for the default item) and shortcut, then copied once. The
// check mark and the bold font are made once and kept.
#pragma once

#include <windows.h>

#include <string>

#include "framework/bitmap.h"
#include "framework/gdi_object.h"
#include "skin/forms/menu_item_metrics.h"

namespace velmora {

class TImageList;
class TMenuItem;
class TSkinData;
class TSkinManage;

// What one item shows, whoever owns it.
struct TMenuItemView {
  std::string Caption, ShortCut;
  bool Enabled = true, Checked = false, Default = false, Separator = false;
  TImageList* Images = nullptr;
  int ImageIndex = -1;
  bool RightToLeft = false;
};

TMenuItemView ViewOfItem(const TMenuItem& item);
// The position of a foreign item by its id: its command, or for an item with a
// sub-menu the sub-menu's handle (cut to 32 bits, as the item messages carry it); -1.
int ForeignItemPosition(HMENU menu, UINT itemId);
// Its text (80 characters at most), empty when there is none.
std::string ForeignItemText(HMENU menu, UINT itemId);
// A foreign item by its id: text from GetMenuStringA (80 characters), "-" when empty; enabled without the grey and disabled bits, checked with
// the check bit; the default item from the menu's own default.
TMenuItemView ViewOfForeignItem(HMENU menu, UINT itemId);

class TSkinMenuItemPainter {
 public:
  // `manager` may be null (no pop-up menu skins to draw on).
  TSkinMenuItemPainter(TSkinData* data, TSkinManage* manager) : FSkinData(data), FManager(manager) {}

  // The framework's measure of the item with the skin's room added.
  void MeasureItem(TSkinMenuItemKind kind, bool hasImages, int& width, int& height) const;
  // A foreign item measured from its text in the menu font.
  void MeasureForeignItem(const std::string& text, int& width, int& height) const;
  // The whole item into `dc` at `rect`; `menu` is the menu the item belongs to.
  void DrawItem(const TMenuItemView& item, HDC dc, const RECT& rect, bool selected, HMENU menu);
  // Glyph, caption and shortcut within `rect`.
  void DrawItemContent(const TMenuItemView& item, HDC dc, const RECT& rect, bool selected);
  // Frame 2 of the MenuItem element: its side margins kept, the middle stretched.
  void DrawSeparator(HDC dc, const RECT& rect) const;

  // Answers a foreign item's WM_MEASUREITEM / WM_DRAWITEM; `menu` is the menu shown.
  bool MeasureForeign(MEASUREITEMSTRUCT& measure, HMENU menu) const;
  bool DrawForeign(const DRAWITEMSTRUCT& draw);

  TSkinData* SkinData() const { return FSkinData; }
  // Forgets what was made from the previous skin.
  void SkinChanged();

 private:
  void drawBackground(HDC dc, const RECT& local, const RECT& rect, HMENU menu) const;
  void drawGlyph(const TMenuItemView& item, HDC dc, const RECT& cell);
  void drawCheckMark(HDC dc, const RECT& cell);
  HFONT boldFont();
  // Frame `frame` of MenuItem fitted to `width` x `height`, kept for the next item of
  // the same size (the items of one menu share their width).
  const TBitmap& fittedFrame(int frame, int width, int height);
  COLORREF textColor(const TMenuItemView& item, bool selected) const;
  int leftWidth() const;

  TSkinData* FSkinData;
  TSkinManage* FManager;
  GdiBitmap FCheckMark;  // the system's check mark, loaded once
  GdiFont FBoldFont;     // the menu font in bold, made once
  struct TFittedFrame {
    int Frame = 0, Width = 0, Height = 0;
    const TBitmap* Source = nullptr;
    TBitmap Bitmap;
  };
  TFittedFrame FFitted[2];  // the normal and the selected frame
};

}  // namespace velmora
