// Backup stamp arithmetic, base names and the exp command line, byte for byte.
#include "app/backup_stamp.h"

#include <gtest/gtest.h>

#include <set>

namespace velmora {
namespace {

// The unit characters in GBK.
const std::string Nian = "\xC4\xEA", Yue = "\xD4\xC2", Ri = "\xC8\xD5", Dian = "\xB5\xE3",
                  Fen = "\xB7\xD6", Miao = "\xC3\xEB";

TEST(BackupStampTest, UnitCharactersAreGbkBytes) {
  EXPECT_EQ(FormatBackupBase("D:", "u", {2015, 3, 1, 13, 6, 7}),
            "D:\\u2015" + Nian + "3" + Yue + "1" + Ri + "13" + Dian + "6" + Fen + "7" + Miao);
}

struct ShiftCase {
  TDateTimeParts utc, stamp;
};

TEST(BackupStampTest, EightHoursAheadOfUtcCarryingIntoTheCalendar) {
  const ShiftCase cases[] = {
      {{2015, 3, 1, 5, 6, 7}, {2015, 3, 1, 13, 6, 7}},
      {{2015, 12, 31, 23, 59, 59}, {2016, 1, 1, 7, 59, 59}},   // year rollover
      {{2020, 6, 10, 16, 0, 0}, {2020, 6, 11, 0, 0, 0}},       // hour 0 on the next day
      {{2024, 2, 28, 20, 0, 0}, {2024, 2, 29, 4, 0, 0}},       // leap day
      {{2023, 2, 28, 20, 0, 0}, {2023, 3, 1, 4, 0, 0}},        // no leap day
      {{2000, 2, 28, 18, 0, 0}, {2000, 2, 29, 2, 0, 0}},       // 400-year leap
      {{2100, 2, 28, 18, 0, 0}, {2100, 3, 1, 2, 0, 0}},        // century, no leap
      {{2015, 4, 30, 15, 59, 59}, {2015, 4, 30, 23, 59, 59}},  // stays on the same day
      {{2015, 4, 30, 16, 0, 0}, {2015, 5, 1, 0, 0, 0}},        // 30-day month
  };
  for (const auto& c : cases) {
    const auto s = BackupStampFromUtc(c.utc);
    EXPECT_EQ(s, c.stamp) << c.utc.Year << "-" << c.utc.Month << "-" << c.utc.Day << " "
                          << c.utc.Hour;
  }
}

TEST(BackupStampTest, AddHoursGoesBackAcrossTheYear) {
  EXPECT_EQ(AddHours({2016, 1, 1, 3, 0, 0}, -8), (TDateTimeParts{2015, 12, 31, 19, 0, 0}));
  EXPECT_EQ(AddHours({2016, 3, 1, 3, 0, 0}, -8), (TDateTimeParts{2016, 2, 29, 19, 0, 0}));
}

TEST(BackupStampTest, CommandLineOfTheExample) {
  TBackupSettings s;
  s.UserName = "scott";
  s.PassWord = "tiger";
  s.DataBase = "orcl";
  s.DataPath = "D:\\bak";
  const std::string base = FormatBackupBase(s.DataPath, s.UserName, {2015, 3, 1, 13, 6, 7});
  const std::string stamp =
      "scott2015" + Nian + "3" + Yue + "1" + Ri + "13" + Dian + "6" + Fen + "7" + Miao;
  EXPECT_EQ(base, "D:\\bak\\" + stamp);
  EXPECT_EQ(BuildExportCommandLine(s, base),
            "exp scott/tiger@orcl owner=scott log=D:\\bak\\" + stamp + ".log file=D:\\bak\\" +
                stamp + ".dmp");
}

TEST(BackupStampTest, TrailingBackslashIsDoubledAndBlanksStayUnquoted) {
  EXPECT_EQ(FormatBackupBase("C:\\bak\\", "scott", {2015, 3, 1, 0, 0, 0}).substr(0, 13),
            "C:\\bak\\\\scott");
  TBackupSettings s;
  s.UserName = "a b";
  s.PassWord = "";
  s.DataBase = "";
  EXPECT_EQ(BuildExportCommandLine(s, "C:\\My Backups\\x"),
            "exp a b/@ owner=a b log=C:\\My Backups\\x.log file=C:\\My Backups\\x.dmp");
}

TEST(BackupStampTest, DistinctBaseSkipsTakenNames) {
  std::set<std::string> taken = {"b", "b_2"};
  auto isTaken = [&](const std::string& n) { return taken.count(n) > 0; };
  EXPECT_EQ(DistinctBackupBase("a", isTaken), "a");
  EXPECT_EQ(DistinctBackupBase("b", isTaken), "b_3");
  // Even a predicate that claims everything ends.
  EXPECT_FALSE(DistinctBackupBase("c", [](const std::string&) { return true; }).empty());
}

}  // namespace
}  // namespace velmora
