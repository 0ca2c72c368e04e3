// The skinning of one top-level window: attachment, the window procedure layer and the
// framework form's message entry.
#include "skin/forms/win_skin_form.h"

#include <windowsx.h>

#include "framework/application.h"
#include "framework/form.h"
#include "framework/framework_messages.h"
#include "framework/rtti.h"
#include "skin/data/bitmap_helpers.h"
#include "skin/data/skin_data.h"
#include "skin/forms/skin_manager.h"
#include "skin/forms/skin_messages.h"

namespace velmora {

namespace {

TPlatformVersion platformVersion() {
  const DWORD version = GetVersion();
  return {static_cast<int>(LOBYTE(LOWORD(version))), static_cast<int>(HIBYTE(LOWORD(version))),
          (version & 0x80000000u) == 0};
}

bool isDialogClass(const std::string& name) { return name == "#32770" || name == "TMessageForm"; }

}  // namespace

TWinSkinForm::TWinSkinForm(TSkinManage* manager, HWND window, HMODULE module, std::string className)
    : TComponent(nullptr), FManager(manager), FWindowClass(std::move(className)), FHandle(window), FModule(module) {
  FDblClickTime = GetDoubleClickTime();
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof metrics;
  if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
    FCaptionFont.Reset(CreateFontIndirectA(&metrics.lfCaptionFont));
  FIconSize = GetSystemMetrics(SM_CXSMICON);
}

TWinSkinForm::~TWinSkinForm() {
  Unskin(true);
  FreeButtons();
  if (FForm) FForm->RemoveFreeNotification(this);
}

void TWinSkinForm::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove) forgetMenu(component);
  if (operation == TOperation::opRemove && component == FForm) {
    // The form goes before its window: its message entry goes with it.
    FFormLayer.Detach(false);
    FForm = nullptr;
  }
}

void TWinSkinForm::AttachForm(TSkinData* data, TForm* form) {
  FForm = form;
  if (form) form->FreeNotification(this);
  if (data->OnBeforeSkinForm) data->OnBeforeSkinForm(form, FHandle, FWindowClass);
  if (form && InSet(data->SkinControls(), xcMenuItem)) SetEnumProp(*form, "AutoScroll", "False");
  attach(data);
  if (!form) return;
  if (FSkinFrame) FFormLayer.Attach(*form, [this](TMessage& message) { FormWndProc(message); });
  FSavedColor = form->Color();
  form->SetColor(ColorToRGB(data->Colors.Colors[scButtonFace]));
}

void TWinSkinForm::AttachWindow(TSkinData* data) { attach(data); }

void TWinSkinForm::attach(TSkinData* data) {
  if (FAttached) return;
  FAttached = true;
  FManager->SetState(SkinManagerRunning);
  FSkinData = data;
  FStyle = static_cast<DWORD>(GetWindowLongPtrA(FHandle, GWL_STYLE));
  FExStyle = static_cast<DWORD>(GetWindowLongPtrA(FHandle, GWL_EXSTYLE));
  FOwnerWnd = GetWindow(FHandle, GW_OWNER);
  FSystemMenu = (FStyle & WS_SYSMENU) ? GetSystemMenu(FHandle, FALSE) : nullptr;
  FChildStyle = FStyle & WS_CHILD;
  FRightToLeft = FExStyle & WS_EX_LEFTSCROLLBAR;
  FSizeable = FStyle & WS_THICKFRAME;
  FDialogBox = isDialogClass(FWindowClass);
  FUnicode = IsWindowUnicode(FHandle);
  if (FExStyle & WS_EX_MDICHILD)
    FFormKind = fkMDIChild;
  else if (HWND client = FindWindowExA(FHandle, nullptr, "MDIClient", nullptr)) {
    FFormKind = fkMDIMain;
    FMDIClientWnd = client;
    FManager->SetMDIClient(client, FForm);
  }
  FBorderKind = BorderKindOf(FStyle, FExStyle, FDialogBox);
  FBorderIcons = BorderIconsOf(FStyle, FExStyle, FSystemMenu != nullptr, platformVersion(), FOwnerWnd != nullptr,
                               FFormKind == fkMDIChild);
  refreshSizeState();
  FSkinFrame = InSet(data->SkinControls(), xcMainMenu) &&
               !(FFormKind == fkMDIChild && InSet(data->Options(), xoMDIChildBorder));
  if (FFormKind == fkMDIMain) {
    FSavedMenuUpdate = data->MenuUpdate();
    subclassMDIClient();
  }
  FSubclass.Attach(FHandle, [this](UINT msg, WPARAM wParam, LPARAM lParam, const TSubclassNext& next) {
    return WndProc(msg, wParam, lParam, next);
  });
  readIcon();
  if (FSkinFrame) {
    if (FFormKind != fkMDIChild) FMenu = GetMenu(FHandle);
    LoadFrameMetrics();
  } else {
    FSkinState = fssSkinned;
  }
  if (FFormKind == fkMDIChild) {
    const int caption = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYFRAME);
    if (caption > FMetrics.Top) FMetrics.MenuHeight = caption - FMetrics.Top;
    if (FSizeState == ssMaximized) FManager->SetMDIMaximized(true);
  }
}

