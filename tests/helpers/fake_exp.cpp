// Stand-in for Oracle's exp. It records the exact bytes of its command line and how it
// was asked to show its window, then writes the log and dump files it was named, the
// way a successful export would.
//
// Record: one line per run appended to %VELMORA_EXP_RECORD% (default: exp-record.txt
// beside this program): "<command line in hex> <STARTUPINFO dwFlags> <wShowWindow>".
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::string hexOf(const std::string& bytes) {
  static const char digits[] = "0123456789abcdef";
  std::string hex;
  for (unsigned char c : bytes) {
    hex += digits[c >> 4];
    hex += digits[c & 15];
  }
  return hex;
}

std::string recordPath() {
  char buffer[MAX_PATH];
  DWORD n = GetEnvironmentVariableA("VELMORA_EXP_RECORD", buffer, MAX_PATH);
  if (n > 0 && n < MAX_PATH) return std::string(buffer, n);
  n = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
  std::string path(buffer, n);
  return path.substr(0, path.find_last_of('\\') + 1) + "exp-record.txt";
}

void appendLine(const std::string& path, const std::string& line) {
  HANDLE file = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD n = 0;
  WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &n, nullptr);
  CloseHandle(file);
}

void writeFile(const std::string& path, const std::string& text) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD n = 0;
  WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &n, nullptr);
  CloseHandle(file);
}

std::vector<std::string> splitAtBlanks(const std::string& text) {
  std::vector<std::string> parts;
  std::string part;
  for (char c : text) {
    if (c == ' ') {
      if (!part.empty()) parts.push_back(part);
      part.clear();
    } else {
      part += c;
    }
  }
  if (!part.empty()) parts.push_back(part);
  return parts;
}

}  // namespace

int main() {
  const std::string commandLine = GetCommandLineA();
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  GetStartupInfoA(&startup);

  appendLine(recordPath(), hexOf(commandLine) + " " + std::to_string(startup.dwFlags) + " " +
                               std::to_string(startup.wShowWindow) + "\r\n");

  char sleepText[32];
  if (GetEnvironmentVariableA("VELMORA_EXP_SLEEP_MS", sleepText, sizeof(sleepText)) > 0)
    Sleep(static_cast<DWORD>(std::atoi(sleepText)));

  for (const std::string& part : splitAtBlanks(commandLine)) {
    if (part.rfind("log=", 0) == 0)
      writeFile(part.substr(4), "Export terminated successfully without warnings.\r\n");
    else if (part.rfind("file=", 0) == 0)
      writeFile(part.substr(5), "stand-in dump\r\n");
  }
  return 0;
}
