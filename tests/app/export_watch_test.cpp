// Exports followed to their end: the stand-in exp ends each way it can (exit code, last
// log line, no log, time taken), several run at once, and one that cannot be started
// is reported at once. Nothing waits: the watch's timer looks while messages are pumped.
#include "app/export_watch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "support/test_support.h"

namespace velmora {
namespace {

using test::TempFolder;

UtcClock fixedClock(WORD y, WORD mo, WORD d, WORD h, WORD mi, WORD s) {
  SYSTEMTIME t{};
  t.wYear = y, t.wMonth = mo, t.wDay = d, t.wHour = h, t.wMinute = mi, t.wSecond = s;
  return [t] { return t; };
}

class ExportWatchTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(test::HelpersFolder().empty()) << "VELMORA_TEST_HELPERS is not set";
    char path[4096];
    GetEnvironmentVariableA("PATH", path, sizeof(path));
    FOldPath = path;
    SetEnvironmentVariableA("PATH", (test::HelpersFolder() + ";" + FOldPath).c_str());
    SetEnvironmentVariableA("VELMORA_EXP_RECORD", (FFolder / "record.txt").c_str());
    SetEnvironmentVariableA("VELMORA_EXP_CONTROL", FControl.c_str());
    BackupSettings = TBackupSettings{};
    BackupSettings.UserName = "scott";
    BackupSettings.PassWord = "tiger";
    BackupSettings.DataBase = "orcl";
    BackupSettings.DataPath = FFolder.Path();
  }
  void TearDown() override {
    SetEnvironmentVariableA("PATH", FOldPath.c_str());
    SetEnvironmentVariableA("VELMORA_EXP_RECORD", nullptr);
    SetEnvironmentVariableA("VELMORA_EXP_CONTROL", nullptr);
  }

  // How the next stand-in exports end: lines NAME=value.
  void control(const std::string& lines) { test::WriteFileBytes(FControl, lines); }

  TExportLaunch launch(WORD second, int show = SW_HIDE) {
    BuildBackupBase(fixedClock(2024, 5, 6, 7, 8, second));
    return LaunchExport(show);
  }

  std::vector<TFinishedExport> waitFor(std::size_t count) {
    test::WaitUntil([&] { return FDone.size() >= count; }, std::chrono::seconds(30));
    return FDone;
  }

  TempFolder FFolder;
  std::string FControl = FFolder / "control.txt";
  std::string FOldPath;
  std::vector<TFinishedExport> FDone;
  TExportWatch FWatch{[this](const TFinishedExport& done) { FDone.push_back(done); }, 50};
};

TEST_F(ExportWatchTest, EachWayTheStandInEnds) {
  const struct {
    const char* name;
    std::string control;
    TExportOutcome outcome;
    std::int64_t exitCode;
    std::vector<std::string> reasons;
    bool dump;
  } cases[] = {
      {"success", "", TExportOutcome::Ok, 0, {}, true},
      {"warnings, exit code 3",
       "VELMORA_EXP_LAST_LINE=Export terminated successfully with warnings.\n"
       "VELMORA_EXP_LOG_LINES=EXP-00091: Exporting questionable statistics.\nVELMORA_EXP_EXIT_CODE=3\n",
       TExportOutcome::Warnings, 3, {"EXP-00091: Exporting questionable statistics."}, true},
      {"wrong password",
       "VELMORA_EXP_LAST_LINE=EXP-00000: Export terminated unsuccessfully\n"
       "VELMORA_EXP_LOG_LINES=EXP-00056: ORACLE error 1017 encountered|ORA-01017: invalid username/password; "
       "logon denied\nVELMORA_EXP_EXIT_CODE=1\nVELMORA_EXP_NO_DUMP=1\n",
       TExportOutcome::Failed, 1,
       {"EXP-00056: ORACLE error 1017 encountered", "ORA-01017: invalid username/password; logon denied",
        "EXP-00000: Export terminated unsuccessfully"},
       false},
      {"no log, exit code 0", "VELMORA_EXP_LOG=none\nVELMORA_EXP_NO_DUMP=1\n", TExportOutcome::Failed, 0, {}, false},
      {"success line, then killed", "VELMORA_EXP_EXIT_CODE=3221225477\n", TExportOutcome::Ok, 3221225477, {}, true},
      {"cut short", "VELMORA_EXP_LAST_LINE=. . exporting table   BIG\nVELMORA_EXP_EXIT_CODE=1\n",
       TExportOutcome::Failed, 1, {}, true},
      {"empty log", "VELMORA_EXP_LOG=empty\n", TExportOutcome::Failed, 0, {}, true},
  };
  WORD second = 0;
  for (const auto& c : cases) {
    control(c.control);
    TExportLaunch started = launch(second++);
    ASSERT_TRUE(started.Started()) << c.name;
    const std::string base = started.Base;
    FDone.clear();
    FWatch.Follow(started, TExportKind::Scheduled);
    const auto done = waitFor(1);
    ASSERT_EQ(done.size(), 1u) << c.name;
    EXPECT_EQ(done[0].Verdict.Outcome, c.outcome) << c.name;
    EXPECT_EQ(done[0].ExitCode, c.exitCode) << c.name;
    EXPECT_EQ(done[0].Verdict.Reasons, c.reasons) << c.name;
    EXPECT_EQ(done[0].Base, base) << c.name;
    EXPECT_EQ(done[0].DumpSize, c.dump ? 15u : 0u) << c.name;  // "stand-in dump\r\n"
    EXPECT_EQ(done[0].Kind, TExportKind::Scheduled) << c.name;
    EXPECT_EQ(done[0].Stamp, (TDateTimeParts{2024, 5, 6, 15, 8, second - 1})) << c.name;
    EXPECT_EQ(done[0].DataPath, FFolder.Path()) << c.name;
    EXPECT_EQ(done[0].UserName, "scott") << c.name;
  }
  EXPECT_EQ(FWatch.Running(), 0u);
}

