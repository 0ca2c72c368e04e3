// A skinned form under Wine: its client rectangle and hit-test codes follow the skin's
// frame, the frame and caption buttons paint the skin's pixels in every state, the
// buttons' actions, the system menu, resizing, giving the window back, and GDI objects
// that stay flat.
#include "skin/forms/win_skin_form.h"

#include <gtest/gtest.h>

#include <map>

#include "framework/control_proc_layer.h"
#include "framework/gdi_object.h"
#include "skin/forms/form_skin_fixture.h"
#include "skin/forms/skin_messages.h"
#include "support/test_support.h"

namespace velmora::test {
namespace {

class WinSkinFormTest : public FormSkinTest {
 protected:
  LPARAM screenPoint(int windowX, int windowY) const {
    RECT r{};
    GetWindowRect(Form->Handle(), &r);
    return MAKELPARAM(r.left + windowX, r.top + windowY);
  }
  const TWinSysButton* buttonWithAction(int action, int visibility = -1) const {
    for (const auto& b : SkinOf(Form->Handle())->SysButtons())
      if (b->Data().Action == action && (visibility < 0 || b->Data().Visibility == visibility)) return b.get();
    return nullptr;
  }
  POINT centre(const TWinSysButton* b) const {
    return {(b->Rect().left + b->Rect().right) / 2, (b->Rect().top + b->Rect().bottom) / 2};
  }
  void click(POINT down, POINT up) {
    const HWND w = Form->Handle();
    SendMessageA(w, WM_NCMOUSEMOVE, HTCAPTION, screenPoint(down.x, down.y));
    SendMessageA(w, WM_NCLBUTTONDOWN, HTCAPTION, screenPoint(down.x, down.y));
    SendMessageA(w, WM_NCMOUSEMOVE, HTCAPTION, screenPoint(up.x, up.y));
    SendMessageA(w, WM_NCLBUTTONUP, HTCAPTION, screenPoint(up.x, up.y));
  }
};

TEST_F(WinSkinFormTest, ClientRectangleIsTheWindowLessTheSkinsFrame) {
  Form = std::make_unique<TSkinnedTestForm>();
  Form->LoadFromDefinition(SkinnedFormText());
  Form->Show();
  const int clientWidth = Form->ClientWidth(), clientHeight = Form->ClientHeight();
  ASSERT_TRUE(WaitSkinned(Form->Handle()));
  const TFrameMetrics& m = SkinOf(Form->Handle())->Metrics();
  EXPECT_EQ(m.Left, 4);
  EXPECT_EQ(m.Right, 4);
  EXPECT_EQ(m.Top, 24);
  EXPECT_EQ(m.Bottom, 4);
  RECT window{}, client{};
  GetWindowRect(Form->Handle(), &window);
  GetClientRect(Form->Handle(), &client);
  POINT origin{0, 0};
  ClientToScreen(Form->Handle(), &origin);
  EXPECT_EQ(origin.x - window.left, 4);
  EXPECT_EQ(origin.y - window.top, 24);
  EXPECT_EQ(client.right, window.right - window.left - 8);
  EXPECT_EQ(client.bottom, window.bottom - window.top - 28);
  // The client area keeps the size it had under the system's frame.
  EXPECT_EQ(client.right, clientWidth);
  EXPECT_EQ(client.bottom, clientHeight);
}

TEST_F(WinSkinFormTest, HitTestCodesOverTheFrame) {
  ShowSkinned();
  const HWND w = Form->Handle();
  RECT r{};
  GetWindowRect(w, &r);
  const int width = r.right - r.left, height = r.bottom - r.top;
  struct Case {
    int X, Y;
    LRESULT Code;
  } cases[] = {
      {width / 2, 12, HTCAPTION},  {width / 2, height / 2, HTCLIENT},
      {1, height / 2, HTLEFT},     {width - 2, height / 2, HTRIGHT},
      {width / 2, height - 1, HTBOTTOM}, {width - 1, height - 1, HTBOTTOMRIGHT},
      {0, 0, HTTOPLEFT},
  };
  for (const Case& c : cases)
    EXPECT_EQ(SendMessageA(w, WM_NCHITTEST, 0, screenPoint(c.X, c.Y)), c.Code) << c.X << "," << c.Y;
}

TEST_F(WinSkinFormTest, FramePaintsTheSkinsPixels) {
  ShowSkinned();
  const HWND w = Form->Handle();
  RECT r{};
  GetWindowRect(w, &r);
  const int width = r.right - r.left, height = r.bottom - r.top;
  SetForegroundWindow(w);
  Pump();
  EXPECT_EQ(FramePixel(w, 2, height / 2), LeftActive);
  EXPECT_EQ(FramePixel(w, width - 2, height / 2), LeftActive);
  EXPECT_EQ(FramePixel(w, width / 2, height - 2), BottomActive);
  EXPECT_EQ(FramePixel(w, width / 2, 2), TopActive);
  // The caption text in the skin's colour, between the text shift and the right clip.
  EXPECT_GT(FrameColourCount(w, {30, 0, width - 100, 24}, TitleText), 10);
  EXPECT_EQ(FrameColourCount(w, {0, 0, 30, 24}, TitleText), 0);
  // Inactive: the second frames.
  SendMessageA(w, WM_NCACTIVATE, FALSE, 0);
  EXPECT_EQ(FramePixel(w, 2, height / 2), LeftInactive);
  EXPECT_EQ(FramePixel(w, width / 2, 2), TopInactive);
  EXPECT_EQ(FrameColourCount(w, {30, 0, width - 100, 24}, TitleText), 0);
}

TEST_F(WinSkinFormTest, CaptionButtonStatesAsPixels) {
  ShowSkinned();
  const HWND w = Form->Handle();
  SetForegroundWindow(w);
  Pump();
  SendMessageA(w, WM_NCACTIVATE, TRUE, 0);
  const TWinSysButton* close = buttonWithAction(0);
  const TWinSysButton* minimize = buttonWithAction(2);
  ASSERT_NE(close, nullptr);
  ASSERT_NE(minimize, nullptr);
  RECT r{};
  GetWindowRect(w, &r);
  EXPECT_EQ(close->Rect().left, (r.right - r.left) - 20);
  const POINT c = centre(close), m = centre(minimize);
  EXPECT_EQ(FramePixel(w, c.x, c.y), ButtonFrames[0]);  // normal
  SendMessageA(w, WM_NCMOUSEMOVE, HTCAPTION, screenPoint(c.x, c.y));
  EXPECT_EQ(FramePixel(w, c.x, c.y), ButtonFrames[2]);  // hover
  SendMessageA(w, WM_NCLBUTTONDOWN, HTCAPTION, screenPoint(c.x, c.y));
  EXPECT_EQ(FramePixel(w, c.x, c.y), ButtonFrames[1]);  // pressed
  // Moving straight onto another button: the first one leaves before the second is hot.
  SendMessageA(w, WM_NCMOUSEMOVE, HTCAPTION, screenPoint(m.x, m.y));
  EXPECT_EQ(FramePixel(w, c.x, c.y), ButtonFrames[0]);
  EXPECT_EQ(FramePixel(w, m.x, m.y), ButtonFrames[2]);
  // Inactive window: frame 4.
  SendMessageA(w, WM_NCACTIVATE, FALSE, 0);
  SkinOf(w)->SetHotObject(nullptr);
  EXPECT_EQ(FramePixel(w, c.x, c.y), ButtonFrames[3]);
}

TEST_F(WinSkinFormTest, MaximiseWithoutMaximiseBoxIsDisabled) {
  ShowSkinned("  BorderIcons = [biSystemMenu, biMinimize]\n");
  const HWND w = Form->Handle();
  SetForegroundWindow(w);
  Pump();
  SendMessageA(w, WM_NCACTIVATE, TRUE, 0);
  const TWinSysButton* maximize = buttonWithAction(1, 2);
  ASSERT_NE(maximize, nullptr);
  EXPECT_TRUE(maximize->Visible());
  EXPECT_FALSE(maximize->Enabled());
  EXPECT_EQ(FramePixel(w, centre(maximize).x, centre(maximize).y), ButtonFrames[3]);
  click(centre(maximize), centre(maximize));
  Pump(200);
  EXPECT_FALSE(IsZoomed(w));
}

TEST_F(WinSkinFormTest, ButtonActions) {
  ShowSkinned();
  const HWND w = Form->Handle();
  SetForegroundWindow(w);
  Pump();
  SendMessageA(w, WM_NCACTIVATE, TRUE, 0);
  int closes = 0;
  Form->OnClose = [&](TObjectSender, TCloseAction& action) {
    ++closes;
    action = TCloseAction::caNone;
  };
  const POINT close = centre(buttonWithAction(0));
  // Pressed on another button and released over Close: nothing at all.
  click(centre(buttonWithAction(2)), close);
  Pump(200);
  EXPECT_EQ(closes, 0);
  EXPECT_FALSE(IsIconic(w));
  click(close, close);
  EXPECT_TRUE(WaitUntil([&] { return closes == 1; }));

  click(centre(buttonWithAction(1, 2)), centre(buttonWithAction(1, 2)));
  EXPECT_TRUE(WaitUntil([&] { return IsZoomed(w) != FALSE; }));
  EXPECT_EQ(SkinOf(w)->SizeState(), ssMaximized);
  Pump();
  const TWinSysButton* restore = buttonWithAction(1, 1);
  ASSERT_TRUE(restore->Visible());
  click(centre(restore), centre(restore));
  EXPECT_TRUE(WaitUntil([&] { return !IsZoomed(w); }));

  click(centre(buttonWithAction(2)), centre(buttonWithAction(2)));
  EXPECT_TRUE(WaitUntil([&] { return IsIconic(w) != FALSE; }));
  ShowWindow(w, SW_RESTORE);
  SetForegroundWindow(w);
  Pump();
  SendMessageA(w, WM_NCACTIVATE, TRUE, 0);

  // An application-defined action reaches the window.
  UINT got = 0;
  WPARAM gotAction = 0;
  TWndMethod old = Form->WindowProc;
  Form->WindowProc = [&](TMessage& message) {
    if (message.Msg == WM_SKINBUTTON) got = message.Msg, gotAction = message.WParam;
    old(message);
  };
  click(centre(buttonWithAction(50)), centre(buttonWithAction(50)));
  EXPECT_TRUE(WaitUntil([&] { return got == WM_SKINBUTTON; }));
  EXPECT_EQ(gotAction, 50u);
  Form->WindowProc = old;
}

// The window icon opens the system menu; clicked again within the double-click time it
// closes the window, and so does a double-click on it.
TEST_F(WinSkinFormTest, WindowIconOpensTheSystemMenuAndADoubleClickCloses) {
  ShowSkinned();
  const HWND w = Form->Handle();
  SetForegroundWindow(w);
  Pump();
  SendMessageA(w, WM_NCACTIVATE, TRUE, 0);
  int closes = 0;
  Form->OnClose = [&](TObjectSender, TCloseAction& action) {
    ++closes;
    action = TCloseAction::caNone;
  };
  // The menu is modal: the window sees it open and closes it.
  bool menuOpened = false;
  std::vector<std::string> items;
  TWndMethod old = Form->WindowProc;
  Form->WindowProc = [&](TMessage& message) {
    old(message);
    if (message.Msg != WM_INITMENUPOPUP) return;
    menuOpened = Manager().MenuKind() == smkSystemMenu;
    const HMENU menu = reinterpret_cast<HMENU>(message.WParam);
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
      char text[64] = {};
      GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
      items.push_back(text);
    }
    PostMessageA(Form->Handle(), WM_CANCELMODE, 0, 0);
  };
  const TWinSysButton* icon = buttonWithAction(3);
  ASSERT_NE(icon, nullptr);
  EXPECT_EQ(icon->Rect().left, 4);
  const POINT p = centre(icon);
  click(p, p);  // opens the menu, which the window closes
  EXPECT_TRUE(menuOpened);
  EXPECT_EQ(items.size(), SkinOf(w)->SystemMenuItems().size());
  EXPECT_EQ(closes, 0);
  click(p, p);  // the second click, soon after the first
  EXPECT_TRUE(WaitUntil([&] { return closes == 1; }));
  SendMessageA(w, WM_NCLBUTTONDBLCLK, HTCAPTION, screenPoint(p.x, p.y));
  EXPECT_TRUE(WaitUntil([&] { return closes == 2; }));
  Form->WindowProc = old;
}

// The skinned system menu draws the skin's glyphs before restore, maximise, minimise and
// close, and none before the other items.
TEST_F(WinSkinFormTest, SystemMenuItemsShowTheSkinsGlyphs) {
  ShowSkinned();
  const HWND w = Form->Handle();
  SetForegroundWindow(w);
  Pump();
  // Dark pixels in the glyph cell of the item of `command`, drawn while the menu is open.
  std::map<UINT, int> dark;
  TWndMethod old = Form->WindowProc;
  Form->WindowProc = [&](TMessage& message) {
    old(message);
    if (message.Msg != WM_INITMENUPOPUP) return;
    const HMENU menu = reinterpret_cast<HMENU>(message.WParam);
    for (UINT command : {SC_CLOSE, SC_MINIMIZE, SC_MOVE}) {
      TBitmap item(140, 22);
      MemoryDC dc;
      SelectScope select(dc, item.Handle());
      DRAWITEMSTRUCT draw{};
      draw.CtlType = ODT_MENU;
      draw.itemID = command;
      draw.hwndItem = reinterpret_cast<HWND>(menu);
      draw.hDC = dc;
      draw.rcItem = {0, 0, 140, 22};
      SendMessageA(w, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
      int count = 0;
      for (int y = 0; y < 22; ++y)
        for (int x = 0; x < 18; ++x) {  // the glyph cell, left of the caption
          const COLORREF c = item.Pixel(x, y);
          if (GetRValue(c) + GetGValue(c) + GetBValue(c) < 150) ++count;
        }
      dark[command] = count;
    }
    PostMessageA(w, WM_CANCELMODE, 0, 0);
  };
  const TWinSysButton* icon = buttonWithAction(3);
  ASSERT_NE(icon, nullptr);
  click(centre(icon), centre(icon));
  Form->WindowProc = old;
  ASSERT_EQ(dark.size(), 3u) << "the menu opened";
  EXPECT_GT(dark[SC_CLOSE], 5) << "the close glyph";
  EXPECT_GT(dark[SC_MINIMIZE], 3) << "the minimise glyph";
  EXPECT_EQ(dark[SC_MOVE], 0) << "no glyph before Move";
}

// A maximised window is not dragged by its caption: the press goes on as one on the menu
// bar, which a window without menu ignores.
TEST_F(WinSkinFormTest, AMaximisedWindowIsNotDraggedByItsCaption) {
  ShowSkinned();
  const HWND w = Form->Handle();
  ShowWindow(w, SW_MAXIMIZE);
  SetForegroundWindow(w);
  Pump();
  SendMessageA(w, WM_NCACTIVATE, TRUE, 0);
  ASSERT_EQ(SkinOf(w)->SizeState(), ssMaximized);
  RECT before{};
  GetWindowRect(w, &before);
  EXPECT_EQ(SendMessageA(w, WM_NCLBUTTONDOWN, HTCAPTION, screenPoint(150, 12)), 0);
  Pump();
  RECT after{};
  GetWindowRect(w, &after);
  EXPECT_EQ(after.left, before.left);
  EXPECT_EQ(after.top, before.top);
  EXPECT_TRUE(IsZoomed(w));
}

TEST_F(WinSkinFormTest, SystemMenuItemsAndTheirStates) {
  ShowSkinned();
  TWinSkinForm* skin = SkinOf(Form->Handle());
  auto items = skin->SystemMenuItems();
  ASSERT_FALSE(items.empty());
  auto find = [&](UINT command) -> const TSystemMenuItem* {
    for (const auto& item : items)
      if (item.Command == command) return &item;
    return nullptr;
  };
  ASSERT_NE(find(SC_CLOSE), nullptr);
  ASSERT_NE(find(SC_RESTORE), nullptr);
  EXPECT_FALSE(find(SC_RESTORE)->Enabled);
  EXPECT_TRUE(find(SC_MAXIMIZE)->Enabled);
  EXPECT_TRUE(find(SC_MINIMIZE)->Enabled);
  EXPECT_EQ(find(SC_CLOSE)->Glyph, 3);
  ShowWindow(Form->Handle(), SW_MAXIMIZE);
  Pump();
  items = skin->SystemMenuItems();
  EXPECT_TRUE(find(SC_RESTORE)->Enabled);
  EXPECT_FALSE(find(SC_MAXIMIZE)->Enabled);
  EXPECT_FALSE(find(SC_MOVE)->Enabled);
}

TEST_F(WinSkinFormTest, RegionCutsTheCornersAndFollowsResizes) {
  ShowSkinned();
  const HWND w = Form->Handle();
  TWinSkinForm* skin = SkinOf(w);
  auto regionHas = [&](int x, int y) {
    GdiRegion region(CreateRectRgn(0, 0, 0, 0));
    if (GetWindowRgn(w, region) == ERROR) return true;
    return PtInRegion(region, x, y) != FALSE;
  };
  RECT r{};
  GetWindowRect(w, &r);
  int width = r.right - r.left;
  EXPECT_FALSE(regionHas(0, 0));
  EXPECT_FALSE(regionHas(1, 0));
  EXPECT_FALSE(regionHas(width - 1, 0));
  EXPECT_TRUE(regionHas(2, 0));
  EXPECT_TRUE(regionHas(0, 2));
  EXPECT_TRUE(regionHas(width / 2, 100));
  SetWindowPos(w, nullptr, 0, 0, 420, 260, SWP_NOMOVE | SWP_NOZORDER);
  Pump();
  EXPECT_EQ(skin->RegionSize().cx, 420);
  EXPECT_EQ(skin->RegionSize().cy, 260);
  EXPECT_FALSE(regionHas(419, 0));
  EXPECT_TRUE(regionHas(419, 200));
  SendMessageA(w, WM_SKINNCPAINT, 0, 0);
  EXPECT_EQ(buttonWithAction(0)->Rect().left, 400);
  GetClientRect(w, &r);
  EXPECT_EQ(r.right, 412);
  EXPECT_EQ(r.bottom, 232);
}

TEST_F(WinSkinFormTest, UnskinGivesTheWindowBackExactly) {
  Form = std::make_unique<TSkinnedTestForm>();
  Form->LoadFromDefinition(SkinnedFormText());
  const HWND w = Form->Handle();
  const COLORREF colour = Form->Color();
  const LONG_PTR procedure = GetWindowLongPtrA(w, GWLP_WNDPROC);
  Form->Show();
  const LONG_PTR style = GetWindowLongPtrA(w, GWL_STYLE);
  RECT client{};
  GetClientRect(w, &client);
  ASSERT_TRUE(WaitSkinned(w));
  SendMessageA(w, WM_NCPAINT, 1, 0);
  EXPECT_NE(GetWindowLongPtrA(w, GWL_STYLE), style);  // no system-drawn caption buttons
  EXPECT_NE(GetWindowLongPtrA(w, GWLP_WNDPROC), procedure);
  EXPECT_TRUE(TControlProcLayer::IsLayerEntry(Form->WindowProc));

  SkinOf(w)->Unskin();
  EXPECT_FALSE(TControlProcLayer::IsLayerEntry(Form->WindowProc));  // the form's own entry again
  EXPECT_EQ(GetWindowLongPtrA(w, GWL_STYLE), style);
  EXPECT_EQ(GetWindowLongPtrA(w, GWLP_WNDPROC), procedure);
  EXPECT_EQ(Form->Color(), colour);
  GdiRegion region(CreateRectRgn(0, 0, 0, 0));
  EXPECT_EQ(GetWindowRgn(w, region), ERROR);
  RECT after{};
  GetClientRect(w, &after);
  EXPECT_EQ(after.right, client.right);
  EXPECT_EQ(after.bottom, client.bottom);
}

TEST_F(WinSkinFormTest, UnskinGivesEveryControlItsOwnEntry) {
  Form = std::make_unique<TSkinnedTestForm>();
  Form->LoadFromDefinition(SkinnedFormText(
      "  object b: TButton\n    Left = 8\n    Top = 8\n    Width = 80\n    Height = 24\n    Caption = 'OK'\n  end\n"
      "  object c: TCheckBox\n    Left = 8\n    Top = 40\n    Width = 80\n    Height = 17\n    Caption = 'C'\n  end\n"
      "  object e: TEdit\n    Left = 8\n    Top = 64\n    Width = 80\n    Height = 21\n  end\n"
      "  object g: TGroupBox\n    Left = 100\n    Top = 8\n    Width = 120\n    Height = 80\n    Caption = 'G'\n"
      "    object p: TButton\n      Left = 8\n      Top = 20\n      Width = 60\n      Height = 24\n      Caption = 'In'\n"
      "    end\n  end\n"));
  std::vector<TWinControl*> controls;
  for (const char* name : {"b", "c", "e", "g", "p"}) {
    auto* control = dynamic_cast<TWinControl*>(Form->FindComponent(name));
    ASSERT_NE(control, nullptr) << name;
    controls.push_back(control);
  }
  Form->Show();
  ASSERT_TRUE(WaitSkinned(Form->Handle()));
  for (TWinControl* control : controls) {
    EXPECT_EQ(SendMessageA(control->Handle(), WM_SKINQUERY, 0, 0), 1) << control->Name();
    EXPECT_TRUE(TControlProcLayer::IsLayerEntry(control->WindowProc)) << control->Name();
  }
  SkinOf(Form->Handle())->Unskin();
  for (TWinControl* control : controls) {
    EXPECT_NE(SendMessageA(control->Handle(), WM_SKINQUERY, 0, 0), 1) << control->Name();
    EXPECT_FALSE(TControlProcLayer::IsLayerEntry(control->WindowProc)) << control->Name();
  }
  EXPECT_TRUE(SkinOf(Form->Handle())->Painters().Painters().empty());
}

// The system paints its own caption on a new text or icon and on activation without
// WM_NCPAINT: what the window shows afterwards is still the skin's title.
TEST_F(WinSkinFormTest, TheSkinsTitleStaysAfterTextIconAndActivation) {
  ShowSkinned();
  const HWND w = Form->Handle();
  SetForegroundWindow(w);
  Pump();
  RECT r{};
  GetWindowRect(w, &r);
  const int middle = (r.right - r.left) / 2;
  auto shown = [&] {
    WindowDC dc(w, WindowDC::Whole);
    return GetPixel(dc, middle, 2);
  };
  SetWindowTextA(w, "Another title");
  EXPECT_EQ(shown(), TopActive);
  SendMessageA(w, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_WARNING))));
  EXPECT_EQ(shown(), TopActive);
  SendMessageA(w, WM_NCACTIVATE, FALSE, 0);
  EXPECT_EQ(shown(), TopInactive);
  SendMessageA(w, WM_NCACTIVATE, TRUE, 0);
  EXPECT_EQ(shown(), TopActive);
}

