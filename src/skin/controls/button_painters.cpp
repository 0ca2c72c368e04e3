// Push button painters.
#include "skin/controls/button_painters.h"

#include "framework/common_controls.h"
#include "framework/font.h"
#include "framework/win_control.h"
#include "skin/controls/painter_messages.h"
#include "skin/controls/skin_property.h"
#include "skin/data/bitmap_helpers.h"
#include "skin/data/skin_drawing.h"
#include "skin/data/skin_platform.h"

namespace velmora {
namespace {

// Transparent when the control's tag asks for it or the skin's options say so.
bool wantsTransparent(const TControl* control, const TSkinData& data) {
  return (control && control->Tag() == 5555) || InSet(data.Options(), xoTransparent);
}

std::wstring withLineBreaks(std::wstring text) {
  for (std::size_t at; (at = text.find(L"||")) != std::wstring::npos;) text.replace(at, 2, L"\r\n");
  return text;
}

std::string lowerClassName(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return LowerText(name);
}

}  // namespace

void TSkinButton::AttachControl(TSkinPainterList* formSkin, TSkinData* data, bool changeColor) {
  TSkinControl::AttachControl(formSkin, data, changeColor);
  if (!FAttached) return;
  FTransparent = wantsTransparent(FControl, *FSkinData);
  // Some vendors' buttons handle their own presses: they are not forwarded.
  const std::string cls = LowerText(FControl->ClassName());
  BackgroundMode = cls.rfind("trz", 0) == 0 || cls.rfind("tel", 0) == 0;
}

void TSkinButton::AttachHandle(HWND handle, TSkinData* data, TSkinPainterList* formSkin) {
  TSkinControl::AttachHandle(handle, data, formSkin);
  if (FSkinData) FTransparent = wantsTransparent(nullptr, *FSkinData);
}

void TSkinButton::readState() {
  FEnabled = !(WindowLong(GWL_STYLE) & WS_DISABLED);
  FFocused = GetFocus() == FHandle;
  FCaption = FControl ? GetTextProp(FControl, "Caption") : ReadWindowText(FHandle);
}

int TSkinButton::FaceFrame() const {
  int face = bfNormal;
  if (FFocused) face = bfFocused;
  if (LowerText(GetEnumText(FControl, "Default")) == "true") face = bfFocused;
  if (PressedState)
    face = bfPressed;
  else if (HotState)
    face = bfHot;
  if (!FEnabled) face = bfDisabled;
  return face;
}

bool TSkinButton::BeforeMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      // The window never sees the press: it neither captures the mouse nor clicks.
      if (GetFocus() != FHandle) SetFocus(FHandle);
      PressedState = true;
      PaintSkin(nullptr);
      // The control's own mouse-down event still fires.
      if (!BackgroundMode && FControl) ForwardMouseDown(message);
      return false;
    }
    case WM_TIMER:
      KillTimer(FHandle, 1);
      return false;
    case WM_PAINT:
      // A skin without push buttons leaves the button its own look.
      if (!hasFace()) return true;
      PaintFull(message);
      return false;
    case WM_ERASEBKGND:
      if (!hasFace()) return true;
      message.Result = 1;
      return false;
    default:
      return TSkinControl::BeforeMessage(message);
  }
}

bool TSkinButton::cursorOverButton() const {
  POINT cursor{};
  return GetCursorPos(&cursor) && WindowFromPoint(cursor) == FHandle;
}

bool TSkinButton::hasFace() const {
  return FSkinData && FSkinData->Records.Buttons && !FSkinData->Records.Buttons->Map.Empty();
}

void TSkinButton::click() {
  // The click may hide or close the window: a leave notice still asked for would stay
  // pending for a hidden window, and under Wine that keeps a menu opened afterwards (the
  // tray menu) from taking the keyboard. The hover ends with the click.
  SkinCancelMouseLeave(FHandle);
  HotState = false;
  if (FControl) {
    FControl->Click();
    return;
  }
  const HWND parent = GetParent(FHandle);
  const WPARAM id = lowerClassName(FHandle) == "tbutton" ? 0 : static_cast<WPARAM>(GetDlgCtrlID(FHandle));
  PostMessageA(parent, WM_COMMAND, id, reinterpret_cast<LPARAM>(FHandle));
}

