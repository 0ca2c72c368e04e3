// The skin data component: a skin read from a stored form into records, colours and
// derived images; its settings and their defaults; the requests it makes of the skin
// manager; skin files that are missing or damaged.
#include "skin/data/skin_data.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "framework/application.h"
#include "framework/form.h"
#include "framework/gdi_object.h"
#include "skin/data/bitmap_helpers.h"
#include "skin/data/skin_manager_link.h"
#include "skin/data/lzh_packer.h"
#include "skin/data/skin_package.h"
#include "skin/skin_test_package.h"
#include "support/test_support.h"

namespace velmora {
namespace {

using test::Bytes;
using test::MakeBmp;

constexpr std::uint32_t Magenta = 0xFF00FF;

// The manager's side of every request, written down in order.
class TRecordingManager : public ISkinManager {
 public:
  explicit TRecordingManager(std::vector<std::string>& journal) : FJournal(journal) {}
  void AddData(TSkinData*) override { FJournal.push_back("add"); }
  void RemoveData(TSkinData*) override { FJournal.push_back("remove"); }
  void SetCurrentData(TSkinData*) override { FJournal.push_back("current"); }
  void SetAction(TSkinAction action, int delayMs) override {
    FJournal.push_back("action " + std::to_string(action) + " " + std::to_string(delayMs));
  }
  void SkinForm(HWND window) override { FJournal.push_back(window ? "skin form" : "skin null"); }
  void InstallHook() override { FJournal.push_back("hook"); }
  void RefreshData() override { FJournal.push_back("refresh"); }
  int State() const override { return FState; }
  void SetState(int state) override {
    FState = state;
    FJournal.push_back("state " + std::to_string(state));
  }
  void SetActive(bool active) override { FJournal.push_back(active ? "active on" : "active off"); }
  void AdvanceStateCounter() override { FJournal.push_back("counter"); }

 private:
  std::vector<std::string>& FJournal;
  int FState = 0;
};

class TSkinTestForm : public TForm {
 public:
  explicit TSkinTestForm(TComponent* owner = nullptr) : TForm(owner) {}
  static const TClassInfo& StaticClassInfo() {
    static const TClassInfo info{"TSkinTestForm", &TForm::StaticClassInfo(), {}, {}};
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  TSkinData* Skin() const { return dynamic_cast<TSkinData*>(FindComponent("skin")); }
};

// The top border's sampled pixel: a third of the way into its first frame.
constexpr std::uint32_t SampledPixel = 0x123456;

Bytes topBorder() {  // 2 frames of 15 x 20
  return MakeBmp(30, 20, [](int x, int y) { return x == 10 && y == 3 ? SampledPixel : 0x808080u; });
}

// Four frames of 17 x 21, each its own colour: green, blue, red, grey.
constexpr std::uint32_t ComboFrameColours[] = {0x00AA00, 0x0000AA, 0xAA0000, 0x777777};
Bytes comboButton() {
  return MakeBmp(68, 21, [](int x, int) { return ComboFrameColours[x / 17]; });
}

const char TestSkinIni[] = R"([TitlebarSkin]
SkinName=Test Skin
[Personality]
Top=top.bmp
TopFrame=2
Left=side.bmp
Right=side.bmp
Bottom=side.bmp
[Colours]
WindowText=1,2,3
ButtonFace=200,210,220
Menubar=
[Colour1]
color=9,8,7
[ColourX]
[Customcolors]
Color3=255,0,0
[SunkEdge]
Image=sunk.bmp
[ComboButton]
Image=combo.bmp
Trans=1
[Tab.Pane]
Image=side.bmp
LeftWidth=10
RightWidth=2
)";

Bytes testPackage() {
  return test::PackSkin(TestSkinIni, {{"top.bmp", topBorder()},
                                      {"side.bmp", MakeBmp(8, 8, 0x405060)},
                                      {"sunk.bmp", MakeBmp(40, 21, 0xF0F0F0)},
                                      {"combo.bmp", comboButton()}});
}

Bytes otherPackage() {
  return test::PackSkin("[TitlebarSkin]\nSkinName=Other\n[Colours]\nButtonFace=1,1,1\n", {});
}

std::string formText(const std::string& skinProperties) {
  return "object F: TSkinTestForm\n  Width = 200\n  Height = 150\n  object skin: TSkinData\n" + skinProperties +
         "\n  end\nend\n";
}

class SkinDataTest : public testing::Test {
 protected:
  void SetUp() override {
    RegisterComponentClass(TSkinData::StaticClassInfo());
    SetSkinManagerMaker([this] { return std::make_unique<TRecordingManager>(Journal); });
  }
  void TearDown() override {
    Form.reset();
    FreeSkinManager();
    SetSkinManagerMaker({});
  }
  TSkinData& load(const std::string& skinProperties) {
    Form = std::make_unique<TSkinTestForm>();
    Form->LoadFromDefinition(formText(skinProperties));
    TSkinData* skin = Form->Skin();
    EXPECT_NE(skin, nullptr);
    return *skin;
  }
  TSkinData& loadTestSkin(const std::string& more = "    Active = True") {
    return load(more + "\n    " + test::SkinStreamProperty(testPackage()));
  }

