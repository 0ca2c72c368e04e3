// The tray icon component and its shared hidden window.
#include "tray/tray_icon.h"

#include <commctrl.h>
#include <winver.h>

#include <cstring>
#include <utility>
#include <vector>

#include "framework/application.h"
#include "framework/form.h"
#include "framework/hidden_window.h"

namespace velmora {

namespace {

const char HandlerClassName[] = "VelmoraTrayIconWindow";

// The shell reads the record up to the balloon fields: the 64-bit layout of the record
// the shell has known since version 5 (488 bytes in a 32-bit program).
constexpr DWORD IconDataSize = NOTIFYICONDATAA_V2_SIZE;

// The version in a library's version resource. The file is read as data: loading the
// common controls library would run its start-up, which registers some twenty window
// classes and costs the program's start more than anything else of the tray icon.
bool fileVersion(const char* library, WORD& major, WORD& minor) {
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(library, &ignored);
  if (size == 0) return false;
  std::vector<char> block(size);
  if (!GetFileVersionInfoA(library, 0, size, block.data())) return false;
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  if (!VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length) || !fixed ||
      length < sizeof(VS_FIXEDFILEINFO))
    return false;
  major = HIWORD(fixed->dwFileVersionMS);
  minor = LOWORD(fixed->dwFileVersionMS);
  return true;
}

UINT registerTaskbarCreated() {
  WORD major = 0, minor = 0;
  if (!fileVersion("comctl32.dll", major, minor)) return 0;
  if (major > 4 || (major == 4 && minor >= 71)) return RegisterWindowMessageA("TaskbarCreated");
  return 0;
}

TShiftState keyboardShift() {
  TShiftState shift = 0;
  if (GetAsyncKeyState(VK_SHIFT) < 0) shift |= ssShift;
  if (GetAsyncKeyState(VK_CONTROL) < 0) shift |= ssCtrl;
  if (GetAsyncKeyState(VK_MENU) < 0) shift |= ssAlt;
  return shift;
}

// At most `limit` bytes of narrow text, never cutting a double-byte character.
std::string cutText(const std::string& text, std::size_t limit) {
  std::size_t end = 0;
  while (end < text.size()) {
    const std::size_t width = IsDBCSLeadByte(static_cast<BYTE>(text[end])) && end + 1 < text.size() ? 2 : 1;
    if (end + width > limit) break;
    end += width;
  }
  return text.substr(0, end);
}

}  // namespace

UINT TaskbarCreatedMessage() {
  static const UINT message = registerTaskbarCreated();
  return message;
}

// ---- handler ------------------------------------------------------------------------

namespace {

// When the module goes, a handler that is still there goes with it.
struct HandlerAtModuleEnd {
  ~HandlerAtModuleEnd() { TTrayIconHandler::DestroyInstance(); }
} handlerAtModuleEnd;

}  // namespace

TTrayIconHandler::TTrayIconHandler()
    : FWindow(MakeHiddenWindow(HandlerClassName, WindowProc, HWND_MESSAGE, 0, "", this)) {}

void TTrayIconHandler::DestroyInstance() {
  delete FInstance;
  FInstance = nullptr;
}

TTrayIconHandler::~TTrayIconHandler() {
  if (FWindow) DestroyWindow(FWindow);
}

void TTrayIconHandler::Register(TTrayIcon* icon) {
  if (!FInstance) FInstance = new TTrayIconHandler();
  ++FInstance->FRefCount;
  FInstance->FIcons.insert(icon);
}

void TTrayIconHandler::Unregister(TTrayIcon* icon) {
  if (!FInstance) return;
  FInstance->FIcons.erase(icon);
  if (FInstance->FRefCount > 0) --FInstance->FRefCount;
  if (FInstance->FRefCount == 0) {
    delete FInstance;
    FInstance = nullptr;
  }
}

