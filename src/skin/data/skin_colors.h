// The colours a skin gives: twenty slots read from its "Colours" section (each falling
// back to a system colour), the extra colours of its "Colour..." sections and ten
// custom colours.
#pragma once

#include <windows.h>

#include <array>
#include <vector>

#include "skin/data/quick_ini.h"

namespace velmora {

// A reference to system colour `index`, resolved when drawn.
constexpr COLORREF SystemColorRef(int index) { return 0xFF000000u | static_cast<COLORREF>(index); }

enum TSkinColorSlot {
  scWindowText = 0, scTitleTextActive = 1, scTitleTextNoActive = 2, scButtonFace = 3, scButtonText = 4,
  scButtonHilight = 5, scButtonlight = 6, scButtonShadow = 7, scButtonDkShadow = 8, scHilightText = 11,
  scHilight = 12, scMenubar = 13, scMenuBarText = 14, scMenuText = 15, scMenu = 16, scSample = 17,
  scScrollbar = 18,
};

struct TSkinColors {
  TSkinColors();

  std::array<COLORREF, 20> Colors{};
  std::array<bool, 20> ColorSet{};
  std::vector<COLORREF> ExtraColors;
  std::array<COLORREF, 10> CustomColors{};

  // The slots in their reading order (the menu bar's default is the button face just
  // read), then the extra and custom colours. Slots 9, 10, 17 and 19 keep their values.
  void Read(const TQuickIni& ini);
};

}  // namespace velmora
