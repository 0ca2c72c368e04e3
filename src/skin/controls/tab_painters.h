// Tab controls and their pages. TSkinTab draws tabs and page body from the skin's "Tabs"
// element (frames: normal, selected, hot, disabled...) and "Tab.Pane", turned to the
// side the tabs sit on; a page control whose Tag is 7777 gets a close box on each tab.
// TSkinTabBtn draws button-style tabs from the same frames, without a page body.
// TSkinTabSheet gives a page the skin's background.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "framework/bitmap.h"
#include "framework/gdi_object.h"
#include "skin/controls/skin_control.h"
#include "skin/controls/tab_geometry.h"

namespace velmora {

class TSkinUpDown;

// What tab and button-style tab painters share: reading the tabs, the tab under the
// mouse, and drawing an icon with its caption.
class TSkinTabBase : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;

 protected:
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;

  struct TTabItem {
    RECT Rect{};
    std::wstring Caption;
    int Image = -1;
  };
  // Tab `index` as the control has it; false when it has no rectangle.
  bool ReadTab(int index, TTabItem& item) const;
  // The frame count of the "Tabs" strip (5 unless the skin says otherwise).
  int TabFrameCount() const;
  // 2 selected, 3 under the mouse, 4 in a disabled control, else 1 (kept within the
  // strip's frames).
  int TabFrame(int index, int selected) const;
  // An icon from the control's image list, then the caption, placed after `alignment`
  // (0 left, 1 centred, 2 right) and centred vertically.
  void DrawIconCaption(HDC dc, const RECT& area, const TTabItem& item, int alignment, COLORREF color) const;
  int FHotTab = -1;
};

class TSkinTab : public TSkinTabBase {
 public:
  using TSkinTabBase::TSkinTabBase;
  void AttachControl(TSkinPainterList* formSkin, TSkinData* data, bool changeColor) override;
  void AttachHandle(HWND handle, TSkinData* data, TSkinPainterList* formSkin) override;
  void SkinChanged() override;
  // The Tag of a page control that wants a close box on each tab.
  static constexpr std::intptr_t CloseButtonsTag = 7777;
  bool CloseButtons() const { return FCloseButtons; }
  const std::vector<RECT>& CloseBoxes() const { return FCloseButtonRects; }

 protected:
  bool BeforeMessage(TMessage& message) override;
  void DrawSkin(HDC dc, const RECT& rect) override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void prepare();
  void turnImages();
  void skinScroller();
  bool pressClose(const TMessage& message);
  void closeTab(int index);
  void drawPage(HDC dc, const RECT& page);
  void drawTab(HDC dc, int index, int selected);
  void drawCaption(HDC dc, const RECT& area, const TTabItem& item, COLORREF color) const;
  void drawCloseBox(HDC dc, const RECT& box, COLORREF color) const;
  // A tab frame fitted to a size, kept: the tabs of a control are mostly of a few sizes.
  const TBitmap& sizedTab(int frame, int width, int height);

  struct TSizedTab {
    int Frame, Width, Height;
    TBitmap Bitmap;
  };
  std::vector<TSizedTab> FSizedTabs;
  // The page body fitted to its last size.
  TBitmap FSizedPage;
  TSkinUpDown* FScroller = nullptr;
  std::vector<RECT> FCloseButtonRects;
  TBitmap FTabBitmap, FPageBitmap;
  TMargins FTabMargins, FPageMargins;
  TTabSide FTabPosition = TTabSide::Top;
  bool FTurned = false;
  bool FCloseButtons = false;
};

class TSkinTabBtn : public TSkinTabBase {
 public:
  using TSkinTabBase::TSkinTabBase;

 protected:
  void DrawSkin(HDC dc, const RECT& rect) override;
};

// Old-style tab sets, which have no system window behind their tabs: the tabs come from
// the control's "Tabs" text (one caption a line) and "TabIndex", laid left to right, each
// as wide as its caption and 16 pixels, drawn from the painter's copy of "Tabs" (frame 2
// for the chosen one) with the caption centred.
class TSkinTab31 : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  void AttachControl(TSkinPainterList* formSkin, TSkinData* data, bool changeColor) override;
  void SkinChanged() override;

 protected:
  bool BeforeMessage(TMessage& message) override;
  void DrawSkin(HDC dc, const RECT& rect) override;

 private:
  void copyTabs();
  TBitmap FTabBitmap;
};

class TSkinTabSheet : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;

 protected:
  bool BeforeMessage(TMessage& message) override;
};

}  // namespace velmora
