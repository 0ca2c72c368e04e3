// What the user is told about backups, and when: the balloon after an export, the tray
// hint's second line, and the warning that no good backup is recent. Portable: texts
// and choices only; the tray icon shows them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/backup_history.h"
#include "app/export_outcome.h"

namespace velmora {

enum class TNoticeIcon { Info, Warning, Error };

struct TNotice {
  std::string Title, Text;
  TNoticeIcon Icon = TNoticeIcon::Info;
  std::string OpenPath;  // what a click on the balloon opens; empty: nothing
};

// "成功", "有警告", "失败", "没有启动"; the word itself for anything else.
std::string OutcomeText(std::string_view outcomeWord);

// The balloon after an export: a manual export always has one, a scheduled export only
// when it did not end ok. Warnings show the warning icon, failures and exports that did
// not start the error icon. A click opens the export's log when exp wrote one.
// `logExists`: whether the log file is there to be opened.
std::optional<TNotice> NoticeOfExport(const TFinishedExport& done, bool logExists);

// The tray hint's second line: the last export's outcome and its stamp.
std::string HintSecondLine(const THistoryEntry& lastExport);

inline constexpr int StaleAfterHours = 26;

// The warning that no good backup is newer than 26 hours, saying since when; a click
// opens the history file.
TNotice StaleNotice(const std::optional<TDateTimeParts>& newestGood, const std::string& historyPath);

// When the staleness warning is shown: at the first check that finds the daily backup
// set up and no good backup newer than 26 hours, then again only after a day has
// passed since it was last shown. Times: UTC+8 calendar for the backups, and a clock
// that only runs forward (seconds) for the day between warnings.
class TStaleWarning {
 public:
  bool Due(bool dailyBackupSet, const std::optional<TDateTimeParts>& newestGood, const TDateTimeParts& nowUtc8,
           std::int64_t steadySeconds);

 private:
  std::optional<std::int64_t> FLastShown;
};

}  // namespace velmora
