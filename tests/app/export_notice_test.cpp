// Which exports show a balloon, with which icon and reason, the hint's second line, and
// when the staleness warning comes.
#include "app/export_notice.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TFinishedExport finished(TExportKind kind, TExportOutcome outcome) {
  TFinishedExport done;
  done.Kind = kind;
  done.Base = "D:\\bak\\scott";
  done.Stamp = {2024, 3, 4, 5, 6, 7};
  done.Verdict.Outcome = outcome;
  done.Seconds = 42;
  done.DumpSize = 4096;
  return done;
}

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(ExportNoticeTest, WhoGetsABalloonAndWithWhichIcon) {
  using K = TExportKind;
  using O = TExportOutcome;
  const struct {
    K kind;
    O outcome;
    std::optional<TNoticeIcon> icon;  // nothing: no balloon
  } cases[] = {
      {K::Scheduled, O::Ok, std::nullopt},
      {K::Scheduled, O::Warnings, TNoticeIcon::Warning},
      {K::Scheduled, O::Failed, TNoticeIcon::Error},
      {K::Scheduled, O::NotStarted, TNoticeIcon::Error},
      {K::Manual, O::Ok, TNoticeIcon::Info},
      {K::Manual, O::Warnings, TNoticeIcon::Warning},
      {K::Manual, O::Failed, TNoticeIcon::Error},
      {K::Manual, O::NotStarted, TNoticeIcon::Error},
  };
  for (const auto& c : cases) {
    const auto notice = NoticeOfExport(finished(c.kind, c.outcome), true);
    ASSERT_EQ(notice.has_value(), c.icon.has_value()) << KindWord(c.kind) << " " << OutcomeWord(c.outcome);
    if (!notice) continue;
    EXPECT_EQ(notice->Icon, *c.icon) << KindWord(c.kind) << " " << OutcomeWord(c.outcome);
    EXPECT_TRUE(contains(notice->Title, OutcomeText(OutcomeWord(c.outcome)))) << notice->Title;
    // A click opens the log, except for an export that never started (it has none).
    EXPECT_EQ(notice->OpenPath, c.outcome == O::NotStarted ? "" : "D:\\bak\\scott.log");
  }
  // No log to open: no click target.
  EXPECT_EQ(NoticeOfExport(finished(K::Manual, O::Failed), false)->OpenPath, "");
}

TEST(ExportNoticeTest, TheReasonShown) {
  TFinishedExport done = finished(TExportKind::Scheduled, TExportOutcome::Failed);
  done.Verdict.Reasons = {"EXP-00056: ORACLE error 1017 encountered", "ORA-01017: invalid username/password"};
  EXPECT_EQ(NoticeOfExport(done, true)->Text,
            "EXP-00056: ORACLE error 1017 encountered\nORA-01017: invalid username/password");

  done.Verdict.Reasons.clear();
  done.Verdict.Fallback = TFallbackReason::ExitCode;
  done.ExitCode = 3;
  EXPECT_TRUE(contains(NoticeOfExport(done, true)->Text, " 3 ")) << NoticeOfExport(done, true)->Text;
  done.Verdict.Fallback = TFallbackReason::NoLog;
  EXPECT_TRUE(contains(NoticeOfExport(done, false)->Text, "D:\\bak\\scott.log"));
  done.Verdict.Fallback = TFallbackReason::LastLine;
  done.Verdict.LastLine = "About to export";
  EXPECT_TRUE(contains(NoticeOfExport(done, true)->Text, "About to export"));
  done.Verdict.Fallback = TFallbackReason::EmptyLog;
  EXPECT_FALSE(NoticeOfExport(done, true)->Text.empty());

  TFinishedExport notStarted = finished(TExportKind::Scheduled, TExportOutcome::NotStarted);
  notStarted.StartError = "The system cannot find the file specified.";
  EXPECT_TRUE(contains(NoticeOfExport(notStarted, false)->Text, notStarted.StartError));

  const TFinishedExport ok = finished(TExportKind::Manual, TExportOutcome::Ok);
  EXPECT_TRUE(contains(NoticeOfExport(ok, true)->Text, "42"));
  EXPECT_TRUE(contains(NoticeOfExport(ok, true)->Text, "4096"));
}

TEST(ExportNoticeTest, HintSecondLineNamesTheOutcomeAndItsStamp) {
  const THistoryEntry last{{2024, 3, 4, 5, 6, 7}, "scheduled", "failed", 1, 2, 3, "D:\\x.log"};
  const std::string line = HintSecondLine(last);
  EXPECT_TRUE(contains(line, OutcomeText("failed"))) << line;
  EXPECT_TRUE(contains(line, "2024-03-04 05:06:07")) << line;
  EXPECT_FALSE(contains(line, "\n"));
  EXPECT_NE(OutcomeText("ok"), OutcomeText("warnings"));
  EXPECT_NE(OutcomeText("failed"), OutcomeText("not-started"));
}

TEST(ExportNoticeTest, StaleNoticeSaysSinceWhen) {
  const TNotice since = StaleNotice(TDateTimeParts{2024, 3, 1, 2, 3, 4}, "C:\\v.exe.history");
  EXPECT_EQ(since.Icon, TNoticeIcon::Warning);
  EXPECT_TRUE(contains(since.Text, "2024-03-01 02:03:04")) << since.Text;
  EXPECT_EQ(since.OpenPath, "C:\\v.exe.history");
  const TNotice never = StaleNotice(std::nullopt, "C:\\v.exe.history");
  EXPECT_FALSE(contains(never.Text, "20"));
  EXPECT_NE(never.Text, since.Text);
}

TEST(ExportNoticeTest, StalenessWarnedAtMostOnceADay) {
  const TDateTimeParts now{2024, 3, 10, 12, 0, 0};
  const std::optional<TDateTimeParts> old = TDateTimeParts{2024, 3, 8, 12, 0, 0};
  const std::optional<TDateTimeParts> fresh = TDateTimeParts{2024, 3, 10, 1, 0, 0};
  const std::int64_t hour = 3600;

  TStaleWarning notSetUp;
  EXPECT_FALSE(notSetUp.Due(false, old, now, 0));
  EXPECT_TRUE(notSetUp.Due(true, old, now, 1));  // set up later: warned then

  TStaleWarning warning;
  EXPECT_FALSE(warning.Due(true, fresh, now, 0));
  EXPECT_TRUE(warning.Due(true, old, now, 10));
  EXPECT_FALSE(warning.Due(true, old, now, 11));
  EXPECT_FALSE(warning.Due(true, old, now, 10 + 24 * hour - 1));
  EXPECT_TRUE(warning.Due(true, old, now, 10 + 24 * hour));
  EXPECT_FALSE(warning.Due(true, std::nullopt, now, 10 + 25 * hour));
  EXPECT_TRUE(warning.Due(true, std::nullopt, now, 10 + 48 * hour));
}

}  // namespace
}  // namespace velmora
