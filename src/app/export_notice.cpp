// Notices about backups. The texts are the program's Chinese (GBK in the Windows build).
#include "app/export_notice.h"

namespace velmora {

namespace {

std::string kindText(TExportKind kind) { return kind == TExportKind::Manual ? "立即备份" : "定时备份"; }

std::string joinedLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += (text.empty() ? "" : "\n") + line;
  return text;
}

// Why a failure happened, when exp's own EXP-/ORA- lines do not say.
std::string fallbackText(const TFinishedExport& done) {
  switch (done.Verdict.Fallback) {
    case TFallbackReason::NoLog: return "exp 没有写出日志文件:" + done.LogPath();
    case TFallbackReason::ExitCode:
      return "exp 以退出码 " + std::to_string(done.ExitCode) + " 结束,日志里没有成功的结尾。";
    case TFallbackReason::EmptyLog: return "日志文件是空的。";
    case TFallbackReason::LastLine: return "日志最后一行:" + done.Verdict.LastLine;
    case TFallbackReason::None: break;
  }
  return {};
}

}  // namespace

std::string OutcomeText(std::string_view word) {
  if (word == "ok") return "成功";
  if (word == "warnings") return "有警告";
  if (word == "failed") return "失败";
  if (word == "not-started") return "没有启动";
  return std::string(word);
}

std::optional<TNotice> NoticeOfExport(const TFinishedExport& done, bool logExists) {
  const TExportOutcome outcome = done.Verdict.Outcome;
  if (done.Kind == TExportKind::Scheduled && outcome == TExportOutcome::Ok) return std::nullopt;
  TNotice notice;
  notice.Title = kindText(done.Kind) + OutcomeText(OutcomeWord(outcome));
  switch (outcome) {
    case TExportOutcome::Ok:
      notice.Icon = TNoticeIcon::Info;
      notice.Text = "用时 " + std::to_string(done.Seconds) + " 秒,备份文件 " + std::to_string(done.DumpSize) + " 字节。";
      break;
    case TExportOutcome::Warnings:
      notice.Icon = TNoticeIcon::Warning;
      notice.Text = done.Verdict.Reasons.empty() ? std::string("exp 报告了警告。") : joinedLines(done.Verdict.Reasons);
      break;
    case TExportOutcome::Failed:
      notice.Icon = TNoticeIcon::Error;
      notice.Text = done.Verdict.Reasons.empty() ? fallbackText(done) : joinedLines(done.Verdict.Reasons);
      break;
    case TExportOutcome::NotStarted:
      notice.Icon = TNoticeIcon::Error;
      notice.Text = "无法运行 exp:" + done.StartError;
      break;
  }
  if (outcome != TExportOutcome::NotStarted && logExists) {
    notice.Title += " - 点击查看日志";  // in the title, which is never cut for long reasons
    notice.OpenPath = done.LogPath();
  }
  return notice;
}

std::string HintSecondLine(const THistoryEntry& lastExport) {
  return "上次备份:" + OutcomeText(lastExport.Outcome) + " " + FormatStampText(lastExport.Stamp);
}

TNotice StaleNotice(const std::optional<TDateTimeParts>& newestGood, const std::string& historyPath) {
  TNotice notice;
  notice.Icon = TNoticeIcon::Warning;
  notice.Title = "超过 " + std::to_string(StaleAfterHours) + " 小时没有成功的备份";
  notice.Text = newestGood ? "自 " + FormatStampText(*newestGood) + " 以来没有成功的备份。"
                           : std::string("备份记录里还没有成功的备份。");
  notice.Text += "\n请检查备份设置和备份日志。";
  notice.OpenPath = historyPath;
  return notice;
}

bool TStaleWarning::Due(bool dailyBackupSet, const std::optional<TDateTimeParts>& newestGood,
                        const TDateTimeParts& nowUtc8, std::int64_t steadySeconds) {
  if (!dailyBackupSet || !BackupIsStale(newestGood, nowUtc8, StaleAfterHours)) return false;
  if (FLastShown && steadySeconds - *FLastShown < 24 * 3600) return false;
  FLastShown = steadySeconds;
  return true;
}

}  // namespace velmora
