// Size grips.
#include "skin/controls/sizer_painter.h"

#include <cctype>
#include <string>

namespace velmora {

bool TSkinSizer::IsSizeGrip(HWND window) {
  char name[32] = {};
  if (!window || !GetClassNameA(window, name, sizeof name)) return false;
  std::string cls(name);
  for (char& c : cls) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return cls == "scrollbar" && (GetWindowLongPtrA(window, GWL_STYLE) & SBS_SIZEGRIP);
}

void TSkinSizer::DrawSkin(HDC dc, const RECT& rect) {
  if (!IsSizeGrip(FHandle)) return;  // checked at every paint: the style may change
  FillColor(dc, rect, SkinFaceColor());
}

}  // namespace velmora
