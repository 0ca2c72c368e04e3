// Messages the control painters answer or listen for: the skin's own and the
// framework's notifications (numbers fixed; applications may send the skin's).
#pragma once

#include <windows.h>

#include "framework/framework_messages.h"

namespace velmora {

// wParam > 0 switches a painter on (and repaints), otherwise off.
inline constexpr UINT WM_SKINENABLE = 0x3506;
// A skinned window answers 1.
inline constexpr UINT WM_SKINQUERY = 0x3523;

}  // namespace velmora
