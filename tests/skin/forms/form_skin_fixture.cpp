// The test skin and the fixture of the form skinning tests.
#include "skin/forms/form_skin_fixture.h"

#include <chrono>

#include "framework/gdi_object.h"
#include "framework/rtti.h"
#include "skin/forms/skin_messages.h"
#include "skin/skin_test_package.h"
#include "support/test_support.h"

namespace velmora::test {
namespace {

std::uint32_t rgb(COLORREF c) { return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c); }
constexpr std::uint32_t magenta = 0xFF00FF;

// Two frames side by side, 4 x 40 each; magenta at the outer top and bottom corners.
Bytes sideBorder(bool left) {
  return MakeBmp(8, 40, [left](int x, int y) {
    const int fx = x % 4;
    const int outer = left ? fx : 3 - fx;
    if ((y == 0 && outer <= 1) || (y == 1 && outer == 0)) return magenta;
    return rgb(x < 4 ? LeftActive : LeftInactive);
  });
}

// Two frames one above the other, 60 x 24 each; magenta at the top corners.
Bytes topBorder() {
  return MakeBmp(60, 48, [](int x, int y) {
    const int fy = y % 24;
    if ((fy == 0 && (x <= 1 || x >= 58)) || (fy == 1 && (x == 0 || x == 59))) return magenta;
    return rgb(y < 24 ? TopActive : TopInactive);
  });
}

Bytes buttonStrip(int size) {
  return MakeBmp(size * 4, size, [size](int x, int) { return rgb(ButtonFrames[x / size]); });
}

const char SkinIni[] = R"([TitlebarSkin]
SkinName=Forms Test
[Colours]
TitleTextActive=255 255 0
TitleTextNoActive=0 255 255
ButtonFace=233 237 243
[Personality]
Left=left.bmp
LeftTopHeight=24
LeftBotHeight=4
LeftFrame=2
LeftTrans=1
Right=right.bmp
RightTopHeight=24
RightBotHeight=4
RightFrame=2
RightTrans=1
Top=top.bmp
TopTopHeight=4
TopBotHeight=4
TopFrame=2
TopTrans=1
Bottom=bottom.bmp
BottomFrame=2
BottomTrans=0
TextShift=30
TextRightClip=100
TextAlignment=0
[ButtonClose]
Action=0
Align=1
Xcoord=20
Ycoord=4
frame=4
ButtonImage=button.bmp
[ButtonMaximize]
Action=1
Align=1
Xcoord=38
Ycoord=4
Visibility=2
Visibility1=6
frame=4
ButtonImage=button.bmp
[ButtonRestore]
Action=1
Align=1
Xcoord=38
Ycoord=4
Visibility=1
Visibility1=6
frame=4
ButtonImage=button.bmp
[ButtonMinimize]
Action=2
Align=1
Xcoord=56
Ycoord=4
Visibility=6
frame=4
ButtonImage=button.bmp
[ButtonCustom]
Action=50
Align=1
Xcoord=74
Ycoord=4
frame=4
ButtonImage=button.bmp
[ButtonSysMenu]
Action=3
Align=0
Xcoord=4
Ycoord=4
frame=1
ButtonImage=icon.bmp
)";


// The menu pieces: colours, items of five plain frames, a background with a 3-pixel edge.
const char MenuColours[] = "MenuText=0 0 200\nHilightText=255 255 0\nMenu=250 240 230\n";
const char MenuSections[] = R"([MenuItem]
Image=menuitem.bmp
LeftWidth=2
RightWidth=2
TopHeight=2
BottomHeight=2
Trans=1
[MenuBackground]
Image=menubg.bmp
LeftWidth=3
RightWidth=3
TopHeight=3
BottomHeight=3
)";

std::vector<TTestEntry> frameBitmaps() {
  return {{"left.bmp", sideBorder(true)},
          {"right.bmp", sideBorder(false)},
          {"top.bmp", topBorder()},
          {"bottom.bmp", MakeBmp(40, 8, [](int, int y) { return y < 4 ? rgb(BottomActive) : 0x004040u; })},
          {"button.bmp", buttonStrip(16)},
          {"icon.bmp", MakeBmp(16, 16, 0x101010)}};
}

