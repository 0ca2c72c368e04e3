// The skin's name, caption font height and colour tables.
#include "elements.h"
#include "theme.h"

namespace velmora::tools {

void AddIdentity(TSkinBuilder& skin) {
  skin.Key("TitlebarSkin", "SkinName", theme::Current().SkinName);
  skin.Key("Fonts", "FontHeight", 14);
}

void AddColours(TSkinBuilder& skin) {
  struct TSlot {
    const char* Key;
    TColor Value;
  };
  // Every colour slot the engine reads, in slot order.
  const TSlot slots[] = {
      {"WindowText", theme::Current().Text},
      {"TitleTextActive", theme::Current().ActiveFrame.TitleText},
      {"TitleTextNoActive", theme::Current().InactiveFrame.TitleText},
      {"ButtonFace", theme::Current().Face},
      {"ButtonText", theme::Current().Text},
      {"ButtonHilight", theme::Current().White},
      {"Buttonlight", theme::Current().FaceLight},
      {"ButtonShadow", theme::Current().TextDisabled},
      {"ButtonDkShadow", theme::Current().LineDark},
      {"HilightText", theme::Current().White},
      {"Hilight", theme::Current().Accent},
      {"Menubar", theme::Current().MenuBar},
      {"MenuBarText", theme::Current().Text},
      {"MenuText", theme::Current().Text},
      {"Menu", theme::Current().Menu},
      {"Scrollbar", theme::Current().Track},
  };
  skin.Note("Colours", "Colours as red green blue.");
  for (const TSlot& slot : slots) skin.Colour("Colours", slot.Key, slot.Value);

  // Extra colours for applications: the accent and two signal colours.
  skin.Colour("Colour.Accent", "color", theme::Current().Accent);
  skin.Colour("Colour.Link", "color", Rgb(40, 96, 176));
  skin.Colour("Colour.Warning", "color", Rgb(196, 122, 28));

  // Custom colours: a palette that sits well with the skin.
  const TColor custom[10] = {theme::Current().Accent,      Rgb(72, 95, 131),   Rgb(58, 138, 112), Rgb(196, 122, 28),
                             Rgb(186, 64, 58),   Rgb(120, 96, 168),  Rgb(44, 140, 168), theme::Current().Face,
                             theme::Current().TextDisabled, theme::Current().Text};
  for (int i = 0; i < 10; ++i) skin.Colour("Customcolors", "Color" + std::to_string(i), custom[i]);
}

}  // namespace velmora::tools
