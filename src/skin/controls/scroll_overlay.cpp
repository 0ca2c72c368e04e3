// The scroll bar overlay.
#include "skin/controls/scroll_overlay.h"

#include <algorithm>

#include "framework/bitmap.h"
#include "framework/control.h"
#include "framework/gdi_object.h"
#include "skin/controls/painter_window.h"
#include "skin/controls/scrollbar_drawing.h"
#include "skin/controls/scrollbar_geometry.h"
#include "skin/data/skin_colors.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_drawing.h"
#include "skin/data/skin_platform.h"

namespace velmora {
namespace {

const wchar_t OverlayClassName[] = L"TWScrollbar";

bool isVisible(const SCROLLBARINFO& info) { return !(info.rgstate[0] & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN)); }

}  // namespace

bool TNativeBar::operator==(const TNativeBar& other) const {
  return EqualRect(&Screen, &other.Screen) && Thumb.Start == other.Thumb.Start && Thumb.End == other.Thumb.End &&
         Visible == other.Visible && Enabled == other.Enabled;
}

namespace {

bool isVerticalControl(HWND host) { return (GetWindowLongPtrW(host, GWL_STYLE) & SBS_VERT) != 0; }

// A scroll bar control's thumb from its range, when the system cannot tell it.
bool readControlBar(HWND host, TNativeBar& bar) {
  if (!GetWindowRect(host, &bar.Screen)) return false;
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_ALL;
  if (!GetScrollInfo(host, SB_CTL, &info)) return false;
  const bool vertical = isVerticalControl(host);
  const int length = vertical ? bar.Screen.bottom - bar.Screen.top : bar.Screen.right - bar.Screen.left;
  const int arrow = ArrowLength(length, GetSystemMetrics(vertical ? SM_CYVSCROLL : SM_CXHSCROLL));
  bar.Thumb = ControlThumb(length, arrow, {info.nMin, info.nMax, static_cast<int>(info.nPage), info.nPos}, true);
  bar.Visible = (GetWindowLongPtrW(host, GWL_STYLE) & WS_VISIBLE) != 0;
  bar.Enabled = IsWindowEnabled(host) != FALSE;
  return true;
}

}  // namespace

bool TWScrollbar::ReadNativeBar(HWND host, TOverlaySource source, TNativeBar& bar) {
  SCROLLBARINFO info{};
  const LONG object = source == osControl ? OBJID_CLIENT : source == osHorizontal ? OBJID_HSCROLL : OBJID_VSCROLL;
  if (!SkinGetScrollBarInfo(host, object, info)) return source == osControl && readControlBar(host, bar);
  bar.Screen = info.rcScrollBar;
  bar.Thumb = {info.xyThumbTop, info.xyThumbBottom};
  bar.Visible = isVisible(info) && (GetWindowLongPtrW(host, GWL_STYLE) & WS_VISIBLE);
  bar.Enabled = !(info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) && IsWindowEnabled(host);
  return true;
}

std::shared_ptr<TWScrollbar> TWScrollbar::Create(TSkinData* data) {
  return std::shared_ptr<TWScrollbar>(new TWScrollbar(data));
}

TWScrollbar::TWScrollbar(TSkinData* data) : FData(data) {}

TWScrollbar::~TWScrollbar() { Destroy(); }

void TWScrollbar::Destroy() {
  const HWND window = std::exchange(FWindow, nullptr);
  FShown = false;
  if (window && IsWindow(window)) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    DestroyWindow(window);
  }
}

