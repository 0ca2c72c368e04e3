// A window timer for forms: OnTimer every Interval milliseconds while Enabled, on a
// hidden message window of its own.
#pragma once

#include <windows.h>

#include "framework/component.h"

namespace velmora {

class TTimer : public TComponent {
 public:
  explicit TTimer(TComponent* owner);
  ~TTimer() override;
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool v);
  unsigned Interval() const { return FInterval; }
  void SetInterval(unsigned ms);

  TNotifyEvent OnTimer;
  void SetOnTimer(TNotifyEvent handler);

 protected:
  void Loaded() override { update(); }

 private:
  static LRESULT CALLBACK TimerWindowProc(HWND, UINT, WPARAM, LPARAM);
  void update();

  bool FEnabled = true;
  unsigned FInterval = 1000;
  HWND FWindow = nullptr;
};

}  // namespace velmora