void TSkinButton::AfterMessage(TMessage& message) {
  switch (message.Msg) {
    // The system draws a new state, check or style itself, at once: the skin goes back
    // over it before anyone sees it.
    case BM_SETSTATE:
    case BM_SETCHECK:
    case BM_SETSTYLE:
      if (hasFace()) Refresh();
      return;
    case WM_MOUSELEAVE:
      // A notice left over from before a modal box closed can come while the cursor is
      // still on the button: dropping the press then would lose the click.
      if (cursorOverButton()) {
        SkinTrackMouseLeave(FHandle);
        return;
      }
      HotState = PressedState = false;
      Refresh();
      return;
    case CM_DIALOGKEY:
    case CM_FOCUSCHANGED:
      Refresh();
      return;
    case WM_LBUTTONUP:
      if (!PressedState) return;
      PressedState = false;
      Refresh();
      click();
      return;
    case WM_SETTEXT:
      PaintSkin(nullptr);
      return;
    case WM_KEYDOWN:
    case WM_KEYUP:
      if (message.WParam != VK_SPACE) return;
      PressedState = message.Msg == WM_KEYDOWN;
      Refresh();
      return;
    case WM_MOUSEMOVE:
      if (FEnabled && !HotState) {
        HotState = true;
        Refresh();
      }
      SkinTrackMouseLeave(FHandle);
      return;
    default:
      TSkinControl::AfterMessage(message);
  }
}

HFONT TSkinButton::captionFont() const {
  if (auto* font = GetObjProp<TFont>(FControl, "Font")) return font->Handle();
  return reinterpret_cast<HFONT>(SendMessageA(FHandle, WM_GETFONT, 0, 0));
}

COLORREF TSkinButton::textColor(int face) const {
  if (face == bfDisabled) return GetSysColor(COLOR_BTNSHADOW);
  const TDataSkinButton& buttons = *FSkinData->Records.Buttons;
  COLORREF color = FControl ? ColorToRGB(FControl->Font()->Color()) : ColorToRGB(FSkinData->Colors.Colors[scButtonText]);
  if (buttons.HasNormalColour2) color = buttons.NormalColour2;
  if (face == bfHot && buttons.HasMouseOverColour2) color = buttons.MouseOverColour2;
  if (face == bfPressed && buttons.HasPressedColour2) color = buttons.PressedColour2;
  return ColorToRGB(color);
}

void TSkinButton::drawCaption(HDC dc, const RECT& rect, UINT flags) {
  FCaption = withLineBreaks(FCaption);
  RECT area = rect;
  InflateRect(&area, -2, -2);
  flags |= DT_WORDBREAK | DT_EXPANDTABS;
  RECT measured = area;
  SkinDrawText(dc, FCaption, measured, flags | DT_CALCRECT | DT_NOCLIP);
  const int width = measured.right - measured.left, height = measured.bottom - measured.top;
  RECT text;
  if (flags & DT_CENTER) {
    text.left = (rect.right - rect.left - width) / 2;
    text.right = text.left + width;
  } else {
    text.left = rect.left;
    text.right = rect.right;
  }
  text.top = (rect.bottom - rect.top - height) / 2 - 1;
  text.bottom = text.top + height;
  SetBkMode(dc, TRANSPARENT);
  SkinDrawText(dc, FCaption, text, AddReadingOrder(flags));
  if (FFocused && !InSet(FSkinData->Options(), xoNoFocusRect)) {
    InflateRect(&text, 2, 2);
    DrawFocusRect(dc, &text);
  }
}

void TSkinButton::DrawSkin(HDC dc, const RECT& rect) {
  const TDataSkinButton* buttons = FSkinData ? FSkinData->Records.Buttons.get() : nullptr;
  if (!buttons || buttons->Map.Empty()) return;
  readState();
  const int face = FaceFrame();
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return;
  if (FBuffer.Width() != width || FBuffer.Height() != height) FBuffer.SetSize(width, height);
  // The face is composed off-screen and copied in one piece.
  MemoryDC buffer;
  SelectScope bitmap(buffer, FBuffer.Handle());
  const RECT local{0, 0, width, height};
  if (FTransparent && FControl)
    PaintParentBackground(FHandle, buffer);
  else
    FillSkinColor(buffer, local);
  DrawSkinFrame(buffer, local, std::max(buttons->Frame, 1), face, *buttons);
  drawContent(buffer, local, face);
  BitBlt(dc, rect.left, rect.top, width, height, buffer, 0, 0, SRCCOPY);
}

