// The screen's list of forms.
#include "framework/screen.h"

#include <algorithm>

namespace velmora {

TScreen Screen;

void TScreen::AddForm(TForm* form) {
  if (std::find(FForms.begin(), FForms.end(), form) == FForms.end()) FForms.push_back(form);
}

void TScreen::RemoveForm(TForm* form) { std::erase(FForms, form); }

}  // namespace velmora
