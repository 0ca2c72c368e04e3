// When the daily backup starts: the time field read as numbers (so the locale's way of
// rendering a time cannot make it never match), and a trigger that starts the backup
// once when the set second has come since the previous tick, even when a tick came
// late. Portable: times come in as calendar parts of the local clock.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "app/backup_stamp.h"

namespace velmora {

// Seconds into the day of a time field "HH:MM:SS" (any single-character separators;
// the first hour digit may be blank). Nothing when the text is no valid time of day:
// a missing digit, 24 hours or more, 60 minutes or seconds or more (99:99:99).
std::optional<int> ParseTimeField(std::string_view text);

// Seconds since 0001-01-01 00:00:00 of a calendar date and time.
std::int64_t SecondsOf(const TDateTimeParts& time);

class TDailyTrigger {
 public:
  // The tick at local time `now` with the field's set second of the day: true when a
  // backup starts now. Once for each arrival of the set second: a late tick that
  // jumped over it still starts it, a second tick within the same second does not.
  // The first tick after start-up, and a tick after the clock was set back, start it
  // only when they fall on the set second itself (there is no catching up).
  bool Tick(std::int64_t now, std::optional<int> setSecondOfDay);

 private:
  std::optional<std::int64_t> FPrevious;
};

}  // namespace velmora
