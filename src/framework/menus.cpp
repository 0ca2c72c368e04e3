// Pop-up menus.
#include "framework/menus.h"

#include <algorithm>

#include "framework/application.h"
#include "framework/framework_messages.h"
#include "framework/gdi_object.h"
#include "framework/icons.h"
#include "framework/screen.h"

namespace velmora {

namespace {

UINT nextCommand() {
  static UINT command = 100;
  return ++command;
}

// The item of `command` among `items` and their sub-items, or null.
TMenuItem* findCommandIn(const std::vector<TMenuItem*>& items, UINT command) {
  for (TMenuItem* item : items)
    if (TMenuItem* found = item->FindCommand(command)) return found;
  return nullptr;
}

void setImageList(TImageList*& field, TImageList* images, TComponent* listener) {
  field = images;
  if (images) images->FreeNotification(listener);
}

// A built menu, destroyed with the scope.
class MenuHandle {
 public:
  MenuHandle() : FMenu(CreatePopupMenu()) {}
  ~MenuHandle() {
    if (FMenu) DestroyMenu(FMenu);
  }
  MenuHandle(const MenuHandle&) = delete;
  MenuHandle& operator=(const MenuHandle&) = delete;
  HMENU Get() const { return FMenu; }

 private:
  HMENU FMenu;
};

}  // namespace

const TClassInfo& TMenuItem::StaticClassInfo() {
  static const TClassInfo info{
      "TMenuItem",
      &TComponent::StaticClassInfo(),
      {
          props::String<TMenuItem>("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption),
          props::Boolean<TMenuItem>("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled),
          props::Boolean<TMenuItem>("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked),
          props::Boolean<TMenuItem>("Default", &TMenuItem::Default, &TMenuItem::SetDefault),
          props::Boolean<TMenuItem>("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible),
          props::String<TMenuItem>("ShortCut", &TMenuItem::ShortCut, &TMenuItem::SetShortCut),
          props::Integer<TMenuItem, int>("ImageIndex", &TMenuItem::ImageIndex, &TMenuItem::SetImageIndex),
          props::Event<TMenuItem>("OnClick", &TMenuItem::OnClick),
          props::Event<TMenuItem>("OnMeasureItem", &TMenuItem::OnMeasureItem),
          props::Event<TMenuItem>("OnDrawItem", &TMenuItem::OnDrawItem),
      },
      [](TComponent* owner) -> TComponent* { return new TMenuItem(owner); }};
  return info;
}

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), FCommand(nextCommand()) {}

void TMenuItem::Click() {
  // From a copy: the command may free the item (a command that closes the window).
  if (TNotifyEvent event = OnClick; FEnabled && event) event(this);
}

const TClassInfo& TPopupMenu::StaticClassInfo() {
  static const TClassInfo info{
      "TPopupMenu",
      &TComponent::StaticClassInfo(),
      {
          props::Boolean<TPopupMenu>("AutoPopup", &TPopupMenu::AutoPopup, &TPopupMenu::SetAutoPopup),
          props::Boolean<TPopupMenu>("OwnerDraw", &TPopupMenu::OwnerDraw, &TPopupMenu::SetOwnerDraw),
          props::Object<TPopupMenu, TImageList>("Images", &TPopupMenu::Images, &TPopupMenu::SetImages),
          props::Event<TPopupMenu>("OnPopup", &TPopupMenu::OnPopup),
      },
      [](TComponent* owner) -> TComponent* { return new TPopupMenu(owner); }};
  return info;
}

TPopupMenu::TPopupMenu(TComponent* owner) : TComponent(owner) {}

TPopupMenu::~TPopupMenu() {
  *FAlive = false;
  if (FTracking == this) FTracking = nullptr;
}

void TPopupMenu::Add(TMenuItem* item) {
  if (std::find(FItems.begin(), FItems.end(), item) == FItems.end()) {
    FItems.push_back(item);
    item->FreeNotification(this);
    item->SetParentMenu(this);
  }
}

void TPopupMenu::SetImages(TImageList* images) { setImageList(FImages, images, this); }

TMenuItem* TPopupMenu::FindCommand(UINT command) const { return findCommandIn(FItems, command); }

bool TPopupMenu::OwnerMessage(TMessage& message) {
  if (message.Msg == WM_MEASUREITEM) {
    auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam);
    if (!measure || measure->CtlType != ODT_MENU) return false;
    TMenuItem* item = FindCommand(measure->itemID);
    if (!item || !MeasureMenuItem(*item, *measure)) return false;
    message.Result = TRUE;
    return true;
  }
  if (message.Msg == WM_DRAWITEM) {
    const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam);
    if (!draw || draw->CtlType != ODT_MENU || reinterpret_cast<HMENU>(draw->hwndItem) != FHandle) return false;
    TMenuItem* item = FindCommand(draw->itemID);
    if (!item || !DrawMenuItem(*item, *draw)) return false;
    message.Result = TRUE;
    return true;
  }
  return false;
}

bool TPopupMenu::AcceptChild(TComponent* child) {
  auto* item = dynamic_cast<TMenuItem*>(child);
  if (item) Add(item);
  return item != nullptr;
}

void TPopupMenu::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  FItems.erase(std::remove(FItems.begin(), FItems.end(), component), FItems.end());
  if (component == FPopupComponent) FPopupComponent = nullptr;
  if (component == FImages) FImages = nullptr;
}

TMenuItem* TPopupMenu::DefaultItem() const {
  for (TMenuItem* item : FItems)
    if (item->Visible() && item->Default()) return item;
  return nullptr;
}

TMenuItem* TPopupMenu::Popup(int x, int y, HWND owner) {
  TMenuItem* chosen = Track(x, y, owner);
  if (chosen) chosen->Click();
  return chosen;
}

LRESULT MenuOwnerWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage message{msg, wParam, lParam, 0};
  try {
    if (DispatchMenuOwnerMessage(message)) return message.Result;
  } catch (...) {
    Application.HandleException();
    return 0;
  }
  return DefWindowProcA(window, msg, wParam, lParam);
}

