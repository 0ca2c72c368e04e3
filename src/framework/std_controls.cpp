// The standard controls.
#include "framework/std_controls.h"

#include "framework/gdi_object.h"

namespace velmora {

template <class T>
TComponent* makeControl(TComponent* owner) {
  return new T(owner);
}

// ---- buttons -------------------------------------------------------------------

TButtonControl::TButtonControl(TComponent* owner) : TWinControl(owner) { FTabStop = true; }

const TClassInfo& TButtonControl::StaticClassInfo() {
  static const TClassInfo info{"TButtonControl", &TWinControl::StaticClassInfo(), {}, {}};
  return info;
}

void TButtonControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_COMMAND:
      if (HIWORD(message.WParam) == BN_CLICKED) Click();
      return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      TWinControl::WndProc(message);
      // The press took the focus unless the control that had it refused to let go;
      // then the press is undone and its release swallowed, so nothing is clicked.
      if (FHandle && GetFocus() != FHandle) {
        FPressRefused = true;
        SendMessageA(FHandle, BM_SETSTATE, FALSE, 0);
        if (GetCapture() == FHandle) ReleaseCapture();
      }
      return;
    case WM_LBUTTONUP:
      if (FPressRefused) {
        FPressRefused = false;
        if (GetCapture() == FHandle) ReleaseCapture();
        return;
      }
      TWinControl::WndProc(message);
      return;
    default:
      TWinControl::WndProc(message);
  }
}

TButton::TButton(TComponent* owner) : TButtonControl(owner) {
  FWidth = 75;
  FHeight = 25;
}

const TClassInfo& TButton::StaticClassInfo() {
  static const TClassInfo info{
      "TButton",
      &TButtonControl::StaticClassInfo(),
      {props::Boolean<TButton>("Default", &TButton::Default, &TButton::SetDefault)},
      makeControl<TButton>};
  return info;
}

void TButton::SetDefault(bool v) {
  FDefault = v;
  if (FHandle) SendMessageA(FHandle, BM_SETSTYLE, v ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void TButton::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.BaseClassName = "BUTTON";
  params.Style |= FDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

// ---- check box -----------------------------------------------------------------

TCheckBox::TCheckBox(TComponent* owner) : TButtonControl(owner) {
  FWidth = 97;
  FHeight = 17;
}

const TClassInfo& TCheckBox::StaticClassInfo() {
  static const TClassInfo info{
      "TCheckBox",
      &TButtonControl::StaticClassInfo(),
      {
          props::Boolean<TCheckBox>("Checked", &TCheckBox::Checked, &TCheckBox::SetChecked),
          props::Enumeration<TCheckBox, TCheckBoxState>("State", {"cbUnchecked", "cbChecked", "cbGrayed"},
                                                        &TCheckBox::State, &TCheckBox::SetState),
      },
      makeControl<TCheckBox>};
  return info;
}

TCheckBoxState TCheckBox::State() const {
  if (!FHandle) return FState;
  switch (SendMessageA(FHandle, BM_GETCHECK, 0, 0)) {
    case BST_CHECKED: return TCheckBoxState::cbChecked;
    case BST_INDETERMINATE: return TCheckBoxState::cbGrayed;
    default: return TCheckBoxState::cbUnchecked;
  }
}

void TCheckBox::SetState(TCheckBoxState state) {
  FState = state;
  if (!FHandle) return;
  // Only a three-state box keeps the grey state; clicks still toggle a two-state one.
  const bool grey = state == TCheckBoxState::cbGrayed;
  SendMessageA(FHandle, BM_SETSTYLE, grey ? BS_AUTO3STATE : BS_AUTOCHECKBOX, FALSE);
  SendMessageA(FHandle, BM_SETCHECK, static_cast<WPARAM>(state), 0);
}

void TCheckBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.BaseClassName = "BUTTON";
  params.Style |= FState == TCheckBoxState::cbGrayed ? BS_AUTO3STATE : BS_AUTOCHECKBOX;
}

void TCheckBox::InitializeWnd() {
  TWinControl::InitializeWnd();
  SendMessageA(FHandle, BM_SETCHECK, static_cast<WPARAM>(FState), 0);
}

void TCheckBox::WndProc(TMessage& message) {
  if (message.Msg == CN_COMMAND && HIWORD(message.WParam) == BN_CLICKED) FState = State();
  TButtonControl::WndProc(message);
}

// ---- edits ---------------------------------------------------------------------

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
  FTabStop = true;
  FColor = clWindow;
  FWidth = 121;
  FHeight = 21;
}