void TWinSkinForm::subclassMDIClient() {
  FClientProc.Attach(FMDIClientWnd, [this](UINT msg, WPARAM wParam, LPARAM lParam, const TSubclassNext& next) {
    return clientProc(msg, wParam, lParam, next);
  });
}

// The MDI client of a skinned MDI main form: no scroll bars of its own unless the skin
// data asks for them, the maximised-child state kept in step, redraws on request.
LRESULT TWinSkinForm::clientProc(UINT msg, WPARAM wParam, LPARAM lParam, const TSubclassNext& next) {
  const HWND client = FMDIClientWnd;
  const auto activeChildMaximized = [client] {
    BOOL maximized = FALSE;
    SendMessageA(client, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized));
    return maximized != FALSE;
  };
  switch (msg) {
    case WM_NCCALCSIZE:
      if (FSkinData && !InSet(FSkinData->Options(), xoMDIScrollbar)) {
        const auto style = GetWindowLongPtrA(client, GWL_STYLE);
        if (style & (WS_HSCROLL | WS_VSCROLL)) SetWindowLongPtrA(client, GWL_STYLE, style & ~(WS_HSCROLL | WS_VSCROLL));
      }
      return next(msg, wParam, lParam);
    case WM_MDICREATE: {
      if (!FSkinData) return next(msg, wParam, lParam);
      const bool update = FSkinData->MenuUpdate();
      FSkinData->SetMenuUpdate(false);
      const LRESULT result = next(msg, wParam, lParam);
      if (FSkinData) FSkinData->SetMenuUpdate(update);
      return result;
    }
    case WM_MDIDESTROY: {
      const LRESULT result = next(msg, wParam, lParam);
      const bool maximized = activeChildMaximized();
      FManager->SetMDIMaximized(maximized);
      if (!maximized && FSkinData) FSkinData->SetMenuUpdate(FSavedMenuUpdate);
      return result;
    }
    case WM_MDISETMENU: {
      const LRESULT result = next(msg, wParam, lParam);
      if (FSkinMenu) {
        FSkinMenu->RebuildItems();
        PaintFrame();
      }
      return result;
    }
    case WM_MDITILE:
    case WM_MDICASCADE:
      FManager->SetMDIMaximized(false);
      return next(msg, wParam, lParam);
    case WM_NCDESTROY: {
      const LRESULT result = next(msg, wParam, lParam);
      FClientProc.Detach();
      return result;
    }
    default:
      break;
  }
  if (msg == WM_SKINMDIREDRAW) {
    RedrawWindow(client, nullptr, nullptr, 0x585);
    return 0;
  }
  return next(msg, wParam, lParam);
}

void TWinSkinForm::LoadFrameMetrics() {
  if (!FSkinData) return;
  const int menuHeight = FMenu ? GetSystemMetrics(SM_CYMENU) : 0;
  FMetrics = FrameMetricsOf(FSkinData->Records, FBorderKind, FBorderKind == bkNone ? 0 : menuHeight);
  FreeButtons();
  for (const auto& data : FSkinData->Records.SysButtons)
    FSysButtons.push_back(std::make_unique<TWinSysButton>(this, data.get()));
}

