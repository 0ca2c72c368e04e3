// The dispatch tables read without windows: which built-in rule each framework control
// meets first (and where it falls when the skin leaves a kind out), the class map's
// kinds, and the window-class table.
#include "skin/forms/dispatch_rules.h"

#include <gtest/gtest.h>

#include <functional>

#include "framework/common_controls.h"
#include "framework/form.h"
#include "framework/mask_edit.h"

namespace velmora {
namespace {

constexpr TSkinControlTypes without(TSkinControlType member) {
  return DefaultSkinControls & ~(TSkinControlTypes{1} << member);
}

struct RuleCase {
  const char* What;
  std::function<TControl*(TComponent*)> Make;
  std::string UpperClass;  // empty: the control's own
  TDispatchSkin Skin;
  const char* Rule;  // null: no rule
  TPainterKind Painter;
};

template <class T>
std::function<TControl*(TComponent*)> make() {
  return [](TComponent* owner) { return new T(owner); };
}

TEST(DispatchRulesTest, FirstMatchingBuiltInRule) {
  const TDispatchSkin full{DefaultSkinControls, true};
  const TDispatchSkin noTabs{DefaultSkinControls, false};
  const RuleCase cases[] = {
      {"page control", make<TPageControl>(), "", full, "1", TPainterKind::PageControl},
      {"page control, skin without tabs", make<TPageControl>(), "", noTabs, nullptr, TPainterKind::None},
      {"tab sheet", make<TTabSheet>(), "", full, "5", TPainterKind::TabSheet},
      {"tab set by name", make<TPanel>(), "TTABSET", full, "4", TPainterKind::Tab31},
      {"tab set, skin without tabs: a panel", make<TPanel>(), "TTABSET", noTabs, "32", TPainterKind::ChildrenThenBox},
      {"mvc panel", make<TPanel>(), "TMVCPANEL", full, "7", TPainterKind::Children},
      {"check box", make<TCheckBox>(), "", full, "10", TPainterKind::CheckBox},
      {"check box without check boxes", make<TCheckBox>(), "", {without(xcCheckBox), true}, nullptr,
       TPainterKind::None},
      {"track bar", make<TTrackBar>(), "", full, "11", TPainterKind::TrackBar},
      {"up-down", make<TUpDown>(), "", full, "12", TPainterKind::UpDown},
      {"group box", make<TGroupBox>(), "", full, "19", TPainterKind::ChildrenThenGroupBox},
      {"radio button", make<TRadioButton>(), "", full, "20", TPainterKind::RadioButton},
      {"status bar", make<TStatusBar>(), "", full, "22", TPainterKind::StatusBar},
      {"progress bar", make<TProgressBar>(), "", full, "23", TPainterKind::Progress},
      {"combo box", make<TComboBox>(), "", full, "26", TPainterKind::ComboBox},
      {"date-time picker", make<TDateTimePicker>(), "", full, "27a", TPainterKind::DateTime},
      {"edit", make<TEdit>(), "", full, "27b", TPainterKind::Edit},
      {"masked edit", make<TMaskEdit>(), "", full, "27b", TPainterKind::Edit},
      {"edit without edits", make<TEdit>(), "", {without(xcEdit), true}, nullptr, TPainterKind::None},
      {"glyph button", make<TBitBtn>(), "", full, "30", TPainterKind::BitButton},
      {"glyph button without glyph buttons: a push button", make<TBitBtn>(), "", {without(xcBitBtn), true}, "38",
       TPainterKind::Button},
      {"speed button", make<TSpeedButton>(), "", full, "31", TPainterKind::SpeedButton},
      {"panel", make<TPanel>(), "", full, "32", TPainterKind::ChildrenThenBox},
      {"list view", make<TListView>(), "", full, "34", TPainterKind::ListView},
      {"memo: a scrollable control, not an edit box", make<TMemo>(), "", full, "35", TPainterKind::Scrollbar},
      {"memo without scroll bars: its border", make<TMemo>(), "", {without(xcScrollbar), true}, "39",
       TPainterKind::Edit},
      {"list box", make<TListBox>(), "", full, "35", TPainterKind::Scrollbar},
      {"tree view", make<TTreeView>(), "", full, "36", TPainterKind::Scrollbar},
      {"push button", make<TButton>(), "", full, "38", TPainterKind::Button},
      {"push button without buttons", make<TButton>(), "", {without(xcButton), true}, nullptr, TPainterKind::None},
      {"rich edit by name", make<TPanel>(), "TRICHEDIT", full, "28", TPainterKind::Scrollbar},
      {"edit named like a drop-down edit, without the property", make<TEdit>(), "TDCEDIT", full, "27b",
       TPainterKind::Edit},
  };
  for (const RuleCase& c : cases) {
    TForm owner(nullptr);
    TControl* control = c.Make(&owner);
    std::string upperClass = c.UpperClass;
    if (upperClass.empty())
      for (char ch : control->ClassName()) upperClass += static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    const TBuiltInRule* rule = MatchBuiltInRule(*control, upperClass, c.Skin);
    if (!c.Rule) {
      EXPECT_EQ(rule, nullptr) << c.What << ": matched rule " << (rule ? rule->Number : "");
      continue;
    }
    ASSERT_NE(rule, nullptr) << c.What;
    EXPECT_STREQ(rule->Number, c.Rule) << c.What;
    EXPECT_STREQ(PainterKindName(rule->Painter), PainterKindName(c.Painter)) << c.What;
  }
}

TEST(DispatchRulesTest, ContainersAndEmbeddedFormsComeLast) {
  TForm owner(nullptr);
  const TDispatchSkin full{DefaultSkinControls, true};
  auto* pageControl = new TPageControl(&owner);
  auto* sheet = new TTabSheet(&owner);
  sheet->SetParent(pageControl);
  const TBuiltInRule* rule = MatchBuiltInRule(*pageControl, "TPAGECONTROL", {DefaultSkinControls, false});
  ASSERT_NE(rule, nullptr);
  EXPECT_STREQ(rule->Number, "41");  // tabs not skinned: only what it holds

  TForm embedded(nullptr);
  embedded.SetParent(&owner);
  rule = MatchBuiltInRule(embedded, "TFORM", full);
  ASSERT_NE(rule, nullptr);
  EXPECT_STREQ(rule->Number, "42");
  embedded.SetParent(nullptr);
  EXPECT_EQ(MatchBuiltInRule(embedded, "TFORM", full), nullptr);  // a top-level form is not a control here
}

TEST(DispatchRulesTest, ClassMapKinds) {
  struct Case {
    const char* Kind;
    bool Known;
    std::optional<TSkinControlType> Member;
    bool NeedsTab;
    TPainterKind Painter;
  };
  const Case cases[] = {
      {"nil", false, std::nullopt, false, TPainterKind::None},
      {"somethingelse", false, std::nullopt, false, TPainterKind::None},
      {"container", true, std::nullopt, false, TPainterKind::Children},
      {"tab", true, xcTab, true, TPainterKind::Tab},
      {"advpagecontrol", true, xcTab, false, TPainterKind::AdvPage},
      {"panel", true, xcPanel, false, TPainterKind::TransparentPanel},
      {"trackbar", true, xcButton, false, TPainterKind::TransparentTrackBar},
      {"datetimepicker", true, xcCombo, false, TPainterKind::DateTime},
      {"speedbutton", true, xcSpeedButton, false, TPainterKind::SpeedButton},
      {"checkgroup", true, xcPanel, false, TPainterKind::CheckGroup},
      {"checkbox", true, xcCheckBox, false, TPainterKind::CheckBox},
  };
  for (const Case& c : cases) {
    const TClassMapKind* kind = FindClassMapKind(c.Kind);
    ASSERT_EQ(kind != nullptr, c.Known) << c.Kind;
    if (!kind) continue;
    EXPECT_EQ(kind->Member, c.Member) << c.Kind;
    EXPECT_EQ(kind->NeedsTabElement, c.NeedsTab) << c.Kind;
    EXPECT_STREQ(PainterKindName(kind->Painter), PainterKindName(c.Painter)) << c.Kind;
  }
}

TEST(DispatchRulesTest, WindowClassTable) {
  const TDispatchSkin full{DefaultSkinControls, true};
  struct Case {
    const char* Class;
    LONG_PTR Style;
    bool HasChild;
    TDispatchSkin Skin;
    TPainterKind Painter;
  };
  const Case cases[] = {
      {"button", BS_PUSHBUTTON, false, full, TPainterKind::Button},
      {"button", BS_DEFPUSHBUTTON, false, {without(xcButton), true}, TPainterKind::None},
      {"button", BS_AUTORADIOBUTTON, false, full, TPainterKind::RadioButton},
      {"button", BS_AUTO3STATE, false, full, TPainterKind::CheckBox},
      {"button", BS_OWNERDRAW, false, full, TPainterKind::None},
      {"button", BS_GROUPBOX, false, full, TPainterKind::None},
      {"combobox", CBS_DROPDOWNLIST, false, full, TPainterKind::ComboBox},
      {"combobox", CBS_SIMPLE, false, full, TPainterKind::None},
      {"comboboxex32", 0, true, full, TPainterKind::ComboBoxExChild},
      {"comboboxex32", 0, false, full, TPainterKind::None},
      {"scrollbar", SBS_SIZEGRIP, false, full, TPainterKind::Sizer},
      {"scrollbar", SBS_VERT, false, full, TPainterKind::None},  // a working bar is not a grip
      {"systreeview32", 0, false, full, TPainterKind::None},
      {"#32770", WS_CHILD, true, full, TPainterKind::Dialog},
      {"#32770", WS_CHILD | WS_TABSTOP, true, full, TPainterKind::None},  // a dialog used as a control
      {"tpanel", 0, true, full, TPainterKind::PanelWindow},
      {"tsilentpaintpanel", 0, false, full, TPainterKind::SilentPanel},
      {"tprogressbar", 0, false, {0, false}, TPainterKind::Progress},
      {"systabcontrol32", 0, false, full, TPainterKind::Tab},
      {"systabcontrol32", 0x2000, false, full, TPainterKind::None},
      {"systabcontrol32", 0, false, {without(xcTab), true}, TPainterKind::None},
      {"toolbarwindow32", 0, false, full, TPainterKind::BoxH},
      {"edit", ES_AUTOHSCROLL, false, full, TPainterKind::Edit},
      {"edit", 0, false, {without(xcEdit), true}, TPainterKind::None},
      {"static", 0, false, full, TPainterKind::None},
  };
  for (const Case& c : cases)
    EXPECT_STREQ(PainterKindName(WindowPainterKind(c.Class, c.Style, c.HasChild, c.Skin)), PainterKindName(c.Painter))
        << c.Class << " style " << std::hex << c.Style;
}

}  // namespace
}  // namespace velmora
