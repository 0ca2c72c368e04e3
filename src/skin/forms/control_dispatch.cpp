// Painter dispatch.
#include "skin/forms/control_dispatch.h"

#include <commctrl.h>

#include "skin/forms/dispatch_rules.h"

#include <algorithm>
#include <cctype>

#include "framework/common_controls.h"
#include "framework/form.h"
#include "framework/std_controls.h"
#include "framework/win_control.h"
#include "skin/controls/button_painters.h"
#include "skin/controls/check_painters.h"
#include "skin/controls/combo_painters.h"
#include "skin/controls/datetime_painter.h"
#include "skin/controls/edit_painters.h"
#include "skin/controls/media_player_painter.h"
#include "skin/controls/painter_messages.h"
#include "skin/controls/header_painter.h"
#include "skin/controls/progress_painter.h"
#include "skin/controls/property_painters.h"
#include "skin/controls/scrollbar_painters.h"
#include "skin/controls/sizer_painter.h"
#include "skin/controls/statusbar_painter.h"
#include "skin/controls/tab_painters.h"
#include "skin/controls/trackbar_painter.h"
#include "skin/controls/updown_painter.h"
#include "skin/controls/skin_property.h"
#include "skin/data/skin_platform.h"

namespace velmora {
namespace {

std::string upper(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::toupper(c); });
  return text;
}

std::string windowClass(HWND window) {
  char name[128] = {};
  GetClassNameA(window, name, sizeof name);
  return LowerText(name);
}

template <class T>
bool is(const TControl& control) {
  return dynamic_cast<const T*>(&control) != nullptr;
}

}  // namespace

TSkinControl* TControlDispatch::PainterOf(const TControl& control) const {
  for (TSkinControl* painter : FPainters.Painters())
    if (painter->Owner() == &control && painter->Status() != psWindowDestroyed) return painter;
  for (TComponent* owned : control.Components())
    if (auto* painter = dynamic_cast<TSkinControl*>(owned)) return painter;
  return nullptr;
}

TSkinControl* TControlDispatch::PainterOf(HWND window) const {
  for (TSkinControl* painter : FPainters.Painters())
    if (painter->Handle() == window && painter->Status() != psWindowDestroyed) return painter;
  return nullptr;
}

template <class Painter>
Painter* TControlDispatch::attach(TControl& control, bool changeColor) {
  auto* painter = new Painter(&control);
  painter->AttachControl(&FPainters, &FData, changeColor);
  return painter;
}

template <class Painter>
void TControlDispatch::attachScrollbars(TControl& control, bool withoutBorder) {
  auto* painter = new Painter(&control);
  if (withoutBorder) painter->BackgroundMode = 1;
  painter->AttachScrollbars(&FPainters, &FData);
}

template <class Painter>
void TControlDispatch::attachWindow(HWND window) {
  auto* painter = new Painter(FFormSkin);
  painter->AttachHandle(window, &FData, &FPainters);
}

void TControlDispatch::SkinFormControls(TWinControl& form) {
  for (TComponent* component : std::vector<TComponent*>(form.Components()))
    if (auto* control = dynamic_cast<TControl*>(component)) SkinControl(*control, &form);
  for (TWinControl* control : form.TabList()) {
    if (!control->HandleAllocated() || control->Tag() == FData.DisableTag()) continue;
    if (SendMessageA(control->Handle(), WM_SKINQUERY, 0, 0) == 1 || PainterOf(*control)) continue;
    SkinControl(*control, &form);
  }
}

void TControlDispatch::SkinChildren(TWinControl& control) {
  for (TControl* child : std::vector<TControl*>(control.Controls())) SkinControl(*child, &control);
}

void TControlDispatch::SkinComponents(TComponent& component) {
  for (TComponent* owned : std::vector<TComponent*>(component.Components()))
    if (auto* control = dynamic_cast<TControl*>(owned)) SkinControl(*control, dynamic_cast<TWinControl*>(&component));
}

