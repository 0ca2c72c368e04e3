// Owner-drawn menu items: switching a built menu's items to owner drawing without
// losing their texts, the framework's own measure and look of an item, and the answers
// to the owner window's WM_MEASUREITEM and WM_DRAWITEM.
#include <algorithm>
#include <string>

#include "framework/gdi_object.h"
#include "framework/icons.h"
#include "framework/menus.h"
#include "framework/screen.h"

namespace velmora {

namespace {

SIZE textSize(HDC dc, const std::string& text) {
  RECT rect{0, 0, 0, 0};
  if (!text.empty()) DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &rect, DT_CALCRECT | DT_SINGLELINE);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace

bool SetMenuOwnerDraw(HMENU menu, bool ownerDraw) {
  const int count = menu ? GetMenuItemCount(menu) : -1;
  if (count < 0) return false;
  bool all = true;
  for (int i = 0; i < count; ++i) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof(info);  // the structure's real size: 80 bytes on x64
    info.fMask = MIIM_FTYPE | MIIM_SUBMENU;
    if (!GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info)) {
      all = false;
      continue;
    }
    if (info.hSubMenu && !SetMenuOwnerDraw(info.hSubMenu, ownerDraw)) all = false;
    if (((info.fType & MFT_OWNERDRAW) != 0) == ownerDraw) continue;
    // Only the type is written, with its other bits: the text stays the item's.
    info.fMask = MIIM_FTYPE;
    info.fType = ownerDraw ? info.fType | MFT_OWNERDRAW : info.fType & ~static_cast<UINT>(MFT_OWNERDRAW);
    if (!SetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info)) all = false;
  }
  return all;
}

bool MakeMenuOwnerDrawn(HMENU menu) { return SetMenuOwnerDraw(menu, true); }

TImageList* TMenuItem::Images() const {
  for (TComponent* parent = FParent; parent;) {
    if (auto* item = dynamic_cast<TMenuItem*>(parent)) {
      parent = item->ParentMenu();
      continue;
    }
    if (auto* popup = dynamic_cast<TPopupMenu*>(parent)) return popup->Images();
    if (auto* bar = dynamic_cast<TMainMenu*>(parent)) return bar->Images();
    return nullptr;
  }
  return nullptr;
}

void TMenuItem::DefaultMeasure(HDC dc, int& width, int& height) const {
  TMenuTextExtents text;
  const SIZE caption = textSize(dc, FCaption.empty() ? std::string(" ") : FCaption);
  text.CaptionWidth = FCaption.empty() ? 0 : static_cast<int>(caption.cx);
  text.TextHeight = caption.cy;
  text.ShortCutWidth = static_cast<int>(textSize(dc, FShortCut).cx);
  const TMenuItemSize size = DefaultMenuItemSize(IsSeparator(), text, GetSystemMetrics(SM_CYMENU));
  width = size.Width;
  height = size.Height;
}

void TMenuItem::MeasureItem(HDC dc, int& width, int& height) {
  DefaultMeasure(dc, width, height);
  if (TMenuMeasureItemEvent event = OnMeasureItem) event(this, dc, width, height);
}

void TMenuItem::DrawItem(HDC dc, const RECT& rect, bool selected) {
  if (TMenuDrawItemEvent event = OnDrawItem)
    event(this, dc, rect, selected);
  else
    DefaultDraw(dc, rect, selected);
}

void TMenuItem::DefaultDraw(HDC dc, const RECT& rect, bool selected) const {
  SavedDC saved(dc);
  FillRect(dc, &rect, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_MENU));
  if (IsSeparator()) {
    RECT line = rect;
    line.top += (rect.bottom - rect.top) / 2 - 1;
    DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
    return;
  }
  SetBkMode(dc, TRANSPARENT);
  const int colour = !FEnabled ? COLOR_GRAYTEXT : selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT;
  SetTextColor(dc, GetSysColor(colour));
  RECT text = rect;
  text.left += MenuGlyphWidth + 2;
  text.right -= 6;
  if (FChecked) {
    const int top = rect.top + (rect.bottom - rect.top - MenuGlyphWidth) / 2;
    RECT mark{rect.left + 1, top, rect.left + 1 + MenuGlyphWidth, top + MenuGlyphWidth};
    DrawFrameControl(dc, &mark, DFC_MENU, DFCS_MENUCHECK);
  }
  DrawTextA(dc, FCaption.c_str(), static_cast<int>(FCaption.size()), &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
  if (!FShortCut.empty())
    DrawTextA(dc, FShortCut.c_str(), static_cast<int>(FShortCut.size()), &text, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
}

bool MeasureMenuItem(TMenuItem& item, MEASUREITEMSTRUCT& measure) {
  if (measure.CtlType != ODT_MENU) return false;
  MemoryDC dc;
  SelectScope font(dc, Screen.MenuFont().Handle());
  int width = 0, height = 0;
  item.MeasureItem(dc, width, height);
  measure.itemWidth = static_cast<UINT>(std::max(width, 0));
  measure.itemHeight = static_cast<UINT>(std::max(height, 0));
  return true;
}

bool DrawMenuItem(TMenuItem& item, const DRAWITEMSTRUCT& draw) {
  if (draw.CtlType != ODT_MENU || !draw.hDC) return false;
  SavedDC saved(draw.hDC);
  SelectObject(draw.hDC, Screen.MenuFont().Handle());
  item.DrawItem(draw.hDC, draw.rcItem, (draw.itemState & ODS_SELECTED) != 0);
  return true;
}

}  // namespace velmora
