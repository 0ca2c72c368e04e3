// Date-time and edit painters with their small parts on real controls: the picker's
// arrow button over its own drop-down button (either side), drawn from the skin and
// opening the calendar on a real click; the picker's border; a time picker's and an
// edit's spin button skinned inside them and freed once.
#include "skin/controls/datetime_painter.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <thread>

#include "framework/bitmap.h"
#include "framework/common_controls.h"
#include "framework/form.h"
#include "framework/gdi_object.h"
#include "framework/std_controls.h"
#include "skin/controls/edit_painters.h"
#include "skin/controls/painter_messages.h"
#include "skin/controls/updown_painter.h"
#include "skin/skin_test_package.h"
#include "support/test_support.h"

namespace velmora {
namespace {

using test::Bytes;
using test::MakeBmp;

// The drop-down arrows (from the combo button's strip) and the spin halves, one colour
// per frame (0xRRGGBB).
constexpr std::uint32_t arrowFrame(int frame) { return 0x003000u | (static_cast<std::uint32_t>(frame * 50) << 16); }
constexpr COLORREF rgb(std::uint32_t c) { return RGB(c >> 16, (c >> 8) & 0xFF, c & 0xFF); }

std::unique_ptr<TSkinData> pickerSkin() {
  const std::string ini =
      "[ComboButton]\nImage=button.bmp\n"
      "[UpDown.Vert]\nImage=spin.bmp\n[UpDown.Horz]\nImage=spin.bmp\n"
      "[Colours]\nButtonFace=192,192,192\nButtonShadow=64,64,64\n";
  const Bytes package =
      test::PackSkin(ini, {{"button.bmp", MakeBmp(4 * 16, 16, [](int x, int) { return arrowFrame(x / 16 + 1); })},
                           {"spin.bmp", MakeBmp(8 * 8, 8, [](int x, int) { return 0x0000F0u | ((x / 8) * 20u << 8); })}});
  auto data = std::make_unique<TSkinData>(nullptr);
  EXPECT_TRUE(data->ReadBinaryProperty("SkinStream", test::SkinStreamBlock(package)));
  return data;
}

RECT windowRect(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

// A window's own drawing into a bitmap of its size.
TBitmap printed(HWND window) {
  const RECT rect = windowRect(window);
  TBitmap bitmap(rect.right - rect.left, rect.bottom - rect.top);
  MemoryDC dc;
  SelectScope select(dc, bitmap.Handle());
  SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.Get()), PRF_CLIENT);
  GdiFlush();
  return bitmap;
}

class DateTimePainterTest : public testing::Test {
 protected:
  void SetUp() override {
    test::MoveCursorTo(900, 700);
    Skin = pickerSkin();
    Form.SetBounds(40, 40, 420, 320);
    ShowWindow(Form.Handle(), SW_SHOW);
    UpdateWindow(Form.Handle());
    SetForegroundWindow(Form.Handle());
  }
  TDateTimePicker& picker(bool time = false) {
    auto* control = new TDateTimePicker(&Form);
    control->SetTimeKind(time);
    control->SetBounds(10, 10 + 40 * static_cast<int>(Form.Components().size()), 150, 24);
    control->SetParent(&Form);
    control->Handle();
    return *control;
  }
  template <class Painter>
  Painter& skin(TWinControl& control) {
    auto* painter = new Painter(&control);
    painter->AttachControl(&List, Skin.get(), false);
    return *painter;
  }

