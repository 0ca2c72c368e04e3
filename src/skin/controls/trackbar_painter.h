// Track bars through their custom-draw notifications: the channel from the skin's
// "Track" (or "TrackVert") element with its end caps kept and its middle stretched,
// centred across the channel; the thumb from frame 2 of the thumb element (a plain
// rectangle in the frame colour without one); the tick marks left to the control.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "skin/controls/skin_control.h"

namespace velmora {

class TSkinTrackBar : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  void SkinChanged() override;

 protected:
  bool BeforeMessage(TMessage& message) override;

 private:
  // The answer to one custom-draw notification.
  LRESULT customDraw(NMCUSTOMDRAW& draw);
  void drawChannel(HDC dc, const RECT& channel, bool vertical) const;
  void drawThumb(HDC dc, const RECT& thumb, bool vertical) const;
};

}  // namespace velmora
