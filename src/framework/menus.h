// Pop-up menus with items, restorable from a stored form (items are the menu's child
// objects there). A menu is built into a system menu each time it opens, so what it
// shows always follows the items' current captions and states.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "framework/component.h"
#include "framework/control.h"
#include "framework/menu_metrics.h"

namespace velmora {

class TImageList;

// An owner-drawn item's handlers: the measuring one may change the size it is given
// (the framework's own measure), the drawing one draws the whole item.
using TMenuMeasureItemEvent = std::function<void(TObjectSender sender, HDC dc, int& width, int& height)>;
using TMenuDrawItemEvent = std::function<void(TObjectSender sender, HDC dc, const RECT& rect, bool selected)>;

class TMenuItem : public TComponent {
 public:
  explicit TMenuItem(TComponent* owner);
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  std::string Caption() const { return FCaption; }
  void SetCaption(const std::string& caption) { FCaption = caption; }
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool v) { FEnabled = v; }
  bool Checked() const { return FChecked; }
  void SetChecked(bool v) { FChecked = v; }
  bool Default() const { return FDefault; }
  void SetDefault(bool v) { FDefault = v; }
  bool Visible() const { return FVisible; }
  void SetVisible(bool v) { FVisible = v; }
  // The command id the item has in a built menu.
  UINT Command() const { return FCommand; }
  // The key text shown at the item's far side ("Ctrl+S"); empty for none.
  std::string ShortCut() const { return FShortCut; }
  void SetShortCut(const std::string& text) { FShortCut = text; }
  // The image of the menu's image list shown before the caption; -1 for none.
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int index) { FImageIndex = index; }
  bool IsSeparator() const { return FCaption == "-"; }
  // The menu item or menu this item was added to, or null.
  TComponent* ParentMenu() const { return FParent; }
  // The image list of the menu the item belongs to, or null.
  TImageList* Images() const;

  // Owner drawing: the framework's measure (DefaultMeasure) goes to OnMeasureItem when
  // set; OnDrawItem draws the item, else DefaultDraw does.
  void MeasureItem(HDC dc, int& width, int& height);
  void DrawItem(HDC dc, const RECT& rect, bool selected);
  // The item measured in the DC's font (the menu font when the caller selected it).
  void DefaultMeasure(HDC dc, int& width, int& height) const;
  // The system's look: highlight when selected, the check mark, caption and shortcut.
  void DefaultDraw(HDC dc, const RECT& rect, bool selected) const;
  TMenuMeasureItemEvent OnMeasureItem;
  TMenuDrawItemEvent OnDrawItem;

  // Raises OnClick when the item is enabled.
  virtual void Click();

  // Sub-items: an item with some opens a sub-menu (a stored form nests them).
  const std::vector<TMenuItem*>& Items() const { return FItems; }
  void Add(TMenuItem* item);
  bool AcceptChild(TComponent* child) override;
  // The item of `command` among this one and its sub-items, or null.
  TMenuItem* FindCommand(UINT command);
  TNotifyEvent OnClick;

  // Set by the menu or item the item is added to.
  void SetParentMenu(TComponent* parent) { FParent = parent; }

 private:
  std::string FCaption, FShortCut;
  bool FEnabled = true, FChecked = false, FDefault = false, FVisible = true;
  int FImageIndex = -1;
  UINT FCommand;
  std::vector<TMenuItem*> FItems;
  TComponent* FParent = nullptr;

 protected:
  void Notification(TComponent* component, TOperation operation) override;
};

class TPopupMenu : public TComponent {
 public:
  explicit TPopupMenu(TComponent* owner);
  ~TPopupMenu() override;
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  const std::vector<TMenuItem*>& Items() const { return FItems; }
  void Add(TMenuItem* item);
  bool AcceptChild(TComponent* child) override;

  bool AutoPopup() const { return FAutoPopup; }
  void SetAutoPopup(bool v) { FAutoPopup = v; }
  // The component that opened the menu last (the tray icon, for the tray menu).
  TComponent* PopupComponent() const { return FPopupComponent; }
  void SetPopupComponent(TComponent* component) { FPopupComponent = component; }

