// Skinned menu items: measuring and drawing, for framework and foreign items.
#include "skin/forms/menu_item_painter.h"

#include <algorithm>

#include "framework/bitmap.h"
#include "framework/control.h"
#include "framework/icons.h"
#include "framework/menus.h"
#include "framework/screen.h"
#include "skin/data/skin_colors.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_drawing.h"
#include "skin/data/skin_platform.h"
#include "skin/forms/skin_manager.h"

namespace velmora {

namespace {

// The system's check mark bitmap (OBM_CHECK).
constexpr int CheckMarkResource = 32760;

SIZE textExtent(HDC dc, const std::string& text, UINT flags) {
  RECT rect{0, 0, 0, 0};
  const std::wstring wide = AnsiToWide(text.empty() ? std::string(" ") : text);
  SkinDrawText(dc, wide, rect, flags | DT_CALCRECT);
  return {text.empty() ? 0 : rect.right - rect.left, rect.bottom - rect.top};
}

RECT toRect(const TSkinRect& r) { return {r.Left, r.Top, r.Right, r.Bottom}; }

// The checked-image cell's pattern: button face and highlight in a checkerboard.
void fillCheckedPattern(HDC dc, const RECT& cell) {
  const COLORREF face = GetSysColor(COLOR_BTNFACE), light = GetSysColor(COLOR_BTNHILIGHT);
  for (int y = cell.top; y < cell.bottom; ++y)
    for (int x = cell.left; x < cell.right; ++x) SetPixelV(dc, x, y, ((x + y) & 1) ? light : face);
}

}  // namespace

TMenuItemView ViewOfItem(const TMenuItem& item) {
  TMenuItemView view;
  view.Caption = item.Caption();
  view.ShortCut = item.ShortCut();
  view.Enabled = item.Enabled();
  view.Checked = item.Checked();
  view.Default = item.Default();
  view.Separator = item.IsSeparator();
  view.Images = item.Images();
  view.ImageIndex = item.ImageIndex();
  return view;
}

int ForeignItemPosition(HMENU menu, UINT itemId) {
  const int count = menu ? GetMenuItemCount(menu) : 0;
  for (int i = 0; i < count; ++i) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_ID | MIIM_SUBMENU;
    if (!GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info)) continue;
    // An item with a sub-menu is known by the sub-menu's handle, cut to the id's size.
    const bool bySubMenu = info.hSubMenu && static_cast<UINT>(reinterpret_cast<UINT_PTR>(info.hSubMenu)) == itemId;
    if (info.wID == itemId || bySubMenu) return i;
  }
  return -1;
}

std::string ForeignItemText(HMENU menu, UINT itemId) {
  const int position = ForeignItemPosition(menu, itemId);
  char text[81] = {};
  if (position >= 0) GetMenuStringA(menu, static_cast<UINT>(position), text, 80, MF_BYPOSITION);
  return text;
}

TMenuItemView ViewOfForeignItem(HMENU menu, UINT itemId) {
  TMenuItemView view;
  MENUITEMINFOA info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_STATE | MIIM_FTYPE;
  const int position = ForeignItemPosition(menu, itemId);
  if (position < 0 || !GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info)) {
    view.Separator = true;
    view.Caption = "-";
    return view;
  }
  view.Caption = ForeignItemText(menu, itemId);
  if (view.Caption.empty()) view.Caption = "-";
  // A tab separates the caption from its shortcut in a menu's own texts.
  if (const auto tab = view.Caption.find('\t'); tab != std::string::npos) {
    view.ShortCut = view.Caption.substr(tab + 1);
    view.Caption.erase(tab);
  }
  view.Separator = view.Caption == "-" || (info.fType & MFT_SEPARATOR);
  view.Enabled = !(info.fState & (MFS_GRAYED | MFS_DISABLED));
  view.Checked = (info.fState & MFS_CHECKED) != 0;
  view.Default = (info.fState & MFS_DEFAULT) != 0;
  view.RightToLeft = (info.fType & MFT_RIGHTORDER) != 0;
  return view;
}

int TSkinMenuItemPainter::leftWidth() const {
  const TDataSkinObject* element = FSkinData ? FSkinData->Records.MenuItem.get() : nullptr;
  return element ? element->LeftWidth : 0;
}

void TSkinMenuItemPainter::MeasureItem(TSkinMenuItemKind kind, bool hasImages, int& width, int& height) const {
  const bool element = FSkinData && FSkinData->Records.MenuItem;
  const TMenuItemSize size =
      SkinMeasureFrameworkItem(kind, {width, height}, {element, leftWidth(), hasImages});
  width = size.Width;
  height = size.Height;
}

void TSkinMenuItemPainter::MeasureForeignItem(const std::string& text, int& width, int& height) const {
  MemoryDC dc;
  SelectScope font(dc, Screen.MenuFont().Handle());
  const SIZE extent = textExtent(dc, text, DT_SINGLELINE | DT_EXPANDTABS);
  const bool element = FSkinData && FSkinData->Records.MenuItem;
  const TMenuItemSize size = SkinMeasureForeignItem(extent.cx, extent.cy, text.empty(), {element, leftWidth(), false});
  width = size.Width;
  height = size.Height;
}