const TClassInfo& TCustomEdit::StaticClassInfo() {
  static const TClassInfo info{
      "TCustomEdit",
      &TWinControl::StaticClassInfo(),
      {
          props::Integer<TCustomEdit, int>("MaxLength", &TCustomEdit::MaxLength, &TCustomEdit::SetMaxLength),
          props::Enumeration<TCustomEdit, TControlBorderStyle>("BorderStyle", {"bsNone", "bsSingle"},
                                                               &TCustomEdit::BorderStyle, &TCustomEdit::SetBorderStyle),
          props::Boolean<TCustomEdit>("ReadOnly", &TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly),
          props::Integer<TCustomEdit, int>("PasswordChar", &TCustomEdit::PasswordChar,
                                           &TCustomEdit::SetPasswordChar),
          props::Event<TCustomEdit>("OnChange", &TCustomEdit::OnChange),
      },
      {}};
  return info;
}

void TCustomEdit::SetBorderStyle(TControlBorderStyle style) {
  if (style == FBorderStyle) return;
  FBorderStyle = style;
  RecreateWnd();  // the edge is a creation style
}

void TCustomEdit::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.BaseClassName = "EDIT";
  params.Style |= ES_AUTOHSCROLL | ES_LEFT;
  if (FReadOnly) params.Style |= ES_READONLY;
  if (FBorderStyle == TControlBorderStyle::bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomEdit::InitializeWnd() {
  TWinControl::InitializeWnd();
  SendMessageA(FHandle, EM_LIMITTEXT, static_cast<WPARAM>(FMaxLength), 0);
  if (FPasswordChar) SendMessageA(FHandle, EM_SETPASSWORDCHAR, static_cast<WPARAM>(FPasswordChar), 0);
}

void TCustomEdit::SetMaxLength(int n) {
  FMaxLength = n;
  if (FHandle) SendMessageA(FHandle, EM_LIMITTEXT, static_cast<WPARAM>(n), 0);
}

void TCustomEdit::SetReadOnly(bool v) {
  FReadOnly = v;
  if (FHandle) SendMessageA(FHandle, EM_SETREADONLY, v, 0);
}

void TCustomEdit::SetPasswordChar(int c) {
  FPasswordChar = c;
  if (FHandle) {
    SendMessageA(FHandle, EM_SETPASSWORDCHAR, static_cast<WPARAM>(c), 0);
    Invalidate();
  }
}

bool TCustomEdit::Modified() const { return FHandle && SendMessageA(FHandle, EM_GETMODIFY, 0, 0); }

void TCustomEdit::SetModified(bool v) {
  if (FHandle) SendMessageA(FHandle, EM_SETMODIFY, v, 0);
}

int TCustomEdit::SelStart() const {
  DWORD start = 0;
  if (FHandle) SendMessageA(FHandle, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
  return static_cast<int>(start);
}

void TCustomEdit::SetSelStart(int position) {
  if (FHandle) SendMessageA(FHandle, EM_SETSEL, static_cast<WPARAM>(position), position);
}

void TCustomEdit::SetSelLength(int length) {
  if (FHandle) {
    const int start = SelStart();
    SendMessageA(FHandle, EM_SETSEL, static_cast<WPARAM>(start), start + length);
  }
}

void TCustomEdit::Change() {
  if (OnChange) OnChange(this);
}

void TCustomEdit::WndProc(TMessage& message) {
  if (message.Msg == CN_COMMAND) {
    if (HIWORD(message.WParam) == EN_CHANGE) Change();
    return;
  }
  TWinControl::WndProc(message);
}

const TClassInfo& TEdit::StaticClassInfo() {
  static const TClassInfo info{"TEdit", &TCustomEdit::StaticClassInfo(), {}, makeControl<TEdit>};
  return info;
}

// ---- group box -----------------------------------------------------------------

TGroupBox::TGroupBox(TComponent* owner) : TWinControl(owner) {
  FWidth = 185;
  FHeight = 105;
}

const TClassInfo& TGroupBox::StaticClassInfo() {
  static const TClassInfo info{"TGroupBox", &TWinControl::StaticClassInfo(), {}, makeControl<TGroupBox>};
  return info;
}

void TGroupBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.BaseClassName = "BUTTON";
  params.Style |= BS_GROUPBOX | WS_CLIPCHILDREN;
  // The dialog manager tabs into the group's controls.
  params.ExStyle |= WS_EX_CONTROLPARENT;
}

void TGroupBox::WndProc(TMessage& message) {
  if (message.Msg == WM_ERASEBKGND) {
    RECT r;
    GetClientRect(FHandle, &r);
    GdiBrush back(CreateSolidBrush(ColorToRGB(FColor)));
    FillRect(reinterpret_cast<HDC>(message.WParam), &r, back);
    message.Result = 1;
    return;
  }
  TWinControl::WndProc(message);
}

// ---- label ---------------------------------------------------------------------

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
  FWidth = 65;
  FHeight = 13;
  FParentColor = true;
}