std::string formText(const std::string& stream, const std::string& extra, const std::string& skinExtra) {
  return "object F: TSkinnedTestForm\n  Left = 100\n  Top = 100\n  Width = 320\n  Height = 200\n  Caption = 'Skinned'\n" +
         extra + "  object skin: TSkinData\n    Active = True\n" + skinExtra + "    " + stream + "\n  end\nend\n";
}

}  // namespace

std::string SkinnedFormText(const std::string& extra, const std::string& skinExtra) {
  static const std::string stream = SkinStreamProperty(PackSkin(SkinIni, frameBitmaps()));
  return formText(stream, extra, skinExtra);
}

std::string MenuSkinnedFormText(const std::string& extra) {
  static const std::string stream = [] {
    std::vector<TTestEntry> bitmaps = frameBitmaps();
    bitmaps.push_back({"menuitem.bmp", MakeBmp(50, 20, [](int x, int) { return rgb(MenuItemFrames[x / 10]); })});
    bitmaps.push_back({"menubg.bmp", MakeBmp(24, 24, [](int x, int y) {
                         const bool edge = x < 3 || y < 3 || x >= 21 || y >= 21;
                         return rgb(edge ? MenuEdge : MenuFill);
                       })});
    std::string ini = SkinIni;
    ini.insert(ini.find("[Colours]\n") + 10, MenuColours);
    ini += MenuSections;
    return SkinStreamProperty(PackSkin(ini, bitmaps));
  }();
  return formText(stream, extra, {});
}


void FormSkinTest::SetUp() {
  RegisterComponentClass(TSkinData::StaticClassInfo());
  UseSkinManager();
}

void FormSkinTest::TearDown() {
  Form.reset();
  FreeSkinManager();
  SetSkinManagerMaker({});
  Pump();
}

void FormSkinTest::Pump(int milliseconds) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  WaitUntil([&] { return std::chrono::steady_clock::now() > end; });
}

TSkinnedTestForm& FormSkinTest::ShowSkinned(const std::string& extra) { return ShowSkinnedText(SkinnedFormText(extra)); }

TSkinnedTestForm& FormSkinTest::ShowSkinnedText(const std::string& text) {
  Form = std::make_unique<TSkinnedTestForm>();
  Form->LoadFromDefinition(text);
  Form->Show();
  EXPECT_TRUE(WaitSkinned(Form->Handle()));
  return *Form;
}

TSkinManage& FormSkinTest::Manager() const { return *dynamic_cast<TSkinManage*>(SkinManager()); }

TWinSkinForm* FormSkinTest::SkinOf(HWND window) const {
  auto* manager = dynamic_cast<TSkinManage*>(SkinManager());
  return manager ? manager->FindForm(window) : nullptr;
}

bool FormSkinTest::WaitSkinned(HWND window) const {
  return WaitUntil([&] {
    TWinSkinForm* skin = SkinOf(window);
    return skin && skin->SkinState() == fssSkinned;
  });
}

namespace {

struct FrameImage {
  GdiBitmap Bitmap;
  MemoryDC DC;
  explicit FrameImage(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    WindowDC screen(nullptr);
    Bitmap.Reset(CreateCompatibleBitmap(screen, r.right - r.left, r.bottom - r.top));
    SelectObject(DC, Bitmap.Get());
    SendMessageA(window, WM_SKINPRINT2, reinterpret_cast<WPARAM>(DC.Get()), SkinMagic);
  }
};

}  // namespace

COLORREF FormSkinTest::FramePixel(HWND window, int x, int y) const {
  FrameImage image(window);
  return GetPixel(image.DC, x, y);
}

int FormSkinTest::FrameColourCount(HWND window, const RECT& area, COLORREF colour) const {
  FrameImage image(window);
  int count = 0;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x) count += GetPixel(image.DC, x, y) == colour;
  return count;
}

}  // namespace velmora::test
