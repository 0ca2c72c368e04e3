// Progress bars from the skin's "Progress" element: the track (frame 1) over the whole
// bar, the bar (frame 2) over the filled part; or, with the element's style 1, the whole
// element as the track and the "ProgressChunk" element repeated or stretched over the
// filled part. A vertical bar is composed lying down and turned, so it fills upward.
// Without a "Progress" bitmap the control paints itself.
#pragma once

#include "skin/controls/skin_control.h"

namespace velmora {

class TSkinProgress : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;

 protected:
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void DrawSkin(HDC dc, const RECT& rect) override;

 private:
  bool hasBar() const;
  // The face lying down, `width` x `height`, into `face` (a DC holding such a bitmap).
  void drawTrackAndBar(HDC face, int width, int height, int fill) const;
  void drawChunks(HDC face, int width, int height, int fill) const;
};

}  // namespace velmora
