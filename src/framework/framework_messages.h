// Messages the framework sends to its own windows (above WM_APP's range of the system,
// in the framework's block from 0xB000).
#pragma once

#include <windows.h>

namespace velmora {

inline constexpr UINT CM_BASE = 0xB000;
// A character typed in a form while a control has the focus (menu accelerators).
inline constexpr UINT CM_DIALOGCHAR = CM_BASE + 6;
// The form's main menu changed.
inline constexpr UINT CM_MENUCHANGED = CM_BASE + 21;

}  // namespace velmora
