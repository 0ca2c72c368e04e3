// Accelerator letters of captions: "&File" is opened by Alt+F. A doubled "&&" is a
// literal ampersand, and the last single "&" of a caption names its key.
#pragma once

#include <string>

namespace velmora {

// The accelerator of `caption` in upper case, or 0 for none.
char HotKeyOf(const std::string& caption);

// Whether `key` (a character or a virtual-key code of a letter or digit) is the
// accelerator of `caption`; letters compare without regard to case.
bool IsAccel(unsigned key, const std::string& caption);

}  // namespace velmora
