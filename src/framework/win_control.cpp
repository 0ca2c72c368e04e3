// Windowed controls and the window procedure that leads messages to them.
#include "framework/win_control.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <map>

#include "framework/application.h"
#include "framework/exception.h"
#include "framework/framework_messages.h"
#include "framework/menus.h"

namespace velmora {

LRESULT CALLBACK ControlWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

namespace {

// Our window classes and the procedure below ours for each.
std::map<std::string, WNDPROC>& classTable() {
  static std::map<std::string, WNDPROC> classes;
  return classes;
}

WNDPROC baseProcOf(HWND window) {
  char name[256] = {};
  GetClassNameA(window, name, sizeof(name));
  auto it = classTable().find(name);
  return it == classTable().end() ? DefWindowProcA : it->second;
}

UINT_PTR nextControlId() {
  static UINT_PTR id = 1000;  // well above IDOK/IDCANCEL, which dialog keys send
  return ++id;
}

}  // namespace

WNDPROC RegisterControlClass(const std::string& name, const std::string& base, UINT classStyle) {
  auto it = classTable().find(name);
  if (it != classTable().end()) return it->second;

  WNDCLASSEXA wc{};
  wc.cbSize = sizeof(wc);
  WNDPROC below = DefWindowProcA;
  if (!base.empty()) {
    if (!GetClassInfoExA(nullptr, base.c_str(), &wc))
      throw Exception(FormatText("Window class %s not found", {base}));
    below = wc.lpfnWndProc;
    wc.cbSize = sizeof(wc);
  } else {
    wc.style = classStyle;
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  }
  wc.style |= classStyle;
  wc.style &= ~static_cast<UINT>(CS_GLOBALCLASS);
  wc.lpfnWndProc = ControlWindowProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = name.c_str();
  wc.lpszMenuName = nullptr;
  if (!RegisterClassExA(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
    throw Exception(FormatText("Cannot register window class %s", {name}));
  classTable()[name] = below;
  return below;
}

LRESULT CALLBACK ControlWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* control = reinterpret_cast<TWinControl*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!control && msg == WM_NCCREATE) {
    control = static_cast<TWinControl*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    if (control) {
      control->FHandle = window;
      SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(control));
      SetPropA(window, TWinControl::ControlAtomName().c_str(), control);
    }
  }
  if (!control) return CallWindowProcA(baseProcOf(window), window, msg, wParam, lParam);

  TMessage message{msg, wParam, lParam, 0};
  ++control->FNesting;
  try {
    control->WindowProc(message);
  } catch (...) {
    // No exception crosses into Win32: the application's error box shows it.
    Application.HandleException();
  }
  --control->FNesting;
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    RemovePropA(window, TWinControl::ControlAtomName().c_str());
    if (control->FHandle == window) control->FHandle = nullptr;
  }
  return message.Result;
}

const TClassInfo& TWinControl::StaticClassInfo() {
  static const TClassInfo info{
      "TWinControl",
      &TControl::StaticClassInfo(),
      {
          props::Integer<TWinControl, int>("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder),
          props::Boolean<TWinControl>("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop),
          props::Event<TWinControl>("OnEnter", &TWinControl::OnEnter),
          props::Event<TWinControl>("OnExit", &TWinControl::OnExit),
      },
      {}};
  return info;
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  for (TControl* child : std::vector<TControl*>(FControls)) RemoveControl(child);
  DestroyHandle();
}

std::string TWinControl::ControlAtomName() {
  // The thread's name is made once: the first window of a thread asks for it.
  thread_local const std::string name = [] {
    char text[40];
    std::snprintf(text, sizeof text, "ControlOfs%.8X%.8X",
                  static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(GetModuleHandleA(nullptr))),
                  static_cast<unsigned>(GetCurrentThreadId()));
    return std::string(text);
  }();
  return name;
}

TWinControl* TWinControl::FromHandle(HWND window) {
  if (!window) return nullptr;
  // Only windows of our classes carry a control in their user data.
  if (reinterpret_cast<WNDPROC>(GetClassLongPtrA(window, GCLP_WNDPROC)) != ControlWindowProc)
    return nullptr;
  return reinterpret_cast<TWinControl*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

HWND TWinControl::Handle() {
  if (!FHandle) CreateWnd();
  return FHandle;
}

void TWinControl::RecreateWnd() {
  if (FHandle) Perform(CM_RECREATEWND, 0, 0);
}

void TWinControl::DestroyHandle() {
  if (FHandle) DestroyWindow(FHandle);
  FHandle = nullptr;
}

void TWinControl::CreateParams(TCreateParams& params) {
  params.WinClassName = ClassName();
  params.Style = WS_CHILD | WS_CLIPSIBLINGS;
  if (FVisible) params.Style |= WS_VISIBLE;
  if (FTabStop) params.Style |= WS_TABSTOP;
  if (!FEnabled) params.Style |= WS_DISABLED;
  params.X = FLeft;
  params.Y = FTop;
  params.Width = FWidth;
  params.Height = FHeight;
  params.WndParent = FParent ? FParent->Handle() : nullptr;
  params.Id = reinterpret_cast<HMENU>(nextControlId());
}

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  // Making the parent's window (for WndParent) makes its children's windows, this one's
  // among them: a second window would leave the first without its control.
  if (FHandle) return;
  if (!(params.Style & WS_CHILD)) params.Id = nullptr;
  FDefWndProc = RegisterControlClass(params.WinClassName, params.BaseClassName, params.ClassStyle);
  CreateWindowHandle(params);
  if (!FHandle) throw Exception(FormatText("Error creating window of %s", {Name()}));
  InitializeWnd();
}

void TWinControl::CreateWindowHandle(const TCreateParams& params) {
  CreateWindowExA(params.ExStyle, params.WinClassName.c_str(), FText.c_str(), params.Style,
                  params.X, params.Y, params.Width, params.Height, params.WndParent, params.Id,
                  GetModuleHandleA(nullptr), this);
}

void TWinControl::InitializeWnd() {
  SendMessageA(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), FALSE);
  for (TControl* child : FControls)
    if (auto* windowed = dynamic_cast<TWinControl*>(child)) windowed->HandleNeeded();
  updateTabOrder();
}

