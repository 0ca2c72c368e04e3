// A lightweight millisecond timer with no window of its own: every simple timer of the
// process shares one hidden window, owned by one handler that exists while at least one
// timer does, which receives WM_TIMER and hands each tick to its timer.
#pragma once

#include <windows.h>

#include <set>

#include "framework/rtti.h"

namespace velmora {

class TSimpleTimer;

class TSimpleTimerHandler {
 public:
  // The process's handler, or null when no timer exists.
  static TSimpleTimerHandler* Instance() { return FInstance; }

  unsigned RefCount() const { return FRefCount; }
  unsigned ActiveTimers() const { return FActiveTimers; }
  HWND Window() const { return FWindow; }

  // Destroys the handler and its window if there is one (at module end).
  static void DestroyInstance();

 private:
  friend class TSimpleTimer;
  TSimpleTimerHandler();
  ~TSimpleTimerHandler();
  static void Register(TSimpleTimer* timer);
  static void Unregister(TSimpleTimer* timer);
  static LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

  static inline TSimpleTimerHandler* FInstance = nullptr;
  unsigned FRefCount = 0;
  unsigned FActiveTimers = 0;
  HWND FWindow = nullptr;
  // The live timers: a tick already queued for a timer that is gone finds nobody.
  std::set<TSimpleTimer*> FTimers;
};

class TSimpleTimer : public TPersistent {
 public:
  TSimpleTimer();
  TSimpleTimer(unsigned interval, TNotifyEvent onTimer);
  ~TSimpleTimer() override;
  TSimpleTimer(const TSimpleTimer&) = delete;
  TSimpleTimer& operator=(const TSimpleTimer&) = delete;

  UINT_PTR Id() const { return FId; }
  bool Active() const { return FActive; }
  void SetActive(bool active);
  unsigned Interval() const { return FInterval; }
  void SetInterval(unsigned interval);
  const TNotifyEvent& OnTimer() const { return FOnTimer; }
  void SetOnTimer(TNotifyEvent onTimer);

  // False, changing nothing, when the interval is 0 or the platform refuses.
  bool Start();
  // Kills the platform timer; with `disable` the timer is no longer meant to run.
  bool Stop(bool disable);

  // Stop before the event is raised, so the timer fires once.
  bool OneShot = false;

 private:
  friend class TSimpleTimerHandler;
  void tick();

  UINT_PTR FId;
  bool FActive = false;
  unsigned FInterval;
  TNotifyEvent FOnTimer;
};

}  // namespace velmora
