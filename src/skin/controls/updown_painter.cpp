// Up-down controls.
#include "skin/controls/updown_painter.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "skin/controls/skin_property.h"
#include "skin/data/skin_drawing.h"
#include "skin/data/skin_platform.h"

namespace velmora {

int TSkinUpDown::HalfFrame(int half, int halfUnderCursor, bool pressed, bool enabled) {
  int frame = 1;
  if (!enabled)
    frame = 3;
  else if (half == halfUnderCursor)
    frame = pressed ? 2 : 4;
  return half * 4 + frame;
}

HWND TSkinUpDown::FindSpinChild(HWND window) {
  for (HWND child = GetTopWindow(window); child; child = GetWindow(child, GW_HWNDNEXT)) {
    char name[128] = {};
    GetClassNameA(child, name, sizeof name);
    const std::string lower = LowerText(name);
    if (lower == "msctls_updown32" || lower.find("spin") != std::string::npos || lower.find("updown") != std::string::npos)
      return child;
  }
  return nullptr;
}

bool TSkinUpDown::horizontal() const { return Horizontal || (WindowLong(GWL_STYLE) & UDS_HORZ); }

int TSkinUpDown::halfUnderCursor() const {
  POINT at{};
  RECT client{};
  if (!GetCursorPos(&at) || !ScreenToClient(FHandle, &at) || !GetClientRect(FHandle, &client)) return -1;
  if (!PtInRect(&client, at)) return -1;
  return horizontal() ? (at.x < client.right / 2 ? 0 : 1) : (at.y < client.bottom / 2 ? 0 : 1);
}

bool TSkinUpDown::BeforeMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      const auto alive = AliveToken();
      CallDefault(message);  // the control spins (and captures the mouse)
      if (!*alive) return false;
      PressedState = true;
      PaintSkin(nullptr);
      return false;
    }
    case WM_LBUTTONUP: {
      PressedState = false;
      const auto alive = AliveToken();
      CallDefault(message);
      if (*alive) PaintSkin(nullptr);
      return false;
    }
    case WM_PAINT:
      PaintFull(message);
      return false;
    case WM_ERASEBKGND:
      if (!FControl) {
        RECT client{};
        GetClientRect(FHandle, &client);
        FillColor(reinterpret_cast<HDC>(message.WParam), client, RGB(255, 255, 255));
      }
      message.Result = 1;
      return false;
    default:
      return TSkinControl::BeforeMessage(message);
  }
}

void TSkinUpDown::AfterMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_MOUSEMOVE: {
      const int half = halfUnderCursor();
      SkinTrackMouseLeave(FHandle);
      if (half != FLastHalf) {
        FLastHalf = half;
        PaintSkin(nullptr);
      }
      return;
    }
    case WM_MOUSELEAVE:
    case WM_CAPTURECHANGED:
      FLastHalf = -1;
      if (message.Msg == WM_CAPTURECHANGED) PressedState = false;
      PaintSkin(nullptr);
      return;
    case WM_ENABLE:
      Refresh();
      return;
    default:
      TSkinControl::AfterMessage(message);
  }
}

void TSkinUpDown::DrawSkin(HDC dc, const RECT& rect) {
  const bool across = horizontal();
  const TDataSkinBorder* element =
      across ? FSkinData->Records.UpDownHorz.get() : FSkinData->Records.UpDownVert.get();
  RECT area = rect;
  if (InEdit) {
    // Inside an edit: white behind, and at least 3 pixels clear of the edit's edges.
    FillColor(dc, rect, RGB(255, 255, 255));
    RECT own{}, parent{};
    GetWindowRect(FHandle, &own);
    GetWindowRect(GetParent(FHandle), &parent);
    area.top += std::max<LONG>(0, 3 - (own.top - parent.top));
    area.right -= std::max<LONG>(0, 3 - (parent.right - own.right));
    area.bottom -= std::max<LONG>(0, 3 - (parent.bottom - own.bottom));
  }
  const int width = area.right - area.left, height = area.bottom - area.top;
  if (width <= 0 || height <= 0) return;
  TFaceBuffer::TUse use(FFace, width, height);
  TBitmap& face = use.Face();
  {
    MemoryDC composing;
    SelectScope select(composing, face.Handle());
    FillColor(composing, {0, 0, width, height}, SkinFaceColor());
    if (element && !element->Map.Empty()) {
      const int under = halfUnderCursor();
      const bool enabled = IsWindowEnabled(FHandle);
      const RECT halves[2] = {across ? RECT{0, 0, width / 2, height} : RECT{0, 0, width, height / 2},
                              across ? RECT{width / 2, 0, width, height} : RECT{0, height / 2, width, height}};
      for (int half = 0; half < 2; ++half)
        DrawSkinBitmap(composing, halves[half], element->Map, MarginsOf(*element),
                       HalfFrame(half, under, PressedState, enabled), 8, element->Trans != 0, false, false);
    }
  }
  CopyBitmap(dc, area.left, area.top, face);
}

}  // namespace velmora
