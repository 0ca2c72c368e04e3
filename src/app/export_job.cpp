// The export job.
#include "app/export_job.h"

#include <set>
#include <vector>

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

// What the latest BuildBackupBase built CurrentBackupBase from.
struct BuiltBase {
  std::string Base, DataPath, UserName;
  TDateTimeParts Stamp;
};
BuiltBase& lastBuiltBase() {
  static BuiltBase built;
  return built;
}

// What WinExec amounts to: CreateProcess with the command line as the program's own
// (so exp is searched for in the same places), the show flag in STARTUPINFO, no
// inherited handles. WinExec then waits up to 30 s for a windowed program to become
// idle; exp is a console program, for which that wait ends at once, so it is left out
// and nothing here can hold the window up. Only the process handle is kept.
void startProcess(TExportLaunch& launch, int show) {
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(show);
  std::vector<char> commandLine(launch.CommandLine.begin(), launch.CommandLine.end());
  commandLine.push_back('\0');  // CreateProcessA may write into its command line
  PROCESS_INFORMATION started{};
  if (CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                     &started)) {
    CloseHandle(started.hThread);
    launch.Process = TKernelHandle(started.hProcess);
    launch.StartTick = GetTickCount64();
    launch.Result = 33;
  } else {
    launch.Error = GetLastError();
    launch.Result = launch.Error < 32 ? launch.Error : ERROR_BAD_FORMAT;
  }
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
  lastBuiltBase() = {CurrentBackupBase, BackupSettings.DataPath, BackupSettings.UserName, stamp};
}

TExportLaunch LaunchExport(int show) {
  TExportLaunch launch;
  if (lastBuiltBase().Base == CurrentBackupBase) {
    launch.DataPath = lastBuiltBase().DataPath;
    launch.UserName = lastBuiltBase().UserName;
    launch.Stamp = lastBuiltBase().Stamp;
  } else {
    SYSTEMTIME now = SystemUtcTime();
    launch.Stamp = BackupStampFromUtc(partsOf(now));
  }
  CurrentBackupBase = DistinctBackupBase(CurrentBackupBase, baseIsTaken);
  launchedBases().insert(CurrentBackupBase);

  launch.Base = CurrentBackupBase;
  launch.CommandLine = BuildExportCommandLine(BackupSettings, CurrentBackupBase);
  startProcess(launch, show);
  return launch;
}

std::string StartErrorText(const TExportLaunch& launch) {
  return launch.Error == 0 ? std::string("系统内存或资源不足") : SystemErrorText(launch.Error);
}

void RunManualBackup(const UtcClock& clock, const TLaunchedEvent& launched) {
  BuildBackupBase(clock);
  TExportLaunch launch = LaunchExport(SW_SHOWNORMAL);
  const bool started = launch.Started();
  const std::string reason = started ? std::string() : StartErrorText(launch);
  if (launched) launched(launch);
  if (!started) {
    throw EExportNotStarted(FormatText(
        "备份没有启动:无法运行 exp(%s)。请确认已安装 Oracle 客户端,exp 在程序目录或 PATH 中!",
        {reason}));
  }
}

}  // namespace velmora