bool DispatchMenuOwnerMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_INITMENU:
    case WM_INITMENUPOPUP:
    case WM_UNINITMENUPOPUP:
    case WM_MENUSELECT:
    case WM_MENUCHAR:
    case WM_MEASUREITEM:
    case WM_DRAWITEM:
    case WM_ENTERIDLE:
      break;
    default:
      return false;
  }
  TPopupMenu* menu = TPopupMenu::Tracking();
  return menu && menu->OwnerMessage(message);
}

TMenuItem* TPopupMenu::Track(int x, int y, HWND owner) {
  const std::shared_ptr<bool> alive = FAlive;
  if (OnPopup) OnPopup(this);
  if (!*alive) return nullptr;
  MenuHandle menu;
  for (TMenuItem* item : FItems) {
    if (!item->Visible()) continue;
    UINT flags = item->Caption() == "-" ? MF_SEPARATOR : MF_STRING;
    if (!item->Enabled()) flags |= MF_GRAYED;
    if (item->Checked()) flags |= MF_CHECKED;
    AppendMenuA(menu.Get(), flags, item->Command(), item->Caption().c_str());
    if (item->Default()) SetMenuDefaultItem(menu.Get(), item->Command(), FALSE);
  }
  if (FOwnerDraw) MakeMenuOwnerDrawn(menu.Get());
  // The owner hears of the menu (WM_INITMENUPOPUP and the others) but gets no
  // WM_COMMAND: the chosen command comes back here.
  TPopupMenu* outer = FTracking;
  HMENU outerHandle = FHandle;
  FTracking = this;
  FHandle = menu.Get();
  const UINT chosen = static_cast<UINT>(
      TrackPopupMenu(menu.Get(), TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, x, y, 0, owner, nullptr));
  if (!*alive) {  // freed while it was open
    if (FTracking == this) FTracking = outer;
    return nullptr;
  }
  FTracking = outer;
  FHandle = outerHandle;
  for (TMenuItem* item : FItems)
    if (chosen && item->Command() == chosen) return item;
  return nullptr;
}

}  // namespace velmora

