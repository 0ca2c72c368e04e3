// Backup stamp, base name and command line.
#include "app/backup_stamp.h"

namespace velmora {
namespace {

bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysInMonth(int year, int month) {
  static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && isLeapYear(year) ? 29 : days[month - 1];
}

void nextDay(TDateTimeParts& t) {
  if (++t.Day <= daysInMonth(t.Year, t.Month)) return;
  t.Day = 1;
  if (++t.Month <= 12) return;
  t.Month = 1;
  ++t.Year;
}

void previousDay(TDateTimeParts& t) {
  if (--t.Day >= 1) return;
  if (--t.Month < 1) {
    t.Month = 12;
    --t.Year;
  }
  t.Day = daysInMonth(t.Year, t.Month);
}

}  // namespace

TDateTimeParts AddHours(TDateTimeParts time, int hours) {
  int hour = time.Hour + hours;
  while (hour >= 24) {
    hour -= 24;
    nextDay(time);
  }
  while (hour < 0) {
    hour += 24;
    previousDay(time);
  }
  time.Hour = hour;
  return time;
}

std::string FormatBackupBase(const std::string& dataPath, const std::string& userName,
                             const TDateTimeParts& stamp) {
  // The unit characters are GBK byte pairs: narrow literals are compiled to code page 936.
  return dataPath + "\\" + userName + std::to_string(stamp.Year) + "年" +
         std::to_string(stamp.Month) + "月" + std::to_string(stamp.Day) + "日" +
         std::to_string(stamp.Hour) + "点" + std::to_string(stamp.Minute) + "分" +
         std::to_string(stamp.Second) + "秒";
}

std::string BuildExportCommandLine(const TBackupSettings& settings, const std::string& base) {
  return "exp " + settings.UserName + "/" + settings.PassWord + "@" + settings.DataBase +
         " owner=" + settings.UserName + " log=" + base + ".log file=" + base + ".dmp";
}

std::string DistinctBackupBase(const std::string& base,
                               const std::function<bool(const std::string&)>& isTaken) {
  if (!isTaken(base)) return base;
  std::string candidate;
  for (int n = 2; n < 10000; ++n) {  // bounded: a broken isTaken must not hang a backup
    candidate = base + "_" + std::to_string(n);
    if (!isTaken(candidate)) break;
  }
  return candidate;
}

}  // namespace velmora
