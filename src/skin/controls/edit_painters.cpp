// Edit borders.
#include "skin/controls/edit_painters.h"

#include "skin/controls/painter_messages.h"
#include "skin/controls/updown_painter.h"
#include "skin/data/bitmap_helpers.h"

namespace velmora {
namespace {

// Paint yourself into the DC in wParam: honoured only with this lParam, answered with it.
constexpr UINT WM_SKINPRINT_A = 0xBC4A;
constexpr LPARAM SkinPrintMagic = 0x41A2;

}  // namespace

bool TSkinEdit::HasBorder(HWND window) {
  RECT outer, client;
  if (!GetWindowRect(window, &outer) || !GetClientRect(window, &client)) return false;
  return client.right < outer.right - outer.left && client.bottom < outer.bottom - outer.top;
}

void TSkinEdit::skinSpinChild() {
  if (FSpin || !FSkinData || !InSet(FSkinData->SkinControls(), xcSpin)) return;
  const HWND spin = TSkinUpDown::FindSpinChild(FHandle);
  if (!spin || SendMessageW(spin, WM_SKINQUERY, 0, 0) == 1) return;
  FSpin = new TSkinUpDown(this);
  FSpin->InEdit = true;
  FSpin->AttachHandle(spin, FSkinData, FFormSkin);
}

void TSkinEdit::Notification(TComponent* component, TOperation operation) {
  TSkinControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == FSpin) FSpin = nullptr;
}

void TSkinEdit::DrawSkin(HDC dc, const RECT& rect) {
  skinSpinChild();
  if (!HasBorder(FHandle)) return;
  RECT edge = rect;
  FrameColor(dc, edge, ColorToRGB(FSkinData->Colors.Colors[scButtonShadow]));
  for (int i = 0; i < 2; ++i) {
    InflateRect(&edge, -1, -1);
    FrameColor(dc, edge, 0xFFFFFF);
  }
}

void TSkinEdit::drawPrintBorder(HDC dc) {
  RECT outer, client;
  GetWindowRect(FHandle, &outer);
  GetClientRect(FHandle, &client);
  const int width = outer.right - outer.left, height = outer.bottom - outer.top;
  if (client.right + 2 >= width || client.bottom + 2 >= height) return;
  RECT edge{0, 0, width, height};
  FrameColor(dc, edge, ColorToRGB(FSkinData->Colors.Colors[scButtonShadow]));
  InflateRect(&edge, -1, -1);
  FrameRect(dc, &edge, static_cast<HBRUSH>(GetCurrentObject(dc, OBJ_BRUSH)));
}

void TSkinEdit::AfterMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
      PaintSkin(reinterpret_cast<HDC>(message.WParam));
      return;
    case WM_NCPAINT:
      // The system draws its own border here, outside WM_PAINT: ours goes back over it.
      PaintSkin(nullptr);
      return;
    case WM_PRINT:
      if (message.WParam) {
        drawPrintBorder(reinterpret_cast<HDC>(message.WParam));
      } else {
        WindowDC whole(FHandle, WindowDC::Whole);
        if (whole) drawPrintBorder(whole);
      }
      return;
    case WM_SKINPRINT_A:
      if (message.LParam != SkinPrintMagic) return;
      if (message.WParam) {
        TMessage paint{WM_PAINT, message.WParam, 0, 0};
        CallDefault(paint);
      }
      message.Result = SkinPrintMagic;
      return;
    default:
      TSkinControl::AfterMessage(message);
  }
}

}  // namespace velmora
