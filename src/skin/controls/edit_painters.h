// Edit boxes keep their own text painting; the painter redraws their border in the
// skin's frame colour with a white inner edge.
#pragma once

#include "skin/controls/skin_control.h"

namespace velmora {

class TSkinUpDown;

class TSkinEdit : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  // Whether a window has a border the painter would draw (client smaller both ways).
  static bool HasBorder(HWND window);
  // The painter of a spin button inside the edit, once the edit has been painted.
  TSkinUpDown* SpinPainter() const { return FSpin; }

 protected:
  void AfterMessage(TMessage& message) override;
  void DrawSkin(HDC dc, const RECT& rect) override;

 private:
  void drawPrintBorder(HDC dc);
  void skinSpinChild();
  void Notification(TComponent* component, TOperation operation) override;

  TSkinUpDown* FSpin = nullptr;  // owned by this painter
};

}  // namespace velmora