void TWinSkinForm::FreeButtons() {
  // A hot or pressed button is forgotten before it goes.
  FHotObject = nullptr;
  FPressedObject = nullptr;
  FSysButtons.clear();
}

void TWinSkinForm::readIcon() {
  HICON icon = reinterpret_cast<HICON>(SendMessageA(FHandle, WM_GETICON, ICON_SMALL, 0));
  if (!icon) icon = reinterpret_cast<HICON>(SendMessageA(FHandle, WM_GETICON, ICON_BIG, 0));
  if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrA(FHandle, GCLP_HICONSM));
  if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrA(FHandle, GCLP_HICON));
  FIcon = icon;  // the window's: never ours to destroy
}

void TWinSkinForm::refreshSizeState() {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  if (GetWindowPlacement(FHandle, &placement)) FSizeState = SizeStateFromShowCommand(placement.showCmd);
  if (IsIconic(FHandle)) FSizeState = ssMinimized;
}

// Stage A runs for every message; stage B only for a skinned frame; stage C once the
// frame may be painted.
LRESULT TWinSkinForm::WndProc(UINT msg, WPARAM wParam, LPARAM lParam, const TSubclassNext& next) {
  struct Nesting {
    int& Count;
    explicit Nesting(int& c) : Count(c) { ++Count; }
    ~Nesting() { --Count; }
  } nesting(FNesting);
  if (FSkinState == fssDestroyed || !FAttached) return next(msg, wParam, lParam);
  LRESULT result = 0;
  if (stageA(msg, wParam, lParam, next, result)) return result;
  if (!FSkinFrame) return next(msg, wParam, lParam);
  if (FChildStyle && FFormKind != fkMDIChild) return next(msg, wParam, lParam);
  if (stageB(msg, wParam, lParam, next, result)) return result;
  const bool maximizedChild = FFormKind == fkMDIChild && FSizeState == ssMaximized;
  if (FSkinState != fssCreated && !maximizedChild && stageC(msg, wParam, lParam, next, result)) return result;
  return next(msg, wParam, lParam);
}

bool TWinSkinForm::stageA(UINT msg, WPARAM wParam, LPARAM lParam, const TSubclassNext& next, LRESULT& result) {
  switch (msg) {
    case WM_NCPAINT:
      if (FSkinState != fssCreated) return false;
      FFramePending = true;
      result = 0;
      return true;
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
      result = next(msg, wParam, lParam);
      if (!FForm) {
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        if (msg == WM_CTLCOLORSTATIC && FSkinData) result = reinterpret_cast<LRESULT>(FSkinData->FaceBrush());
      }
      return true;
    case 0xAE:  // the themed caption drawing of newer systems
      result = 0;
      return true;
    case WM_MEASUREITEM:
    case WM_DRAWITEM:
      return foreignMenuItem(msg, lParam, result);
    case WM_MENUSELECT:
      menuSelect(wParam, lParam);
      return false;
    case WM_INITMENUPOPUP:
      FManager->SetMenuKind(reinterpret_cast<HMENU>(wParam) == FSystemMenu ||
                                    (FSysMenuPopup && reinterpret_cast<HMENU>(wParam) == FSysMenuPopup)
                                ? smkSystemMenu
                                : smkMenuBar);
      return false;
    case WM_NCACTIVATE:
      if (FSkinState != fssCreated || FFormKind == fkMDIChild) return false;
      // Not passed on (the system would paint its own caption), and never refused: an
      // answer of 0 to a deactivation would keep the window active.
      result = TRUE;
      return true;
    case WM_ERASEBKGND:
      result = next(msg, wParam, lParam);
      if (!FForm && FSkinData) {
        RECT client{};
        GetClientRect(FHandle, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, FSkinData->FaceBrush());
        result = 1;
      }
      return true;
    case WM_NCDESTROY:
      FSkinState = fssDetaching;
      Unskin(true);
      result = next(msg, wParam, lParam);
      FSkinState = fssDestroyed;
      return true;
    case WM_TIMER:
      if (wParam != HoverTimerId) return false;
      hoverTimer();
      result = 0;
      return true;
    default:
      break;
  }
  if (msg == WM_SKININIT) {
    skinInit();
    result = 0;
    return true;
  }
  if (msg == WM_SKINREPLACE) {
    if (FDispatch) FDispatch->ReplaceScrollPainter(reinterpret_cast<HWND>(wParam));
    result = 0;
    return true;
  }
  if (msg == WM_SKINMENUKEY) {
    // A press at a screen point opens the bar's item there; caption buttons are not
    // pressed this way.
    if (TMenuBtn* button = FSkinMenu ? FSkinMenu->FindButton(toWindow(lParam)) : nullptr) OpenButtonAt(*button);
    result = 0;
    return true;
  }
  if (msg == WM_SKINQUERY) {
    PostMessageA(FHandle, WM_SKINHELLO, 0, SkinMagic);
    result = 1;
    return true;
  }
  return false;
}