  TSkinPainterList List;
  std::unique_ptr<TSkinData> Skin;
  TForm Form{nullptr};
};

TEST_F(DateTimePainterTest, ArrowButtonLiesOverTheNativeButtonOnEitherSide) {
  struct Case {
    const char* name;
    bool rightToLeft;
  } const cases[] = {{"left to right", false}, {"right to left", true}};
  for (const auto& c : cases) {
    TDateTimePicker& p = picker();
    if (c.rightToLeft)
      SetWindowLongPtrW(p.Handle(), GWL_EXSTYLE, GetWindowLongPtrW(p.Handle(), GWL_EXSTYLE) | WS_EX_LEFTSCROLLBAR);
    const LONG_PTR styleBefore = GetWindowLongPtrW(p.Handle(), GWL_STYLE);
    auto& painter = skin<TSkinDateTime>(p);
    ASSERT_NE(painter.ArrowButton(), nullptr) << c.name;
    const HWND arrow = painter.ArrowButton()->Handle();
    ASSERT_TRUE(IsWindowVisible(arrow)) << c.name;
    EXPECT_EQ(GetParent(arrow), p.Handle());
    RECT client{}, own = windowRect(arrow);
    GetClientRect(p.Handle(), &client);
    MapWindowPoints(nullptr, p.Handle(), reinterpret_cast<POINT*>(&own), 2);
    EXPECT_EQ(own.right - own.left, GetSystemMetrics(SM_CXHSCROLL)) << c.name;
    EXPECT_EQ(own.top, 0) << c.name;
    EXPECT_EQ(own.bottom, client.bottom) << c.name;
    EXPECT_EQ(c.rightToLeft ? own.left : own.right, c.rightToLeft ? 0 : client.right) << c.name;
    EXPECT_TRUE(GetWindowLongPtrW(p.Handle(), GWL_STYLE) & WS_CLIPCHILDREN);

    p.SetBounds(p.Left(), p.Top(), 200, 28);
    own = windowRect(arrow);
    GetClientRect(p.Handle(), &client);
    MapWindowPoints(nullptr, p.Handle(), reinterpret_cast<POINT*>(&own), 2);
    EXPECT_EQ(c.rightToLeft ? own.left : own.right, c.rightToLeft ? 0 : client.right) << c.name << " after a resize";
    EXPECT_EQ(own.bottom, client.bottom) << c.name << " after a resize";

    painter.Unskin();
    EXPECT_FALSE(IsWindow(arrow)) << c.name;
    EXPECT_EQ(GetWindowLongPtrW(p.Handle(), GWL_STYLE) & WS_CLIPCHILDREN, styleBefore & WS_CLIPCHILDREN) << c.name;
    delete &painter;
  }
}

TEST_F(DateTimePainterTest, ArrowFramesBorderAndARealClickOpensTheCalendar) {
  TDateTimePicker& p = picker();
  auto& painter = skin<TSkinDateTime>(p);
  const HWND arrow = painter.ArrowButton()->Handle();
  TBitmap pixels = printed(arrow);
  EXPECT_EQ(pixels.Pixel(pixels.Width() / 2, pixels.Height() / 2), rgb(arrowFrame(1)));

  // The picker's border: the frame colour, then white.
  {
    const RECT outer = windowRect(p.Handle());
    TBitmap whole(outer.right - outer.left, outer.bottom - outer.top);
    MemoryDC dc;
    SelectScope select(dc, whole.Handle());
    painter.PaintSkin(dc);
    GdiFlush();
    EXPECT_EQ(whole.Pixel(0, whole.Height() / 2), RGB(64, 64, 64));
    EXPECT_EQ(whole.Pixel(1, whole.Height() / 2), RGB(255, 255, 255));
  }

  const RECT place = windowRect(arrow);
  ASSERT_TRUE(test::MoveCursorTo((place.left + place.right) / 2, (place.top + place.bottom) / 2));
  EXPECT_TRUE(test::WaitUntil([&] { return painter.ArrowButton()->Hot(); }, std::chrono::seconds(3)));
  pixels = printed(arrow);
  EXPECT_EQ(pixels.Pixel(pixels.Width() / 2, pixels.Height() / 2), rgb(arrowFrame(4))) << "hot";

  test::MouseButton(MOUSEEVENTF_LEFTDOWN);
  std::this_thread::sleep_for(std::chrono::milliseconds(80));
  test::MouseButton(MOUSEEVENTF_LEFTUP);
  EXPECT_TRUE(test::WaitUntil([&] {
    const HWND calendar = reinterpret_cast<HWND>(SendMessageW(p.Handle(), DTM_GETMONTHCAL, 0, 0));
    return calendar && IsWindowVisible(calendar);
  }, std::chrono::seconds(3))) << "the calendar opened";
  test::WaitUntil([] { return false; }, std::chrono::milliseconds(200));
  const HWND calendar = reinterpret_cast<HWND>(SendMessageW(p.Handle(), DTM_GETMONTHCAL, 0, 0));
  EXPECT_TRUE(calendar && IsWindowVisible(calendar)) << "and stays open";
  if (calendar) SendMessageW(calendar, WM_KEYDOWN, VK_ESCAPE, 0);
  test::MoveCursorTo(900, 700);
  EXPECT_TRUE(test::WaitUntil([&] { return !painter.ArrowButton()->Hot(); }, std::chrono::seconds(3)));
}

TEST_F(DateTimePainterTest, TimePickerHasItsSpinButtonSkinnedInstead) {
  TDateTimePicker& p = picker(true);
  const HWND spin = TSkinUpDown::FindSpinChild(p.Handle());
  ASSERT_NE(spin, nullptr);
  auto& painter = skin<TSkinDateTime>(p);
  EXPECT_EQ(painter.ArrowButton(), nullptr);
  EXPECT_EQ(SendMessageW(spin, WM_SKINQUERY, 0, 0), 1);
  EXPECT_EQ(List.Painters().size(), 2u);
  delete &p;
  EXPECT_TRUE(List.Painters().empty()) << "both freed once with the picker";
}

TEST_F(DateTimePainterTest, EditFindsItsSpinButtonWhenPainted) {
  auto* edit = new TEdit(&Form);
  edit->SetBounds(10, 200, 120, 24);
  edit->SetParent(&Form);
  const HWND spin = CreateWindowExW(0, UPDOWN_CLASSW, L"", WS_CHILD | WS_VISIBLE, 100, 2, 16, 18, edit->Handle(),
                                    nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(spin, nullptr);
  auto& painter = skin<TSkinEdit>(*edit);
  painter.PaintSkin(nullptr);
  ASSERT_NE(painter.SpinPainter(), nullptr);
  EXPECT_TRUE(painter.SpinPainter()->InEdit);
  EXPECT_EQ(SendMessageW(spin, WM_SKINQUERY, 0, 0), 1);
  painter.PaintSkin(nullptr);
  EXPECT_EQ(List.Painters().size(), 2u) << "found once";
  delete edit;
  EXPECT_TRUE(List.Painters().empty());
}

}  // namespace
}  // namespace velmora
