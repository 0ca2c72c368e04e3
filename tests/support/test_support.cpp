// Test helpers for Wine.
#include "support/test_support.h"

#include <commctrl.h>

#include <cstdlib>
#include <thread>

namespace velmora::test {
namespace {

void removeTree(const std::string& folder) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      const std::string path = folder + "\\" + name;
      SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        removeTree(path);
      else
        DeleteFileA(path.c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(folder.c_str());
}

}  // namespace

TempFolder::TempFolder() {
  char base[MAX_PATH];
  GetTempPathA(MAX_PATH, base);
  static unsigned counter = 0;
  for (;;) {
    FPath = std::string(base) + "velmora-test-" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(++counter);
    if (CreateDirectoryA(FPath.c_str(), nullptr)) break;
  }
}

TempFolder::~TempFolder() { removeTree(FPath); }

std::string ReadFileBytes(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  std::string bytes;
  char chunk[4096];
  DWORD n = 0;
  while (ReadFile(file, chunk, sizeof(chunk), &n, nullptr) && n > 0) bytes.append(chunk, n);
  CloseHandle(file);
  return bytes;
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD n = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &n, nullptr);
  CloseHandle(file);
}

bool FileExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
  const auto end = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    if (done()) return true;
    if (std::chrono::steady_clock::now() > end) return false;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

std::string WindowsPathOfUnixPath(const std::string& unixPath) {
  std::string path = "Z:" + unixPath;
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

std::string HelpersFolder() {
  if (const char* folder = std::getenv("VELMORA_TEST_HELPERS")) return WindowsPathOfUnixPath(folder);
  // Run by hand: the helpers are built beside the test executables.
  char exe[MAX_PATH];
  std::string path(exe, GetModuleFileNameA(nullptr, exe, MAX_PATH));
  return path.substr(0, path.find_last_of('\\')) + "\\helpers";
}

bool MoveCursorTo(int x, int y) {
  // Wine can deliver a pointer motion from before the move after it and put the cursor
  // back, so the cursor must stay where it was put for a few checks in a row.
  int steady = 0;
  SetCursorPos(x, y);
  return WaitUntil([&] {
    POINT at{};
    GetCursorPos(&at);
    if (at.x == x && at.y == y) return ++steady >= 4;
    steady = 0;
    SetCursorPos(x, y);
    return false;
  }, std::chrono::seconds(3));
}

void MouseButton(DWORD flags, DWORD data) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  input.mi.mouseData = data;
  SendInput(1, &input, sizeof input);
}

bool MovePointerTo(POINT to) {
  // Wine starts a Unix program given by its path on the Z: drive.
  std::string command = "Z:\\usr\\bin\\xdotool mousemove " + std::to_string(to.x) + " " + std::to_string(to.y);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return false;
  const bool done = WaitForSingleObject(process.hProcess, 5000) == WAIT_OBJECT_0;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return done;
}

void KeyInput(WORD virtualKey, bool down) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
  SendInput(1, &input, sizeof input);
}

void MouseMoveTo(POINT to) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  input.mi.dx = MulDiv(to.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = MulDiv(to.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  SendInput(1, &input, sizeof input);
}

std::string VisibleBalloonText() {
  for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
    char className[64] = {};
    GetClassNameA(w, className, sizeof(className));
    if (!IsWindowVisible(w) || lstrcmpiA(className, "tooltips_class32") != 0) continue;
    if (!(GetWindowLongA(w, GWL_STYLE) & TTS_BALLOON)) continue;
    char text[1024] = {};
    SendMessageTimeoutA(w, WM_GETTEXT, sizeof(text), reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000,
                        nullptr);
    if (text[0]) return text;
  }
  return {};
}

bool WaitForNoBalloon(std::chrono::milliseconds timeout) {
  return WaitUntil([] { return VisibleBalloonText().empty(); }, timeout);
}

}  // namespace velmora::test