  std::vector<std::string> Journal;
  std::unique_ptr<TSkinTestForm> Form;
};

TEST_F(SkinDataTest, NewComponentHasTheDocumentedSettings) {
  TSkinData data(nullptr);
  EXPECT_FALSE(data.Active());
  EXPECT_EQ(data.DisableTag(), 99);
  EXPECT_EQ(data.SkinControls(), 0x1FFFFBu);  // every kind but xcMenuItem and xcFastReport
  EXPECT_EQ(data.Options(), (1u << xoPreview) | (1u << xoToolbarBK));
  EXPECT_EQ(data.SkinFormtype(), TSkinFormType::sfMainform);
  EXPECT_EQ(data.Version(), "5.03.07.12");
  EXPECT_EQ(data.SkinStore(), "(none)");
  EXPECT_TRUE(data.MenuUpdate());
  EXPECT_FALSE(data.MenuMerge());
  EXPECT_TRUE(data.NoSkin());
  EXPECT_EQ(data.SkinFile(), "");
  data.SetVersion("1.0");
  EXPECT_EQ(data.Version(), "5.03.07.12");  // read-only
  // The six records that always exist.
  EXPECT_EQ(data.Records.Title->Name, "Title");
  EXPECT_EQ(data.Records.Buttons->Name, "Buttons");
  EXPECT_EQ(data.Records.BorderBottom->Name, "Bottom");
  // The program's glyphs: restore, maximise, minimise, close.
  EXPECT_EQ(data.MenuGlyphs.Count(), 4);
  EXPECT_EQ(data.MaximizedSize().cx, GetSystemMetrics(SM_CXMAXIMIZED));
}

TEST_F(SkinDataTest, PublishedPropertiesAreReachableByName) {
  TSkinData data(nullptr);
  EXPECT_EQ(GetOrdProp(data, "DisableTag"), 99);
  EXPECT_EQ(GetEnumProp(data, "SkinFormtype"), "sfMainform");
  EXPECT_TRUE(SetSetProp(data, "Options", {"xoTransparent", "xoMenuBG"}));
  EXPECT_EQ(data.Options(), (1u << xoTransparent) | (1u << xoMenuBG));
  EXPECT_TRUE(SetEnumProp(data, "SkinFormtype", "sfDialog"));
  EXPECT_EQ(data.SkinFormtype(), TSkinFormType::sfDialog);
  EXPECT_EQ(GetStrProp(data, "Version"), "5.03.07.12");
}

TEST_F(SkinDataTest, MenuGlyphsAreBlackOnTransparent) {
  TSkinData data(nullptr);
  TBitmap canvas(16, 16);
  MemoryDC dc;
  SelectScope select(dc, canvas.Handle());
  RECT all{0, 0, 16, 16};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  ASSERT_TRUE(data.MenuGlyphs.Draw(dc, 0, 0, 3));  // the close glyph
  GdiFlush();
  int black = 0, white = 0, other = 0;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      const COLORREF p = canvas.Pixel(x, y);
      (p == 0 ? black : p == 0xFFFFFF ? white : other)++;
    }
  EXPECT_GT(black, 8);   // a glyph was drawn...
  EXPECT_GT(white, 100);  // ...on the background, which the mask left alone
  EXPECT_EQ(other, 0);
}

TEST_F(SkinDataTest, StoredFormLoadsTheSkinIntoRecordsAndColours) {
  TSkinData& skin = loadTestSkin();
  ASSERT_FALSE(skin.NoSkin());
  EXPECT_EQ(skin.SkinName, "Test Skin");

  const TSkinColors& c = skin.Colors;
  EXPECT_EQ(c.Colors[scWindowText], RGB(1, 2, 3));
  EXPECT_TRUE(c.ColorSet[scWindowText]);
  EXPECT_EQ(c.Colors[scButtonFace], RGB(200, 210, 220));
  EXPECT_EQ(c.Colors[scMenubar], RGB(200, 210, 220));  // an empty value takes the face just read
  EXPECT_FALSE(c.ColorSet[scMenubar]);
  EXPECT_EQ(c.Colors[scButtonText], SystemColorRef(COLOR_BTNTEXT));
  EXPECT_FALSE(c.ColorSet[scButtonText]);
  EXPECT_EQ(c.Colors[scTitleTextNoActive], SystemColorRef(COLOR_INACTIVECAPTIONTEXT));
  EXPECT_EQ(c.ExtraColors, (std::vector<COLORREF>{RGB(9, 8, 7), SystemColorRef(COLOR_WINDOWTEXT)}));
  EXPECT_EQ(c.CustomColors[3], RGB(255, 0, 0));
  EXPECT_EQ(c.CustomColors[0], 0xFFFFFFu);
  EXPECT_EQ(c.Colors[scSample], RGB(0x12, 0x34, 0x56));

  ASSERT_NE(skin.Records.TabPane, nullptr);
  EXPECT_EQ(skin.Records.TabPane->LeftWidth, 4);  // margins above 4 are clamped
  EXPECT_EQ(skin.Records.TabPane->RightWidth, 2);
  EXPECT_EQ(skin.Records.BorderTop->Map.Width(), 30);
  EXPECT_NE(skin.FaceBrush(), nullptr);
}

TEST_F(SkinDataTest, SkinWithoutColoursTakesSystemFaceAndSampledBorder) {
  const Bytes package = test::PackSkin("[Personality]\nTop=top.bmp\nTopFrame=2\n", {{"top.bmp", topBorder()}});
  TSkinData& skin = load("    " + test::SkinStreamProperty(package));
  ASSERT_FALSE(skin.NoSkin());
  EXPECT_EQ(skin.Colors.Colors[scMenubar], SystemColorRef(COLOR_BTNFACE));
  EXPECT_EQ(skin.Colors.Colors[scSample], RGB(0x12, 0x34, 0x56));
  EXPECT_EQ(skin.SkinName, "");
}

TEST_F(SkinDataTest, TopBorderWithFrameCountZeroIsSampledAsOneFrame) {
  const Bytes package = test::PackSkin("[Personality]\nTop=top.bmp\nTopFrame=0\n", {{"top.bmp", topBorder()}});
  TSkinData& skin = load("    " + test::SkinStreamProperty(package));
  ASSERT_FALSE(skin.NoSkin());
  // (10, (20 / 1) / 3 = 6): the border's grey, not a crash.
  EXPECT_EQ(skin.Colors.Colors[scSample], RGB(0x80, 0x80, 0x80));
}

TEST_F(SkinDataTest, ComboImagesAreComposedFromSunkenEdgeAndButton) {
  TSkinData& skin = loadTestSkin();
  const int b = GetSystemMetrics(SM_CXVSCROLL) + 2;
  const auto& combo = *skin.Records.ComboButton;
  const auto& sunk = *skin.Records.SunkEdge;
  EXPECT_EQ(combo.Style, 2);
  EXPECT_EQ(combo.Map.Width(), 200);  // four 50 x 21 cells
  EXPECT_EQ(combo.Map.Height(), 21);
  EXPECT_EQ(combo.LeftWidth, 2);
  EXPECT_EQ(combo.RightWidth, b + 2);
  EXPECT_EQ(sunk.LeftWidth, b + 2);
  EXPECT_EQ(sunk.RightWidth, 2);
  for (int frame = 0; frame < 4; ++frame) {
    const int cell = frame * 50;
    SCOPED_TRACE("frame " + std::to_string(frame + 1));
    EXPECT_EQ(combo.Map.Pixel(cell + 10, 10), Magenta);          // the text area is cut out
    EXPECT_EQ(combo.Map.Pixel(cell + 1, 10), RGB(0xF0, 0xF0, 0xF0));  // the sunken edge
    const std::uint32_t button = ComboFrameColours[frame];
    EXPECT_EQ(combo.Map.Pixel(cell + 49, 10), RGB(button >> 16, (button >> 8) & 0xFF, button & 0xFF));
  }
  // The sunken edge is the strip's mirror image.
  for (int x : {0, 7, 60, 199}) EXPECT_EQ(sunk.Map.Pixel(x, 5), combo.Map.Pixel(199 - x, 5)) << x;
  // Before composing, the button's own bitmap was mirrored into its second image.
  EXPECT_EQ(combo.Map2.Width(), 68);
  EXPECT_EQ(combo.Map2.Pixel(0, 0), RGB(0x77, 0x77, 0x77));

  const auto& arrow = *skin.Records.ComboxArrow;
  EXPECT_EQ(arrow.Frame, 4);
  EXPECT_EQ(arrow.Map.Width(), 68);
  EXPECT_EQ(arrow.Map.Height(), 17);
  EXPECT_EQ(arrow.Map.Pixel(17 + 16, 16), combo.Map.Pixel(100 - 2 - 1, 2 + 16));
}

TEST_F(SkinDataTest, ComboArrowWithoutSunkenEdgeIsTheButtonOnTheFace) {
  const Bytes package = test::PackSkin("[Colours]\nButtonFace=10,20,30\n[ComboButton]\nImage=combo.bmp\n",
                                       {{"combo.bmp", MakeBmp(8, 4, [](int x, int) { return x < 2 ? Magenta : 0x00AA00u; })}});
  TSkinData& skin = load("    " + test::SkinStreamProperty(package));
  const auto& arrow = *skin.Records.ComboxArrow;
  EXPECT_EQ(arrow.Frame, 4);
  EXPECT_EQ(arrow.Map.Pixel(0, 0), RGB(10, 20, 30));
  EXPECT_EQ(arrow.Map.Pixel(5, 0), RGB(0, 0xAA, 0));
}

TEST_F(SkinDataTest, ToolbarGradientAndDefaultTracksAreMade) {
  TSkinData& skin = loadTestSkin();
  const auto& toolbar = *skin.Records.Toolbar;
  EXPECT_EQ(toolbar.Frame, 1);
  EXPECT_EQ(toolbar.Map.Width(), 10);
  EXPECT_EQ(toolbar.Map.Height(), 40);
  // 15 % of the face (200, 210, 220) over white at the top.
  EXPECT_EQ(toolbar.Map.Pixel(0, 0), RGB(247, 248, 250));
  EXPECT_NE(toolbar.Map.Pixel(0, 39), toolbar.Map.Pixel(0, 0));

  ASSERT_NE(skin.Records.Track, nullptr);
  EXPECT_EQ(skin.Records.Track->Name, "TRACK");
  EXPECT_EQ(skin.Records.Track->Map.Width(), 16);
  EXPECT_EQ(skin.Records.Track->Map.Height(), 4);
  EXPECT_EQ(skin.Records.Track->LeftWidth, 3);
  EXPECT_EQ(skin.Records.Track->Frame, 1);
  ASSERT_NE(skin.Records.TrackVert, nullptr);
  EXPECT_EQ(skin.Records.TrackVert->Map.Width(), 4);
  EXPECT_EQ(skin.Records.TrackVert->Map.Height(), 16);
}

TEST_F(SkinDataTest, SkinStreamRoundTripsAndAZeroLengthStoresNothing) {
  const Bytes package = testPackage();
  TSkinData& skin = load("    " + test::SkinStreamProperty(package));
  EXPECT_EQ(skin.StoredPackage(), package);
  Bytes block = skin.SkinStreamBlock();
  ASSERT_GE(block.size(), 4u);
  EXPECT_EQ(Bytes(block.begin() + 4, block.end()), package);

  TSkinData& empty = load("    Active = True\n    SkinStream = {00000000}");
  EXPECT_TRUE(empty.NoSkin());
  EXPECT_TRUE(empty.StoredPackage().empty());
  EXPECT_FALSE(empty.Active());  // nothing to apply: switched off when loaded
  Journal.clear();
  empty.SetActive(true);
  EXPECT_TRUE(Journal.empty());  // no skin, so nothing is asked of the manager
}

TEST_F(SkinDataTest, DamagedSkinStreamLengthsStoreNothing) {
  const std::string cases[] = {
      "SkinStream = {FFFFFFFF00}",  // negative
      "SkinStream = {0A000000AABB}",  // longer than the block
      "SkinStream = {0100}",  // no whole length
  };
  for (const std::string& value : cases) {
    SCOPED_TRACE(value);
    TSkinData& skin = load("    " + value);
    EXPECT_TRUE(skin.NoSkin());
    EXPECT_TRUE(skin.StoredPackage().empty());
  }
}

TEST_F(SkinDataTest, LoadedRegistersInstallsTheHookAndAsksToApply) {
  TSkinData& skin = loadTestSkin();
  EXPECT_EQ(Journal, (std::vector<std::string>{"add", "hook", "action 1 250"}));
  EXPECT_TRUE(skin.Active());
  // With the main menu skinned, menu items are not.
  EXPECT_FALSE(InSet(skin.SkinControls(), xcMenuItem));
  EXPECT_TRUE(InSet(skin.SkinControls(), xcSystemMenu));
  EXPECT_EQ(skin.CaptionIcon.Width(), GetSystemMetrics(SM_CXSMICON));

  Journal.clear();
  skin.SetActive(false);
  EXPECT_EQ(Journal, (std::vector<std::string>{"current", "action 2 250"}));
  Journal.clear();
  skin.SetActive(true);
  EXPECT_EQ(Journal, (std::vector<std::string>{"current", "action 1 250", "state 1"}));
  Journal.clear();
  skin.UpdateSkin();  // the manager now runs: a refresh follows
  EXPECT_EQ(Journal, (std::vector<std::string>{"current", "refresh", "action 3 250"}));
  Journal.clear();
  Form.reset();
  EXPECT_EQ(Journal, (std::vector<std::string>{"remove"}));
}

TEST_F(SkinDataTest, WithoutTheMainMenuTheSystemMenuIsNotSkinned) {
  TSkinData& skin = loadTestSkin("    SkinControls = [xcPopupMenu, xcMenuItem, xcSystemMenu]");
  EXPECT_TRUE(InSet(skin.SkinControls(), xcMenuItem));
  EXPECT_FALSE(InSet(skin.SkinControls(), xcSystemMenu));
  EXPECT_EQ(Journal, (std::vector<std::string>{"add", "hook"}));  // not active: nothing to apply
}

TEST_F(SkinDataTest, OnlyThisFormSkinsItsOwnerAtOnce) {
  TSkinData& skin = loadTestSkin("    Active = True\n    SkinFormtype = sfOnlyThisForm");
  EXPECT_EQ(Journal, (std::vector<std::string>{"add", "active on", "counter", "skin form"}));
  Journal.clear();
  skin.SetActive(false);
  EXPECT_EQ(Journal, (std::vector<std::string>{"current", "action 2 250"}));
  Journal.clear();
  skin.SetActive(true);
  EXPECT_EQ(Journal, (std::vector<std::string>{"current", "action 1 250"}));
}

TEST_F(SkinDataTest, WithoutAManagerTheSkinStillLoads) {
  SetSkinManagerMaker({});
  TSkinData& skin = loadTestSkin();
  EXPECT_FALSE(skin.NoSkin());
  EXPECT_TRUE(skin.Active());
  skin.SetActive(false);
  skin.UpdateSkin();
  EXPECT_TRUE(Journal.empty());
  EXPECT_EQ(SkinManager(), nullptr);
}

TEST_F(SkinDataTest, FormSkinExclusionsAndTheHandlersSay) {
  TSkinData data(nullptr);
  struct Case {
    const char* ClassName;
    bool FastReport;
    bool Expected;
  };
  const Case cases[] = {
      {"SysMonthCal32", false, false}, {"sysmonthcal32", false, false}, {"TfrDesigner", true, false},
      {"TfrDesigner", false, true},    {"TFrame1", true, true},          {"TForm1", true, true},
  };
  for (const Case& c : cases) {
    data.SetSkinControls(c.FastReport ? Include(DefaultSkinControls, xcFastReport) : DefaultSkinControls);
    bool doSkin = true;
    data.DoFormSkin(reinterpret_cast<HWND>(0x1234), c.ClassName, doSkin);
    EXPECT_EQ(doSkin, c.Expected) << c.ClassName << (c.FastReport ? " with" : " without") << " xcFastReport";
  }
  EXPECT_EQ(data.FormHandle(), reinterpret_cast<HWND>(0x1234));
  // The manager's own verdict is kept.
  bool refused = false;
  data.DoFormSkin(nullptr, "TForm1", refused);
  EXPECT_FALSE(refused);

  // With a handler, the handler decides: a month calendar is skinned unless it says no.
  std::vector<std::string> asked;
  data.OnFormSkin = [&](TObjectSender sender, const std::string& name, bool& doSkin) {
    EXPECT_EQ(sender, &data);
    asked.push_back(name);
    if (name == "Refused") doSkin = false;
  };
  bool calendar = true, refusedByHandler = true;
  data.DoFormSkin(nullptr, "SysMonthCal32", calendar);
  data.DoFormSkin(nullptr, "Refused", refusedByHandler);
  EXPECT_TRUE(calendar);
  EXPECT_FALSE(refusedByHandler);
  EXPECT_EQ(asked, (std::vector<std::string>{"SysMonthCal32", "Refused"}));

  int changed = 0;
  data.DoSkinChanged();
  data.OnSkinChanged = [&](TObjectSender) { ++changed; };
  data.DoSkinChanged();
  EXPECT_EQ(changed, 1);
}

TEST_F(SkinDataTest, DefaultClassMapHasItsRowsInOrderAndAStoredOneReplacesIt) {
  TSkinData data(nullptr);
  const auto& rows = data.Skin3rd();
  ASSERT_EQ(rows.size(), 118u);
  EXPECT_EQ(rows.front(), "TCategoryButtons=scrollbar");
  EXPECT_EQ(rows.back(), "TOVCDBNUMERICFIELD=Edit");
  for (const char* twice : {"TDBCheckboxEh=Checkbox", "TLMDFontSizeCombobox=combobox", "TWWDBCombobox=Combobox"})
    EXPECT_EQ(std::count(rows.begin(), rows.end(), twice), 2) << twice;
  EXPECT_NE(std::find(rows.begin(), rows.end(), "TLMDGroupBox=Groupbox"), rows.end());
  EXPECT_NE(std::find(rows.begin(), rows.end(), "TLMDGROUPBOX=Panel"), rows.end());

  TSkinData& stored = load("    Skin3rd.Strings = (\n      'TMyGrid=scrollbar'\n      'TMyEdit=edit')");
  EXPECT_EQ(stored.Skin3rd(), (std::vector<std::string>{"TMyGrid=scrollbar", "TMyEdit=edit"}));
}

class SkinFileTest : public SkinDataTest {
 protected:
  std::string write(const std::string& name, const Bytes& bytes) {
    const std::string path = Folder / name;
    test::WriteFileBytes(path, std::string(bytes.begin(), bytes.end()));
    return path;
  }
  test::TempFolder Folder;
};

TEST_F(SkinFileTest, AFileLoadsAtRunTimeAndTheManagerRefreshes) {
  TSkinData& skin = loadTestSkin();
  Journal.clear();
  skin.SetSkinFile(write("other.vskin", otherPackage()));
  EXPECT_FALSE(skin.NoSkin());
  EXPECT_EQ(skin.SkinName, "Other");
  EXPECT_EQ(skin.Colors.Colors[scButtonFace], RGB(1, 1, 1));
  EXPECT_EQ(skin.Records.SunkEdge, nullptr);  // the new skin has none
  EXPECT_EQ(Journal, (std::vector<std::string>{"current", "refresh"}));
}

TEST_F(SkinFileTest, AMissingFileKeepsThePreviousRecordsAndTheFlag) {
  TSkinData& skin = loadTestSkin();
  skin.SetActive(false);
  skin.SetSkinFile(Folder / "no-such.vskin");
  EXPECT_TRUE(skin.NoSkin());
  EXPECT_EQ(skin.SkinFile(), Folder / "no-such.vskin");
  EXPECT_EQ(skin.SkinName, "Test Skin");
  EXPECT_NE(skin.Records.SunkEdge, nullptr);
  Journal.clear();
  skin.SetActive(true);  // no skin loaded, so switching on does nothing
  EXPECT_TRUE(Journal.empty());
}

TEST_F(SkinFileTest, DamagedFilesNeverCrashAndKeepTheStoredPackage) {
  const Bytes good = testPackage();
  Bytes wrongVersion = otherPackage();
  {
    // An expanded image whose version is not one we read.
    const std::string ini = "[TitlebarSkin]\nSkinName=Old\n";
    std::vector<TSkinPackageEntry> entries{{"a.ini", Bytes(ini.begin(), ini.end())}};
    Bytes image = BuildPackageImage(20000, entries);
    image[0] = 0x10, image[1] = 0x27, image[2] = 0, image[3] = 0;  // 10000
    auto finder = lzh::MakeHashChainFinder();
    wrongVersion = lzh::PackGreedy(image, *finder);
  }
  std::mt19937 random(7);
  Bytes noise(4096);
  for (auto& byte : noise) byte = static_cast<std::uint8_t>(random());

  struct Case {
    const char* Name;
    Bytes Data;
  };
  const Case refused[] = {{"wrong version", wrongVersion}, {"random bytes", noise}, {"empty", {}}};
  for (const Case& c : refused) {
    SCOPED_TRACE(c.Name);
    TSkinData& skin = loadTestSkin();
    std::vector<std::string> messages;
    skin.SetMessageSink([&](const std::string& text) { messages.push_back(text); });
    skin.SetSkinFile(write("bad.vskin", c.Data));
    EXPECT_TRUE(skin.NoSkin());
    EXPECT_EQ(skin.SkinName, "Test Skin");  // the records in use stay
    EXPECT_EQ(skin.StoredPackage(), good);
    EXPECT_EQ(messages, (std::vector<std::string>{OlderSkinFileMessage}));
  }

  // A stream cut short expands with its missing bits as zeros: the definition text at
  // its start survives and the bitmaps after the cut come out as garbage, which loads.
  for (std::size_t keep : {good.size() / 2, std::size_t{40}, std::size_t{5}}) {
    SCOPED_TRACE("truncated to " + std::to_string(keep));
    TSkinData& skin = loadTestSkin();
    skin.SetMessageSink([](const std::string&) {});
    const Bytes cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(keep));
    skin.SetSkinFile(write("cut.vskin", cut));
    // Either the cut package is now the skin, or the previous one stays whole.
    if (skin.NoSkin())
      EXPECT_EQ(skin.StoredPackage(), good);
    else
      EXPECT_EQ(skin.StoredPackage(), cut);
  }
}

