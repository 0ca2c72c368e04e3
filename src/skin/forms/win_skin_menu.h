// TWinSkinMenu: a form's menu bar drawn in the skin. The window's real menu bar is taken
// away (the skinned frame keeps its room) and each top-level item becomes a TMenuBtn in
// the non-client area; the drop-downs still are the window's own menus, opened by the
// form skin (menu_bar_tracking.cpp).
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "framework/bitmap.h"
#include "framework/component.h"
#include "skin/forms/nc_objects.h"

namespace velmora {

class TMainMenu;
class TSkinData;
class TWinSkinForm;

class TWinSkinMenu : public TComponent {
 public:
  // `menu` is the window's menu bar, `mainMenu` the framework menu it was built from
  // (null for a window without one).
  TWinSkinMenu(TWinSkinForm* owner, TSkinData* data, HMENU menu, TMainMenu* mainMenu);
  ~TWinSkinMenu() override;

  // Reads the items of the menu (the window's current one, else the one given) into
  // buttons and takes the real bar away from the window.
  void BuildItems();
  // After a change of the menu's items: texts the menu lacks come from the framework.
  void RebuildItems();
  // Places the items in the bar (the bar's rectangle in window coordinates).
  void Layout();
  // The whole bar into `dc` at `bar` (window coordinates).
  void Paint(HDC dc, const RECT& bar);
  // The item at a point in window coordinates that has a caption, or null.
  TMenuBtn* FindButton(POINT windowPoint) const;
  // The item with the accelerator `key` that is visible and enabled, or null.
  TMenuBtn* FindAccelButton(unsigned key) const;
  // The first item that can be opened, or null.
  TMenuBtn* FirstButton() const;

  // Repaints one item over the bar's background in the window.
  void PaintButton(const TMenuBtn& button);

  const std::vector<std::unique_ptr<TMenuBtn>>& Buttons() const { return FButtons; }
  TMenuBtn* Button(int index) const;
  int Count() const { return static_cast<int>(FButtons.size()); }
  HMENU Menu() const { return FMenu; }
  TMainMenu* MainMenu() const { return FMainMenu; }
  const RECT& BarRect() const { return FBarRect; }
  bool RightToLeft() const;

  // Gives the window its menu bar back (not while the window is being destroyed: the
  // framework menu frees its own bar).
  void GiveBack(bool windowAlive);

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  RECT barRect() const;
  void readBar(bool menuTextFirst);
  void readItems(bool menuTextFirst);
  void freeButtons();
  void drawBackground(HDC dc, int width, int height);
  void drawMDIButtons(HDC dc, const RECT& bar);
  void drawCaption(HDC dc, const TMenuBtn& button, const RECT& rect) const;
  bool mdiButtonsInBar() const;

  TWinSkinForm* FOwner;
  TSkinData* FSkinData;
  HMENU FMenu;
  TMainMenu* FMainMenu;
  std::vector<std::unique_ptr<TMenuBtn>> FButtons;
  RECT FBarRect{};
  TBitmap FBitmap;   // the bar's background without texts, for item repaints
  TBitmap FCompose;  // the bar composed off-screen before it is copied
  bool FPainting = false;
};

}  // namespace velmora