LRESULT CALLBACK TTrayIconHandler::WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* handler = static_cast<TTrayIconHandler*>(HiddenWindowObject(window, msg, lParam));
  switch (msg) {
    case WM_TRAYNOTIFY:
      // The icon whose identity wParam carries, if it still lives. Nothing of the
      // handler is touched after the icon has handled the notification: a menu
      // command may have freed both.
      if (handler) {
        TTrayIcon* target = nullptr;
        for (TTrayIcon* icon : handler->FIcons)
          if (icon->IconId() == static_cast<UINT>(wParam)) target = icon;
        if (target) {
          try {
            target->handleNotify(static_cast<UINT>(lParam));
          } catch (...) {
            Application.HandleException();
          }
        }
      }
      return 0;
    // The hidden window survives attempts to close it and never objects to the
    // system shutting down or the user logging off.
    case WM_DESTROY:
    case WM_NCDESTROY:
    case WM_CLOSE:
    case WM_QUIT:
    case WM_QUERYENDSESSION:
    case WM_ENDSESSION:
      return 1;
    default:
      // A menu this window owns hears of its items' measuring and drawing.
      return MenuOwnerWindowProc(window, msg, wParam, lParam);
  }
}

// ---- the component ----------------------------------------------------------------



const TClassInfo& TTrayIcon::StaticClassInfo() {
  static const TClassInfo info{
      "TTrayIcon",
      &TComponent::StaticClassInfo(),
      {
          props::Boolean<TTrayIcon>("DesignPreview", &TTrayIcon::DesignPreview, &TTrayIcon::SetDesignPreview),
          props::Object<TTrayIcon, TImageList>("IconList", &TTrayIcon::IconList, &TTrayIcon::SetIconList),
          props::Boolean<TTrayIcon>("CycleIcons", &TTrayIcon::CycleIcons, &TTrayIcon::SetCycleIcons),
          props::Integer<TTrayIcon, unsigned>("CycleInterval", &TTrayIcon::CycleInterval, &TTrayIcon::SetCycleInterval),
          props::Boolean<TTrayIcon>("Enabled", &TTrayIcon::Enabled, &TTrayIcon::SetEnabled),
          props::String<TTrayIcon>("Hint", &TTrayIcon::Hint, &TTrayIcon::SetHint),
          props::Boolean<TTrayIcon>("ShowHint", &TTrayIcon::ShowHint, &TTrayIcon::SetShowHint),
          props::Object<TTrayIcon, TIcon>("Icon", &TTrayIcon::Icon, &TTrayIcon::SetIcon),
          props::Boolean<TTrayIcon>("IconVisible", &TTrayIcon::IconVisible, &TTrayIcon::SetIconVisible),
          props::Integer<TTrayIcon, int>("IconIndex", &TTrayIcon::IconIndex, &TTrayIcon::SetIconIndex),
          props::Object<TTrayIcon, TPopupMenu>("PopupMenu", &TTrayIcon::PopupMenu, &TTrayIcon::SetPopupMenu),
          props::Boolean<TTrayIcon>("LeftPopup", &TTrayIcon::LeftPopup, &TTrayIcon::SetLeftPopup),
          props::Boolean<TTrayIcon>("WantEnterExitEvents", &TTrayIcon::WantEnterExitEvents,
                                    &TTrayIcon::SetWantEnterExitEvents),
          props::Boolean<TTrayIcon>("MinimizeToTray", &TTrayIcon::MinimizeToTray, &TTrayIcon::SetMinimizeToTray),
          props::Event<TTrayIcon>("OnClick", &TTrayIcon::OnClick),
          props::Event<TTrayIcon>("OnDblClick", &TTrayIcon::OnDblClick),
          props::Event<TTrayIcon>("OnMouseEnter", &TTrayIcon::OnMouseEnter),
          props::Event<TTrayIcon>("OnMouseExit", &TTrayIcon::OnMouseExit),
          props::Event<TTrayIcon>("OnMinimizeToTray", &TTrayIcon::OnMinimizeToTray),
          props::Event<TTrayIcon>("OnBalloonHintShow", &TTrayIcon::OnBalloonHintShow),
          props::Event<TTrayIcon>("OnBalloonHintHide", &TTrayIcon::OnBalloonHintHide),
          props::Event<TTrayIcon>("OnBalloonHintTimeout", &TTrayIcon::OnBalloonHintTimeout),
          props::Event<TTrayIcon>("OnBalloonHintClick", &TTrayIcon::OnBalloonHintClick),
          props::Event<TTrayIcon>("OnMouseDown", &TTrayIcon::OnMouseDown),
          props::Event<TTrayIcon>("OnMouseUp", &TTrayIcon::OnMouseUp),
          props::Event<TTrayIcon>("OnMouseMove", &TTrayIcon::OnMouseMove),
          props::Event<TTrayIcon>("OnCycle", &TTrayIcon::OnCycle),
          props::Event<TTrayIcon>("OnStartup", &TTrayIcon::OnStartup),
      },
      [](TComponent* owner) -> TComponent* { return new TTrayIcon(owner); }};
  return info;
}

