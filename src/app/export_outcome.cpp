// The outcome rules.
#include "app/export_outcome.h"

namespace velmora {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool startsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

}  // namespace

std::string_view KindWord(TExportKind kind) { return kind == TExportKind::Manual ? "manual" : "scheduled"; }

std::string_view OutcomeWord(TExportOutcome outcome) {
  switch (outcome) {
    case TExportOutcome::Ok: return "ok";
    case TExportOutcome::Warnings: return "warnings";
    case TExportOutcome::Failed: return "failed";
    case TExportOutcome::NotStarted: return "not-started";
  }
  return "failed";
}

std::optional<TExportOutcome> OutcomeOfWord(std::string_view word) {
  for (TExportOutcome o : {TExportOutcome::Ok, TExportOutcome::Warnings, TExportOutcome::Failed,
                           TExportOutcome::NotStarted})
    if (OutcomeWord(o) == word) return o;
  return std::nullopt;
}

void TLogScanner::Feed(std::string_view bytes) {
  while (!bytes.empty()) {
    const std::size_t end = bytes.find('\n');
    const std::string_view piece = bytes.substr(0, end);
    if (FLine.size() < MaxKeptLineBytes)
      FLine.append(piece.substr(0, MaxKeptLineBytes - FLine.size()));
    if (end == std::string_view::npos) return;
    takeLine();
    bytes.remove_prefix(end + 1);
  }
}

void TLogScanner::takeLine() {
  std::string_view line = FLine;
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  if (FSummary.Reasons.size() < MaxReasons && (startsWith(line, "EXP-") || startsWith(line, "ORA-")))
    FSummary.Reasons.emplace_back(trimmed(line));
  if (const std::string_view text = trimmed(line); !text.empty()) FSummary.LastLine = text;
  FLine.clear();
}

TLogSummary TLogScanner::Finish() {
  if (!FLine.empty()) takeLine();  // a last line without a line break
  TLogSummary summary = std::move(FSummary);
  FSummary = {};
  return summary;
}

TLogSummary SummarizeLog(std::string_view text) {
  TLogScanner scanner;
  scanner.Feed(text);
  return scanner.Finish();
}

TExportVerdict JudgeExport(const std::optional<TLogSummary>& log, std::uint32_t exitCode) {
  TExportVerdict verdict;
  if (!log) {
    verdict.Outcome = TExportOutcome::Failed;
    verdict.Fallback = TFallbackReason::NoLog;
    return verdict;
  }
  verdict.Reasons = log->Reasons;
  verdict.LastLine = log->LastLine;
  if (log->LastLine == SuccessLine) {
    verdict.Outcome = TExportOutcome::Ok;
  } else if (log->LastLine == WarningsLine) {
    verdict.Outcome = TExportOutcome::Warnings;
  } else {
    verdict.Outcome = TExportOutcome::Failed;
    if (verdict.Reasons.empty())
      verdict.Fallback = exitCode != 0           ? TFallbackReason::ExitCode
                         : log->LastLine.empty() ? TFallbackReason::EmptyLog
                                                 : TFallbackReason::LastLine;
  }
  return verdict;
}

}  // namespace velmora
