// The screen: the forms of the program that exist right now, in the order they were
// created. The skin manager walks them to skin every shown form at once.
#pragma once

#include <vector>

namespace velmora {

class TForm;

class TScreen {
 public:
  int FormCount() const { return static_cast<int>(FForms.size()); }
  TForm* Forms(int index) const { return FForms.at(static_cast<std::size_t>(index)); }
  const std::vector<TForm*>& FormList() const { return FForms; }

  void AddForm(TForm* form);
  void RemoveForm(TForm* form);

 private:
  std::vector<TForm*> FForms;
};

// The one screen object of the process.
extern TScreen Screen;

}  // namespace velmora