void TWinSkinForm::skinInit() {
  if (FInitialized) return;
  FInitialized = true;
  if (FStyle & WS_SYSMENU) FSystemMenu = GetSystemMenu(FHandle, FALSE);
  readIcon();
  RECT window{}, client{};
  GetWindowRect(FHandle, &window);
  GetClientRect(FHandle, &client);
  FSysFrameW = (window.right - window.left) - client.right;
  FSysFrameH = (window.bottom - window.top) - client.bottom;
  skinControls();
  skinMenus();
  if (FSkinState == fssCreated && FSkinFrame) {
    refreshSizeState();
    if (FFormKind == fkMDIChild) {
      if (FSizeState == ssMaximized) {
        PostMessageA(FManager->MDIClient(), WM_SKINMDIREDRAW, reinterpret_cast<WPARAM>(FHandle), 0);
      } else if (FSizeState == ssNormal) {
        // Resizing, and installing the region, both recalculate the frame: ours.
        FSkinState = fssResizing;
        ResizeForSkin(false);
        SetRegion();
      }
    } else if (!FChildStyle && FBorderKind != bkNone && FSizeState != ssMinimized) {
      FSkinState = fssResizing;
      ResizeForSkin(false);
      if (FSizeState == ssNormal)
        SetRegion();
      else
        SetWindowPos(FHandle, nullptr, 0, 0, 0, 0, 0x37);
    }
  }
  // The bar is taken from the window once the frame is ours, so the client area stays.
  skinMenuBar();
  SendMessageA(FHandle, WM_SKINHELLO, 0, SkinMagic);
  if (FSkinData && FSkinData->OnAfterSkinForm) FSkinData->OnAfterSkinForm(FForm, FHandle, FWindowClass);
  FSkinState = fssSkinned;
  FActive = GetActiveWindow() == FHandle;
  startTimer(FActive);
  // Under Wine the first frame paints come inside SetWindowPos and SetWindowRgn, while
  // painting was not allowed yet: paint it now.
  paintLater();
}

void TWinSkinForm::paintLater() {
  if (FSkinFrame && (FFramePending || FSkinState == fssSkinned) && IsWindowVisible(FHandle)) PaintFrame();
}

