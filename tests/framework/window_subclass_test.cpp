// Subclassing of real windows: messages recorded through the layers, layers stacked
// and taken out in either order, a foreign subclass on top, a destroyed window, a
// layer taken out inside its own message, and Unicode windows.
#include "framework/window_subclass.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velmora {
namespace {

constexpr UINT WM_PROBE = WM_APP + 11;

std::vector<std::string>* journal = nullptr;

LRESULT CALLBACK recordingProcA(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_PROBE) {
    if (journal) journal->push_back("window " + std::to_string(wParam));
    return 100 + static_cast<LRESULT>(wParam);
  }
  return DefWindowProcA(window, msg, wParam, lParam);
}

LRESULT CALLBACK recordingProcW(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_PROBE) {
    if (journal) journal->push_back("window " + std::to_string(wParam));
    return 100 + static_cast<LRESULT>(wParam);
  }
  return DefWindowProcW(window, msg, wParam, lParam);
}

LRESULT CALLBACK foreignProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
WNDPROC foreignPrevious = nullptr;
LRESULT CALLBACK foreignProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_PROBE && journal) journal->push_back("foreign");
  return CallWindowProcA(foreignPrevious, window, msg, wParam, lParam);
}

HWND makeWindowA() {
  WNDCLASSA wc{};
  if (!GetClassInfoA(GetModuleHandleA(nullptr), "SubclassTestA", &wc)) {
    wc.lpfnWndProc = recordingProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "SubclassTestA";
    RegisterClassA(&wc);
  }
  return CreateWindowExA(0, "SubclassTestA", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
}

HWND makeWindowW() {
  WNDCLASSW wc{};
  if (!GetClassInfoW(GetModuleHandleW(nullptr), L"SubclassTestW", &wc)) {
    wc.lpfnWndProc = recordingProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"SubclassTestW";
    RegisterClassW(&wc);
  }
  return CreateWindowExW(0, L"SubclassTestW", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

// A layer that records the probe messages it sees under `name` and passes them on.
TSubclassProc recorder(const std::string& name) {
  return [name](UINT msg, WPARAM wParam, LPARAM lParam, const TSubclassNext& next) {
    if (msg == WM_PROBE) journal->push_back(name + " " + std::to_string(wParam));
    return next(msg, wParam, lParam);
  };
}

struct WindowSubclassTest : testing::Test {
  WindowSubclassTest() {
    journal = &seen;
    window = makeWindowA();
    original = GetWindowLongPtrA(window, GWLP_WNDPROC);
  }
  ~WindowSubclassTest() override {
    if (IsWindow(window)) DestroyWindow(window);
    journal = nullptr;
  }
  LRESULT probe(WPARAM n) { return SendMessageA(window, WM_PROBE, n, 0); }
  LONG_PTR procedure() const { return GetWindowLongPtrA(window, GWLP_WNDPROC); }
  LONG_PTR ours() const { return reinterpret_cast<LONG_PTR>(TWindowSubclass::InstalledProcedure()); }

  std::vector<std::string> seen;
  HWND window = nullptr;
  LONG_PTR original = 0;
};

TEST_F(WindowSubclassTest, LayerSeesMessagesFirstAndMayAnswerThemItself) {
  TWindowSubclass layer;
  ASSERT_TRUE(layer.Attach(window, [](UINT msg, WPARAM wParam, LPARAM lParam, const TSubclassNext& next) {
    if (msg == WM_PROBE && wParam == 2) {
      journal->push_back("layer answers 2");
      return LRESULT{7};
    }
    if (msg == WM_PROBE) journal->push_back("layer " + std::to_string(wParam));
    return next(msg, wParam, lParam);
  }));
  EXPECT_EQ(layer.Window(), window);
  EXPECT_EQ(procedure(), ours());
  EXPECT_EQ(probe(1), 101);  // the window's own answer comes back through the layer
  EXPECT_EQ(probe(2), 7);
  EXPECT_EQ(seen, (std::vector<std::string>{"layer 1", "window 1", "layer answers 2"}));
  layer.Detach();
  EXPECT_EQ(procedure(), original);
  EXPECT_FALSE(TWindowSubclass::IsSubclassed(window));
  seen.clear();
  probe(3);
  EXPECT_EQ(seen, (std::vector<std::string>{"window 3"}));
}

TEST_F(WindowSubclassTest, StackedLayersComeOffInEitherOrder) {
  struct Case {
    const char* name;
    bool innerFirst;
  };
  for (const Case c : {Case{"outer taken out first", false}, Case{"inner taken out first", true}}) {
    SCOPED_TRACE(c.name);
    seen.clear();
    TWindowSubclass inner, outer;
    ASSERT_TRUE(inner.Attach(window, recorder("inner")));
    ASSERT_TRUE(outer.Attach(window, recorder("outer")));
    probe(1);
    EXPECT_EQ(seen, (std::vector<std::string>{"outer 1", "inner 1", "window 1"}));
    seen.clear();
    (c.innerFirst ? inner : outer).Detach();
    EXPECT_EQ(procedure(), ours());
    probe(2);
    EXPECT_EQ(seen, (std::vector<std::string>{c.innerFirst ? "outer 2" : "inner 2", "window 2"}));
    (c.innerFirst ? outer : inner).Detach();
    EXPECT_EQ(procedure(), original);
    seen.clear();
    probe(3);
    EXPECT_EQ(seen, (std::vector<std::string>{"window 3"}));
  }
}

TEST_F(WindowSubclassTest, ForeignSubclassOnTopKeepsOursAsAPassThrough) {
  TWindowSubclass layer;
  ASSERT_TRUE(layer.Attach(window, recorder("ours")));
  foreignPrevious = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(foreignProc)));
  layer.Detach();  // cannot put the original back: the foreign procedure calls ours
  EXPECT_EQ(procedure(), reinterpret_cast<LONG_PTR>(foreignProc));
  probe(1);
  EXPECT_EQ(seen, (std::vector<std::string>{"foreign", "window 1"}));

  // A new layer joins the pass-through and is taken out again.
  seen.clear();
  TWindowSubclass again;
  ASSERT_TRUE(again.Attach(window, recorder("again")));
  probe(2);
  EXPECT_EQ(seen, (std::vector<std::string>{"foreign", "again 2", "window 2"}));
  again.Detach();

  // The foreign layer takes itself out: ours is in front and comes off at its next chance.
  SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(foreignPrevious));
  EXPECT_EQ(procedure(), ours());
  probe(3);
  EXPECT_EQ(procedure(), original);
}