void TControlDispatch::SkinControl(TControl& control, TWinControl* parent) {
  auto* windowed = dynamic_cast<TWinControl*>(&control);
  // 1. The disable tag; a radio or check group passes it on to its children.
  if (control.Tag() == FData.DisableTag()) {
    const std::string cls = LowerText(control.ClassName());
    if (windowed && (cls.find("radiogroup") != std::string::npos || cls.find("checkgroup") != std::string::npos))
      for (TControl* child : windowed->Controls()) child->SetTag(FData.DisableTag());
    return;
  }
  // 2. No parent, already skinned, or a painter of its own.
  if (!control.Parent() || PainterOf(control)) return;
  if (windowed && windowed->HandleAllocated() && SendMessageA(windowed->Handle(), WM_SKINQUERY, 0, 0) == 1) return;
  // 3. The class name; the window made.
  const std::string upperClass = upper(control.ClassName());
  if (windowed) {
    try {
      windowed->HandleNeeded();
    } catch (const std::exception&) {
    }
  }
  // 4. The application's say.
  if (FData.OnSkinControl) {
    TComponent* result = nullptr;
    TSkinControlEvent event = FData.OnSkinControl;
    event(FFormSkin, &FData, parent, &control, upperClass, result);
    if (result) {
      if (auto* painter = dynamic_cast<TSkinControl*>(result)) {
        FPainters.Add(painter);
        painter->AttachControl(&FPainters, &FData, false);
        if (is<TPanel>(control) && windowed) SkinChildren(*windowed);
      }
      return;
    }
  }
  // 5. The class map: a matching row decides, applied or not.
  const std::string prefix = LowerText(control.ClassName()) + "=";
  for (const std::string& row : FData.Skin3rd()) {
    if (!StartsText(row, prefix)) continue;
    applyClassMapRow(LowerText(row), prefix.size(), control);
    return;
  }
  // 6. Never skinned.
  if (upperClass == "TDBCOMBOBOXEH" || upperClass == "TFRDESIGNERPAGE" || upperClass == "TFRPBOX") return;
  // 7. The built-in rules.
  if (const TBuiltInRule* rule = MatchBuiltInRule(control, upperClass, skinOffer())) apply(rule->Painter, control);
}

TDispatchSkin TControlDispatch::skinOffer() const {
  return {FData.SkinControls(), FData.Records.Tabs != nullptr};
}

void TControlDispatch::applyClassMapRow(const std::string& lowerRow, std::size_t kindStart, TControl& control) {
  const TClassMapKind* kind = FindClassMapKind(lowerRow.substr(kindStart, 50));
  if (!kind) return;  // "nil", or a kind this engine does not know
  const TDispatchSkin offer = skinOffer();
  if (kind->Member && !InSet(offer.Members, *kind->Member)) return;
  if (kind->NeedsTabElement && !offer.HasTabElement) return;
  // A drop-down button of that family gets the menu button's arrow first.
  if (kind->Painter == TPainterKind::BitButton && lowerRow.rfind("tcxbutton=", 0) == 0 &&
      GetEnumText(&control, "Kind") == "cxbkDropDownButton")
    attach<TSkinMenuButton>(control);
  apply(kind->Painter, control);
}

