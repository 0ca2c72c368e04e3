// The outcome rules: the log's last non-empty line decides, the exit code only matters
// without a success line, and the reasons are the first EXP-/ORA- lines.
#include "app/export_outcome.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

const std::string Ok = "Export terminated successfully without warnings.";
const std::string Warn = "Export terminated successfully with warnings.";
const std::string Bad = "Export terminated unsuccessfully";

TEST(ExportOutcomeTest, LastLineExitCodeAndMissingLogDecide) {
  using O = TExportOutcome;
  using F = TFallbackReason;
  const struct {
    const char* name;
    std::optional<std::string> log;  // nothing: no log file
    std::uint32_t exitCode;
    O outcome;
    F fallback;
  } cases[] = {
      {"success line", "Export: Release 10.2\r\n\r\n" + Ok + "\r\n", 0, O::Ok, F::None},
      {"warnings line", "EXP-00091: Exporting questionable statistics.\r\n" + Warn + "\r\n", 0, O::Warnings,
       F::None},
      {"unsuccessful line", "EXP-00000: " + Bad + "\r\n", 1, O::Failed, F::None},
      {"unsuccessful line alone", Bad + "\n", 1, O::Failed, F::ExitCode},
      {"unsuccessful line, exit code 0", Bad + "\n", 0, O::Failed, F::LastLine},
      {"other last line", "About to export specified users ...\r\n", 0, O::Failed, F::LastLine},
      {"success line not last", Ok + "\r\n. exporting table X\r\n", 0, O::Failed, F::LastLine},
      {"blank lines after the success line", Ok + "\r\n\r\n  \r\n\t\r\n", 0, O::Ok, F::None},
      {"success line without line break", "header\r\n" + Ok, 0, O::Ok, F::None},
      {"success line with blanks around it", "  " + Ok + " \r\n", 0, O::Ok, F::None},
      {"success line in other case", "export terminated successfully without warnings.\r\n", 0, O::Failed,
       F::LastLine},
      {"success line without its period", Ok.substr(0, Ok.size() - 1) + "\r\n", 0, O::Failed, F::LastLine},
      {"success line, non-zero exit code", Ok + "\r\n", 3, O::Ok, F::None},
      {"warnings line, non-zero exit code", Warn + "\r\n", 3, O::Warnings, F::None},
      {"no success line, non-zero exit code", "connected\r\n", 1, O::Failed, F::ExitCode},
      {"empty log", "", 0, O::Failed, F::EmptyLog},
      {"log of blank lines", "\r\n\r\n   \r\n", 0, O::Failed, F::EmptyLog},
      {"empty log, non-zero exit code", "", 5, O::Failed, F::ExitCode},
      {"missing log", std::nullopt, 0, O::Failed, F::NoLog},
      {"missing log, non-zero exit code", std::nullopt, 1, O::Failed, F::NoLog},
      {"a line of zero bytes last", Ok + "\r\n" + std::string(3, '\0') + "\r\n", 0, O::Failed, F::LastLine},
  };
  for (const auto& c : cases) {
    const std::optional<TLogSummary> summary =
        c.log ? std::optional<TLogSummary>(SummarizeLog(*c.log)) : std::nullopt;
    const TExportVerdict verdict = JudgeExport(summary, c.exitCode);
    EXPECT_EQ(verdict.Outcome, c.outcome) << c.name;
    EXPECT_EQ(verdict.Fallback, c.fallback) << c.name;
  }
}

