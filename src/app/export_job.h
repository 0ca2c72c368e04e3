// The export job: one run of Oracle's exp, started with WinExec and a command line
// built from the settings and a UTC+8 stamp. The program does not wait for it.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "app/backup_stamp.h"
#include "framework/exception.h"

namespace velmora {

// Base name (folder, user name, stamp) of the latest dump/log pair.
extern std::string CurrentBackupBase;

using UtcClock = std::function<SYSTEMTIME()>;
SYSTEMTIME SystemUtcTime();

// Reads the clock once and sets CurrentBackupBase from BackupSettings.
void BuildBackupBase(const UtcClock& clock = SystemUtcTime);

struct TExportLaunch {
  std::string CommandLine;
  UINT Result = 0;  // WinExec's: above 31 when exp was started
  bool Started() const { return Result > 31; }
};

// Starts exp for CurrentBackupBase with `show` (SW_SHOWNORMAL for a manual backup,
// SW_HIDE for the schedule). A base name already used by an earlier export of this
// program, or whose files exist, is given a distinct "_2", "_3"... suffix first, so two
// backups in the same second never write over each other; CurrentBackupBase follows.
TExportLaunch LaunchExport(int show);

// exp could not be started at all.
class EExportNotStarted : public Exception {
 public:
  using Exception::Exception;
};

// "立即备份": stamp, then a shown export; raises EExportNotStarted when exp cannot run.
void RunManualBackup(const UtcClock& clock = SystemUtcTime);

}  // namespace velmora
