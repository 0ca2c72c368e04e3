// Balloons at the tray icon, shown by Wine's real notification area: the text arrives,
// the icon's own record keeps its flags, and a long text is cut where the shell wants.
#include <gtest/gtest.h>

#include "framework/form.h"
#include "support/test_support.h"
#include "tray/tray_icon.h"

namespace velmora {
namespace {

class TBalloonOwner : public TForm {
 public:
  TBalloonOwner() : TForm(nullptr) { SetCaption("BalloonOwner"); }
  static const TClassInfo& StaticClassInfo() {
    static const TClassInfo info{"TBalloonOwner", &TForm::StaticClassInfo(), {}, {}};
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
};

struct TrayBalloonTest : testing::Test {
  TrayBalloonTest() { icon = new TTrayIcon(&form); }
  ~TrayBalloonTest() override {
    delete icon;
    test::WaitForNoBalloon();
  }
  bool inTray() {
    NOTIFYICONDATAA data = icon->IconData();
    return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
  }
  TBalloonOwner form;
  TTrayIcon* icon;
};

TEST_F(TrayBalloonTest, ShownByTheShellWithItsTextAndTheRecordKeepsItsFlags) {
  ASSERT_TRUE(test::WaitForNoBalloon());
  EXPECT_FALSE(icon->ShowBalloonHint("title", "not in the tray", TBalloonIcon::Info));
  icon->SetHint("hint");
  icon->SetIconVisible(true);
  ASSERT_TRUE(inTray());
  ASSERT_TRUE(icon->ShowBalloonHint("备份失败", "ORA-01017: invalid username/password\n第二行", TBalloonIcon::Error));
  std::string text;
  EXPECT_TRUE(test::WaitUntil([&] { return !(text = test::VisibleBalloonText()).empty(); }));
  EXPECT_EQ(text, "ORA-01017: invalid username/password\n第二行");
  EXPECT_EQ(icon->IconData().uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
  EXPECT_EQ(icon->IconData().szInfo[0], '\0');
  EXPECT_EQ(std::string(icon->IconData().szTip), "hint");
  // A later refresh shows no balloon again: once it is gone, it stays gone.
  delete icon;
  icon = new TTrayIcon(&form);
  icon->SetIconVisible(true);
  EXPECT_TRUE(test::WaitForNoBalloon());
  icon->SetHint("another hint");
  test::WaitUntil([] { return false; }, std::chrono::milliseconds(800));
  EXPECT_EQ(test::VisibleBalloonText(), "");
}

TEST_F(TrayBalloonTest, LongTextIsCutWithoutSplittingADoubleByteCharacter) {
  ASSERT_TRUE(test::WaitForNoBalloon());
  icon->SetIconVisible(true);
  // 254 single bytes, then a double-byte character that would end at byte 256.
  const std::string text = std::string(254, 'a') + "备" + "more";
  ASSERT_TRUE(icon->ShowBalloonHint("t", text, TBalloonIcon::Warning));
  std::string shown;
  EXPECT_TRUE(test::WaitUntil([&] { return !(shown = test::VisibleBalloonText()).empty(); }));
  EXPECT_EQ(shown, std::string(254, 'a'));
}

}  // namespace
}  // namespace velmora
