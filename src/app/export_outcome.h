// What became of one export: the log exp wrote is read for its last non-empty line and
// its first EXP-/ORA- lines, and the outcome follows from them. Portable: the rules are
// pure functions over text, so a table of logs pins them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/backup_stamp.h"

namespace velmora {

enum class TExportOutcome { Ok, Warnings, Failed, NotStarted };
enum class TExportKind { Manual, Scheduled };
std::string_view KindWord(TExportKind kind);  // "manual", "scheduled"

// The words the history file uses: "ok", "warnings", "failed", "not-started".
std::string_view OutcomeWord(TExportOutcome outcome);
std::optional<TExportOutcome> OutcomeOfWord(std::string_view word);

// ok and warnings: the dump is usable.
inline bool IsGoodOutcome(TExportOutcome outcome) {
  return outcome == TExportOutcome::Ok || outcome == TExportOutcome::Warnings;
}

inline constexpr std::string_view SuccessLine = "Export terminated successfully without warnings.";
inline constexpr std::string_view WarningsLine = "Export terminated successfully with warnings.";
inline constexpr std::size_t MaxReasons = 3;
// A longer line is kept cut to this many bytes: a log of any size is read in pieces.
inline constexpr std::size_t MaxKeptLineBytes = 1024;

// What the outcome needs from a log.
struct TLogSummary {
  std::string LastLine;              // the last line that is not blank, trimmed
  std::vector<std::string> Reasons;  // the first lines beginning "EXP-" or "ORA-"
  bool operator==(const TLogSummary&) const = default;
};

// Reads a log a piece at a time; lines end at "\n", a "\r" before it is dropped.
class TLogScanner {
 public:
  void Feed(std::string_view bytes);
  TLogSummary Finish();

 private:
  void takeLine();

  std::string FLine;
  TLogSummary FSummary;
};

TLogSummary SummarizeLog(std::string_view text);

// When a failure names no EXP-/ORA- line, what can be said instead.
enum class TFallbackReason { None, NoLog, ExitCode, EmptyLog, LastLine };

struct TExportVerdict {
  TExportOutcome Outcome = TExportOutcome::Failed;
  std::vector<std::string> Reasons;  // at most three EXP-/ORA- lines
  TFallbackReason Fallback = TFallbackReason::None;
  std::string LastLine;
};

// The outcome of an export that ran: ok or warnings only when the log's last line says
// so (whatever the exit code: the log is exp's own word on the dump); failed for the
// unsuccessful line, any other last line, an empty or missing log, and so for a
// non-zero exit code without a success line. `log` is empty when there is no log file.
TExportVerdict JudgeExport(const std::optional<TLogSummary>& log, std::uint32_t exitCode);

// One export at its end: what the history records and the user is told.
struct TFinishedExport {
  TExportKind Kind = TExportKind::Scheduled;
  std::string Base;                // the dump/log pair's base name
  std::string DataPath, UserName;  // what the base name was built from
  TDateTimeParts Stamp;            // UTC+8, as in the file names
  TExportVerdict Verdict;
  std::int64_t ExitCode = 0;  // exp's; for an export not started, the system's error
  std::int64_t Seconds = 0;
  std::uint64_t DumpSize = 0;
  std::string StartError;  // why exp could not be started

  std::string LogPath() const { return Base + ".log"; }
  std::string DumpPath() const { return Base + ".dmp"; }
};

}  // namespace velmora