void TWinControl::InsertControl(TControl* control) {
  if (std::find(FControls.begin(), FControls.end(), control) != FControls.end()) return;
  FControls.push_back(control);
  control->FParent = this;
  if (control->ParentFont()) control->ParentFontChanged();
  if (control->ParentColor()) control->ParentColorChanged();
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
    if (FHandle) {
      if (windowed->FHandle)
        ::SetParent(windowed->FHandle, FHandle);
      else
        windowed->HandleNeeded();
      updateTabOrder();
    }
  } else {
    control->Invalidate();
  }
}

void TWinControl::RemoveControl(TControl* control) {
  auto it = std::find(FControls.begin(), FControls.end(), control);
  if (it == FControls.end()) return;
  control->Invalidate();
  FControls.erase(it);
  if (FMouseControl == control) FMouseControl = nullptr;
  if (FCaptureControl == control) FCaptureControl = nullptr;
  control->FParent = nullptr;
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) windowed->DestroyHandle();
}

TControl* TWinControl::FindChildControl(const std::string& name) const {
  for (TControl* c : FControls)
    if (SameText(c->Name(), name)) return c;
  return nullptr;
}

std::vector<TWinControl*> TWinControl::TabList() const {
  std::vector<TWinControl*> list;
  for (TControl* c : FControls)
    if (auto* w = dynamic_cast<TWinControl*>(c)) list.push_back(w);
  // Wanted orders first (ties keep insertion order), then the rest as inserted.
  std::stable_sort(list.begin(), list.end(), [](TWinControl* a, TWinControl* b) {
    const int ka = a->FTabOrder < 0 ? INT_MAX : a->FTabOrder;
    const int kb = b->FTabOrder < 0 ? INT_MAX : b->FTabOrder;
    return ka < kb;
  });
  return list;
}

int TWinControl::TabOrder() const {
  if (!FParent) return FTabOrder;
  const auto list = FParent->TabList();
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int order) {
  FTabOrder = order;
  if (FParent) FParent->updateTabOrder();
}

void TWinControl::SetTabStop(bool v) {
  FTabStop = v;
  if (FHandle) {
    LONG_PTR style = GetWindowLongPtrA(FHandle, GWL_STYLE);
    style = v ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP));
    SetWindowLongPtrA(FHandle, GWL_STYLE, style);
  }
}

// The dialog manager walks windows in Z order: the tab order is the Z order.
void TWinControl::updateTabOrder() {
  if (!FHandle) return;
  HWND after = HWND_TOP;
  for (TWinControl* child : TabList()) {
    if (!child->FHandle) continue;
    SetWindowPos(child->FHandle, after, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOREDRAW);
    after = child->FHandle;
  }
}

void TWinControl::SetFocus() {
  if (HWND h = Handle()) ::SetFocus(h);
}

bool TWinControl::Focused() const { return FHandle && GetFocus() == FHandle; }

