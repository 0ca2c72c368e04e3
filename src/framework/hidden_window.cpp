// Hidden windows.
#include "framework/hidden_window.h"

namespace velmora {

HWND MakeHiddenWindow(const char* className, WNDPROC procedure, HWND owner, DWORD exStyle, const char* title) {
  WNDCLASSA wc{};
  if (!GetClassInfoA(GetModuleHandleA(nullptr), className, &wc)) {
    wc.lpfnWndProc = procedure;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = className;
    RegisterClassA(&wc);
  }
  return CreateWindowExA(exStyle, className, title, WS_POPUP, 0, 0, 0, 0, owner, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
}

}  // namespace velmora