bool TWinSkinForm::stageB(UINT msg, WPARAM wParam, LPARAM lParam, const TSubclassNext& next, LRESULT& result) {
  switch (msg) {
    case WM_COMMAND: {
      const UINT id = LOWORD(wParam);
      if (id < 0xFF00 && (id == SC_SIZE || id == SC_MOVE || id == SC_MINIMIZE || id == SC_MAXIMIZE ||
                          id == SC_NEXTWINDOW || id == SC_PREVWINDOW || id == SC_CLOSE || id == SC_RESTORE)) {
        PostMessageA(FHandle, WM_SYSCOMMAND, id, 0);
        result = 0;
        return true;
      }
      return false;
    }
    case WM_WINDOWPOSCHANGED:
      refreshSizeState();
      return false;
    case WM_SIZE:
      result = next(msg, wParam, lParam);
      FSizeState = SizeStateFromSizeCode(wParam);
      if (FSizeState != ssMinimized &&
          (FFormKind != fkMDIChild || (!FManager->MDIMaximized() && FSizeState == ssNormal)) &&
          (FSkinState == fssSkinned || FSkinState == fssReapplying))
        SetRegion();
      return true;
    case WM_ACTIVATE:
    case WM_NCACTIVATE:
      FActive = LOBYTE(wParam) != 0;
      return false;
    case WM_GETMINMAXINFO:
      result = next(msg, wParam, lParam);
      refreshSizeState();
      return true;
    case WM_SETICON:
    case WM_SETTEXT:
      // The system paints its own caption here, without WM_NCPAINT: paint ours over it.
      result = next(msg, wParam, lParam);
      if (msg == WM_SETICON) readIcon();
      if (FSkinState == fssSkinned) PaintFrame();
      return true;
    case WM_SYSCOMMAND:
      return sysCommand(wParam, lParam, next, result);
    case CM_MENUCHANGED:
      if (FSkinData) FSkinData->SetFrameDrawing(false);
      result = next(msg, wParam, lParam);
      if (FSkinData) FSkinData->SetFrameDrawing(true);
      if (GetMenu(FHandle)) FMenu = GetMenu(FHandle);
      if (FSkinMenu) {
        FSkinMenu->BuildItems();
        PaintFrame();
      }
      return true;
    default:
      return false;
  }
}

bool TWinSkinForm::sysCommand(WPARAM wParam, LPARAM lParam, const TSubclassNext& next, LRESULT& result) {
  const UINT command = static_cast<UINT>(wParam & 0xFFF0);
  if (command == SC_KEYMENU && lParam == ' ') {
    POINT origin{0, 0};
    ClientToScreen(FHandle, &origin);
    ShowSysMenu(origin);
    result = 0;
    return true;
  }
  // Other menu keys open the skinned bar's items ("-" is an MDI child's system menu).
  if (command == SC_KEYMENU && lParam != '-' && !GetCapture() && !FMenuTracking &&
      keyMenu(static_cast<unsigned>(lParam))) {
    result = 1;
    return true;
  }
  if (command == SC_MINIMIZE) FSizeState = ssMinimized;
  if (command == SC_MAXIMIZE) FSizeState = ssMaximized;
  if (command == SC_RESTORE) {
    FSizeState = ssNormal;
    if (FFormKind == fkMDIChild && FManager->MDIMaximized()) FManager->SetMDIMaximized(false);
  }
  result = next(WM_SYSCOMMAND, wParam, lParam);
  return true;
}

bool TWinSkinForm::stageC(UINT msg, WPARAM wParam, LPARAM lParam, const TSubclassNext& next, LRESULT& result) {
  switch (msg) {
    case WM_NCCALCSIZE:
      result = ncCalcSize(wParam, lParam, next);
      return true;
    case WM_NCHITTEST:
      result = ncHitTest(wParam, lParam, next);
      return true;
    case WM_NCPAINT:
      removeSystemMenuStyle();
      if (FSkinData && !FSkinData->FrameDrawing()) {
        result = 0;
        return true;
      }
      if (FBorderKind == bkNone) return false;
      PaintFrame();
      result = 0;
      return true;
    case WM_NCACTIVATE:
      FActive = wParam != 0;
      startTimer(FActive);
      if (FFormKind == fkMDIChild) next(msg, wParam, lParam);
      PaintFrame();
      result = TRUE;
      return true;
    case WM_NCMOUSEMOVE:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
      return mouseMessage(msg, wParam, lParam, next, result);
    default:
      break;
  }
  if (msg == WM_SKINNCPAINT) {
    PaintFrame();
    result = 0;
    return true;
  }
  return false;
}

