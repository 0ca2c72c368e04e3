// Which painter a control of a skinned form gets: the application's event first, then
// the skin data's class map ("Skin3rd"), then the built-in rules for framework controls
// in their order; windows without a framework control (dialog boxes, foreign windows)
// by their window class. Kinds whose painters do not exist yet leave the control as
// it is.
#pragma once

#include <windows.h>

#include <string>

#include "framework/component.h"
#include "framework/control.h"
#include "skin/controls/skin_control.h"
#include "skin/data/skin_data.h"
#include "skin/forms/dispatch_rules.h"

namespace velmora {

class TWinControl;

class TControlDispatch {
 public:
  // `formSkin` is the form's skinning object: the event's sender and the owner of the
  // painters of bare windows; `painters` is its list.
  TControlDispatch(TComponent* formSkin, TSkinData& data, TSkinPainterList& painters)
      : FFormSkin(formSkin), FData(data), FPainters(painters) {}

  // Every control the form owns, then those of its tab order still unhandled.
  void SkinFormControls(TWinControl& form);
  void SkinControl(TControl& control, TWinControl* parent);
  void SkinChildren(TWinControl& control);
  void SkinComponents(TComponent& component);
  // Bare windows, by window class.
  void SkinChildWindows(HWND window);
  void SkinWindow(HWND window);
  // A control with scroll bars has a new window: the painter that served `served` (its
  // old window) is freed and a new one of the same kind serves the control.
  void ReplaceScrollPainter(HWND served);

  // The painter serving `control`, if any.
  TSkinControl* PainterOf(const TControl& control) const;
  TSkinControl* PainterOf(HWND window) const;

 private:
  // A class map row "class=kind" matching the control; the kind starts at `kindStart`.
  void applyClassMapRow(const std::string& lowerRow, std::size_t kindStart, TControl& control);
  void apply(TPainterKind kind, TControl& control);
  TDispatchSkin skinOffer() const;
  void takeButtonFace(HWND window);
  template <class Painter>
  Painter* attach(TControl& control, bool changeColor = false);
  // The image-handing painter of `mode` for a control of another family.
  void attachImages(TControl& control, int mode);
  template <class Painter>
  void attachIfFree(TControl& control);
  template <class Painter>
  void attachWindow(HWND window);
  // A painter of window scroll bars; `withoutBorder` leaves the control's border alone.
  template <class Painter>
  void attachScrollbars(TControl& control, bool withoutBorder);
  bool has(TSkinControlType member) const { return InSet(FData.SkinControls(), member); }

  TComponent* FFormSkin;
  TSkinData& FData;
  TSkinPainterList& FPainters;
};

}  // namespace velmora
