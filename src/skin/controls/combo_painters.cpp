// Combo box painters.
#include "skin/controls/combo_painters.h"

#include <algorithm>

#include "framework/control.h"
#include "framework/gdi_object.h"
#include "skin/controls/combo_geometry.h"
#include "skin/controls/painter_messages.h"
#include "skin/controls/scrollbar_drawing.h"
#include "skin/controls/scrollbar_painters.h"
#include "skin/data/skin_drawing.h"
#include "skin/data/skin_platform.h"

namespace velmora {
namespace {

// The list's theme frame message: its frame was drawn again.
constexpr UINT WM_NCUAHDRAWFRAME = 0x1AE;

RECT toRect(const TComboPart& part) { return {part.Left, part.Top, part.Right, part.Bottom}; }

bool sameScrollState(const SCROLLINFO& a, const SCROLLINFO& b) {
  return a.nMin == b.nMin && a.nMax == b.nMax && a.nPage == b.nPage && a.nPos == b.nPos;
}

}  // namespace

// ---- the drop-down list's scroll bar ----

bool TComboxScrollBar::BeforeMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_NCMOUSEMOVE:
      // The bar shows no hover of the system's over ours.
      return !isOverBar(message.WParam);
    case WM_NCLBUTTONDOWN:
      if (message.WParam == HTVSCROLL &&
          dragThumb({static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))}))
        return false;
      return true;  // arrows and pages: the system's own bar
    default:
      return TSkinControl::BeforeMessage(message);
  }
}

void TComboxScrollBar::AfterMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_NCPAINT:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_NCUAHDRAWFRAME:
      PaintSkin(nullptr);
      break;
    default:
      TSkinControl::AfterMessage(message);
      break;
  }
  syncBar();
}

void TComboxScrollBar::syncBar() {
  if (!FHandle || !IsWindowVisible(FHandle)) return;
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_ALL;
  if (!GetScrollInfo(FHandle, SB_VERT, &info)) return;
  if (sameScrollState(info, FLastSeen)) return;
  PaintSkin(nullptr);
}

void TComboxScrollBar::DrawSkin(HDC dc, const RECT&) {
  if (!FSkinData) return;
  SCROLLBARINFO bar{};
  if (!SkinGetScrollBarInfo(FHandle, OBJID_VSCROLL, bar)) return;
  if (bar.rgstate[0] & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN)) return;
  FLastSeen.cbSize = sizeof FLastSeen;
  FLastSeen.fMask = SIF_ALL;
  GetScrollInfo(FHandle, SB_VERT, &FLastSeen);
  RECT where = bar.rcScrollBar;
  OffsetRect(&where, -FWindowRect.left, -FWindowRect.top);
  TScrollBarLook look;
  look.ArrowSize = FArrow;
  look.Thumb = FDragging ? FDragThumb : TThumbSpan{bar.xyThumbTop, bar.xyThumbBottom};
  look.Enabled = !(bar.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) && IsWindowEnabled(FHandle);
  look.HotPart = FDragging ? spThumb : spNone;
  look.Pressed = FDragging;
  FPicture.Draw(dc, where, *FSkinData, look);
}