bool TSkinMenuItemPainter::MeasureForeign(MEASUREITEMSTRUCT& measure, HMENU menu) const {
  if (measure.CtlType != ODT_MENU) return false;
  int width = 0, height = 0;
  MeasureForeignItem(ForeignItemText(menu, measure.itemID), width, height);
  measure.itemWidth = static_cast<UINT>(width);
  measure.itemHeight = static_cast<UINT>(height);
  return true;
}

bool TSkinMenuItemPainter::DrawForeign(const DRAWITEMSTRUCT& draw) {
  if (draw.CtlType != ODT_MENU || !draw.hDC) return false;
  const auto menu = reinterpret_cast<HMENU>(draw.hwndItem);
  DrawItem(ViewOfForeignItem(menu, draw.itemID), draw.hDC, draw.rcItem, (draw.itemState & ODS_SELECTED) != 0, menu);
  return true;
}

void TSkinMenuItemPainter::drawBackground(HDC dc, const RECT& local, const RECT& rect, HMENU menu) const {
  const TPopupMenuSkin* popup = FManager ? FManager->FindPopup(menu) : nullptr;
  if (popup && popup->Background && !popup->Background->Empty()) {
    MemoryDC source;
    SelectScope bitmap(source, popup->Background->Handle());
    BitBlt(dc, 0, 0, local.right, local.bottom, source, rect.left + popup->ClientOrigin.x,
           rect.top + popup->ClientOrigin.y, SRCCOPY);
    return;
  }
  GdiBrush brush(CreateSolidBrush(ColorToRGB(FSkinData->Colors.Colors[scMenu])));
  FillRect(dc, &local, brush);
}

void TSkinMenuItemPainter::DrawItem(const TMenuItemView& item, HDC dc, const RECT& rect, bool selected, HMENU menu) {
  if (!FSkinData || !dc || rect.right <= rect.left || rect.bottom <= rect.top) return;
  if (FManager) FManager->MarkPopupsFromBar();
  const TDataSkinObject* element = FSkinData->Records.MenuItem.get();
  const RECT local{0, 0, rect.right - rect.left, rect.bottom - rect.top};
  if (element && !element->Map.Empty()) {
    if (FManager) FManager->SetPopupMenu(menu);
    TBitmap buffer(local.right, local.bottom);
    MemoryDC memory(dc);
    SelectScope selectBuffer(memory, buffer.Handle());
    drawBackground(memory, local, rect, menu);
    if (item.Separator) {
      DrawSeparator(memory, local);
    } else {
      const TBitmap& frame = fittedFrame(selected ? 4 : 1, local.right, local.bottom);
      if (element->Trans == 1) {
        TransparentCopy(memory, local, frame, SkinTransparentColor);
      } else {
        MemoryDC source(dc);
        SelectScope selectFrame(source, frame.Handle());
        BitBlt(memory, 0, 0, local.right, local.bottom, source, 0, 0, SRCCOPY);
      }
      DrawItemContent(item, memory, local, selected);
    }
    BitBlt(dc, rect.left, rect.top, local.right, local.bottom, memory, 0, 0, SRCCOPY);
    return;
  }
  GdiBrush brush(CreateSolidBrush(ColorToRGB(FSkinData->Colors.Colors[selected ? scHilight : scMenu])));
  FillRect(dc, &rect, brush);
  if (item.Separator) {
    RECT line = rect;
    line.top += 4;
    DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
    return;
  }
  DrawItemContent(item, dc, rect, selected);
}

void TSkinMenuItemPainter::SkinChanged() {
  for (TFittedFrame& fitted : FFitted) fitted = {};
}

const TBitmap& TSkinMenuItemPainter::fittedFrame(int frame, int width, int height) {
  const TDataSkinObject& element = *FSkinData->Records.MenuItem;
  TFittedFrame& fitted = FFitted[frame == 4 ? 1 : 0];
  if (fitted.Frame != frame || fitted.Width != width || fitted.Height != height || fitted.Source != &element.Map ||
      fitted.Bitmap.Empty()) {
    fitted.Bitmap = SkinBitmapSizing({0, 0, width, height}, element.Map, MarginsOf(element), frame, 5,
                                     element.Tile != 0, false);
    fitted.Frame = frame;
    fitted.Width = width;
    fitted.Height = height;
    fitted.Source = &element.Map;
  }
  return fitted.Bitmap;
}

