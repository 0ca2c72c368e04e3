// The state machine of non-client objects and the drawing of caption buttons.
#include "skin/forms/nc_objects.h"

#include "skin/data/skin_drawing.h"
#include "skin/forms/frame_rules.h"
#include "skin/forms/win_skin_form.h"

namespace velmora {

void TNCObject::MouseDown() {
  TNCObject* hot = FOwner->HotObject();
  if (hot && hot != this) hot->MouseLeave();
  if (!FVisible) return;
  FOwner->SetHotObject(this);
  FState = ncPressed;
  Paint();
}

void TNCObject::MouseUp() {
  if (!FVisible) return;
  FState = ncHover;
  Paint();
}

void TNCObject::MouseMove() {
  TNCObject* hot = FOwner->HotObject();
  if (hot == this) return;
  if (hot) hot->MouseLeave();
  if (!FVisible) return;
  FOwner->SetHotObject(this);
  FState = ncHover;
  Paint();
}

void TNCObject::MouseLeave() {
  if (!FVisible) return;
  if (FOwner->HotObject() == this) FOwner->SetHotObject(nullptr);
  FState = ncNormal;
  Paint();
}

int TWinSysButton::FrameCount() const {
  if (IsIconButton() || FData->Frame < 1) return 1;
  return FData->Frame;
}

// The title bar is composed again with this button in its new state, so the frame it
// had before never shows through the new one's transparent pixels.
void TWinSysButton::Paint() { FOwner->PaintTitleBar(); }

void TWinSysButton::Draw(HDC dc, int frameIndex, POINT origin) const {
  RECT r = FRect;
  OffsetRect(&r, -origin.x, -origin.y);
  if (IsIconButton() && FOwner->Icon()) {
    const int size = GetSystemMetrics(SM_CXSMICON);
    DrawIconEx(dc, r.left, r.top, FOwner->Icon(), size, size, 0, nullptr, DI_NORMAL);
    return;
  }
  if (FData->Map.Empty()) return;
  const int frameWidth = FData->Map.Width() / (FData->Frame > 0 ? FData->Frame : 1);
  const int index = frameIndex >= 1 && frameIndex <= FrameCount() ? frameIndex : 1;
  TransparentCopy(dc, r, FData->Map, (index - 1) * frameWidth, 0, SkinTransparentColor);
}

}  // namespace velmora
