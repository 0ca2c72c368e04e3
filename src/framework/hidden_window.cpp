// Hidden windows.
#include "framework/hidden_window.h"

namespace velmora {

HWND MakeHiddenWindow(const char* className, WNDPROC procedure, HWND owner, DWORD exStyle, const char* title,
                      void* object) {
  WNDCLASSA wc{};
  if (!GetClassInfoA(GetModuleHandleA(nullptr), className, &wc)) {
    wc.lpfnWndProc = procedure;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = className;
    RegisterClassA(&wc);
  }
  return CreateWindowExA(exStyle, className, title, WS_POPUP, 0, 0, 0, 0, owner, nullptr,
                         GetModuleHandleA(nullptr), object);
}

void* HiddenWindowObject(HWND window, UINT msg, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    void* object = reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpCreateParams;
    if (object) SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
    return object;
  }
  return reinterpret_cast<void*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

}  // namespace velmora