bool TComboxScrollBar::dragThumb(POINT screen) {
  SCROLLBARINFO bar{};
  if (!SkinGetScrollBarInfo(FHandle, OBJID_VSCROLL, bar)) return false;
  const int along = screen.y - bar.rcScrollBar.top;
  if (along < bar.xyThumbTop || along >= bar.xyThumbBottom) return false;
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_ALL;
  if (!GetScrollInfo(FHandle, SB_VERT, &info)) return false;
  const int length = bar.rcScrollBar.bottom - bar.rcScrollBar.top;
  const int arrow = ArrowLength(length, FArrow);
  const int track = length - 2 * arrow;
  const int thumb = bar.xyThumbBottom - bar.xyThumbTop;
  if (track <= 0 || thumb <= 0) return false;
  const int offsetAtPress = bar.xyThumbTop - arrow;
  const TScrollRange range{info.nMin, info.nMax, static_cast<int>(info.nPage), info.nPos};

  const auto alive = AliveToken();
  const HWND list = FHandle;
  SetCapture(list);
  FDragging = true;
  FDragThumb = {bar.xyThumbTop, bar.xyThumbBottom};
  PaintSkin(nullptr);
  int position = info.nPos;
  for (;;) {
    MSG msg;
    if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (GetCapture() != list) break;  // taken away: the drag ends where it is
      WaitMessage();
      continue;
    }
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));  // for the loop outside
      break;
    }
    if (msg.message == WM_MOUSEMOVE || msg.message == WM_NCMOUSEMOVE) {
      const int offset = std::clamp(offsetAtPress + static_cast<int>(msg.pt.y - screen.y), 0, track - thumb);
      FDragThumb = {arrow + offset, arrow + offset + thumb};
      const int next = DragPosition(offset, track, thumb, range);
      if (next != position) {
        position = next;
        SendMessageW(list, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, position), 0);
        if (!*alive) return true;
        // Wine's list box follows a track only from the system's own bar: the list is
        // put at the position itself so it follows the thumb.
        if (SendMessageW(list, LB_GETTOPINDEX, 0, 0) != position) SendMessageW(list, LB_SETTOPINDEX, position, 0);
      }
      PaintSkin(nullptr);
    } else if (msg.message == WM_LBUTTONUP || msg.message == WM_NCLBUTTONUP) {
      SendMessageW(list, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, position), 0);
      if (!*alive) return true;
      PostMessageW(list, WM_VSCROLL, SB_ENDSCROLL, 0);
      break;
    } else {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
      if (!*alive) return true;
    }
  }
  FDragging = false;
  if (GetCapture() == list) ReleaseCapture();
  PaintSkin(nullptr);
  return true;
}

// ---- the combo box ----

TSkinComBox::~TSkinComBox() { FEditSubclass.Detach(); }

void TSkinComBox::AttachControl(TSkinPainterList* formSkin, TSkinData* data, bool changeColor) {
  if (FPartsAttached) return;
  TSkinControl::AttachControl(formSkin, data, changeColor);
  if (FHandle) attachParts(true);
}

void TSkinComBox::AttachHandle(HWND handle, TSkinData* data, TSkinPainterList* formSkin) {
  if (FPartsAttached) return;
  TSkinControl::AttachHandle(handle, data, formSkin);
  if (FHandle) attachParts(false);
}

void TSkinComBox::attachParts(bool framework) {
  FPartsAttached = true;
  FStyle = WindowLong(GWL_STYLE);
  COMBOBOXINFO info{};
  const bool known = SkinGetComboBoxInfo(FHandle, info);
  if (known) {
    FList = info.hwndList;
    if (info.hwndItem && info.hwndItem != FHandle) FEdit = info.hwndItem;
  }
  if (!FEdit) FEdit = GetWindow(FHandle, GW_CHILD);
  if (FEdit && FEdit == FList) FEdit = nullptr;
  if (known && framework && FList) {
    const bool simple = (FStyle & 3) == CBS_SIMPLE;
    const bool popup = (GetWindowLongPtrW(FList, GWL_STYLE) & WS_POPUP) || !(GetWindowLongPtrW(FList, GWL_STYLE) & WS_CHILD);
    if (simple && !popup) {
      // The combo's own painting reaches over the top of its list (and the list's
      // overlays): kept to its own area, what the list shows stays the same whichever
      // of the two repaints.
      FClipChildren.Add(FHandle, WS_CLIPCHILDREN);
      FSimpleList = new TSkinScrollbarH(this);
      FSimpleList->AttachHandle(FList, FSkinData, FFormSkin);
    } else if (!simple) {
      FDropDownList = new TComboxScrollBar(this);
      FDropDownList->AttachHandle(FList, FSkinData, FFormSkin);
    }
  }
  hookEdit();
}