void TControlDispatch::apply(TPainterKind kind, TControl& control) {
  auto* windowed = dynamic_cast<TWinControl*>(&control);
  const std::string lowerClass = LowerText(control.ClassName());
  switch (kind) {
    case TPainterKind::Children:
      if (windowed) SkinChildren(*windowed);
      break;
    case TPainterKind::Components:
      SkinComponents(control);
      break;
    case TPainterKind::Button:
      attach<TSkinButton>(control);
      break;
    case TPainterKind::BitButton:
      attach<TSkinBitButton>(control);
      break;
    case TPainterKind::PngBitButton:
      attach<TSkinBitButton>(control)->ImagePropertyName = "PngImage";
      break;
    case TPainterKind::MenuButton:
      attach<TSkinMenuButton>(control);
      break;
    case TPainterKind::SpeedButton:
    case TPainterKind::PngSpeedButton: {
      auto* painter = new TSkinSpeedButton(&control);
      if (kind == TPainterKind::PngSpeedButton) painter->ImagePropertyName = "PngImage";
      painter->AttachSpeedButton(&FPainters, &FData);
      break;
    }
    case TPainterKind::CheckBox:
      attach<TSkinCheckBox>(control);
      break;
    case TPainterKind::RadioButton:
      attach<TSkinRadioButton>(control);
      break;
    // Group boxes and panels take the skin's face colour, so they sit on the skinned
    // form without a grey patch.
    case TPainterKind::GroupBox:
      attach<TSkinGroupBox>(control, true);
      break;
    case TPainterKind::ChildrenThenGroupBox:
      if (windowed) SkinChildren(*windowed);
      attach<TSkinGroupBox>(control, true);
      break;
    // Children of a "TRZ" group draw their own glyphs: they are handed the skin's.
    case TPainterKind::RadioGroup:
      if (windowed && has(xcRadioButton))
        for (TControl* child : std::vector<TControl*>(windowed->Controls())) {
          if (lowerClass.find("trz") != std::string::npos)
            attachImages(*child, 2);
          else
            attachIfFree<TSkinRadioButton>(*child);
        }
      attach<TSkinGroupBox>(control, true);
      break;
    case TPainterKind::CheckGroup:
      if (windowed && has(xcRadioButton))
        for (TControl* child : std::vector<TControl*>(windowed->Controls())) {
          if (lowerClass.find("trz") != std::string::npos)
            attachImages(*child, 1);
          else
            attachIfFree<TSkinCheckBox>(*child);
        }
      if (has(xcGroupBox)) attach<TSkinGroupBox>(control, true);
      break;
    case TPainterKind::ObjImageCheck:
      attachImages(control, 1);
      break;
    case TPainterKind::ObjImageRadio:
      attachImages(control, 2);
      break;
    case TPainterKind::ObjImageCx:
      attachImages(control, 3);
      break;
    case TPainterKind::AdvPage: {
      auto* painter = new TSkinAdvPage(&control);
      painter->Style = 4;  // its tab backgrounds are skinned
      painter->AttachControl(&FPainters, &FData, false);
      break;
    }
    case TPainterKind::TransparentPanel:
      SetPropText(&control, "Transparent", "True");
      attach<TSkinBox>(control, true);
      break;
    case TPainterKind::ChildrenThenBox:
      if (windowed) SkinChildren(*windowed);
      attach<TSkinBox>(control, true);
      break;
    case TPainterKind::Navigator:
      attach<TSkinBox>(control, true);
      if (windowed) SkinChildren(*windowed);
      break;
    case TPainterKind::Edit:
      if (windowed && TSkinEdit::HasBorder(windowed->Handle())) attach<TSkinEdit>(control);
      break;
    case TPainterKind::DcEditPlain:
      if (windowed) attachWindow<TSkinEdit>(windowed->Handle());
      break;
    case TPainterKind::ComboBox:
    case TPainterKind::DcEditCombo:
      attach<TSkinComBox>(control);
      break;
    case TPainterKind::DateTime:
      attach<TSkinDateTime>(control);
      break;
    case TPainterKind::ComboBoxEx: {
      auto* painter = new TSkinComBox(&control);
      painter->Extended = true;
      painter->AttachControl(&FPainters, &FData, false);
      break;
    }
    case TPainterKind::Progress:
      attach<TSkinProgress>(control);
      break;
    case TPainterKind::PageControl:
    case TPainterKind::TabControl:
      // Button-style tabs are drawn as buttons, without a page body.
      if (windowed && (GetWindowLongPtrA(windowed->Handle(), GWL_STYLE) & TCS_BUTTONS))
        attach<TSkinTabBtn>(control);
      else
        attach<TSkinTab>(control);
      break;
    case TPainterKind::Tab:
      attach<TSkinTab>(control);
      break;
    case TPainterKind::MediaPlayer:
      attach<TSkinMP>(control);
      break;
    case TPainterKind::Tab31:
      attach<TSkinTab31>(control);
      break;
    case TPainterKind::TabSheet:
      attach<TSkinTabSheet>(control, true);
      break;
    case TPainterKind::StatusBar:
      attach<TSkinStatusBar>(control);
      break;
    case TPainterKind::TransparentTrackBar:
      SetPropText(&control, "Transparent", "True");
      attach<TSkinTrackBar>(control);
      break;
    case TPainterKind::TrackBar:
      attach<TSkinTrackBar>(control);
      break;
    case TPainterKind::UpDown:
      attach<TSkinUpDown>(control);
      break;
    case TPainterKind::Header:
      attach<TSkinHeader>(control);
      break;
    case TPainterKind::Scrollbar:
      attachScrollbars<TSkinScrollbar>(control, false);
      break;
    case TPainterKind::ScrollbarThenChildren:
      attachScrollbars<TSkinScrollbar>(control, false);
      if (windowed) SkinChildren(*windowed);
      break;
    case TPainterKind::SingleScrollbar:
      attachScrollbars<TSkinScrollbar>(control, true);
      break;
    case TPainterKind::ScrollControl:
      if (is<TScrollBar>(control)) (new TSkinScControl(&control))->AttachScrollControl(&FPainters, &FData);
      break;
    case TPainterKind::EmbeddedScrollbars:
      // Each embedded scroll bar control gets its overlay, each scrollable child its bars.
      if (windowed)
        for (TControl* child : std::vector<TControl*>(windowed->Controls())) {
          if (PainterOf(*child) || !dynamic_cast<TWinControl*>(child)) continue;
          if (is<TScrollBar>(*child))
            (new TSkinScControl(child))->AttachScrollControl(&FPainters, &FData);
          else
            attachScrollbars<TSkinScrollbar>(*child, false);
        }
      break;
    case TPainterKind::ListView:
      attachScrollbars<TSkinListView>(control, false);
      break;
    case TPainterKind::EmbeddedForm:
      attach<TSkinBox>(control, true);
      SkinComponents(control);
      break;
    default:
      // Kinds whose painters this engine does not have yet: the control keeps its own look.
      break;
  }
}

