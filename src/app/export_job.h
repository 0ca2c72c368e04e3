// The export job: one run of Oracle's exp, started the way WinExec starts a program
// (same command line, same show flag, same search for exp) with a command line built
// from the settings and a UTC+8 stamp. The program does not wait for it; the process
// handle is kept so that the export can be followed to its end.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "app/backup_stamp.h"
#include "framework/exception.h"
#include "framework/kernel_handle.h"

namespace velmora {

// Base name (folder, user name, stamp) of the latest dump/log pair.
extern std::string CurrentBackupBase;

using UtcClock = std::function<SYSTEMTIME()>;
SYSTEMTIME SystemUtcTime();

// Reads the clock once and sets CurrentBackupBase from BackupSettings.
void BuildBackupBase(const UtcClock& clock = SystemUtcTime);

struct TExportLaunch {
  std::string CommandLine;
  UINT Result = 0;  // what WinExec answers: above 31 when exp was started
  bool Started() const { return Result > 31; }
  DWORD Error = 0;        // the system's error when exp could not be started
  TKernelHandle Process;  // the started exp
  ULONGLONG StartTick = 0;
  // The dump/log pair's base name and what it was built from: the folder, the user and
  // the UTC+8 stamp (the folder and user are empty when the base name was not built
  // by BuildBackupBase).
  std::string Base, DataPath, UserName;
  TDateTimeParts Stamp;
};

// The system's text for why exp could not be started.
std::string StartErrorText(const TExportLaunch& launch);

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
// `launched` is given the launch first, started or not.
using TLaunchedEvent = std::function<void(TExportLaunch& launch)>;
void RunManualBackup(const UtcClock& clock = SystemUtcTime, const TLaunchedEvent& launched = {});

}  // namespace velmora
