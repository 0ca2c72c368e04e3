// Painter windows.
#include "skin/controls/painter_window.h"

#include <exception>

namespace velmora {
namespace {

void paintSafely(const std::function<void(HDC)>& paint, HDC dc) {
  try {
    paint(dc);
  } catch (const std::exception&) {
    // our own drawing failed: the window shows what it showed
  }
}

}  // namespace

void RegisterPainterWindowClass(const wchar_t* name, WNDPROC procedure, UINT style) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  if (GetClassInfoExW(GetModuleHandleW(nullptr), name, &wc)) return;
  wc = WNDCLASSEXW{};
  wc.cbSize = sizeof wc;
  wc.style = style;
  wc.lpfnWndProc = procedure;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.lpszClassName = name;
  RegisterClassExW(&wc);
}

bool HandlePainterWindowMessage(HWND window, UINT msg, WPARAM wParam, const std::function<void(HDC)>& paint,
                                LRESULT& result) {
  switch (msg) {
    case WM_ERASEBKGND:
      result = 1;
      return true;
    case WM_MOUSEACTIVATE:
      result = MA_NOACTIVATE;
      return true;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      if (HDC dc = BeginPaint(window, &ps)) {
        paintSafely(paint, dc);
        EndPaint(window, &ps);
      }
      result = 0;
      return true;
    }
    case WM_PRINTCLIENT:
      paintSafely(paint, reinterpret_cast<HDC>(wParam));
      result = 0;
      return true;
    default:
      return false;
  }
}

}  // namespace velmora
