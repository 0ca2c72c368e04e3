// The dispatch tables.
//
// Framework classes this program has are matched by type; kinds of control it does not
// have (tab controls without pages, header controls, tool bars, cool bars, radio
// groups, scroll boxes) by the class name such a control would carry, so a class that
// arrives later finds its row waiting.
#include "skin/forms/dispatch_rules.h"

#include <iterator>

#include "framework/common_controls.h"
#include "framework/form.h"
#include "framework/menus.h"
#include "framework/std_controls.h"
#include "skin/controls/skin_property.h"

namespace velmora {
namespace {

template <class T>
bool is(const TControl& control) {
  return dynamic_cast<const T*>(&control) != nullptr;
}

bool named(const std::string& upperClass, std::initializer_list<const char*> names) {
  for (const char* name : names)
    if (upperClass == name) return true;
  return false;
}

bool windowedWithChildren(const TControl& control) {
  const auto* windowed = dynamic_cast<const TWinControl*>(&control);
  return windowed && (!windowed->Controls().empty() || !windowed->Components().empty());
}

bool isScrollingStyle(const TControl& control) {
  const auto* windowed = dynamic_cast<const TWinControl*>(&control);
  if (!windowed || !windowed->HandleAllocated()) return false;
  return (GetWindowLongPtrA(windowed->WindowHandle(), GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL)) != 0;
}

bool isEmbeddedForm(const TControl& control) { return is<TForm>(control) && control.Parent() != nullptr; }

const TClassMapKind kClassMapKinds[] = {
    {"combobox", xcCombo, false, TPainterKind::ComboBox},
    {"comboboxex", xcCombo, false, TPainterKind::ComboBoxEx},
    {"edit", xcEdit, false, TPainterKind::Edit},
    {"radiobutton", xcRadioButton, false, TPainterKind::RadioButton},
    {"panel", xcPanel, false, TPainterKind::TransparentPanel},
    {"trackbar", xcButton, false, TPainterKind::TransparentTrackBar},
    {"button", xcButton, false, TPainterKind::Button},
    {"datetimepicker", xcCombo, false, TPainterKind::DateTime},
    {"mediaplayer", xcButton, false, TPainterKind::MediaPlayer},
    {"bitbtn", xcButton, false, TPainterKind::BitButton},
    {"pngbitbtn", xcButton, false, TPainterKind::PngBitButton},
    {"pngspeedbutton", xcButton, false, TPainterKind::PngSpeedButton},
    {"menubtn", xcButton, false, TPainterKind::MenuButton},
    {"speedbutton", xcSpeedButton, false, TPainterKind::SpeedButton},
    {"tab", xcTab, true, TPainterKind::Tab},
    {"progress", xcProgress, false, TPainterKind::Progress},
    {"scrollbar", xcScrollbar, false, TPainterKind::ScrollbarThenChildren},
    {"singlescrollbar", xcScrollbar, false, TPainterKind::SingleScrollbar},
    {"embedscrollbar", xcScrollbar, false, TPainterKind::EmbeddedScrollbars},
    {"container", std::nullopt, false, TPainterKind::Children},
    {"groupbox", xcGroupBox, false, TPainterKind::GroupBox},
    {"advpagecontrol", xcTab, false, TPainterKind::AdvPage},
    {"radiogroup", xcGroupBox, false, TPainterKind::RadioGroup},
    {"checkgroup", xcPanel, false, TPainterKind::CheckGroup},
    {"checkbox", xcCheckBox, false, TPainterKind::CheckBox},
};

using C = const TControl&;
using N = const std::string&;

// The built-in rules in their order.
const TBuiltInRule kBuiltInRules[] = {
    {"1", [](C c, N) { return is<TPageControl>(c); }, xcTab, true, TPainterKind::PageControl},
    {"2", [](C c, N) { return !is<TForm>(c) && GetObjProp<TMainMenu>(&c, "Menu") != nullptr; }, std::nullopt, false,
     TPainterKind::MenuItems},
    {"3", [](C, N n) { return named(n, {"TCOOLBAR", "TCONTROLBAR"}); }, xcToolbar, false, TPainterKind::Bands},
    {"4", [](C, N n) { return n == "TTABSET"; }, xcTab, true, TPainterKind::Tab31},
    {"5", [](C c, N) { return is<TTabSheet>(c); }, xcTab, true, TPainterKind::TabSheet},
    {"6", [](C, N n) { return n == "TTABBEDNOTEBOOK"; }, xcTab, true, TPainterKind::Tab},
    {"7", [](C, N n) { return n == "TMVCPANEL"; }, std::nullopt, false, TPainterKind::Children},
    {"8", [](C, N n) { return n == "TTABCONTROL"; }, xcTab, true, TPainterKind::TabControl},
    {"9", [](C, N n) { return n == "THEADERCONTROL"; }, xcPanel, false, TPainterKind::Header},
    {"10", [](C c, N) { return is<TCheckBox>(c); }, xcCheckBox, false, TPainterKind::CheckBox},
    {"11", [](C c, N) { return is<TTrackBar>(c); }, xcTrackBar, false, TPainterKind::TrackBar},
    {"12", [](C, N n) { return named(n, {"TUPDOWN", "TSPINBUTTON"}); }, xcSpin, false, TPainterKind::UpDown},
    {"13", [](C, N n) { return n == "TMEDIAPLAYER"; }, xcButton, false, TPainterKind::MediaPlayer},
    {"14", [](C, N n) { return n == "TRADIOGROUP"; }, xcRadioButton, false, TPainterKind::RadioGroup},
    {"15", [](C, N n) { return n == "TDBNAVIGATOR"; }, xcPanel, false, TPainterKind::Navigator},
    {"16", [](C, N n) { return named(n, {"TRZDBCHECKBOX", "TRZCHECKBOX"}); }, xcCheckBox, false,
     TPainterKind::ObjImageCheck},
    {"17", [](C, N n) { return named(n, {"TRZRADIOBUTTON", "TRZDBRADIOBUTTON"}); }, xcRadioButton, false,
     TPainterKind::ObjImageRadio},
    {"18", [](C, N n) { return named(n, {"TCXDBCHECKBOX", "TCXCHECKBOX"}); }, xcCheckBox, false,
     TPainterKind::ObjImageCx},
    {"19", [](C c, N) { return is<TGroupBox>(c); }, xcPanel, false, TPainterKind::ChildrenThenGroupBox},
    {"20", [](C c, N) { return is<TRadioButton>(c); }, xcRadioButton, false, TPainterKind::RadioButton},
    {"21", [](C, N n) { return n == "TTOOLBAR"; }, xcToolbar, false, TPainterKind::ToolBar},
    {"22", [](C c, N) { return is<TStatusBar>(c); }, xcStatusBar, false, TPainterKind::StatusBar},
    {"23", [](C c, N) { return is<TProgressBar>(c); }, xcProgress, false, TPainterKind::Progress},
    {"24", [](C c, N) { return is<TScrollBar>(c); }, xcScrollbar, false, TPainterKind::ScrollControl},
    {"25", [](C, N n) { return n == "TTNTCOMBOBOX"; }, xcCombo, false, TPainterKind::ComboBox},
    {"26", [](C c, N) { return is<TComboBox>(c); }, xcCombo, false, TPainterKind::ComboBox},
    // A memo is a scrollable control (below), not an edit box.
    {"27a", [](C c, N) { return is<TDateTimePicker>(c); }, xcEdit, false, TPainterKind::DateTime},
    {"27b", [](C c, N) { return is<TCustomEdit>(c) && !is<TMemo>(c); }, xcEdit, false, TPainterKind::Edit},
    {"28", [](C, N n) { return n == "TRICHEDIT"; }, xcScrollbar, false, TPainterKind::Scrollbar},
    {"29", [](C, N n) { return named(n, {"TWWDBRICHEDIT", "TDXDBMEMO"}); }, xcScrollbar, false,
     TPainterKind::Scrollbar},
    {"30", [](C c, N) { return is<TBitBtn>(c); }, xcBitBtn, false, TPainterKind::BitButton},
    {"31", [](C c, N) { return is<TSpeedButton>(c); }, xcSpeedButton, false, TPainterKind::SpeedButton},
    {"32", [](C c, N) { return is<TPanel>(c); }, xcPanel, false, TPainterKind::ChildrenThenBox},
    {"33", [](C, N n) { return named(n, {"TDXTREELIST", "TDXDBTREELIST", "TDXDBGRID"}); }, xcScrollbar, false,
     TPainterKind::Scrollbar},
    {"34", [](C c, N) { return is<TListView>(c); }, xcScrollbar, false, TPainterKind::ListView},
    {"35", [](C c, N) { return is<TMemo>(c) || is<TListBox>(c); }, xcScrollbar, false, TPainterKind::Scrollbar},
    {"36", [](C c, N) { return is<TTreeView>(c); }, xcScrollbar, false, TPainterKind::Scrollbar},
    {"37", [](C c, N) { return isScrollingStyle(c); }, xcScrollbar, false, TPainterKind::Scrollbar},
    {"38", [](C c, N) { return is<TButton>(c); }, xcButton, false, TPainterKind::Button},
    {"39", [](C c, N) { return is<TCustomEdit>(c); }, xcEdit, false, TPainterKind::Edit},
    {"40a", [](C c, N n) { return named(n, {"TDCEDIT", "TDCDBEDIT"}) && GetIntProp(&c, "NumButtons") == 1; }, xcCombo,
     false, TPainterKind::DcEditCombo},
    {"40b", [](C c, N n) { return named(n, {"TDCEDIT", "TDCDBEDIT"}) && GetIntProp(&c, "NumButtons") == 0; }, xcEdit,
     false, TPainterKind::DcEditPlain},
    {"41", [](C c, N) { return !is<TForm>(c) && windowedWithChildren(c); }, std::nullopt, false,
     TPainterKind::Components},
    {"42", [](C c, N) { return isEmbeddedForm(c); }, std::nullopt, false, TPainterKind::EmbeddedForm},
};

bool offers(const TDispatchSkin& skin, const std::optional<TSkinControlType>& member, bool needsTab) {
  if (member && !InSet(skin.Members, *member)) return false;
  return !needsTab || skin.HasTabElement;
}

}  // namespace

const char* PainterKindName(TPainterKind kind) {
  static const char* const names[] = {
      "None",          "Children",       "Components",       "Button",         "BitButton",
      "PngBitButton",  "MenuButton",     "PngSpeedButton",   "SpeedButton",    "CheckBox",
      "RadioButton",   "GroupBox",       "ChildrenThenGroupBox", "RadioGroup", "CheckGroup",
      "TransparentPanel", "ChildrenThenBox", "Navigator",   "ObjImageCheck",  "ObjImageRadio",
      "ObjImageCx",    "Edit",           "DcEditCombo",      "DcEditPlain",    "ComboBox",
      "ComboBoxEx",    "DateTime",       "UpDown",           "TransparentTrackBar", "TrackBar",
      "MediaPlayer",   "PageControl",    "TabControl",       "Tab",            "Tab31",
      "TabSheet",      "AdvPage",        "Header",           "MenuItems",      "Bands",
      "ToolBar",       "StatusBar",      "Progress",         "Scrollbar",      "ScrollbarThenChildren",
      "SingleScrollbar", "EmbeddedScrollbars", "ScrollControl", "ListView",    "EmbeddedForm",
      "ButtonByStyle", "ComboBoxExChild", "Sizer",           "Dialog",         "PanelWindow",
      "SilentPanel",   "BoxH",
  };
  static_assert(std::size(names) == static_cast<std::size_t>(TPainterKind::BoxH) + 1, "a name for every kind");
  return names[static_cast<std::size_t>(kind)];
}

const TClassMapKind* FindClassMapKind(const std::string& kind) {
  for (const TClassMapKind& row : kClassMapKinds)
    if (kind == row.Name) return &row;
  return nullptr;
}

const TBuiltInRule* MatchBuiltInRule(const TControl& control, const std::string& upperClass, const TDispatchSkin& skin) {
  for (const TBuiltInRule& rule : kBuiltInRules)
    if (offers(skin, rule.Member, rule.NeedsTabElement) && rule.Matches(control, upperClass)) return &rule;
  return nullptr;
}

TPainterKind WindowPainterKind(const std::string& lowerClass, LONG_PTR style, bool hasChild, const TDispatchSkin& skin) {
  const auto has = [&](TSkinControlType member) { return InSet(skin.Members, member); };
  if (lowerClass == "button") {
    const LONG_PTR type = style & 0xF;
    if (type == BS_OWNERDRAW || type == BS_GROUPBOX || (style & 0x80)) return TPainterKind::None;
    if ((type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || type == BS_USERBUTTON) && has(xcButton))
      return TPainterKind::Button;
    if ((type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON) && has(xcRadioButton)) return TPainterKind::RadioButton;
    if ((type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE || type == BS_AUTO3STATE) &&
        has(xcCheckBox))
      return TPainterKind::CheckBox;
    return TPainterKind::None;
  }
  struct Row {
    const char* Class;
    std::optional<TSkinControlType> Member;
    bool (*Condition)(LONG_PTR style, bool hasChild);
    TPainterKind Painter;
  };
  static const Row rows[] = {
      {"combobox", xcCombo, [](LONG_PTR s, bool) { return (s & 3) != CBS_SIMPLE; }, TPainterKind::ComboBox},
      {"comboboxex32", xcCombo, [](LONG_PTR, bool child) { return child; }, TPainterKind::ComboBoxExChild},
      // Only a real size grip: a working scroll bar is not the sizer's.
      {"scrollbar", std::nullopt, [](LONG_PTR s, bool) { return (s & 0x10000) == 0 && (s & SBS_SIZEGRIP) != 0; },
       TPainterKind::Sizer},
      {"systreeview32", std::nullopt, nullptr, TPainterKind::None},
      {"#32770", std::nullopt, [](LONG_PTR s, bool) { return (s & 0x10000) == 0; }, TPainterKind::Dialog},
      {"tpanel", std::nullopt, nullptr, TPainterKind::PanelWindow},
      {"ttntpanel.unicodeclass", std::nullopt, nullptr, TPainterKind::PanelWindow},
      {"ttntsilentpaintpanel.unicodeclass", std::nullopt, nullptr, TPainterKind::PanelWindow},
      {"tcheckbox", xcCheckBox, nullptr, TPainterKind::CheckBox},
      {"tcombobox", xcCombo, nullptr, TPainterKind::ComboBox},
      {"tbutton", xcButton, nullptr, TPainterKind::Button},
      {"tprogressbar", std::nullopt, nullptr, TPainterKind::Progress},
      {"tsilentpaintpanel", std::nullopt, nullptr, TPainterKind::SilentPanel},
      {"systabcontrol32", xcTab, [](LONG_PTR s, bool) { return (s & 0x2000) == 0; }, TPainterKind::Tab},
      {"toolbarwindow32", std::nullopt, nullptr, TPainterKind::BoxH},
      {"edit", xcEdit, nullptr, TPainterKind::Edit},
  };
  for (const Row& row : rows) {
    if (lowerClass != row.Class) continue;
    if (row.Member && !has(*row.Member)) return TPainterKind::None;
    if (row.Condition && !row.Condition(style, hasChild)) return TPainterKind::None;
    return row.Painter;
  }
  return TPainterKind::None;
}

}  // namespace velmora
