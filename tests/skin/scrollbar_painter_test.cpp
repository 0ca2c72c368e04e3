// Scroll bar painters on real controls: overlays over the native bars that follow the
// control, pixels from the skin's strips, scrolling by arrows, track, thumb, wheel and
// keys through the overlays with real input, the border, "FixedColor" kept apart, and
// GDI counts across repaints and scrolls.
#include "skin/controls/scrollbar_painters.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <thread>

#include "framework/common_controls.h"
#include "framework/form.h"
#include "framework/gdi_object.h"
#include "framework/window_subclass.h"
#include "skin/controls/painter_messages.h"
#include "skin/controls/scrollbar_drawing.h"
#include "skin/controls/skin_property.h"
#include "skin/skin_test_package.h"
#include "support/test_support.h"

namespace velmora {
namespace {

using test::Bytes;
using test::MakeBmp;

// The colour of each frame: glyphs 1-23, tracks 1-4, thumbs 1-3 (0xRRGGBB).
constexpr std::uint32_t glyph(int frame) { return 0x000080u | (static_cast<std::uint32_t>(frame * 10) << 16); }
constexpr std::uint32_t track(int frame) { return 0x00A000u | static_cast<std::uint32_t>(frame * 40); }
constexpr std::uint32_t thumb(int frame) { return 0xC00000u | (static_cast<std::uint32_t>(frame * 50) << 8); }
constexpr COLORREF rgb(std::uint32_t c) { return RGB(c >> 16, (c >> 8) & 0xFF, c & 0xFF); }
constexpr int Glyph = 17;  // the glyphs' size, the system's arrow size under Wine too

// The bar skin's package; a non-zero `tint` is mixed into every colour of its strips.
Bytes barPackage(std::uint32_t tint = 0) {
  const std::string ini =
      "[Scrollbar]\nImage=glyphs.bmp\n[HorzScroll]\nImage=ht.bmp\n[VertScroll]\nImage=vt.bmp\n"
      "[HorzScrollThumb]\nImage=hm.bmp\nFrameCount=3\n[VertScrollThumb]\nImage=vm.bmp\nFrameCount=3\n"
      "[Colours]\nButtonFace=192,192,192\nButtonShadow=64,64,64\n";
  const auto glyphs = [tint](int x, int) { return glyph(x / Glyph + 1) ^ tint; };
  const auto tracks = [tint](int x, int) { return track(x / 10 + 1) ^ tint; };
  const auto thumbs = [tint](int x, int) { return thumb(x / 10 + 1) ^ tint; };
  return test::PackSkin(ini, {{"glyphs.bmp", MakeBmp(23 * Glyph, Glyph, glyphs)},
                              {"ht.bmp", MakeBmp(40, Glyph, tracks)},
                              {"vt.bmp", MakeBmp(40, Glyph, tracks)},
                              {"hm.bmp", MakeBmp(30, Glyph, thumbs)},
                              {"vm.bmp", MakeBmp(30, Glyph, thumbs)}});
}

std::unique_ptr<TSkinData> barSkin(std::uint32_t tint = 0) {
  auto data = std::make_unique<TSkinData>(nullptr);
  EXPECT_TRUE(data->ReadBinaryProperty("SkinStream", test::SkinStreamBlock(barPackage(tint))));
  return data;
}

RECT windowRect(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

RECT nativeBar(HWND host, LONG which) {
  SCROLLBARINFO info{};
  info.cbSize = sizeof info;
  GetScrollBarInfo(host, which, &info);
  return info.rcScrollBar;
}

// The overlay as it paints itself.
TBitmap overlayPixels(const TWScrollbar& overlay) {
  const RECT rect = windowRect(overlay.Handle());
  TBitmap bitmap(rect.right - rect.left, rect.bottom - rect.top);
  MemoryDC dc;
  SelectScope select(dc, bitmap.Handle());
  SendMessageW(overlay.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.Get()), PRF_CLIENT);
  GdiFlush();
  return bitmap;
}

class ScrollbarPainterTest : public testing::Test {
 protected:
  void SetUp() override {
    test::MoveCursorTo(900, 700);
    Skin = barSkin();
    Form.SetBounds(40, 40, 420, 320);
    ShowWindow(Form.Handle(), SW_SHOW);
    UpdateWindow(Form.Handle());
  }
  TMemo& memo(int lines) {
    auto* control = new TMemo(&Form);
    control->SetScrollBars(TScrollStyle::ssBoth);  // before the window is made with the parent's
    control->SetParent(&Form);
    control->SetBounds(10, 10, 200, 120);
    std::string text;
    for (int i = 0; i < lines; ++i) text += "Line number " + std::to_string(i) + " of a memo long enough to scroll\r\n";
    control->SetText(text);
    control->Handle();
    return *control;
  }
  TListBox& list(int items) {
    auto* control = new TListBox(&Form);
    control->SetParent(&Form);
    control->SetBounds(230, 10, 150, 150);
    std::vector<std::string> lines;
    for (int i = 0; i < items; ++i) lines.push_back("Item " + std::to_string(i));
    control->SetItems(lines);
    control->Handle();
    return *control;
  }
  template <class Painter = TSkinScrollbar>
  Painter& skin(TWinControl& control) {
    auto* painter = new Painter(&control);
    painter->AttachScrollbars(&List, Skin.get());
    return *painter;
  }
  // Presses at `at` (screen), moves to `to` while held, and lets go; pumps messages
  // until the input thread is done and the press has been handled.
  void drag(POINT at, POINT to) {
    ASSERT_TRUE(test::MoveCursorTo(at.x, at.y));
    std::atomic<bool> done{false};
    std::thread input([&] {
      test::MouseButton(MOUSEEVENTF_LEFTDOWN);
      std::this_thread::sleep_for(std::chrono::milliseconds(120));
      if (to.x != at.x || to.y != at.y) {
        for (int step = 1; step <= 4; ++step) {
          test::MouseMoveTo({at.x + (to.x - at.x) * step / 4, at.y + (to.y - at.y) * step / 4});
          std::this_thread::sleep_for(std::chrono::milliseconds(60));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
      }
      test::MouseButton(MOUSEEVENTF_LEFTUP);
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
      done = true;
    });
    test::WaitUntil([&] { return done.load(); }, std::chrono::seconds(5));
    input.join();
    test::WaitUntil([] { return false; }, std::chrono::milliseconds(150));
  }
  void click(POINT at) { drag(at, at); }

  TSkinPainterList List;
  std::unique_ptr<TSkinData> Skin;
  TForm Form{nullptr};
};

TEST_F(ScrollbarPainterTest, OverlaysCoverTheBarsAndFollowTheControl) {
  TMemo& m = memo(40);
  const LONG_PTR styleBefore = GetWindowLongPtrW(m.Handle(), GWL_STYLE);
  auto& painter = skin(m);
  const HWND host = m.Handle();
  TWScrollbar* vert = painter.Overlay(osVertical);
  TWScrollbar* horz = painter.Overlay(osHorizontal);
  ASSERT_NE(vert, nullptr);
  ASSERT_NE(horz, nullptr);
  auto covers = [&] {
    const RECT v = windowRect(vert->Handle()), h = windowRect(horz->Handle());
    const RECT nv = nativeBar(host, OBJID_VSCROLL), nh = nativeBar(host, OBJID_HSCROLL);
    return vert->Shown() && horz->Shown() && IsWindowVisible(vert->Handle()) && IsWindowVisible(horz->Handle()) &&
           EqualRect(&v, &nv) && EqualRect(&h, &nh);
  };
  EXPECT_TRUE(covers());
  EXPECT_EQ(GetParent(vert->Handle()), Form.Handle());
  // Above the memo, so nothing of the native bars shows through.
  bool above = false;
  for (HWND w = GetWindow(host, GW_HWNDPREV); w; w = GetWindow(w, GW_HWNDPREV)) above |= w == vert->Handle();
  EXPECT_TRUE(above);
  EXPECT_TRUE(GetWindowLongPtrW(host, GWL_STYLE) & WS_CLIPSIBLINGS);

  m.SetBounds(20, 30, 260, 160);
  EXPECT_TRUE(covers()) << "after a resize";
  m.SetVisible(false);
  EXPECT_FALSE(vert->Shown());
  EXPECT_FALSE(IsWindowVisible(vert->Handle()));
  EXPECT_FALSE(IsWindowVisible(horz->Handle()));
  m.SetVisible(true);
  EXPECT_TRUE(covers()) << "shown again";

  // Unskinned: the overlays go and the memo is as it was.
  const HWND overlay = vert->Handle();
  painter.Unskin();
  delete &painter;
  EXPECT_FALSE(IsWindow(overlay));
  EXPECT_EQ(GetWindowLongPtrW(host, GWL_STYLE) & WS_CLIPSIBLINGS, styleBefore & WS_CLIPSIBLINGS);
}

TEST_F(ScrollbarPainterTest, PixelsOfArrowsTrackAndThumb) {
  TMemo& m = memo(40);
  auto& painter = skin(m);
  TWScrollbar& vert = *painter.Overlay(osVertical);
  TBitmap pixels = overlayPixels(vert);
  const int length = pixels.Height(), middle = pixels.Width() / 2;
  ASSERT_GT(length, 4 * Glyph);
  EXPECT_EQ(pixels.Pixel(middle, 2), rgb(glyph(9))) << "up arrow";
  EXPECT_EQ(pixels.Pixel(middle, length - 3), rgb(glyph(13))) << "down arrow";
  // At the top the thumb follows the first arrow; the track lies below it.
  EXPECT_EQ(pixels.Pixel(1, Glyph + 1), rgb(thumb(1))) << "thumb";
  EXPECT_EQ(pixels.Pixel(1, length - Glyph - 2), rgb(track(1))) << "track";

  vert.HotPart = spSecondArrow;
  pixels = overlayPixels(vert);
  EXPECT_EQ(pixels.Pixel(middle, length - 3), rgb(glyph(16))) << "hot down arrow";
  vert.HotPart = spThumb;
  pixels = overlayPixels(vert);
  EXPECT_EQ(pixels.Pixel(1, Glyph + 1), rgb(thumb(3))) << "hot thumb";
  vert.HotPart = spNone;

  m.SetEnabled(false);
  pixels = overlayPixels(vert);
  EXPECT_EQ(pixels.Pixel(1, length - Glyph - 2), rgb(track(3))) << "disabled track";
  EXPECT_EQ(pixels.Pixel(middle, 2), rgb(glyph(9))) << "arrows keep their normal frame";
  m.SetEnabled(true);

  // The horizontal bar from the left and right arrows.
  pixels = overlayPixels(*painter.Overlay(osHorizontal));
  EXPECT_EQ(pixels.Pixel(2, pixels.Height() / 2), rgb(glyph(1)));
  EXPECT_EQ(pixels.Pixel(pixels.Width() - 3, pixels.Height() / 2), rgb(glyph(5)));
}

TEST_F(ScrollbarPainterTest, ABarShorterThanTwoArrowsHasHalfArrowsAndNoThumb) {
  TMemo& m = memo(40);
  m.SetScrollBars(TScrollStyle::ssVertical);
  m.SetBounds(10, 10, 200, 30);
  m.DestroyHandle();
  m.Handle();
  auto& painter = skin(m);
  const TBitmap pixels = overlayPixels(*painter.Overlay(osVertical));
  const int length = pixels.Height();
  ASSERT_LT(length, 2 * Glyph);
  ASSERT_GT(length, 4);
  for (int y = 0; y < length / 2; ++y) EXPECT_EQ(pixels.Pixel(3, y), rgb(glyph(9))) << y;
  for (int y = length / 2; y < 2 * (length / 2); ++y) EXPECT_EQ(pixels.Pixel(3, y), rgb(glyph(13))) << y;
  for (int y = 0; y < length; ++y)
    for (int f = 1; f <= 3; ++f) EXPECT_NE(pixels.Pixel(1, y), rgb(thumb(f))) << y;
}

TEST_F(ScrollbarPainterTest, ArrowsTrackThumbWheelAndKeysScrollTheList) {
  TListBox& l = list(60);
  auto& painter = skin(l);
  const HWND host = l.Handle();
  TWScrollbar& vert = *painter.Overlay(osVertical);
  ASSERT_TRUE(vert.Shown());
  const RECT bar = windowRect(vert.Handle());
  const int x = (bar.left + bar.right) / 2;
  auto top = [&] { return static_cast<int>(SendMessageW(host, LB_GETTOPINDEX, 0, 0)); };
  auto thumbTop = [&] {
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    GetScrollBarInfo(host, OBJID_VSCROLL, &info);
    return static_cast<int>(info.xyThumbTop);
  };
  // What the overlay shows is where the native thumb is.
  auto overlayThumbTop = [&] {
    const TBitmap pixels = overlayPixels(vert);
    for (int y = Glyph; y < pixels.Height() - Glyph; ++y)
      if (pixels.Pixel(1, y) != rgb(track(1))) return y;
    return -1;
  };

  click({x, bar.bottom - Glyph / 2});
  EXPECT_GE(top(), 1) << "the down arrow";
  const int afterArrow = top();
  EXPECT_EQ(vert.HotPart == spSecondArrow || vert.HotPart == spNone, true);

  click({x, bar.bottom - Glyph - 3});
  EXPECT_GT(top(), afterArrow + 3) << "a page down from the track";
  EXPECT_EQ(overlayThumbTop(), thumbTop());

  // The thumb dragged a little past the end reaches the last item (further away than
  // twice the bar's width the system puts the thumb back where it was).
  const int grab = bar.top + thumbTop() + 3;
  drag({x, grab}, {x, bar.bottom + 10});
  const int visible = static_cast<int>((windowRect(host).bottom - windowRect(host).top) /
                                       SendMessageW(host, LB_GETITEMHEIGHT, 0, 0));
  EXPECT_GE(top(), 60 - visible - 1) << "the thumb at the end";
  EXPECT_FALSE(vert.Pressed());
  EXPECT_EQ(overlayThumbTop(), thumbTop());

  // The wheel and the keyboard move the list without a scroll message; the overlay follows.
  SetFocus(host);
  SendMessageW(host, WM_KEYDOWN, VK_HOME, 0);
  EXPECT_EQ(top(), 0);
  EXPECT_EQ(overlayThumbTop(), thumbTop());
  ASSERT_TRUE(test::MoveCursorTo((windowRect(host).left + bar.left) / 2, bar.top + 30));
  test::MouseButton(MOUSEEVENTF_WHEEL, static_cast<DWORD>(-WHEEL_DELTA));
  EXPECT_TRUE(test::WaitUntil([&] { return top() > 0; }, std::chrono::seconds(3))) << "the wheel";
  EXPECT_EQ(overlayThumbTop(), thumbTop());
}

TEST_F(ScrollbarPainterTest, BorderInTheSkinsColoursUnlessTheControlHasNone) {
  TMemo& bordered = memo(3);
  auto& painter = skin(bordered);
  EXPECT_TRUE(painter.DrawsBorder());
  const RECT outer = windowRect(bordered.Handle());
  TBitmap pixels(outer.right - outer.left, outer.bottom - outer.top);
  {
    MemoryDC dc;
    SelectScope select(dc, pixels.Handle());
    EXPECT_EQ(SendMessageW(bordered.Handle(), WM_SKINPRINT2, reinterpret_cast<WPARAM>(dc.Get()), SkinMagic), SkinMagic);
    GdiFlush();
  }
  EXPECT_EQ(pixels.Pixel(0, 40), RGB(0x40, 0x40, 0x40));
  EXPECT_EQ(pixels.Pixel(1, 40), RGB(0xC0, 0xC0, 0xC0));

  auto* plain = new TMemo(&Form);
  plain->SetBorderStyle(TControlBorderStyle::bsNone);
  plain->SetParent(&Form);
  plain->SetBounds(10, 150, 150, 60);
  EXPECT_FALSE(skin(*plain).DrawsBorder());
  auto* single = new TListBox(&Form);
  single->SetParent(&Form);
  single->SetBounds(200, 150, 150, 60);
  auto* singlePainter = new TSkinScrollbar(single);
  singlePainter->BackgroundMode = 1;
  singlePainter->AttachScrollbars(&List, Skin.get());
  EXPECT_FALSE(singlePainter->DrawsBorder()) << "a single scroll bar kind draws none";
}

// A grid-like control: a list with a fixed colour.
class TFixedColorList : public TListBox {
 public:
  using TListBox::TListBox;
  static const TClassInfo& StaticClassInfo() {
    static const TClassInfo info{"TFixedColorList",
                                 &TListBox::StaticClassInfo(),
                                 {props::Integer<TFixedColorList, int>("FixedColor", &TFixedColorList::FixedColor,
                                                                       &TFixedColorList::SetFixedColor)},
                                 nullptr};
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  int FixedColor() const { return FFixed; }
  void SetFixedColor(int color) { FFixed = color; }

 private:
  int FFixed = 0x123456;
};

TEST_F(ScrollbarPainterTest, FixedColourIsSavedApartFromTheControlsColour) {
  auto* grid = new TFixedColorList(&Form);
  grid->SetParent(&Form);
  grid->SetBounds(10, 10, 150, 100);
  grid->SetColor(0x00FFFFFF);
  auto& painter = skin(*grid);
  EXPECT_EQ(grid->FixedColor(), static_cast<int>(Skin->Colors.Colors[scButtonFace]));
  painter.SkinChanged();
  EXPECT_EQ(grid->FixedColor(), static_cast<int>(Skin->Colors.Colors[scButtonFace]));
  painter.Unskin();
  EXPECT_EQ(grid->FixedColor(), 0x123456);
  EXPECT_EQ(grid->Color(), 0x00FFFFFFu) << "the colour is never the fixed colour";
}

TEST_F(ScrollbarPainterTest, ListViewGetsItsHeaderSkinnedOnce) {
  auto* view = new TListView(&Form);
  view->SetParent(&Form);
  view->SetBounds(10, 10, 300, 150);
  view->ReadStringsProperty("Columns.Strings", {"Name=120", "Size=80"});
  std::vector<std::string> rows;
  for (int i = 0; i < 40; ++i) rows.push_back("file" + std::to_string(i) + "\t" + std::to_string(i * 100));
  view->SetItems(rows);
  view->Handle();
  auto& painter = skin<TSkinListView>(*view);
  const HWND header = reinterpret_cast<HWND>(SendMessageW(view->Handle(), LVM_GETHEADER, 0, 0));
  ASSERT_NE(header, nullptr);
  EXPECT_EQ(SendMessageW(header, WM_SKINQUERY, 0, 0), 1);
  EXPECT_TRUE(painter.Overlay(osVertical)->Shown());
  const std::size_t painters = List.Painters().size();
  EXPECT_EQ(painters, 2u);
  // Destroying the view frees both painters once, through the view's ownership.
  delete view;
  EXPECT_TRUE(List.Painters().empty());
}

// Whether two bitmaps of one size hold the same colours everywhere.
bool samePixels(const TBitmap& a, const TBitmap& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (a.Pixel(x, y) != b.Pixel(x, y)) return false;
  return true;
}

template <class Draw>
TBitmap drawn(int width, int height, Draw draw) {
  TBitmap bitmap(width, height);
  MemoryDC dc;
  SelectScope select(dc, bitmap.Handle());
  draw(dc.Get(), RECT{0, 0, width, height});
  GdiFlush();
  return bitmap;
}

// A bar's kept picture is drawn afresh for every change that shows: a new look or size,
// other skin data, or the same skin data loaded with another package.
TEST(ScrollBarPictureTest, TheKeptPictureFollowsEveryChangeThatShows) {
  const auto first = barSkin(), second = barSkin(0x204060);
  const auto reloaded = barSkin();
  TScrollBarLook look;
  look.ArrowSize = Glyph;
  look.Thumb = {Glyph, Glyph + 30};
  TScrollBarLook moved = look;
  moved.Thumb = {60, 90};
  TScrollBarLook pressed = moved;
  pressed.HotPart = spThumb;
  pressed.Pressed = true;
  TScrollBarLook disabled = look;
  disabled.Enabled = false;
  TScrollBarLook hidden = look;
  hidden.Visible = false;
  struct Step {
    const char* what;
    TSkinData* data;
    TScrollBarLook look;
    int height;
    bool reload = false;  // load the other package into `data` first
  };
  const Step steps[] = {
      {"first drawing", first.get(), look, 150},
      {"unchanged", first.get(), look, 150},
      {"thumb moved", first.get(), moved, 150},
      {"thumb pressed", first.get(), pressed, 150},
      {"disabled", first.get(), disabled, 150},
      {"hidden", first.get(), hidden, 150},
      {"taller", first.get(), look, 180},
      {"other skin data", second.get(), look, 180},
      {"skin data of before", reloaded.get(), look, 180},
      {"same skin data, other package", reloaded.get(), look, 180, true},
  };
  TScrollBarPicture picture;
  TBitmap previous;
  for (const Step& step : steps) {
    if (step.reload) {
      ASSERT_TRUE(step.data->ReadBinaryProperty("SkinStream", test::SkinStreamBlock(barPackage(0x204060))));
    }
    const TBitmap kept = drawn(Glyph, step.height, [&](HDC dc, RECT r) { picture.Draw(dc, r, *step.data, step.look); });
    const TBitmap fresh =
        drawn(Glyph, step.height, [&](HDC dc, RECT r) { DrawSkinnedScrollBar(dc, r, *step.data, step.look); });
    EXPECT_TRUE(samePixels(kept, fresh)) << step.what;
    if (std::string(step.what) != "unchanged" && std::string(step.what) != "first drawing") {
      EXPECT_FALSE(samePixels(kept, previous)) << step.what << " shows no change: the step tests nothing";
    }
    previous = drawn(Glyph, step.height, [&](HDC dc, RECT r) { picture.Draw(dc, r, *step.data, step.look); });
  }
}

TEST_F(ScrollbarPainterTest, GdiCountsStayFlatAcrossRepaintsAndScrolls) {
  TListBox& l = list(200);
  auto& painter = skin(l);
  TWScrollbar& vert = *painter.Overlay(osVertical);
  for (int i = 0; i < 20; ++i) vert.Repaint();  // first use of everything
  const int before = GdiCounters::LiveTotal();
  for (int i = 0; i < 10000; ++i) vert.Repaint();
  EXPECT_EQ(GdiCounters::LiveTotal(), before) << "repaints";
  for (int i = 0; i < 1000; ++i)
    SendMessageW(l.Handle(), WM_VSCROLL, MAKEWPARAM(i % 2 ? SB_LINEUP : SB_PAGEDOWN, 0), 0);
  EXPECT_EQ(GdiCounters::LiveTotal(), before) << "scrolls";
}

}  // namespace
}  // namespace velmora

namespace velmora {
namespace {

TEST_F(ScrollbarPainterTest, ScrollBarControlIsCoveredWholeAndScrollsByItsOwnLoop) {
  auto* bar = new TScrollBar(&Form);
  bar->SetBounds(10, 200, 200, Glyph);
  bar->SetMax(100);
  bar->SetPageSize(20);
  bar->SetLargeChange(20);
  bar->SetPosition(30);
  bar->SetParent(&Form);
  int changes = 0;
  bar->OnChange = [&](TObjectSender) { ++changes; };
  const HWND host = bar->Handle();
  auto* painter = new TSkinScControl(bar);
  painter->AttachScrollControl(&List, Skin.get());
  TWScrollbar* overlay = painter->ControlOverlay();
  ASSERT_NE(overlay, nullptr);
  EXPECT_TRUE(overlay->Horizontal());
  const RECT covered = windowRect(overlay->Handle()), control = windowRect(host);
  EXPECT_TRUE(EqualRect(&covered, &control)) << "the whole control";
  EXPECT_FALSE(painter->DrawsBorder());
  // Reading the control's state is a message to the control: one message leads to a
  // few more, never to a chain of them.
  int messages = 0;
  TWindowSubclass count;
  count.Attach(host, [&](UINT msg, WPARAM wParam, LPARAM lParam, const TSubclassNext& next) {
    ++messages;
    return next(msg, wParam, lParam);
  });
  SendMessageW(host, WM_NULL, 0, 0);
  EXPECT_LT(messages, 10);
  count.Detach();

  // The thumb where the system has it for position 30 of 0-100 with a page of 20.
  SCROLLBARINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetScrollBarInfo(host, OBJID_CLIENT, &info));
  const int free = 200 - 2 * Glyph - (info.xyThumbBottom - info.xyThumbTop);
  EXPECT_NEAR(info.xyThumbTop, Glyph + free * 30 / 81, 2);
  const TBitmap pixels = overlayPixels(*overlay);
  EXPECT_EQ(pixels.Pixel(info.xyThumbTop + 2, 1), rgb(thumb(1)));
  EXPECT_EQ(pixels.Pixel(info.xyThumbTop - 2, 1), rgb(track(1)));

  // The right arrow and the track, clicked for real.
  const int y = (control.top + control.bottom) / 2;
  click({control.right - Glyph / 2, y});
  EXPECT_GE(bar->Position(), 31) << "the arrow";
  const int afterArrow = bar->Position();
  click({control.right - Glyph - 3, y});
  EXPECT_GE(bar->Position(), afterArrow + 20) << "a page";
  EXPECT_GE(changes, 2);
  EXPECT_FALSE(overlay->Pressed());

  delete bar;
  EXPECT_TRUE(List.Painters().empty());
}

}  // namespace
}  // namespace velmora
