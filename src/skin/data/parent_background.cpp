// A control's parent painted under the control: the parent erases and paints into the
// control's DC with its origin moved to where the control sits, clipped to the control.
#include "skin/data/skin_drawing.h"

namespace velmora {

void PaintParentBackground(HWND control, HDC dc) {
  if (!dc || !IsWindow(control)) return;
  // Only a child window has a parent to show through; GetParent of a pop-up answers its
  // owner, which is not under it.
  if (!(GetWindowLongPtrA(control, GWL_STYLE) & WS_CHILD)) return;
  HWND parent = GetParent(control);
  if (!parent) return;

  RECT client{};
  GetClientRect(control, &client);
  RECT bounds{};
  GetWindowRect(control, &bounds);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&bounds), 2);
  const int left = bounds.left, top = bounds.top;

  SavedDC saved(dc);
  OffsetViewportOrgEx(dc, -left, -top, nullptr);
  OffsetRect(&client, left, top);
  IntersectClipRect(dc, client.left, client.top, client.right, client.bottom);
  // Sent, not posted: the parent handles both at once, through every procedure in
  // front of it (a skin's layer, the framework's replaceable WindowProc).
  SendMessageA(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  SendMessageA(parent, WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
}

}  // namespace velmora
