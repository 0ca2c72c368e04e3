// The watch over backups.
#include "app/backup_monitor.h"

#include <shellapi.h>

#include "app/schedule.h"
#include "app/settings_store.h"
#include "framework/application.h"
#include "framework/ini_file.h"
#include "framework/win_string.h"

namespace velmora {

namespace {

TBalloonIcon balloonIcon(TNoticeIcon icon) {
  switch (icon) {
    case TNoticeIcon::Warning: return TBalloonIcon::Warning;
    case TNoticeIcon::Error: return TBalloonIcon::Error;
    case TNoticeIcon::Info: break;
  }
  return TBalloonIcon::Info;
}

bool fileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

TDateTimeParts nowUtc8() {
  SYSTEMTIME utc;
  GetSystemTime(&utc);
  return BackupStampFromUtc({utc.wYear, utc.wMonth, utc.wDay, utc.wHour, utc.wMinute, utc.wSecond});
}

}  // namespace

TBackupMonitor::TBackupMonitor(const std::string& exePath, TTrayIcon& tray, TDailyBackupSet dailyBackupSet,
                               unsigned pollMs)
    : FHistory(exePath + ".history"),
      FSettingsPath(exePath + ".qvk"),
      FTray(tray),
      FDailyBackupSet(std::move(dailyBackupSet)),
      FWatch([this](const TFinishedExport& done) { finished(done); }, pollMs) {
  const std::vector<THistoryEntry> history = FHistory.Read();
  FLastExport = LastExport(history);
  FNewestGood = NewestGoodStamp(history);
  FTray.OnBalloonHintClick = [this](TObjectSender) { openBalloonTarget(); };
}

TBackupMonitor::~TBackupMonitor() { FTray.OnBalloonHintClick = nullptr; }

void TBackupMonitor::Follow(TExportLaunch& launch, TExportKind kind) { FWatch.Follow(launch, kind); }

std::string TBackupMonitor::HintLine() const {
  return FLastExport ? "\n" + HintSecondLine(*FLastExport) : std::string();
}

void TBackupMonitor::Tick() {
  const bool dailyBackupSet = FDailyBackupSet && FDailyBackupSet();
  if (FStale.Due(dailyBackupSet, FNewestGood, nowUtc8(), static_cast<std::int64_t>(GetTickCount64() / 1000)))
    show(StaleNotice(FNewestGood, FHistory.Path()));
}

// Recorded first, then the hint, retention and the balloon; a history that cannot be
// written stops none of them except retention, whose deletions must be recorded.
void TBackupMonitor::finished(const TFinishedExport& done) {
  const THistoryEntry entry = HistoryEntryOf(done);
  const bool recorded = record(entry);
  FLastExport = entry;
  if (IsGoodOutcome(done.Verdict.Outcome) &&
      (!FNewestGood || SecondsOf(entry.Stamp) > SecondsOf(*FNewestGood)))
    FNewestGood = entry.Stamp;
  refreshHint();
  if (recorded && IsGoodOutcome(done.Verdict.Outcome)) applyRetention(done);
  if (const std::optional<TNotice> notice = NoticeOfExport(done, fileExists(done.LogPath()))) show(*notice);
  showHistoryFailureOnce();
}

bool TBackupMonitor::record(const THistoryEntry& entry) {
  DWORD error = 0;
  if (FHistory.Append(entry, error)) return true;
  if (!FHistoryFailureShown && !FHistoryError) FHistoryError = error;
  return false;
}

// Shown once in the program's life, after everything else of the export is done: the
// message box runs a message loop in which timers, exports and the schedule go on.
void TBackupMonitor::showHistoryFailureOnce() {
  if (!FHistoryError || FHistoryFailureShown) return;
  FHistoryFailureShown = true;
  const DWORD error = *FHistoryError;
  FHistoryError.reset();
  Application.ShowMessageBox(
      FormatText("无法写入备份记录 %s(%s)。\r\n备份照常进行,结果不能记入备份记录。这个提示只显示一次。",
                 {FHistory.Path(), SystemErrorText(error)}),
      {}, MB_OK | MB_ICONWARNING);
}

// Old pairs go only after a good export, and only those the history names.
void TBackupMonitor::applyRetention(const TFinishedExport& done) {
  const int keep = ParseKeepBackups(TIniFile(FSettingsPath).ReadString(SettingsSection, "KeepBackups", ""));
  if (keep <= 0 || (done.DataPath.empty() && done.UserName.empty())) return;
  for (const THistoryEntry& old : SelectForRemoval(FHistory.Read(), done.DataPath, done.UserName, keep)) {
    if (old.LogPath != done.LogPath()) removePair(old);  // never the export that just ended
  }
}

// The dump first: a dump that cannot be deleted keeps its log too, and the pair is
// tried again after the next good export. A deletion is recorded.
bool TBackupMonitor::removePair(const THistoryEntry& entry) {
  const std::optional<std::string> dump = DumpPathOfLog(entry.LogPath);
  if (!dump) return false;
  const std::uint64_t dumpSize = FileSizeOf(*dump);
  const bool dumpThere = fileExists(*dump);
  if (dumpThere && !DeleteFileA(dump->c_str())) return false;
  const bool logDeleted = fileExists(entry.LogPath) && DeleteFileA(entry.LogPath.c_str());
  if (!dumpThere && !logDeleted) return false;
  record(RemovedEntryOf(entry, dumpThere ? dumpSize : 0));
  return true;
}

void TBackupMonitor::show(const TNotice& notice) {
  FBalloonTarget = notice.OpenPath;
  FTray.ShowBalloonHint(notice.Title, notice.Text, balloonIcon(notice.Icon));
}

// The hint keeps its first line; the second follows the last export.
void TBackupMonitor::refreshHint() {
  const std::string hint = FTray.Hint();
  FTray.SetHint(hint.substr(0, hint.find('\n')) + HintLine());
}

// In the system's viewer for the file (Notepad for a log, as Windows sets it up);
// Notepad itself when no program is registered for the file's kind.
void TBackupMonitor::openBalloonTarget() const {
  if (FBalloonTarget.empty() || !fileExists(FBalloonTarget)) return;
  const auto opened = reinterpret_cast<INT_PTR>(
      ShellExecuteA(nullptr, "open", FBalloonTarget.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  if (opened > 32) return;
  const std::string quoted = "\"" + FBalloonTarget + "\"";
  ShellExecuteA(nullptr, "open", "notepad.exe", quoted.c_str(), nullptr, SW_SHOWNORMAL);
}

}  // namespace velmora