TEST(ExportOutcomeTest, ReasonsAreTheFirstThreeExpOrOraLines) {
  const std::string log =
      "\r\nExport: Release 10.2.0.1.0 - Production on Mon Mar 2 01:00:00 2015\r\n"
      "Connected to: Oracle Database 10g\r\n"
      ". exporting table                           T1    ORA-lookalike inside a line\r\n"
      " EXP-00001: indented, so not at the start of the line\r\n"
      "EXP-00056: ORACLE error 12154 encountered\r\n"
      "exp-00002: lower case is not exp's\r\n"
      "ORA-12154: TNS:could not resolve the connect identifier specified   \r\n"
      "EXP-00000: Export terminated unsuccessfully\r\n"
      "ORA-00001: a fourth one is not shown\r\n"
      "EXP-00000: Export terminated unsuccessfully\r\n";
  const TExportVerdict verdict = JudgeExport(SummarizeLog(log), 1);
  EXPECT_EQ(verdict.Outcome, TExportOutcome::Failed);
  EXPECT_EQ(verdict.Reasons, (std::vector<std::string>{
                                 "EXP-00056: ORACLE error 12154 encountered",
                                 "ORA-12154: TNS:could not resolve the connect identifier specified",
                                 "EXP-00000: Export terminated unsuccessfully",
                             }));
  EXPECT_EQ(verdict.Fallback, TFallbackReason::None);

  // Warnings keep their reasons too; a clean log has none.
  const TExportVerdict warned =
      JudgeExport(SummarizeLog("EXP-00091: Exporting questionable statistics.\n" + Warn + "\n"), 0);
  EXPECT_EQ(warned.Reasons, std::vector<std::string>{"EXP-00091: Exporting questionable statistics."});
  EXPECT_TRUE(JudgeExport(SummarizeLog(Ok), 0).Reasons.empty());
}

TEST(ExportOutcomeTest, LogReadInPiecesGivesTheSameSummary) {
  std::string log;
  for (int i = 0; i < 2000; ++i) log += ". . exporting table T" + std::to_string(i) + "   12 rows exported\r\n";
  log += "ORA-01555: snapshot too old\r\n" + std::string(5000, 'x') + "\r\nEXP-00008: ORACLE error\r\n" + Warn + "\r\n";
  const TLogSummary whole = SummarizeLog(log);
  for (std::size_t piece : {1u, 2u, 7u, 4096u}) {
    TLogScanner scanner;
    for (std::size_t at = 0; at < log.size(); at += piece) scanner.Feed(std::string_view(log).substr(at, piece));
    EXPECT_EQ(scanner.Finish(), whole) << "pieces of " << piece;
  }
  EXPECT_EQ(whole.LastLine, Warn);
  EXPECT_EQ(whole.Reasons, (std::vector<std::string>{"ORA-01555: snapshot too old", "EXP-00008: ORACLE error"}));
}

TEST(ExportOutcomeTest, AVeryLongLineIsKeptCut) {
  const std::string longLine = "ORA-99999: " + std::string(100000, 'y');
  const TLogSummary summary = SummarizeLog(longLine + "\r\n");
  ASSERT_EQ(summary.Reasons.size(), 1u);
  EXPECT_EQ(summary.Reasons[0].size(), MaxKeptLineBytes);
  EXPECT_EQ(summary.LastLine.size(), MaxKeptLineBytes);
  EXPECT_EQ(JudgeExport(SummarizeLog(std::string(50000, ' ') + Ok + "\n"), 0).Outcome, TExportOutcome::Failed);
}

TEST(ExportOutcomeTest, WordsOfTheOutcomes) {
  const struct {
    TExportOutcome outcome;
    const char* word;
  } cases[] = {{TExportOutcome::Ok, "ok"},
               {TExportOutcome::Warnings, "warnings"},
               {TExportOutcome::Failed, "failed"},
               {TExportOutcome::NotStarted, "not-started"}};
  for (const auto& c : cases) {
    EXPECT_EQ(OutcomeWord(c.outcome), c.word);
    EXPECT_EQ(OutcomeOfWord(c.word), c.outcome);
  }
  EXPECT_EQ(OutcomeOfWord("removed"), std::nullopt);
  EXPECT_EQ(OutcomeOfWord("OK"), std::nullopt);
  EXPECT_EQ(KindWord(TExportKind::Manual), "manual");
  EXPECT_EQ(KindWord(TExportKind::Scheduled), "scheduled");
}

}  // namespace
}  // namespace velmora
