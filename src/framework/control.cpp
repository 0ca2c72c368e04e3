// Controls.
#include "framework/control.h"

#include <utility>

#include "framework/win_control.h"

namespace velmora {

COLORREF ColorToRGB(COLORREF color) {
  return (color & clSystemColor) ? GetSysColor(static_cast<int>(color & 0xFF)) : color;
}

const TClassInfo& TControl::StaticClassInfo() {
  static const TClassInfo info{
      "TControl",
      &TComponent::StaticClassInfo(),
      {
          props::Integer<TControl, int>("Left", &TControl::Left, &TControl::SetLeft),
          props::Integer<TControl, int>("Top", &TControl::Top, &TControl::SetTop),
          props::Integer<TControl, int>("Width", &TControl::Width, &TControl::SetWidth),
          props::Integer<TControl, int>("Height", &TControl::Height, &TControl::SetHeight),
          props::String<TControl>("Caption", &TControl::Caption, &TControl::SetCaption),
          props::String<TControl>("Text", &TControl::Text, &TControl::SetTextProp),
          props::Boolean<TControl>("Enabled", &TControl::Enabled, &TControl::SetEnabled),
          props::Boolean<TControl>("Visible", &TControl::Visible, &TControl::SetVisible),
          props::Integer<TControl, COLORREF>("Color", &TControl::Color, &TControl::SetColor),
          props::Boolean<TControl>("ParentColor", &TControl::ParentColor, &TControl::SetParentColor),
          props::Object<TControl, TFont>("Font", &TControl::Font, &TControl::SetFont),
          props::Boolean<TControl>("ParentFont", &TControl::ParentFont, &TControl::SetParentFont),
          props::String<TControl>("Hint", &TControl::Hint, &TControl::SetHint),
          props::Event<TControl>("OnClick", &TControl::OnClick),
          props::Event<TControl>("OnDblClick", &TControl::OnDblClick),
      },
      {}};
  return info;
}

TControl::TControl(TComponent* owner) : TComponent(owner), FFont(std::make_unique<TFont>()) {
  WindowProc = [this](TMessage& m) { WndProc(m); };
  FFont->OnChange = [this] {
    FParentFont = false;
    FontChanged();
  };
}

TControl::~TControl() {
  if (FParent) FParent->RemoveControl(this);
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == FParent) return;
  if (FParent) FParent->RemoveControl(this);
  if (parent) parent->InsertControl(this);
}

void TControl::SetBounds(int left, int top, int width, int height) {
  if (left == FLeft && top == FTop && width == FWidth && height == FHeight) return;
  Invalidate();
  FLeft = left;
  FTop = top;
  FWidth = width;
  FHeight = height;
  BoundsChanged();
  Invalidate();
}

void TControl::SetText(const std::string& text) {
  if (text == FText) return;
  FText = text;
  TextChanged();
}

void TControl::SetEnabled(bool enabled) {
  if (enabled == FEnabled) return;
  FEnabled = enabled;
  EnabledChanged();
}

void TControl::SetVisible(bool visible) {
  if (visible == FVisible) return;
  FVisible = visible;
  VisibleChanged();
}

void TControl::VisibleChanged() {
  if (FParent && FParent->WindowHandle()) {
    const RECT r = BoundsRect();
    InvalidateRect(FParent->WindowHandle(), &r, TRUE);
  }
}

bool TControl::Showing() const {
  if (!FVisible) return false;
  if (FParent) return FParent->Showing();
  auto* self = dynamic_cast<const TWinControl*>(this);
  return self && self->WindowHandle() && IsWindowVisible(self->WindowHandle());
}

void TControl::SetColor(COLORREF color) {
  FParentColor = false;
  if (color == FColor) return;
  FColor = color;
  ColorChanged();
}

void TControl::SetParentColor(bool v) {
  FParentColor = v;
  if (v && FParent) ParentColorChanged();
}

void TControl::SetFont(TFont* font) {
  if (font && font != FFont.get()) FFont->Assign(*font);
}

void TControl::SetParentFont(bool v) {
  FParentFont = v;
  if (v && FParent) ParentFontChanged();
}

void TControl::ParentFontChanged() {
  if (!FParentFont || !FParent) return;
  auto keep = std::move(FFont->OnChange);
  FFont->Assign(*FParent->Font());
  FFont->OnChange = std::move(keep);
  FontChanged();
}

void TControl::ParentColorChanged() {
  if (!FParentColor || !FParent) return;
  if (FColor != FParent->Color()) {
    FColor = FParent->Color();
    ColorChanged();
  }
}

void TControl::FontChanged() { Invalidate(); }

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage message{msg, wParam, lParam, 0};
  WindowProc(message);
  return message.Result;
}

void TControl::WndProc(TMessage& message) { DefaultHandler(message); }

void TControl::Click() {
  if (OnClick) OnClick(this);
}

void TControl::DblClick() {
  if (OnDblClick) OnDblClick(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

TShiftState ShiftStateFromKeys(WPARAM keys) {
  TShiftState shift = 0;
  if (keys & MK_SHIFT) shift |= ssShift;
  if (keys & MK_CONTROL) shift |= ssCtrl;
  if (keys & MK_LBUTTON) shift |= ssLeft;
  if (keys & MK_RBUTTON) shift |= ssRight;
  if (keys & MK_MBUTTON) shift |= ssMiddle;
  if (GetKeyState(VK_MENU) < 0) shift |= ssAlt;
  return shift;
}

namespace {

// The button and point of a button-down message, for MouseDown.
bool mouseDownOf(const TMessage& message, TMouseButton& button) {
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      button = TMouseButton::mbLeft;
      return true;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
      button = TMouseButton::mbRight;
      return true;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
      button = TMouseButton::mbMiddle;
      return true;
    default:
      return false;
  }
}

}  // namespace

void RaiseMouseDown(TControl& control, const TMessage& message) {
  TMouseButton button;
  if (!mouseDownOf(message, button)) return;
  control.MouseDown(button, ShiftStateFromKeys(message.WParam), static_cast<short>(LOWORD(message.LParam)),
                    static_cast<short>(HIWORD(message.LParam)));
}

void TControl::Invalidate() {}

const TClassInfo& TGraphicControl::StaticClassInfo() {
  static const TClassInfo info{"TGraphicControl", &TControl::StaticClassInfo(), {}, {}};
  return info;
}

void TGraphicControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
      if (HDC dc = reinterpret_cast<HDC>(message.WParam)) {
        // PaintOn draws in the parent's coordinates.
        SavedDC saved(dc);
        OffsetViewportOrgEx(dc, -FLeft, -FTop, nullptr);
        PaintOn(dc);
      }
      return;
    case WM_LBUTTONDOWN:
      FMousePressed = true;
      RaiseMouseDown(*this, message);
      return;
    case WM_LBUTTONDBLCLK:
      RaiseMouseDown(*this, message);
      DblClick();
      return;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
      RaiseMouseDown(*this, message);
      return;
    case WM_LBUTTONUP: {
      const bool pressed = std::exchange(FMousePressed, false);
      const POINT at{static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))};
      if (pressed && FEnabled && at.x >= 0 && at.y >= 0 && at.x < FWidth && at.y < FHeight) Click();
      return;
    }
    default:
      TControl::WndProc(message);
  }
}

void TGraphicControl::Invalidate() {
  if (FParent && FParent->WindowHandle()) {
    const RECT r = BoundsRect();
    InvalidateRect(FParent->WindowHandle(), &r, TRUE);
  }
}

}  // namespace velmora