void TSkinButton::drawContent(HDC buffer, const RECT& local, int face) {
  SelectScope font(buffer, captionFont());
  SetTextColor(buffer, textColor(face));
  drawCaption(buffer, local, DT_CENTER);
}

// ---- glyph buttons ---------------------------------------------------------------------

int TSkinBitButton::GlyphIndex(int face, int numGlyphs) {
  int index = 1;
  if (face == bfPressed) index = 3;
  if (face == bfDisabled) index = 2;
  return index > std::max(numGlyphs, 1) ? 1 : index;
}

void TSkinBitButton::drawGlyph(const TBitmap& glyph, int numGlyphs, int face, int x, int y) {
  const int frames = std::max(numGlyphs, 1);
  const int width = glyph.Width() / frames, height = glyph.Height();
  if (width <= 0 || height <= 0) return;
  // A disabled glyph is embossed from the first frame alone (embossing the whole strip
  // would draw every frame side by side); a frame's bottom-left pixel is its
  // transparent colour.
  const bool emboss = face == bfDisabled;
  const int left = emboss ? 0 : (GlyphIndex(face, frames) - 1) * width;
  const COLORREF transparent = glyph.Pixel(left, height - 1);
  auto put = [this](int px, int py, COLORREF color) {
    if (px >= 0 && py >= 0 && px < FBuffer.Width() && py < FBuffer.Height()) FBuffer.SetPixel(px, py, color);
  };
  if (emboss) {
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT), shadow = GetSysColor(COLOR_BTNSHADOW);
    for (const auto& [dx, color] : {std::pair{1, light}, std::pair{0, shadow}})
      for (int gy = 0; gy < height; ++gy)
        for (int gx = 0; gx < width; ++gx)
          if (glyph.Pixel(left + gx, gy) != transparent) put(x + gx + dx, y + gy + dx, color);
    return;
  }
  for (int gy = 0; gy < height; ++gy)
    for (int gx = 0; gx < width; ++gx)
      if (const COLORREF pixel = glyph.Pixel(left + gx, gy); pixel != transparent) put(x + gx, y + gy, pixel);
}

TSkinBitButton::TButtonImage TSkinBitButton::buttonImage() const {
  TButtonImage image;
  if (!ImagePropertyName.empty()) {
    const TPersistent* graphic = FControl ? GetObjectProp(*FControl, ImagePropertyName) : nullptr;
    if (const auto* glyph = dynamic_cast<const TGlyph*>(graphic); glyph && !glyph->Bitmap.Empty()) {
      image.Graphic = graphic, image.Width = glyph->Bitmap.Width(), image.Height = glyph->Bitmap.Height();
    } else if (const auto* bitmap = dynamic_cast<const TBitmap*>(graphic); bitmap && !bitmap->Empty()) {
      image.Graphic = graphic, image.Width = bitmap->Width(), image.Height = bitmap->Height();
    } else if (const auto* icon = dynamic_cast<const TIcon*>(graphic); icon && !icon->Empty()) {
      image.Graphic = graphic, image.Width = GetSystemMetrics(SM_CXICON), image.Height = GetSystemMetrics(SM_CYICON);
    }
    return image;
  }
  const TGlyph* glyph = GetObjProp<TGlyph>(FControl, "Glyph");
  image.NumGlyphs = std::max(GetIntProp(FControl, "NumGlyphs"), 1);
  if (glyph && !glyph->Bitmap.Empty()) {
    image.Strip = &glyph->Bitmap;
    image.Width = glyph->Bitmap.Width() / image.NumGlyphs, image.Height = glyph->Bitmap.Height();
    return image;
  }
  const TImageList* images = GetObjProp<TImageList>(FControl, "Images");
  if (images && GetIntProp(FControl, "ImageIndex") != -1) {
    const SIZE size = images->ImageSize();
    image.Images = images, image.Width = size.cx, image.Height = size.cy;
  }
  return image;
}

