// The rules of a skinned frame as plain values: border kinds, frame thickness, client
// rectangle, hit-test codes, caption-button visibility, layout and frames, the system
// menu's enable rules.
#include "skin/forms/frame_rules.h"

#include <gtest/gtest.h>

#include "skin/forms/win_skin_form.h"

namespace velmora {
namespace {

TEST(FrameRulesTest, BorderKindFollowsTheStyles) {
  struct Case {
    DWORD Style, ExStyle;
    bool Dialog;
    int Kind;
  } cases[] = {
      {WS_CAPTION | WS_THICKFRAME, 0, false, bkSizeable},
      {WS_CAPTION | WS_BORDER, 0, false, bkSingle},
      {WS_CAPTION | 0x80, 0, false, bkDialog},
      {WS_POPUP, 0, false, bkNone},
      {WS_CAPTION | WS_THICKFRAME, WS_EX_DLGMODALFRAME, false, bkDialog},
      {WS_CAPTION | WS_THICKFRAME, 0, true, bkDialog},
  };
  for (const Case& c : cases) EXPECT_EQ(BorderKindOf(c.Style, c.ExStyle, c.Dialog), c.Kind) << std::hex << c.Style;
}

TEST(FrameRulesTest, BorderIconsAndTheWindows2000Exception) {
  const TPlatformVersion win7{6, 1, true}, win2000{5, 0, true};
  EXPECT_EQ(BorderIconsOf(WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, 0, true, win7, false, false),
            sbiSystemMenu | sbiMinimize | sbiMaximize);
  EXPECT_EQ(BorderIconsOf(0, WS_EX_CONTEXTHELP, false, win7, true, false), unsigned(sbiHelp));
  EXPECT_TRUE(BorderIconsOf(WS_SYSMENU, 0, true, win2000, false, false) & sbiKeepSystemMenu);
  EXPECT_FALSE(BorderIconsOf(WS_SYSMENU, 0, true, win2000, true, false) & sbiKeepSystemMenu);
  EXPECT_TRUE(BorderIconsOf(WS_SYSMENU, WS_EX_APPWINDOW, true, win2000, true, false) & sbiKeepSystemMenu);
}

TEST(FrameRulesTest, SizeStatesHaveTheirOwnMeaning) {
  EXPECT_EQ(SizeStateFromSizeCode(SIZE_RESTORED), ssNormal);
  EXPECT_EQ(SizeStateFromSizeCode(SIZE_MINIMIZED), ssMinimized);
  EXPECT_EQ(SizeStateFromSizeCode(SIZE_MAXIMIZED), ssMaximized);
  EXPECT_EQ(SizeStateFromShowCommand(SW_SHOWMAXIMIZED), ssMaximized);
  for (UINT command : {SW_SHOWMINIMIZED, SW_MINIMIZE, SW_SHOWMINNOACTIVE})
    EXPECT_EQ(SizeStateFromShowCommand(command), ssMinimized);
  EXPECT_EQ(SizeStateFromShowCommand(SW_SHOWNORMAL), ssNormal);
}

TSkinRecords bordersOf(int leftWidth, int leftFrames, int topHeight, int topFrames) {
  TSkinRecords records;
  records.BorderLeft->Map.SetSize(leftWidth, 40);
  records.BorderLeft->Frame = leftFrames;
  records.BorderRight->Map.SetSize(leftWidth, 40);
  records.BorderRight->Frame = leftFrames;
  records.BorderTop->Map.SetSize(40, topHeight);
  records.BorderTop->Frame = topFrames;
  records.BorderBottom->Map.SetSize(40, 8);
  records.BorderBottom->Frame = 2;
  return records;
}

TEST(FrameRulesTest, FrameMetricsDivideByTheFrameCountAndNeverByZero) {
  TFrameMetrics m = FrameMetricsOf(bordersOf(8, 2, 60, 2), bkSizeable, 19);
  EXPECT_EQ(m.Left, 4);
  EXPECT_EQ(m.Right, 4);
  EXPECT_EQ(m.Top, 30);
  EXPECT_EQ(m.Bottom, 4);
  EXPECT_EQ(m.MenuHeight, 19);
  // A frame count of 0 or below counts as one frame.
  m = FrameMetricsOf(bordersOf(6, 0, 24, -3), bkSizeable, 0);
  EXPECT_EQ(m.Left, 6);
  EXPECT_EQ(m.Top, 24);
  // A window without border has no skinned frame.
  m = FrameMetricsOf(bordersOf(8, 2, 60, 2), bkNone, 19);
  EXPECT_EQ(m.Left + m.Top + m.Right + m.Bottom + m.MenuHeight, 0);
}

TEST(FrameRulesTest, ClientRectangleIsTheWindowLessTheFrame) {
  const TFrameMetrics m{4, 30, 5, 6, 19};
  const RECT client = SkinClientRect({100, 50, 400, 350}, m);
  EXPECT_EQ(client.left, 104);
  EXPECT_EQ(client.top, 99);
  EXPECT_EQ(client.right, 395);
  EXPECT_EQ(client.bottom, 344);
}

TEST(FrameRulesTest, HitTestCodes) {
  const TFrameMetrics m{4, 30, 4, 4, 0};
  struct Case {
    LRESULT System;
    int Y;
    bool MenuBar;
    LRESULT Expected;
  } cases[] = {
      {HTNOWHERE, 2, false, HTNOWHERE},  // the top 3 pixels stay nowhere
      {HTNOWHERE, 3, false, HTNOWHERE},
      {HTNOWHERE, 4, false, HTCAPTION},
      {HTCAPTION, 20, false, HTCAPTION},
      {HTCAPTION, 20, true, HTCAPTION},
      {HTNOWHERE, 31, true, HTMENU},  // below the title of a window with a menu bar
      {HTNOWHERE, 31, false, HTCAPTION},
      {HTLEFT, 20, false, HTLEFT},  // borders, corners and sizing are the system's
      {HTTOPRIGHT, 1, false, HTTOPRIGHT},
      {HTCLIENT, 100, false, HTCLIENT},
  };
  for (const Case& c : cases)
    EXPECT_EQ(SkinHitTest(c.System, {50, c.Y}, m, c.MenuBar), c.Expected) << c.System << " at " << c.Y;
}

std::unique_ptr<TDataSkinSysButton> makeButton(int action, int visibility, int visibility1) {
  auto b = std::make_unique<TDataSkinSysButton>("B");
  b->Action = action, b->Visibility = visibility, b->Visibility1 = visibility1;
  return b;
}

TEST(FrameRulesTest, VisibilityCodes) {
  TButtonContext c;
  c.Icons = sbiSystemMenu | sbiMinimize;
  const TAskButtonVisible never = [](int, int) { return false; };
  struct Case {
    int Code;
    bool First;
    bool Expected;
  } cases[] = {
      {0, true, true},   {1, true, false},  {2, true, true},   {3, true, true},    {4, true, false},
      {5, true, false},  {6, true, true},   {6, false, true},  {7, true, true},    {8, true, true},
      {9, true, false},  {10, true, false}, {10, false, false}, {11, true, false}, {99, true, false},
      {100, true, false}, {100, false, true}, {200, true, false}, {201, true, true}, {999, true, true},
      {1000, true, false}, {1000, false, true}, {2001, true, false}, {-1, true, false},
  };
  for (const Case& k : cases) EXPECT_EQ(VisibilityHolds(k.Code, k.First, c, never), k.Expected) << k.Code << k.First;
  // Without a system menu: minimise-or-maximise-and-system-menu fails as first condition only.
  c.Icons = sbiMinimize;
  EXPECT_FALSE(VisibilityHolds(6, true, c, never));
  EXPECT_TRUE(VisibilityHolds(6, false, c, never));
  c.Icons = sbiHelp;
  EXPECT_TRUE(VisibilityHolds(10, true, c, never));
  c.BorderKind = bkDialog;
  EXPECT_TRUE(VisibilityHolds(200, true, c, never));
  c.DialogBox = true;
  EXPECT_FALSE(VisibilityHolds(200, true, c, never));
  // Application-defined codes ask the window, with the button's action.
  int askedCode = 0, askedAction = 0;
  const TButtonShown shown = ButtonShown(*makeButton(50, 1500, 0), c, [&](int code, int action) {
    askedCode = code, askedAction = action;
    return true;
  });
  EXPECT_TRUE(shown.Visible);
  EXPECT_EQ(askedCode, 1500);
  EXPECT_EQ(askedAction, 50);
}

TEST(FrameRulesTest, ActionsHideAndDisableButtons) {
  TButtonContext c;
  c.Icons = sbiSystemMenu | sbiMinimize;  // no maximise box
  EXPECT_TRUE(ButtonShown(*makeButton(0, 0, 0), c, {}).Visible);
  TButtonShown maximize = ButtonShown(*makeButton(1, 2, 6), c, {});
  EXPECT_TRUE(maximize.Visible);
  EXPECT_FALSE(maximize.Enabled);  // drawn disabled
  EXPECT_TRUE(ButtonShown(*makeButton(2, 6, 0), c, {}).Enabled);
  c.BorderKind = bkDialog;
  EXPECT_FALSE(ButtonShown(*makeButton(3, 0, 0), c, {}).Visible);
  c.Icons = 0;
  EXPECT_FALSE(ButtonShown(*makeButton(0, 0, 0), c, {}).Visible);  // close needs a system menu
  EXPECT_FALSE(ButtonShown(*makeButton(2, 0, 0), c, {}).Enabled);
}

TEST(FrameRulesTest, ButtonPlacesByAlignment) {
  TButtonLayoutContext c;
  c.WindowWidth = 300;
  c.CaptionRect = {40, 5, 140, 20};
  c.Metrics = {4, 30, 6, 4, 20};
  const SIZE size{16, 14};
  struct Case {
    int Align;
    POINT TopLeft;
  } cases[] = {
      {0, {10, 3}},   {1, {290, 3}},  {2, {14, 3}},  {8, {14, 3}}, {3, {150, 3}},
      {9, {150, 3}},  {7, {0, 0}},    {100, {284, 33}},
  };
  for (const Case& k : cases) {
    const RECT r = ButtonRect(size, k.Align, 10, 3, c);
    EXPECT_EQ(r.left, k.TopLeft.x) << k.Align;
    EXPECT_EQ(r.top, k.TopLeft.y) << k.Align;
    EXPECT_EQ(r.right - r.left, 16);
    EXPECT_EQ(r.bottom - r.top, 14);
  }
  c.MenuBarLeftWidth = 5;
  EXPECT_EQ(ButtonRect(size, 100, 10, 3, c).left, 279);
  // A right-aligned button keeps its distance from the right edge.
  for (int width : {200, 300, 640}) {
    c.WindowWidth = width;
    EXPECT_EQ(width - ButtonRect(size, 1, 33, 5, c).left, 33);
  }
}

TEST(FrameRulesTest, ButtonSizeAndFramesOfStripsOf3And4And6) {
  TDataSkinSysButton b("B");
  b.Map.SetSize(96, 20);
  b.Frame = 6;
  EXPECT_EQ(ButtonSize(b).cx, 16);
  EXPECT_EQ(ButtonSize(b).cy, 20);
  struct Case {
    int Frames;
    bool Active, Enabled;
    int Title;
  } titles[] = {{3, true, true, 1}, {3, false, true, 1}, {3, true, false, 1}, {4, true, true, 1},
                {4, false, true, 4}, {4, true, false, 4}, {6, false, true, 4}};
  for (const Case& k : titles) EXPECT_EQ(TitleButtonFrame(k.Active, k.Enabled, k.Frames), k.Title) << k.Frames;
  EXPECT_EQ(DirectButtonFrame(ncPressed, true, false, 4), 2);
  EXPECT_EQ(DirectButtonFrame(ncHover, true, false, 3), 3);
  EXPECT_EQ(DirectButtonFrame(ncHover, false, false, 4), 4);
  EXPECT_EQ(DirectButtonFrame(ncHover, false, false, 3), 1);  // fewer than 4 frames: the normal one
  EXPECT_EQ(DirectButtonFrame(ncHover, true, true, 6), 4);    // a menu-bar button in hover
  EXPECT_EQ(DirectButtonFrame(ncHover, true, false, 2), 1);   // beyond the strip: frame 1
}

TEST(FrameRulesTest, SystemMenuItemsFollowTheSizeState) {
  const std::vector<TSystemMenuSource> real = {
      {"&Restore", SC_RESTORE, MFS_GRAYED}, {"&Move", SC_MOVE, 0},   {"&Size", SC_SIZE, 0},
      {"Mi&nimize", SC_MINIMIZE, 0},       {"Ma&ximize", SC_MAXIMIZE, 0}, {"", 0, 0},
      {"&Close", SC_CLOSE, 0},             {"Other", 0x1234, MFS_GRAYED | MFS_CHECKED},
  };
  const unsigned icons = sbiSystemMenu | sbiMinimize | sbiMaximize;
  auto normal = BuildSystemMenuItems(real, ssNormal, icons);
  ASSERT_EQ(normal.size(), real.size());
  EXPECT_FALSE(normal[0].Enabled);
  EXPECT_EQ(normal[0].Glyph, 0);
  EXPECT_TRUE(normal[1].Enabled && normal[2].Enabled && normal[3].Enabled && normal[4].Enabled);
  EXPECT_EQ(normal[3].Glyph, 2);
  EXPECT_EQ(normal[4].Glyph, 1);
  EXPECT_EQ(normal[5].Text, "-");
  EXPECT_EQ(normal[6].Glyph, 3);
  EXPECT_EQ(normal[6].Command, UINT(SC_CLOSE));
  EXPECT_FALSE(normal[7].Enabled);
  EXPECT_TRUE(normal[7].Checked);
  EXPECT_EQ(normal[7].Glyph, -1);
  auto maximized = BuildSystemMenuItems(real, ssMaximized, icons);
  EXPECT_TRUE(maximized[0].Enabled);
  EXPECT_FALSE(maximized[1].Enabled || maximized[2].Enabled || maximized[4].Enabled);
  EXPECT_TRUE(maximized[3].Enabled);
  auto minimized = BuildSystemMenuItems(real, ssMinimized, icons);
  EXPECT_FALSE(minimized[3].Enabled);
  EXPECT_TRUE(minimized[0].Enabled);
  auto noBoxes = BuildSystemMenuItems(real, ssNormal, sbiSystemMenu);
  EXPECT_FALSE(noBoxes[3].Enabled || noBoxes[4].Enabled);
}

}  // namespace
}  // namespace velmora
