// Subclassing of existing windows through one installed procedure per window.
//
// Each window's chain is found through a table in the process rather than a window
// property: the procedure looks its chain up for every message, and Wine answers
// GetProp with a round trip to its server, some tens of microseconds each time.
#include "framework/window_subclass.h"

#include <algorithm>
#include <mutex>
#include <unordered_map>
#include <vector>

#include "framework/application.h"

namespace velmora {

namespace {

LRESULT CALLBACK SubclassProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

// Counts one level of nesting for the scope, also when a layer throws.
struct NestingScope {
  explicit NestingScope(int& count) : FCount(count) { ++FCount; }
  ~NestingScope() { --FCount; }
  NestingScope(const NestingScope&) = delete;
  NestingScope& operator=(const NestingScope&) = delete;
  int& FCount;
};

}  // namespace

namespace subclass_detail {

struct Layer {
  TSubclassProc Proc;
  Chain* Owner = nullptr;  // null once taken out or once the window is gone
  bool Removed = false;
  int Nesting = 0;
};

// The layers of one window, newest first, and the procedure they were put in front of.
struct Chain {
  HWND Window = nullptr;
  WNDPROC Previous = nullptr;
  bool Unicode = false;
  bool Destroyed = false;
  int Nesting = 0;
  std::vector<std::shared_ptr<Layer>> Layers;

  static Chain* Of(HWND window) {
    std::lock_guard lock(tableLock());
    auto it = table().find(window);
    return it == table().end() ? nullptr : it->second;
  }
  static void Enter(Chain* chain) {
    std::lock_guard lock(tableLock());
    table()[chain->Window] = chain;
  }
  // Takes the window's entry out if it is still this chain's.
  static void Leave(const Chain* chain) {
    std::lock_guard lock(tableLock());
    auto it = table().find(chain->Window);
    if (it != table().end() && it->second == chain) table().erase(it);
  }

  LONG_PTR currentProcedure() const {
    return Unicode ? GetWindowLongPtrW(Window, GWLP_WNDPROC) : GetWindowLongPtrA(Window, GWLP_WNDPROC);
  }

  LRESULT callPrevious(UINT msg, WPARAM wParam, LPARAM lParam) const {
    return Unicode ? CallWindowProcW(Previous, Window, msg, wParam, lParam)
                   : CallWindowProcA(Previous, Window, msg, wParam, lParam);
  }

  // The first layer still in place at `index` or below it handles the message.
  LRESULT callFrom(std::size_t index, UINT msg, WPARAM wParam, LPARAM lParam) {
    for (; index < Layers.size(); ++index) {
      if (Layers[index]->Removed) continue;
      std::shared_ptr<Layer> layer = Layers[index];  // alive while its procedure runs
      NestingScope scope(layer->Nesting);
      return layer->Proc(msg, wParam, lParam, TSubclassNext(this, layer.get()));
    }
    return callPrevious(msg, wParam, lParam);
  }

  LRESULT passOn(const Layer* after, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto it = std::find_if(Layers.begin(), Layers.end(), [after](const auto& l) { return l.get() == after; });
    if (it == Layers.end()) return callPrevious(msg, wParam, lParam);
    return callFrom(static_cast<std::size_t>(it - Layers.begin()) + 1, msg, wParam, lParam);
  }

  // The window's last message: the window is gone, its procedure stays as it is.
  void windowGone() {
    Destroyed = true;
    Leave(this);
    for (const auto& layer : Layers) layer->Owner = nullptr;
  }

