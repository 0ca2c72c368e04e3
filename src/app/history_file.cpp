// Reading and appending the history file.
#include "app/history_file.h"

#include "framework/kernel_handle.h"

namespace velmora {

bool THistoryFile::Append(const THistoryEntry& entry, DWORD& error) const {
  // Windows refuses to write a read-only file; Wine run by root would write it anyway,
  // so the attribute is honoured here, the same on both.
  const DWORD attributes = GetFileAttributesA(FPath.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
    error = ERROR_ACCESS_DENIED;
    return false;
  }
  // FILE_APPEND_DATA without FILE_WRITE_DATA: every write lands at the end, and nothing
  // already in the file can be written over.
  TKernelHandle file(CreateFileA(FPath.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) {
    error = GetLastError();
    return false;
  }
  const std::string line = FormatHistoryLine(entry);
  DWORD written = 0;
  if (!WriteFile(file.Get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr) ||
      written != line.size()) {
    error = GetLastError();
    if (error == ERROR_SUCCESS) error = ERROR_WRITE_FAULT;
    return false;
  }
  return true;
}

std::vector<THistoryEntry> THistoryFile::Read() const {
  TKernelHandle file(CreateFileA(FPath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return {};
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart < 0) return {};
  std::uint64_t toRead = static_cast<std::uint64_t>(size.QuadPart);
  // A cut read starts one byte early: after a line break there, the first line is whole.
  const bool cut = toRead > MaxHistoryBytesRead;
  if (cut) {
    LARGE_INTEGER at{};
    at.QuadPart = static_cast<LONGLONG>(toRead - MaxHistoryBytesRead - 1);
    if (!SetFilePointerEx(file.Get(), at, nullptr, FILE_BEGIN)) return {};
    toRead = MaxHistoryBytesRead + 1;
  }
  std::string text(static_cast<std::size_t>(toRead), '\0');
  std::size_t done = 0;
  DWORD read = 0;
  while (done < text.size() &&
         ReadFile(file.Get(), text.data() + done, static_cast<DWORD>(text.size() - done), &read, nullptr) && read > 0)
    done += read;
  text.resize(done);
  // The start of a cut read is only the end of a line.
  if (cut) {
    const std::size_t lineBreak = text.find('\n');
    text.erase(0, lineBreak == std::string::npos ? text.size() : lineBreak + 1);
  }
  return ParseHistory(text);
}

}  // namespace velmora
