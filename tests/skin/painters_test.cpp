// The control painters on real controls: faces chosen by state and drawn from the skin,
// clicks only from a press released on the button, check and radio glyph frames, the
// group box frame, switching a painter off and on, and the window going away.
#include <gtest/gtest.h>

#include "framework/common_controls.h"
#include "framework/form.h"
#include "framework/gdi_object.h"
#include "framework/std_controls.h"
#include "skin/controls/button_painters.h"
#include "skin/controls/check_painters.h"
#include "skin/controls/edit_painters.h"
#include "skin/controls/painter_messages.h"
#include "skin/skin_test_package.h"
#include "support/test_support.h"

namespace velmora {
namespace {

using test::Bytes;
using test::MakeBmp;

// One colour per face of the button strip, per frame of the glyph strips.
constexpr std::uint32_t FaceColours[] = {0x2040A0, 0x102050, 0x808080, 0x3060E0, 0x20C040};
constexpr COLORREF rgb(std::uint32_t c) { return RGB(c >> 16, (c >> 8) & 0xFF, c & 0xFF); }
std::uint32_t glyphColour(int frame) { return 0x100000u * static_cast<std::uint32_t>(frame) + 0x0000FF; }

Bytes strip(int frames, int size) {
  return MakeBmp(frames * size, size, [size](int x, int y) {
    if (x % size == 0 && y == 0) return 0xFF00FFu;  // one transparent pixel per frame
    return glyphColour(x / size + 1);
  });
}

Bytes skinPackage(int checkFrames) {
  const std::string ini = "[Colours]\nButtonFace=230,232,236\nButtonShadow=90,100,120\n[Buttons]\nBitmap=buttons.bmp\n"
                          "CheckButton=check.bmp\nRadioButton=radio.bmp\nCheckButtonFrame=" +
                          std::to_string(checkFrames) + "\nRadioButtonFrame=8\n";
  return test::PackSkin(ini, {{"buttons.bmp", MakeBmp(50, 10, [](int x, int) { return FaceColours[x / 10]; })},
                              {"check.bmp", strip(checkFrames, 13)},
                              {"radio.bmp", strip(8, 13)}});
}

class PaintersTest : public testing::Test {
 protected:
  // The cursor away from the form: a leave notice then means the mouse really left.
  void SetUp() override {
    test::MoveCursorTo(700, 550);
    load(4);
  }
  void load(int checkFrames) {
    const Bytes package = skinPackage(checkFrames);
    const test::Bytes block = test::SkinStreamBlock(package);
    Skin = std::make_unique<TSkinData>(nullptr);
    ASSERT_TRUE(Skin->ReadBinaryProperty("SkinStream", block));
    ASSERT_FALSE(Skin->NoSkin());
  }
  template <class Control>
  Control& add(int left, int top, int width, int height, const char* caption) {
    auto* control = new Control(&Form);
    control->SetParent(&Form);
    control->SetBounds(left, top, width, height);
    control->SetCaption(caption);
    return *control;
  }
  template <class Painter>
  Painter& paint(TWinControl& control, bool changeColor = false) {
    auto* painter = new Painter(&control);
    painter->AttachControl(&List, Skin.get(), changeColor);
    return *painter;
  }
  // The control painted into a bitmap of its size, as WM_PAINT with a DC draws it.
  TBitmap face(TWinControl& control) {
    TBitmap bitmap(control.Width(), control.Height());
    MemoryDC dc;
    SelectScope select(dc, bitmap.Handle());
    SendMessageA(control.Handle(), WM_PAINT, reinterpret_cast<WPARAM>(dc.Get()), 0);
    GdiFlush();
    return bitmap;
  }

