// The gallery switches skins at run time: every control that was skinned stays skinned
// and takes the new skin's look, switching back gives the very pixels of the first
// skin, a package that does not load leaves the skin in use, and a hundred switches
// leave no GDI object behind.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <memory>
#include <vector>

#include "framework/application.h"
#include "framework/gdi_object.h"
#include "gallery/gallery_form.h"
#include "skin/data/skin_manager_link.h"
#include "skin/forms/skin_manager.h"
#include "skin/forms/skin_messages.h"
#include "support/test_support.h"

namespace velmora {
namespace {

class SkinSwitchTest : public testing::Test {
 protected:
  void SetUp() override {
    UseSkinManager();
    Form = std::make_unique<TGalleryForm>();
    Form->Show();
    ASSERT_TRUE(test::WaitUntil([&] { return !skinnedControls().empty() && settled(); }));
    Skinned = skinnedControls();
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
          control && control->HandleAllocated() && SendMessageA(control->Handle(), WM_SKINQUERY, 0, 0) == 1)
        controls.push_back(control);
    return controls;
  }
  static bool settled() {
    auto* manager = dynamic_cast<TSkinManage*>(SkinManager());
    return manager && !manager->ActionPending();
  }
  // Switches and waits until the skin manager has refreshed every window.
  bool switchTo(const std::string& path) {
    const bool switched = Form->SwitchSkin(path);
    test::WaitUntil([] { return false; }, std::chrono::milliseconds(20));
    return test::WaitUntil(settled) && switched;
  }
  // Each skinned control as it paints itself into a bitmap of its size.
  std::map<TWinControl*, std::vector<COLORREF>> faces() const {
    std::map<TWinControl*, std::vector<COLORREF>> result;
    for (TWinControl* control : Skinned) {
      TBitmap bitmap(control->Width(), control->Height());
      MemoryDC dc;
      {
        SelectScope select(dc, bitmap.Handle());
        SendMessageA(control->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(dc.Get()), 0);
        GdiFlush();
      }
      std::vector<COLORREF>& pixels = result[control];
      for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x) pixels.push_back(bitmap.Pixel(x, y));
    }
    return result;
  }

  std::unique_ptr<TGalleryForm> Form;
  std::vector<TWinControl*> Skinned;
};

TEST_F(SkinSwitchTest, EveryControlTakesTheNewSkinAndComesBackExactly) {
  ASSERT_GE(Skinned.size(), 8u) << "the gallery's controls are skinned";
  const auto first = faces();
  const std::string firstName = Form->Skin()->SkinName;

  ASSERT_TRUE(switchTo(VELMORA_SAGE_SKIN_PATH));
  EXPECT_EQ(Form->Skin()->SkinName, "Velmora Sage");
  char panel[64] = {};
  HWND status = FindWindowExA(Form->Handle(), nullptr, "msctls_statusbar32", nullptr);
  if (!status) status = FindWindowExA(Form->Handle(), nullptr, "TStatusBar", nullptr);
  ASSERT_NE(status, nullptr);
  SendMessageA(status, SB_GETTEXTA, 1, reinterpret_cast<LPARAM>(panel));
  EXPECT_STREQ(panel, "Skin: Velmora Sage");
  EXPECT_EQ(skinnedControls(), Skinned) << "every control is still skinned";
  const auto second = faces();
  int changed = 0;
  for (TWinControl* control : Skinned) changed += first.at(control) != second.at(control);
  EXPECT_GE(changed * 2, static_cast<int>(Skinned.size())) << "most controls look different in the second skin";

  ASSERT_TRUE(switchTo(""));
  EXPECT_EQ(Form->Skin()->SkinName, firstName);
  const auto back = faces();
  for (TWinControl* control : Skinned) EXPECT_TRUE(first.at(control) == back.at(control)) << control->Name();
}

TEST_F(SkinSwitchTest, APackageThatDoesNotLoadLeavesTheSkinInUse) {
  const auto before = faces();
  test::TempFolder folder;
  const std::string bad = folder / "bad.vskin";
  test::WriteFileBytes(bad, "not a skin package");
  std::vector<std::string> said;
  Form->Skin()->SetMessageSink([&](const std::string& text) { said.push_back(text); });
  EXPECT_FALSE(Form->SwitchSkin(bad));
  EXPECT_FALSE(said.empty()) << "the bad package is reported";
  EXPECT_FALSE(Form->SwitchSkin(folder / "missing.vskin"));
  EXPECT_FALSE(Form->Skin()->NoSkin());
  test::WaitUntil(settled);
  EXPECT_EQ(skinnedControls(), Skinned);
  EXPECT_TRUE(faces() == before);
}

TEST_F(SkinSwitchTest, AHundredSwitchesLeaveNoGdiObjectBehind) {
  ASSERT_TRUE(switchTo(VELMORA_SAGE_SKIN_PATH));
  ASSERT_TRUE(switchTo(""));
  faces();
  const int before = GdiCounters::LiveTotal();
  for (int i = 0; i < 100; ++i) ASSERT_TRUE(switchTo(i % 2 == 0 ? VELMORA_SAGE_SKIN_PATH : ""));
  faces();
  EXPECT_EQ(GdiCounters::LiveTotal(), before);
}

}  // namespace
}  // namespace velmora
