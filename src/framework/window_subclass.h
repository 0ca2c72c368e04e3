// Subclassing of existing windows: a layer sees every message of a window before the
// procedure it was put in front of, and passes messages on through `Next`. All layers
// of one window share one installed procedure with the list of layers kept in a table
// of the process, so layers can be stacked and removed in any order. The previous procedure
// goes back only while the installed one is still ours; when somebody has subclassed
// the window after us, our procedure stays in their chain as a pass-through. Nothing is
// restored onto a destroyed window, and no layer's state is freed while one of its
// messages is still being handled.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

namespace velmora {

namespace subclass_detail {
struct Chain;
struct Layer;
}  // namespace subclass_detail

// Passes a message on to the layer below, or to the window's previous procedure.
class TSubclassNext {
 public:
  LRESULT operator()(UINT msg, WPARAM wParam, LPARAM lParam) const;
  HWND Window() const;

 private:
  friend struct subclass_detail::Chain;
  TSubclassNext(subclass_detail::Chain* chain, subclass_detail::Layer* layer) : FChain(chain), FLayer(layer) {}
  subclass_detail::Chain* FChain;
  subclass_detail::Layer* FLayer;
};

// One layer's procedure: handles the message, calling `next` to pass it on (or not).
using TSubclassProc = std::function<LRESULT(UINT msg, WPARAM wParam, LPARAM lParam, const TSubclassNext& next)>;

class TWindowSubclass {
 public:
  TWindowSubclass() = default;
  ~TWindowSubclass();
  TWindowSubclass(const TWindowSubclass&) = delete;
  TWindowSubclass& operator=(const TWindowSubclass&) = delete;

  // Puts `proc` in front of the window's current procedure. False when the window is
  // not there or not of this process; an attached layer is detached first.
  bool Attach(HWND window, TSubclassProc proc);
  // Takes the layer out. Safe inside one of its own messages and after the window is
  // gone.
  void Detach();

  // The window while the layer is attached and the window lives.
  HWND Window() const;
  bool Attached() const { return Window() != nullptr; }
  // Messages of this layer being handled right now (nested calls count each).
  int Nesting() const;

  // The procedure every subclassed window of ours has in front (for tests and checks).
  static WNDPROC InstalledProcedure();
  // Whether `window` carries layers of ours (or our pass-through).
  static bool IsSubclassed(HWND window);

 private:
  std::shared_ptr<subclass_detail::Layer> FLayer;
};

}  // namespace velmora