void TSkinBitButton::drawImage(HDC buffer, const TButtonImage& image, int face, int x, int y) {
  if (image.Strip) {
    drawGlyph(*image.Strip, image.NumGlyphs, face, x, y);
  } else if (image.Images) {
    const int index = GetIntProp(FControl, "ImageIndex"), disabledIndex = GetIntProp(FControl, "DisabledIndex");
    if (face != bfDisabled)
      image.Images->Draw(buffer, x, y, index);
    else if (disabledIndex != -1)
      image.Images->Draw(buffer, x, y, disabledIndex);
    else
      image.Images->Draw(buffer, x, y, index, false);
  } else if (const auto* glyph = dynamic_cast<const TGlyph*>(image.Graphic)) {
    drawGlyph(glyph->Bitmap, 1, bfNormal, x, y);
  } else if (const auto* bitmap = dynamic_cast<const TBitmap*>(image.Graphic)) {
    MemoryDC source;
    SelectScope select(source, bitmap->Handle());
    BitBlt(buffer, x, y, image.Width, image.Height, source, 0, 0, SRCCOPY);
  } else if (const auto* icon = dynamic_cast<const TIcon*>(image.Graphic)) {
    DrawIconEx(buffer, x, y, icon->Handle(), 0, 0, 0, nullptr, DI_NORMAL);
  }
}

void TSkinBitButton::drawContent(HDC buffer, const RECT& local, int face) {
  const int W = local.right, H = local.bottom;
  // The layout, from the control's properties by name.
  const TButtonImage image = buttonImage();
  int margin = GetIntProp(FControl, "Margin"), spacing = GetIntProp(FControl, "Spacing");
  const std::string layout = LowerText(GetEnumText(FControl, "Layout"));
  const bool vertical = layout == "blglyphtop" || layout == "blglyphbottom";
  const bool atFarEnd = layout == "blglyphright" || layout == "blglyphbottom";
  const int gw = image.Width, gh = image.Height;

  SelectScope font(buffer, captionFont());
  for (std::size_t at; (at = FCaption.find(L"||")) != std::wstring::npos;) FCaption.replace(at, 2, L"\r\n");
  RECT bounds{2, 2, W - 2, H - 2};
  if (vertical)
    bounds.bottom -= 2 + gh;
  else
    bounds.right -= 2 + gw;
  int tw = 0, th = 0;
  if (!FCaption.empty()) {
    RECT measured = bounds;
    SkinDrawText(buffer, FCaption, measured, DT_CALCRECT | DT_WORDBREAK);
    tw = measured.right - measured.left, th = measured.bottom - measured.top;
  }
  int gx = 0, gy = 0, tx = 0, ty = 0;
  if (vertical)
    gx = (W - gw + 1) / 2, tx = (W - tw + 1) / 2;
  else
    gy = (H - gh + 1) / 2, ty = (H - th + 1) / 2;
  if (tw == 0 || gw == 0) spacing = 0;
  const int extent = vertical ? H : W, g = vertical ? gh : gw, t = vertical ? th : tw;
  if (margin != -1 && LowerText(GetEnumText(FControl, "Alignment")) != "tacenter") {
    if (spacing == -1) spacing = (extent - (margin + g) - t) / 2;
  } else if (spacing != -1) {
    margin = (extent - (g + spacing + t)) / 2;
  } else {
    margin = (extent - (g + t)) / 3;
    spacing = margin;
  }
  UINT flags = DT_WORDBREAK;
  int& glyphAt = vertical ? gy : gx;
  int& textAt = vertical ? ty : tx;
  if (!atFarEnd) {
    glyphAt = margin;
    textAt = glyphAt + g + spacing;
  } else {
    glyphAt = extent - margin - g;
    textAt = glyphAt - spacing - t;
  }
  if (layout == "blglyphright") flags |= DT_RIGHT;
  if (vertical) flags |= DT_CENTER;

  GdiFlush();  // the frame is in the buffer's pixels before the glyph is put there
  drawImage(buffer, image, face, gx, gy);
  if (!FCaption.empty()) {
    SetTextColor(buffer, textColor(face));
    SetBkMode(buffer, TRANSPARENT);
    RECT text{tx, ty, tx + tw, ty + th};
    SkinDrawText(buffer, FCaption, text, AddReadingOrder(flags));
    if (FFocused && !InSet(FSkinData->Options(), xoNoFocusRect)) {
      InflateRect(&text, 2, 2);
      DrawFocusRect(buffer, &text);
    }
  }
}