void TControlDispatch::attachImages(TControl& control, int mode) {
  if (PainterOf(control) || !dynamic_cast<TWinControl*>(&control)) return;
  (new TSkinObjImage(&control, mode))->AttachControl(&FPainters, &FData, true);
}

template <class Painter>
void TControlDispatch::attachIfFree(TControl& control) {
  if (!PainterOf(control)) attach<Painter>(control);
}

void TControlDispatch::ReplaceScrollPainter(HWND served) {
  TSkinScrollbar* old = nullptr;
  for (TSkinControl* painter : FPainters.Painters())
    if (painter->Handle() == served) old = dynamic_cast<TSkinScrollbar*>(painter);
  if (!old || !old->Control()) return;
  TControl& control = *old->Control();
  const bool withoutBorder = old->BackgroundMode == 1;
  const bool listView = dynamic_cast<TSkinListView*>(old) != nullptr;
  const bool scrollControl = dynamic_cast<TSkinScControl*>(old) != nullptr;
  FPainters.Remove(old);
  if (old->Status() != psWindowDestroyed) old->Unskin();
  delete old;  // a posted message: none of its messages is running
  auto* windowed = dynamic_cast<TWinControl*>(&control);
  if (!windowed || !windowed->HandleAllocated()) return;
  if (scrollControl)
    (new TSkinScControl(&control))->AttachScrollControl(&FPainters, &FData);
  else if (listView)
    attachScrollbars<TSkinListView>(control, withoutBorder);
  else
    attachScrollbars<TSkinScrollbar>(control, withoutBorder);
}

void TControlDispatch::SkinChildWindows(HWND window) {
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (GetWindowLongPtrA(child, GWL_STYLE) & WS_CHILD) SkinWindow(child);
}

void TControlDispatch::SkinWindow(HWND window) {
  if (!window || PainterOf(window)) return;
  const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
  const TPainterKind kind = WindowPainterKind(windowClass(window), style, GetWindow(window, GW_CHILD) != nullptr, skinOffer());
  switch (kind) {
    case TPainterKind::Button:
      attachWindow<TSkinButton>(window);
      break;
    case TPainterKind::RadioButton:
      attachWindow<TSkinRadioButton>(window);
      break;
    case TPainterKind::CheckBox:
      attachWindow<TSkinCheckBox>(window);
      break;
    case TPainterKind::Edit:
      if (TSkinEdit::HasBorder(window)) attachWindow<TSkinEdit>(window);
      break;
    case TPainterKind::Dialog:
      SkinChildWindows(window);
      attachWindow<TSkinBoxH>(window);
      break;
    case TPainterKind::PanelWindow:
      SkinChildWindows(window);
      takeButtonFace(window);
      break;
    case TPainterKind::SilentPanel:
      takeButtonFace(window);
      break;
    case TPainterKind::BoxH:
      attachWindow<TSkinBoxH>(window);
      break;
    case TPainterKind::ComboBox:
      attachWindow<TSkinComBox>(window);
      break;
    case TPainterKind::ComboBoxExChild:
      // The extended combo's own combo box is the one drawn.
      if (const HWND combo = GetWindow(window, GW_CHILD); combo && !PainterOf(combo)) attachWindow<TSkinComBox>(combo);
      break;
    case TPainterKind::Progress:
      attachWindow<TSkinProgress>(window);
      break;
    case TPainterKind::Sizer:
      attachWindow<TSkinSizer>(window);
      break;
    case TPainterKind::Tab:
      attachWindow<TSkinTab>(window);
      break;
    default:
      // Combo boxes and tabs get their painters with the controls that come later.
      break;
  }
}

void TControlDispatch::takeButtonFace(HWND window) {
  if (auto* control = dynamic_cast<TControl*>(FindControlObject(window)))
    control->SetColor(FData.Colors.Colors[scButtonFace]);
}

}  // namespace velmora
