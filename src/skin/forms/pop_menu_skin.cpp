// The skin of a pop-up menu window.
#include "skin/forms/pop_menu_skin.h"

#include <algorithm>

#include "skin/data/skin_data.h"
#include "skin/data/skin_drawing.h"
#include "skin/forms/skin_manager.h"
#include "skin/forms/skin_messages.h"

namespace velmora {

namespace {

// The menu edge the background's outer pixels give.
constexpr int EdgeWidth = 3;
// Asks a menu window for the menu it shows.
constexpr UINT MN_GETHMENU_ = 0x01E1;
// The whole window, clipped to the region the frame paint names, with the window's own
// clipping styles (DCX_USESTYLE).
constexpr DWORD FrameDCFlags = DCX_WINDOW | DCX_INTERSECTRGN | 0x10000;

SIZE windowSize(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return {r.right - r.left, r.bottom - r.top};
}

}  // namespace

bool TWinSkinPopMenu::Subclass(HWND window, TSkinData* data, HMENU menu) {
  FHandle = window;
  FSkinData = data;
  FMenu = menu;
  FFromBar = FRecord && FRecord->FromBar;
  return FSubclass.Attach(window, [this](UINT msg, WPARAM wParam, LPARAM lParam, const TSubclassNext& next) {
    return WndProc(msg, wParam, lParam, next);
  });
}

void TWinSkinPopMenu::Restore() {
  FSubclass.Detach();
  if (FRecord) FRecord->Background = nullptr;
}

HMENU TWinSkinPopMenu::Menu() {
  if (!FMenu && FHandle && IsWindow(FHandle))
    FMenu = reinterpret_cast<HMENU>(SendMessageA(FHandle, MN_GETHMENU_, 0, 0));
  if (!FMenu && FRecord) FMenu = FRecord->Menu;
  if (FMenu && FRecord && !FRecord->Menu) FRecord->Menu = FMenu;
  return FMenu;
}

LRESULT TWinSkinPopMenu::WndProc(UINT msg, WPARAM wParam, LPARAM lParam, const TSubclassNext& next) {
  if (msg == WM_SKINQUERY) return 1;
  if (!FManager || !FManager->Active()) return next(msg, wParam, lParam);
  switch (msg) {
    case WM_DESTROY:
      Restore();
      return next(msg, wParam, lParam);
    case WM_ERASEBKGND:
      if (!FSkinData || !InSet(FSkinData->Options(), xoMenuBG)) next(msg, wParam, lParam);
      return 1;
    case WM_NCPAINT: {
      // The region the system hands over belongs to the system (1 means the whole window).
      const HRGN clip = wParam > 1 ? reinterpret_cast<HRGN>(wParam) : nullptr;
      if (paintFrame(clip)) return 0;
      return next(msg, wParam, lParam);
    }
    case WM_PAINT: {
      // The menu paints its items (ours, owner-drawn) and, under Wine, its own edge:
      // the skin's edge and margins go over what it drew around the items.
      const LRESULT result = next(msg, wParam, lParam);
      if (render()) {
        WindowDC dc(FHandle, WindowDC::Whole);
        if (dc.Get()) paintAroundItems(dc);
      }
      return result;
    }
    case WM_PRINT:
      return print(reinterpret_cast<HDC>(wParam), lParam, next);
    default:
      return next(msg, wParam, lParam);
  }
}

bool TWinSkinPopMenu::render() {
  const TDataSkinObject* element = FSkinData && !FSkinData->NoSkin() ? FSkinData->Records.MenuBackground.get() : nullptr;
  if (!element || element->Map.Empty() || !FHandle || !IsWindow(FHandle)) return false;
  const SIZE size = windowSize(FHandle);
  if (size.cx <= 0 || size.cy <= 0) return false;
  if (FBitmap.Width() != size.cx || FBitmap.Height() != size.cy)
    FBitmap = SkinBitmapSizing({0, 0, size.cx, size.cy}, element->Map, MarginsOf(*element), 1, 1, element->Tile != 0, false);
  if (FBitmap.Empty()) return false;
  if (FRecord) {
    FRecord->Background = &FBitmap;
    RECT window{};
    POINT origin{0, 0};
    GetWindowRect(FHandle, &window);
    ClientToScreen(FHandle, &origin);
    FRecord->ClientOrigin = {origin.x - window.left, origin.y - window.top};
  }
  Menu();
  return true;
}

bool TWinSkinPopMenu::paintFrame(HRGN clip) {
  if (!render()) return false;
  WindowDC dc(FHandle, clip, clip ? FrameDCFlags : DCX_WINDOW | DCX_CACHE);
  if (!dc.Get()) return false;
  MemoryDC source(dc);
  SelectScope bitmap(source, FBitmap.Handle());
  const int w = FBitmap.Width(), h = FBitmap.Height();
  BitBlt(dc, 0, 0, w, EdgeWidth, source, 0, 0, SRCCOPY);
  BitBlt(dc, 0, h - EdgeWidth, w, EdgeWidth, source, 0, h - EdgeWidth, SRCCOPY);
  BitBlt(dc, 0, 0, EdgeWidth, h, source, 0, 0, SRCCOPY);
  BitBlt(dc, w - EdgeWidth, 0, EdgeWidth, h, source, w - EdgeWidth, 0, SRCCOPY);
  paintAroundItems(dc);
  return true;
}

void TWinSkinPopMenu::paintAroundItems(HDC dc) {
  if (FBitmap.Empty()) return;
  SavedDC saved(dc);
  RECT window{};
  GetWindowRect(FHandle, &window);
  const HMENU menu = Menu();
  const int count = menu ? GetMenuItemCount(menu) : 0;
  for (int i = 0; i < count; ++i) {
    RECT item{};
    if (!GetMenuItemRect(FHandle, menu, static_cast<UINT>(i), &item)) continue;
    ExcludeClipRect(dc, item.left - window.left, item.top - window.top, item.right - window.left,
                    item.bottom - window.top);
  }
  MemoryDC source(dc);
  SelectScope bitmap(source, FBitmap.Handle());
  BitBlt(dc, 0, 0, FBitmap.Width(), FBitmap.Height(), source, 0, 0, SRCCOPY);
}

LRESULT TWinSkinPopMenu::print(HDC dc, LPARAM flags, const TSubclassNext& next) {
  if (!dc || !render()) return next(WM_PRINT, reinterpret_cast<WPARAM>(dc), flags);
  {
    MemoryDC source(dc);
    SelectScope bitmap(source, FBitmap.Handle());
    BitBlt(dc, 0, 0, FBitmap.Width(), FBitmap.Height(), source, 0, 0, SRCCOPY);
  }
  LRESULT result = 0;
  {
    SavedDC saved(dc);  // clipping and background mode come back with it
    IntersectClipRect(dc, EdgeWidth, EdgeWidth, FBitmap.Width() - EdgeWidth, FBitmap.Height() - EdgeWidth);
    result = next(WM_PRINT, reinterpret_cast<WPARAM>(dc), flags);
  }
  paintAroundItems(dc);
  return result;
}

}  // namespace velmora