// ---- speed buttons --------------------------------------------------------------------

void TSkinSpeedButton::AttachSpeedButton(TSkinPainterList* formSkin, TSkinData* data) {
  auto* control = dynamic_cast<TGraphicControl*>(Owner());
  if (!control || !data || FAttached) return;
  FSkinData = data;
  FGraphicControl = control;
  hookControl(*control);
  FFormSkin = formSkin;
  if (FFormSkin) FFormSkin->Add(this);
  FAttached = true;
  FStatus = psAttached;
  FTransparent = control->Tag() == 5555 || InSet(FSkinData->Options(), xoTransparent);
  control->Invalidate();
}

TSkinSpeedButton::~TSkinSpeedButton() { restoreHandler(); }

void TSkinSpeedButton::restoreHandler() { unhookControl(); }

int TSkinSpeedButton::FaceFrame() const {
  int face = bfNormal;
  if (PressedState)
    face = bfPressed;
  else if (HotState)
    face = bfHot;
  if (LowerText(GetEnumText(FGraphicControl, "Enabled")) != "true") face = bfDisabled;
  if (LowerText(GetEnumText(FGraphicControl, "Down")) == "true") face = bfPressed;
  return face;
}

bool TSkinSpeedButton::BeforeMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
      if (HDC dc = reinterpret_cast<HDC>(message.WParam)) {
        DrawSkin(dc, RECT{0, 0, FGraphicControl->Width(), FGraphicControl->Height()});
        message.Result = 1;
        return false;
      }
      return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      auto alive = AliveToken();
      CallDefault(message);
      if (!*alive) return false;
      PressedState = true;
      PaintSkin(nullptr);
      return false;
    }
    case WM_LBUTTONUP:
      return true;
    case WM_SKINQUERY:
      message.Result = 1;
      return false;
    default:
      return true;
  }
}

void TSkinSpeedButton::AfterMessage(TMessage& message) {
  switch (message.Msg) {
    case CM_MOUSEENTER:
      HotState = true;
      PaintSkin(nullptr);
      return;
    case CM_MOUSELEAVE:
      HotState = PressedState = false;
      if (FGraphicControl->Visible()) PaintSkin(nullptr);
      return;
    case WM_LBUTTONUP:
      PressedState = false;
      PaintSkin(nullptr);
      return;
    case WM_KEYDOWN:
    case WM_KEYUP:
      if (message.WParam != VK_SPACE) return;
      PressedState = message.Msg == WM_KEYDOWN;
      PaintSkin(nullptr);
      return;
    case WM_NCDESTROY:
    case CM_RELEASE:
      restoreHandler();
      return;
    default:
      return;
  }
}

void TSkinSpeedButton::PaintSkin(HDC) {
  TWinControl* parent = FGraphicControl ? FGraphicControl->Parent() : nullptr;
  if (!parent || !parent->WindowHandle() || !FGraphicControl->Visible()) return;
  const RECT bounds = FGraphicControl->BoundsRect();
  WindowDC dc(parent->WindowHandle());
  if (!dc) return;
  SavedDC saved(dc);
  IntersectClipRect(dc, bounds.left, bounds.top, bounds.right, bounds.bottom);
  OffsetViewportOrgEx(dc, bounds.left, bounds.top, nullptr);
  try {
    DrawSkin(dc, RECT{0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top});
  } catch (const std::exception&) {
  }
}