// The refused package's message is a real message box, titled with the program's title.
TEST_F(SkinDataTest, RefusedVersionShowsTheMessageBox) {
  static std::string shownText, shownTitle;
  shownText.clear(), shownTitle.clear();
  const std::string oldTitle = Application.Title();
  Application.SetTitle("Skin test");
  const UINT_PTR timer = SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR, DWORD) {
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM) -> BOOL {
          char cls[16] = {};
          GetClassNameA(window, cls, sizeof cls);
          if (std::string(cls) != "#32770" || !IsWindowVisible(window)) return TRUE;
          char text[256] = {}, title[64] = {};
          GetDlgItemTextA(window, 0xFFFF, text, sizeof text);
          GetWindowTextA(window, title, sizeof title);
          shownText = text, shownTitle = title;
          PostMessageA(window, WM_COMMAND, IDOK, 0);
          return FALSE;
        },
        0);
  });
  TSkinData& skin = load("    " + test::SkinStreamProperty(Bytes{1, 2, 3, 4, 5, 6, 7, 8}));
  KillTimer(nullptr, timer);
  Application.SetTitle(oldTitle);
  EXPECT_TRUE(skin.NoSkin());
  EXPECT_EQ(shownTitle, "Skin test");
  // The message's CR is a line break; the box shows the two lines.
  EXPECT_NE(shownText.find("This is Older Skin File"), std::string::npos);
  EXPECT_NE(shownText.find("Please update to new version !"), std::string::npos);
}

TEST_F(SkinDataTest, LoadingAgainAndFreeingLeaveNoGdiObjectBehind) {
  loadTestSkin();  // first use of the system's shared objects
  Form.reset();
  const int before = GdiCounters::LiveTotal();
  for (int i = 0; i < 5; ++i) {
    TSkinData& skin = loadTestSkin();
    ASSERT_TRUE(skin.LoadSkin());
    ASSERT_TRUE(skin.LoadSkin());
    Form.reset();
  }
  EXPECT_EQ(GdiCounters::LiveTotal(), before);
}

}  // namespace
}  // namespace velmora