bool TWinControl::CanFocus() const {
  for (const TWinControl* c = this; c; c = c->FParent)
    if (!c->FVisible || !c->FEnabled) return false;
  return true;
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  TControl::SetBounds(left, top, width, height);
  if (FHandle) {
    RECT r{};
    GetWindowRect(FHandle, &r);
    if (HWND parent = GetParent(FHandle); parent && (GetWindowLongPtrA(FHandle, GWL_STYLE) & WS_CHILD))
      MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    if (r.left != left || r.top != top || r.right - r.left != width || r.bottom - r.top != height)
      SetWindowPos(FHandle, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

std::string TWinControl::GetText() const {
  if (!FHandle) return FText;
  const int length = GetWindowTextLengthA(FHandle);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const int n = GetWindowTextA(FHandle, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(std::max(n, 0)));
  return text;
}

void TWinControl::SetText(const std::string& text) {
  FText = text;
  if (FHandle) {
    if (GetText() == text) return;
    SetWindowTextA(FHandle, text.c_str());
  }
  TextChanged();
}

void TWinControl::Invalidate() {
  if (FHandle) InvalidateRect(FHandle, nullptr, TRUE);
}

int TWinControl::ClientWidth() const {
  if (!FHandle) return FWidth;
  RECT r;
  GetClientRect(FHandle, &r);
  return r.right;
}

int TWinControl::ClientHeight() const {
  if (!FHandle) return FHeight;
  RECT r;
  GetClientRect(FHandle, &r);
  return r.bottom;
}

void TWinControl::FontChanged() {
  if (FHandle) SendMessageA(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), TRUE);
  for (TControl* child : FControls) child->ParentFontChanged();
}

void TWinControl::EnabledChanged() {
  if (FHandle) EnableWindow(FHandle, FEnabled);
}

void TWinControl::VisibleChanged() {
  if (FHandle) ShowWindow(FHandle, FVisible ? SW_SHOW : SW_HIDE);
}

void TWinControl::ColorChanged() {
  FBrush.Reset();
  Invalidate();
  for (TControl* child : FControls) child->ParentColorChanged();
}

void TWinControl::CtlColor(TMessage& message) {
  HDC dc = reinterpret_cast<HDC>(message.WParam);
  SetTextColor(dc, ColorToRGB(Font()->Color()));
  SetBkColor(dc, ColorToRGB(FColor));
  if (!FBrush) FBrush.Reset(CreateSolidBrush(ColorToRGB(FColor)));
  message.Result = reinterpret_cast<LRESULT>(FBrush.Get());
}

void TWinControl::PaintGraphicControls(HDC dc) {
  // Each gets WM_PAINT with the DC's origin at its top-left corner and clipped to it,
  // through its replaceable message entry (a skin's painter may stand there).
  for (TControl* child : std::vector<TControl*>(FControls)) {
    if (child->IsWindowed() || !child->Visible()) continue;
    SavedDC saved(dc);
    const RECT r = child->BoundsRect();
    IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
    OffsetViewportOrgEx(dc, r.left, r.top, nullptr);
    child->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  }
}

TControl* TWinControl::graphicControlAt(POINT point) const {
  for (auto it = FControls.rbegin(); it != FControls.rend(); ++it) {
    TControl* child = *it;
    const RECT r = child->BoundsRect();
    if (!child->IsWindowed() && child->Visible() && PtInRect(&r, point)) return child;
  }
  return nullptr;
}

void TWinControl::setMouseControl(TControl* control) {
  if (control == FMouseControl) return;
  TControl* previous = std::exchange(FMouseControl, control);
  if (previous) previous->Perform(CM_MOUSELEAVE);
  if (control) {
    control->Perform(CM_MOUSEENTER);
    // Hear of the mouse leaving the window, to tell the control.
    TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, FHandle, 0};
    TrackMouseEvent(&track);
  }
}

bool TWinControl::routeMouse(TMessage& message) {
  if (message.Msg == WM_MOUSELEAVE) {
    if (!FCaptureControl) setMouseControl(nullptr);
    return false;
  }
  const POINT point{static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))};
  TControl* under = graphicControlAt(point);
  if (message.Msg == WM_MOUSEMOVE) setMouseControl(under);
  TControl* target = FCaptureControl ? FCaptureControl : under;
  if (!target) return false;
  const LPARAM local = MAKELPARAM(point.x - target->Left(), point.y - target->Top());
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      FCaptureControl = target;
      SetCapture(FHandle);
      break;
    case WM_LBUTTONUP:
      // Released before the control hears of it: its click may free this window.
      FCaptureControl = nullptr;
      ReleaseCapture();
      break;
    default:
      break;
  }
  message.Result = target->Perform(message.Msg, message.WParam, local);
  return true;
}

