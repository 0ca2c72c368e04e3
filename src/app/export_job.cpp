// The export job.
#include "app/export_job.h"

#include <set>

#include "framework/win_string.h"

namespace velmora {

std::string CurrentBackupBase;

namespace {

// Base names this process has handed to exp; exp may not have created its files yet.
std::set<std::string>& launchedBases() {
  static std::set<std::string> bases;
  return bases;
}

bool fileExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool baseIsTaken(const std::string& base) {
  return launchedBases().count(base) || fileExists(base + ".log") || fileExists(base + ".dmp");
}

TDateTimeParts partsOf(const SYSTEMTIME& t) {
  return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

}  // namespace

SYSTEMTIME SystemUtcTime() {
  SYSTEMTIME now;
  GetSystemTime(&now);
  return now;
}

void BuildBackupBase(const UtcClock& clock) {
  const TDateTimeParts stamp = BackupStampFromUtc(partsOf(clock()));
  CurrentBackupBase = FormatBackupBase(BackupSettings.DataPath, BackupSettings.UserName, stamp);
}

TExportLaunch LaunchExport(int show) {
  CurrentBackupBase = DistinctBackupBase(CurrentBackupBase, baseIsTaken);
  launchedBases().insert(CurrentBackupBase);

  TExportLaunch launch;
  launch.CommandLine = BuildExportCommandLine(BackupSettings, CurrentBackupBase);
  launch.Result = WinExec(launch.CommandLine.c_str(), static_cast<UINT>(show));
  return launch;
}

void RunManualBackup(const UtcClock& clock) {
  BuildBackupBase(clock);
  const TExportLaunch launch = LaunchExport(SW_SHOWNORMAL);
  if (!launch.Started()) {
    const std::string reason =
        launch.Result == 0 ? std::string("系统内存或资源不足") : SystemErrorText(launch.Result);
    throw EExportNotStarted(FormatText(
        "备份没有启动:无法运行 exp(%s)。请确认已安装 Oracle 客户端,exp 在程序目录或 PATH 中!",
        {reason}));
  }
}

}  // namespace velmora
