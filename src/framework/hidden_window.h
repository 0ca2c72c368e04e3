// Hidden windows that only receive messages (timers, shell notifications): the class
// is registered on first use.
#pragma once

#include <windows.h>

namespace velmora {

// A hidden pop-up window of class `className` with procedure `procedure`, owned by
// `owner` when one is given.
HWND MakeHiddenWindow(const char* className, WNDPROC procedure, HWND owner = nullptr, DWORD exStyle = 0,
                      const char* title = "");

}  // namespace velmora