TTrayIcon::TTrayIcon(TComponent* owner) : TComponent(owner) {
  TTrayIconHandler::Register(this);
  FStartupPending = true;
  FEnabled = true;
  FShowHint = true;
  FIcon = std::make_unique<TIcon>();
  FIcon->OnChange = [this] { RefreshTrayIcon(); };
  FIconData.cbSize = IconDataSize;
  FIconData.hWnd = TTrayIconHandler::Instance()->Window();
  FIconData.uID = IconId();
  FIconData.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  FIconData.uCallbackMessage = WM_TRAYNOTIFY;
  FCycleTimer = std::make_unique<TSimpleTimer>(1000, [this](TObjectSender) { cycleTick(); });
  FClickTimer = std::make_unique<TSimpleTimer>(1000, [this](TObjectSender) { clickTick(); });
  FExitTimer = std::make_unique<TSimpleTimer>(20, [this](TObjectSender) { exitTick(); });
  FMouseOutside = true;
  TaskbarCreatedMessage();
  // The application's window and the owner's window are both the main window here:
  // the application's hook and the owner's subclass each keep their own rules.
  FApplicationHook = Application.HookMainWindow([this](TMessage& m) { return applicationMessage(m); });
  if (TWinControl* owner = ownerControl())
    FOwnerSubclass.Attach(owner->Handle(), [this](UINT msg, WPARAM wParam, LPARAM lParam, const TSubclassNext& next) {
      return ownerMessage(msg, wParam, lParam, next);
    });
}

TTrayIcon::~TTrayIcon() {
  *FAlive = false;
  Destroying();
  SetIconVisible(false);
  FDesignPreview = false;
  FCycleTimer.reset();
  FClickTimer.reset();
  FExitTimer.reset();
  FIcon->OnChange = nullptr;
  FIcon.reset();
  Application.UnhookMainWindow(FApplicationHook);
  FOwnerSubclass.Detach();
  TTrayIconHandler::Unregister(this);
}

TWinControl* TTrayIcon::ownerControl() const { return dynamic_cast<TWinControl*>(Owner()); }

// As the application's window: minimized to the tray, restored, the taskbar
// re-created, and the first placement of the main form. Every message goes on.
bool TTrayIcon::applicationMessage(TMessage& m) {
  const UINT taskbarCreated = TaskbarCreatedMessage();
  if (m.Msg == WM_SIZE && m.WParam == SIZE_MINIMIZED) {
    if (FMinimizeToTray) DoHideToTray();
  } else if (m.Msg == WM_SYSCOMMAND && (m.WParam & 0xFFF0) == SC_RESTORE) {
    if (TForm* main = Application.MainForm()) main->SetVisible(true);
  } else if (taskbarCreated && m.Msg == taskbarCreated) {
    if (FIconVisible) AddToTray();
  } else if (m.Msg == WM_WINDOWPOSCHANGED && FStartupPending && Application.MainForm()) {
    FStartupPending = false;  // the main form is never an MDI parent here: nothing to ask
  }
  return false;
}

// As the owner's window: brought forward when shown; with an OnMinimizeToTray handler a
// minimize is answered here and the window never minimizes (so the WM_SIZE rule above
// does not run as well).
LRESULT TTrayIcon::ownerMessage(UINT msg, WPARAM wParam, LPARAM lParam, const TSubclassNext& next) {
  if (msg == WM_SHOWWINDOW && wParam == 1 && lParam == 0) {
    if (HWND app = Application.MainWindow()) SetForegroundWindow(app);
    SetForegroundWindow(next.Window());
  } else if ((msg == WM_SHOWWINDOW && wParam == 0 && lParam == SW_PARENTCLOSING && !Application.Terminated()) ||
             (msg == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_MINIMIZE)) {
    if (FMinimizeToTray && OnMinimizeToTray) {
      const std::shared_ptr<bool> alive = FAlive;
      TNotifyEvent event = OnMinimizeToTray;
      event(this);
      if (!*alive) return 1;
      DoHideToTray();
      return 1;
    }
  }
  return next(msg, wParam, lParam);
}