TEST_F(WinSkinFormTest, HoverEndsWhenTheCursorLeavesTheButton) {
  ShowSkinned();
  const HWND w = Form->Handle();
  SetForegroundWindow(w);
  Pump();
  SendMessageA(w, WM_NCACTIVATE, TRUE, 0);
  TWinSkinForm* skin = SkinOf(w);
  SetCursorPos(5, 5);  // far from the window
  const POINT close = centre(buttonWithAction(0));
  SendMessageA(w, WM_NCMOUSEMOVE, HTCAPTION, screenPoint(close.x, close.y));
  ASSERT_NE(skin->HotObject(), nullptr);
  EXPECT_EQ(skin->HotObject()->State(), ncHover);
  EXPECT_TRUE(WaitUntil([&] { return skin->HotObject() == nullptr; }, std::chrono::seconds(3)));
  EXPECT_EQ(buttonWithAction(0)->State(), ncNormal);
}

TEST_F(WinSkinFormTest, GdiObjectsStayFlat) {
  ShowSkinned();
  const HWND w = Form->Handle();
  TSkinManage& manager = Manager();
  SendMessageA(w, WM_SKINNCPAINT, 0, 0);
  SetWindowPos(w, nullptr, 0, 0, 330, 210, SWP_NOMOVE | SWP_NOZORDER);
  Pump();
  const int before = GdiCounters::LiveTotal();
  for (int i = 0; i < 1000; ++i) SendMessageA(w, WM_SKINNCPAINT, 0, 0);
  EXPECT_EQ(GdiCounters::LiveTotal(), before) << "frame repaints";
  for (int i = 0; i < 100; ++i) SetWindowPos(w, nullptr, 0, 0, 300 + i % 7, 200 + i % 5, SWP_NOMOVE | SWP_NOZORDER);
  SetWindowPos(w, nullptr, 0, 0, 330, 210, SWP_NOMOVE | SWP_NOZORDER);
  Pump();
  EXPECT_EQ(GdiCounters::LiveTotal(), before) << "resizes";
  for (int i = 0; i < 50; ++i) {
    manager.SetCurrentData(Form->Skin());
    manager.RefreshData();
    manager.SetAction(skaRefresh, 1);
    manager.DoAction();
  }
  Pump();
  EXPECT_EQ(GdiCounters::LiveTotal(), before) << "refreshes";
}

}  // namespace
}  // namespace velmora::test
