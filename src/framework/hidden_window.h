// Hidden windows that only receive messages (timers, shell notifications): the class
// is registered on first use. A window made for an object reaches it through
// GWLP_USERDATA, set at WM_NCCREATE from the creation parameter.
#pragma once

#include <windows.h>

namespace velmora {

// A hidden pop-up window of class `className` with procedure `procedure`, owned by
// `owner` when one is given; `object` travels as the creation parameter.
HWND MakeHiddenWindow(const char* className, WNDPROC procedure, HWND owner = nullptr, DWORD exStyle = 0,
                      const char* title = "", void* object = nullptr);

// For the procedure of a window made with an object: binds the object to the window
// at WM_NCCREATE and returns the window's object (null before that and for windows
// made without one).
void* HiddenWindowObject(HWND window, UINT msg, LPARAM lParam);

}  // namespace velmora