void TSkinSpeedButton::DrawSkin(HDC dc, const RECT& rect) {
  const TDataSkinButton* buttons = FSkinData ? FSkinData->Records.Buttons.get() : nullptr;
  const int W = rect.right - rect.left, H = rect.bottom - rect.top;
  if (FDrawing || !buttons || W <= 0 || H <= 0) return;
  FDrawing = true;
  struct TDone {
    bool& Flag;
    ~TDone() { Flag = false; }
  } done{FDrawing};
  const int face = FaceFrame();
  if (FBuffer.Width() != W || FBuffer.Height() != H) FBuffer.SetSize(W, H);
  {
    MemoryDC buffer;
    SelectScope bitmap(buffer, FBuffer.Handle());
    const RECT local{0, 0, W, H};
    if (FTransparent)
      FillParentColor(buffer, local);
    else
      FillSkinColor(buffer, local);
    // A flat speed button shows only its background until hot or pressed.
    const bool flat = LowerText(GetEnumText(FGraphicControl, "Flat")) == "true";
    if (!buttons->Map.Empty() && (face == bfPressed || face == bfHot || !flat))
      DrawSkinFrame(buffer, local, std::max(buttons->Frame, 1), face, *buttons);
    HFONT font = nullptr;
    if (auto* controlFont = GetObjProp<TFont>(FGraphicControl, "Font")) font = controlFont->Handle();
    SelectScope useFont(buffer, font);
    FCaption = GetTextProp(FGraphicControl, "Caption");
    FFocused = false;
    SetTextColor(buffer, face == bfDisabled ? GetSysColor(COLOR_BTNSHADOW) : textColor(face));
    drawCaption(buffer, local, DT_CENTER);
    BitBlt(dc, rect.left, rect.top, W, H, buffer, 0, 0, SRCCOPY);
  }
}

int TSkinMenuButton::FaceFrame() const {
  int face = FFocused ? bfHot : bfNormal;
  if (PressedState)
    face = bfPressed;
  else if (HotState)
    face = bfHot;
  if (!FEnabled) face = bfDisabled;
  return face;
}

void TSkinMenuButton::drawContent(HDC buffer, const RECT& local, int face) {
  const TDataSkinButton* buttons = FSkinData->Records.Buttons.get();
  const int width = local.right, height = local.bottom;
  SelectScope font(buffer, captionFont());

  FCaption = withLineBreaks(FCaption);
  RECT measured{0, 0, width - 17, height};
  SkinDrawText(buffer, FCaption, measured, DT_CALCRECT | DT_WORDBREAK);
  const int textWidth = measured.right - measured.left, textHeight = measured.bottom - measured.top;
  RECT text{(width - 17 - textWidth) / 2 + 2, (height - textHeight + 1) / 2, 0, 0};
  text.right = text.left + textWidth;
  text.bottom = text.top + textHeight;
  COLORREF color = FControl ? ColorToRGB(FControl->Font()->Color()) : ColorToRGB(FSkinData->Colors.Colors[scButtonText]);
  if (face == bfNormal && buttons->HasNormalColour2) color = ColorToRGB(buttons->NormalColour2);
  if (face == bfHot && buttons->HasMouseOverColour2) color = ColorToRGB(buttons->MouseOverColour2);
  if (face == bfPressed && buttons->HasPressedColour2) color = ColorToRGB(buttons->PressedColour2);
  if (face == bfDisabled) color = GetSysColor(COLOR_BTNSHADOW);
  SetTextColor(buffer, color);
  SetBkMode(buffer, TRANSPARENT);
  SkinDrawText(buffer, FCaption, text, AddReadingOrder(DT_WORDBREAK));

  // The arrow: a small filled triangle pointing down.
  const COLORREF arrowColor = face == bfDisabled ? GetSysColor(COLOR_BTNSHADOW) : GetSysColor(COLOR_WINDOWTEXT);
  GdiBrush brush(CreateSolidBrush(arrowColor));
  GdiPen pen(CreatePen(PS_SOLID, 1, arrowColor));
  SelectScope useBrush(buffer, brush), usePen(buffer, pen);
  const POINT arrow[3] = {{width - 12, height / 2 + 2}, {width - 15, height / 2 - 1}, {width - 9, height / 2 - 1}};
  Polygon(buffer, arrow, 3);
  if (FFocused && !InSet(FSkinData->Options(), xoNoFocusRect)) {
    InflateRect(&text, 2, 2);
    DrawFocusRect(buffer, &text);
  }
}

}  // namespace velmora
