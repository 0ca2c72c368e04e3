// A small probe for end-to-end tests: finds the program's windows and controls the way
// a person sees them (by title and caption) and prints what the tests need: screen
// rectangles for xdotool, texts, states. Output is UTF-8, one answer a line.
//
//   probe windows                      every visible top-level window: hwnd class title rect
//   probe find TITLE [SECONDS]         waits for a visible window titled TITLE: "hwnd x y w h"
//   probe gone TITLE [SECONDS]         waits until no visible window is titled TITLE
//   probe control TITLE CAPTION        a child of TITLE with that caption: "hwnd x y w h"
//   probe nth TITLE CLASS N            the Nth (from 0) child of class CLASS: "hwnd x y w h"
//   probe text TITLE CLASS N           that child's text
//   probe state TITLE CLASS N          that child's "enabled visible focused checked"
//   probe boxtext TITLE [SECONDS]      waits for a message box titled TITLE, prints its text
//   probe tray                         rectangles of the notification area's icons
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

std::string utf8(const std::wstring& text) {
  if (text.empty()) return {};
  int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
  return out;
}

std::wstring textOf(HWND window) {
  wchar_t buffer[1024] = {};
  // WM_GETTEXT reads controls of another process too.
  SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 2000, nullptr);
  return buffer;
}

std::wstring classOf(HWND window) {
  wchar_t buffer[256] = {};
  GetClassNameW(window, buffer, 256);
  return buffer;
}

void printRect(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  std::printf("%p %ld %ld %ld %ld\n", static_cast<void*>(window), r.left, r.top, r.right - r.left, r.bottom - r.top);
}

HWND findTop(const std::wstring& title, double seconds) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(seconds * 1000);
  for (;;) {
    HWND found = nullptr;
    for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT))
      if (IsWindowVisible(w) && textOf(w) == title) {
        found = w;
        break;
      }
    if (found || GetTickCount() > end) return found;
    Sleep(100);
  }
}

std::vector<HWND> children(HWND parent) {
  std::vector<HWND> list;
  EnumChildWindows(parent, [](HWND child, LPARAM data) -> BOOL {
    reinterpret_cast<std::vector<HWND>*>(data)->push_back(child);
    return TRUE;
  }, reinterpret_cast<LPARAM>(&list));
  return list;
}

HWND nthChild(HWND top, const std::wstring& cls, int n) {
  for (HWND child : children(top))
    if (_wcsicmp(classOf(child).c_str(), cls.c_str()) == 0 && n-- == 0) return child;
  return nullptr;
}

int fail(const char* what) {
  std::printf("not found: %s\n", what);
  return 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return fail("command");
  const std::wstring command = argv[1];
  auto arg = [&](int i) { return i < argc ? std::wstring(argv[i]) : std::wstring(); };
  auto seconds = [&](int i) { return i < argc ? _wtof(argv[i]) : 10.0; };

  if (command == L"windows") {
    for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
      if (!IsWindowVisible(w)) continue;
      std::printf("%s \"%s\" ", utf8(classOf(w)).c_str(), utf8(textOf(w)).c_str());
      printRect(w);
    }
    return 0;
  }
  if (command == L"find") {
    HWND w = findTop(arg(2), seconds(3));
    if (!w) return fail("window");
    printRect(w);
    return 0;
  }
  if (command == L"gone") {
    const DWORD end = GetTickCount() + static_cast<DWORD>(seconds(3) * 1000);
    while (findTop(arg(2), 0)) {
      if (GetTickCount() > end) return fail("window still there");
      Sleep(100);
    }
    std::printf("gone\n");
    return 0;
  }
  if (command == L"control" || command == L"nth" || command == L"text" || command == L"state") {
    HWND top = findTop(arg(2), 5);
    if (!top) return fail("window");
    HWND child = nullptr;
    if (command == L"control") {
      for (HWND c : children(top))
        if (textOf(c) == arg(3)) child = c;
    } else {
      child = nthChild(top, arg(3), _wtoi(arg(4).c_str()));
    }
    if (!child) return fail("control");
    if (command == L"text") {
      std::printf("%s\n", utf8(textOf(child)).c_str());
    } else if (command == L"state") {
      const LRESULT check = SendMessageW(child, BM_GETCHECK, 0, 0);
      GUITHREADINFO gui{};
      gui.cbSize = sizeof(gui);
      GetGUIThreadInfo(GetWindowThreadProcessId(child, nullptr), &gui);
      std::printf("%d %d %d %d\n", IsWindowEnabled(child) ? 1 : 0, IsWindowVisible(child) ? 1 : 0,
                  gui.hwndFocus == child ? 1 : 0, check == BST_CHECKED ? 1 : 0);
    } else {
      printRect(child);
    }
    return 0;
  }
  if (command == L"boxtext") {
    const DWORD end = GetTickCount() + static_cast<DWORD>(seconds(3) * 1000);
    for (;;) {
      for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
        if (!IsWindowVisible(w) || classOf(w) != L"#32770" || textOf(w) != arg(2)) continue;
        HWND label = GetDlgItem(w, 0xFFFF);
        std::printf("%s\n", utf8(label ? textOf(label) : L"").c_str());
        return 0;
      }
      if (GetTickCount() > end) return fail("message box");
      Sleep(100);
    }
  }
  if (command == L"tray") {
    HWND tray = FindWindowW(L"Shell_TrayWnd", nullptr);
    if (!tray) return fail("taskbar");
    for (HWND c : children(tray)) {
      std::printf("%s \"%s\" ", utf8(classOf(c)).c_str(), utf8(textOf(c)).c_str());
      printRect(c);
    }
    return 0;
  }
  return fail("command");
}
