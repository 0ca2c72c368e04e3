// The history of backups: one tab-separated line per finished export (stamp, manual or
// scheduled, outcome, exit code, seconds, dump size, log path) and one per pair of files
// deleted by retention. What the program asks of it: the last outcome, the newest good
// backup, and which older pairs retention deletes. Portable: lines in, lines out.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/backup_stamp.h"
#include "app/export_outcome.h"

namespace velmora {

// The outcome word of a line that records a deleted dump and log pair.
inline constexpr std::string_view RemovedWord = "removed";

struct THistoryEntry {
  TDateTimeParts Stamp;  // UTC+8, the instant in the backup's file names
  std::string Kind;      // "manual" or "scheduled"
  std::string Outcome;   // ok, warnings, failed, not-started or removed
  std::int64_t ExitCode = 0;
  std::int64_t Seconds = 0;
  std::uint64_t DumpSize = 0;
  std::string LogPath;
  bool operator==(const THistoryEntry&) const = default;
};

// The line of a finished export.
THistoryEntry HistoryEntryOf(const TFinishedExport& done);
// The line recording that retention deleted the pair of `entry`: the same stamp, kind,
// exit code, seconds and log path, the outcome "removed", and the size of the dump
// that was deleted.
THistoryEntry RemovedEntryOf(const THistoryEntry& entry, std::uint64_t dumpSizeDeleted);

// "YYYY-MM-DD HH:MM:SS".
std::string FormatStampText(const TDateTimeParts& stamp);
std::optional<TDateTimeParts> ParseStampText(std::string_view text);

// One line with its "\r\n". A tab or line break inside a field (a path cannot hold one
// on Windows) becomes a blank, so a line always stays one line of seven fields.
std::string FormatHistoryLine(const THistoryEntry& entry);
// Nothing for a line that is not seven well-formed fields with a known kind and outcome.
std::optional<THistoryEntry> ParseHistoryLine(std::string_view line);
// Every well-formed line, in file order; other lines are skipped.
std::vector<THistoryEntry> ParseHistory(std::string_view text);

bool IsGoodWord(std::string_view outcome);  // ok or warnings

// The last export recorded (a removed line is no export).
std::optional<THistoryEntry> LastExport(const std::vector<THistoryEntry>& history);
// The stamp of the newest ok or warnings line.
std::optional<TDateTimeParts> NewestGoodStamp(const std::vector<THistoryEntry>& history);

// True when no good backup is newer than `maxAgeHours` at `now` (both UTC+8).
bool BackupIsStale(const std::optional<TDateTimeParts>& newestGood, const TDateTimeParts& now,
                   int maxAgeHours = 26);

// The KeepBackups value: a positive decimal number, blanks around it allowed; anything
// else (missing, 0, negative, not a number) is 0, which keeps every backup.
int ParseKeepBackups(std::string_view text);

// The recorded exports whose dump and log pair retention deletes, keeping the newest
// `keep` good ones of the user `userName` in the folder `dataPath`: every pair of that
// user and folder older than the keep-th newest good one, good or failed. A pair
// belongs to them only when its log path is exactly the base name the program builds
// for them from the line's own stamp (with a "_2", "_3"... suffix or not) plus ".log";
// pairs already removed, exports that never started and everything else are left
// alone. Nothing is selected when `keep` is 0 or fewer good pairs are recorded.
std::vector<THistoryEntry> SelectForRemoval(const std::vector<THistoryEntry>& history,
                                            const std::string& dataPath,
                                            const std::string& userName, int keep);

// The dump beside a log: "x.log" gives "x.dmp"; nothing for a path without ".log".
std::optional<std::string> DumpPathOfLog(const std::string& logPath);

}  // namespace velmora
