// The watch over backups with a real tray icon in Wine's notification area and the
// stand-in exp: history lines, the hint's second line, balloons (and their click, sent
// as the shell sends it: Wine's shell shows balloons but reports no clicks on them),
// retention, a history that cannot be written, and the staleness warning.
#include "app/backup_monitor.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "framework/application.h"
#include "framework/form.h"
#include "support/test_support.h"

namespace velmora {
namespace {

using test::TempFolder;
using namespace std::chrono_literals;

UtcClock fixedClock(TDateTimeParts utc) {
  SYSTEMTIME t{};
  t.wYear = static_cast<WORD>(utc.Year), t.wMonth = static_cast<WORD>(utc.Month), t.wDay = static_cast<WORD>(utc.Day);
  t.wHour = static_cast<WORD>(utc.Hour), t.wMinute = static_cast<WORD>(utc.Minute);
  t.wSecond = static_cast<WORD>(utc.Second);
  return [t] { return t; };
}

TDateTimeParts nowUtc() {
  SYSTEMTIME t;
  GetSystemTime(&t);
  return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

class TMonitorOwner : public TForm {
 public:
  TMonitorOwner() : TForm(nullptr) { SetCaption("MonitorOwner"); }
  static const TClassInfo& StaticClassInfo() {
    static const TClassInfo info{"TMonitorOwner", &TForm::StaticClassInfo(), {}, {}};
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
};

// Top-level windows of any process whose title holds `part` (ANSI).
std::vector<HWND> windowsTitled(const std::string& part) {
  std::vector<HWND> found;
  for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
    char title[1024] = {};
    SendMessageTimeoutA(w, WM_GETTEXT, sizeof(title), reinterpret_cast<LPARAM>(title), SMTO_ABORTIFHUNG, 1000, nullptr);
    if (IsWindowVisible(w) && std::string(title).find(part) != std::string::npos) found.push_back(w);
  }
  return found;
}

std::string fileNameOf(const std::string& path) { return path.substr(path.find_last_of('\\') + 1); }

// Closes this program's message boxes as they come, keeping their texts.
class TBoxCloser {
 public:
  TBoxCloser()
      : FTimer(100, [this](TObjectSender) {
          for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
            DWORD process = 0;
            GetWindowThreadProcessId(w, &process);
            char cls[32] = {};
            GetClassNameA(w, cls, sizeof(cls));
            if (process != GetCurrentProcessId() || !IsWindowVisible(w) || std::string(cls) != "#32770") continue;
            char text[2048] = {};
            GetWindowTextA(GetDlgItem(w, 0xFFFF), text, sizeof(text));
            Texts.push_back(text);
            PostMessageA(w, WM_COMMAND, IDOK, 0);
          }
        }) {
    FTimer.Start();
  }
  std::vector<std::string> Texts;

 private:
  TSimpleTimer FTimer;
};

class BackupMonitorTest : public testing::Test {
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
    BackupSettings.DataPath = FBackups;
    CreateDirectoryA(FBackups.c_str(), nullptr);
    ASSERT_TRUE(test::WaitForNoBalloon());
    FIcon = new TTrayIcon(&FForm);
    FIcon->SetHint("当前备份:scott");
    FIcon->SetIconVisible(true);
  }
  void TearDown() override {
    FMonitor.reset();
    delete FIcon;  // its balloon goes with it
    test::WaitForNoBalloon();
    SetEnvironmentVariableA("PATH", FOldPath.c_str());
    SetEnvironmentVariableA("VELMORA_EXP_RECORD", nullptr);
    SetEnvironmentVariableA("VELMORA_EXP_CONTROL", nullptr);
  }

  TBackupMonitor& monitor(bool dailyBackupSet = false) {
    FMonitor = std::make_unique<TBackupMonitor>(FExe, *FIcon, [dailyBackupSet] { return dailyBackupSet; }, 50);
    return *FMonitor;
  }
  // A new tray icon without a balloon (the monitor on the old one goes first).
  void newIcon() {
    FMonitor.reset();
    delete FIcon;
    FIcon = new TTrayIcon(&FForm);
    FIcon->SetIconVisible(true);
    ASSERT_TRUE(test::WaitForNoBalloon());
  }
  void control(const std::string& lines) { test::WriteFileBytes(FControl, lines); }
  void settings(const std::string& lines) { test::WriteFileBytes(FExe + ".qvk", "[Mirthwell]\r\n" + lines); }

