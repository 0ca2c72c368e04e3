// Reading a skin's colours.
#include "skin/data/skin_colors.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace velmora {
namespace {

struct TSlotKey {
  int Slot;
  const char* Key;
  COLORREF Default;  // the menu bar's default is taken from slot 3 instead
};

// The order in which the slots are read.
constexpr TSlotKey SlotKeys[] = {
    {scWindowText, "WindowText", SystemColorRef(COLOR_WINDOWTEXT)},
    {scButtonFace, "ButtonFace", SystemColorRef(COLOR_BTNFACE)},
    {scScrollbar, "Scrollbar", SystemColorRef(COLOR_SCROLLBAR)},
    {scHilightText, "HilightText", SystemColorRef(COLOR_HIGHLIGHTTEXT)},
    {scHilight, "Hilight", SystemColorRef(COLOR_HIGHLIGHT)},
    {scMenubar, "Menubar", 0},
    {scMenu, "Menu", SystemColorRef(COLOR_MENU)},
    {scMenuText, "MenuText", SystemColorRef(COLOR_MENUTEXT)},
    {scButtonText, "ButtonText", SystemColorRef(COLOR_BTNTEXT)},
    {scButtonHilight, "ButtonHilight", SystemColorRef(COLOR_BTNHIGHLIGHT)},
    {scButtonlight, "Buttonlight", SystemColorRef(COLOR_BTNHIGHLIGHT)},
    {scButtonShadow, "ButtonShadow", SystemColorRef(COLOR_BTNSHADOW)},
    {scButtonDkShadow, "ButtonDkShadow", SystemColorRef(COLOR_3DDKSHADOW)},
    {scMenuBarText, "MenuBarText", SystemColorRef(COLOR_MENUTEXT)},
    {scTitleTextActive, "TitleTextActive", SystemColorRef(COLOR_CAPTIONTEXT)},
    {scTitleTextNoActive, "TitleTextNoActive", SystemColorRef(COLOR_INACTIVECAPTIONTEXT)},
};

std::string upper(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::toupper(c); });
  return text;
}

}  // namespace

TSkinColors::TSkinColors() {
  for (const TSlotKey& key : SlotKeys) Colors[static_cast<std::size_t>(key.Slot)] = key.Default;
  Colors[scMenubar] = Colors[scButtonFace];
  Colors[scSample] = Colors[scButtonFace];
  CustomColors.fill(0xFFFFFF);
}

void TSkinColors::Read(const TQuickIni& ini) {
  for (const TSlotKey& key : SlotKeys) {
    const auto slot = static_cast<std::size_t>(key.Slot);
    const COLORREF fallback = key.Slot == scMenubar ? Colors[scButtonFace] : key.Default;
    const std::string value = ini.ReadString("Colours", key.Key, "");
    ColorSet[slot] = !value.empty();
    Colors[slot] = value.empty() ? fallback : ParseColorText(value);
  }

  ExtraColors.clear();
  for (const std::string& section : ini.ReadSections()) {
    const std::string name = upper(section);
    if (name.rfind("COLOUR", 0) != 0 || name == "COLOURS") continue;
    const std::string value = ini.ReadString(section, "color", "");
    ExtraColors.push_back(value.empty() ? SystemColorRef(COLOR_WINDOWTEXT) : ParseColorText(value));
  }

  for (std::size_t i = 0; i < CustomColors.size(); ++i) {
    const std::string value = ini.ReadString("Customcolors", "Color" + std::to_string(i), "");
    CustomColors[i] = value.empty() ? 0xFFFFFF : ParseColorText(value);
  }
}

}  // namespace velmora
