// A font description (name, point size or pixel height, style, character set, colour)
// with the GDI font made from it on demand. Controls share their parent's font unless
// they are given one of their own.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "framework/gdi_object.h"
#include "framework/rtti.h"

namespace velmora {

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

class TFont : public TPersistent {
 public:
  TFont();
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  std::string Name() const { return FName; }
  void SetName(const std::string& name);
  // Size in points; Height in pixels (negative: character height, as in LOGFONT).
  int Size() const;
  void SetSize(int points);
  int Height() const { return FHeight; }
  void SetHeight(int pixels);
  unsigned Style() const { return FStyle; }
  void SetStyle(unsigned style);
  int Charset() const { return FCharset; }
  void SetCharset(int charset);
  COLORREF Color() const { return FColor; }
  void SetColor(COLORREF color);

  void Assign(const TFont& other);
  // Name, height, style and character set of a logical font (the colour stays).
  void AssignLogFont(const LOGFONTA& font);
  HFONT Handle() const;  // made on first use, remade after a change

  std::function<void()> OnChange;

 private:
  void changed();

  std::string FName = "MS Sans Serif";
  int FHeight = -11;  // 8 pt at 96 dpi
  unsigned FStyle = 0;
  int FCharset = DEFAULT_CHARSET;
  COLORREF FColor = GetSysColor(COLOR_WINDOWTEXT);
  mutable GdiFont FHandle;
};

int ScreenPixelsPerInch();

}  // namespace velmora