void TSkinComBox::hookEdit() {
  if (!FEdit) return;
  FEditSubclass.Attach(FEdit, [this](UINT msg, WPARAM wParam, LPARAM lParam, const TSubclassNext& next) {
    const auto alive = AliveToken();
    const LRESULT result = next(msg, wParam, lParam);  // the edit's own work first
    if (!*alive || !Active()) return result;
    switch (msg) {
      case WM_PAINT:
        PaintSkin(nullptr);
        break;
      case WM_LBUTTONDOWN:
      case WM_LBUTTONDBLCLK:
        PressedState = true;
        Refresh();
        break;
      case WM_LBUTTONUP:
        PressedState = false;
        Refresh();
        break;
      case WM_SETFOCUS:
      case WM_KILLFOCUS:
        PaintSkin(nullptr);  // the face shows whether the combo has the focus
        break;
      default:
        break;
    }
    return result;
  });
}

void TSkinComBox::Notification(TComponent* component, TOperation operation) {
  TSkinControl::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  if (component == FDropDownList) FDropDownList = nullptr;
  if (component == FSimpleList) FSimpleList = nullptr;
}

void TSkinComBox::freeListPainters() {
  for (TSkinControl* painter : {static_cast<TSkinControl*>(FDropDownList), static_cast<TSkinControl*>(FSimpleList)}) {
    if (!painter) continue;
    if (painter->Status() != psWindowDestroyed) painter->Unskin();
    delete painter;  // its notification clears our pointer
  }
}

void TSkinComBox::Unskin() {
  TSkinControl::Unskin();
  FEditSubclass.Detach();
  FClipChildren.Remove(Status() == psWindowDestroyed);
  // Destroyed with the window, the list painters go with this painter.
  if (Status() != psWindowDestroyed) freeListPainters();
}

bool TSkinComBox::focused() const {
  const HWND focus = GetFocus();
  return focus && (focus == FHandle || IsChild(FHandle, focus));
}

bool TSkinComBox::overButton(POINT client) const {
  // The button rectangle is in window coordinates; the client lies inside the window.
  RECT window{};
  GetWindowRect(FHandle, &window);
  POINT origin{0, 0};
  ClientToScreen(FHandle, &origin);
  const POINT at{client.x + origin.x - window.left, client.y + origin.y - window.top};
  return PtInRect(&FButtonRect, at) != FALSE;
}

void TSkinComBox::setHot(bool hot) {
  if (HotState == hot) return;
  HotState = hot;
  if (hot) SkinTrackMouseLeave(FHandle);
  Refresh();
}

void TSkinComBox::AfterMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      PressedState = true;
      Refresh();
      return;
    case WM_LBUTTONUP:
      PressedState = false;
      Refresh();
      return;
    case WM_MOUSEMOVE: {
      const POINT at{static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))};
      const bool enabled = IsWindowEnabled(FHandle) != FALSE;
      if (!HotState && enabled && overButton(at))
        setHot(true);
      else if (HotState && (!enabled || !overButton(at)))
        setHot(false);
      return;
    }
    case WM_MOUSELEAVE:
    case CM_MOUSELEAVE:
      setHot(false);
      return;
    case CN_COMMAND:
      if (HIWORD(message.WParam) == CBN_DROPDOWN) FDropped = true;
      if (HIWORD(message.WParam) == CBN_CLOSEUP) {
        FDropped = false;
        // The release after a press that opened the list goes to the list, not here.
        if (PressedState) {
          PressedState = false;
          Refresh();
        }
      }
      return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      // Only the face: the combo's own repaint would flash its native look.
      PaintSkin(nullptr);
      return;
    case WM_DRAWITEM:
    case WM_NCPAINT:
      Refresh();
      return;
    default:
      TSkinControl::AfterMessage(message);
  }
}

void TSkinComBox::DrawSkin(HDC dc, const RECT& rect) {
  const TDataSkinBorder* button = FSkinData ? FSkinData->Records.ComboButton.get() : nullptr;
  if (!button || button->Map.Empty()) return;
  const int frame = ComboFaceFrame(IsWindowEnabled(FHandle) != FALSE, focused(), PressedState, HotState);
  if (Extended) {
    drawExtended(dc, frame);
    return;
  }
  drawFace(dc, rect, frame);
}

