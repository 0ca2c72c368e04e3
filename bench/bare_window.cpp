// The baseline of the start benchmark: the least a Win32 program does to show a window
// (a class, a window, a message loop), with nothing of Velmora in it. With "--dlls" it
// first loads the system libraries velmora.exe links besides these (the registry's, the
// blending one, the shell's, the version resources'), to tell their cost from the
// program's own.
#include <windows.h>

#include <cstring>
#include <initializer_list>

namespace {

LRESULT CALLBACK windowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, msg, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int show) {
  if (commandLine && std::strstr(commandLine, "--dlls"))
    for (const char* library : {"advapi32.dll", "msimg32.dll", "shell32.dll", "version.dll"}) LoadLibraryA(library);
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = windowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = "VelmoraBareWindow";
  RegisterClassA(&windowClass);
  HWND window = CreateWindowExA(0, "VelmoraBareWindow", "Velmora bare window", WS_OVERLAPPEDWINDOW, 100, 100, 420,
                                320, nullptr, nullptr, instance, nullptr);
  ShowWindow(window, show);
  UpdateWindow(window);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