  // An export launched at `utc` and followed to its end; its base name.
  std::string runExport(TDateTimeParts utc, TExportKind kind) {
    BuildBackupBase(fixedClock(utc));
    TExportLaunch launch = LaunchExport(SW_HIDE);
    const std::string base = launch.Base;
    FMonitor->Follow(launch, kind);
    EXPECT_TRUE(test::WaitUntil([&] { return FMonitor->Running() == 0; }, 30s)) << base;
    return base;
  }
  std::vector<std::string> historyLines() {
    std::vector<std::string> lines;
    const std::string text = test::ReadFileBytes(FExe + ".history");
    std::size_t at = 0;
    while (at < text.size()) {
      const std::size_t end = text.find("\r\n", at);
      lines.push_back(text.substr(at, end - at));
      if (end == std::string::npos) break;
      at = end + 2;
    }
    return lines;
  }
  std::string balloon() {
    std::string text;
    test::WaitUntil([&] { return !(text = test::VisibleBalloonText()).empty(); }, 5s);
    return text;
  }

  TempFolder FFolder;
  std::string FExe = FFolder / "v.exe";
  std::string FBackups = FFolder / "bak";
  std::string FControl = FFolder / "control.txt";
  std::string FOldPath;
  TMonitorOwner FForm;
  TTrayIcon* FIcon = nullptr;
  std::unique_ptr<TBackupMonitor> FMonitor;
};

TEST_F(BackupMonitorTest, FailedManualExportIsRecordedShownAndItsLogOpensOnClick) {
  control(
      "VELMORA_EXP_LAST_LINE=EXP-00000: Export terminated unsuccessfully\n"
      "VELMORA_EXP_LOG_LINES=EXP-00056: ORACLE error 1017 encountered|ORA-01017: invalid username/password; logon "
      "denied\nVELMORA_EXP_EXIT_CODE=1\nVELMORA_EXP_NO_DUMP=1\n");
  monitor();
  EXPECT_EQ(FMonitor->HintLine(), "");
  const std::string base = runExport({2024, 5, 6, 1, 2, 3}, TExportKind::Manual);
  const auto lines = historyLines();
  ASSERT_EQ(lines.size(), 1u);
  // 09:02:03 in UTC+8; the export took under a second; no dump.
  EXPECT_EQ(lines[0], "2024-05-06 09:02:03\tmanual\tfailed\t1\t0\t0\t" + base + ".log");
  EXPECT_EQ(FIcon->Hint(), "当前备份:scott\n上次备份:失败 2024-05-06 09:02:03");
  EXPECT_EQ(balloon(),
            "EXP-00056: ORACLE error 1017 encountered\nORA-01017: invalid username/password; logon denied\n"
            "EXP-00000: Export terminated unsuccessfully");

  // The shell's click notification: the log opens in the system's text viewer.
  const std::string logName = fileNameOf(base + ".log");
  ASSERT_TRUE(windowsTitled(logName).empty());
  SendMessageA(TTrayIconHandler::Instance()->Window(), WM_TRAYNOTIFY, FIcon->IconId(), 0x405);
  std::vector<HWND> viewers;
  EXPECT_TRUE(test::WaitUntil([&] { return !(viewers = windowsTitled(logName)).empty(); }, 20s));
  for (HWND viewer : viewers) PostMessageA(viewer, WM_CLOSE, 0, 0);
}

TEST_F(BackupMonitorTest, GoodScheduledExportIsRecordedWithoutABalloon) {
  monitor();
  const std::string base = runExport({2024, 5, 6, 16, 0, 0}, TExportKind::Scheduled);
  const auto lines = historyLines();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], "2024-05-07 00:00:00\tscheduled\tok\t0\t0\t15\t" + base + ".log");
  EXPECT_EQ(FIcon->Hint(), "当前备份:scott\n上次备份:成功 2024-05-07 00:00:00");
  test::WaitUntil([] { return false; }, 1500ms);
  EXPECT_EQ(test::VisibleBalloonText(), "");

  // The next start reads the last outcome back.
  FMonitor.reset();
  EXPECT_EQ(monitor().HintLine(), "\n上次备份:成功 2024-05-07 00:00:00");
}

