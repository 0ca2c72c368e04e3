// Painters for controls of other families that draw themselves from pictures they
// publish: these painters draw nothing, they hand the skin's images to the control's
// properties (by name, so any class with those properties is served) and take them back
// when the skin goes. A property the control does not have is skipped.
#pragma once

#include <memory>

#include "framework/common_controls.h"
#include "skin/controls/skin_control.h"

namespace velmora {

class TSkinUpDown;

// Check boxes and radio buttons with their own glyph properties. The family is the mode:
//   1 "Glyphs", "GlyphTransparentColor", "UseGlyphs" (the skin's check strip);
//   2 "CustomGlyphs", "TransparentColor", "UseCustomGlyphs" (the radio strip for radio
//     buttons, else the check strip);
//   3 the "Glyph" of the control's "Properties" object (the check strip).
class TSkinObjImage : public TSkinControl {
 public:
  TSkinObjImage(TComponent* owner, int mode) : TSkinControl(owner), FMode(mode) {}
  void AttachControl(TSkinPainterList* formSkin, TSkinData* data, bool changeColor) override;
  void Unskin() override;
  void SkinChanged() override;
  int Mode() const { return FMode; }

 private:
  void apply();
  const TBitmap* strip() const;
  int FMode;
  TGlyph FGlyph;
};

// Page controls of another family that draw their tabs from two pictures: with style 4
// they get frames 1 and 2 of the skin's "Tabs", each fitted to 100 x 21, as
// "TabBackGround" and "TabBackGroundActive". A spin child gets a spin painter.
class TSkinAdvPage : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  void AttachControl(TSkinPainterList* formSkin, TSkinData* data, bool changeColor) override;
  void Unskin() override;
  void SkinChanged() override;
  // 4: the tab backgrounds are skinned.
  int Style = 0;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void apply();
  TSkinUpDown* FScroller = nullptr;
  TGlyph FNormal, FActive;
};

}  // namespace velmora
