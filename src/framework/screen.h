// The screen: the forms of the program that exist right now, in the order they were
// created (the skin manager walks them to skin every shown form at once), and the
// system's menu font.
#pragma once

#include <memory>
#include <vector>

#include "framework/font.h"

namespace velmora {

class TForm;

class TScreen {
 public:
  int FormCount() const { return static_cast<int>(FForms.size()); }
  TForm* Forms(int index) const { return FForms.at(static_cast<std::size_t>(index)); }
  const std::vector<TForm*>& FormList() const { return FForms; }

  void AddForm(TForm* form);
  void RemoveForm(TForm* form);

  // The font the system draws menus in, read from the system on first use.
  TFont& MenuFont();

 private:
  std::vector<TForm*> FForms;
  std::unique_ptr<TFont> FMenuFont;
};

// The one screen object of the process.
extern TScreen Screen;

}  // namespace velmora
