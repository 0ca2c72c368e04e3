// The skin's shared platform services: the control behind a window, captions drawn as
// UTF-16, and the optional user32 calls.
#include "skin/data/skin_platform.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>

#include "framework/bitmap.h"
#include "framework/gdi_object.h"
#include "framework/form.h"

namespace velmora {
namespace {

TEST(SkinPlatformTest, FindControlObjectKnowsOurWindowsOnly) {
  TForm form(nullptr);
  const HWND ours = form.Handle();
  ASSERT_NE(ours, nullptr);
  EXPECT_EQ(FindControlObject(ours), &form);
  EXPECT_EQ(FindControlObject(nullptr), nullptr);
  const HWND foreign = CreateWindowExA(0, "STATIC", "x", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(foreign, nullptr);
  EXPECT_EQ(FindControlObject(foreign), nullptr);
  DestroyWindow(foreign);
  // The property goes with the window.
  DestroyWindow(ours);
  EXPECT_EQ(GetPropA(ours, TWinControl::ControlAtomName().c_str()), nullptr);
}

TEST(SkinPlatformTest, ControlAtomNameCarriesModuleAndThread) {
  char expected[40];
  std::snprintf(expected, sizeof expected, "ControlOfs%.8X%.8X",
                static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(GetModuleHandleA(nullptr))),
                static_cast<unsigned>(GetCurrentThreadId()));
  EXPECT_EQ(TWinControl::ControlAtomName(), expected);
}

TEST(SkinPlatformTest, AnsiToWideReadsTheAnsiCodePage) {
  EXPECT_EQ(AnsiToWide("数据备份"), L"\u6570\u636E\u5907\u4EFD");  // GBK bytes in, UTF-16 out
  EXPECT_EQ(AnsiToWide("Velmora"), L"Velmora");
  EXPECT_EQ(AnsiToWide(""), L"");
}

TEST(SkinPlatformTest, SkinDrawTextDrawsAndMeasuresWideText) {
  EXPECT_TRUE(IsNTFamily());
  TBitmap canvas(120, 30);
  MemoryDC dc;
  SelectScope select(dc, canvas.Handle());
  RECT all{0, 0, 120, 30};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkMode(dc, TRANSPARENT);

  RECT measured{0, 0, 0, 0};
  const int height = SkinDrawText(dc, L"\u5907\u4EFD OK", measured, DT_CALCRECT | DT_SINGLELINE);
  EXPECT_GT(height, 0);
  EXPECT_GT(measured.right, 10);
  int drawnBefore = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 120; ++x) drawnBefore += canvas.Pixel(x, y) != 0xFFFFFF;
  EXPECT_EQ(drawnBefore, 0);  // measuring draws nothing

  RECT box = all;
  EXPECT_GT(SkinDrawText(dc, L"\u5907\u4EFD OK", box, DT_SINGLELINE | DT_LEFT | DT_TOP), 0);
  GdiFlush();
  int drawn = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 120; ++x) drawn += canvas.Pixel(x, y) != 0xFFFFFF;
  EXPECT_GT(drawn, 10);
}

TEST(SkinPlatformTest, OptionalCallsAreFoundAndWork) {
  EXPECT_TRUE(HasGetScrollBarInfo());
  EXPECT_TRUE(HasTrackMouseEvent());
  EXPECT_TRUE(HasGetComboBoxInfo());
  const HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VSCROLL, 0, 0, 100, 100, nullptr, nullptr,
                                      nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  SCROLLBARINFO info{};
  EXPECT_TRUE(SkinGetScrollBarInfo(window, OBJID_VSCROLL, info));
  EXPECT_EQ(info.cbSize, sizeof(SCROLLBARINFO));
  SkinTrackMouseLeave(window);  // asks for a leave notice; nothing to see until the mouse moves
  COMBOBOXINFO combo{};
  EXPECT_FALSE(SkinGetComboBoxInfo(window, combo));  // not a combo box
  EXPECT_EQ(combo.cbSize, sizeof(COMBOBOXINFO));
  DestroyWindow(window);
}

}  // namespace
}  // namespace velmora
