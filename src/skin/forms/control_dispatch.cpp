// Painter dispatch.
#include "skin/forms/control_dispatch.h"

#include <algorithm>
#include <cctype>

#include "framework/common_controls.h"
#include "framework/form.h"
#include "framework/std_controls.h"
#include "framework/win_control.h"
#include "skin/controls/button_painters.h"
#include "skin/controls/check_painters.h"
#include "skin/controls/edit_painters.h"
#include "skin/controls/painter_messages.h"
#include "skin/controls/skin_property.h"

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
    const std::string lower = LowerText(row);
    if (lower.rfind(prefix, 0) != 0) continue;
    applyKind(lower.substr(prefix.size(), 50), control);
    return;
  }
  // 6. Never skinned.
  if (upperClass == "TDBCOMBOBOXEH" || upperClass == "TFRDESIGNERPAGE" || upperClass == "TFRPBOX") return;
  // 7. The built-in rules.
  applyBuiltIn(control, upperClass);
}

void TControlDispatch::applyKind(const std::string& kind, TControl& control) {
  auto* windowed = dynamic_cast<TWinControl*>(&control);
  if (kind == "edit" && has(xcEdit)) {
    if (windowed && TSkinEdit::HasBorder(windowed->Handle())) attach<TSkinEdit>(control);
  } else if (kind == "radiobutton" && has(xcRadioButton)) {
    attach<TSkinRadioButton>(control);
  } else if (kind == "panel" && has(xcPanel)) {
    SetPropText(&control, "Transparent", "True");
    attach<TSkinBox>(control, true);
  } else if (kind == "button" && has(xcButton)) {
    attach<TSkinButton>(control);
  } else if (kind == "bitbtn" && has(xcButton)) {
    attach<TSkinBitButton>(control);
  } else if (kind == "menubtn" && has(xcButton)) {
    attach<TSkinMenuButton>(control);
  } else if (kind == "speedbutton" && has(xcSpeedButton)) {
    auto* painter = new TSkinSpeedButton(&control);
    painter->AttachSpeedButton(&FPainters, &FData);
  } else if (kind == "container" && windowed) {
    SkinChildren(*windowed);
  } else if (kind == "groupbox" && has(xcGroupBox)) {
    attach<TSkinGroupBox>(control, true);
  } else if (kind == "radiogroup" && has(xcGroupBox)) {
    if (windowed && has(xcRadioButton))
      for (TControl* child : windowed->Controls()) attach<TSkinRadioButton>(*child);
    attach<TSkinGroupBox>(control, true);
  } else if (kind == "checkgroup" && has(xcPanel)) {
    if (windowed && has(xcRadioButton))
      for (TControl* child : windowed->Controls()) attach<TSkinCheckBox>(*child);
    if (has(xcGroupBox)) attach<TSkinGroupBox>(control, true);
  } else if (kind == "checkbox" && has(xcCheckBox)) {
    attach<TSkinCheckBox>(control);
  }
  // Every other kind ("nil", and kinds whose painters come later) leaves the control
  // as it is; the built-in rules are not tried.
}

void TControlDispatch::applyBuiltIn(TControl& control, const std::string& upperClass) {
  auto* windowed = dynamic_cast<TWinControl*>(&control);
  if (is<TCheckBox>(control)) {
    if (has(xcCheckBox)) attach<TSkinCheckBox>(control);
    return;
  }
  if (is<TGroupBox>(control)) {
    if (!has(xcPanel)) return;
    SkinChildren(*windowed);
    attach<TSkinGroupBox>(control, true);
    return;
  }
  if (is<TRadioButton>(control)) {
    if (has(xcRadioButton)) attach<TSkinRadioButton>(control);
    return;
  }
  if (is<TBitBtn>(control)) {
    if (has(xcBitBtn)) attach<TSkinBitButton>(control);
    return;
  }
  if (is<TSpeedButton>(control)) {
    if (has(xcSpeedButton)) {
      auto* painter = new TSkinSpeedButton(&control);
      painter->AttachSpeedButton(&FPainters, &FData);
    }
    return;
  }
  if (is<TPanel>(control)) {
    if (!has(xcPanel)) return;
    SkinChildren(*windowed);
    attach<TSkinBox>(control, true);
    return;
  }
  if (is<TButton>(control)) {
    if (has(xcButton)) attach<TSkinButton>(control);
    return;
  }
  // Edits with a border (memos keep theirs until the scroll bar painters come).
  if (is<TCustomEdit>(control) && !is<TMemo>(control)) {
    if (has(xcEdit) && TSkinEdit::HasBorder(windowed->Handle())) attach<TSkinEdit>(control);
    return;
  }
  // Tab sheets, tab controls, edits, combo boxes, up-downs, lists and bars get their
  // painters with the controls that come later; until then they keep their own look.
  (void)upperClass;
  if (windowed && !is<TForm>(control) && !windowed->Controls().empty() && !is<TCustomEdit>(control))
    SkinChildren(*windowed);
}

void TControlDispatch::SkinChildWindows(HWND window) {
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (GetWindowLongPtrA(child, GWL_STYLE) & WS_CHILD) SkinWindow(child);
}

void TControlDispatch::SkinWindow(HWND window) {
  if (!window || PainterOf(window)) return;
  const std::string cls = windowClass(window);
  const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
  if (cls == "button") {
    const LONG_PTR type = style & 0xF;
    if (type == BS_OWNERDRAW || type == BS_GROUPBOX || (style & 0x80)) return;
    if ((type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || type == BS_USERBUTTON) && has(xcButton))
      attachWindow<TSkinButton>(window);
    else if ((type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON) && has(xcRadioButton))
      attachWindow<TSkinRadioButton>(window);
    else if ((type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE || type == BS_AUTO3STATE) &&
             has(xcCheckBox))
      attachWindow<TSkinCheckBox>(window);
  } else if (cls == "#32770") {
    if (style & WS_TABSTOP) return;  // 0x10000: a dialog used as a control
    SkinChildWindows(window);
    attachWindow<TSkinBoxH>(window);
  } else if (cls == "tpanel") {
    SkinChildWindows(window);
  } else if (cls == "tcheckbox") {
    if (has(xcCheckBox)) attachWindow<TSkinCheckBox>(window);
  } else if (cls == "tbutton") {
    if (has(xcButton)) attachWindow<TSkinButton>(window);
  } else if (cls == "edit") {
    if (has(xcEdit) && TSkinEdit::HasBorder(window)) attachWindow<TSkinEdit>(window);
  } else if (cls == "toolbarwindow32") {
    attachWindow<TSkinBoxH>(window);
  }
  // Combo boxes, scroll bars, tabs, progress bars and edits get their painters with the
  // controls that come later.
}

}  // namespace velmora
