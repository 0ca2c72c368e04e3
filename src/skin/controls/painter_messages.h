// Messages the control painters answer or listen for: the skin's own and the
// framework's notifications (numbers fixed; applications may send the skin's).
#pragma once

#include <windows.h>

namespace velmora {

// wParam > 0 switches a painter on (and repaints), otherwise off.
inline constexpr UINT WM_SKINENABLE = 0x3506;
// A skinned window answers 1.
inline constexpr UINT WM_SKINQUERY = 0x3523;

// The framework's notifications a painter follows.
inline constexpr UINT CM_DIALOGKEY = 0xB005;
inline constexpr UINT CM_FOCUSCHANGED = 0xB007;
inline constexpr UINT CM_ENABLEDCHANGED = 0xB00C;
inline constexpr UINT CM_MOUSEENTER = 0xB013;
inline constexpr UINT CM_MOUSELEAVE = 0xB014;
inline constexpr UINT CM_CHECKSTATECHANGED = 0xB01B;
inline constexpr UINT CM_RELEASE = 0xB021;
inline constexpr UINT CM_ACTIONUPDATE = 0xB0D0;

}  // namespace velmora
