// Exports followed to their end. Each started exp is looked at by a timer on the
// user-interface thread (no other thread, no blocking wait): when its process has
// ended, its log is read, the outcome judged and the finished export handed on. An
// export that could not be started is handed on at once. Several may run at once;
// each is followed on its own.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "app/export_job.h"
#include "app/export_outcome.h"
#include "framework/timer.h"

namespace velmora {

// Reads a log a piece at a time; nothing when there is no such file.
std::optional<TLogSummary> ReadLogSummary(const std::string& path);
// Size in bytes, 0 when the file is missing.
std::uint64_t FileSizeOf(const std::string& path);

class TExportWatch {
 public:
  using TFinishedEvent = std::function<void(const TFinishedExport& done)>;

  // `pollMs`: how often the running exports are looked at.
  explicit TExportWatch(TFinishedEvent onFinished, unsigned pollMs = 250);
  ~TExportWatch();
  TExportWatch(const TExportWatch&) = delete;
  TExportWatch& operator=(const TExportWatch&) = delete;

  // Takes over the launch's process handle.
  void Follow(TExportLaunch& launch, TExportKind kind);
  std::size_t Running() const { return FRunning.size(); }

  // Looks at the running exports now (the timer does it every `pollMs`).
  void Poll();

 private:
  struct TRunning {
    TExportLaunch Launch;
    TExportKind Kind;
  };
  TFinishedExport finished(TRunning& running) const;
  void report(const TFinishedExport& done);

  TFinishedEvent FOnFinished;
  std::vector<TRunning> FRunning;
  std::unique_ptr<TTimer> FTimer;
  // False once destruction starts: a finished-export handler may free the watch.
  std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);
};

}  // namespace velmora
