// Element records: one visual piece of a skin each (a border, the caption text, the
// caption buttons, push buttons, a progress bar...): a bitmap of equal state frames side
// by side, the fixed margins a nine-part drawing keeps, tile or stretch, transparency,
// colours. A piece the skin does not define is an absent record.
#pragma once

#include <windows.h>

#include <string>

#include "framework/bitmap.h"

namespace velmora {

// A colour field that was not given.
inline constexpr COLORREF NoTitleColour = 0x1FFFFFFF;

struct TDataSkinObject {
  explicit TDataSkinObject(std::string name) : Name(std::move(name)) {}
  virtual ~TDataSkinObject() = default;

  int LeftWidth = 0, TopHeight = 0, RightWidth = 0, BottomHeight = 0;
  TBitmap Map;
  int Trans = 0;
  int Tile = 0;
  std::string Name;
  int Frame = 0;
  int Style = 0;
  int NormalColour = -1, MouseOverColour = -1, PressedColour = -1;
  COLORREF NormalColour2 = 0, MouseOverColour2 = 0, PressedColour2 = 0;
};

struct TDataSkinBorder : TDataSkinObject {
  using TDataSkinObject::TDataSkinObject;
  TBitmap Map2;
};

struct TDataSkinTitle : TDataSkinObject {
  using TDataSkinObject::TDataSkinObject;
  int TextAlignment = 0, Textbackground = 0, FontHeight = 14, TXTBackleft = 0, TXTBackRight = 0;
  COLORREF ActiveText = NoTitleColour, InActiveText = NoTitleColour;
};

struct TDataSkinButton : TDataSkinObject {
  using TDataSkinObject::TDataSkinObject;
  TBitmap CheckMap, RadioMap;
  int RadioButtonFrame = 0, CheckButtonFrame = 0;
  bool HasNormalColour2 = false, HasMouseOverColour2 = false, HasPressedColour2 = false;
};

struct TDataSkinSysButton : TDataSkinObject {
  using TDataSkinObject::TDataSkinObject;
  int Action = 0, Align = 0, Xcoord = 0, Ycoord = 0, CombineOp = -1, Visibility = 0, Visibility1 = 0;
};

struct TDataSkinBoxLabel : TDataSkinObject {
  using TDataSkinObject::TDataSkinObject;
  int BackgroundLeftShift = 0, BackgroundRightShift = 0, BackgroundAlignment = 0;
};

}  // namespace velmora
