// Push button painters: the face from the skin's "Buttons" element (normal, pressed,
// disabled, hot, focused or default), the caption over it, and the mouse and space-key
// handling that makes the button look pressed and click.
#pragma once

#include "framework/bitmap.h"
#include "skin/controls/skin_control.h"

namespace velmora {

// Faces of the "Buttons" element.
enum TButtonFace { bfNormal = 1, bfPressed = 2, bfDisabled = 3, bfHot = 4, bfFocused = 5 };

class TSkinButton : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  void AttachControl(TSkinPainterList* formSkin, TSkinData* data, bool changeColor) override;
  void AttachHandle(HWND handle, TSkinData* data, TSkinPainterList* formSkin) override;

  // The face the button shows now.
  virtual int FaceFrame() const;

 protected:
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void DrawSkin(HDC dc, const RECT& rect) override;
  // What goes over the face's background and frame in the buffer: the caption here.
  virtual void drawContent(HDC buffer, const RECT& local, int face);

  // Whether the skin gives push buttons a face.
  bool hasFace() const;
  bool cursorOverButton() const;
  // Reads enabled, focus and caption from the window and the control.
  void readState();
  // The caption's font (the control's "Font", or the window's) and text colour.
  HFONT captionFont() const;
  COLORREF textColor(int face) const;
  // Draws the caption ("||" is a line break) with `flags` inside `rect` shrunk by 2.
  void drawCaption(HDC dc, const RECT& rect, UINT flags);
  void click();

  TBitmap FBuffer;
  bool FTransparent = false;
};

// A button with a glyph: the face as a plain button's, the glyph and the caption laid
// out by the control's "Layout", "Margin" and "Spacing".
class TSkinBitButton : public TSkinButton {
 public:
  using TSkinButton::TSkinButton;
  // The glyph frame (from 1) shown with `face`.
  static int GlyphIndex(int face, int numGlyphs);
  // Set: the glyph is that graphic property of the control (a bitmap or an icon), drawn
  // whole, instead of "Glyph" or "Images".
  std::string ImagePropertyName;

 protected:
  void drawContent(HDC buffer, const RECT& local, int face) override;

 private:
  // What is shown beside the caption, and its size.
  struct TButtonImage {
    const TBitmap* Strip = nullptr;  // a glyph strip of NumGlyphs frames
    int NumGlyphs = 1;
    const TImageList* Images = nullptr;
    const TPersistent* Graphic = nullptr;  // the named graphic property
    int Width = 0, Height = 0;
  };
  TButtonImage buttonImage() const;
  void drawImage(HDC buffer, const TButtonImage& image, int face, int x, int y);
  void drawGlyph(const TBitmap& glyph, int numGlyphs, int face, int x, int y);
};

// A speed button has no window: its parent paints it and hands it the mouse. The face
// is drawn on the parent's DC at the button's place.
class TSkinSpeedButton : public TSkinBitButton {
 public:
  using TSkinBitButton::TSkinBitButton;
  ~TSkinSpeedButton() override;
  void AttachSpeedButton(TSkinPainterList* formSkin, TSkinData* data);
  void PaintSkin(HDC dc) override;
  int FaceFrame() const override;

 protected:
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void DrawSkin(HDC dc, const RECT& rect) override;

 private:
  void restoreHandler();
  bool FDrawing = false;
};

// A button with a drop-down arrow at its right.
class TSkinMenuButton : public TSkinButton {
 public:
  using TSkinButton::TSkinButton;
  int FaceFrame() const override;

 protected:
  void drawContent(HDC buffer, const RECT& local, int face) override;
};

}  // namespace velmora