void TTrayIcon::Loaded() {
  TComponent::Loaded();
  if (ownerControl()) {
    bool showMainForm = true;
    if (OnStartup) OnStartup(this, showMainForm);
    if (!showMainForm) {
      Application.SetShowMainForm(false);
      HideMainWindow();
    }
  }
  RefreshTrayIcon();
  if (FIconVisible)
    AddToTray();
  else
    RemoveFromTray();
  applyCycleIcons();
  SetWantEnterExitEvents(FWantEnterExitEvents);
  FIconData.uVersion = 0;
  shellCall(NIM_SETVERSION);
}

void TTrayIcon::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  if (component == FIconList) {
    FIconList = nullptr;
    FIconIndex = 0;
  }
  if (component == FPopupMenu) FPopupMenu = nullptr;
}

// ---- properties ---------------------------------------------------------------------

void TTrayIcon::SetIconList(TImageList* list) {
  FIconList = list;
  if (list) list->FreeNotification(this);
  SetIconIndex(0);
}

void TTrayIcon::SetCycleIcons(bool v) {
  FCycleIcons = v;
  if (!IsLoading()) applyCycleIcons();
}

void TTrayIcon::applyCycleIcons() {
  if (FCycleIcons) {
    SetIconIndex(0);
    FCycleTimer->SetInterval(FCycleInterval);
    FCycleTimer->SetActive(true);  // an interval of 0 cannot start: nothing cycles
  } else {
    FCycleTimer->SetActive(false);
  }
}

void TTrayIcon::SetCycleInterval(unsigned ms) {
  FCycleInterval = ms;
  SetCycleIcons(FCycleIcons);
}

void TTrayIcon::SetHint(const std::string& hint) {
  FHint = hint;
  RefreshTrayIcon();
}

void TTrayIcon::SetShowHint(bool v) {
  FShowHint = v;
  RefreshTrayIcon();
}

void TTrayIcon::SetIcon(TIcon* icon) {
  const TIcon empty;
  if (icon != FIcon.get()) FIcon->AssignQuietly(icon ? *icon : empty);
  RefreshTrayIcon();
}

void TTrayIcon::SetIconVisible(bool v) {
  if (IsLoading()) {
    FIconVisible = v;  // applied once loading is done
    return;
  }
  if (v)
    AddToTray();
  else
    RemoveFromTray();
}

void TTrayIcon::SetIconIndex(int index) {
  if (FIconList) {
    FIconIndex = index >= FIconList->Count() ? FIconList->Count() - 1 : index;
    if (FIconIndex >= 0) {
      TIcon copy;
      if (FIconList->GetIcon(FIconIndex, copy)) FIcon->AssignQuietly(copy);
    }
  } else {
    FIconIndex = 0;
  }
  RefreshTrayIcon();
}

void TTrayIcon::SetPopupMenu(TPopupMenu* menu) {
  FPopupMenu = menu;
  if (menu) menu->FreeNotification(this);
}

void TTrayIcon::SetWantEnterExitEvents(bool v) {
  FWantEnterExitEvents = v;
  FExitTimer->SetActive(v);
}

bool TTrayIcon::ReadBinaryProperty(const std::string& name, const std::vector<std::uint8_t>& bytes) {
  if (!SameText(name, "Icon.Data")) return false;
  FIcon->LoadFromIcoBytes(bytes);
  return true;
}

// ---- the shell ----------------------------------------------------------------------

bool TTrayIcon::FillIconData() {
  FIconData.hIcon = FIcon ? FIcon->Handle() : nullptr;
  const std::string tip = !FHint.empty() && FShowHint ? cutText(FHint, 127) : std::string();
  std::memset(FIconData.szTip, 0, sizeof(FIconData.szTip));
  std::memcpy(FIconData.szTip, tip.data(), tip.size());
  return true;
}

// Every call is a round trip to the shell's process. One about an icon the shell cannot
// hold fails there, so it fails here without the trip: at start the component changes
// and removes its icon a few times before it adds it.
bool TTrayIcon::shellCall(DWORD message) {
  if (message != NIM_ADD && !FOfferedToShell) return false;
  const bool done = Shell_NotifyIconA(message, &FIconData) != FALSE;
  if (message == NIM_ADD) FOfferedToShell = true;
  if (message == NIM_DELETE && done) FOfferedToShell = false;
  return done;
}

