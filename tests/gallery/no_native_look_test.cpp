// After each message that makes the system paint a control its own way (the focus
// arriving, enabling, a new text, a pressed state, a check), what the screen shows of
// every skinned control of the gallery is already what a full skinned repaint shows:
// no native look is left visible.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/common_controls.h"
#include "framework/gdi_object.h"
#include "gallery/gallery_form.h"
#include "skin/data/skin_manager_link.h"
#include "skin/forms/skin_manager.h"
#include "skin/forms/skin_messages.h"
#include "support/test_support.h"

namespace velmora {
namespace {

void pump(int milliseconds = 60) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  test::WaitUntil([&] { return std::chrono::steady_clock::now() > end; });
}

// The control's window as the screen shows it now.
std::vector<COLORREF> onScreen(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  const int width = r.right - r.left, height = r.bottom - r.top;
  TBitmap bitmap(width, height);
  {
    WindowDC screen(nullptr);
    MemoryDC dc;
    SelectScope select(dc, bitmap.Handle());
    BitBlt(dc, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
  }
  std::vector<COLORREF> pixels;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) pixels.push_back(bitmap.Pixel(x, y));
  return pixels;
}

class NoNativeLookTest : public testing::Test {
 protected:
  void SetUp() override {
    UseSkinManager();
    Form = std::make_unique<TGalleryForm>();
    Form->Show();
    SetForegroundWindow(Form->Handle());
    ASSERT_TRUE(test::WaitUntil([&] {
      auto* manager = dynamic_cast<TSkinManage*>(SkinManager());
      return manager && !manager->ActionPending() && !skinnedControls().empty();
    }));
    pump(300);
  }
  void TearDown() override {
    Form.reset();
    FreeSkinManager();
    SetSkinManagerMaker({});
  }
  std::vector<TWinControl*> skinnedControls() const {
    std::vector<TWinControl*> controls;
    for (TComponent* component : Form->Components())
      if (auto* control = dynamic_cast<TWinControl*>(component);
          control && control->HandleAllocated() && IsWindowVisible(control->Handle()) &&
          SendMessageA(control->Handle(), WM_SKINQUERY, 0, 0) == 1)
        controls.push_back(control);
    return controls;
  }
  // What the screen shows after `provoke`, against what it shows after a full repaint.
  void expectSkinnedAfter(const char* what, const std::function<void(HWND)>& provoke,
                          const std::function<void(HWND)>& undo = {}) {
    for (TWinControl* control : skinnedControls()) {
      const HWND window = control->Handle();
      provoke(window);
      pump();
      const std::vector<COLORREF> shown = onScreen(window);
      RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
      pump();
      EXPECT_TRUE(shown == onScreen(window)) << what << ": " << control->Name() << " (" << control->ClassName()
                                             << ") showed other pixels than its skinned repaint";
      if (undo) {
        undo(window);
        pump(20);
      }
    }
  }

  std::unique_ptr<TGalleryForm> Form;
};

TEST_F(NoNativeLookTest, FocusEnableAndText) {
  ASSERT_GE(skinnedControls().size(), 8u);
  expectSkinnedAfter("the focus", [](HWND w) { SetFocus(w); });
  expectSkinnedAfter(
      "disabled", [](HWND w) { EnableWindow(w, FALSE); }, [](HWND w) { EnableWindow(w, TRUE); });
  expectSkinnedAfter("enabled again", [](HWND w) { EnableWindow(w, TRUE); });
  expectSkinnedAfter("the same text set again", [](HWND w) {
    char text[256] = {};
    GetWindowTextA(w, text, sizeof text);
    SetWindowTextA(w, text);
  });
}

TEST_F(NoNativeLookTest, ButtonStateAndCheck) {
  const auto isButton = [](HWND w) {
    char cls[64] = {};
    GetClassNameA(w, cls, sizeof cls);
    const std::string name = cls;
    return name == "TButton" || name == "TCheckBox" || name == "TRadioButton" || name == "TBitBtn" ||
           name == "Button";
  };
  expectSkinnedAfter(
      "pressed state", [&](HWND w) { if (isButton(w)) SendMessageA(w, BM_SETSTATE, TRUE, 0); },
      [&](HWND w) { if (isButton(w)) SendMessageA(w, BM_SETSTATE, FALSE, 0); });
  expectSkinnedAfter("check toggled", [&](HWND w) {
    if (isButton(w)) SendMessageA(w, BM_SETCHECK, SendMessageA(w, BM_GETCHECK, 0, 0) == BST_CHECKED ? 0 : 1, 0);
  });
}

TEST_F(NoNativeLookTest, TabsOnEverySideFocusAndChoice) {
  auto* pages = dynamic_cast<TPageControl*>(Form->FindComponent("pgcPages"));
  ASSERT_NE(pages, nullptr);
  pages->SetActivePageIndex(2);  // the tabs page
  pump(300);
  const auto isTabControl = [](HWND w) {
    char cls[64] = {};
    GetClassNameA(w, cls, sizeof cls);
    return std::string(cls) == "TTabControl";
  };
  int tabControls = 0;
  for (TWinControl* control : skinnedControls()) tabControls += isTabControl(control->Handle());
  ASSERT_EQ(tabControls, 5) << "the tabs on every side are shown and skinned";
  expectSkinnedAfter("the focus", [](HWND w) { SetFocus(w); });
  expectSkinnedAfter("another tab chosen", [&](HWND w) {
    if (!isTabControl(w)) return;
    const LRESULT count = SendMessageA(w, TCM_GETITEMCOUNT, 0, 0);
    if (count > 0) SendMessageA(w, TCM_SETCURSEL, (SendMessageA(w, TCM_GETCURSEL, 0, 0) + 1) % count, 0);
  });
}

// Every skinned control of the gallery painted 10,000 times, and the whole window
// repainted a hundred times with its frame and every child, leave no GDI object behind.
TEST_F(NoNativeLookTest, RepaintsLeaveNoGdiObjectBehind) {
  const std::vector<TWinControl*> controls = skinnedControls();
  ASSERT_FALSE(controls.empty());
  TBitmap target(800, 600);
  MemoryDC dc;
  SelectScope select(dc, target.Handle());
  const auto paintAll = [&] {
    for (TWinControl* control : controls) SendMessageA(control->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(dc.Get()), 0);
  };
  const auto redrawWindow = [&] {
    RedrawWindow(Form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  };
  paintAll();
  redrawWindow();
  pump(100);
  const int before = GdiCounters::LiveTotal();
  for (int i = 0; i < 10000; ++i) paintAll();
  for (int i = 0; i < 100; ++i) redrawWindow();
  pump(100);
  EXPECT_EQ(GdiCounters::LiveTotal(), before);
}

}  // namespace
}  // namespace velmora
