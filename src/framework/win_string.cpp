// Narrow text helpers.
#include "framework/win_string.h"

#include <vector>

namespace velmora {

std::string ModuleFileName(HMODULE module) {
  std::vector<char> buffer(MAX_PATH);
  for (;;) {
    DWORD n = GetModuleFileNameA(module, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) return {};
    if (n < buffer.size()) return std::string(buffer.data(), n);
    buffer.resize(buffer.size() * 2);
  }
}

std::string ExtractFilePath(const std::string& path) {
  std::size_t cut = 0;  // one past the last separator
  for (std::size_t i = 0; i < path.size(); ++i) {
    const char c = path[i];
    if (IsDBCSLeadByte(static_cast<BYTE>(c)) && i + 1 < path.size()) {
      ++i;  // skip the trail byte, whatever its value
      continue;
    }
    if (c == '\\' || c == ':') cut = i + 1;
  }
  return path.substr(0, cut);
}

std::string SystemErrorText(DWORD code) {
  char* text = nullptr;
  DWORD n = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                               FORMAT_MESSAGE_IGNORE_INSERTS,
                           nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
  std::string result = n && text ? std::string(text, n) : std::string();
  if (text) LocalFree(text);
  while (!result.empty() && (result.back() == '\r' || result.back() == '\n' || result.back() == ' '))
    result.pop_back();
  if (result.empty()) result = "error " + std::to_string(code);
  return result;
}

std::wstring AnsiToWideText(const std::string& text) {
  if (text.empty()) return {};
  int n = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring out(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
  return out;
}

std::string WideToAnsiText(const std::wstring& text) {
  if (text.empty()) return {};
  int n = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                              nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), out.data(), n,
                      nullptr, nullptr);
  return out;
}

}  // namespace velmora
