// History lines written and read back, what the program asks of the history (last
// export, newest good backup, staleness) and retention's choice of pairs to delete.
#include "app/backup_history.h"

#include <gtest/gtest.h>

namespace velmora {

// Readable failures.
void PrintTo(const THistoryEntry& e, std::ostream* out) { *out << FormatHistoryLine(e); }
void PrintTo(const TDateTimeParts& s, std::ostream* out) { *out << FormatStampText(s); }

namespace {

const std::string Folder = "D:\\bak";

THistoryEntry entry(TDateTimeParts stamp, const std::string& outcome, const std::string& user = "scott",
                    const std::string& suffix = "", const std::string& folder = Folder) {
  return {stamp, "scheduled", outcome, 0, 12, 4096, FormatBackupBase(folder, user, stamp) + suffix + ".log"};
}

TDateTimeParts day(int d, int hour = 1) { return {2024, 3, d, hour, 0, 0}; }

TEST(BackupHistoryTest, LineFormatAndRoundTrip) {
  const THistoryEntry e{{2015, 3, 1, 13, 6, 7}, "manual", "warnings", 3, 75, 123456789012ull,
                        "D:\\bak\\scott2015年3月1日13点6分7秒.log"};
  const std::string line = FormatHistoryLine(e);
  EXPECT_EQ(line, "2015-03-01 13:06:07\tmanual\twarnings\t3\t75\t123456789012\tD:\\bak\\scott2015年3月1日13点6分7秒.log\r\n");
  EXPECT_EQ(ParseHistoryLine(line), e);
  EXPECT_EQ(ParseHistory(line + line), (std::vector<THistoryEntry>{e, e}));

  // An exit code as large as a crash's, and a not-started line with the system error.
  const THistoryEntry crash{{2024, 12, 31, 23, 59, 59}, "scheduled", "failed", 3221225477, 0, 0, "C:\\x.log"};
  EXPECT_EQ(ParseHistoryLine(FormatHistoryLine(crash)), crash);
}

TEST(BackupHistoryTest, TabsAndLineBreaksInAFieldCannotBreakTheLine) {
  const THistoryEntry e{{2024, 1, 2, 3, 4, 5}, "manual", "ok", 0, 1, 2, "C:\\a\tb\r\nc.log"};
  const std::string line = FormatHistoryLine(e);
  EXPECT_EQ(line, "2024-01-02 03:04:05\tmanual\tok\t0\t1\t2\tC:\\a b  c.log\r\n");
  ASSERT_TRUE(ParseHistoryLine(line).has_value());
  EXPECT_EQ(ParseHistoryLine(line)->LogPath, "C:\\a b  c.log");
}

TEST(BackupHistoryTest, MalformedLinesAreSkipped) {
  const std::string good = "2024-01-02 03:04:05\tmanual\tok\t0\t1\t2\tC:\\x.log";
  const char* bad[] = {
      "",
      "garbage",
      "2024-01-02 03:04:05\tmanual\tok\t0\t1\t2",                  // six fields
      "2024-01-02 03:04:05\tmanual\tok\t0\t1\t2\tC:\\x.log\textra",  // eight
      "2024-1-2 03:04:05\tmanual\tok\t0\t1\t2\tC:\\x.log",
      "2024-02-30 03:04:05\tmanual\tok\t0\t1\t2\tC:\\x.log",
      "2024-01-02 24:04:05\tmanual\tok\t0\t1\t2\tC:\\x.log",
      "2024-01-02 03:04:05\tdaily\tok\t0\t1\t2\tC:\\x.log",
      "2024-01-02 03:04:05\tmanual\tOK\t0\t1\t2\tC:\\x.log",
      "2024-01-02 03:04:05\tmanual\tok\tx\t1\t2\tC:\\x.log",
      "2024-01-02 03:04:05\tmanual\tok\t0\t-1\t2\tC:\\x.log",
      "2024-01-02 03:04:05\tmanual\tok\t0\t1\t-2\tC:\\x.log",
      "2024-01-02 03:04:05\tmanual\tok\t0\t1\t99999999999999999999999\tC:\\x.log",
      "2024-01-02 03:04:05\tmanual\tok\t0\t1\t2\t",
      "2024-01-02 03:04:05\tmanual\tok\t 0\t1\t2\tC:\\x.log",
  };
  std::string text;
  for (const char* line : bad) {
    EXPECT_FALSE(ParseHistoryLine(line).has_value()) << line;
    text += std::string(line) + "\r\n" + good + "\n";
  }
  EXPECT_EQ(ParseHistory(text).size(), std::size(bad));
  EXPECT_EQ(ParseHistory(std::string("\0\0\0\n", 4) + good).size(), 1u);
  EXPECT_EQ(ParseHistoryLine("2024-01-02 03:04:05\tmanual\tfailed\t-1\t0\t0\tC:\\x.log")->ExitCode, -1);
}

TEST(BackupHistoryTest, LastExportAndNewestGoodBackup) {
  std::vector<THistoryEntry> history;
  EXPECT_FALSE(LastExport(history).has_value());
  EXPECT_FALSE(NewestGoodStamp(history).has_value());
  history = {entry(day(1), "ok"), entry(day(3), "warnings"), entry(day(2), "ok"), entry(day(4), "failed"),
             entry(day(5), "not-started"), entry(day(1), "removed")};
  EXPECT_EQ(LastExport(history)->Outcome, "not-started");  // a removed line is no export
  EXPECT_EQ(NewestGoodStamp(history), day(3));             // the newest by stamp, not by place
}

TEST(BackupHistoryTest, StaleAfterTwentySixHours) {
  const TDateTimeParts now{2024, 3, 10, 12, 0, 0};
  EXPECT_TRUE(BackupIsStale(std::nullopt, now));
  EXPECT_FALSE(BackupIsStale(TDateTimeParts{2024, 3, 9, 10, 0, 0}, now));  // exactly 26 hours
  EXPECT_TRUE(BackupIsStale(TDateTimeParts{2024, 3, 9, 9, 59, 59}, now));
  EXPECT_FALSE(BackupIsStale(TDateTimeParts{2024, 3, 10, 11, 0, 0}, now));
  EXPECT_FALSE(BackupIsStale(TDateTimeParts{2024, 3, 11, 0, 0, 0}, now));  // a clock set back
  EXPECT_TRUE(BackupIsStale(TDateTimeParts{2024, 2, 28, 12, 0, 0}, now));
}

TEST(BackupHistoryTest, KeepBackupsValues) {
  const struct {
    const char* text;
    int keep;
  } cases[] = {{"", 0},     {"0", 0},   {"2", 2},    {" 7 ", 7},  {"\t3", 3},        {"-2", 0},
               {"+2", 0},   {"two", 0}, {"2x", 0},   {"0x10", 0}, {"1.5", 0},       {"007", 7},
               {"30", 30},  {"99999999999", 0}, {"1 2", 0}};
  for (const auto& c : cases) EXPECT_EQ(ParseKeepBackups(c.text), c.keep) << "\"" << c.text << "\"";
}

TEST(BackupHistoryTest, RetentionKeepsTheNewestGoodPairs) {
  std::vector<THistoryEntry> history;
  for (int d = 1; d <= 5; ++d) history.push_back(entry(day(d), "ok"));
  const auto removed = SelectForRemoval(history, Folder, "scott", 2);
  ASSERT_EQ(removed.size(), 3u);
  EXPECT_EQ(removed[0], history[0]);
  EXPECT_EQ(removed[1], history[1]);
  EXPECT_EQ(removed[2], history[2]);
  EXPECT_TRUE(SelectForRemoval(history, Folder, "scott", 0).empty());
  EXPECT_TRUE(SelectForRemoval(history, Folder, "scott", 5).empty());
  EXPECT_TRUE(SelectForRemoval(history, Folder, "scott", 9).empty());
  EXPECT_EQ(SelectForRemoval(history, Folder, "scott", 1).size(), 4u);
}

TEST(BackupHistoryTest, RetentionTouchesOnlyThisUsersPairsInThisFolder) {
  std::vector<THistoryEntry> history = {
      entry(day(1), "ok", "scott2"),                  // another user whose name starts alike
      entry(day(1), "ok", "scot"),                    // and one that is a prefix of it
      entry(day(1), "ok", "scott", "", "D:\\other"),  // another folder
      entry(day(1), "ok", "scott", "", "D:\\bak\\"),  // the same folder written with a backslash
      entry(day(2), "ok"),
      entry(day(3), "ok"),
  };
  // A line whose path does not carry its own stamp is not a pair the program made.
  THistoryEntry foreign = entry(day(1), "ok");
  foreign.LogPath = FormatBackupBase(Folder, "scott", day(9)) + ".log";
  history.insert(history.begin(), foreign);
  THistoryEntry notLog = entry(day(1), "ok");
  notLog.LogPath = FormatBackupBase(Folder, "scott", day(1)) + ".txt";
  history.insert(history.begin(), notLog);

  EXPECT_TRUE(SelectForRemoval(history, Folder, "scott", 2).empty());
  const auto removed = SelectForRemoval(history, Folder, "scott", 1);
  ASSERT_EQ(removed.size(), 1u);
  EXPECT_EQ(removed[0].Stamp, day(2));
}

TEST(BackupHistoryTest, RetentionTakesFailedPairsOlderThanTheKeptOnesAndKeepsNewerFailures) {
  const std::vector<THistoryEntry> history = {
      entry(day(1), "failed"),  entry(day(2), "ok"),           entry(day(3), "not-started"),
      entry(day(4), "warnings"), entry(day(5), "failed"),      entry(day(6), "ok"),
      entry(day(7), "failed"),
  };
  const auto removed = SelectForRemoval(history, Folder, "scott", 2);
  std::vector<TDateTimeParts> stamps;
  for (const auto& e : removed) stamps.push_back(e.Stamp);
  // Kept: the good ones of days 4 and 6 and the failures after day 4; the export that
  // never started made no files.
  EXPECT_EQ(stamps, (std::vector<TDateTimeParts>{day(1), day(2)}));
}

TEST(BackupHistoryTest, RetentionSkipsPairsAlreadyRemovedAndOrdersSuffixes) {
  std::vector<THistoryEntry> history = {entry(day(1), "ok"), entry(day(2), "ok"), entry(day(2), "ok", "scott", "_2"),
                                        entry(day(2), "ok", "scott", "_10"), entry(day(3), "ok")};
  history.push_back(RemovedEntryOf(history[0], 4096));
  const auto removed = SelectForRemoval(history, Folder, "scott", 2);
  ASSERT_EQ(removed.size(), 2u);
  EXPECT_EQ(removed[0].LogPath, history[1].LogPath);  // day 2, no suffix: the first of its second
  EXPECT_EQ(removed[1].LogPath, history[2].LogPath);  // day 2 "_2"; "_10" is newer and kept

  // A suffix must be "_" and a number from 2 without leading zeros.
  for (const char* suffix : {"_1", "_02", "_x", "_", "-2", "_2_3"}) {
    const std::vector<THistoryEntry> odd = {entry(day(1), "ok", "scott", suffix), entry(day(2), "ok")};
    EXPECT_TRUE(SelectForRemoval(odd, Folder, "scott", 1).empty()) << suffix;
  }
}

TEST(BackupHistoryTest, ALineAfterARemovedOneIsANewPair) {
  const THistoryEntry first = entry(day(1), "ok");
  const std::vector<THistoryEntry> history = {first, RemovedEntryOf(first, 1), entry(day(1), "ok"), entry(day(2), "ok")};
  const auto removed = SelectForRemoval(history, Folder, "scott", 1);
  ASSERT_EQ(removed.size(), 1u);
  EXPECT_EQ(removed[0].Stamp, day(1));
}

TEST(BackupHistoryTest, RemovedLineNamesThePairItDeleted) {
  const THistoryEntry e = entry(day(1), "warnings");
  const THistoryEntry removed = RemovedEntryOf(e, 777);
  EXPECT_EQ(removed.Outcome, "removed");
  EXPECT_EQ(removed.Stamp, e.Stamp);
  EXPECT_EQ(removed.LogPath, e.LogPath);
  EXPECT_EQ(removed.DumpSize, 777u);
  EXPECT_EQ(ParseHistoryLine(FormatHistoryLine(removed)), removed);
  EXPECT_EQ(DumpPathOfLog("D:\\bak\\a.log"), "D:\\bak\\a.dmp");
  EXPECT_EQ(DumpPathOfLog("D:\\bak\\a.txt"), std::nullopt);
  EXPECT_EQ(DumpPathOfLog("log"), std::nullopt);
}

TEST(BackupHistoryTest, EntryOfAFinishedExport) {
  TFinishedExport done;
  done.Kind = TExportKind::Manual;
  done.Base = "D:\\bak\\scott";
  done.Stamp = day(4, 13);
  done.Verdict.Outcome = TExportOutcome::NotStarted;
  done.ExitCode = 2;
  done.Seconds = 0;
  const THistoryEntry e = HistoryEntryOf(done);
  EXPECT_EQ(FormatHistoryLine(e), "2024-03-04 13:00:00\tmanual\tnot-started\t2\t0\t0\tD:\\bak\\scott.log\r\n");
}

}  // namespace
}  // namespace velmora