TEST_F(WindowSubclassTest, DestroyedWindowIsLetGoWithoutRestoring) {
  TWindowSubclass layer;
  bool sawLastMessage = false;
  ASSERT_TRUE(layer.Attach(window, [&](UINT msg, WPARAM wParam, LPARAM lParam, const TSubclassNext& next) {
    if (msg == WM_NCDESTROY) sawLastMessage = true;
    return next(msg, wParam, lParam);
  }));
  DestroyWindow(window);
  EXPECT_TRUE(sawLastMessage);
  EXPECT_EQ(layer.Window(), nullptr);
  EXPECT_FALSE(layer.Attached());
  layer.Detach();  // nothing left to restore onto
  EXPECT_FALSE(layer.Attach(window, recorder("late")));
}

TEST_F(WindowSubclassTest, LayerTakenOutInsideItsOwnMessage) {
  TWindowSubclass layer;
  int nestingInside = 0;
  ASSERT_TRUE(layer.Attach(window, [&](UINT msg, WPARAM wParam, LPARAM lParam, const TSubclassNext& next) {
    if (msg != WM_PROBE) return next(msg, wParam, lParam);
    nestingInside = layer.Nesting();
    layer.Detach();
    journal->push_back("layer " + std::to_string(wParam));
    // Still inside: the procedure stays until the message is done, and passing on works.
    journal->push_back(procedure() == ours() ? "still ours" : "already restored");
    return next(msg, wParam, lParam) + 1;
  }));
  EXPECT_EQ(probe(1), 102);
  EXPECT_EQ(nestingInside, 1);
  EXPECT_EQ(seen, (std::vector<std::string>{"layer 1", "still ours", "window 1"}));
  EXPECT_EQ(procedure(), original);
}

TEST_F(WindowSubclassTest, NestedMessagesReachEveryLayerAgain) {
  TWindowSubclass layer;
  int deepest = 0;
  ASSERT_TRUE(layer.Attach(window, [&](UINT msg, WPARAM wParam, LPARAM lParam, const TSubclassNext& next) {
    if (msg == WM_PROBE) {
      deepest = std::max(deepest, layer.Nesting());
      if (wParam > 0) SendMessageA(next.Window(), WM_PROBE, wParam - 1, 0);
    }
    return next(msg, wParam, lParam);
  }));
  probe(2);
  EXPECT_EQ(deepest, 3);
  EXPECT_EQ(seen, (std::vector<std::string>{"window 0", "window 1", "window 2"}));
  EXPECT_EQ(layer.Nesting(), 0);
}

TEST_F(WindowSubclassTest, UnicodeWindowKeepsItsForm) {
  HWND wide = makeWindowW();
  ASSERT_TRUE(IsWindowUnicode(wide));
  const LONG_PTR before = GetWindowLongPtrW(wide, GWLP_WNDPROC);
  std::wstring text;
  TWindowSubclass layer;
  ASSERT_TRUE(layer.Attach(wide, [&](UINT msg, WPARAM wParam, LPARAM lParam, const TSubclassNext& next) {
    if (msg == WM_SETTEXT) text = reinterpret_cast<const wchar_t*>(lParam);
    return next(msg, wParam, lParam);
  }));
  EXPECT_TRUE(IsWindowUnicode(wide));
  SetWindowTextW(wide, L"\x6570\x636e");  // two Chinese characters, as UTF-16
  EXPECT_EQ(text, L"\x6570\x636e");
  wchar_t back[8] = {};
  GetWindowTextW(wide, back, 8);
  EXPECT_EQ(std::wstring(back), L"\x6570\x636e");
  EXPECT_EQ(SendMessageW(wide, WM_PROBE, 4, 0), 104);
  layer.Detach();
  EXPECT_EQ(GetWindowLongPtrW(wide, GWLP_WNDPROC), before);
  DestroyWindow(wide);
}

TEST_F(WindowSubclassTest, RefusesWindowsThatAreNotThere) {
  TWindowSubclass layer;
  EXPECT_FALSE(layer.Attach(nullptr, recorder("none")));
  EXPECT_FALSE(layer.Attach(GetDesktopWindow(), recorder("desktop")));  // another process's window
  EXPECT_FALSE(layer.Attached());
}

}  // namespace
}  // namespace velmora
