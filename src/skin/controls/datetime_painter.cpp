// Date-time pickers.
#include "skin/controls/datetime_painter.h"

#include <commctrl.h>

#include <algorithm>

#include "framework/bitmap.h"
#include "framework/control.h"
#include "framework/gdi_object.h"
#include "skin/controls/painter_messages.h"
#include "skin/controls/edit_painters.h"
#include "skin/controls/painter_window.h"
#include "skin/controls/updown_painter.h"
#include "skin/data/skin_platform.h"

namespace velmora {
namespace {

const wchar_t ArrowButtonClass[] = L"TArrowButton";

}  // namespace

// ---- the arrow button ----

TArrowButton::~TArrowButton() {
  const HWND window = std::exchange(FWindow, nullptr);
  if (window && IsWindow(window)) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    DestroyWindow(window);
  }
}

RECT TArrowButton::Place(int clientWidth, int clientHeight, int arrowSize, bool onLeft) {
  const int width = std::min(arrowSize, std::max(clientWidth, 0));
  const int left = onLeft ? 0 : std::max(clientWidth - width, 0);
  return {left, 0, left + width, std::max(clientHeight, 0)};
}

void TArrowButton::Attach(HWND host) {
  FHost = host;
  if (FWindow || !host) return;
  RegisterPainterWindowClass(ArrowButtonClass, &TArrowButton::windowProc, 0);
  FWindow = CreateWindowExW(0, ArrowButtonClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, 0, 0, host,
                            nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!FWindow) return;
  SetWindowLongPtrW(FWindow, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  Align();
}

void TArrowButton::Align() {
  if (!FWindow || !FHost) return;
  RECT client{};
  GetClientRect(FHost, &client);
  const bool onLeft = (GetWindowLongPtrW(FHost, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0;
  const RECT place = Place(client.right, client.bottom, FArrowSize, onLeft);
  RECT now{};
  GetWindowRect(FWindow, &now);
  MapWindowPoints(nullptr, FHost, reinterpret_cast<POINT*>(&now), 2);
  if (EqualRect(&now, &place)) return;
  SetWindowPos(FWindow, HWND_TOP, place.left, place.top, place.right - place.left, place.bottom - place.top,
               SWP_NOACTIVATE);
}

LRESULT CALLBACK TArrowButton::windowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* button = reinterpret_cast<TArrowButton*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!button) return DefWindowProcW(window, msg, wParam, lParam);
  return button->handle(msg, wParam, lParam);
}

void TArrowButton::setHot(bool hot) {
  if (FHot == hot) return;
  FHot = hot;
  InvalidateRect(FWindow, nullptr, FALSE);
}

LRESULT TArrowButton::handle(UINT msg, WPARAM wParam, LPARAM lParam) {
  const HWND window = FWindow;
  switch (msg) {
    case WM_MOUSEMOVE:
      if (!FHot && IsWindowEnabled(FHost)) {
        SkinTrackMouseLeave(window);
        setHot(true);
      }
      return 0;
    case WM_MOUSELEAVE:
      setHot(false);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      // The press goes to the picker where its own button lies: it opens its calendar.
      RECT own{};
      GetWindowRect(window, &own);
      MapWindowPoints(nullptr, FHost, reinterpret_cast<POINT*>(&own), 2);
      const LPARAM at = MAKELPARAM(static_cast<short>(LOWORD(lParam)) + own.left,
                                   static_cast<short>(HIWORD(lParam)) + own.top);
      PostMessageW(FHost, WM_LBUTTONDOWN, MK_LBUTTON, at);
      PostMessageW(FHost, WM_LBUTTONUP, 0, at);
      return 0;
    }
    case WM_LBUTTONUP:
      // The picker takes the focus, unless its calendar is open and has it.
      if (!SendMessageW(FHost, DTM_GETMONTHCAL, 0, 0)) SetFocus(FHost);
      return 0;
    default: {
      LRESULT result = 0;
      if (HandlePainterWindowMessage(window, msg, wParam, [this](HDC dc) { paint(dc); }, result)) return result;
      return DefWindowProcW(window, msg, wParam, lParam);
    }
  }
}

void TArrowButton::paint(HDC dc) const {
  RECT client{};
  GetClientRect(FWindow, &client);
  const TSkinData* data = FOwner.SkinData();
  if (!data || client.right <= 0 || client.bottom <= 0) return;
  GdiBrush face(CreateSolidBrush(ColorToRGB(data->Colors.Colors[scButtonFace])));
  FillRect(dc, &client, face);
  const TDataSkinObject* arrows = data->Records.ComboxArrow.get();
  if (!arrows || arrows->Map.Empty()) return;
  const int frames = std::max(arrows->Frame, 1);
  const int frameWidth = arrows->Map.Width() / frames;
  const int index = std::min(FHot ? 4 : 1, frames);
  if (frameWidth <= 0) return;
  MemoryDC source;
  SelectScope select(source, arrows->Map.Handle());
  SetStretchBltMode(dc, COLORONCOLOR);
  StretchBlt(dc, 0, 0, client.right, client.bottom, source, (index - 1) * frameWidth, 0, frameWidth,
             arrows->Map.Height(), SRCCOPY);
}

// ---- the picker ----

TSkinDateTime::~TSkinDateTime() = default;

void TSkinDateTime::AttachControl(TSkinPainterList* formSkin, TSkinData* data, bool changeColor) {
  if (FAttached) return;
  TSkinControl::AttachControl(formSkin, data, changeColor);
  if (FHandle) attachParts();
}

void TSkinDateTime::AttachHandle(HWND handle, TSkinData* data, TSkinPainterList* formSkin) {
  if (FAttached) return;
  TSkinControl::AttachHandle(handle, data, formSkin);
  if (FHandle) attachParts();
}

void TSkinDateTime::attachParts() {
  // A picker that spins instead of dropping down has its spin button skinned.
  if (const HWND spin = TSkinUpDown::FindSpinChild(FHandle)) {
    if (SendMessageW(spin, WM_SKINQUERY, 0, 0) != 1) {
      auto* painter = new TSkinUpDown(this);  // freed with this painter
      painter->InEdit = true;
      painter->AttachHandle(spin, FSkinData, FFormSkin);
    }
    return;
  }
  FClipChildren.Add(FHandle, WS_CLIPCHILDREN);
  FArrow = std::make_unique<TArrowButton>(*this);
  FArrow->Attach(FHandle);
}

void TSkinDateTime::Unskin() {
  TSkinControl::Unskin();
  if (Status() == psWindowDestroyed) return;
  FArrow.reset();
  FClipChildren.Remove(false);
}

void TSkinDateTime::AfterMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_SIZE:
      if (FArrow) FArrow->Align();
      return;
    case WM_NCPAINT:
      PaintSkin(nullptr);  // the system's border goes under ours again
      return;
    case WM_ENABLE:
    case CM_ENABLEDCHANGED:
      TSkinControl::AfterMessage(message);
      if (FArrow && FArrow->Handle()) InvalidateRect(FArrow->Handle(), nullptr, FALSE);
      return;
    default:
      TSkinControl::AfterMessage(message);
  }
}

void TSkinDateTime::DrawSkin(HDC dc, const RECT& rect) {
  if (FArrow) FArrow->Align();
  if (!TSkinEdit::HasBorder(FHandle)) return;
  FrameColor(dc, rect, ColorToRGB(FSkinData->Colors.Colors[scButtonShadow]));
  RECT inner = rect;
  InflateRect(&inner, -1, -1);
  FrameColor(dc, inner, RGB(255, 255, 255));
}

}  // namespace velmora
