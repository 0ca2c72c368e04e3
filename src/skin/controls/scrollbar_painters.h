// Painters of controls with window scroll bars: each visible bar is covered by an
// overlay (TWScrollbar) drawn from the skin; the control keeps its own scrolling.
// TSkinScrollbar serves framework controls (memos, list boxes, tree views, grids) and
// draws a skinned one-pixel border around those that have one; TSkinListView also
// skins the list's column header; TSkinScrollbarH serves bare windows.
#pragma once

#include <memory>

#include "skin/controls/scroll_overlay.h"
#include "skin/controls/skin_control.h"

namespace velmora {

class TSkinScrollbar : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  ~TSkinScrollbar() override;

  // Serves the owner, a framework control with window scroll bars. With BackgroundMode
  // 1 set before, no border is drawn.
  virtual void AttachScrollbars(TSkinPainterList* formSkin, TSkinData* data);
  void Unskin() override;
  void SkinChanged() override;

  TWScrollbar* Overlay(TOverlaySource source) const;
  bool DrawsBorder() const { return FBorder; }

 protected:
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void DrawSkin(HDC dc, const RECT& rect) override;

  // Both overlays over `host`; hidden while the control is.
  virtual void createOverlays(HWND host);
  void repositionOverlays();
  void syncOverlays();
  void repaintOverlays();
  void freeOverlays();
  // The square where both bars meet, in the skin's background colour.
  void fillCorner();

  std::shared_ptr<TWScrollbar> FHorz, FVert;
  TAddedStyle FClipSiblings;
  bool FSyncing = false;

 private:
  void drawBorder(HDC windowDC) const;
  void setFixedColor();

  bool FBorder = false;
  // A grid's "FixedColor" before the skin: kept apart from the base's colour fields,
  // so unskinning never writes it into "Color".
  bool FFixedColorChanged = false;
  int FSavedFixedColor = 0;
};

class TSkinListView : public TSkinScrollbar {
 public:
  using TSkinScrollbar::TSkinScrollbar;
  void AttachScrollbars(TSkinPainterList* formSkin, TSkinData* data) override;
};

// A scroll bar control (in a container of embedded scroll bars, or on its own): one
// overlay over the whole control, which keeps its own scrolling.
class TSkinScControl : public TSkinScrollbar {
 public:
  using TSkinScrollbar::TSkinScrollbar;
  void AttachScrollControl(TSkinPainterList* formSkin, TSkinData* data);
  TWScrollbar* ControlOverlay() const { return FHorz ? FHorz.get() : FVert.get(); }

 protected:
  void createOverlays(HWND host) override;
  void AfterMessage(TMessage& message) override;
};

// A bare window's bars, without a border.
class TSkinScrollbarH : public TSkinScrollbar {
 public:
  using TSkinScrollbar::TSkinScrollbar;
  void AttachHandle(HWND handle, TSkinData* data, TSkinPainterList* formSkin) override;
};

}  // namespace velmora
