// Check box, radio button, group box and container painters.
#include "skin/controls/check_painters.h"

#include <algorithm>
#include <vector>

#include "framework/font.h"
#include "framework/win_control.h"
#include "skin/controls/painter_messages.h"
#include "skin/controls/skin_property.h"
#include "skin/data/bitmap_helpers.h"
#include "skin/data/skin_drawing.h"
#include "skin/data/skin_platform.h"

namespace velmora {
namespace {

constexpr COLORREF Magenta = 0xFF00FF;

bool majorVersionSix() { return LOBYTE(LOWORD(GetVersion())) == 6; }

// Frames of the 12-frame check strip and the 8-frame radio strip for the 4-frame codes.
int remapLongStrip(int frame, int frames) {
  if (frames == 12 || frames == 8) {
    if (frame == 2) return 5;
    if (frame == 3) return 4;
    if (frame == 4) return 8;
  }
  return frame;
}

}  // namespace

// ---- check marks -------------------------------------------------------------------

void TSkinCheckMark::AttachControl(TSkinPainterList* formSkin, TSkinData* data, bool changeColor) {
  TSkinControl::AttachControl(formSkin, data, changeColor);
  if (!FAttached) return;
  BackgroundMode = !strip().Empty() ? 1 : 0;
  FTransparent = FControl->Tag() == 5555 || InSet(FSkinData->Options(), xoTransparent);
}

bool TSkinCheckMark::BeforeMessage(TMessage& message) {
  if (!TSkinControl::BeforeMessage(message)) return false;
  switch (message.Msg) {
    case WM_ERASEBKGND:
      if (!FTransparent) return true;
      EraseWithParent(message);
      return false;
    case WM_PAINT:
    case WM_PRINT:
      if (BackgroundMode != 1) return true;
      PaintFull(message);
      return false;
    default:
      return true;
  }
}

void TSkinCheckMark::AfterMessage(TMessage& message) {
  switch (message.Msg) {
    // The system draws the new check, state or style itself, at once: the skin goes back
    // over it before anyone sees it.
    case BM_SETCHECK:
    case BM_SETSTATE:
    case BM_SETSTYLE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case CM_CHECKSTATECHANGED:
    case CM_ACTIONUPDATE:
      Refresh();
      return;
    default:
      TSkinControl::AfterMessage(message);
  }
}

void TSkinCheckMark::DrawSkin(HDC dc, const RECT& rect) {
  const TBitmap& glyphs = strip();
  const int frames = std::max(stripFrames(), 1);
  if (glyphs.Empty()) {
    // The control paints itself from now on, starting at once.
    if (BackgroundMode != 0 && FHandle) InvalidateRect(FHandle, nullptr, TRUE);
    BackgroundMode = 0;
    return;
  }
  const int glyphWidth = glyphs.Width() / frames, glyphHeight = glyphs.Height();
  const int frame = GlyphFrame();
  const LONG_PTR style = WindowLong(GWL_STYLE);
  const bool rightToLeft = AddReadingOrder(0) & DT_RTLREADING;
  const int top = rect.top + (rect.bottom - rect.top - glyphHeight) / 2;
  RECT glyph, text = rect;
  UINT flags = DT_WORDBREAK | DT_EXPANDTABS;
  if (style & BS_LEFTTEXT) {
    glyph = {rect.right - glyphWidth - rightInset(), top, rect.right - rightInset(), top + glyphHeight};
    text.right = glyph.left - 2;
    if (rightToLeft) flags |= DT_RIGHT | DT_RTLREADING;
  } else {
    glyph = {rect.left, top, rect.left + glyphWidth, top + glyphHeight};
    text.left = glyph.right + 2;
    if (rightToLeft) flags |= DT_RTLREADING;
  }
  if (BackgroundMode == 1 && !FTransparent) FillSkinColor(dc, rect);

  // The frame, its magenta left out.
  TBitmap cell(glyphWidth, glyphHeight);
  {
    MemoryDC cellDC, stripDC;
    SelectScope useCell(cellDC, cell.Handle()), useStrip(stripDC, glyphs.Handle());
    // A frame beyond a short strip is its first.
    const int chosen = frame >= 1 && frame <= frames ? frame : 1;
    BitBlt(cellDC, 0, 0, glyphWidth, glyphHeight, stripDC, (chosen - 1) * glyphWidth, 0, SRCCOPY);
  }
  TransparentCopy(dc, glyph, cell, Magenta);

  if (BackgroundMode == 0) return;
  FCaption = FControl ? GetTextProp(FControl, "Caption") : ReadWindowText(FHandle);
  HFONT font = nullptr;
  if (auto* controlFont = GetObjProp<TFont>(FControl, "Font")) font = controlFont->Handle();
  if (!font) font = reinterpret_cast<HFONT>(SendMessageA(FHandle, WM_GETFONT, 0, 0));
  SavedDC saved(dc);
  if (font) SelectObject(dc, font);
  if (FControl)
    SetTextColor(dc, FControl->Enabled() && !(style & WS_DISABLED) ? ColorToRGB(FControl->Font()->Color())
                                                                    : GetSysColor(COLOR_BTNSHADOW));
  SetBkColor(dc, SkinFaceColor());
  SetBkMode(dc, TRANSPARENT);
  RECT measured = text;
  SkinDrawText(dc, FCaption, measured, flags | DT_CALCRECT | DT_NOCLIP);
  const int shift = ((text.bottom - text.top) - (measured.bottom - measured.top)) / 2;
  RECT placed = text;
  OffsetRect(&placed, 0, shift);
  if (GetFocus() == FHandle && !FCaption.empty() && !majorVersionSix()) DrawCaptionFocus(dc, flags, placed);
  SkinDrawText(dc, FCaption, placed, flags);
}

int TSkinCheckBox::GlyphFrame() const {
  const LRESULT state = SendMessageA(FHandle, BM_GETSTATE, 0, 0);
  int frame = (state & BST_CHECKED) ? 2 : 1;
  bool grey = state & BST_INDETERMINATE;
  if (FControl) {
    const std::string stateText = LowerText(GetEnumText(FControl, "State"));
    if (!stateText.empty()) {
      if (stateText.find("uncheck") != std::string::npos)
        frame = 1;
      else if (stateText.find("check") != std::string::npos)
        frame = 2;
      else if (stateText.find("gray") != std::string::npos)
        grey = true;
    } else if (GetPropInfo(*FControl, "Checked")) {
      frame = LowerText(GetEnumText(FControl, "Checked")) == "true" ? 2 : 1;
    }
    if (GetPropInfo(*FControl, "DataField") && FLastCheck > 0) {
      frame = FLastCheck == 3 ? 4 : FLastCheck;
      grey = FLastCheck == 3;
    }
    if (GetPropInfo(*FControl, "DataBinding")) frame = 1, grey = false;
  }
  const bool isDisabled = disabled();
  if (isDisabled) frame += 2;
  // Grey, enabled or not, is its own look: frame 4 of four, 9 (12 disabled) of twelve.
  // Adding the disabled offset to it would point past a four-frame strip.
  if (grey) return stripFrames() == 12 ? (isDisabled ? 12 : 9) : 4;
  return remapLongStrip(frame, stripFrames());
}

void TSkinCheckBox::AfterMessage(TMessage& message) {
  if (message.Msg == BM_SETCHECK) FLastCheck = static_cast<int>(message.WParam) + 1;
  TSkinCheckMark::AfterMessage(message);
}

int TSkinRadioButton::GlyphFrame() const {
  int frame = SendMessageA(FHandle, BM_GETCHECK, 0, 0) == BST_CHECKED ? 2 : 1;
  if (FControl && GetPropInfo(*FControl, "Checked"))
    frame = LowerText(GetEnumText(FControl, "Checked")) == "true" ? 2 : 1;
  if (disabled()) frame += 2;
  return remapLongStrip(frame, stripFrames());
}

// ---- group box ---------------------------------------------------------------------

void TSkinGroupBox::AttachControl(TSkinPainterList* formSkin, TSkinData* data, bool changeColor) {
  TSkinControl::AttachControl(formSkin, data, changeColor);
  if (FAttached) BackgroundMode = 1;
}

bool TSkinGroupBox::BeforeMessage(TMessage& message) {
  if (!TSkinControl::BeforeMessage(message)) return false;
  if (BackgroundMode == 1 && message.Msg == WM_PAINT) {
    PaintFull(message);
    return false;
  }
  if (BackgroundMode == 1 && message.Msg == WM_ERASEBKGND) {
    message.Result = 1;
    return false;
  }
  return true;
}

void TSkinGroupBox::DrawSkin(HDC dc, const RECT& rect) {
  FCaption = ReadWindowText(FHandle);
  if (FCaption.empty() && FControl) FCaption = GetTextProp(FControl, "Caption");
  if (FControl) FillSkinColor(dc, rect);
  SavedDC saved(dc);
  HFONT font = reinterpret_cast<HFONT>(SendMessageA(FHandle, WM_GETFONT, 0, 0));
  if (FControl) {
    if (auto* controlFont = GetObjProp<TFont>(FControl, "Font")) {
      font = controlFont->Handle();
      SetTextColor(dc, ColorToRGB(controlFont->Color()));
    }
  }
  if (font) SelectObject(dc, font);
  SIZE zero{};
  GetTextExtentPoint32A(dc, "0", 1, &zero);
  const int h = zero.cy;
  if (!FControl) {
    // Cover the native frame twice over with the skin's background.
    RECT frame{0, h / 2 - 1, rect.right, rect.bottom};
    FrameRect(dc, &frame, FSkinData->FaceBrush());
    InflateRect(&frame, -1, -1);
    FrameRect(dc, &frame, FSkinData->FaceBrush());
  }
  GdiPen pen(CreatePen(PS_SOLID, 1, ColorToRGB(FSkinData->Colors.Colors[scButtonShadow])));
  SelectScope usePen(dc, pen);
  SelectScope hollow(dc, GetStockObject(NULL_BRUSH));
  RoundRect(dc, 1, h / 2 - 1, rect.right - 1, rect.bottom - 1, 5, 5);

  SetBkMode(dc, OPAQUE);
  SetBkColor(dc, SkinFaceColor());
  if (!(WindowLong(GWL_EXSTYLE) & WS_EX_RIGHT)) {
    RECT text{rect.left + 8, rect.top, rect.right, rect.bottom};
    SkinDrawText(dc, FCaption, text, DT_EXPANDTABS);
  } else {
    RECT text{rect.left, rect.top, rect.right - 8, rect.bottom};
    SkinDrawText(dc, FCaption, text, AddReadingOrder(DT_RIGHT | DT_EXPANDTABS));
  }
  // Its own painting was suppressed: the window-less children are painted here.
  // Each through its own message entry (a painter may stand there), the DC's origin at
  // its top-left corner, as its parent would paint it.
  if (FControl && BackgroundMode == 1)
    if (auto* container = dynamic_cast<TWinControl*>(FControl))
      for (TControl* child : std::vector<TControl*>(container->Controls())) {
        if (child->IsWindowed() || !child->Visible()) continue;
        SavedDC one(dc);
        const RECT r = child->BoundsRect();
        IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
        OffsetViewportOrgEx(dc, r.left, r.top, nullptr);
        child->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
      }
}

// ---- containers ----------------------------------------------------------------------

void TSkinBox::AttachControl(TSkinPainterList* formSkin, TSkinData* data, bool changeColor) {
  auto* control = dynamic_cast<TWinControl*>(Owner());
  if (!control || !data) return;
  FSkinData = data;
  FFormSkin = formSkin;
  FControl = control;
  FHandle = control->Handle();
  FChangeColor = changeColor;
  if (FFormSkin) FFormSkin->Add(this);
  if (FChangeColor) {
    switchParentBackground(false);
    FSavedColor = control->Color();
    control->SetColor(FSkinData->Colors.Colors[scButtonFace]);
  }
}

void TSkinBox::Unskin() {
  if (FChangeColor && FControl) {
    switchParentBackground(true);
    FControl->SetColor(FSavedColor);
  }
  FStatus = psUnskinned;
}

bool TSkinBoxH::BeforeMessage(TMessage& message) {
  if (!TSkinControl::BeforeMessage(message)) return false;
  switch (message.Msg) {
    case WM_ERASEBKGND: {
      RECT window;
      GetWindowRect(FHandle, &window);
      const RECT rect{0, 0, window.right - window.left, window.bottom - window.top};
      FillSkinColor(reinterpret_cast<HDC>(message.WParam), rect);
      message.Result = 0;
      return false;
    }
    case WM_CTLCOLORSTATIC:
      CallDefault(message);
      message.Result = reinterpret_cast<LRESULT>(FSkinData->FaceBrush());
      return false;
    default:
      return true;
  }
}

}  // namespace velmora