void TSkinComBox::drawFace(HDC dc, const RECT& rect, int frame) {
  const TSkinRecords& records = FSkinData->Records;
  const TDataSkinBorder& button = *records.ComboButton;
  COMBOBOXINFO info{};
  const bool hasButton = !SkinGetComboBoxInfo(FHandle, info) ? (FStyle & 3) != CBS_SIMPLE
                                                              : !(info.stateButton & STATE_SYSTEM_INVISIBLE);
  const bool onLeft = (WindowLong(GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0;
  const int buttonWidth = hasButton ? GetSystemMetrics(SM_CXHSCROLL) : 0;
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  FButtonRect = hasButton ? toRect(ComboButtonPart(width, height, buttonWidth, onLeft)) : RECT{};

  // Everything but the text area, which stays the combo's own painting.
  SavedDC saved(dc);
  GdiRegion clip(CreateRectRgn(0, 0, width, height));
  const TComboPart text = ComboTextPart(width, height, buttonWidth, onLeft);
  if (!text.Empty()) {
    GdiRegion hole(CreateRectRgn(text.Left, text.Top, text.Right, text.Bottom));
    CombineRgn(clip, clip, hole, RGN_DIFF);
  }
  ExtSelectClipRgn(dc, clip, RGN_AND);

  if (button.Style == 2) {
    // The whole combo from one strip. With the button on the left that strip is the
    // sunken edge's, the combo strip mirrored: its frames stand in reverse order.
    const bool mirrored = onLeft && records.SunkEdge;
    const TDataSkinObject& whole = mirrored ? *records.SunkEdge : static_cast<const TDataSkinObject&>(button);
    const int frames = std::max(whole.Frame, 1);
    DrawSkinFrame(dc, rect, frames, mirrored ? frames + 1 - std::min(frame, frames) : frame, whole);
    return;
  }
  if (records.SunkEdge && !records.SunkEdge->Map.Empty())
    DrawSkinFrame(dc, rect, std::max(records.SunkEdge->Frame, 1), frame, *records.SunkEdge);
  else
    FillSkinColor(dc, rect);
  if (IsRectEmpty(&FButtonRect)) return;
  // On the left the button comes from the mirrored strip, where the frames stand in
  // reverse order and the left and right margins change places.
  const int frames = std::max(button.Frame, 1);
  const bool mirrored = onLeft && !button.Map2.Empty();
  TMargins margins = MarginsOf(button);
  if (mirrored) std::swap(margins.Left, margins.Right);
  DrawSkinBitmap(dc, FButtonRect, mirrored ? button.Map2 : button.Map, margins,
                 mirrored ? frames + 1 - std::min(frame, frames) : frame, frames, button.Trans == 1, button.Tile != 0,
                 false);
  if (const TDataSkinObject* arrows = records.ExtraImages.get(); arrows && !arrows->Map.Empty())
    DrawFrameCentred(dc, FButtonRect, arrows->Map, frame, std::max(arrows->Frame, 1), arrows->Trans != 0);
}

void TSkinComBox::drawExtended(HDC dc, int frame) {
  if (!FEdit) return;
  const TDataSkinObject* edge = FSkinData->Records.SunkEdge.get();
  RECT around{};
  GetWindowRect(FEdit, &around);
  OffsetRect(&around, -FWindowRect.left, -FWindowRect.top);
  InflateRect(&around, 2, 2);
  FButtonRect = {};
  SavedDC saved(dc);
  FillSkinColor(dc, around);
  if (edge && !edge->Map.Empty()) {
    RECT inner = around;
    InflateRect(&inner, -2, -2);
    ExcludeClipRect(dc, inner.left, inner.top, inner.right, inner.bottom);
    DrawSkinFrame(dc, around, std::max(edge->Frame, 1), frame, *edge);
  }
}

}  // namespace velmora