void TSkinMenuItemPainter::DrawSeparator(HDC dc, const RECT& rect) const {
  const TDataSkinObject* element = FSkinData ? FSkinData->Records.MenuItem.get() : nullptr;
  if (!element || element->Map.Empty()) return;
  const int frameHeight = element->Map.Height();
  const int itemHeight = rect.bottom - rect.top;
  // At the strip's own height: aligned to the item's bottom when taller, else centred.
  const int top = frameHeight > itemHeight ? rect.bottom - frameHeight : rect.top + (itemHeight - frameHeight) / 2;
  const RECT dest{rect.left, top, rect.right, top + frameHeight};
  TMargins sides = MarginsOf(*element);
  sides.Top = sides.Bottom = 0;
  SavedDC saved(dc);
  IntersectClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
  DrawSkinBitmap(dc, dest, element->Map, sides, 2, 5, true, false, false);
}

COLORREF TSkinMenuItemPainter::textColor(const TMenuItemView& item, bool selected) const {
  const auto& colors = FSkinData->Colors.Colors;
  if (item.Enabled) return ColorToRGB(colors[selected ? scHilightText : scMenuText]);
  const COLORREF shadow = ColorToRGB(colors[scButtonShadow]);
  return shadow == ColorToRGB(colors[scMenuText]) ? GetSysColor(COLOR_BTNSHADOW) : shadow;
}

HFONT TSkinMenuItemPainter::boldFont() {
  if (!FBoldFont) {
    LOGFONTA font{};
    GetObjectA(Screen.MenuFont().Handle(), sizeof(font), &font);
    font.lfWeight = FW_BOLD;
    FBoldFont.Reset(CreateFontIndirectA(&font));
  }
  return FBoldFont.Get();
}

void TSkinMenuItemPainter::drawCheckMark(HDC dc, const RECT& cell) {
  if (!FCheckMark) FCheckMark.Reset(LoadBitmapA(nullptr, MAKEINTRESOURCEA(CheckMarkResource)));
  BITMAP info{};
  if (!FCheckMark || !GetObjectA(FCheckMark.Get(), sizeof(info), &info)) return;
  // Centred in the cell, one pixel right and down.
  const int x = cell.left + (cell.right - cell.left - info.bmWidth) / 2 + 1;
  const int y = cell.top + (cell.bottom - cell.top - info.bmHeight) / 2 + 1;
  MemoryDC source(dc);
  SelectScope mark(source, FCheckMark.Get());
  SavedDC saved(dc);
  // The mark's black pixels are cut out, then filled with the button-text colour.
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkColor(dc, RGB(255, 255, 255));
  BitBlt(dc, x, y, info.bmWidth, info.bmHeight, source, 0, 0, SRCAND);
  SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  SetBkColor(dc, RGB(0, 0, 0));
  BitBlt(dc, x, y, info.bmWidth, info.bmHeight, source, 0, 0, SRCPAINT);
}

void TSkinMenuItemPainter::drawGlyph(const TMenuItemView& item, HDC dc, const RECT& cell) {
  const bool hasImage = item.Images && item.ImageIndex >= 0 && item.ImageIndex < item.Images->Count();
  if (hasImage) {
    const SIZE size = item.Images->ImageSize();
    if (item.Checked) {
      RECT edge = cell;
      fillCheckedPattern(dc, edge);
      DrawEdge(dc, &edge, BDR_SUNKENOUTER, BF_RECT);
    }
    const int x = cell.left + (cell.right - cell.left - size.cx) / 2;
    const int y = cell.top + (cell.bottom - cell.top - size.cy) / 2;
    item.Images->Draw(dc, x, y, item.ImageIndex, item.Enabled);
    return;
  }
  if (item.Checked) drawCheckMark(dc, cell);
}

void TSkinMenuItemPainter::DrawItemContent(const TMenuItemView& item, HDC dc, const RECT& rect, bool selected) {
  if (!FSkinData || !dc) return;
  const bool element = FSkinData->Records.MenuItem && !FSkinData->Records.MenuItem->Map.Empty();
  const TMenuItemParts parts = MenuItemLayout({rect.left, rect.top, rect.right, rect.bottom},
                                              element ? leftWidth() : 0, item.RightToLeft);
  drawGlyph(item, dc, toRect(parts.GlyphCell));
  SavedDC saved(dc);
  SelectObject(dc, item.Default ? boldFont() : Screen.MenuFont().Handle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, textColor(item, selected));
  const UINT order = item.RightToLeft ? DT_RIGHT | DT_RTLREADING : DT_LEFT;
  RECT caption = toRect(parts.Caption);
  const std::wstring text = AnsiToWide(item.Caption);
  const SIZE extent = textExtent(dc, item.Caption, DT_NOCLIP | DT_EXPANDTABS | DT_SINGLELINE);
  caption.top += (caption.bottom - caption.top - extent.cy) / 2;
  caption.bottom = caption.top + extent.cy;
  SkinDrawText(dc, text, caption, DT_EXPANDTABS | DT_SINGLELINE | order);
  if (item.ShortCut.empty()) return;
  RECT shortCut = toRect(parts.ShortCut);
  const UINT side = item.RightToLeft ? DT_LEFT | DT_RTLREADING : DT_RIGHT;
  SkinDrawText(dc, AnsiToWide(item.ShortCut), shortCut, DT_SINGLELINE | DT_VCENTER | side);
}

}  // namespace velmora
