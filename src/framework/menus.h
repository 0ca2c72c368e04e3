// Pop-up menus with items, restorable from a stored form (items are the menu's child
// objects there). A menu is built into a system menu each time it opens, so what it
// shows always follows the items' current captions and states.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "framework/component.h"
#include "framework/control.h"

namespace velmora {

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

  // Raises OnClick when the item is enabled.
  virtual void Click();

  // Sub-items: an item with some opens a sub-menu (a stored form nests them).
  const std::vector<TMenuItem*>& Items() const { return FItems; }
  void Add(TMenuItem* item);
  bool AcceptChild(TComponent* child) override;
  // The item of `command` among this one and its sub-items, or null.
  TMenuItem* FindCommand(UINT command);
  TNotifyEvent OnClick;

 private:
  std::string FCaption;
  bool FEnabled = true, FChecked = false, FDefault = false, FVisible = true;
  UINT FCommand;
  std::vector<TMenuItem*> FItems;

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

  // Opens the menu at (x, y) in screen coordinates, owned by `owner`, and clicks the
  // chosen item once the menu is closed. Returns the chosen item, or null.
  TMenuItem* Popup(int x, int y, HWND owner);
  // The same without the click: the caller clicks the item when it is ready for it.
  TMenuItem* Track(int x, int y, HWND owner);

  // The menu open right now, if any. While it is open, the menu messages its owner
  // window receives (WM_INITMENUPOPUP, WM_MEASUREITEM, WM_DRAWITEM, WM_MENUSELECT...)
  // are offered to it through DispatchMenuOwnerMessage.
  static TPopupMenu* Tracking() { return FTracking; }
  // A menu message of the owner window; true when the menu answered it.
  virtual bool OwnerMessage(TMessage& message) {
    (void)message;
    return false;
  }

  TNotifyEvent OnPopup;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  std::vector<TMenuItem*> FItems;
  bool FAutoPopup = true;
  TComponent* FPopupComponent = nullptr;
  static inline TPopupMenu* FTracking = nullptr;
  // False once the menu is being destroyed: a message handled while the menu is open
  // may free it.
  std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);
};

// For the window procedure of a menu's owner window: offers a menu message to the menu
// being tracked; true (with the answer in Result) when it took the message.
bool DispatchMenuOwnerMessage(TMessage& message);

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
  // Clicks the item of a WM_COMMAND from the bar; false when no item has `command`.
  bool DispatchCommand(UINT command);

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  std::vector<TMenuItem*> FItems;
  HMENU FMenu = nullptr;
  HWND FWindow = nullptr;
};

}  // namespace velmora
