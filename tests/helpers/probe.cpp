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
//   probe skinned TITLE CAPTION        1 when the child with that caption answers the skin
//                                      engine's query (a painter serves it), else 0
//   probe boxtext TITLE [SECONDS]      waits for a message box titled TITLE, prints its text
//   probe tray                         rectangles of the notification area's icons
//   probe balloon [SECONDS]            waits for a visible balloon (the shell shows a tray
//                                      icon's balloon as a balloon tooltip): "hwnd x y w h",
//                                      then its text with line breaks as " / ", then the
//                                      colour of its icon as drawn: error (red), warning
//                                      (yellow), info (blue) or none
//   probe nballoon [SECONDS]           waits until no balloon is visible
//   probe tip [SECONDS]                the same for a visible tooltip that is no balloon
//   probe hold FILE SECONDS            opens FILE shared with nobody and keeps it so
//                                      (prints "held" once it is), as another program can
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "skin/forms/skin_messages.h"

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

// The visible tooltip windows that are balloons (or are not).
HWND findTooltip(bool balloon) {
  for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
    if (!IsWindowVisible(w) || _wcsicmp(classOf(w).c_str(), L"tooltips_class32") != 0) continue;
    const bool isBalloon = (GetWindowLongW(w, GWL_STYLE) & TTS_BALLOON) != 0;
    if (isBalloon == balloon && !textOf(w).empty()) return w;
  }
  return nullptr;
}

HWND waitForTooltip(bool balloon, double seconds) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(seconds * 1000);
  for (;;) {
    if (HWND w = findTooltip(balloon)) return w;
    if (GetTickCount() > end) return nullptr;
    Sleep(100);
  }
}

std::string oneLine(const std::wstring& text) {
  std::wstring out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'\r') continue;
    if (text[i] == L'\n')
      out += L" / ";
    else
      out += text[i];
  }
  return utf8(out);
}

// The colour of the icon drawn in the window, read from the screen: the most pixels of
// a strong red, yellow or blue.
const char* iconColour(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  const int w = r.right - r.left, h = r.bottom - r.top;
  if (w <= 0 || h <= 0) return "none";
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = -h;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
  int red = 0, yellow = 0, blue = 0;
  const auto* pixels = static_cast<const unsigned char*>(bits);
  for (int i = 0; bits && i < w * h; ++i) {
    const int b = pixels[i * 4], g = pixels[i * 4 + 1], rr = pixels[i * 4 + 2];
    if (rr > 180 && g < 80 && b < 80) ++red;
    else if (rr > 180 && g > 150 && b < 90) ++yellow;
    else if (b > 150 && rr < 90 && g < 140) ++blue;
  }
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  const int most = red > yellow ? (red > blue ? red : blue) : (yellow > blue ? yellow : blue);
  if (most < 10) return "none";
  return most == red ? "error" : most == yellow ? "warning" : "info";
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
  if (command == L"skinned") {
    HWND top = findTop(arg(2), 5);
    if (!top) return fail("window");
    for (HWND c : children(top))
      if (textOf(c) == arg(3)) {
        DWORD_PTR answer = 0;
        SendMessageTimeoutW(c, velmora::WM_SKINQUERY, 0, 0, SMTO_ABORTIFHUNG, 3000, &answer);
        std::printf("%d\n", answer == 1 ? 1 : 0);
        return 0;
      }
    return fail("control");
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
  if (command == L"balloon" || command == L"tip") {
    HWND w = waitForTooltip(command == L"balloon", seconds(2));
    if (!w) return fail(command == L"balloon" ? "balloon" : "tip");
    Sleep(300);  // drawn
    printRect(w);
    std::printf("%s\n%s\n", oneLine(textOf(w)).c_str(), iconColour(w));
    return 0;
  }
  if (command == L"nballoon") {
    const DWORD end = GetTickCount() + static_cast<DWORD>(seconds(2) * 1000);
    while (findTooltip(true)) {
      if (GetTickCount() > end) return fail("balloon still there");
      Sleep(100);
    }
    std::printf("no balloon\n");
    return 0;
  }
  if (command == L"hold") {
    HANDLE file = CreateFileW(arg(2).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return fail("file");
    std::printf("held\n");
    std::fflush(stdout);
    Sleep(static_cast<DWORD>(seconds(3) * 1000));
    CloseHandle(file);
    return 0;
  }
  return fail("command");
}
