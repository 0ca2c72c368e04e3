// A form skin's caption buttons: visibility, layout and drawing, the non-client mouse
// messages, the buttons' actions and the skinned system menu.
#include <windowsx.h>

#include <algorithm>

#include "skin/data/skin_data.h"
#include "skin/forms/skin_manager.h"
#include "skin/forms/skin_messages.h"
#include "skin/forms/win_skin_form.h"

namespace velmora {

TButtonContext TWinSkinForm::buttonContext() const {
  TButtonContext c;
  c.Maximized = FSizeState == ssMaximized;
  c.Active = FActive;
  c.Icons = FBorderIcons;
  c.MDIMainWithMaximizedChild = FFormKind == fkMDIMain && FManager->MDIMaximized() && FMenu != nullptr;
  c.BorderKind = FBorderKind;
  c.DialogBox = FDialogBox;
  return c;
}

bool TWinSkinForm::IsVisible(TWinSysButton& button) {
  const HWND window = FHandle;
  const TButtonShown shown = ButtonShown(button.Data(), buttonContext(), [window](int code, int action) {
    return SendMessageA(window, WM_SKINBUTTONVISIBLE, static_cast<WPARAM>(code), action) >= 1;
  });
  button.SetVisible(shown.Visible);
  button.SetEnabled(shown.Enabled);
  return shown.Visible;
}

void TWinSkinForm::LayoutButtons() {
  TButtonLayoutContext context;
  RECT window{};
  GetWindowRect(FHandle, &window);
  context.WindowWidth = window.right - window.left;
  context.CaptionRect = FCaptionRect;
  context.Metrics = FMetrics;
  if (FSkinData && FSkinData->Records.MenuBar) context.MenuBarLeftWidth = FSkinData->Records.MenuBar->LeftWidth;
  for (auto& button : FSysButtons) {
    if (!button->Visible()) continue;
    SIZE size = ButtonSize(button->Data());
    if (button->IsIconButton() && button->Data().Map.Empty()) size = {FIconSize, FIconSize};
    if (size.cx <= 0 || size.cy <= 0) continue;
    button->SetRect(ButtonRect(size, button->Data().Align, button->Data().Xcoord, button->Data().Ycoord, context));
  }
}

void TWinSkinForm::PaintButtons(HDC dc) {
  for (const auto& button : FSysButtons) {
    const TDataSkinSysButton& data = button->Data();
    if (!button->Visible() || data.Visibility == 100) continue;
    if (data.Map.Empty() && !(button->IsIconButton() && FIcon)) continue;
    const bool inState = button.get() == FHotObject && button->State() != ncNormal;
    const int frame = inState ? DirectButtonFrame(button->State(), button->Enabled(), false, button->FrameCount())
                              : TitleButtonFrame(FActive, button->Enabled(), button->FrameCount());
    button->Draw(dc, frame);
  }
}

TNCObject* TWinSkinForm::FindObject(POINT p) const {
  for (const auto& button : FSysButtons)
    if (button->Visible() && button->Data().Action >= 0 && PtInRect(&button->Rect(), p)) return button.get();
  return FSkinMenu ? FSkinMenu->FindButton(p) : nullptr;
}

bool TWinSkinForm::mouseMessage(UINT msg, WPARAM wParam, LPARAM lParam, const TSubclassNext& next, LRESULT& result) {
  const POINT p = toWindow(lParam);
  TNCObject* object = FindObject(p);
  switch (msg) {
    case WM_NCMOUSEMOVE:
      if (!FActive) return false;
      if (object) {
        object->MouseMove();
        result = 0;
        return true;
      }
      if (FHotObject) {
        FPressedObject = nullptr;
        FHotObject->MouseLeave();
      }
      return false;
    case WM_NCLBUTTONDOWN:
      if (object) {
        if (!FActive) SetForegroundWindow(FHandle);
        result = 0;
        if (auto* item = dynamic_cast<TMenuBtn*>(object)) {
          // The item stays pressed while its drop-down is open; the item may be gone
          // when the drop-down has closed.
          FPressedObject = nullptr;
          item->MouseDown();
          TrackMenuBtn(*item);
          return true;
        }
        FPressedObject = object;
        object->MouseDown();
        return true;
      }
      FPressedObject = nullptr;
      if (FSizeState == ssMaximized && FActive && wParam == HTCAPTION) {
        // A maximised window is not dragged by its caption.
        result = next(msg, HTMENU, lParam);
        return true;
      }
      return false;
    case WM_NCLBUTTONUP: {
      TNCObject* pressed = std::exchange(FPressedObject, nullptr);
      if (!object) return false;
      if (object == FHotObject && dynamic_cast<TWinSysButton*>(object)) {
        // A command only for a press and a release on the same button.
        const bool clicked = pressed == object && object->State() == ncPressed;
        object->MouseUp();
        if (clicked) ExecuteAction(p.x, p.y);
      }
      result = 0;
      return true;
    }
    case WM_NCLBUTTONDBLCLK:
      if (object) {
        if (auto* button = dynamic_cast<TWinSysButton*>(object); button && button->IsIconButton()) {
          startTimer(false);
          PostMessageA(FHandle, WM_SYSCOMMAND, SC_CLOSE, 0);
        }
        result = 0;
        return true;
      }
      if (FSizeState != ssNormal) {
        PostMessageA(FHandle, WM_SYSCOMMAND, SC_RESTORE, 0);
      } else if (FBorderIcons & sbiMaximize) {
        PostMessageA(FHandle, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
      } else {
        return false;
      }
      result = 0;
      return true;
    case WM_NCRBUTTONDOWN:
      if (wParam != HTCAPTION || FFormKind == fkMDIChild) return false;
      ShowSysMenu({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      result = 0;
      return true;
    default:
      return false;
  }
}

void TWinSkinForm::maximizeOrRestore() {
  if (FSizeState == ssMaximized) {
    FSizeState = ssNormal;
    PostMessageA(FHandle, WM_SYSCOMMAND, SC_RESTORE, 0);
    return;
  }
  if (FFormKind == fkMDIChild) FManager->SetMDIMaximized(true);
  FSizeState = ssMaximized;
  PostMessageA(FHandle, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  if (FHotObject) FHotObject->MouseLeave();
  FHotObject = nullptr;
}

void TWinSkinForm::minimizeOrRestore() {
  if (FSizeState == ssMinimized) {
    FSizeState = ssNormal;
    PostMessageA(FHandle, WM_SYSCOMMAND, SC_RESTORE, 0);
    return;
  }
  FSizeState = ssMinimized;
  restoreSystemMenuStyle();
  PostMessageA(FHandle, WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

void TWinSkinForm::ExecuteAction(int x, int y) {
  auto* button = dynamic_cast<TWinSysButton*>(FHotObject);
  if (!button) return;
  const int action = button->Data().Action;
  const auto toActiveChild = [this](UINT command) {
    const HWND client = FManager->MDIClient();
    if (!client) return;
    if (HWND child = reinterpret_cast<HWND>(SendMessageA(client, WM_MDIGETACTIVE, 0, 0)))
      PostMessageA(child, WM_SYSCOMMAND, command, 0);
  };
  switch (action) {
    case 0:
      if (FSystemMenu && GetMenuState(FSystemMenu, SC_CLOSE, MF_BYCOMMAND) != static_cast<UINT>(-1)) {
        startTimer(false);
        PostMessageA(FHandle, WM_SYSCOMMAND, SC_CLOSE, 0);
      }
      return;
    case 1:
    case 22:
      if (button->Enabled()) maximizeOrRestore();
      return;
    case 2:
    case 23:
      if (button->Enabled()) minimizeOrRestore();
      return;
    case 3:
    case 11:
    case 12: {
      RECT window{};
      GetWindowRect(FHandle, &window);
      ShowSysMenu({window.left + x + 1, window.top + y + 1});
      return;
    }
    case 4: PostMessageA(FHandle, WM_SYSCOMMAND, SC_CONTEXTHELP, 0); return;
    case 7:
    case 60: toActiveChild(SC_MINIMIZE); return;
    case 8:
    case 61: toActiveChild(SC_RESTORE); return;
    case 9:
    case 62: toActiveChild(SC_CLOSE); return;
    default: PostMessageA(FHandle, WM_SKINBUTTON, static_cast<WPARAM>(action), 0); return;
  }
}

void TWinSkinForm::ShowSysMenu(POINT screenPoint) {
  if (FModule) return;  // a module's manager leaves the system menu to the program's
  const DWORD now = GetTickCount();
  const bool soon = FHadRightClick && static_cast<int>(FDblClickTime) >= 0 && now - FLastRightClick <= FDblClickTime;
  if (!soon) {
    FManager->SetMenuKind(smkSystemMenu);
    FLastRightClick = now;
    FHadRightClick = true;
    trackSystemMenu(screenPoint);
    return;
  }
  if (FHotObject) {
    // The second click of a double-click on the window icon closes the window.
    startTimer(false);
    PostMessageA(FHandle, WM_CLOSE, 0, 0);
  }
}

std::vector<TSystemMenuItem> BuildSystemMenuItems(const std::vector<TSystemMenuSource>& items, int sizeState,
                                                  unsigned icons) {
  std::vector<TSystemMenuItem> menu;
  for (const TSystemMenuSource& source : items) {
    TSystemMenuItem item;
    item.Text = source.Text.empty() ? "-" : source.Text;
    item.Command = source.Command;
    item.Enabled = !(source.State & MFS_GRAYED);
    item.Checked = (source.State & MFS_CHECKED) != 0;
    switch (source.Command) {
      case SC_RESTORE: item.Glyph = 0, item.Enabled = sizeState != ssNormal; break;
      case SC_MAXIMIZE: item.Glyph = 1, item.Enabled = sizeState != ssMaximized && (icons & sbiMaximize); break;
      case SC_MINIMIZE: item.Glyph = 2, item.Enabled = sizeState != ssMinimized && (icons & sbiMinimize); break;
      case SC_CLOSE: item.Glyph = 3; break;
      case SC_SIZE:
      case SC_MOVE: item.Enabled = sizeState != ssMaximized; break;
      default: break;
    }
    menu.push_back(item);
  }
  return menu;
}

std::vector<TSystemMenuItem> TWinSkinForm::SystemMenuItems() const {
  std::vector<TSystemMenuSource> sources;
  const int count = FSystemMenu ? GetMenuItemCount(FSystemMenu) : 0;
  for (int i = 0; i < count; ++i) {
    char text[256] = {};
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_STATE | MIIM_STRING | MIIM_FTYPE;
    info.dwTypeData = text;
    info.cch = sizeof text - 1;
    if (!GetMenuItemInfoA(FSystemMenu, static_cast<UINT>(i), TRUE, &info)) continue;
    sources.push_back({(info.fType & MFT_SEPARATOR) ? std::string() : std::string(text), info.wID, info.fState});
  }
  return BuildSystemMenuItems(sources, FSizeState, FBorderIcons);
}

void TWinSkinForm::trackSystemMenu(POINT screenPoint) {
  const std::vector<TSystemMenuItem> items = SystemMenuItems();
  if (items.empty()) return;
  struct MenuHandle {
    HMENU Handle = CreatePopupMenu();
    ~MenuHandle() {
      if (Handle) DestroyMenu(Handle);
    }
  } menu;
  if (!menu.Handle) return;
  // Drawn by the menu skin with the skin's glyphs once it takes the menu on.
  for (const TSystemMenuItem& item : items) {
    if (item.Text == "-") {
      AppendMenuA(menu.Handle, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    UINT flags = MF_STRING;
    if (!item.Enabled) flags |= MF_GRAYED;
    if (item.Checked) flags |= MF_CHECKED;
    AppendMenuA(menu.Handle, flags, item.Command, item.Text.c_str());
  }
  // Owner-drawn in the skin, their texts kept.
  if (FMenuPainter && FSkinData && InSet(FSkinData->SkinControls(), xcSystemMenu)) MakeMenuOwnerDrawn(menu.Handle);
  SetForegroundWindow(FHandle);
  FSysMenuPopup = menu.Handle;
  FSysMenuItems = items;
  const UINT command = static_cast<UINT>(TrackPopupMenu(menu.Handle, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON,
                                                        screenPoint.x, screenPoint.y, 0, FHandle, nullptr));
  FSysMenuPopup = nullptr;
  FSysMenuItems.clear();
  PostMessageA(FHandle, WM_NULL, 0, 0);
  if (command && IsWindow(FHandle)) PostMessageA(FHandle, WM_SYSCOMMAND, command, 0);
}

}  // namespace velmora
