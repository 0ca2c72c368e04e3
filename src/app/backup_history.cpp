// History lines, their reading, and retention's choice.
#include "app/backup_history.h"

#include <algorithm>
#include <charconv>
#include <map>

#include "app/export_outcome.h"
#include "app/schedule.h"

namespace velmora {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string twoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

// A whole field of digits (a leading "-" when `negativeAllowed`) that fits the type.
template <typename Number>
std::optional<Number> parseNumber(std::string_view text, bool negativeAllowed) {
  if (text.empty() || text.size() > 20) return std::nullopt;
  if (text.front() == '-' && !negativeAllowed) return std::nullopt;
  Number value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::vector<std::string_view> splitAt(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  for (;;) {
    const std::size_t end = text.find(separator);
    parts.push_back(text.substr(0, end));
    if (end == std::string_view::npos) return parts;
    text.remove_prefix(end + 1);
  }
}

std::string oneLineField(std::string text) {
  std::replace_if(text.begin(), text.end(), [](char c) { return c == '\t' || c == '\r' || c == '\n'; }, ' ');
  return text;
}

bool isKnownOutcome(std::string_view word) { return word == RemovedWord || OutcomeOfWord(word).has_value(); }

int daysInMonth(int year, int month) {
  static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : days[month - 1];
}

// Where a recorded export stands among the others of its user and folder: its stamp,
// then its suffix (a base name without one comes first in its second).
struct PairOrder {
  std::int64_t Seconds = 0;
  int Suffix = 1;
  auto operator<=>(const PairOrder&) const = default;
};

// The suffix of `logPath` when it is `base` + ("_N")? + ".log"; nothing otherwise.
std::optional<int> suffixOfPair(std::string_view logPath, std::string_view base) {
  if (logPath.substr(0, base.size()) != base) return std::nullopt;
  std::string_view rest = logPath.substr(base.size());
  if (rest.size() < 4 || rest.substr(rest.size() - 4) != ".log") return std::nullopt;
  rest.remove_suffix(4);
  if (rest.empty()) return 1;
  if (rest.front() != '_' || rest.size() < 2 || rest.size() > 6) return std::nullopt;
  rest.remove_prefix(1);
  if (rest.front() == '0') return std::nullopt;
  const auto n = parseNumber<int>(rest, false);
  if (!n || *n < 2) return std::nullopt;
  return *n;
}

}  // namespace

THistoryEntry HistoryEntryOf(const TFinishedExport& done) {
  return {done.Stamp,       std::string(KindWord(done.Kind)), std::string(OutcomeWord(done.Verdict.Outcome)),
          done.ExitCode,    done.Seconds,                      done.DumpSize,
          done.LogPath()};
}

THistoryEntry RemovedEntryOf(const THistoryEntry& entry, std::uint64_t dumpSizeDeleted) {
  THistoryEntry removed = entry;
  removed.Outcome = RemovedWord;
  removed.DumpSize = dumpSizeDeleted;
  return removed;
}

std::string FormatStampText(const TDateTimeParts& s) {
  std::string year = std::to_string(s.Year);
  if (year.size() < 4) year.insert(0, 4 - year.size(), '0');
  return year + "-" + twoDigits(s.Month) + "-" + twoDigits(s.Day) + " " + twoDigits(s.Hour) + ":" +
         twoDigits(s.Minute) + ":" + twoDigits(s.Second);
}

std::optional<TDateTimeParts> ParseStampText(std::string_view text) {
  static const char shape[] = "dddd-dd-dd dd:dd:dd";
  if (text.size() != sizeof(shape) - 1) return std::nullopt;
  for (std::size_t i = 0; i < text.size(); ++i)
    if (shape[i] == 'd' ? !isDigit(text[i]) : text[i] != shape[i]) return std::nullopt;
  auto number = [&](std::size_t at, std::size_t n) { return *parseNumber<int>(text.substr(at, n), false); };
  const TDateTimeParts s{number(0, 4), number(5, 2), number(8, 2), number(11, 2), number(14, 2), number(17, 2)};
  if (s.Year < 1 || s.Month < 1 || s.Month > 12 || s.Day < 1 || s.Day > daysInMonth(s.Year, s.Month) ||
      s.Hour > 23 || s.Minute > 59 || s.Second > 59)
    return std::nullopt;
  return s;
}

std::string FormatHistoryLine(const THistoryEntry& e) {
  return FormatStampText(e.Stamp) + "\t" + oneLineField(e.Kind) + "\t" + oneLineField(e.Outcome) + "\t" +
         std::to_string(e.ExitCode) + "\t" + std::to_string(e.Seconds) + "\t" + std::to_string(e.DumpSize) +
         "\t" + oneLineField(e.LogPath) + "\r\n";
}

std::optional<THistoryEntry> ParseHistoryLine(std::string_view line) {
  if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  const std::vector<std::string_view> f = splitAt(line, '\t');
  if (f.size() != 7) return std::nullopt;
  THistoryEntry e;
  const auto stamp = ParseStampText(f[0]);
  const auto exitCode = parseNumber<std::int64_t>(f[3], true);
  const auto seconds = parseNumber<std::int64_t>(f[4], false);
  const auto size = parseNumber<std::uint64_t>(f[5], false);
  if (!stamp || !exitCode || !seconds || !size) return std::nullopt;
  if (f[1] != KindWord(TExportKind::Manual) && f[1] != KindWord(TExportKind::Scheduled)) return std::nullopt;
  if (!isKnownOutcome(f[2]) || f[6].empty()) return std::nullopt;
  e.Stamp = *stamp;
  e.Kind = f[1];
  e.Outcome = f[2];
  e.ExitCode = *exitCode;
  e.Seconds = *seconds;
  e.DumpSize = *size;
  e.LogPath = f[6];
  return e;
}

std::vector<THistoryEntry> ParseHistory(std::string_view text) {
  std::vector<THistoryEntry> entries;
  for (std::string_view line : splitAt(text, '\n'))
    if (auto entry = ParseHistoryLine(line)) entries.push_back(std::move(*entry));
  return entries;
}

bool IsGoodWord(std::string_view outcome) {
  const auto o = OutcomeOfWord(outcome);
  return o && IsGoodOutcome(*o);
}

std::optional<THistoryEntry> LastExport(const std::vector<THistoryEntry>& history) {
  for (auto it = history.rbegin(); it != history.rend(); ++it)
    if (it->Outcome != RemovedWord) return *it;
  return std::nullopt;
}

std::optional<TDateTimeParts> NewestGoodStamp(const std::vector<THistoryEntry>& history) {
  std::optional<TDateTimeParts> newest;
  for (const THistoryEntry& e : history)
    if (IsGoodWord(e.Outcome) && (!newest || SecondsOf(e.Stamp) > SecondsOf(*newest))) newest = e.Stamp;
  return newest;
}

bool BackupIsStale(const std::optional<TDateTimeParts>& newestGood, const TDateTimeParts& now, int maxAgeHours) {
  if (!newestGood) return true;
  return SecondsOf(now) - SecondsOf(*newestGood) > std::int64_t{maxAgeHours} * 3600;
}

int ParseKeepBackups(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  if (text.empty() || text.size() > 9 || text.front() == '-' || text.front() == '+') return 0;
  const auto n = parseNumber<int>(text, false);
  return n && *n > 0 ? *n : 0;
}

std::vector<THistoryEntry> SelectForRemoval(const std::vector<THistoryEntry>& history,
                                            const std::string& dataPath, const std::string& userName,
                                            int keep) {
  if (keep <= 0) return {};
  // The pairs of this user and folder, by log path: the latest line about each one.
  struct Pair {
    THistoryEntry Entry;
    PairOrder Order;
    bool Removed = false;
  };
  std::map<std::string, Pair> pairs;
  for (const THistoryEntry& e : history) {
    const auto suffix = suffixOfPair(e.LogPath, FormatBackupBase(dataPath, userName, e.Stamp));
    if (!suffix) continue;
    if (e.Outcome == RemovedWord) {
      if (auto it = pairs.find(e.LogPath); it != pairs.end()) it->second.Removed = true;
      continue;
    }
    pairs[e.LogPath] = Pair{e, PairOrder{SecondsOf(e.Stamp), *suffix}, false};
  }

  std::vector<PairOrder> good;
  for (const auto& [path, pair] : pairs)
    if (!pair.Removed && IsGoodWord(pair.Entry.Outcome)) good.push_back(pair.Order);
  if (good.size() <= static_cast<std::size_t>(keep)) return {};
  std::sort(good.begin(), good.end(), std::greater<>());
  const PairOrder oldestKept = good[static_cast<std::size_t>(keep) - 1];

  std::vector<std::pair<PairOrder, THistoryEntry>> chosen;
  for (const auto& [path, pair] : pairs)
    if (!pair.Removed && pair.Entry.Outcome != OutcomeWord(TExportOutcome::NotStarted) &&
        pair.Order < oldestKept)
      chosen.emplace_back(pair.Order, pair.Entry);
  std::sort(chosen.begin(), chosen.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<THistoryEntry> result;
  for (auto& [order, entry] : chosen) result.push_back(std::move(entry));
  return result;
}

std::optional<std::string> DumpPathOfLog(const std::string& logPath) {
  if (logPath.size() < 4 || logPath.compare(logPath.size() - 4, 4, ".log") != 0) return std::nullopt;
  return logPath.substr(0, logPath.size() - 4) + ".dmp";
}

}  // namespace velmora
