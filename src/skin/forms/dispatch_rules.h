// The tables that decide which painter a control or a bare window gets: the kinds the
// skin's class map ("Skin3rd") may name, the built-in rules for framework controls in
// their order (first match wins), and the window-class table for windows without a
// framework control. Deciding is kept apart from attaching, so the tables can be read
// and tested without making a single window.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "framework/control.h"
#include "skin/data/skin_options.h"

namespace velmora {

// What a matching row does to a control or window. Most kinds name one painter; a few
// name a step (the children only) or a choice the painter makes from the control.
enum class TPainterKind {
  None,            // left as it is
  Children,        // only the child controls go through the dispatch
  Components,      // only the owned components go through the dispatch
  Button,
  BitButton,
  PngBitButton,
  MenuButton,      // a drop-down button: the menu-button painter, then the glyph button's
  PngSpeedButton,
  SpeedButton,
  CheckBox,
  RadioButton,
  GroupBox,        // the group box painter, recolouring
  ChildrenThenGroupBox,
  RadioGroup,      // every child a radio painter (or an image painter), then the group box's
  CheckGroup,      // every child a check painter (or an image painter), then the group box's
  TransparentPanel,  // "Transparent" set, then the box painter, recolouring
  ChildrenThenBox,
  Navigator,       // the box painter, recolouring, then every child
  ObjImageCheck,   // the image painter of kind 1, 2 and 3
  ObjImageRadio,
  ObjImageCx,
  Edit,
  DcEditCombo,     // an edit with a drop-down button
  DcEditPlain,     // an edit without one: the edit painter on its window
  ComboBox,
  ComboBoxEx,
  DateTime,
  UpDown,
  TransparentTrackBar,
  TrackBar,
  MediaPlayer,
  PageControl,     // tabs, button-style tabs or page mode, by the control's style
  TabControl,      // "Style" "tsTabs" gives tabs, any other button-style tabs
  Tab,
  Tab31,
  TabSheet,
  AdvPage,
  Header,
  MenuItems,       // the control's menu items get skinned item drawing
  Bands,           // every band takes the button face colour
  ToolBar,
  StatusBar,
  Progress,
  Scrollbar,
  ScrollbarThenChildren,
  SingleScrollbar,
  EmbeddedScrollbars,
  ScrollControl,
  ListView,
  EmbeddedForm,    // the box painter, then its components
  // Bare windows.
  ButtonByStyle,
  ComboBoxExChild,  // the combo box painter on the extended combo's child window
  Sizer,
  Dialog,          // its children by window class, then the box painter
  PanelWindow,     // its children by window class; the framework control takes the button face
  SilentPanel,     // the framework control takes the button face
  BoxH,
};

const char* PainterKindName(TPainterKind kind);

// A kind of the class map. Without a member the kind needs none.
struct TClassMapKind {
  const char* Name;
  std::optional<TSkinControlType> Member;
  bool NeedsTabElement;
  TPainterKind Painter;
};

// The kind named by a class map row's text after "=" (lower-cased), or none when the
// name is not a kind ("nil" and unknown names leave the control alone).
const TClassMapKind* FindClassMapKind(const std::string& kind);

// One built-in rule. `Matches` sees the control and its upper-cased class name.
struct TBuiltInRule {
  const char* Number;  // "27a": the row's place in the order
  bool (*Matches)(const TControl& control, const std::string& upperClass);
  std::optional<TSkinControlType> Member;
  bool NeedsTabElement;
  TPainterKind Painter;
};

// What the skin offers the rules: the kinds of controls it skins and whether it has
// a tab element.
struct TDispatchSkin {
  TSkinControlTypes Members;
  bool HasTabElement;
};

// The first built-in rule that matches the control with the skin's members present,
// or none.
const TBuiltInRule* MatchBuiltInRule(const TControl& control, const std::string& upperClass, const TDispatchSkin& skin);

// A bare window's painter kind from its lower-cased class name, style and whether it
// has a child window.
TPainterKind WindowPainterKind(const std::string& lowerClass, LONG_PTR style, bool hasChild, const TDispatchSkin& skin);

}  // namespace velmora
