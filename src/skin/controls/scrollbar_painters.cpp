// Painters of controls with window scroll bars.
#include "skin/controls/scrollbar_painters.h"

#include <commctrl.h>

#include <string>

#include "framework/win_control.h"
#include "skin/controls/header_painter.h"
#include "skin/controls/painter_messages.h"
#include "skin/controls/skin_property.h"

namespace velmora {
namespace {

bool skinHasBars(const TSkinData* data) {
  return data && data->Records.Scrollbar && !data->Records.Scrollbar->Map.Empty();
}

}  // namespace

TSkinScrollbar::~TSkinScrollbar() { freeOverlays(); }

void TSkinScrollbar::AttachScrollbars(TSkinPainterList* formSkin, TSkinData* data) {
  if (FAttached) return;
  auto* control = dynamic_cast<TWinControl*>(Owner());
  if (!control || !data) return;
  FSkinData = data;
  FFormSkin = formSkin;
  FControl = control;
  FHandle = control->Handle();
  FUnicode = IsWindowUnicode(FHandle);
  if (FFormSkin) FFormSkin->Add(this);
  FBorder = LowerText(GetEnumText(control, "BorderStyle")) != "bsnone" && control->ClassName() != "TImageScrollBox" &&
            BackgroundMode != 1;
  if (const TPropertyInfo* info = GetPropInfo(*control, "FixedColor"); info && info->Kind == TPropKind::Integer) {
    FSavedFixedColor = GetIntProp(control, "FixedColor");
    FFixedColorChanged = true;
    setFixedColor();
  }
  createOverlays(FHandle);
  hookControl(*control);
  FAttached = true;
  FStatus = psAttached;
  // Redraw the border now in the skin's colours.
  SetWindowPos(FHandle, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TSkinScrollbar::setFixedColor() {
  if (FFixedColorChanged && FControl && FSkinData)
    SetPropText(FControl, "FixedColor", std::to_string(static_cast<int>(FSkinData->Colors.Colors[scButtonFace])));
}

void TSkinScrollbar::createOverlays(HWND host) {
  if (FHorz || !skinHasBars(FSkinData) || !GetParent(host)) return;
  // The host's own drawing of its bars stays under the overlays: without this style a
  // native repaint of a bar (after a scroll, a new range) would draw over them.
  FClipSiblings.Add(host, WS_CLIPSIBLINGS);
  FHorz = TWScrollbar::Create(FSkinData);
  FVert = TWScrollbar::Create(FSkinData);
  FHorz->Attach(host, osHorizontal);
  FVert->Attach(host, osVertical);
}

TWScrollbar* TSkinScrollbar::Overlay(TOverlaySource source) const {
  return source == osHorizontal ? FHorz.get() : FVert.get();
}

void TSkinScrollbar::repositionOverlays() {
  for (auto* overlay : {FHorz.get(), FVert.get()})
    if (overlay) overlay->Reposition();
  fillCorner();
}

void TSkinScrollbar::syncOverlays() {
  // Reading a scroll bar control's state is itself a message to the control: the look
  // taken while syncing never starts another.
  if (FSyncing) return;
  FSyncing = true;
  for (auto* overlay : {FHorz.get(), FVert.get()})
    if (overlay) overlay->Sync();
  FSyncing = false;
}

void TSkinScrollbar::repaintOverlays() {
  for (auto* overlay : {FHorz.get(), FVert.get()})
    if (overlay) overlay->Repaint();
}

void TSkinScrollbar::freeOverlays() {
  // An overlay in the middle of a press lives on until its message ends, windowless.
  for (auto* overlay : {&FHorz, &FVert})
    if (*overlay) {
      (*overlay)->Destroy();
      overlay->reset();
    }
  FClipSiblings.Remove(FStatus == psWindowDestroyed);
}

void TSkinScrollbar::fillCorner() {
  if (!FHorz || !FVert || !FHorz->Shown() || !FVert->Shown() || !FSkinData) return;
  TNativeBar horz, vert;
  if (!TWScrollbar::ReadNativeBar(FHandle, osHorizontal, horz) || !TWScrollbar::ReadNativeBar(FHandle, osVertical, vert))
    return;
  RECT window{};
  GetWindowRect(FHandle, &window);
  RECT corner{vert.Screen.left, horz.Screen.top, vert.Screen.right, horz.Screen.bottom};
  OffsetRect(&corner, -window.left, -window.top);
  if (IsRectEmpty(&corner)) return;
  WindowDC dc(FHandle, WindowDC::Whole);
  if (dc) FillColor(dc, corner, FSkinData->Colors.Colors[scButtonFace]);
}

void TSkinScrollbar::drawBorder(HDC dc) const {
  RECT window{};
  if (!dc || !GetWindowRect(FHandle, &window)) return;
  RECT edge{0, 0, window.right - window.left, window.bottom - window.top};
  FrameColor(dc, edge, FSkinData->Colors.Colors[scButtonShadow]);
  InflateRect(&edge, -1, -1);
  FrameColor(dc, edge, FSkinData->Colors.Colors[scButtonFace]);
}

bool TSkinScrollbar::BeforeMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_NCPAINT: {
      if (!FBorder) return true;
      const auto alive = AliveToken();
      CallDefault(message);
      if (!*alive) return false;
      {
        WindowDC whole(FHandle, WindowDC::Whole);
        drawBorder(whole);
      }
      // The system drew its bars too (under the overlays); the corner is ours again.
      syncOverlays();
      fillCorner();
      return false;
    }
    default:
      return TSkinControl::BeforeMessage(message);
  }
}

void TSkinScrollbar::AfterMessage(TMessage& message) {
  switch (message.Msg) {
    case CM_RECREATEWND:
      // The control has a new window: the form's skinning gives it a new painter, found
      // by the window this one served.
      if (FControl && FControl->IsWindowed())
        if (const HWND window = static_cast<TWinControl*>(FControl)->WindowHandle())
          PostMessageW(GetAncestor(window, GA_ROOT), WM_SKINREPLACE, reinterpret_cast<WPARAM>(FHandle), 0);
      return;
    case WM_NCDESTROY:
    case WM_DESTROY:
      return;
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
      repositionOverlays();
      return;
    case WM_HSCROLL:
    case WM_VSCROLL: {
      // While the system's loop scrolls for a press on the overlay, the part it is
      // scrolling shows pressed.
      TWScrollbar* overlay = message.Msg == WM_HSCROLL ? FHorz.get() : FVert.get();
      if (overlay && overlay->Pressed()) overlay->HotPart = LOWORD(message.WParam);
      syncOverlays();
      if (overlay) overlay->Repaint();
      return;
    }
    case WM_NCPAINT:
      syncOverlays();
      fillCorner();
      return;
    case WM_ENABLE:
      for (auto* overlay : {FHorz.get(), FVert.get()})
        if (overlay) overlay->Repaint();
      return;
    case WM_SKINPRINT2:
      if (message.LParam != SkinMagic) return;
      if (message.WParam && FBorder) drawBorder(reinterpret_cast<HDC>(message.WParam));
      message.Result = SkinMagic;
      return;
    default:
      TSkinControl::AfterMessage(message);
      // Typing, keys, new items and the wheel change the bars without telling anyone.
      syncOverlays();
      return;
  }
}

void TSkinScrollbar::DrawSkin(HDC dc, const RECT& rect) {
  (void)dc, (void)rect;
  const LONG_PTR style = WindowLong(GWL_STYLE);
  if (FHorz) {
    if (FHorz->Shown())
      FHorz->Repaint();
    else if (style & WS_HSCROLL)
      FHorz->Reposition();
  }
  if (FVert) {
    if (FVert->Shown())
      FVert->Repaint();
    else if (style & WS_VSCROLL)
      FVert->Reposition();
  }
  fillCorner();
}

void TSkinScrollbar::SkinChanged() {
  setFixedColor();
  if (!FHorz && FHandle) createOverlays(FHandle);
  for (auto* overlay : {FHorz.get(), FVert.get()})
    if (overlay) overlay->SetSkinData(FSkinData);
  if (FHandle && FBorder)
    SetWindowPos(FHandle, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  repaintOverlays();
  TSkinControl::SkinChanged();
}

void TSkinScrollbar::Unskin() {
  if (FFixedColorChanged && FControl) SetPropText(FControl, "FixedColor", std::to_string(FSavedFixedColor));
  FFixedColorChanged = false;
  TSkinControl::Unskin();
  if (FStatus != psWindowDestroyed) {
    freeOverlays();
    if (FHandle && IsWindow(FHandle))
      SetWindowPos(FHandle, nullptr, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  }
}

void TSkinListView::AttachScrollbars(TSkinPainterList* formSkin, TSkinData* data) {
  TSkinScrollbar::AttachScrollbars(formSkin, data);
  if (!FHandle) return;
  const HWND header = reinterpret_cast<HWND>(SendMessageA(FHandle, LVM_GETHEADER, 0, 0));
  if (!header || SendMessageA(header, WM_SKINQUERY, 0, 0) == 1) return;
  auto* painter = new TSkinHeader(FControl);  // freed with the list view, once
  painter->AttachHandle(header, data, formSkin);
}

void TSkinScControl::AttachScrollControl(TSkinPainterList* formSkin, TSkinData* data) {
  BackgroundMode = 1;  // no border of ours: the control is all bar
  AttachScrollbars(formSkin, data);
}

void TSkinScControl::createOverlays(HWND host) {
  if (FHorz || FVert || !skinHasBars(FSkinData) || !GetParent(host)) return;
  FClipSiblings.Add(host, WS_CLIPSIBLINGS);
  auto overlay = TWScrollbar::Create(FSkinData);
  overlay->Attach(host, osControl);
  (overlay->Horizontal() ? FHorz : FVert) = std::move(overlay);
}

void TSkinScControl::AfterMessage(TMessage& message) {
  if (message.Msg == CN_BASE + WM_HSCROLL || message.Msg == CN_BASE + WM_VSCROLL) {
    // The control's own loop is scrolling for a press on the overlay: that part shows
    // pressed.
    if (TWScrollbar* overlay = ControlOverlay(); overlay && overlay->Pressed())
      overlay->HotPart = LOWORD(message.WParam);
    syncOverlays();
    if (TWScrollbar* overlay = ControlOverlay()) overlay->Repaint();
    return;
  }
  TSkinScrollbar::AfterMessage(message);
}

void TSkinScrollbarH::AttachHandle(HWND handle, TSkinData* data, TSkinPainterList* formSkin) {
  if (!handle || !data) return;
  TSkinControl::AttachHandle(handle, data, formSkin);
  createOverlays(handle);
}

}  // namespace velmora
