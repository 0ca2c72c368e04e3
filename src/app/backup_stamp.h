// The backup stamp (UTC+8 date and time in Chinese units), the base name of a dump/log
// pair and the exp command line. Portable: no Win32, so the rules are tested natively.
#pragma once

#include <functional>
#include <string>

#include "app/backup_settings.h"

namespace velmora {

struct TDateTimeParts {
  int Year = 1601, Month = 1, Day = 1, Hour = 0, Minute = 0, Second = 0;
  bool operator==(const TDateTimeParts&) const = default;
};

// Adds whole hours, carrying into day, month and year (Gregorian leap years).
TDateTimeParts AddHours(TDateTimeParts time, int hours);

// The stamp's zone is a fixed eight hours ahead of UTC, with no daylight saving.
inline TDateTimeParts BackupStampFromUtc(const TDateTimeParts& utc) { return AddHours(utc, 8); }

// DataPath "\" UserName Y年 Mo月 D日 H点 Mi分 S秒, numbers without padding. The
// backslash is always added, also after a DataPath that ends with one.
std::string FormatBackupBase(const std::string& dataPath, const std::string& userName,
                             const TDateTimeParts& stamp);

// exp USER/PASS@DB owner=USER log=BASE.log file=BASE.dmp, by plain concatenation:
// nothing is quoted, so a blank splits the argument.
std::string BuildExportCommandLine(const TBackupSettings& settings, const std::string& base);

// A base name no other export of this program is using: `base` itself when free,
// otherwise base_2, base_3, ... (the first that `isTaken` does not claim).
std::string DistinctBackupBase(const std::string& base,
                               const std::function<bool(const std::string&)>& isTaken);

}  // namespace velmora