namespace velmora {

namespace {

template <class List>
void addOnce(List& items, TMenuItem* item, TComponent* listener) {
  if (std::find(items.begin(), items.end(), item) != items.end()) return;
  items.push_back(item);
  item->FreeNotification(listener);
}

// Appends `items` to `menu`: sub-menus for items with sub-items, "-" a separator.
void appendItems(HMENU menu, const std::vector<TMenuItem*>& items) {
  for (TMenuItem* item : items) {
    if (!item->Visible()) continue;
    if (item->Caption() == "-") {
      AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    // An item that opens a sub-menu keeps its own command as its id too, so the
    // menu's messages about it name the item.
    std::string caption = item->Caption();
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_STRING;
    info.fType = MFT_STRING;
    info.fState = (item->Enabled() ? MFS_ENABLED : MFS_GRAYED) | (item->Checked() ? MFS_CHECKED : 0u);
    info.wID = item->Command();
    info.dwTypeData = caption.data();
    if (!item->Items().empty()) {
      info.fMask |= MIIM_SUBMENU;
      info.hSubMenu = CreatePopupMenu();
      appendItems(info.hSubMenu, item->Items());
    }
    if (!InsertMenuItemA(menu, static_cast<UINT>(GetMenuItemCount(menu)), TRUE, &info) && info.hSubMenu)
      DestroyMenu(info.hSubMenu);
  }
}

}  // namespace

void TMenuItem::Add(TMenuItem* item) {
  addOnce(FItems, item, this);
  item->SetParentMenu(this);
}

bool TMenuItem::AcceptChild(TComponent* child) {
  auto* item = dynamic_cast<TMenuItem*>(child);
  if (item) Add(item);
  return item != nullptr;
}

TMenuItem* TMenuItem::FindCommand(UINT command) {
  if (FCommand == command) return this;
  for (TMenuItem* item : FItems)
    if (TMenuItem* found = item->FindCommand(command)) return found;
  return nullptr;
}

void TMenuItem::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  FItems.erase(std::remove(FItems.begin(), FItems.end(), component), FItems.end());
  if (component == FParent) FParent = nullptr;
}

const TClassInfo& TMainMenu::StaticClassInfo() {
  static const TClassInfo info{
      "TMainMenu",
      &TComponent::StaticClassInfo(),
      {props::Object<TMainMenu, TImageList>("Images", &TMainMenu::Images, &TMainMenu::SetImages)},
      [](TComponent* owner) -> TComponent* { return new TMainMenu(owner); }};
  return info;
}

TMainMenu::TMainMenu(TComponent* owner) : TComponent(owner) {}

TMainMenu::~TMainMenu() {
  if (!FMenu) return;
  // A window destroys its menu with itself: take ours back from a live window first.
  if (FWindow && IsWindow(FWindow) && GetMenu(FWindow) == FMenu) SetMenu(FWindow, nullptr);
  DestroyMenu(FMenu);
}

bool TMainMenu::AcceptChild(TComponent* child) {
  auto* item = dynamic_cast<TMenuItem*>(child);
  if (item) {
    addOnce(FItems, item, this);
    item->SetParentMenu(this);
  }
  return item != nullptr;
}

void TMainMenu::SetImages(TImageList* images) { setImageList(FImages, images, this); }

TMenuItem* TMainMenu::FindCommand(UINT command) const { return findCommandIn(FItems, command); }

void TMainMenu::AttachTo(HWND window) {
  if (FMenu) {
    if (FWindow && IsWindow(FWindow) && GetMenu(FWindow) == FMenu) SetMenu(FWindow, nullptr);
    DestroyMenu(FMenu);
  }
  FMenu = CreateMenu();
  appendItems(FMenu, FItems);
  FWindow = window;
  SetMenu(window, FMenu);
  // Whoever draws the window's bar in its place reads it again.
  SendMessageA(window, CM_MENUCHANGED, 0, 0);
}

bool TMainMenu::DispatchCommand(UINT command) {
  TMenuItem* found = FindCommand(command);
  if (found) found->Click();
  return found != nullptr;
}

void TMainMenu::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  FItems.erase(std::remove(FItems.begin(), FItems.end(), component), FItems.end());
  if (component == FImages) FImages = nullptr;
}

}  // namespace velmora
