// The export job end to end: WinExec starts the stand-in exp, which records the exact
// bytes of its command line and the show state it was given.
#include "app/export_job.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "support/test_support.h"

namespace velmora {
namespace {

using test::TempFolder;

struct ExpRun {
  std::string CommandLine;
  unsigned Flags = 0;
  unsigned Show = 0;
};

std::string bytesOfHex(const std::string& hex) {
  std::string bytes;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
    bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
  return bytes;
}

std::vector<ExpRun> readRecord(const std::string& path) {
  std::vector<ExpRun> runs;
  std::istringstream lines(test::ReadFileBytes(path));
  std::string hex;
  ExpRun run;
  while (lines >> hex >> run.Flags >> run.Show) {
    run.CommandLine = bytesOfHex(hex);
    runs.push_back(run);
  }
  return runs;
}

UtcClock fixedClock(WORD y, WORD mo, WORD d, WORD h, WORD mi, WORD s) {
  SYSTEMTIME t{};
  t.wYear = y, t.wMonth = mo, t.wDay = d, t.wHour = h, t.wMinute = mi, t.wSecond = s;
  return [t] { return t; };
}

// GBK unit characters.
const std::string Nian = "\xC4\xEA", Yue = "\xD4\xC2", Ri = "\xC8\xD5", Dian = "\xB5\xE3",
                  Fen = "\xB7\xD6", Miao = "\xC3\xEB";

std::string stamp(const char* y, const char* mo, const char* d, const char* h, const char* mi,
                  const char* s) {
  return std::string(y) + Nian + mo + Yue + d + Ri + h + Dian + mi + Fen + s + Miao;
}

class ExportJobTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(test::HelpersFolder().empty()) << "VELMORA_TEST_HELPERS is not set";
    char path[4096];
    GetEnvironmentVariableA("PATH", path, sizeof(path));
    FOldPath = path;
    SetEnvironmentVariableA("PATH", (test::HelpersFolder() + ";" + FOldPath).c_str());
    SetEnvironmentVariableA("VELMORA_EXP_RECORD", FRecord.c_str());
    BackupSettings = TBackupSettings{};
    BackupSettings.UserName = "scott";
    BackupSettings.PassWord = "tiger";
    BackupSettings.DataBase = "orcl";
    BackupSettings.DataPath = FFolder.Path();
  }
  void TearDown() override {
    SetEnvironmentVariableA("PATH", FOldPath.c_str());
    SetEnvironmentVariableA("VELMORA_EXP_RECORD", nullptr);
  }

  std::vector<ExpRun> waitForRuns(std::size_t count) {
    std::vector<ExpRun> runs;
    test::WaitUntil([&] { return (runs = readRecord(FRecord)).size() >= count; });
    return runs;
  }

  TempFolder FFolder;
  std::string FRecord = FFolder / "record.txt";
  std::string FOldPath;
};

TEST_F(ExportJobTest, CommandLineBytesForEachStampRule) {
  const struct {
    const char* name;
    const char* dataPath;
    const char* userName;
    UtcClock clock;
    std::string expected;
  } cases[] = {
      {"the example", "D:\\bak", "scott", fixedClock(2015, 3, 1, 5, 6, 7),
       "exp scott/tiger@orcl owner=scott log=D:\\bak\\scott" + stamp("2015", "3", "1", "13", "6", "7") +
           ".log file=D:\\bak\\scott" + stamp("2015", "3", "1", "13", "6", "7") + ".dmp"},
      {"year rollover", "D:\\bak", "scott", fixedClock(2015, 12, 31, 23, 59, 59),
       "exp scott/tiger@orcl owner=scott log=D:\\bak\\scott" + stamp("2016", "1", "1", "7", "59", "59") +
           ".log file=D:\\bak\\scott" + stamp("2016", "1", "1", "7", "59", "59") + ".dmp"},
      {"hour zero", "D:\\bak", "scott", fixedClock(2019, 7, 4, 16, 0, 0),
       "exp scott/tiger@orcl owner=scott log=D:\\bak\\scott" + stamp("2019", "7", "5", "0", "0", "0") +
           ".log file=D:\\bak\\scott" + stamp("2019", "7", "5", "0", "0", "0") + ".dmp"},
      {"doubled backslash", "C:\\bak\\", "scott", fixedClock(2020, 1, 2, 1, 2, 3),
       "exp scott/tiger@orcl owner=scott log=C:\\bak\\\\scott" + stamp("2020", "1", "2", "9", "2", "3") +
           ".log file=C:\\bak\\\\scott" + stamp("2020", "1", "2", "9", "2", "3") + ".dmp"},
      {"blanks unquoted", "C:\\My Backups", "my user", fixedClock(2021, 5, 6, 7, 8, 9),
       "exp my user/tiger@orcl owner=my user log=C:\\My Backups\\my user" +
           stamp("2021", "5", "6", "15", "8", "9") + ".log file=C:\\My Backups\\my user" +
           stamp("2021", "5", "6", "15", "8", "9") + ".dmp"},
  };
  std::size_t launched = 0;
  for (const auto& c : cases) {
    BackupSettings.DataPath = c.dataPath;
    BackupSettings.UserName = c.userName;
    BuildBackupBase(c.clock);
    const TExportLaunch launch = LaunchExport(SW_HIDE);
    EXPECT_TRUE(launch.Started()) << c.name << ": WinExec returned " << launch.Result;
    EXPECT_EQ(launch.CommandLine, c.expected) << c.name;
    const auto runs = waitForRuns(++launched);
    ASSERT_EQ(runs.size(), launched) << c.name;
    EXPECT_EQ(runs.back().CommandLine, c.expected) << c.name;
  }
}

