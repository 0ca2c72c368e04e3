// Fonts.
#include "framework/font.h"

namespace velmora {

int ScreenPixelsPerInch() {
  WindowDC screen(nullptr);
  return GetDeviceCaps(screen, LOGPIXELSY);
}

TFont::TFont() = default;

const TClassInfo& TFont::StaticClassInfo() {
  static const TClassInfo info{
      "TFont",
      &TPersistent::StaticClassInfo(),
      {
          props::String<TFont>("Name", &TFont::Name, &TFont::SetName),
          props::Integer<TFont, int>("Size", &TFont::Size, &TFont::SetSize),
          props::Integer<TFont, int>("Height", &TFont::Height, &TFont::SetHeight),
          props::Integer<TFont, int>("Charset", &TFont::Charset, &TFont::SetCharset),
          props::Integer<TFont, COLORREF>("Color", &TFont::Color, &TFont::SetColor),
          props::Integer<TFont, unsigned>("Style", &TFont::Style, &TFont::SetStyle),
      },
      {}};
  return info;
}

void TFont::SetName(const std::string& name) {
  if (name == FName) return;
  FName = name;
  changed();
}

int TFont::Size() const { return -MulDiv(FHeight, 72, ScreenPixelsPerInch()); }

void TFont::SetSize(int points) { SetHeight(-MulDiv(points, ScreenPixelsPerInch(), 72)); }

void TFont::SetHeight(int pixels) {
  if (pixels == FHeight) return;
  FHeight = pixels;
  changed();
}

void TFont::SetStyle(unsigned style) {
  if (style == FStyle) return;
  FStyle = style;
  changed();
}

void TFont::SetCharset(int charset) {
  if (charset == FCharset) return;
  FCharset = charset;
  changed();
}

void TFont::SetColor(COLORREF color) {
  if (color == FColor) return;
  FColor = color;
  if (OnChange) OnChange();
}

void TFont::Assign(const TFont& other) {
  FName = other.FName;
  FHeight = other.FHeight;
  FStyle = other.FStyle;
  FCharset = other.FCharset;
  FColor = other.FColor;
  changed();
}

void TFont::AssignLogFont(const LOGFONTA& font) {
  FName = font.lfFaceName;
  FHeight = font.lfHeight;
  FStyle = (font.lfWeight >= FW_SEMIBOLD ? fsBold : 0u) | (font.lfItalic ? fsItalic : 0u) |
           (font.lfUnderline ? fsUnderline : 0u) | (font.lfStrikeOut ? fsStrikeOut : 0u);
  FCharset = font.lfCharSet;
  changed();
}

void TFont::changed() {
  FHandle.Reset();
  if (OnChange) OnChange();
}

HFONT TFont::Handle() const {
  if (!FHandle) {
    LOGFONTA lf{};
    lf.lfHeight = FHeight;
    lf.lfWeight = (FStyle & fsBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = (FStyle & fsItalic) != 0;
    lf.lfUnderline = (FStyle & fsUnderline) != 0;
    lf.lfStrikeOut = (FStyle & fsStrikeOut) != 0;
    lf.lfCharSet = static_cast<BYTE>(FCharset);
    lf.lfQuality = DEFAULT_QUALITY;
    lstrcpynA(lf.lfFaceName, FName.c_str(), LF_FACESIZE);
    FHandle.Reset(CreateFontIndirectA(&lf));
  }
  return FHandle.Get();
}

}  // namespace velmora
