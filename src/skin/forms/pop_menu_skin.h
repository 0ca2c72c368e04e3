// TWinSkinPopMenu: the skin of one pop-up menu window ("#32768"), from its creation to
// its destruction. It answers the skin query, and shows the skin's MenuBackground over
// the whole window: the system frame (WM_NCPAINT), the edge and margins the menu
// paints itself in WM_PAINT (Wine's menu window has no non-client area and draws its
// own edge there), and WM_PRINT. The items are owner-drawn on the same background.
#pragma once

#include <windows.h>

#include "framework/bitmap.h"
#include "framework/gdi_object.h"
#include "framework/window_subclass.h"

namespace velmora {

class TSkinData;
class TSkinManage;
struct TPopupMenuSkin;

class TWinSkinPopMenu {
 public:
  // `record` is the manager's entry for the window; it outlives this object.
  TWinSkinPopMenu(TSkinManage* manager, TPopupMenuSkin* record) : FManager(manager), FRecord(record) {}
  ~TWinSkinPopMenu() { Restore(); }
  TWinSkinPopMenu(const TWinSkinPopMenu&) = delete;
  TWinSkinPopMenu& operator=(const TWinSkinPopMenu&) = delete;

  // Puts the skin in front of the window's procedure; false when it cannot.
  bool Subclass(HWND window, TSkinData* data, HMENU menu);
  // Gives the window its procedure back (never onto a destroyed window).
  void Restore();

  HWND Handle() const { return FHandle; }
  bool Subclassed() const { return FSubclass.Attached(); }
  // The background rendered over the whole window at the last paint (empty before).
  const TBitmap& Bitmap() const { return FBitmap; }
  // The menu the window shows: given, or asked of the window.
  HMENU Menu();

 private:
  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam, const TSubclassNext& next);
  // FBitmap = MenuBackground over the window's size; false without a loaded map.
  bool render();
  // The frame strips (3 pixels each side), then the whole background around the items.
  bool paintFrame(HRGN clip);
  // The background everywhere but over the items, into a DC of the whole window.
  void paintAroundItems(HDC dc);
  LRESULT print(HDC dc, LPARAM flags, const TSubclassNext& next);

  TSkinManage* FManager;
  TPopupMenuSkin* FRecord;
  TWindowSubclass FSubclass;
  HWND FHandle = nullptr;
  TSkinData* FSkinData = nullptr;
  TBitmap FBitmap;
  HMENU FMenu = nullptr;
  bool FFromBar = false;
};

}  // namespace velmora
