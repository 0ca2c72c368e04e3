// Narrow (ANSI code page) text helpers that need the platform: module path, path parts
// that respect double-byte characters, and system error texts.
#pragma once

#include <windows.h>

#include <string>

namespace velmora {

// Full path of the running executable (or of `module`).
std::string ModuleFileName(HMODULE module = nullptr);

// Folder part of a path, with its trailing backslash or colon ("C:\Tools\" for
// "C:\Tools\bak.exe"). A backslash that is the second byte of a double-byte character
// is not a separator.
std::string ExtractFilePath(const std::string& path);

// The system's own text for an error code, without the trailing line break.
std::string SystemErrorText(DWORD code);

// UTF-16 <-> ANSI code page.
std::wstring AnsiToWideText(const std::string& text);
std::string WideToAnsiText(const std::wstring& text);

}  // namespace velmora
