// Accelerator letters of captions.
#include "framework/accelerator.h"

namespace velmora {

namespace {

char upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

char HotKeyOf(const std::string& caption) {
  char key = 0;
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] == '&') {
      ++i;  // a literal ampersand
      continue;
    }
    key = upper(caption[i + 1]);
    ++i;
  }
  return key;
}

bool IsAccel(unsigned key, const std::string& caption) {
  if (key == 0 || key > 0xFF) return false;
  const char hot = HotKeyOf(caption);
  return hot != 0 && upper(static_cast<char>(key)) == hot;
}

}  // namespace velmora
