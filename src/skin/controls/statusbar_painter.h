// Status bars from the skin's "StatusBarEdges" element (frames: lowered, raised, flat):
// each panel's edge after its border kind, its text in the element's text colour, the
// simple-mode text as one lowered panel, and the size grip from "ExtraImages". Without
// the element, panels get a 3-D edge in the skin's light and shadow colours.
#pragma once

#include <string>

#include "skin/controls/skin_control.h"

namespace velmora {

class TSkinStatusBar : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;

 protected:
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void DrawSkin(HDC dc, const RECT& rect) override;

 private:
  // One panel: its edge frame (1 lowered, 2 raised, 3 none) and text.
  void drawPanel(HDC dc, const RECT& rect, int frame, const std::wstring& text, bool ownerDrawn) const;
  void drawSizeGrip(HDC dc, const RECT& rect) const;
  std::wstring panelText(int index, int& kind) const;
};

}  // namespace velmora