const TClassInfo& TLabel::StaticClassInfo() {
  static const TClassInfo info{
      "TLabel",
      &TGraphicControl::StaticClassInfo(),
      {
          props::Boolean<TLabel>("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize),
          props::Boolean<TLabel>("Transparent", &TLabel::Transparent, &TLabel::SetTransparent),
      },
      makeControl<TLabel>};
  return info;
}

void TLabel::SetAutoSize(bool v) {
  FAutoSize = v;
  adjustSize();
}

void TLabel::SetTransparent(bool v) {
  FTransparent = v;
  Invalidate();
}

void TLabel::TextChanged() {
  adjustSize();
  Invalidate();
}

void TLabel::FontChanged() {
  adjustSize();
  Invalidate();
}

void TLabel::adjustSize() {
  if (!FAutoSize || IsLoading()) return;
  WindowDC screen(nullptr);
  SelectScope font(screen, Font()->Handle());
  RECT r{0, 0, 0, 0};
  const std::string text = FText.empty() ? std::string(" ") : FText;
  DrawTextA(screen, text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_EXPANDTABS);
  SetBounds(FLeft, FTop, r.right, r.bottom);
}

void TLabel::PaintOn(HDC dc) {
  RECT r = BoundsRect();
  if (!FTransparent) {
    GdiBrush back(CreateSolidBrush(ColorToRGB(FColor)));
    FillRect(dc, &r, back);
  }
  SelectScope font(dc, Font()->Handle());
  SetBkMode(dc, TRANSPARENT);
  const UINT format = DT_LEFT | DT_EXPANDTABS | DT_NOCLIP;
  if (FEnabled) {
    SetTextColor(dc, ColorToRGB(Font()->Color()));
    DrawTextA(dc, FText.c_str(), static_cast<int>(FText.size()), &r, format);
  } else {
    // Disabled text is etched: a highlight below right, then the shadow.
    RECT shifted = r;
    OffsetRect(&shifted, 1, 1);
    SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
    DrawTextA(dc, FText.c_str(), static_cast<int>(FText.size()), &shifted, format);
    SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
    DrawTextA(dc, FText.c_str(), static_cast<int>(FText.size()), &r, format);
  }
}

void RegisterStandardControls() {
  RegisterComponentClass(TButton::StaticClassInfo());
  RegisterComponentClass(TCheckBox::StaticClassInfo());
  RegisterComponentClass(TEdit::StaticClassInfo());
  RegisterComponentClass(TGroupBox::StaticClassInfo());
  RegisterComponentClass(TLabel::StaticClassInfo());
}

}  // namespace velmora