LRESULT TWinSkinForm::ncCalcSize(WPARAM wParam, LPARAM lParam, const TSubclassNext& next) {
  auto* rect = reinterpret_cast<RECT*>(lParam);
  const RECT window = rect ? *rect : RECT{};
  LRESULT result = next(WM_NCCALCSIZE, wParam, lParam);
  if (!rect) return result;
  const bool excepted = (FFormKind == fkMDIChild && FSizeState != ssNormal) || FBorderKind == bkNone;
  if (!excepted) {
    RECT client = SkinClientRect(window, FMetrics);
    // A window smaller than its frame has an empty client area, never an inverted one.
    if (client.right < client.left) client.right = client.left;
    if (client.bottom < client.top) client.bottom = client.top;
    *rect = client;
  }
  if (!wParam) return 0;
  auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam);
  params->rgrc[1] = params->rgrc[0];
  return WVR_VALIDRECTS;
}

LRESULT TWinSkinForm::ncHitTest(WPARAM wParam, LPARAM lParam, const TSubclassNext& next) {
  const LRESULT code = next(WM_NCHITTEST, wParam, lParam);
  if (code != HTNOWHERE && code != HTCAPTION) return code;
  POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  if (FFormKind == fkMDIChild && FSizeState == ssMinimized)
    ScreenToClient(FHandle, &p);
  else
    p = toWindow(lParam);
  return SkinHitTest(code, p, FMetrics, FMenu != nullptr && FMetrics.MenuHeight > 0);
}

POINT TWinSkinForm::toWindow(LPARAM screenPoint) const {
  RECT window{};
  GetWindowRect(FHandle, &window);
  return {GET_X_LPARAM(screenPoint) - window.left, GET_Y_LPARAM(screenPoint) - window.top};
}

void TWinSkinForm::removeSystemMenuStyle() {
  if (FBorderIcons & sbiKeepSystemMenu) return;
  const auto style = static_cast<DWORD>(GetWindowLongPtrA(FHandle, GWL_STYLE));
  if (!(style & WS_SYSMENU)) return;
  SetWindowLongPtrA(FHandle, GWL_STYLE, static_cast<LONG_PTR>(style & ~WS_SYSMENU));
  FSystemMenuStyleRemoved = true;
}

void TWinSkinForm::restoreSystemMenuStyle() {
  if (!FSystemMenuStyleRemoved || !IsWindow(FHandle)) return;
  FSystemMenuStyleRemoved = false;
  const auto style = static_cast<DWORD>(GetWindowLongPtrA(FHandle, GWL_STYLE));
  SetWindowLongPtrA(FHandle, GWL_STYLE, static_cast<LONG_PTR>(style | WS_SYSMENU));
}

void TWinSkinForm::startTimer(bool on) {
  if (on == FTimerOn) return;
  if (on && FSkinState != fssSkinned && FSkinState != fssReapplying) return;
  FTimerOn = on;
  if (!IsWindow(FHandle)) return;
  if (on)
    SetTimer(FHandle, HoverTimerId, 250, nullptr);
  else
    KillTimer(FHandle, HoverTimerId);
}

void TWinSkinForm::hoverTimer() {
  // The item whose drop-down is open stays pressed.
  if (!FHotObject || FMenuTracking) return;
  POINT cursor{};
  GetCursorPos(&cursor);
  RECT window{};
  GetWindowRect(FHandle, &window);
  const POINT p{cursor.x - window.left, cursor.y - window.top};
  if (PtInRect(&FHotObject->Rect(), p)) return;
  FPressedObject = nullptr;
  FHotObject->MouseLeave();
  FHotObject = nullptr;
}