bool TTrayIcon::ShowBalloonHint(const std::string& title, const std::string& text, TBalloonIcon icon,
                                unsigned timeoutMs) {
  FillIconData();
  NOTIFYICONDATAA balloon = FIconData;
  balloon.uFlags |= NIF_INFO;
  const std::string info = cutText(text, sizeof(balloon.szInfo) - 1);
  const std::string infoTitle = cutText(title, sizeof(balloon.szInfoTitle) - 1);
  std::memcpy(balloon.szInfo, info.c_str(), info.size() + 1);
  std::memcpy(balloon.szInfoTitle, infoTitle.c_str(), infoTitle.size() + 1);
  balloon.uTimeout = timeoutMs;
  balloon.dwInfoFlags = static_cast<DWORD>(icon);
  return Shell_NotifyIconA(NIM_MODIFY, &balloon) != FALSE;
}

bool TTrayIcon::AddToTray() {
  if (!FInPreview) FIconVisible = true;
  FillIconData();
  return shellCall(NIM_ADD);
}

bool TTrayIcon::RemoveFromTray() {
  if (!FInPreview) FIconVisible = false;
  FillIconData();
  return shellCall(NIM_DELETE);
}

bool TTrayIcon::RefreshTrayIcon() {
  if (IsDestroying() && !FIcon) return false;
  FillIconData();
  return shellCall(NIM_MODIFY);
}

void TTrayIcon::PopupAtCursor() {
  POINT cursor{};
  if (!FPopupMenu || !FPopupMenu->AutoPopup() || !GetCursorPos(&cursor)) return;
  const std::shared_ptr<bool> alive = FAlive;
  HWND app = Application.Handle();
  SetForegroundWindow(app);
  Application.ProcessMessages();
  // The messages just handled may have freed this component or its menu.
  if (!*alive || !FPopupMenu) return;
  TPopupMenu* menu = FPopupMenu;
  menu->SetPopupComponent(this);
  TMenuItem* chosen = menu->Track(cursor.x, cursor.y, app);
  // The menu's owner gets a message after the menu, or the next menu may not close
  // when the user clicks elsewhere.
  PostMessageA(app, WM_NULL, 0, 0);
  if (!*alive) return;  // freed while the menu was open: the choice goes with it
  if (TWinControl* owner = ownerControl(); owner && owner->WindowHandle())
    PostMessageA(owner->WindowHandle(), WM_NULL, 0, 0);
  // Last: the command may free this component (and the handler with it).
  if (chosen) chosen->Click();
}

void TTrayIcon::DoHideToTray() {
  HideMainWindow();
  SetIconVisible(true);
}

void TTrayIcon::HideMainWindow() {
  if (!ownerControl() || !Application.MainForm()) return;
  Application.MainForm()->SetVisible(false);
  HideTaskbarEntry();
}

void TTrayIcon::HideTaskbarEntry() {
  HWND main = Application.MainWindow();
  if (main && IsWindowVisible(main)) ShowWindow(main, SW_HIDE);
}

// ---- notifications ------------------------------------------------------------------