TEST_F(ExportWatchTest, TimeTakenAndNothingWaitsForIt) {
  control("VELMORA_EXP_SLEEP_MS=2200\n");
  TExportLaunch started = launch(30);
  FWatch.Follow(started, TExportKind::Manual);
  // Still running: the call came back while exp sleeps.
  EXPECT_EQ(FWatch.Running(), 1u);
  EXPECT_TRUE(FDone.empty());
  const auto done = waitFor(1);
  ASSERT_EQ(done.size(), 1u);
  EXPECT_EQ(done[0].Kind, TExportKind::Manual);
  EXPECT_GE(done[0].Seconds, 2);
  EXPECT_LE(done[0].Seconds, 4);
}

TEST_F(ExportWatchTest, SeveralAtOnceEachFollowedOnItsOwn) {
  control("VELMORA_EXP_SLEEP_MS=1500\n");
  std::vector<std::string> bases;
  for (WORD s : {40, 40, 41}) {  // two in the same second get their own files
    TExportLaunch started = launch(s);
    bases.push_back(started.Base);
    FWatch.Follow(started, TExportKind::Scheduled);
  }
  EXPECT_EQ(FWatch.Running(), 3u);
  auto done = waitFor(3);
  ASSERT_EQ(done.size(), 3u);
  std::vector<std::string> finishedBases;
  for (const auto& d : done) {
    finishedBases.push_back(d.Base);
    EXPECT_EQ(d.Verdict.Outcome, TExportOutcome::Ok) << d.Base;
  }
  std::sort(bases.begin(), bases.end());
  std::sort(finishedBases.begin(), finishedBases.end());
  EXPECT_EQ(finishedBases, bases);
  EXPECT_EQ(bases[0] + "_2", bases[1]);
}

TEST_F(ExportWatchTest, NotStartedIsReportedAtOnce) {
  SetEnvironmentVariableA("PATH", "C:\\windows\\system32");
  TExportLaunch started = launch(50, SW_SHOWNORMAL);
  ASSERT_FALSE(started.Started());
  FWatch.Follow(started, TExportKind::Manual);
  ASSERT_EQ(FDone.size(), 1u);  // no waiting: there is no process
  EXPECT_EQ(FDone[0].Verdict.Outcome, TExportOutcome::NotStarted);
  EXPECT_EQ(FDone[0].ExitCode, ERROR_FILE_NOT_FOUND);
  EXPECT_FALSE(FDone[0].StartError.empty());
  EXPECT_EQ(FWatch.Running(), 0u);
}

TEST_F(ExportWatchTest, ALogOfManyPiecesIsRead) {
  std::string log;
  for (int i = 0; i < 20000; ++i) log += ". . exporting table T" + std::to_string(i) + "\r\n";
  log += "ORA-00942: table or view does not exist\r\nExport terminated successfully with warnings.\r\n";
  test::WriteFileBytes(FFolder / "big.log", log);
  const auto summary = ReadLogSummary(FFolder / "big.log");
  ASSERT_TRUE(summary.has_value());
  EXPECT_EQ(summary->LastLine, "Export terminated successfully with warnings.");
  EXPECT_EQ(summary->Reasons, std::vector<std::string>{"ORA-00942: table or view does not exist"});
  EXPECT_FALSE(ReadLogSummary(FFolder / "missing.log").has_value());
  EXPECT_EQ(FileSizeOf(FFolder / "big.log"), log.size());
  EXPECT_EQ(FileSizeOf(FFolder / "missing.dmp"), 0u);
  EXPECT_EQ(FileSizeOf(FFolder.Path()), 0u);  // a folder is no dump
}

}  // namespace
}  // namespace velmora
