// The skinned menu bar at work: taking the window's bar over and giving it back,
// opening an item's drop-down under it, moving to the neighbouring item with the arrow
// keys or the mouse while a drop-down is open, and the keyboard's ways into the bar.
//
// A drop-down is the window's own menu shown with TrackPopupMenu, whose modal loop
// shows every message it takes to a message-filter hook first. The hook closes the
// open drop-down when the user moves to another item and leaves that item's number
// behind; TrackMenuBtn then opens it once the first loop has ended, so two menu loops
// never run inside each other.
#include "framework/form.h"
#include "framework/menus.h"
#include "skin/forms/menu_bar_layout.h"
#include "skin/forms/skin_manager.h"
#include "skin/forms/win_skin_form.h"

namespace velmora {

namespace {

// The one drop-down of a menu bar that can be open at a time.
struct TBarTracking {
  TWinSkinForm* Form = nullptr;
  int Index = -1;          // the item whose drop-down is open
  int Next = -1;           // the item to open once it has closed
  HMENU Top = nullptr;     // the open item's drop-down
  HMENU SelectedMenu = nullptr;
  UINT SelectedFlags = 0xFFFF;  // of the item selected last; 0xFFFF: none
  POINT LastCursor{};
  bool DownKeySent = false;
  bool Ended = false;      // Alt pressed: no more moving across the bar
  HHOOK Hook = nullptr;
};

TBarTracking Tracking;

constexpr UINT NoSelection = 0xFFFF;
constexpr UINT BarDropDownFlags = TPM_NONOTIFY | TPM_RIGHTBUTTON;

TMainMenu* mainMenuOf(TForm* form, HMENU menu) {
  if (!form || !menu) return nullptr;
  if (auto* bar = dynamic_cast<TMainMenu*>(form->Menu()); bar && bar->Handle() == menu) return bar;
  for (TComponent* component : form->Components())
    if (auto* bar = dynamic_cast<TMainMenu*>(component); bar && bar->Handle() == menu) return bar;
  return nullptr;
}

// Alt held, Ctrl and Shift not.
bool onlyAlt(LPARAM keyData) {
  const bool alt = (keyData & (1 << 29)) != 0;
  return alt && GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_SHIFT) >= 0;
}

}  // namespace

LRESULT CALLBACK BarMenuFilter(int code, WPARAM wParam, LPARAM lParam) {
  auto* msg = reinterpret_cast<MSG*>(lParam);
  TWinSkinForm* form = Tracking.Form;
  // In a right-to-left bar the arrow keys point the other way.
  if (msg && form && form->SkinMenu() && form->SkinMenu()->RightToLeft() && msg->message == WM_KEYDOWN &&
      (msg->wParam == VK_LEFT || msg->wParam == VK_RIGHT))
    msg->wParam = msg->wParam == VK_LEFT ? VK_RIGHT : VK_LEFT;
  const LRESULT next = CallNextHookEx(Tracking.Hook, code, wParam, lParam);
  if (next || code != MSGF_MENU || !msg || !form) return next;
  return form->menuBarFilter(*msg) ? 1 : 0;
}

void TWinSkinForm::ForgetObject(TNCObject* object) {
  if (FHotObject == object) FHotObject = nullptr;
  if (FPressedObject == object) FPressedObject = nullptr;
}

void TWinSkinForm::skinMenuBar() {
  if (FSkinMenu || !FSkinFrame || !FMenu || FFormKind == fkMDIChild || FBorderKind == bkNone) return;
  FSkinMenu = std::make_unique<TWinSkinMenu>(this, FSkinData, FMenu, mainMenuOf(FForm, FMenu));
  FSkinMenu->BuildItems();
}

void TWinSkinForm::unskinMenuBar(bool windowAlive) {
  if (!FSkinMenu) return;
  FSkinMenu->GiveBack(windowAlive);
  FSkinMenu.reset();
}

void TWinSkinForm::OpenButtonAt(const TMenuBtn& button) {
  RECT window{};
  GetWindowRect(FHandle, &window);
  const POINT at{window.left + button.Rect().left + 1, window.top + button.Rect().top + 1};
  PostMessageA(FHandle, WM_NCLBUTTONDOWN, HTCLIENT, MAKELPARAM(at.x, at.y));
}

TMenuBtn* TWinSkinForm::FindAccelButton(unsigned key) const {
  return FSkinMenu ? FSkinMenu->FindAccelButton(key) : nullptr;
}

