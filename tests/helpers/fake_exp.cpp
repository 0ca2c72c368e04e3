// Stand-in for Oracle's exp. It records the exact bytes of its command line and how it
// was asked to show its window, then writes the log and dump files it was named, the
// way a successful export would, unless it is told to end otherwise.
//
// Record: one line per run appended to %VELMORA_EXP_RECORD% (default: exp-record.txt
// beside this program): "<command line in hex> <STARTUPINFO dwFlags> <wShowWindow>".
//
// How it ends, each from an environment variable, or from a line NAME=value of the file
// named by VELMORA_EXP_CONTROL (read at every run, so a test can change it between
// exports of a program that is already running; the file wins):
//   VELMORA_EXP_SLEEP_MS   time taken before the files are written (ms)
//   VELMORA_EXP_EXIT_CODE  exit code (default 0)
//   VELMORA_EXP_LAST_LINE  the log's last line (default: the success line); "-" for none
//   VELMORA_EXP_LOG_LINES  lines before it, separated by "|" (EXP-/ORA- lines...)
//   VELMORA_EXP_LOG        "none": no log file at all; "empty": an empty log
//   VELMORA_EXP_NO_DUMP    "1": no dump file
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

std::string readFile(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  std::string text;
  char buffer[4096];
  DWORD n = 0;
  while (ReadFile(file, buffer, sizeof(buffer), &n, nullptr) && n > 0) text.append(buffer, n);
  CloseHandle(file);
  return text;
}

std::string environment(const char* name) {
  char buffer[8192];
  const DWORD n = GetEnvironmentVariableA(name, buffer, sizeof(buffer));
  return n > 0 && n < sizeof(buffer) ? std::string(buffer, n) : std::string();
}

// A setting: the control file's line NAME=value, else the environment variable.
std::string setting(const char* name) {
  const std::string control = environment("VELMORA_EXP_CONTROL");
  if (!control.empty()) {
    const std::string prefix = std::string(name) + "=";
    std::string text = readFile(control);
    std::size_t at = 0;
    while (at < text.size()) {
      std::size_t end = text.find('\n', at);
      if (end == std::string::npos) end = text.size();
      std::string line = text.substr(at, end - at);
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (line.rfind(prefix, 0) == 0) return line.substr(prefix.size());
      at = end + 1;
    }
  }
  return environment(name);
}

std::string logText() {
  const std::string kind = setting("VELMORA_EXP_LOG");
  if (kind == "empty") return {};
  std::string text = "\r\nExport: Release 10.2.0.1.0 - Production (stand-in)\r\n\r\n";
  std::string lines = setting("VELMORA_EXP_LOG_LINES");
  std::size_t at = 0;
  while (!lines.empty() && at <= lines.size()) {
    std::size_t end = lines.find('|', at);
    if (end == std::string::npos) end = lines.size();
    text += lines.substr(at, end - at) + "\r\n";
    at = end + 1;
  }
  std::string last = setting("VELMORA_EXP_LAST_LINE");
  if (last.empty()) last = "Export terminated successfully without warnings.";
  if (last != "-") text += last + "\r\n";
  return text;
}

}  // namespace

int main() {
  const std::string commandLine = GetCommandLineA();
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  GetStartupInfoA(&startup);

  appendLine(recordPath(), hexOf(commandLine) + " " + std::to_string(startup.dwFlags) + " " +
                               std::to_string(startup.wShowWindow) + "\r\n");

  const std::string sleepText = setting("VELMORA_EXP_SLEEP_MS");
  if (!sleepText.empty()) Sleep(static_cast<DWORD>(std::atoi(sleepText.c_str())));

  for (const std::string& part : splitAtBlanks(commandLine)) {
    if (part.rfind("log=", 0) == 0 && setting("VELMORA_EXP_LOG") != "none")
      writeFile(part.substr(4), logText());
    else if (part.rfind("file=", 0) == 0 && setting("VELMORA_EXP_NO_DUMP") != "1")
      writeFile(part.substr(5), "stand-in dump\r\n");
  }
  const std::string exitCode = setting("VELMORA_EXP_EXIT_CODE");
  return exitCode.empty() ? 0 : static_cast<int>(std::strtoul(exitCode.c_str(), nullptr, 10));
}
