// The history file beside the program, "<executable path>.history": lines are only ever
// appended, one write per line, and the file is never rewritten. Text in the ANSI code
// page, as the program's other texts.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "app/backup_history.h"

namespace velmora {

// At most this much of the file's end is read: years of daily lines are far less, and
// a file grown huge by something else cannot take the program's memory.
inline constexpr std::uint64_t MaxHistoryBytesRead = 16 * 1024 * 1024;

class THistoryFile {
 public:
  explicit THistoryFile(std::string path) : FPath(std::move(path)) {}
  const std::string& Path() const { return FPath; }

  // Appends one line; false, with the system's error in `error`, when the file cannot
  // be opened or written.
  bool Append(const THistoryEntry& entry, DWORD& error) const;
  // Every well-formed line; nothing for a missing or unreadable file.
  std::vector<THistoryEntry> Read() const;

 private:
  std::string FPath;
};

}  // namespace velmora
