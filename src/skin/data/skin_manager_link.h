// What a skin data component asks of the process-wide skin manager. The manager itself
// lives with the form skinning, above this layer; it registers a maker here, and the
// first skin data component that finishes loading has it made. Without a maker (a
// program or test that skins no window) there is no manager and the component only
// loads its skin.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

namespace velmora {

class TSkinData;

// The manager's deferred actions.
enum TSkinAction { skaApply = 1, skaRemove = 2, skaRefresh = 3 };
// The manager's state once a window was activated and skinning runs.
inline constexpr int SkinManagerRunning = 1;

class ISkinManager {
 public:
  virtual ~ISkinManager() = default;
  virtual void AddData(TSkinData* data) = 0;
  virtual void RemoveData(TSkinData* data) = 0;
  // The skin data whose requests the next action carries out.
  virtual void SetCurrentData(TSkinData* data) = 0;
  // Carries out `action` after `delayMs` (a later request replaces an earlier one).
  virtual void SetAction(TSkinAction action, int delayMs) = 0;
  // Skins one window at once.
  virtual void SkinForm(HWND window) = 0;
  // The window-creation hook for the calling thread.
  virtual void InstallHook() = 0;
  // Re-reads the registered skin data into the skinned windows' lists.
  virtual void RefreshData() = 0;
  virtual int State() const = 0;
  virtual void SetState(int state) = 0;
  virtual void SetActive(bool active) = 0;
  // Counts changes of the skinning scope.
  virtual void AdvanceStateCounter() = 0;
};

using TSkinManagerMaker = std::function<std::unique_ptr<ISkinManager>()>;

// The global manager: null until one was made.
ISkinManager* SkinManager();
// Makes the manager with the registered maker if there is none yet; null without a maker.
ISkinManager* EnsureSkinManager();
// The maker the form skinning registers; an empty maker removes it.
void SetSkinManagerMaker(TSkinManagerMaker maker);
// Frees the manager (at the end of the program, or between tests).
void FreeSkinManager();

}  // namespace velmora
