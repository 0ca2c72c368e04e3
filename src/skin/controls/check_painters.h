// Painters of the button-class controls that are not push buttons, and of plain
// containers: check boxes and radio buttons (the mark from the skin's glyph strips,
// the caption beside it), group boxes (a rounded frame in the skin's colours), panels
// (recoloured) and bare dialog windows (the skin's background).
#pragma once

#include "skin/controls/skin_control.h"

namespace velmora {

// Check and radio faces share the layout; they differ in strip, state and frame map.
class TSkinCheckMark : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  void AttachControl(TSkinPainterList* formSkin, TSkinData* data, bool changeColor) override;
  // The strip frame (from 1) the control shows now.
  virtual int GlyphFrame() const = 0;

 protected:
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void DrawSkin(HDC dc, const RECT& rect) override;

  virtual const TBitmap& strip() const = 0;
  virtual int stripFrames() const = 0;
  // How far in from the right edge a glyph on the right sits.
  virtual int rightInset() const { return 0; }
  bool disabled() const { return WindowLong(GWL_STYLE) & WS_DISABLED; }

  bool FTransparent = false;
};

class TSkinCheckBox : public TSkinCheckMark {
 public:
  using TSkinCheckMark::TSkinCheckMark;
  int GlyphFrame() const override;

 protected:
  void AfterMessage(TMessage& message) override;
  const TBitmap& strip() const override { return FSkinData->Records.Buttons->CheckMap; }
  int stripFrames() const override { return FSkinData->Records.Buttons->CheckButtonFrame; }

 private:
  int FLastCheck = 0;  // wParam + 1 of the last BM_SETCHECK, 0 before any
};

class TSkinRadioButton : public TSkinCheckMark {
 public:
  using TSkinCheckMark::TSkinCheckMark;
  int GlyphFrame() const override;

 protected:
  const TBitmap& strip() const override { return FSkinData->Records.Buttons->RadioMap; }
  int stripFrames() const override { return FSkinData->Records.Buttons->RadioButtonFrame; }
  int rightInset() const override { return 1; }
};

class TSkinGroupBox : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  void AttachControl(TSkinPainterList* formSkin, TSkinData* data, bool changeColor) override;

 protected:
  bool BeforeMessage(TMessage& message) override;
  void DrawSkin(HDC dc, const RECT& rect) override;
};

// Panels: recoloured to the skin's background, no message handling.
class TSkinBox : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  void AttachControl(TSkinPainterList* formSkin, TSkinData* data, bool changeColor) override;
  void Unskin() override;
};

// Bare dialog and tool-bar windows: the skin's background, static children on it.
class TSkinBoxH : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;

 protected:
  bool BeforeMessage(TMessage& message) override;
};

}  // namespace velmora
