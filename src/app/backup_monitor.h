// The program's watch over its backups: each export is followed to its end and
// appended to the history; the user is told through the tray icon (a balloon, the
// hint's second line); a warning comes when no good backup is recent; and, when the
// settings ask to keep only some backups, older recorded ones are deleted.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "app/export_notice.h"
#include "app/export_watch.h"
#include "app/history_file.h"
#include "tray/tray_icon.h"

namespace velmora {

class TBackupMonitor {
 public:
  using TDailyBackupSet = std::function<bool()>;

  // `exePath` names the history and settings files beside the program. The monitor
  // shows its balloons on `tray`, which must outlive it, and takes the tray icon's
  // balloon-click event. `dailyBackupSet` says whether the daily backup is set up.
  TBackupMonitor(const std::string& exePath, TTrayIcon& tray, TDailyBackupSet dailyBackupSet,
                 unsigned pollMs = 250);
  ~TBackupMonitor();
  TBackupMonitor(const TBackupMonitor&) = delete;
  TBackupMonitor& operator=(const TBackupMonitor&) = delete;

  // Follows a launch to its end (takes over its process handle).
  void Follow(TExportLaunch& launch, TExportKind kind);
  // Once a second: the staleness warning, when it is due.
  void Tick();
  // "\n" and the last export's outcome with its stamp; empty before any is recorded.
  std::string HintLine() const;

  const std::string& HistoryPath() const { return FHistory.Path(); }
  std::size_t Running() const { return FWatch.Running(); }

 private:
  void finished(const TFinishedExport& done);
  bool record(const THistoryEntry& entry);
  void applyRetention(const TFinishedExport& done);
  bool removePair(const THistoryEntry& entry);
  void show(const TNotice& notice);
  void refreshHint();
  void openBalloonTarget() const;
  void showHistoryFailureOnce();

  THistoryFile FHistory;
  std::string FSettingsPath;
  TTrayIcon& FTray;
  TDailyBackupSet FDailyBackupSet;
  TExportWatch FWatch;
  TStaleWarning FStale;
  std::optional<THistoryEntry> FLastExport;
  std::optional<TDateTimeParts> FNewestGood;
  std::string FBalloonTarget;
  std::optional<DWORD> FHistoryError;  // a failed write not yet shown
  bool FHistoryFailureShown = false;
};

}  // namespace velmora
