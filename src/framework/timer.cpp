// Window timers.
#include "framework/timer.h"

#include "framework/application.h"
#include "framework/hidden_window.h"

namespace velmora {

namespace {
const char TimerClassName[] = "VelmoraTimerWindow";
}

const TClassInfo& TTimer::StaticClassInfo() {
  static const TClassInfo info{
      "TTimer",
      &TComponent::StaticClassInfo(),
      {
          props::Boolean<TTimer>("Enabled", &TTimer::Enabled, &TTimer::SetEnabled),
          props::Integer<TTimer, unsigned>("Interval", &TTimer::Interval, &TTimer::SetInterval),
          props::Event<TTimer>("OnTimer", &TTimer::OnTimer),
      },
      [](TComponent* owner) -> TComponent* { return new TTimer(owner); }};
  return info;
}

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
  FWindow = MakeHiddenWindow(TimerClassName, TimerWindowProc, HWND_MESSAGE);
  SetWindowLongPtrA(FWindow, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TTimer::~TTimer() {
  FEnabled = false;
  if (FWindow) {
    KillTimer(FWindow, 1);
    DestroyWindow(FWindow);
  }
}

void TTimer::SetEnabled(bool v) {
  if (v == FEnabled) return;
  FEnabled = v;
  update();
}

void TTimer::SetInterval(unsigned ms) {
  if (ms == FInterval) return;
  FInterval = ms;
  update();
}

void TTimer::SetOnTimer(TNotifyEvent handler) {
  OnTimer = std::move(handler);
  update();
}

// The timer runs while enabled, with an interval and a handler, once loading is done.
void TTimer::update() {
  if (!FWindow) return;
  KillTimer(FWindow, 1);
  if (FEnabled && FInterval > 0 && OnTimer && !IsLoading()) SetTimer(FWindow, 1, FInterval, nullptr);
}

LRESULT CALLBACK TTimer::TimerWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_TIMER) {
    auto* timer = reinterpret_cast<TTimer*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (timer && timer->FEnabled && timer->OnTimer) {
      try {
        timer->OnTimer(timer);
      } catch (...) {
        Application.HandleException();
      }
    }
    return 0;
  }
  return DefWindowProcA(window, msg, wParam, lParam);
}

}  // namespace velmora