void TWinControl::reflect(TMessage& message, HWND child) {
  TWinControl* control = FromHandle(child);
  if (control && control != this)
    message.Result = control->Perform(CN_BASE + message.Msg, message.WParam, message.LParam);
  else
    DefaultHandler(message);
}

void TWinControl::WndProc(TMessage& message) {
  if (((message.Msg >= WM_MOUSEFIRST && message.Msg <= WM_MOUSELAST) || message.Msg == WM_MOUSELEAVE) &&
      routeMouse(message))
    return;
  switch (message.Msg) {
    case CM_RECREATEWND: {
      if (!FHandle) return;
      const std::string text = GetText();
      DestroyHandle();
      FText = text;
      HandleNeeded();
      return;
    }
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (message.LParam) return reflect(message, reinterpret_cast<HWND>(message.LParam));
      break;
    case WM_NOTIFY:
      return reflect(message, reinterpret_cast<NMHDR*>(message.LParam)->hwndFrom);
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
      return reflect(message, reinterpret_cast<HWND>(message.LParam));
    case WM_DRAWITEM: {
      auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam);
      if (item->CtlType != ODT_MENU) return reflect(message, item->hwndItem);
      // A menu this window owns measures and draws its own items.
      if (DispatchMenuOwnerMessage(message)) return;
      break;
    }
    case WM_MEASUREITEM: {
      auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam);
      if (item->CtlType != ODT_MENU) return reflect(message, GetDlgItem(FHandle, static_cast<int>(item->CtlID)));
      if (DispatchMenuOwnerMessage(message)) return;
      break;
    }
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORBTN:
    case CN_CTLCOLORSTATIC:
    case CN_CTLCOLORLISTBOX:
    case CN_CTLCOLORSCROLLBAR:
      return CtlColor(message);
    case WM_PAINT: {
      // The window paints itself; the controls without a window are drawn over it.
      RECT update{};
      const bool hasGraphics = std::any_of(FControls.begin(), FControls.end(),
                                           [](TControl* c) { return !c->IsWindowed(); });
      if (!hasGraphics) break;
      HDC given = reinterpret_cast<HDC>(message.WParam);
      if (!given) GetUpdateRect(FHandle, &update, FALSE);
      DefaultHandler(message);
      if (given) {
        PaintGraphicControls(given);
      } else {
        WindowDC dc(FHandle);
        IntersectClipRect(dc, update.left, update.top, update.right, update.bottom);
        PaintGraphicControls(dc);
      }
      return;
    }
    case WM_PRINTCLIENT:
      DefaultHandler(message);
      PaintGraphicControls(reinterpret_cast<HDC>(message.WParam));
      return;
    case WM_SETFOCUS:
      DefaultHandler(message);
      if (HWND top = GetAncestor(FHandle, GA_ROOT); top != FHandle)
        if (TWinControl* window = FromHandle(top)) window->ChildFocused(FHandle);
      if (OnEnter) OnEnter(this);
      return;
    case WM_KILLFOCUS:
      DefaultHandler(message);
      if (OnExit) OnExit(this);
      return;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      DefaultHandler(message);
      RaiseMouseDown(*this, message);
      return;
    case WM_LBUTTONDBLCLK:
      DefaultHandler(message);
      RaiseMouseDown(*this, message);
      DblClick();
      return;
    case WM_WINDOWPOSCHANGED: {
      DefaultHandler(message);
      auto* pos = reinterpret_cast<WINDOWPOS*>(message.LParam);
      if (!(pos->flags & SWP_NOMOVE) || !(pos->flags & SWP_NOSIZE)) {
        RECT r;
        GetWindowRect(FHandle, &r);
        if (GetWindowLongPtrA(FHandle, GWL_STYLE) & WS_CHILD)
          MapWindowPoints(nullptr, GetParent(FHandle), reinterpret_cast<POINT*>(&r), 2);
        FLeft = r.left;
        FTop = r.top;
        FWidth = r.right - r.left;
        FHeight = r.bottom - r.top;
      }
      return;
    }
    default:
      break;
  }
  DefaultHandler(message);
}

void TWinControl::DefaultHandler(TMessage& message) {
  if (!FHandle) return;
  message.Result = CallWindowProcA(FDefWndProc ? FDefWndProc : DefWindowProcA, FHandle,
                                   message.Msg, message.WParam, message.LParam);
}

}  // namespace velmora