TEST_F(BackupMonitorTest, ScheduledWarningsAndNotStartedShowBalloons) {
  control("VELMORA_EXP_LAST_LINE=Export terminated successfully with warnings.\n"
          "VELMORA_EXP_LOG_LINES=EXP-00091: Exporting questionable statistics.\nVELMORA_EXP_EXIT_CODE=3\n");
  monitor();
  runExport({2024, 5, 6, 1, 0, 0}, TExportKind::Scheduled);
  EXPECT_EQ(balloon(), "EXP-00091: Exporting questionable statistics.");
  EXPECT_NE(historyLines().at(0).find("\tscheduled\twarnings\t3\t"), std::string::npos);

  newIcon();
  monitor();
  SetEnvironmentVariableA("PATH", "C:\\windows\\system32");
  BuildBackupBase(fixedClock({2024, 5, 6, 2, 0, 0}));
  TExportLaunch launch = LaunchExport(SW_HIDE);
  ASSERT_FALSE(launch.Started());
  FMonitor->Follow(launch, TExportKind::Scheduled);
  EXPECT_NE(balloon().find("exp"), std::string::npos);
  ASSERT_EQ(historyLines().size(), 2u);
  EXPECT_NE(historyLines()[1].find("\tscheduled\tnot-started\t2\t0\t0\t"), std::string::npos) << historyLines()[1];
}

TEST_F(BackupMonitorTest, RetentionKeepsTheNewestGoodPairsAndEverythingElse) {
  settings("KeepBackups=2\r\n");
  // Four good exports recorded earlier, a failed one, and files nobody recorded.
  std::vector<std::string> old;
  {
    THistoryFile history(FExe + ".history");
    DWORD error = 0;
    for (int day = 1; day <= 5; ++day) {
      const TDateTimeParts stamp{2024, 4, day, 9, 0, 0};
      const std::string base = FormatBackupBase(FBackups, "scott", stamp);
      test::WriteFileBytes(base + ".dmp", "dump " + std::to_string(day));
      test::WriteFileBytes(base + ".log", "log");
      old.push_back(base);
      ASSERT_TRUE(history.Append({stamp, "scheduled", day == 2 ? "failed" : "ok", 0, 60, 6, base + ".log"}, error));
    }
  }
  const std::vector<std::string> unrelated = {
      FormatBackupBase(FBackups, "scott", {2024, 3, 1, 9, 0, 0}) + ".dmp",  // same kind of name, never recorded
      FormatBackupBase(FBackups, "scott", {2024, 3, 1, 9, 0, 0}) + ".log",
      FormatBackupBase(FBackups, "tiger", {2024, 4, 1, 9, 0, 0}) + ".dmp",  // another user
      FBackups + "\\notes.txt",
      FBackups + "\\scott.dmp",
  };
  for (const std::string& file : unrelated) test::WriteFileBytes(file, "keep me");

  monitor();
  const std::string newest = runExport({2024, 5, 1, 1, 0, 0}, TExportKind::Scheduled);
  // Kept: the new export and the good one of 5 April; days 1-4 went, the failure of
  // day 2 with them since it is older than the kept ones.
  for (int day = 1; day <= 4; ++day) {
    EXPECT_FALSE(test::FileExists(old[day - 1] + ".dmp")) << day;
    EXPECT_FALSE(test::FileExists(old[day - 1] + ".log")) << day;
  }
  EXPECT_TRUE(test::FileExists(old[4] + ".dmp"));
  EXPECT_TRUE(test::FileExists(old[4] + ".log"));
  EXPECT_TRUE(test::FileExists(newest + ".dmp"));
  EXPECT_TRUE(test::FileExists(newest + ".log"));
  for (const std::string& file : unrelated) EXPECT_EQ(test::ReadFileBytes(file), "keep me") << file;

  const auto lines = historyLines();
  ASSERT_EQ(lines.size(), 5u + 1u + 4u);
  EXPECT_NE(lines[5].find("\tok\t"), std::string::npos);
  for (int day = 1; day <= 4; ++day)
    EXPECT_EQ(lines[5 + day], "2024-04-0" + std::to_string(day) + " 09:00:00\tscheduled\tremoved\t0\t60\t6\t" +
                                  old[day - 1] + ".log");
  // A second run finds nothing more to delete.
  runExport({2024, 5, 1, 1, 0, 1}, TExportKind::Scheduled);
  EXPECT_FALSE(test::FileExists(old[4] + ".dmp"));  // now the third newest
  EXPECT_EQ(historyLines().size(), 12u);
}