  // Called when no message of the window is being handled: drops the layers taken out
  // and, when none is left, puts the previous procedure back if ours is still in
  // front. May free the chain.
  void settle() {
    Layers.erase(std::remove_if(Layers.begin(), Layers.end(), [](const auto& l) { return l->Removed; }),
                 Layers.end());
    if (!Destroyed && !IsWindow(Window)) {
      // Destroyed without our procedure seeing its last message.
      for (const auto& layer : Layers) layer->Owner = nullptr;
      Destroyed = true;
    }
    if (Destroyed) {
      Leave(this);
      delete this;
      return;
    }
    if (!Layers.empty()) return;
    if (currentProcedure() != reinterpret_cast<LONG_PTR>(SubclassProc)) return;  // a pass-through now
    if (Unicode)
      SetWindowLongPtrW(Window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Previous));
    else
      SetWindowLongPtrA(Window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Previous));
    Leave(this);
    delete this;
  }

 private:
  static std::unordered_map<HWND, Chain*>& table() {
    static std::unordered_map<HWND, Chain*> chains;
    return chains;
  }
  static std::mutex& tableLock() {
    static std::mutex lock;
    return lock;
  }
};

}  // namespace subclass_detail

using subclass_detail::Chain;
using subclass_detail::Layer;

namespace {

LRESULT CALLBACK SubclassProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  Chain* chain = Chain::Of(window);
  if (!chain)
    return IsWindowUnicode(window) ? DefWindowProcW(window, msg, wParam, lParam)
                                   : DefWindowProcA(window, msg, wParam, lParam);
  LRESULT result = 0;
  {
    NestingScope scope(chain->Nesting);
    try {
      result = chain->callFrom(0, msg, wParam, lParam);
    } catch (...) {
      // No exception crosses into Win32: the application's error box shows it.
      Application.HandleException();
    }
    if (msg == WM_NCDESTROY) chain->windowGone();
  }
  if (chain->Nesting == 0) chain->settle();
  return result;
}

}  // namespace

LRESULT TSubclassNext::operator()(UINT msg, WPARAM wParam, LPARAM lParam) const {
  return FChain->passOn(FLayer, msg, wParam, lParam);
}

HWND TSubclassNext::Window() const { return FChain->Window; }

TWindowSubclass::~TWindowSubclass() { Detach(); }

bool TWindowSubclass::Attach(HWND window, TSubclassProc proc) {
  Detach();
  if (!window || !IsWindow(window)) return false;
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != GetCurrentProcessId()) return false;

  Chain* chain = Chain::Of(window);
  if (!chain) {
    auto made = std::make_unique<Chain>();
    made->Window = window;
    made->Unicode = IsWindowUnicode(window) != FALSE;
    Chain::Enter(made.get());  // before the procedure is in place: it may be called at once
    const LONG_PTR ours = reinterpret_cast<LONG_PTR>(SubclassProc);
    const LONG_PTR previous = made->Unicode ? SetWindowLongPtrW(window, GWLP_WNDPROC, ours)
                                            : SetWindowLongPtrA(window, GWLP_WNDPROC, ours);
    if (!previous) {
      Chain::Leave(made.get());
      return false;
    }
    made->Previous = reinterpret_cast<WNDPROC>(previous);
    chain = made.release();
  }
  FLayer = std::make_shared<Layer>();
  FLayer->Proc = std::move(proc);
  FLayer->Owner = chain;
  chain->Layers.insert(chain->Layers.begin(), FLayer);
  return true;
}

void TWindowSubclass::Detach() {
  if (!FLayer) return;
  std::shared_ptr<Layer> layer = std::move(FLayer);
  Chain* chain = layer->Owner;
  layer->Removed = true;
  layer->Owner = nullptr;
  if (chain && chain->Nesting == 0) chain->settle();
}

HWND TWindowSubclass::Window() const { return FLayer && FLayer->Owner ? FLayer->Owner->Window : nullptr; }

int TWindowSubclass::Nesting() const { return FLayer ? FLayer->Nesting : 0; }

WNDPROC TWindowSubclass::InstalledProcedure() { return SubclassProc; }

bool TWindowSubclass::IsSubclassed(HWND window) { return window && Chain::Of(window) != nullptr; }

}  // namespace velmora