void TWinSkinForm::FormWndProc(TMessage& message) {
  const TWndMethod old = FFormLayer.Previous();  // this object may be unskinned by the message
  ++FNesting;  // a message sent straight to the form (Perform) counts too
  struct Leave {
    int& Count;
    ~Leave() { --Count; }
  } leave{FNesting};
  if (!old) return;
  switch (message.Msg) {
    case WM_SETTEXT:
      old(message);
      if (FSkinState != fssSkinned || !IsWindowVisible(FHandle)) return;
      if (FFormKind == fkMDIChild && FSizeState == ssMaximized)
        PostMessageA(FManager->MDIClient(), WM_SKINMDIREDRAW, 0, 0);
      if (IsIconic(FHandle))
        PaintFrame();
      else
        SetWindowPos(FHandle, nullptr, 0, 0, 0, 0, 0x37);
      return;
    case WM_SKINPRINT2:
      if (message.LParam != SkinMagic) break;
      if (message.WParam) PaintFrame(reinterpret_cast<HDC>(message.WParam));
      message.Result = SkinMagic;
      return;
    case WM_SKINCHANGED:
      SkinChanged();
      return;
    case CM_DIALOGCHAR:
      // The form's controls first; then Alt with a letter opens the bar's item.
      old(message);
      if (!message.Result && dialogChar(message)) message.Result = 1;
      return;
    default:
      break;
  }
  old(message);
}

void TWinSkinForm::Unskin(bool detaching) {
  if (!FAttached) return;
  FAttached = false;
  startTimer(false);
  FHotObject = nullptr;
  FPressedObject = nullptr;
  // The form's entry goes back only while it is still ours; otherwise ours stays in the
  // newer entry's chain as a pass-through.
  FFormLayer.Detach(FForm != nullptr);
  freePainters();
  unskinMenus();
  // While the window is being destroyed its bar is left to the framework menu.
  unskinMenuBar(FSkinState != fssDetaching && IsWindow(FHandle));
  FSubclass.Detach();
  FClientProc.Detach();
  if (FForm && !detaching) FForm->SetColor(FSavedColor);
  if (!FSkinFrame || !IsWindow(FHandle)) return;
  restoreSystemMenuStyle();
  if (!detaching && FInitialized && (FFormKind == fkMDIChild || !FChildStyle)) {
    RECT window{};
    GetWindowRect(FHandle, &window);
    const int width = (window.right - window.left) - (FMetrics.Left + FMetrics.Right - FSysFrameW);
    const int height =
        (window.bottom - window.top) - (FMetrics.Top + FMetrics.Bottom + FMetrics.MenuHeight - FSysFrameH);
    SetWindowPos(FHandle, nullptr, 0, 0, width, height, 0x34 | SWP_NOMOVE);
  }
  if (!detaching) {
    FHasRegion = false;
    SetWindowRgn(FHandle, nullptr, TRUE);
  }
}

void TWinSkinForm::skinControls() {
  if (!FSkinData) return;
  if (!FDispatch) FDispatch = std::make_unique<TControlDispatch>(this, *FSkinData, FPainters);
  if (FForm) {
    FDispatch->SkinFormControls(*FForm);
  } else if (FWindowClass == "#32770") {
    FDispatch->SkinWindow(FHandle);  // the dialog's background and its children
  } else {
    FDispatch->SkinChildWindows(FHandle);
  }
}

void TWinSkinForm::freePainters() {
  // Each painter takes itself out of the list when freed; a control's painter gives the
  // control its own message entry back.
  while (!FPainters.Painters().empty()) {
    TSkinControl* painter = FPainters.Painters().back();
    if (painter->Status() != psWindowDestroyed) painter->Unskin();
    FPainters.Remove(painter);
    delete painter;
  }
  FDispatch.reset();
}

void TWinSkinForm::SkinChanged() {
  for (TSkinControl* painter : std::vector<TSkinControl*>(FPainters.Painters())) painter->SkinChanged();
  if (FMenuPainter) FMenuPainter->SkinChanged();
  if (FForm) FForm->SetColor(ColorToRGB(FSkinData->Colors.Colors[scButtonFace]));
  const int previous = FSkinState;
  FSkinState = fssReapplying;
  if (FSkinFrame) {
    if (FForm) {
      ResizeForSkin(true);
      FForm->SetHeight(FForm->Height() + 1);
      FForm->SetHeight(FForm->Height() - 1);
    }
    SetRegion();
  }
  FSkinState = previous == fssCreated ? fssCreated : fssSkinned;
  if (FSkinState == fssSkinned && FSkinFrame && IsWindowVisible(FHandle)) PaintFrame();
}

}  // namespace velmora
