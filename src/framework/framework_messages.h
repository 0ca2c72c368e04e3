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
// Notifications the control painters follow.
inline constexpr UINT CM_DIALOGKEY = CM_BASE + 5;
inline constexpr UINT CM_FOCUSCHANGED = CM_BASE + 7;
inline constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 12;
// The mouse came over or left a control (sent to the control).
inline constexpr UINT CM_MOUSEENTER = CM_BASE + 19;
inline constexpr UINT CM_MOUSELEAVE = CM_BASE + 20;
inline constexpr UINT CM_CHECKSTATECHANGED = CM_BASE + 27;
inline constexpr UINT CM_RELEASE = CM_BASE + 33;
// The control's window is made again (sent to the control; its default does it).
inline constexpr UINT CM_RECREATEWND = CM_BASE + 51;
inline constexpr UINT CM_ACTIONUPDATE = CM_BASE + 208;

}  // namespace velmora
