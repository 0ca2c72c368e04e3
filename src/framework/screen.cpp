// The screen's list of forms.
#include "framework/screen.h"

#include <algorithm>

namespace velmora {

TScreen Screen;

void TScreen::AddForm(TForm* form) {
  if (std::find(FForms.begin(), FForms.end(), form) == FForms.end()) FForms.push_back(form);
}

void TScreen::RemoveForm(TForm* form) { std::erase(FForms, form); }

TFont& TScreen::MenuFont() {
  if (!FMenuFont) {
    FMenuFont = std::make_unique<TFont>();
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof(metrics);
    if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
      FMenuFont->AssignLogFont(metrics.lfMenuFont);
    FMenuFont->SetColor(GetSysColor(COLOR_MENUTEXT));
  }
  return *FMenuFont;
}

}  // namespace velmora