  // Declared before the form: the painters the form's controls free at the end still
  // reach the list and the skin.
  TSkinPainterList List;
  std::unique_ptr<TSkinData> Skin;
  TForm Form{nullptr};
};

TEST_F(PaintersTest, ButtonFaceFollowsItsState) {
  Form.SetBounds(0, 0, 300, 200);
  auto& button = add<TButton>(10, 10, 80, 24, "OK");
  auto& other = add<TButton>(10, 50, 80, 24, "Other");
  Form.Handle();
  ShowWindow(Form.Handle(), SW_SHOW);
  auto& painter = paint<TSkinButton>(button);
  SetFocus(other.Handle());
  const HWND h = button.Handle();

  EXPECT_EQ(face(button).Pixel(2, 2), rgb(FaceColours[0])) << "normal";
  SetFocus(h);
  EXPECT_EQ(face(button).Pixel(2, 2), rgb(FaceColours[4])) << "focused";
  SetFocus(other.Handle());
  button.SetDefault(true);
  EXPECT_EQ(face(button).Pixel(2, 2), rgb(FaceColours[4])) << "default, not focused";
  button.SetDefault(false);
  SendMessageA(h, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_TRUE(painter.HotState);
  EXPECT_EQ(face(button).Pixel(2, 2), rgb(FaceColours[3])) << "hot";
  SendMessageA(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_EQ(face(button).Pixel(2, 2), rgb(FaceColours[1])) << "pressed";
  button.SetEnabled(false);
  EXPECT_EQ(face(button).Pixel(2, 2), rgb(FaceColours[2])) << "disabled, even pressed";
  // The caption is drawn over the face.
  button.SetEnabled(true);
  SendMessageA(h, WM_MOUSELEAVE, 0, 0);
  const TBitmap normal = face(button);
  int text = 0;
  for (int x = 20; x < 60; ++x)
    for (int y = 6; y < 18; ++y) text += normal.Pixel(x, y) != rgb(FaceColours[0]);
  EXPECT_GT(text, 5);
}

TEST_F(PaintersTest, ClickOnlyFromAPressReleasedOnTheButton) {
  Form.SetBounds(0, 0, 300, 200);
  auto& button = add<TButton>(10, 10, 80, 24, "OK");
  int clicks = 0;
  std::vector<std::string> downs;
  button.OnClick = [&](TObjectSender) { ++clicks; };
  button.OnMouseDown = [&](TObjectSender, TMouseButton which, TShiftState shift, int x, int y) {
    downs.push_back(std::to_string(static_cast<int>(which)) + " " + std::to_string(shift) + " " +
                    std::to_string(x) + "," + std::to_string(y));
  };
  Form.Handle();
  paint<TSkinButton>(button);
  const HWND h = button.Handle();
  SendMessageA(h, WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(5, 7));
  SendMessageA(h, WM_LBUTTONUP, 0, MAKELPARAM(5, 7));
  EXPECT_EQ(clicks, 1);
  // The press the window never sees still reaches the control's mouse-down event, once.
  EXPECT_EQ(downs, (std::vector<std::string>{"0 9 5,7"}));
  SendMessageA(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageA(h, WM_MOUSELEAVE, 0, 0);  // left before the release
  SendMessageA(h, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(clicks, 1);
  SendMessageA(h, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));  // a release without a press
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(GetCapture(), nullptr);  // the window never saw the press
}

TEST_F(PaintersTest, ALeaveNoticeWhileTheCursorIsStillOnTheButtonKeepsThePress) {
  // Such a notice can be left over from a modal box that covered the button: the next
  // click must not be lost to it.
  Form.SetBounds(0, 0, 300, 200);
  auto& button = add<TButton>(10, 10, 80, 24, "OK");
  int clicks = 0;
  button.OnClick = [&](TObjectSender) { ++clicks; };
  ShowWindow(Form.Handle(), SW_SHOW);
  UpdateWindow(Form.Handle());
  auto& painter = paint<TSkinButton>(button);
  const HWND h = button.Handle();
  RECT onScreen{};
  GetWindowRect(h, &onScreen);
  ASSERT_TRUE(test::MoveCursorTo(onScreen.left + 5, onScreen.top + 5));
  ASSERT_TRUE(test::WaitUntil([&] {
    POINT at{};
    GetCursorPos(&at);
    return WindowFromPoint(at) == h;
  }, std::chrono::seconds(3)));
  SendMessageA(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageA(h, WM_MOUSELEAVE, 0, 0);
  EXPECT_TRUE(painter.PressedState);
  SendMessageA(h, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(clicks, 1);
  // Once the cursor is really elsewhere, the notice ends the press.
  ASSERT_TRUE(test::MoveCursorTo(700, 550));
  SendMessageA(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageA(h, WM_MOUSELEAVE, 0, 0);
  EXPECT_FALSE(painter.PressedState);
  SendMessageA(h, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(clicks, 1);
}

TEST_F(PaintersTest, SpaceBarPressesAndTheButtonsOwnKeyHandlingClicks) {
  Form.SetBounds(0, 0, 300, 200);
  auto& button = add<TButton>(10, 10, 80, 24, "OK");
  int clicks = 0;
  button.OnClick = [&](TObjectSender) { ++clicks; };
  Form.Handle();
  ShowWindow(Form.Handle(), SW_SHOW);
  auto& painter = paint<TSkinButton>(button);
  const HWND h = button.Handle();
  SetFocus(h);
  SendMessageA(h, WM_KEYDOWN, VK_SPACE, 0x00390001);
  EXPECT_TRUE(painter.PressedState);
  EXPECT_EQ(face(button).Pixel(2, 2), rgb(FaceColours[1])) << "pressed";
  EXPECT_EQ(clicks, 0);
  SendMessageA(h, WM_KEYUP, VK_SPACE, 0xC0390001);
  EXPECT_FALSE(painter.PressedState);
  EXPECT_EQ(face(button).Pixel(2, 2), rgb(FaceColours[4])) << "focused again";
  EXPECT_EQ(clicks, 1) << "one click, from the button's own key handling";
}

TEST_F(PaintersTest, WithoutButtonFacesAButtonKeepsItsOwnLook) {
  const Bytes package = test::PackSkin("[Colours]\nButtonFace=1,2,3\n", {});
  const test::Bytes block = test::SkinStreamBlock(package);
  Skin = std::make_unique<TSkinData>(nullptr);
  ASSERT_TRUE(Skin->ReadBinaryProperty("SkinStream", block));
  Form.SetBounds(0, 0, 300, 200);
  auto& button = add<TButton>(10, 10, 80, 24, "OK");
  Form.Handle();
  const TBitmap native = face(button);
  paint<TSkinButton>(button);
  const TBitmap painted = face(button);
  for (auto [x, y] : {std::pair{2, 2}, {40, 12}, {79, 23}}) EXPECT_EQ(painted.Pixel(x, y), native.Pixel(x, y)) << x << "," << y;
}

TEST_F(PaintersTest, SkinQueryAndSwitchingOff) {
  Form.SetBounds(0, 0, 300, 200);
  auto& skinned = add<TButton>(10, 10, 80, 24, "A");
  auto& plain = add<TButton>(10, 50, 80, 24, "B");
  Form.Handle();
  paint<TSkinButton>(skinned);
  EXPECT_EQ(SendMessageA(skinned.Handle(), WM_SKINQUERY, 0, 0), 1);
  EXPECT_EQ(SendMessageA(plain.Handle(), WM_SKINQUERY, 0, 0), 0);

  SendMessageA(skinned.Handle(), WM_SKINENABLE, 0, 0);
  EXPECT_NE(face(skinned).Pixel(2, 2), rgb(FaceColours[0]));  // the native look
  EXPECT_EQ(SendMessageA(skinned.Handle(), WM_SKINQUERY, 0, 0), 0);
  SendMessageA(skinned.Handle(), WM_SKINENABLE, 1, 0);
  EXPECT_EQ(face(skinned).Pixel(2, 2), rgb(FaceColours[0]));
}

TEST_F(PaintersTest, CheckAndRadioFramesByState) {
  Form.SetBounds(0, 0, 300, 200);
  auto& check = add<TCheckBox>(10, 10, 120, 17, "Check");
  auto& radio = add<TRadioButton>(10, 40, 120, 17, "Radio");
  Form.Handle();
  struct Case {
    TCheckBoxState State;
    bool Enabled;
    int Four, Twelve;
  };
  const Case cases[] = {
      {TCheckBoxState::cbUnchecked, true, 1, 1},  {TCheckBoxState::cbChecked, true, 2, 5},
      {TCheckBoxState::cbUnchecked, false, 3, 4}, {TCheckBoxState::cbChecked, false, 4, 8},
      {TCheckBoxState::cbGrayed, true, 4, 9},     {TCheckBoxState::cbGrayed, false, 4, 12},
  };
  for (int frames : {4, 12}) {
    load(frames);
    auto* painter = new TSkinCheckBox(&check);
    painter->AttachControl(&List, Skin.get(), false);
    for (const Case& c : cases) {
      check.SetState(c.State);
      check.SetEnabled(c.Enabled);
      EXPECT_EQ(painter->GlyphFrame(), frames == 4 ? c.Four : c.Twelve)
          << frames << " frames, state " << static_cast<int>(c.State) << (c.Enabled ? "" : " disabled");
    }
    check.SetEnabled(true);
    check.SetState(TCheckBoxState::cbChecked);
    // The glyph is drawn at the left, centred, its magenta left out.
    const TBitmap pixels = face(check);
    EXPECT_EQ(pixels.Pixel(6, 6), rgb(glyphColour(frames == 4 ? 2 : 5))) << frames << " frames";
    EXPECT_EQ(pixels.Pixel(0, 2), RGB(230, 232, 236)) << "the face under the glyph's transparent pixel";
    delete painter;  // before the skin it reads goes
  }
  auto& radioPainter = paint<TSkinRadioButton>(radio);
  radio.SetChecked(true);
  radio.SetEnabled(false);
  EXPECT_EQ(radioPainter.GlyphFrame(), 8);  // checked and disabled, eight frames
  radio.SetEnabled(true);
  EXPECT_EQ(radioPainter.GlyphFrame(), 5);
}

TEST_F(PaintersTest, GroupBoxFrameAndOpaqueCaption) {
  Form.SetBounds(0, 0, 300, 200);
  auto& group = add<TGroupBox>(10, 10, 200, 100, "Group");
  Form.Handle();
  paint<TSkinGroupBox>(group);
  const TBitmap pixels = face(group);
  const COLORREF shadow = RGB(90, 100, 120), back = RGB(230, 232, 236);
  // The line runs at half the text height; the caption interrupts it from x = 8.
  int line = -1;
  for (int y = 0; y < 20 && line < 0; ++y)
    if (pixels.Pixel(4, y) == shadow) line = y;
  ASSERT_GE(line, 0);
  EXPECT_EQ(pixels.Pixel(190, line), shadow);
  EXPECT_EQ(pixels.Pixel(1, 50), shadow);
  int cut = 0;
  for (int x = 8; x < 40; ++x) cut += pixels.Pixel(x, line) != shadow;
  EXPECT_GT(cut, 10);
  EXPECT_EQ(pixels.Pixel(100, 50), back);
}

TEST_F(PaintersTest, PanelIsRecolouredAndGivenBackWhenItsWindowGoes) {
  Form.SetBounds(0, 0, 300, 200);
  auto& panel = add<TPanel>(10, 10, 100, 40, "Panel");
  panel.SetColor(RGB(1, 2, 3));
  Form.Handle();
  auto& painter = paint<TSkinBox>(panel, true);
  EXPECT_EQ(panel.Color(), RGB(230, 232, 236));
  painter.Unskin();
  EXPECT_EQ(panel.Color(), RGB(1, 2, 3));
  EXPECT_EQ(painter.Status(), psUnskinned);

  auto& button = add<TButton>(10, 60, 80, 24, "Gone");
  button.Handle();
  auto& buttonPainter = paint<TSkinButton>(button, true);
  DestroyWindow(button.Handle());
  EXPECT_EQ(buttonPainter.Status(), psWindowDestroyed);
  EXPECT_FALSE(buttonPainter.Active());
}

TEST_F(PaintersTest, BareButtonPostsItsCommandToItsParent) {
  const HWND parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr, nullptr, nullptr);
  const HWND button = CreateWindowExA(0, "BUTTON", "Bare", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 80, 24,
                                      parent, reinterpret_cast<HMENU>(42), nullptr, nullptr);
  {
    TSkinButton painter(nullptr);
    painter.AttachHandle(button, Skin.get(), &List);
    EXPECT_EQ(SendMessageA(button, WM_SKINQUERY, 0, 0), 1);
    SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, parent, WM_COMMAND, WM_COMMAND, PM_REMOVE));
    EXPECT_EQ(LOWORD(msg.wParam), 42);
    EXPECT_EQ(reinterpret_cast<HWND>(msg.lParam), button);
    EXPECT_EQ(List.Painters().size(), 1u);
  }
  EXPECT_TRUE(List.Painters().empty());
  EXPECT_EQ(SendMessageA(button, WM_SKINQUERY, 0, 0), 0);  // its procedure is back
  DestroyWindow(parent);
}

// A 16 x 16 glyph strip: frame k filled with its colour, the bottom-left pixel of each
// frame (the transparent colour) green.
TGlyph glyphStrip(int frames) {
  constexpr COLORREF colours[] = {RGB(200, 0, 0), RGB(0, 0, 200), RGB(200, 0, 200)};
  TGlyph glyph;
  glyph.Bitmap.SetSize(16 * frames, 16);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16 * frames; ++x)
      glyph.Bitmap.SetPixel(x, y, (x % 16 == 0 && y == 15) || y == 15 ? RGB(0, 255, 0) : colours[x / 16]);
  return glyph;
}

// The first column of row `y` whose pixel is `colour`, or -1.
int firstColumn(const TBitmap& bitmap, int y, COLORREF colour, int from = 0) {
  for (int x = from; x < bitmap.Width(); ++x)
    if (bitmap.Pixel(x, y) == colour) return x;
  return -1;
}

TEST_F(PaintersTest, BitButtonLaysOutGlyphAndCaption) {
  Form.SetBounds(0, 0, 300, 200);
  auto& button = add<TBitBtn>(10, 10, 120, 30, "Backup");
  TGlyph strip = glyphStrip(3);
  button.SetGlyph(&strip);
  button.SetNumGlyphs(3);
  button.SetSpacing(-1);
  Form.Handle();
  paint<TSkinBitButton>(button);
  // Margin and spacing both -1: glyph, gap and text share the free width in thirds.
  TBitmap pixels = face(button);
  const int glyphLeft = firstColumn(pixels, 12, RGB(200, 0, 0));
  ASSERT_GT(glyphLeft, 2);
  int textLeft = -1;
  for (int x = glyphLeft + 16; x < 120 && textLeft < 0; ++x)
    for (int y = 5; y < 25; ++y)
      if (pixels.Pixel(x, y) != rgb(FaceColours[0]) && pixels.Pixel(x, y) != RGB(200, 0, 0)) textLeft = x;
  ASSERT_GT(textLeft, 0);
  EXPECT_NEAR(textLeft - (glyphLeft + 16), glyphLeft, 2);
  // The glyph's transparent colour is left out; pressed shows the third frame.
  EXPECT_EQ(firstColumn(pixels, 15 + (30 - 16 + 1) / 2 - 1, RGB(0, 255, 0)), -1);
  SendMessageA(button.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  pixels = face(button);
  EXPECT_EQ(firstColumn(pixels, 12, RGB(200, 0, 0)), -1);
  EXPECT_EQ(firstColumn(pixels, 12, RGB(200, 0, 200)), glyphLeft);
  SendMessageA(button.Handle(), WM_MOUSELEAVE, 0, 0);

  // Right of the caption, with a margin of 4.
  button.SetLayout(TButtonLayout::blGlyphRight);
  button.SetMargin(4);
  pixels = face(button);
  EXPECT_EQ(firstColumn(pixels, 12, RGB(200, 0, 0)), 120 - 4 - 16);

  // Disabled, a one-frame glyph is embossed: no glyph colour, the shadow in its place.
  TGlyph single = glyphStrip(1);
  button.SetGlyph(&single);
  button.SetNumGlyphs(1);
  button.SetEnabled(false);
  pixels = face(button);
  EXPECT_EQ(firstColumn(pixels, 12, RGB(200, 0, 0)), -1);
  EXPECT_EQ(firstColumn(pixels, 12, GetSysColor(COLOR_BTNSHADOW), 60), 120 - 4 - 16);
}

TEST_F(PaintersTest, SpeedButtonIsPaintedAndClickedThroughItsParent) {
  Form.SetBounds(0, 0, 300, 200);
  auto* speed = new TSpeedButton(&Form);
  speed->SetParent(&Form);
  speed->SetBounds(20, 20, 60, 24);
  speed->SetCaption("Go");
  int clicks = 0;
  speed->OnClick = [&](TObjectSender) { ++clicks; };
  const HWND form = Form.Handle();
  auto* painter = new TSkinSpeedButton(speed);
  painter->AttachSpeedButton(&List, Skin.get());
  auto client = [&] {
    TBitmap bitmap(300, 200);
    MemoryDC dc;
    SelectScope select(dc, bitmap.Handle());
    SendMessageA(form, WM_PAINT, reinterpret_cast<WPARAM>(dc.Get()), 0);
    GdiFlush();
    return bitmap;
  };
  EXPECT_EQ(client().Pixel(22, 22), rgb(FaceColours[0])) << "normal";
  speed->SetDown(true);
  EXPECT_EQ(client().Pixel(22, 22), rgb(FaceColours[1])) << "down";
  speed->SetDown(false);
  speed->SetFlat(true);
  EXPECT_EQ(client().Pixel(22, 22), RGB(230, 232, 236)) << "flat: only the background";
  SendMessageA(form, WM_MOUSEMOVE, 0, MAKELPARAM(30, 30));
  EXPECT_TRUE(painter->HotState);
  EXPECT_EQ(client().Pixel(22, 22), rgb(FaceColours[3])) << "flat and hot";
  SendMessageA(form, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 30));
  EXPECT_TRUE(painter->PressedState);
  SendMessageA(form, WM_LBUTTONUP, 0, MAKELPARAM(30, 30));
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(painter->PressedState);
  // Released away from it: no click. Leaving it: no longer hot.
  SendMessageA(form, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 30));
  SendMessageA(form, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(200, 150));
  SendMessageA(form, WM_LBUTTONUP, 0, MAKELPARAM(200, 150));
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(painter->HotState);
  EXPECT_EQ(SendMessageA(form, WM_SKINQUERY, 0, 0), 0);
  EXPECT_EQ(speed->Perform(WM_SKINQUERY), 1);
}

TEST_F(PaintersTest, EditBorderInTheFrameColourWithAWhiteInnerEdge) {
  Form.SetBounds(0, 0, 300, 200);
  auto& edit = add<TEdit>(10, 10, 100, 21, "");
  auto& flat = add<TEdit>(10, 40, 100, 21, "");
  Form.Handle();
  SetWindowLongPtrA(flat.Handle(), GWL_EXSTYLE, 0);  // no border
  SetWindowPos(flat.Handle(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
  EXPECT_TRUE(TSkinEdit::HasBorder(edit.Handle()));
  EXPECT_FALSE(TSkinEdit::HasBorder(flat.Handle()));
  auto& painter = paint<TSkinEdit>(edit);
  TBitmap pixels(100, 21);
  {
    MemoryDC dc;
    SelectScope select(dc, pixels.Handle());
    painter.PaintSkin(dc);
    GdiFlush();
  }
  const COLORREF shadow = RGB(90, 100, 120);
  for (auto [x, y] : {std::pair{0, 0}, {99, 20}, {50, 0}, {0, 10}}) EXPECT_EQ(pixels.Pixel(x, y), shadow) << x << "," << y;
  for (auto [x, y] : {std::pair{1, 1}, {2, 2}, {98, 19}, {97, 18}, {50, 2}}) EXPECT_EQ(pixels.Pixel(x, y), 0xFFFFFFu) << x << "," << y;
  EXPECT_EQ(pixels.Pixel(50, 10), 0u);  // the inside is the edit's own
}

TEST_F(PaintersTest, BitButtonWithoutGlyphShowsItsImageList) {
  Form.SetBounds(0, 0, 300, 200);
  auto& button = add<TBitBtn>(10, 10, 120, 30, "Backup");
  auto* images = new TImageList(&Form);
  // Two 16 x 16 images: red, blue; green is their mask colour.
  TGlyph strip = glyphStrip(2);
  ASSERT_EQ(images->AddMasked(strip.Bitmap, 16, RGB(0, 255, 0)), 2);
  button.SetImages(images);
  button.SetImageIndex(0);
  button.SetMargin(4);
  Form.Handle();
  paint<TSkinBitButton>(button);
  TBitmap pixels = face(button);
  EXPECT_EQ(firstColumn(pixels, 12, RGB(200, 0, 0)), 4) << "image 0 at the margin";
  EXPECT_EQ(firstColumn(pixels, 15, RGB(0, 255, 0)), -1) << "its mask colour left out";

  button.SetEnabled(false);
  button.SetDisabledIndex(1);
  pixels = face(button);
  EXPECT_EQ(firstColumn(pixels, 12, RGB(0, 0, 200)), 4) << "disabled: the disabled image";
  button.SetDisabledIndex(-1);
  pixels = face(button);
  EXPECT_EQ(firstColumn(pixels, 12, RGB(200, 0, 0)), -1) << "no disabled image: image 0 greyed";
  EXPECT_EQ(firstColumn(pixels, 12, RGB(0, 0, 200)), -1);

  // The list freed: the button forgets it and shows no image.
  delete images;
  EXPECT_EQ(button.Images(), nullptr);
  button.SetEnabled(true);
  pixels = face(button);
  EXPECT_EQ(firstColumn(pixels, 12, RGB(200, 0, 0)), -1);
}

TEST(BitButtonGlyphTest, FramesByFace) {
  struct Case {
    int Face, NumGlyphs, Expected;
  };
  const Case cases[] = {{bfNormal, 4, 1}, {bfHot, 4, 1}, {bfFocused, 4, 1}, {bfPressed, 4, 3}, {bfDisabled, 4, 2},
                        {bfPressed, 2, 1}, {bfDisabled, 1, 1}, {bfPressed, 0, 1}};
  for (const Case& c : cases)
    EXPECT_EQ(TSkinBitButton::GlyphIndex(c.Face, c.NumGlyphs), c.Expected) << c.Face << " of " << c.NumGlyphs;
}

TEST_F(PaintersTest, RepaintsLeaveNoGdiObjectBehind) {
  Form.SetBounds(0, 0, 300, 200);
  auto& button = add<TButton>(10, 10, 80, 24, "OK");
  auto& check = add<TCheckBox>(10, 40, 120, 17, "Check");
  auto& group = add<TGroupBox>(10, 70, 200, 100, "Group");
  Form.Handle();
  paint<TSkinButton>(button);
  paint<TSkinCheckBox>(check);
  paint<TSkinGroupBox>(group);
  face(button), face(check), face(group);
  const int before = GdiCounters::LiveTotal();
  for (int i = 0; i < 200; ++i) face(button), face(check), face(group);
  EXPECT_EQ(GdiCounters::LiveTotal(), before + 0);
}

}  // namespace
}  // namespace velmora