TEST_F(ExportJobTest, ManualBackupShowsTheWindowAndTheScheduleHidesIt) {
  RunManualBackup(fixedClock(2022, 1, 1, 0, 0, 1));
  BuildBackupBase(fixedClock(2022, 1, 1, 0, 0, 2));
  LaunchExport(SW_HIDE);
  auto runs = waitForRuns(2);
  ASSERT_EQ(runs.size(), 2u);
  std::sort(runs.begin(), runs.end(),
            [](const ExpRun& a, const ExpRun& b) { return a.CommandLine < b.CommandLine; });
  EXPECT_NE(runs[0].Flags & STARTF_USESHOWWINDOW, 0u);
  EXPECT_EQ(runs[0].Show, static_cast<unsigned>(SW_SHOWNORMAL));
  EXPECT_NE(runs[1].Flags & STARTF_USESHOWWINDOW, 0u);
  EXPECT_EQ(runs[1].Show, static_cast<unsigned>(SW_HIDE));
}

TEST_F(ExportJobTest, TwoBackupsInTheSameSecondGetTheirOwnFiles) {
  const UtcClock sameSecond = fixedClock(2023, 8, 9, 10, 11, 12);
  BuildBackupBase(sameSecond);
  const std::string first = CurrentBackupBase;
  LaunchExport(SW_HIDE);
  BuildBackupBase(sameSecond);
  EXPECT_EQ(CurrentBackupBase, first);
  LaunchExport(SW_HIDE);
  const std::string second = CurrentBackupBase;
  EXPECT_EQ(second, first + "_2");
  waitForRuns(2);
  EXPECT_TRUE(test::WaitUntil([&] {
    return test::FileExists(first + ".log") && test::FileExists(first + ".dmp") &&
           test::FileExists(second + ".log") && test::FileExists(second + ".dmp");
  }));

  // Files left by an earlier run of the program are not written over either.
  BuildBackupBase(fixedClock(2023, 8, 9, 10, 11, 13));
  const std::string third = CurrentBackupBase;
  test::WriteFileBytes(third + ".dmp", "precious");
  LaunchExport(SW_HIDE);
  EXPECT_EQ(CurrentBackupBase, third + "_2");
  waitForRuns(3);
  EXPECT_EQ(test::ReadFileBytes(third + ".dmp"), "precious");
}

TEST_F(ExportJobTest, ManualBackupSaysSoWhenExpCannotBeStarted) {
  SetEnvironmentVariableA("PATH", "C:\\windows\\system32");
  try {
    RunManualBackup(fixedClock(2024, 1, 1, 0, 0, 0));
    FAIL() << "no error raised";
  } catch (const EExportNotStarted& e) {
    const std::string text = e.what();
    EXPECT_EQ(text.rfind("备份没有启动", 0), 0u) << text;
    EXPECT_NE(text.find("exp"), std::string::npos) << text;
  }
  // The schedule's launch reports the failure to its caller instead of raising.
  BuildBackupBase(fixedClock(2024, 1, 1, 0, 0, 1));
  EXPECT_FALSE(LaunchExport(SW_HIDE).Started());
}

}  // namespace
}  // namespace velmora
