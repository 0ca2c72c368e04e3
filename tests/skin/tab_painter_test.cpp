// Tab painters on real tab controls: each tab's frame (normal, selected, under the
// mouse, in a disabled control) turned to the side the tabs sit on, the page body, close
// boxes that close their page unless the form keeps it, button-style tabs and pages.
#include "skin/controls/tab_painters.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>

#include "framework/application.h"
#include "framework/common_controls.h"
#include "framework/form.h"
#include "framework/gdi_object.h"
#include "skin/forms/skin_messages.h"
#include "skin/skin_test_package.h"
#include "support/test_support.h"

namespace velmora {
namespace {

using test::Bytes;
using test::MakeBmp;

// Frames: normal, selected, hot, disabled, focused. The top fifth of each is its cap,
// which shows the side a turned tab faces away from the page.
constexpr std::uint32_t Normal = 0x406080, Selected = 0x80A040, Hot = 0xC08040, Disabled = 0x909090,
                        Focused = 0x604020, Cap = 0x102030, Pane = 0xE0D0C0, Text = 0xF00000;
constexpr COLORREF rgb(std::uint32_t c) { return RGB(c >> 16, (c >> 8) & 0xFF, c & 0xFF); }

std::unique_ptr<TSkinData> tabSkin() {
  const std::string ini =
      "[Colours]\nButtonFace=224,228,234\n[Tabs]\nImage=tabs.bmp\nNormalColour2=240 0 0\nMouseOverColour2=240 0 0\n"
      "[Tab.Pane]\nImage=pane.bmp\n";
  const std::uint32_t faces[] = {Normal, Selected, Hot, Disabled, Focused};
  const Bytes package = test::PackSkin(
      ini, {{"tabs.bmp", MakeBmp(100, 20, [&](int x, int y) { return y < 4 ? Cap : faces[x / 20]; })},
            {"pane.bmp", MakeBmp(8, 8, Pane)}});
  auto data = std::make_unique<TSkinData>(nullptr);
  EXPECT_TRUE(data->ReadBinaryProperty("SkinStream", test::SkinStreamBlock(package)));
  return data;
}

TBitmap face(HWND h) {
  RECT window{};
  GetWindowRect(h, &window);
  TBitmap bitmap(window.right - window.left, window.bottom - window.top);
  MemoryDC dc;
  SelectScope select(dc, bitmap.Handle());
  SendMessageA(h, WM_PAINT, reinterpret_cast<WPARAM>(dc.Get()), 0);
  GdiFlush();
  return bitmap;
}

RECT tabRect(HWND h, int index) {
  RECT r{};
  SendMessageA(h, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
  return r;
}

POINT middle(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

// A point of the tab's body, clear of its caption: near the tab's start.
POINT body(const RECT& r, bool vertical) {
  return vertical ? POINT{(r.left + r.right) / 2, r.top + 3} : POINT{r.left + 3, (r.top + r.bottom) / 2 + 2};
}

// The tab's outer edge, inside its cap: the side facing away from the page.
POINT capPoint(const RECT& r, TTabPosition side) {
  const POINT m = middle(r);
  switch (side) {
    case TTabPosition::tpTop: return {r.left + 4, r.top + 1};
    case TTabPosition::tpBottom: return {r.left + 4, r.bottom - 2};
    case TTabPosition::tpLeft: return {r.left + 1, r.top + 4};
    case TTabPosition::tpRight: return {r.right - 2, r.top + 4};
  }
  return m;
}

struct TabFixture {
  // The list and the skin outlive the form, whose controls free their painters.
  TSkinPainterList List;
  std::unique_ptr<TSkinData> Skin = tabSkin();
  TForm Form{nullptr};
};

TEST(TabPainterTest, FramesTurnedToEverySide) {
  for (TTabPosition side : {TTabPosition::tpTop, TTabPosition::tpBottom, TTabPosition::tpLeft, TTabPosition::tpRight}) {
    SCOPED_TRACE(static_cast<int>(side));
    TabFixture f;
    f.Form.SetBounds(0, 0, 420, 320);
    auto* tabs = new TTabControl(&f.Form);
    tabs->SetParent(&f.Form);
    tabs->SetBounds(10, 10, 300, 200);
    tabs->SetTabPosition(side);
    ASSERT_TRUE(tabs->ReadStringsProperty("Tabs.Strings", {"First", "Second", "Third"}));
    tabs->SetTabIndex(1);
    const HWND h = tabs->Handle();
    auto* painter = new TSkinTab(tabs);
    painter->AttachControl(&f.List, f.Skin.get(), false);
    const bool vertical = side == TTabPosition::tpLeft || side == TTabPosition::tpRight;

    TBitmap pixels = face(h);
    const RECT first = tabRect(h, 0), second = tabRect(h, 1);
    POINT at = body(first, vertical);
    EXPECT_EQ(pixels.Pixel(at.x, at.y), rgb(Normal)) << "an ordinary tab";
    at = capPoint(first, side);
    EXPECT_EQ(pixels.Pixel(at.x, at.y), rgb(Cap)) << "the cap faces away from the page";
    at = body(second, vertical);
    EXPECT_EQ(pixels.Pixel(at.x, at.y), rgb(Selected)) << "the selected tab";
    RECT client{};
    GetClientRect(h, &client);
    SendMessageA(h, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&client));
    at = middle(client);
    EXPECT_EQ(pixels.Pixel(at.x, at.y), rgb(Pane)) << "the page body";

    // Under the mouse, the tab takes the hot frame; a disabled control the disabled one.
    const POINT over = middle(first);
    SendMessageA(h, WM_MOUSEMOVE, 0, MAKELPARAM(over.x, over.y));
    pixels = face(h);
    at = body(first, vertical);
    EXPECT_EQ(pixels.Pixel(at.x, at.y), rgb(Hot)) << "under the mouse";
    SendMessageA(h, WM_MOUSELEAVE, 0, 0);
    EnableWindow(h, FALSE);
    pixels = face(h);
    EXPECT_EQ(pixels.Pixel(at.x, at.y), rgb(Disabled)) << "a disabled control";
  }
}

// A form that keeps its tabs when asked, or lets them go.
class TTabCloseForm : public TForm {
 public:
  using TForm::TForm;
  LRESULT Answer = 0;
  int Asked = 0;
  WPARAM AskedWindow = 0;
  LPARAM AskedIndex = -1;
  void WndProc(TMessage& message) override {
    if (message.Msg == WM_SKINTABCLOSE) {
      ++Asked;
      AskedWindow = message.WParam;
      AskedIndex = message.LParam;
      message.Result = Answer;
      return;
    }
    TForm::WndProc(message);
  }
};

TEST(TabPainterTest, CloseBoxClosesItsPageUnlessTheFormKeepsIt) {
  TSkinPainterList list;
  auto skin = tabSkin();
  TTabCloseForm form(nullptr);
  form.SetBounds(0, 0, 420, 300);
  auto* pages = new TPageControl(&form);
  pages->SetParent(&form);
  pages->SetBounds(10, 10, 360, 200);
  pages->SetTag(TSkinTab::CloseButtonsTag);
  const char* captions[] = {"One", "Two", "Three"};
  for (const char* caption : captions) {
    auto* sheet = new TTabSheet(&form);
    sheet->SetCaption(caption);
    sheet->SetParent(pages);
  }
  const HWND h = pages->Handle();
  pages->SetActivePageIndex(1);
  auto* painter = new TSkinTab(pages);
  painter->AttachControl(&list, skin.get(), false);
  ASSERT_TRUE(painter->CloseButtons());

  TBitmap pixels = face(h);
  ASSERT_EQ(painter->CloseBoxes().size(), 3u);
  const RECT box = painter->CloseBoxes()[0];
  EXPECT_EQ(box.right - box.left, 6);
  EXPECT_EQ(pixels.Pixel(box.left + 3, box.top + 3), RGB(240, 0, 0)) << "the X crosses the box's middle";
  const RECT first = tabRect(h, 0);
  EXPECT_TRUE(PtInRect(&first, POINT{box.left, box.top})) << "the box sits on its tab";

  // The form keeps the tab: nothing closes, and the press does not select the tab.
  form.Answer = 1;
  const POINT press = middle(box);
  SendMessageA(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(press.x, press.y));
  SendMessageA(h, WM_LBUTTONUP, 0, MAKELPARAM(press.x, press.y));
  test::WaitUntil([] { return false; }, std::chrono::milliseconds(100));  // a posted close would run
  EXPECT_EQ(form.Asked, 1);
  EXPECT_EQ(form.AskedWindow, reinterpret_cast<WPARAM>(h));
  EXPECT_EQ(form.AskedIndex, 0);
  EXPECT_EQ(pages->Pages().size(), 3u);
  EXPECT_EQ(SendMessageA(h, TCM_GETCURSEL, 0, 0), 1) << "a press on a close box is not a press on the tab";

  // The form lets it go: the first page and its tab are gone, the chosen page stays.
  form.Answer = 0;
  SendMessageA(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(press.x, press.y));
  SendMessageA(h, WM_LBUTTONUP, 0, MAKELPARAM(press.x, press.y));
  test::WaitUntil([&] { return pages->Pages().size() == 2; });
  ASSERT_EQ(pages->Pages().size(), 2u);
  EXPECT_EQ(SendMessageA(h, TCM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_EQ(pages->Pages()[0]->Caption(), "Two");
  EXPECT_EQ(pages->ActivePageIndex(), 0);
  EXPECT_TRUE(pages->Pages()[0]->Visible()) << "the page that was chosen is still shown";
  pixels = face(h);
  EXPECT_EQ(painter->CloseBoxes().size(), 2u);
}

TEST(TabPainterTest, ButtonTabsWithoutPageBodyAndSkinnedPages) {
  TabFixture f;
  f.Form.SetBounds(0, 0, 420, 300);
  f.Form.SetColor(RGB(1, 2, 3));
  auto* tabs = new TTabControl(&f.Form);
  tabs->SetParent(&f.Form);
  tabs->SetBounds(10, 10, 300, 120);
  tabs->SetStyle(TTabStyle::tsButtons);
  ASSERT_TRUE(tabs->ReadStringsProperty("Tabs.Strings", {"On", "Off"}));
  const HWND h = tabs->Handle();
  (new TSkinTabBtn(tabs))->AttachControl(&f.List, f.Skin.get(), false);
  const TBitmap pixels = face(h);
  const RECT on = tabRect(h, 0), off = tabRect(h, 1);
  EXPECT_EQ(pixels.Pixel(on.left + 3, (on.top + on.bottom) / 2), rgb(Selected));
  EXPECT_EQ(pixels.Pixel(off.left + 3, (off.top + off.bottom) / 2), rgb(Normal));
  EXPECT_EQ(pixels.Pixel(150, 100), RGB(1, 2, 3)) << "no page body under button tabs";

  auto* pages = new TPageControl(&f.Form);
  pages->SetParent(&f.Form);
  pages->SetBounds(10, 140, 300, 120);
  auto* sheet = new TTabSheet(&f.Form);
  sheet->SetCaption("Page");
  sheet->SetParent(pages);
  (void)pages->Handle();
  (new TSkinTabSheet(sheet))->AttachControl(&f.List, f.Skin.get(), true);
  RECT client{};
  GetClientRect(sheet->Handle(), &client);
  ASSERT_GT(client.right, 0);
  ASSERT_GT(client.bottom, 0);
  TBitmap page(client.right, client.bottom);
  {
    MemoryDC dc;
    SelectScope select(dc, page.Handle());
    SendMessageA(sheet->Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.Get()), 0);
    GdiFlush();
  }
  EXPECT_EQ(page.Pixel(client.right / 2, client.bottom / 2), RGB(224, 228, 234)) << "a page in the skin's face colour";
}

// An old-style tab set: its tabs are only a text and a chosen index.
class TTabSetLike : public TWinControl {
 public:
  using TWinControl::TWinControl;
  static const TClassInfo& StaticClassInfo() {
    static const TClassInfo info{
        "TTabSet",
        &TWinControl::StaticClassInfo(),
        {props::String<TTabSetLike>("Tabs", &TTabSetLike::Tabs, &TTabSetLike::SetTabs),
         props::Integer<TTabSetLike, int>("TabIndex", &TTabSetLike::TabIndex, &TTabSetLike::SetTabIndex)},
        nullptr};
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  std::string Tabs() const { return FTabs; }
  void SetTabs(const std::string& v) { FTabs = v; }
  int TabIndex() const { return FIndex; }
  void SetTabIndex(int v) { FIndex = v; }

 protected:
  void CreateParams(TCreateParams& params) override {
    TWinControl::CreateParams(params);
    params.BaseClassName = "STATIC";
  }

 private:
  std::string FTabs;
  int FIndex = 0;
};

TEST(TabPainterTest, OldStyleTabSetFromItsTextAndIndex) {
  TabFixture f;
  f.Form.SetBounds(0, 0, 420, 200);
  f.Form.SetColor(RGB(1, 2, 3));
  auto* set = new TTabSetLike(&f.Form);
  set->SetParent(&f.Form);
  set->SetBounds(10, 10, 380, 24);
  set->SetTabs("Alpha\r\nBeta\r\nGamma");
  set->SetTabIndex(1);
  const HWND h = set->Handle();
  (new TSkinTab31(set))->AttachControl(&f.List, f.Skin.get(), false);
  const TBitmap pixels = face(h);
  const int y = 20;
  EXPECT_EQ(pixels.Pixel(2, y), rgb(Normal)) << "the first tab";
  int chosen = 0, first = -1, ink = 0;
  for (int x = 0; x < 380; ++x) {
    if (pixels.Pixel(x, y) == rgb(Selected) && ++chosen && first < 0) first = x;
    for (int yy = 0; yy < 24; ++yy) ink += pixels.Pixel(x, yy) == RGB(240, 0, 0);
  }
  EXPECT_GT(first, 20) << "the chosen tab is the second";
  EXPECT_GT(chosen, 16);
  EXPECT_GT(ink, 10) << "captions in the tabs' text colour";
  EXPECT_EQ(pixels.Pixel(375, y), RGB(1, 2, 3)) << "three tabs do not fill the set";
}

}  // namespace
}  // namespace velmora