TEST_F(BackupMonitorTest, WithoutKeepBackupsNothingIsDeleted) {
  for (const char* value : {"", "KeepBackups=0\r\n", "KeepBackups=two\r\n", "KeepBackups=-1\r\n"}) {
    settings(value);
    monitor();
    const std::string first = runExport({2024, 6, 1, 1, 0, 0}, TExportKind::Manual);
    runExport({2024, 6, 1, 1, 0, 1}, TExportKind::Manual);
    EXPECT_TRUE(test::FileExists(first + ".dmp")) << value;
    DeleteFileA((FExe + ".history").c_str());
  }
}

// Read-only and, as another program can do, held open shared with nobody.
TEST_F(BackupMonitorTest, AHistoryThatCannotBeWrittenStopsNothingAndIsShownOnce) {
  settings("KeepBackups=1\r\n");
  THistoryFile history(FExe + ".history");
  DWORD error = 0;
  const std::string oldBase = FormatBackupBase(FBackups, "scott", {2024, 4, 1, 9, 0, 0});
  test::WriteFileBytes(oldBase + ".dmp", "old");
  ASSERT_TRUE(history.Append({{2024, 4, 1, 9, 0, 0}, "manual", "ok", 0, 1, 3, oldBase + ".log"}, error));
  const std::string before = test::ReadFileBytes(history.Path());
  SetFileAttributesA(history.Path().c_str(), FILE_ATTRIBUTE_READONLY);
  HANDLE held = CreateFileA(history.Path().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);

  TBoxCloser boxes;
  monitor();
  const std::string first = runExport({2024, 5, 1, 1, 0, 0}, TExportKind::Manual);
  const std::string second = runExport({2024, 5, 1, 1, 0, 1}, TExportKind::Manual);
  test::WaitUntil([] { return false; }, 500ms);
  CloseHandle(held);
  SetFileAttributesA(history.Path().c_str(), FILE_ATTRIBUTE_NORMAL);

  // Both backups ran, both were shown; the failure was shown once.
  EXPECT_TRUE(test::FileExists(first + ".dmp"));
  EXPECT_TRUE(test::FileExists(second + ".dmp"));
  ASSERT_EQ(boxes.Texts.size(), 1u);
  EXPECT_NE(boxes.Texts[0].find(history.Path()), std::string::npos) << boxes.Texts[0];
  EXPECT_NE(balloon(), "");
  EXPECT_EQ(FIcon->Hint().substr(FIcon->Hint().find('\n') + 1), "上次备份:成功 2024-05-01 09:00:01");
  // Retention needs its deletions recorded: nothing was deleted.
  EXPECT_TRUE(test::FileExists(oldBase + ".dmp"));
  EXPECT_EQ(test::ReadFileBytes(history.Path()), before);
}

TEST_F(BackupMonitorTest, StalenessWarningWithAnOldHistoryOnly) {
  THistoryFile history(FExe + ".history");
  DWORD error = 0;
  const TDateTimeParts now8 = BackupStampFromUtc(nowUtc());
  // Fresh: two hours ago. Not set up: no warning whatever the history says.
  ASSERT_TRUE(history.Append({AddHours(now8, -2), "scheduled", "warnings", 0, 1, 1, "C:\\a.log"}, error));
  monitor(true).Tick();
  monitor(false).Tick();
  test::WaitUntil([] { return false; }, 1500ms);
  EXPECT_EQ(test::VisibleBalloonText(), "");

  // Old: the good line is 27 hours old, a failure after it does not count.
  DeleteFileA(history.Path().c_str());
  const TDateTimeParts good = AddHours(now8, -27);
  ASSERT_TRUE(history.Append({good, "scheduled", "ok", 0, 1, 1, "C:\\a.log"}, error));
  ASSERT_TRUE(history.Append({AddHours(now8, -3), "scheduled", "failed", 1, 1, 1, "C:\\b.log"}, error));
  TBackupMonitor& stale = monitor(true);
  stale.Tick();
  EXPECT_NE(balloon().find(FormatStampText(good)), std::string::npos);

  // No history at all.
  newIcon();
  DeleteFileA(history.Path().c_str());
  monitor(true).Tick();
  EXPECT_NE(balloon(), "");
}

}  // namespace
}  // namespace velmora
