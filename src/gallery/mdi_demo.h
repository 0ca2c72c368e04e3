// An MDI parent window with two child windows and a menu bar (File, Window), for showing
// how a skin draws MDI frames, children, a plain Win32 menu bar and a maximised child's
// buttons in it. Plain Win32 windows of the gallery's own classes; the demo lives until
// its frame is closed or the demo is freed.
#pragma once

#include <windows.h>

namespace velmora {

class TMdiDemo {
 public:
  // Opens the frame with its two children, owned by `owner`.
  explicit TMdiDemo(HWND owner);
  ~TMdiDemo();
  TMdiDemo(const TMdiDemo&) = delete;
  TMdiDemo& operator=(const TMdiDemo&) = delete;

  HWND Frame() const { return FFrame; }
  bool Open() const { return FFrame && IsWindow(FFrame); }
  void BringToFront() const;

 private:
  HWND FFrame = nullptr;
};

}  // namespace velmora
