// The skin engine's private window messages. Their numbers are fixed: applications and
// other modules send them too.
#pragma once

#include <windows.h>

namespace velmora {

inline constexpr UINT WM_SKINNCPAINT = 0x3502;
inline constexpr UINT WM_SKININIT = 0x3503;
inline constexpr UINT WM_SKINENABLE = 0x3506;
inline constexpr UINT WM_SKINTABCLOSE = 0x3507;
inline constexpr UINT WM_SKINBUTTON = 0x3514;
inline constexpr UINT WM_SKINBUTTONVISIBLE = 0x3515;
inline constexpr UINT WM_SKINMDIREDRAW = 0x3516;
inline constexpr UINT WM_SKINREPLACE = 0x3517;
inline constexpr UINT WM_SKINMENUKEY = 0x3518;
inline constexpr UINT WM_SKINQUERY = 0x3523;
inline constexpr UINT WM_SKINPRINT = 0xBC4A;
inline constexpr UINT WM_SKINPRINT2 = 0xBC4B;
inline constexpr UINT WM_SKINHELLO = 0xBC4E;
// A form's skin changed (sent to the form by the application).
inline constexpr UINT WM_SKINCHANGED = 0x33F5;

// The answer and lParam of WM_SKINPRINT and WM_SKINHELLO.
inline constexpr LPARAM SkinMagic = 0x41A2;
// lParam of WM_SKININIT.
inline constexpr LPARAM SkinInitParam = 1000;

}  // namespace velmora
