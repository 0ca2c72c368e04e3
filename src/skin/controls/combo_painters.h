// Combo boxes: TSkinComBox draws the combo's frame and drop-down button from the skin
// around the combo's own text, hot only over the button; TComboxScrollBar draws the
// vertical scroll bar of a drop-down list into the list's frame and drags its thumb
// itself, so the drag reaches the last item; a simple combo's list gets overlays.
#pragma once

#include <windows.h>

#include "framework/window_subclass.h"
#include "skin/controls/scrollbar_drawing.h"
#include "skin/controls/scrollbar_geometry.h"
#include "skin/controls/skin_control.h"

namespace velmora {

class TSkinScrollbarH;

class TComboxScrollBar : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  bool Dragging() const { return FDragging; }

 protected:
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void DrawSkin(HDC dc, const RECT& rect) override;

 private:
  // The thumb drag for a press at `screen`; false when the press is not on the thumb.
  bool dragThumb(POINT screen);
  // Repaints when the list's scroll state changed without a message saying so.
  void syncBar();
  bool isOverBar(WPARAM hitCode) const { return hitCode == HTVSCROLL || hitCode == HTHSCROLL; }

  int FArrow = GetSystemMetrics(SM_CYVSCROLL);
  bool FDragging = false;
  TThumbSpan FDragThumb;
  SCROLLINFO FLastSeen{};
  TScrollBarPicture FPicture;
};

class TSkinComBox : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  ~TSkinComBox() override;

  void AttachControl(TSkinPainterList* formSkin, TSkinData* data, bool changeColor) override;
  void AttachHandle(HWND handle, TSkinData* data, TSkinPainterList* formSkin) override;
  void Unskin() override;

  // Set before attaching for an extended combo: the face goes around its edit child.
  bool Extended = false;
  bool Dropped() const { return FDropped; }
  HWND ListWindow() const { return FList; }
  HWND EditWindow() const { return FEdit; }
  // Where the drop-down button was drawn (window coordinates; empty without one).
  const RECT& ButtonRect() const { return FButtonRect; }
  TComboxScrollBar* DropDownListPainter() const { return FDropDownList; }
  TSkinScrollbarH* SimpleListPainter() const { return FSimpleList; }

 protected:
  void AfterMessage(TMessage& message) override;
  void DrawSkin(HDC dc, const RECT& rect) override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void attachParts(bool framework);
  void hookEdit();
  void setHot(bool hot);
  bool overButton(POINT client) const;
  bool focused() const;
  void drawFace(HDC dc, const RECT& rect, int frame);
  void drawExtended(HDC dc, int frame);
  void freeListPainters();

  LONG_PTR FStyle = 0;
  HWND FList = nullptr;
  HWND FEdit = nullptr;
  bool FDropped = false;
  bool FPartsAttached = false;
  TAddedStyle FClipChildren;
  RECT FButtonRect{};
  TWindowSubclass FEditSubclass;
  TComboxScrollBar* FDropDownList = nullptr;  // owned by this painter
  TSkinScrollbarH* FSimpleList = nullptr;     // owned by this painter
};

}  // namespace velmora
