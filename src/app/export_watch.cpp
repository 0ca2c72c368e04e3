// Following exports to their end.
#include "app/export_watch.h"

#include "framework/application.h"
#include "framework/kernel_handle.h"

namespace velmora {

namespace {

std::int64_t fileTimeUnits(const FILETIME& t) {
  return static_cast<std::int64_t>((static_cast<std::uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime);
}

// Whole seconds from the process's start to its end, as the system counted them; the
// program's own count when the system cannot say.
std::int64_t secondsTaken(const TExportLaunch& launch) {
  FILETIME created{}, exited{}, kernel{}, user{};
  if (GetProcessTimes(launch.Process.Get(), &created, &exited, &kernel, &user)) {
    const std::int64_t units = fileTimeUnits(exited) - fileTimeUnits(created);
    if (units >= 0) return (units + 5'000'000) / 10'000'000;
  }
  return static_cast<std::int64_t>((GetTickCount64() - launch.StartTick + 500) / 1000);
}

}  // namespace

std::optional<TLogSummary> ReadLogSummary(const std::string& path) {
  TKernelHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                 nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return std::nullopt;
  TLogScanner scanner;
  std::string buffer(64 * 1024, '\0');
  DWORD read = 0;
  while (ReadFile(file.Get(), buffer.data(), static_cast<DWORD>(buffer.size()), &read, nullptr) && read > 0)
    scanner.Feed(std::string_view(buffer.data(), read));
  return scanner.Finish();
}

std::uint64_t FileSizeOf(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return 0;
  if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return 0;
  return (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

TExportWatch::TExportWatch(TFinishedEvent onFinished, unsigned pollMs)
    : FOnFinished(std::move(onFinished)), FTimer(std::make_unique<TTimer>(nullptr)) {
  FTimer->SetEnabled(false);
  FTimer->SetInterval(pollMs);
  FTimer->SetOnTimer([this](TObjectSender) { Poll(); });
}

TExportWatch::~TExportWatch() { *FAlive = false; }

void TExportWatch::Follow(TExportLaunch& launch, TExportKind kind) {
  if (!launch.Started() || !launch.Process) {
    TRunning notStarted{std::move(launch), kind};
    report(finished(notStarted));
    return;
  }
  FRunning.push_back(TRunning{std::move(launch), kind});
  FTimer->SetEnabled(true);
}

// The ended exports leave the list before anyone hears of them: a handler may run a
// message loop (a message box) in which this runs again, or start another export.
void TExportWatch::Poll() {
  std::vector<TRunning> ended;
  for (auto it = FRunning.begin(); it != FRunning.end();) {
    if (WaitForSingleObject(it->Launch.Process.Get(), 0) != WAIT_TIMEOUT) {
      ended.push_back(std::move(*it));
      it = FRunning.erase(it);
    } else {
      ++it;
    }
  }
  FTimer->SetEnabled(!FRunning.empty());
  const std::shared_ptr<bool> alive = FAlive;
  for (TRunning& running : ended) {
    report(finished(running));
    if (!*alive) return;
  }
}

TFinishedExport TExportWatch::finished(TRunning& running) const {
  const TExportLaunch& launch = running.Launch;
  TFinishedExport done;
  done.Kind = running.Kind;
  done.Base = launch.Base;
  done.DataPath = launch.DataPath;
  done.UserName = launch.UserName;
  done.Stamp = launch.Stamp;
  if (!launch.Started() || !launch.Process) {
    done.Verdict.Outcome = TExportOutcome::NotStarted;
    done.ExitCode = launch.Error;
    done.StartError = StartErrorText(launch);
    return done;
  }
  DWORD exitCode = 0;
  GetExitCodeProcess(launch.Process.Get(), &exitCode);
  done.ExitCode = exitCode;
  done.Seconds = secondsTaken(launch);
  done.Verdict = JudgeExport(ReadLogSummary(done.LogPath()), exitCode);
  done.DumpSize = FileSizeOf(done.DumpPath());
  return done;
}

// The handler runs from a copy: it may free the watch. An error it raises is shown
// and the other exports are still reported.
void TExportWatch::report(const TFinishedExport& done) {
  TFinishedEvent handler = FOnFinished;
  if (!handler) return;
  try {
    handler(done);
  } catch (...) {
    Application.HandleException();
  }
}

}  // namespace velmora
