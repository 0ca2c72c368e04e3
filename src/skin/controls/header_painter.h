// Header controls (a list view's column header among them) from the skin's "Headerbar"
// element: each item 9-slice sized from frame 1, or frame 2 under the mouse; the strip
// right of the last item from frame 1; the item texts aligned after their format, with
// their image-list icons. Without the element the header paints itself.
#pragma once

#include <vector>

#include "skin/controls/skin_control.h"

namespace velmora {

class TSkinHeader : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  // The item under `point` (client coordinates) among `hoverRects`, or -1.
  static int ItemAt(const std::vector<RECT>& hoverRects, POINT point);
  // The rectangle in which an item counts as under the mouse: shrunk by 3 at its sides.
  static RECT HoverRect(const RECT& item);

 protected:
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void DrawSkin(HDC dc, const RECT& rect) override;

 private:
  bool hasBar() const;
  void drawItem(HDC dc, int index, const RECT& item) const;
  std::vector<RECT> FHoverRects;
  int FHotItem = -1;
};

}  // namespace velmora
