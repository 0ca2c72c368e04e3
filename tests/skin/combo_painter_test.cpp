// Combo box painters on real combo boxes: the face frames around the combo's own text,
// the button on either side, hot only over the button, the drop-down list's scroll bar
// drawn from the skin and dragged by its thumb to the last item with real input, the
// edit child and the list given back on unskinning, and GDI counts across repaints.
#include "skin/controls/combo_painters.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "framework/bitmap.h"
#include "framework/common_controls.h"
#include "framework/form.h"
#include "framework/gdi_object.h"
#include "framework/window_subclass.h"
#include "skin/controls/painter_messages.h"
#include "skin/controls/scrollbar_painters.h"
#include "skin/skin_test_package.h"
#include "support/test_support.h"

namespace velmora {
namespace {

using test::Bytes;
using test::MakeBmp;

// Each frame of each strip has a colour of its own (0xRRGGBB).
constexpr std::uint32_t edge(int frame) { return 0x200000u | static_cast<std::uint32_t>(frame * 40); }
constexpr std::uint32_t face(int frame) { return 0x002000u | (static_cast<std::uint32_t>(frame * 40) << 16); }
constexpr std::uint32_t arrow(int frame) { return 0x000020u | (static_cast<std::uint32_t>(frame * 40) << 8); }
constexpr std::uint32_t track(int frame) { return 0x00A000u | static_cast<std::uint32_t>(frame * 40); }
constexpr std::uint32_t thumb(int frame) { return 0xC00000u | (static_cast<std::uint32_t>(frame * 50) << 8); }
constexpr COLORREF rgb(std::uint32_t c) { return RGB(c >> 16, (c >> 8) & 0xFF, c & 0xFF); }
constexpr COLORREF Untouched = RGB(1, 2, 3);

std::unique_ptr<TSkinData> comboSkin() {
  const std::string ini =
      "[SunkEdge]\nImage=edge.bmp\nLeftWidth=3\nTopHeight=3\nRightWidth=3\nBottomHeight=3\n"
      "[ComboButton]\nImage=button.bmp\nLeftWidth=2\nTopHeight=2\nRightWidth=2\nBottomHeight=2\n"
      "[ExtraImages]\nImage=arrows.bmp\n"
      "[Scrollbar]\nImage=glyphs.bmp\n[VertScroll]\nImage=vt.bmp\n[HorzScroll]\nImage=vt.bmp\n"
      "[HorzScrollThumb]\nImage=vm.bmp\nFrameCount=3\n[VertScrollThumb]\nImage=vm.bmp\nFrameCount=3\n"
      "[Colours]\nButtonFace=192,192,192\nButtonShadow=64,64,64\n";
  const Bytes package = test::PackSkin(
      ini, {{"edge.bmp", MakeBmp(4 * 12, 12, [](int x, int) { return edge(x / 12 + 1); })},
            {"button.bmp", MakeBmp(4 * 12, 12, [](int x, int) { return face(x / 12 + 1); })},
            {"arrows.bmp", MakeBmp(5 * 4, 4, [](int x, int) { return arrow(x / 4 + 1); })},
            {"glyphs.bmp", MakeBmp(23 * 17, 17, [](int x, int) { return 0x000080u | ((x / 17 + 1) * 10u << 16); })},
            {"vt.bmp", MakeBmp(40, 17, [](int x, int) { return track(x / 10 + 1); })},
            {"vm.bmp", MakeBmp(30, 17, [](int x, int) { return thumb(x / 10 + 1); })}});
  auto data = std::make_unique<TSkinData>(nullptr);
  EXPECT_TRUE(data->ReadBinaryProperty("SkinStream", test::SkinStreamBlock(package)));
  return data;
}

RECT windowRect(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

// What a painter draws over a window-sized bitmap that starts out `Untouched`.
TBitmap painted(TSkinControl& painter) {
  const RECT rect = windowRect(painter.Handle());
  TBitmap bitmap(rect.right - rect.left, rect.bottom - rect.top);
  MemoryDC dc;
  SelectScope select(dc, bitmap.Handle());
  GdiBrush brush(CreateSolidBrush(Untouched));
  const RECT all{0, 0, rect.right - rect.left, rect.bottom - rect.top};
  FillRect(dc, &all, brush);
  painter.PaintSkin(dc);
  GdiFlush();
  return bitmap;
}

class ComboPainterTest : public testing::Test {
 protected:
  void SetUp() override {
    test::MoveCursorTo(900, 700);
    Skin = comboSkin();
    Form.SetBounds(40, 40, 420, 320);
    ShowWindow(Form.Handle(), SW_SHOW);
    UpdateWindow(Form.Handle());
  }
  TComboBox& combo(TComboBoxStyle style, int items, int left = 10) {
    auto* control = new TComboBox(&Form);
    control->SetStyle(style);
    control->SetParent(&Form);
    control->SetBounds(left, 10, 150, style == TComboBoxStyle::csSimple ? 120 : 24);
    std::vector<std::string> lines;
    for (int i = 0; i < items; ++i) lines.push_back("Item " + std::to_string(i));
    control->SetItems(lines);
    control->Handle();
    return *control;
  }
  TSkinComBox& skin(TComboBox& control) {
    auto* painter = new TSkinComBox(&control);
    painter->AttachControl(&List, Skin.get(), false);
    return *painter;
  }

  TSkinPainterList List;
  std::unique_ptr<TSkinData> Skin;
  TForm Form{nullptr};
};

TEST_F(ComboPainterTest, FaceFramesAroundTheCombosOwnText) {
  TComboBox& c = combo(TComboBoxStyle::csDropDownList, 3);
  TSkinComBox& painter = skin(c);
  const int arrowWidth = GetSystemMetrics(SM_CXHSCROLL);
  TBitmap pixels = painted(painter);
  const int w = pixels.Width(), h = pixels.Height();
  EXPECT_EQ(pixels.Pixel(0, h / 2), rgb(edge(1))) << "the edge";
  EXPECT_EQ(pixels.Pixel(w - 3 - arrowWidth / 2, 3), rgb(face(1))) << "the button";
  EXPECT_EQ(pixels.Pixel(w - 2 - arrowWidth / 2, h / 2), rgb(arrow(1))) << "its arrow, centred";
  EXPECT_EQ(pixels.Pixel(w / 3, h / 2), Untouched) << "the text area is the combo's";
  const RECT button = painter.ButtonRect();
  EXPECT_EQ(button.right, w - 2);
  EXPECT_EQ(button.right - button.left, arrowWidth);

  struct StateCase {
    const char* name;
    bool hot, pressed, enabled;
    int frame;
  } const states[] = {{"hot", true, false, true, 4}, {"pressed", true, true, true, 2}, {"disabled", true, true, false, 3}};
  for (const auto& state : states) {
    painter.HotState = state.hot;
    painter.PressedState = state.pressed;
    EnableWindow(c.Handle(), state.enabled);
    pixels = painted(painter);
    EXPECT_EQ(pixels.Pixel(0, h / 2), rgb(edge(state.frame))) << state.name;
    EXPECT_EQ(pixels.Pixel(w - 3 - arrowWidth / 2, 3), rgb(face(state.frame))) << state.name;
  }
  EnableWindow(c.Handle(), TRUE);
  painter.HotState = painter.PressedState = false;
  SetFocus(c.Handle());
  EXPECT_EQ(painted(painter).Pixel(0, h / 2), rgb(edge(4))) << "focused";
}

TEST_F(ComboPainterTest, RightToLeftComboHasItsButtonOnTheLeftInTheSameFrame) {
  TComboBox& c = combo(TComboBoxStyle::csDropDownList, 3);
  SetWindowLongPtrW(c.Handle(), GWL_EXSTYLE, GetWindowLongPtrW(c.Handle(), GWL_EXSTYLE) | WS_EX_LEFTSCROLLBAR);
  TSkinComBox& painter = skin(c);
  const int arrowWidth = GetSystemMetrics(SM_CXHSCROLL);
  painter.HotState = true;
  const TBitmap pixels = painted(painter);
  EXPECT_EQ(painter.ButtonRect().left, 2);
  EXPECT_EQ(pixels.Pixel(2 + arrowWidth / 2, 3), rgb(face(4))) << "hot from the mirrored strip";
  EXPECT_EQ(pixels.Pixel(pixels.Width() / 2, pixels.Height() / 2), Untouched);
}

TEST_F(ComboPainterTest, OnlyTheButtonMakesTheComboHot) {
  TComboBox& c = combo(TComboBoxStyle::csDropDownList, 3);
  TSkinComBox& painter = skin(c);
  painted(painter);  // the button's place is known from the first paint
  const RECT outer = windowRect(c.Handle());
  const RECT button = painter.ButtonRect();
  ASSERT_TRUE(test::MoveCursorTo(outer.left + 20, outer.top + 10));
  test::WaitUntil([] { return false; }, std::chrono::milliseconds(150));
  EXPECT_FALSE(painter.HotState) << "over the text";
  ASSERT_TRUE(test::MoveCursorTo(outer.left + (button.left + button.right) / 2, outer.top + 10));
  EXPECT_TRUE(test::WaitUntil([&] { return painter.HotState; }, std::chrono::seconds(3))) << "over the button";
  ASSERT_TRUE(test::MoveCursorTo(900, 700));
  EXPECT_TRUE(test::WaitUntil([&] { return !painter.HotState; }, std::chrono::seconds(3))) << "gone";
}

TEST_F(ComboPainterTest, DropDownListThumbDragReachesTheLastItem) {
  TComboBox& c = combo(TComboBoxStyle::csDropDown, 40);
  TSkinComBox& painter = skin(c);
  ASSERT_NE(painter.DropDownListPainter(), nullptr);
  const HWND list = painter.ListWindow();
  EXPECT_EQ(painter.DropDownListPainter()->Handle(), list);
  EXPECT_EQ(SendMessageW(list, WM_SKINQUERY, 0, 0), 1);

  // A list dropped in a window without the focus closes at once.
  SetForegroundWindow(Form.Handle());
  SetFocus(c.Handle());
  SendMessageW(c.Handle(), CB_SHOWDROPDOWN, TRUE, 0);
  test::WaitUntil([] { return false; }, std::chrono::milliseconds(200));
  EXPECT_TRUE(painter.Dropped());
  ASSERT_TRUE(IsWindowVisible(list));
  // The list's bar in the skin: the track below the thumb.
  SCROLLBARINFO bar{};
  bar.cbSize = sizeof bar;
  ASSERT_TRUE(GetScrollBarInfo(list, OBJID_VSCROLL, &bar));
  const RECT listRect = windowRect(list);
  {
    const TBitmap pixels = painted(*painter.DropDownListPainter());
    const int x = (bar.rcScrollBar.left + bar.rcScrollBar.right) / 2 - listRect.left;
    EXPECT_EQ(pixels.Pixel(x, bar.rcScrollBar.top - listRect.top + bar.xyThumbBottom + 2), rgb(track(1)));
    EXPECT_EQ(pixels.Pixel(bar.rcScrollBar.left - listRect.left + 1, bar.rcScrollBar.top - listRect.top +
                                                                          bar.xyThumbTop + 2),
              rgb(thumb(1)));
  }

  // Press on the thumb, drag past the end of the bar, let go.
  const POINT grab{(bar.rcScrollBar.left + bar.rcScrollBar.right) / 2, bar.rcScrollBar.top + bar.xyThumbTop + 3};
  const POINT to{grab.x, bar.rcScrollBar.bottom + 10};
  ASSERT_TRUE(test::MoveCursorTo(grab.x, grab.y));
  // Our own drag loop scrolls the list, the thumb pressed meanwhile.
  bool trackedByOurDrag = false;
  TWindowSubclass watch;
  watch.Attach(list, [&](UINT msg, WPARAM wParam, LPARAM lParam, const TSubclassNext& next) {
    if (msg == WM_VSCROLL && LOWORD(wParam) == SB_THUMBTRACK && painter.DropDownListPainter())
      trackedByOurDrag |= painter.DropDownListPainter()->Dragging();
    return next(msg, wParam, lParam);
  });
  std::atomic<bool> done{false};
  std::thread input([&] {
    test::MouseButton(MOUSEEVENTF_LEFTDOWN);
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    for (int step = 1; step <= 4; ++step) {
      test::MouseMoveTo({grab.x, grab.y + (to.y - grab.y) * step / 4});
      std::this_thread::sleep_for(std::chrono::milliseconds(80));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    test::MouseButton(MOUSEEVENTF_LEFTUP);
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    done = true;
  });
  test::WaitUntil([&] { return done.load(); }, std::chrono::seconds(5));
  input.join();
  test::WaitUntil([] { return false; }, std::chrono::milliseconds(150));
  const int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
  const int itemHeight = static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
  RECT client{};
  GetClientRect(list, &client);
  EXPECT_EQ(SendMessageW(list, LB_GETTOPINDEX, 0, 0), count - client.bottom / itemHeight) << "the last item shows";
  EXPECT_TRUE(trackedByOurDrag);
  watch.Detach();
  EXPECT_FALSE(painter.DropDownListPainter()->Dragging());
  EXPECT_TRUE(IsWindowVisible(list)) << "the list stays open after the drag";
  EXPECT_EQ(GetCapture(), list) << "the list has the mouse back";

  SendMessageW(c.Handle(), CB_SHOWDROPDOWN, FALSE, 0);
  test::WaitUntil([] { return false; }, std::chrono::milliseconds(100));
  EXPECT_FALSE(IsWindowVisible(list));
  EXPECT_FALSE(painter.Dropped());
}

TEST_F(ComboPainterTest, UnskinGivesTheEditAndTheListBack) {
  TComboBox& c = combo(TComboBoxStyle::csDropDown, 20);
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetComboBoxInfo(c.Handle(), &info));
  const LONG_PTR editProc = GetWindowLongPtrW(info.hwndItem, GWLP_WNDPROC);
  TSkinComBox& painter = skin(c);
  EXPECT_EQ(painter.EditWindow(), info.hwndItem);
  EXPECT_NE(GetWindowLongPtrW(info.hwndItem, GWLP_WNDPROC), editProc);
  EXPECT_EQ(List.Painters().size(), 2u) << "the combo's and its list's";
  painter.Unskin();
  EXPECT_EQ(GetWindowLongPtrW(info.hwndItem, GWLP_WNDPROC), editProc);
  EXPECT_EQ(painter.DropDownListPainter(), nullptr);
  EXPECT_EQ(SendMessageW(info.hwndList, WM_SKINQUERY, 0, 0), 0);
  delete &painter;
  EXPECT_TRUE(List.Painters().empty());
}

TEST_F(ComboPainterTest, SimpleComboListGetsOverlaysAndEverythingIsFreedOnceWithTheControl) {
  TComboBox& c = combo(TComboBoxStyle::csSimple, 30);
  TSkinComBox& painter = skin(c);
  ASSERT_NE(painter.SimpleListPainter(), nullptr);
  EXPECT_EQ(painter.DropDownListPainter(), nullptr);
  TWScrollbar* overlay = painter.SimpleListPainter()->Overlay(osVertical);
  ASSERT_NE(overlay, nullptr);
  EXPECT_TRUE(overlay->Shown());
  EXPECT_EQ(GetParent(overlay->Handle()), c.Handle());
  delete &c;
  EXPECT_TRUE(List.Painters().empty());
}

TEST_F(ComboPainterTest, GdiCountsStayFlatAcrossRepaints) {
  TComboBox& c = combo(TComboBoxStyle::csDropDown, 40);
  TSkinComBox& painter = skin(c);
  SendMessageW(c.Handle(), CB_SHOWDROPDOWN, TRUE, 0);
  for (int i = 0; i < 20; ++i) painter.PaintSkin(nullptr);
  const int before = GdiCounters::LiveTotal();
  for (int i = 0; i < 10000; ++i) {
    painter.HotState = i % 2;
    painter.PaintSkin(nullptr);
    if (i % 10 == 0) painter.DropDownListPainter()->PaintSkin(nullptr);
  }
  EXPECT_EQ(GdiCounters::LiveTotal(), before);
  SendMessageW(c.Handle(), CB_SHOWDROPDOWN, FALSE, 0);
}

}  // namespace
}  // namespace velmora
