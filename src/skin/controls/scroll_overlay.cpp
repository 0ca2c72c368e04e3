// The scroll bar overlay.
#include "skin/controls/scroll_overlay.h"

#include <algorithm>

#include "framework/bitmap.h"
#include "framework/control.h"
#include "framework/gdi_object.h"
#include "skin/data/skin_colors.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_drawing.h"
#include "skin/data/skin_platform.h"

namespace velmora {
namespace {

const wchar_t OverlayClassName[] = L"TWScrollbar";

void registerOverlayClass(WNDPROC procedure) {
  static const bool registered = [procedure] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = procedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = OverlayClassName;
    return RegisterClassExW(&wc) != 0;
  }();
  (void)registered;
}

bool isVisible(const SCROLLBARINFO& info) { return !(info.rgstate[0] & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN)); }

void fill(HDC dc, const RECT& rect, COLORREF color) {
  GdiBrush brush(CreateSolidBrush(ColorToRGB(color)));
  FillRect(dc, &rect, brush);
}

// The rectangle `from`..`to` along the axis, across the whole thickness.
RECT span(bool horizontal, int from, int to, int thickness) {
  return horizontal ? RECT{from, 0, to, thickness} : RECT{0, from, thickness, to};
}

}  // namespace

bool TNativeBar::operator==(const TNativeBar& other) const {
  return EqualRect(&Screen, &other.Screen) && Thumb.Start == other.Thumb.Start && Thumb.End == other.Thumb.End &&
         Visible == other.Visible && Enabled == other.Enabled;
}

bool TWScrollbar::ReadNativeBar(HWND host, TOverlaySource source, TNativeBar& bar) {
  SCROLLBARINFO info{};
  if (!SkinGetScrollBarInfo(host, source == osHorizontal ? OBJID_HSCROLL : OBJID_VSCROLL, info)) return false;
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
  FArrow = GetSystemMetrics(source == osHorizontal ? SM_CXHSCROLL : SM_CYVSCROLL);
  const HWND parent = GetParent(host);
  if (!parent || FWindow) return;
  registerOverlayClass(&TWScrollbar::windowProc);
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
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      if (HDC dc = BeginPaint(window, &ps)) {
        try {
          paint(dc);
        } catch (const std::exception&) {
          // our own drawing failed: the bar shows what it showed
        }
        EndPaint(window, &ps);
      }
      return 0;
    }
    case WM_PRINTCLIENT:
      try {
        paint(reinterpret_cast<HDC>(wParam));
      } catch (const std::exception&) {
      }
      return 0;
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    default:
      return DefWindowProcW(window, msg, wParam, lParam);
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
  const POINT screen{point.x + bar.Screen.left, point.y + bar.Screen.top};
  const HWND host = FHost;
  // The system's scrolling loop runs inside this call and scrolls the host.
  SendMessageW(host, WM_NCLBUTTONDOWN, hitCode(), MAKELPARAM(screen.x, screen.y));
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
  const POINT screen = toScreen(point);
  if (FHost) PostMessageW(FHost, WM_NCLBUTTONUP, hitCode(), MAKELPARAM(screen.x, screen.y));
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
  const int width = client.right, height = client.bottom;
  if (width <= 0 || height <= 0 || !FData) return;
  const TSkinRecords& records = FData->Records;
  const COLORREF background = FData->Colors.Colors[scButtonFace];
  TNativeBar bar;
  const TDataSkinObject* glyphs = records.Scrollbar.get();
  if (!glyphs || glyphs->Map.Empty() || !ReadNativeBar(FHost, FSource, bar) || !bar.Visible) {
    fill(dc, client, background);
    return;
  }
  const bool horizontal = Horizontal();
  const int length = horizontal ? width : height, thickness = horizontal ? height : width;
  const int extent = ArrowExtent(glyphs->Map.Height(), FArrow);
  const int arrow = ArrowLength(length, extent);

  TBitmap buffer(width, height);
  {
    MemoryDC composing;
    SelectScope select(composing, buffer.Handle());
    SetStretchBltMode(composing, COLORONCOLOR);
    fill(composing, client, background);

    // The track between the arrows: frame 1, or 3 when the bar is disabled.
    const TDataSkinObject* track = horizontal ? records.HorzScroll.get() : records.VertScroll.get();
    if (track && !track->Map.Empty() && length > 2 * arrow)
      DrawSkinBitmap(composing, span(horizontal, arrow, length - arrow, thickness), track->Map, MarginsOf(*track),
                     bar.Enabled ? 1 : 3, std::max(track->Frame, 1), track->Trans != 0, false, false);

    // The arrows: pressed or hot while their part is the hot one.
    const bool trans = glyphs->Trans != 0;
    const int first = horizontal ? 1 : 9, second = horizontal ? 5 : 13;
    auto arrowFrame = [&](int base, int part) {
      if (HotPart != part || !bar.Enabled) return base;
      return base + (FPressed ? 1 : 3);
    };
    DrawFrameStretched(composing, span(horizontal, 0, arrow, thickness), glyphs->Map, arrowFrame(first, spFirstArrow),
                       23, trans);
    DrawFrameStretched(composing, span(horizontal, length - arrow, length, thickness), glyphs->Map,
                       arrowFrame(second, spSecondArrow), 23, trans);

    // The thumb: following the mouse while it is dragged, else where the native bar has it.
    TThumbSpan thumb = bar.Thumb;
    if (FPressed && HotPart == spThumb) {
      POINT cursor{};
      GetCursorPos(&cursor);
      const int moved = horizontal ? cursor.x - FPressCursor.x : cursor.y - FPressCursor.y;
      thumb = DraggedThumb({FPressThumbStart, FPressThumbStart + bar.Thumb.Length()}, moved, length, arrow);
    }
    const TDataSkinObject* thumbElement = horizontal ? records.HorzScrollThumb.get() : records.VertScrollThumb.get();
    // The vertical thumb is cut with the horizontal one's frame count when there is one.
    const TDataSkinObject* counted = records.HorzScrollThumb ? records.HorzScrollThumb.get() : thumbElement;
    if (thumbElement && !thumbElement->Map.Empty() && ThumbDrawn(thumb, length, arrow)) {
      const bool thumbHot = HotPart == spThumb && bar.Enabled;
      const int frame = thumbHot ? (FPressed ? 2 : 3) : 1;
      const RECT thumbRect = span(horizontal, thumb.Start, thumb.End, thickness);
      DrawSkinBitmap(composing, thumbRect, thumbElement->Map, MarginsOf(*thumbElement), frame,
                     std::max(counted->Frame, 1), thumbElement->Trans != 0, false, false);
      // The grip, centred, when it fits.
      const int gripLength = glyphs->Map.Width() / 23;
      if (gripLength <= thumb.Length() + 1) {
        const int grip = (horizontal ? 17 : 20) + (thumbHot ? (FPressed ? 1 : 2) : 0);
        DrawFrameCentred(composing, thumbRect, glyphs->Map, grip, 23, trans);
      }
    }
  }
  MemoryDC source;
  SelectScope select(source, buffer.Handle());
  BitBlt(dc, 0, 0, width, height, source, 0, 0, SRCCOPY);
}

}  // namespace velmora
