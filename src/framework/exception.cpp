// Message formatting for exceptions.
#include "framework/exception.h"

namespace velmora {

std::string FormatText(const std::string& format, std::initializer_list<std::string> args) {
  std::string out;
  auto next = args.begin();
  for (std::size_t i = 0; i < format.size(); ++i) {
    if (format[i] == '%' && i + 1 < format.size()) {
      if (format[i + 1] == '%') { out += '%'; ++i; continue; }
      if (format[i + 1] == 's') {
        if (next != args.end()) out += *next++;
        ++i;
        continue;
      }
    }
    out += format[i];
  }
  return out;
}

}  // namespace velmora
