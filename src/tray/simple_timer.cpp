// Simple timers and their shared hidden window.
#include "tray/simple_timer.h"

#include "framework/application.h"
#include "framework/hidden_window.h"

namespace velmora {

namespace {

const char HandlerClassName[] = "VelmoraSimpleTimerWindow";

// When the module goes, a handler that is still there goes with it.
struct HandlerAtModuleEnd {
  ~HandlerAtModuleEnd() { TSimpleTimerHandler::DestroyInstance(); }
} handlerAtModuleEnd;

}  // namespace

TSimpleTimerHandler::TSimpleTimerHandler()
    : FWindow(MakeHiddenWindow(HandlerClassName, WindowProc, HWND_MESSAGE, 0, "", this)) {}

void TSimpleTimerHandler::DestroyInstance() {
  delete FInstance;
  FInstance = nullptr;
}

TSimpleTimerHandler::~TSimpleTimerHandler() {
  if (FWindow) DestroyWindow(FWindow);
}

void TSimpleTimerHandler::Register(TSimpleTimer* timer) {
  if (!FInstance) FInstance = new TSimpleTimerHandler();
  ++FInstance->FRefCount;
  FInstance->FTimers.insert(timer);
}

void TSimpleTimerHandler::Unregister(TSimpleTimer* timer) {
  if (!FInstance) return;
  FInstance->FTimers.erase(timer);
  if (FInstance->FRefCount > 0) --FInstance->FRefCount;
  if (FInstance->FRefCount == 0) {
    delete FInstance;
    FInstance = nullptr;
  }
}

LRESULT CALLBACK TSimpleTimerHandler::WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* handler = static_cast<TSimpleTimerHandler*>(HiddenWindowObject(window, msg, lParam));
  if (msg == WM_TIMER && handler) {
    // The timer whose Id is wParam, if it still lives: a tick already queued for a
    // timer that is gone finds nobody.
    auto* timer = reinterpret_cast<TSimpleTimer*>(wParam);
    if (handler->FTimers.count(timer)) {
      try {
        timer->tick();
      } catch (...) {
        Application.HandleException();
      }
    }
    return 0;
  }
  return DefWindowProcA(window, msg, wParam, lParam);
}

TSimpleTimer::TSimpleTimer() : TSimpleTimer(1000, nullptr) {}

TSimpleTimer::TSimpleTimer(unsigned interval, TNotifyEvent onTimer)
    : FId(reinterpret_cast<UINT_PTR>(this)), FInterval(interval) {
  SetOnTimer(std::move(onTimer));
  TSimpleTimerHandler::Register(this);
}

TSimpleTimer::~TSimpleTimer() {
  if (FActive) Stop(true);
  TSimpleTimerHandler::Unregister(this);
}

bool TSimpleTimer::Start() {
  if (FInterval == 0) return false;
  if (FActive) Stop(true);
  TSimpleTimerHandler* handler = TSimpleTimerHandler::Instance();
  if (!handler || !SetTimer(handler->Window(), FId, FInterval, nullptr)) return false;
  FActive = true;
  ++handler->FActiveTimers;
  return true;
}

bool TSimpleTimer::Stop(bool disable) {
  if (disable) FActive = false;
  TSimpleTimerHandler* handler = TSimpleTimerHandler::Instance();
  const bool killed = handler && KillTimer(handler->Window(), FId);
  if (killed && handler->FActiveTimers > 0) --handler->FActiveTimers;
  return killed;
}

void TSimpleTimer::SetActive(bool active) {
  if (active)
    Start();
  else
    Stop(true);
}

void TSimpleTimer::SetInterval(unsigned interval) {
  if (interval == FInterval) return;
  FInterval = interval;
  if (!FActive) return;
  if (interval != 0)
    Start();
  else
    Stop(false);
}

void TSimpleTimer::SetOnTimer(TNotifyEvent onTimer) {
  FOnTimer = std::move(onTimer);
  if (!FOnTimer && FActive) Stop(false);
}

void TSimpleTimer::tick() {
  if (OneShot) Stop(true);
  // A copy runs, so the event may replace itself or free the timer.
  if (TNotifyEvent event = FOnTimer) event(this);
}

}  // namespace velmora