void TTrayIcon::handleNotify(UINT mouseMessage) {
  POINT cursor{};
  GetCursorPos(&cursor);
  const TShiftState keys = keyboardShift();
  const int x = cursor.x, y = cursor.y;
  switch (mouseMessage) {
    case 0x402: if (TNotifyEvent event = OnBalloonHintShow) event(this); return;
    case 0x403: if (TNotifyEvent event = OnBalloonHintHide) event(this); return;
    case 0x404: if (TNotifyEvent event = OnBalloonHintTimeout) event(this); return;
    case 0x405: if (TNotifyEvent event = OnBalloonHintClick) event(this); return;
    default: break;
  }
  if (!FEnabled) return;
  // Any event handler may free the component (a click that closes the main window):
  // after each one, nothing of it is touched if it is gone.
  const std::shared_ptr<bool> alive = FAlive;
  switch (mouseMessage) {
    case WM_MOUSEMOVE:
      if (FWantEnterExitEvents && FMouseOutside) {
        RaiseMouseEnter();
        if (!*alive) return;
        FMouseOutside = false;
      }
      RaiseMouseMove(keys, x, y);
      if (*alive) FLastCursor = cursor;
      break;
    case WM_LBUTTONDOWN:
      if (OnDblClick) {
        FClickTimer->SetInterval(GetDoubleClickTime());
        FClickTimer->SetActive(true);
      }
      RaiseMouseDown(TMouseButton::mbLeft, keys | ssLeft, x, y);
      if (!*alive) return;
      FLeftDown = true;
      if (FLeftPopup) PopupAtCursor();
      break;
    case WM_LBUTTONUP: {
      const bool clickNow = FLeftDown && !FClickTimer->Active();
      FClickPending = FLeftDown && !clickNow;
      FLeftDown = false;
      if (clickNow) {
        RaiseClick();
        if (!*alive) return;
      }
      RaiseMouseUp(TMouseButton::mbLeft, keys | ssLeft, x, y);
      break;
    }
    case WM_LBUTTONDBLCLK:
      FClickPending = false;
      FDblClicked = true;
      RaiseDblClick();
      if (*alive && FPopupMenu && FPopupMenu->AutoPopup() && !FLeftPopup)
        if (TMenuItem* item = FPopupMenu->DefaultItem()) item->Click();
      break;
    case WM_RBUTTONDOWN:
      RaiseMouseDown(TMouseButton::mbRight, keys | ssRight, x, y);
      if (*alive) PopupAtCursor();
      break;
    case WM_RBUTTONUP:
      RaiseMouseUp(TMouseButton::mbRight, keys | ssRight, x, y);
      break;
    case WM_MBUTTONDOWN:
      RaiseMouseDown(TMouseButton::mbMiddle, keys | ssMiddle, x, y);
      break;
    case WM_MBUTTONUP:
      RaiseMouseUp(TMouseButton::mbMiddle, keys | ssMiddle, x, y);
      break;
    default:
      break;
  }
}

// The wait for a second click is over: the click counts unless a double-click came.
// The pending mark is cleared too, so a later press held past the wait is no click.
void TTrayIcon::clickTick() {
  FClickTimer->SetActive(false);
  const bool click = FClickPending && !FDblClicked;
  FClickPending = false;
  FDblClicked = false;
  if (click) RaiseClick();  // last: the click may free the component
}

void TTrayIcon::exitTick() {
  POINT cursor{};
  GetCursorPos(&cursor);
  if (!FMouseOutside && (cursor.x != FLastCursor.x || cursor.y != FLastCursor.y)) {
    FMouseOutside = true;
    RaiseMouseExit();
  }
}

void TTrayIcon::cycleTick() {
  if (!FIconList) return;
  TIcon copy;
  if (FIconList->GetIcon(FIconIndex, copy)) FIcon->AssignQuietly(copy);
  const int next = FIconIndex >= FIconList->Count() - 1 ? 0 : FIconIndex + 1;
  const std::shared_ptr<bool> alive = FAlive;
  RaiseCycle(next);
  if (*alive) SetIconIndex(next);
}

// Each event runs from a copy: a handler may free the component and its events with it.
namespace {
template <typename Event, typename... Args>
void raise(const Event& event, Args&&... args) {
  if (Event copy = event) copy(std::forward<Args>(args)...);
}
}  // namespace

void TTrayIcon::RaiseClick() { raise(OnClick, this); }
void TTrayIcon::RaiseDblClick() { raise(OnDblClick, this); }
void TTrayIcon::RaiseCycle(int nextIndex) { raise(OnCycle, this, nextIndex); }
void TTrayIcon::RaiseMouseDown(TMouseButton b, TShiftState s, int x, int y) { raise(OnMouseDown, this, b, s, x, y); }
void TTrayIcon::RaiseMouseUp(TMouseButton b, TShiftState s, int x, int y) { raise(OnMouseUp, this, b, s, x, y); }
void TTrayIcon::RaiseMouseMove(TShiftState s, int x, int y) { raise(OnMouseMove, this, s, x, y); }
void TTrayIcon::RaiseMouseEnter() { raise(OnMouseEnter, this); }
void TTrayIcon::RaiseMouseExit() { raise(OnMouseExit, this); }

}  // namespace velmora
