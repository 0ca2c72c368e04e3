// The daily trigger.
#include "app/schedule.h"

namespace velmora {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::optional<int> twoDigits(std::string_view text, std::size_t at, bool firstMayBeBlank) {
  const char high = text[at], low = text[at + 1];
  if (!isDigit(low)) return std::nullopt;
  if (high == ' ' && firstMayBeBlank) return low - '0';
  if (!isDigit(high)) return std::nullopt;
  return (high - '0') * 10 + (low - '0');
}

// Days from 0001-01-01 in the proleptic Gregorian calendar.
std::int64_t daysOf(int year, int month, int day) {
  const std::int64_t y = month <= 2 ? year - 1 : year;
  const std::int64_t era = y / 400;
  const std::int64_t yoe = y - era * 400;
  const std::int64_t mp = (month + 9) % 12;
  const std::int64_t doy = (153 * mp + 2) / 5 + day - 1;
  const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe;
}

}  // namespace

std::optional<int> ParseTimeField(std::string_view text) {
  if (text.size() != 8) return std::nullopt;
  if (isDigit(text[2]) || isDigit(text[5]) || text[2] == ' ' || text[5] == ' ') return std::nullopt;
  const auto hours = twoDigits(text, 0, true);
  const auto minutes = twoDigits(text, 3, false);
  const auto seconds = twoDigits(text, 6, false);
  if (!hours || !minutes || !seconds || *hours > 23 || *minutes > 59 || *seconds > 59)
    return std::nullopt;
  return *hours * 3600 + *minutes * 60 + *seconds;
}

std::int64_t SecondsOf(const TDateTimeParts& t) {
  return daysOf(t.Year, t.Month, t.Day) * 86400 + t.Hour * 3600 + t.Minute * 60 + t.Second;
}

bool TDailyTrigger::Tick(std::int64_t now, std::optional<int> setSecondOfDay) {
  const std::optional<std::int64_t> previous = FPrevious;
  FPrevious = now;
  if (!setSecondOfDay) return false;
  const std::int64_t dayStart = now - ((now % 86400) + 86400) % 86400;
  // The latest arrival of the set second at or before now.
  std::int64_t arrival = dayStart + *setSecondOfDay;
  if (arrival > now) arrival -= 86400;
  if (!previous || *previous >= now) return arrival == now && previous != now;
  return arrival > *previous;
}

}  // namespace velmora