  // The default item nearest the top, if any.
  TMenuItem* DefaultItem() const;
  // The item of `command` among the items and their sub-items, or null.
  TMenuItem* FindCommand(UINT command) const;

  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* images);
  // Owner-drawn menus are built with owner-drawn items (their texts kept) and measured
  // and drawn by their items (MeasureItem, DrawItem).
  bool OwnerDraw() const { return FOwnerDraw; }
  void SetOwnerDraw(bool v) { FOwnerDraw = v; }
  // The menu handle while the menu is open, else null.
  HMENU Handle() const { return FHandle; }

  // Opens the menu at (x, y) in screen coordinates, owned by `owner`, and clicks the
  // chosen item once the menu is closed. Returns the chosen item, or null.
  TMenuItem* Popup(int x, int y, HWND owner);
  // The same without the click: the caller clicks the item when it is ready for it.
  TMenuItem* Track(int x, int y, HWND owner);

  // The menu open right now, if any. While it is open, the menu messages its owner
  // window receives (WM_INITMENUPOPUP, WM_MEASUREITEM, WM_DRAWITEM, WM_MENUSELECT...)
  // are offered to it through DispatchMenuOwnerMessage.
  static TPopupMenu* Tracking() { return FTracking; }
  // A menu message of the owner window; true when the menu answered it. An owner-drawn
  // menu answers WM_MEASUREITEM and WM_DRAWITEM of its own items.
  virtual bool OwnerMessage(TMessage& message);

  TNotifyEvent OnPopup;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  std::vector<TMenuItem*> FItems;
  bool FAutoPopup = true;
  bool FOwnerDraw = false;
  TImageList* FImages = nullptr;
  HMENU FHandle = nullptr;
  TComponent* FPopupComponent = nullptr;
  static inline TPopupMenu* FTracking = nullptr;
  // False once the menu is being destroyed: a message handled while the menu is open
  // may free it.
  std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);
};

// For the window procedure of a menu's owner window: offers a menu message to the menu
// being tracked; true (with the answer in Result) when it took the message.
bool DispatchMenuOwnerMessage(TMessage& message);
// A window procedure's tail for a window that owns menus: the menu message goes to the
// tracked menu (its errors to the application's error box), anything else to
// DefWindowProcA.
LRESULT MenuOwnerWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

// Turns every item of `menu` and of its sub-menus owner-drawn, keeping each item's text
// and its other type bits (only the type is written). False when an item could not be
// read or written.
bool MakeMenuOwnerDrawn(HMENU menu);
// The same both ways: `ownerDraw` false gives the items back to the system's drawing.
bool SetMenuOwnerDraw(HMENU menu, bool ownerDraw);

// Answers WM_MEASUREITEM / WM_DRAWITEM of a menu item for `item`: the item is measured
// in the screen's menu font; true when the message was a menu item's.
bool MeasureMenuItem(TMenuItem& item, MEASUREITEMSTRUCT& measure);
bool DrawMenuItem(TMenuItem& item, const DRAWITEMSTRUCT& draw);

// A window's menu bar: its items are the bar's entries, their sub-items the menus they
// open. The bar is built when a window takes it and lives until the menu is freed.
class TMainMenu : public TComponent {
 public:
  explicit TMainMenu(TComponent* owner);
  ~TMainMenu() override;
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  const std::vector<TMenuItem*>& Items() const { return FItems; }
  bool AcceptChild(TComponent* child) override;
  // Builds the bar and gives it to `window`.
  void AttachTo(HWND window);
  HMENU Handle() const { return FMenu; }
  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* images);
  // The item of `command`, or null.
  TMenuItem* FindCommand(UINT command) const;
  // Clicks the item of a WM_COMMAND from the bar; false when no item has `command`.
  bool DispatchCommand(UINT command);

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  std::vector<TMenuItem*> FItems;
  HMENU FMenu = nullptr;
  HWND FWindow = nullptr;
  TImageList* FImages = nullptr;
};

}  // namespace velmora