void TWinSkinForm::TrackMenuBtn(TMenuBtn& pressed) {
  if (Tracking.Form) return;  // a drop-down is open already
  int index = pressed.Index();
  while (index >= 0 && FSkinMenu && FAttached) {
    TMenuBtn* button = FSkinMenu->Button(index);
    if (!button) break;
    // What the loop needs is copied: a rebuild of the bar while the drop-down is open
    // frees the item.
    const HMENU subMenu = button->SubMenu();
    const UINT command = button->Command();
    const bool enabled = button->Enabled();
    const RECT rect = button->Rect();
    if (button != FHotObject || button->State() != ncPressed) button->MouseDown();
    // An item without a drop-down is a command; a framework item is told it opens. A
    // foreign item with a drop-down has the drop-down's handle for its id: no command.
    if (!subMenu || button->Item()) PostMessageA(FHandle, WM_COMMAND, command, 0);
    if (!subMenu || !enabled) break;

    Tracking = TBarTracking{};
    Tracking.Form = this;
    Tracking.Index = index;
    Tracking.Top = subMenu;
    GetCursorPos(&Tracking.LastCursor);
    const bool ownerDrawn = FMenuPainter && SetMenuOwnerDraw(subMenu, true);
    FMenuTracking = true;
    RECT window{};
    GetWindowRect(FHandle, &window);
    const bool rightToLeft = FSkinMenu->RightToLeft();
    const int x = window.left + (rightToLeft ? rect.right : rect.left);
    const int y = window.top + rect.bottom;
    FManager->SetMenuKind(smkMenuBar);
    FManager->SetMenuFromBar(true);
    Tracking.Hook = SetWindowsHookExA(WH_MSGFILTER, BarMenuFilter, nullptr, GetCurrentThreadId());
    TrackPopupMenu(subMenu, BarDropDownFlags | (rightToLeft ? TPM_RIGHTALIGN : 0u), x, y, 0, FHandle, nullptr);
    if (Tracking.Hook) UnhookWindowsHookEx(Tracking.Hook);
    const int next = Tracking.Ended ? -1 : Tracking.Next;
    Tracking = TBarTracking{};
    FMenuTracking = false;
    // The items go back to the system's drawing: the window may get its bar back.
    if (ownerDrawn && IsMenu(subMenu)) SetMenuOwnerDraw(subMenu, false);
    if (FSkinMenu)
      if (TMenuBtn* open = FSkinMenu->Button(index); open && open == FHotObject) open->MouseLeave();
    index = next;
  }
}

namespace {

HMENU menuHolding(HMENU menu, UINT itemId, int depth) {
  const int count = menu && depth < 16 ? GetMenuItemCount(menu) : 0;
  for (int i = 0; i < count; ++i) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_SUBMENU;
    if (!GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info)) continue;
    if (info.wID == itemId) return menu;
    if (HMENU inner = menuHolding(info.hSubMenu, itemId, depth + 1)) return inner;
  }
  return nullptr;
}

}  // namespace

HMENU TWinSkinForm::barMenuHolding(UINT itemId) const {
  return Tracking.Form == this ? menuHolding(Tracking.Top, itemId, 0) : nullptr;
}

void TWinSkinForm::menuSelect(WPARAM wParam, LPARAM lParam) {
  if (Tracking.Form != this) return;
  const UINT flags = HIWORD(wParam);
  if (flags == NoSelection && !lParam) return;  // the drop-down closes
  Tracking.SelectedFlags = flags;
  Tracking.SelectedMenu = reinterpret_cast<HMENU>(lParam);
}

bool TWinSkinForm::menuBarFilter(MSG& msg) {
  if (!FSkinMenu || Tracking.Ended) return false;
  if (!Tracking.DownKeySent) {
    // The first item of a drop-down opened from the bar is highlighted at once.
    Tracking.DownKeySent = true;
    PostMessageA(msg.hwnd ? msg.hwnd : FHandle, WM_KEYDOWN, VK_DOWN, 0);
  }
  // The item an arrow key moves to, among those that can open.
  const auto neighbour = [this](int step) {
    std::vector<bool> canOpen;
    for (const auto& button : FSkinMenu->Buttons())
      canOpen.push_back(button->Visible() && button->Enabled() && !button->Caption().empty());
    return NeighbourMenuItem(canOpen, Tracking.Index, step);
  };
  int target = -1;
  bool key = false;
  switch (msg.message) {
    case WM_KEYDOWN: {
      const bool selected = Tracking.SelectedFlags != NoSelection && Tracking.SelectedMenu;
      if (msg.wParam == VK_RIGHT && !(selected && (Tracking.SelectedFlags & MF_POPUP))) {
        target = neighbour(1);
        key = true;
      } else if (msg.wParam == VK_LEFT && (!selected || Tracking.SelectedMenu == Tracking.Top)) {
        target = neighbour(-1);
        key = true;
      }
      break;
    }
    case WM_SYSKEYDOWN:
      if (msg.wParam == VK_MENU) Tracking.Ended = true;
      break;
    case WM_MOUSEMOVE: {
      if (msg.pt.x == Tracking.LastCursor.x && msg.pt.y == Tracking.LastCursor.y) break;
      Tracking.LastCursor = msg.pt;
      if (TMenuBtn* under = FSkinMenu->FindButton(toWindow(MAKELPARAM(msg.pt.x, msg.pt.y))))
        if (under->Enabled()) target = under->Index();
      break;
    }
    default:
      break;
  }
  if (target < 0 || target == Tracking.Index) return false;
  Tracking.Next = target;
  EndMenu();
  return key;  // the arrow key has done its work
}

bool TWinSkinForm::keyMenu(unsigned key) {
  if (!FSkinMenu) return false;
  // Alt or F10 alone opens the first item; Alt with a letter the item it names.
  TMenuBtn* button = key ? FindAccelButton(key) : FSkinMenu->FirstButton();
  if (button)
    OpenButtonAt(*button);
  else
    MessageBeep(0);
  return true;
}

bool TWinSkinForm::dialogChar(const TMessage& message) {
  if (!FSkinMenu || !onlyAlt(message.LParam)) return false;
  TMenuBtn* button = FindAccelButton(static_cast<unsigned>(message.WParam));
  if (!button) return false;
  OpenButtonAt(*button);
  return true;
}

}  // namespace velmora
