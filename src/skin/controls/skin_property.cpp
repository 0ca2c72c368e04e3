// Property access by name for the painters.
#include "skin/controls/skin_property.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "skin/data/skin_platform.h"

namespace velmora {

std::string LowerText(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

int GetIntProp(const TPersistent* object, const std::string& name) {
  if (!object) return -1;
  const TPropertyInfo* info = GetPropInfo(*object, name);
  if (!info || info->Kind != TPropKind::Integer) return -1;
  return static_cast<int>(GetOrdProp(*object, name, -1));
}

std::string GetEnumText(const TPersistent* object, const std::string& name) {
  return object ? GetEnumProp(*object, name) : std::string();
}

std::wstring GetTextProp(const TPersistent* object, const std::string& name) {
  if (!object) return {};
  const TPropertyInfo* info = GetPropInfo(*object, name);
  if (!info || info->Kind != TPropKind::String) return {};
  return AnsiToWide(GetStrProp(*object, name));
}

void SetPropText(TPersistent* object, const std::string& name, const std::string& text) {
  if (!object) return;
  const TPropertyInfo* info = GetPropInfo(*object, name);
  if (!info) return;
  switch (info->Kind) {
    case TPropKind::Enumeration:
      SetEnumProp(*object, name, text);
      return;
    case TPropKind::Integer: {
      char* end = nullptr;
      const long value = std::strtol(text.c_str(), &end, 10);
      if (end && *end == '\0' && !text.empty()) SetOrdProp(*object, name, value);
      return;
    }
    case TPropKind::String:
      SetStrProp(*object, name, text);
      return;
    default:
      return;
  }
}

}  // namespace velmora
