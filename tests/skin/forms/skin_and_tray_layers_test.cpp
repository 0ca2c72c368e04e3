// The form skin and the tray icon both put a layer on the main window's procedure. In
// either order both keep working, either can go first (also from under the other), and
// once both are gone the window has its own procedure again.
#include <gtest/gtest.h>

#include "skin/forms/form_skin_fixture.h"
#include "tray/tray_icon.h"

namespace velmora::test {
namespace {

class SkinAndTrayLayersTest : public FormSkinTest {
 protected:
  std::unique_ptr<TTrayIcon> makeTray() {
    auto tray = std::make_unique<TTrayIcon>(Form.get());
    tray->SetMinimizeToTray(true);
    tray->OnMinimizeToTray = [this](TObjectSender) { ++TrayMinimizes; };
    return tray;
  }
  bool skinnedClient() const {
    RECT window{}, client{};
    GetWindowRect(Form->Handle(), &window);
    GetClientRect(Form->Handle(), &client);
    return client.right == window.right - window.left - 8 && client.bottom == window.bottom - window.top - 28;
  }
  // A minimize through the system command: the tray's layer answers it (the window
  // never minimizes); without that layer the window really minimizes.
  void minimizeAndShowAgain() {
    SendMessageA(Form->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    Pump();
    Iconic = IsIconic(Form->Handle()) != 0;
    ShowWindow(Form->Handle(), SW_RESTORE);
    Form->Show();
    Pump();
  }
  void makeForm() {
    Form = std::make_unique<TSkinnedTestForm>();
    Form->LoadFromDefinition(SkinnedFormText());
    Procedure = GetWindowLongPtrA(Form->Handle(), GWLP_WNDPROC);
  }

  LONG_PTR Procedure = 0;
  int TrayMinimizes = 0;
  bool Iconic = false;
};

TEST_F(SkinAndTrayLayersTest, SkinBelowTheTrayThenTheSkinGoesFirst) {
  makeForm();
  Form->Show();
  ASSERT_TRUE(WaitSkinned(Form->Handle()));
  auto tray = makeTray();
  EXPECT_TRUE(skinnedClient());
  minimizeAndShowAgain();
  EXPECT_EQ(TrayMinimizes, 1);
  EXPECT_FALSE(Iconic);

  SkinOf(Form->Handle())->Unskin();  // the lower layer leaves under the tray's
  EXPECT_FALSE(skinnedClient());
  minimizeAndShowAgain();
  EXPECT_EQ(TrayMinimizes, 2) << "the tray's layer still answers";
  EXPECT_FALSE(Iconic);

  tray.reset();
  EXPECT_EQ(GetWindowLongPtrA(Form->Handle(), GWLP_WNDPROC), Procedure);
}

TEST_F(SkinAndTrayLayersTest, TrayBelowTheSkinThenTheTrayGoesFirst) {
  makeForm();
  auto tray = makeTray();
  Form->Show();
  ASSERT_TRUE(WaitSkinned(Form->Handle()));
  EXPECT_TRUE(skinnedClient());
  minimizeAndShowAgain();
  EXPECT_EQ(TrayMinimizes, 1) << "the minimize reaches the tray's layer through the skin's";
  EXPECT_FALSE(Iconic);
  EXPECT_TRUE(skinnedClient());

  tray.reset();  // the lower layer leaves under the skin's
  EXPECT_TRUE(skinnedClient());
  minimizeAndShowAgain();
  EXPECT_EQ(TrayMinimizes, 1);
  EXPECT_TRUE(Iconic) << "without the tray a minimize is a minimize";
  EXPECT_TRUE(skinnedClient());

  SkinOf(Form->Handle())->Unskin();
  EXPECT_EQ(GetWindowLongPtrA(Form->Handle(), GWLP_WNDPROC), Procedure);
}

}  // namespace
}  // namespace velmora::test