void TWScrollbar::Attach(HWND host, TOverlaySource source) {
  FHost = host;
  FSource = source;
  FHorizontal = source == osHorizontal || (source == osControl && !isVerticalControl(host));
  FArrow = GetSystemMetrics(FHorizontal ? SM_CXHSCROLL : SM_CYVSCROLL);
  const HWND parent = GetParent(host);
  if (!parent || FWindow) return;
  RegisterPainterWindowClass(OverlayClassName, &TWScrollbar::windowProc, CS_DBLCLKS);
  FWindow = CreateWindowExW(WS_EX_TOOLWINDOW, OverlayClassName, L"", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0,
                            parent, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!FWindow) return;
  SetWindowLongPtrW(FWindow, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  Reposition();
}

void TWScrollbar::Reposition() {
  if (!FWindow || !FHost) return;
  TNativeBar bar;
  if (!ReadNativeBar(FHost, FSource, bar)) {
    FShown = false;
    return;
  }
  FLastSeen = bar;
  if (!bar.Visible || IsRectEmpty(&bar.Screen)) {
    HideOverlay();
    return;
  }
  RECT rect = bar.Screen;
  MapWindowPoints(nullptr, GetParent(FWindow), reinterpret_cast<POINT*>(&rect), 2);
  FBarRect = rect;
  // Directly above the host, so the host's own drawing of the bar stays beneath.
  const HWND above = GetWindow(FHost, GW_HWNDPREV);
  const UINT zorder = above == FWindow ? SWP_NOZORDER : 0;
  SetWindowPos(FWindow, above ? above : HWND_TOP, rect.left, rect.top, rect.right - rect.left,
               rect.bottom - rect.top, zorder | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  FShown = true;
  Repaint();
}

void TWScrollbar::HideOverlay() {
  FShown = false;
  if (FWindow && IsWindowVisible(FWindow)) ShowWindow(FWindow, SW_HIDE);
}

void TWScrollbar::Sync() {
  if (!FWindow || !FHost) return;
  TNativeBar bar;
  if (!ReadNativeBar(FHost, FSource, bar) || bar == FLastSeen) return;
  const bool moved = !EqualRect(&bar.Screen, &FLastSeen.Screen) || bar.Visible != FLastSeen.Visible ||
                     bar.Visible != FShown;
  if (moved) {
    Reposition();
  } else {
    FLastSeen = bar;
    Repaint();
  }
}

void TWScrollbar::Repaint() {
  if (FWindow && FShown) RedrawWindow(FWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

POINT TWScrollbar::toScreen(POINT point) const {
  TNativeBar bar;
  if (!ReadNativeBar(FHost, FSource, bar)) return point;
  return {point.x + bar.Screen.left, point.y + bar.Screen.top};
}

LRESULT CALLBACK TWScrollbar::windowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* overlay = reinterpret_cast<TWScrollbar*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!overlay) return DefWindowProcW(window, msg, wParam, lParam);
  // The overlay lives to the end of its message even when its painter lets it go.
  const std::shared_ptr<TWScrollbar> keep = overlay->shared_from_this();
  return overlay->handle(msg, wParam, lParam);
}

LRESULT TWScrollbar::handle(UINT msg, WPARAM wParam, LPARAM lParam) {
  const HWND window = FWindow;
  const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      press(point);
      return 0;
    case WM_LBUTTONUP:
      release(point);
      return 0;
    case WM_MOUSEMOVE:
      move(point);
      return 0;
    case WM_MOUSELEAVE:
      if (!FPressed && HotPart != spNone) {
        HotPart = spNone;
        Repaint();
      }
      return 0;
    default: {
      LRESULT result = 0;
      if (HandlePainterWindowMessage(window, msg, wParam, [this](HDC dc) { paint(dc); }, result)) return result;
      return DefWindowProcW(window, msg, wParam, lParam);
    }
  }
}

void TWScrollbar::press(POINT point) {
  TNativeBar bar;
  if (!FHost || !ReadNativeBar(FHost, FSource, bar)) return;
  GetCursorPos(&FPressCursor);
  FPressThumbStart = bar.Thumb.Start;
  const int length = Horizontal() ? bar.Screen.right - bar.Screen.left : bar.Screen.bottom - bar.Screen.top;
  HotPart = ScrollPartAt(along(point), length, FArrow, bar.Thumb);
  FPressed = true;
  Repaint();
  ReleaseCapture();
  // The system's scrolling loop runs inside this call and scrolls the host.
  forwardPress(point, bar.Screen);
  if (!FWindow) return;  // let go while the loop ran
  FPressed = false;
  ReleaseCapture();
  POINT cursor{};
  GetCursorPos(&cursor);
  RECT own{};
  GetWindowRect(FWindow, &own);
  if (!PtInRect(&own, cursor)) HotPart = spNone;
  Repaint();
}

void TWScrollbar::release(POINT point) {
  FPressed = false;
  ReleaseCapture();
  forwardRelease(point);
}

void TWScrollbar::forwardPress(POINT point, const RECT& barScreen) {
  if (FSource == osControl) {
    // The overlay covers the whole control, whose client area is the bar.
    POINT client{point.x + barScreen.left, point.y + barScreen.top};
    ScreenToClient(FHost, &client);
    SendMessageW(FHost, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(client.x, client.y));
    return;
  }
  const POINT screen{point.x + barScreen.left, point.y + barScreen.top};
  SendMessageW(FHost, WM_NCLBUTTONDOWN, hitCode(), MAKELPARAM(screen.x, screen.y));
}

void TWScrollbar::forwardRelease(POINT point) {
  if (!FHost) return;
  POINT screen = toScreen(point);
  if (FSource == osControl) {
    ScreenToClient(FHost, &screen);
    PostMessageW(FHost, WM_LBUTTONUP, 0, MAKELPARAM(screen.x, screen.y));
    return;
  }
  PostMessageW(FHost, WM_NCLBUTTONUP, hitCode(), MAKELPARAM(screen.x, screen.y));
}

void TWScrollbar::move(POINT point) {
  TNativeBar bar;
  if (!FHost || !ReadNativeBar(FHost, FSource, bar)) return;
  const int length = Horizontal() ? bar.Screen.right - bar.Screen.left : bar.Screen.bottom - bar.Screen.top;
  const int part = ScrollPartAt(along(point), length, FArrow, bar.Thumb);
  SkinTrackMouseLeave(FWindow);
  if (part == HotPart) return;
  HotPart = part;
  Repaint();
}

void TWScrollbar::paint(HDC dc) {
  RECT client{};
  GetClientRect(FWindow, &client);
  if (client.right <= 0 || client.bottom <= 0 || !FData) return;
  TNativeBar bar;
  if (!ReadNativeBar(FHost, FSource, bar) || !bar.Visible) {
    TScrollBarLook nothing;
    nothing.Visible = false;
    FPicture.Draw(dc, client, *FData, nothing);
    return;
  }
  TScrollBarLook look;
  look.Horizontal = Horizontal();
  look.ArrowSize = FArrow;
  look.Thumb = bar.Thumb;
  look.Enabled = bar.Enabled;
  look.HotPart = HotPart;
  look.Pressed = FPressed;
  // While dragged, the thumb follows the mouse.
  if (FPressed && HotPart == spThumb) {
    POINT cursor{};
    GetCursorPos(&cursor);
    const int moved = look.Horizontal ? cursor.x - FPressCursor.x : cursor.y - FPressCursor.y;
    const int length = look.Horizontal ? client.right : client.bottom;
    const int arrow = ArrowLength(length, ArrowExtent(FData->Records.Scrollbar ? FData->Records.Scrollbar->Map.Height() : 0, FArrow));
    look.Thumb = DraggedThumb({FPressThumbStart, FPressThumbStart + bar.Thumb.Length()}, moved, length, arrow);
  }
  FPicture.Draw(dc, client, *FData, look);
}

}  // namespace velmora
