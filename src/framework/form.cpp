// Forms.
#include "framework/form.h"

#include "framework/accelerator.h"
#include "framework/application.h"
#include "framework/exception.h"
#include "framework/form_loader.h"
#include "framework/framework_messages.h"
#include "framework/icons.h"
#include "framework/std_controls.h"
#include "framework/mask_edit.h"
#include "framework/menus.h"
#include "framework/screen.h"
#include "framework/timer.h"

namespace velmora {

const TClassInfo& TForm::StaticClassInfo() {
  static const TClassInfo info{
      "TForm",
      &TWinControl::StaticClassInfo(),
      {
          props::Enumeration<TForm, TWindowState>("WindowState", {"wsNormal", "wsMinimized", "wsMaximized"},
                                                  &TForm::WindowState, &TForm::SetWindowState),
          props::Enumeration<TForm, TPosition>("Position", {"poDesigned", "poDefault", "poScreenCenter"},
                                               &TForm::Position, &TForm::SetPosition),
          props::Enumeration<TForm, TFormBorderStyle>(
              "BorderStyle", {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"},
              &TForm::BorderStyle, &TForm::SetBorderStyle),
          props::Set<TForm, unsigned>("BorderIcons", {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"},
                                      &TForm::BorderIcons, &TForm::SetBorderIcons),
          props::Integer<TForm, int>("ClientWidth", &TForm::ClientWidthProp, &TForm::SetClientWidth),
          props::Integer<TForm, int>("ClientHeight", &TForm::ClientHeightProp, &TForm::SetClientHeight),
          props::Boolean<TForm>("AutoScroll", &TForm::AutoScroll, &TForm::SetAutoScroll),
          props::Object<TForm, TComponent>("Menu", &TForm::Menu, &TForm::SetMenu),
          props::Event<TForm>("OnCreate", &TForm::OnCreate),
          props::Event<TForm>("OnDestroy", &TForm::OnDestroy),
          props::Event<TForm>("OnShow", &TForm::OnShow),
          props::Event<TForm>("OnClose", &TForm::OnClose),
      },
      {}};
  return info;
}

TForm::TForm(TComponent* owner) : TWinControl(owner) {
  FVisible = false;
  FWidth = 320;
  FHeight = 240;
  Screen.AddForm(this);
}

TForm::~TForm() {
  Screen.RemoveForm(this);
  Destroying();
  if (OnDestroy) {
    try {
      OnDestroy(this);
    } catch (...) {
      Application.HandleException();
    }
  }
  DestroyComponents();
  Application.FormDestroyed(this);
}

void TForm::LoadFromDefinition(std::string_view text) {
  RegisterStandardControls();
  RegisterComponentClass(TTimer::StaticClassInfo());
  RegisterComponentClass(TMaskEdit::StaticClassInfo());
  RegisterComponentClass(TPopupMenu::StaticClassInfo());
  RegisterComponentClass(TMenuItem::StaticClassInfo());
  RegisterComponentClass(TImageList::StaticClassInfo());
  ReadFormDefinition(*this, text);
}

void TForm::RegisterMethod(const std::string& name, std::any handler) {
  FMethods[name] = std::move(handler);
}

const std::any* TForm::FindMethod(const std::string& name) const {
  for (const auto& [key, handler] : FMethods)
    if (SameText(key, name)) return &handler;
  return nullptr;
}

void TForm::Loaded() {
  TWinControl::Loaded();
  DoCreate();
}

// An error in OnCreate is shown, and the form lives on.
void TForm::DoCreate() {
  if (!OnCreate) return;
  try {
    OnCreate(this);
  } catch (...) {
    Application.HandleException();
  }
}

void TForm::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.Style = WS_CLIPCHILDREN | WS_CAPTION;
  params.ExStyle = WS_EX_CONTROLPARENT;
  switch (FBorderStyle) {
    case TFormBorderStyle::bsNone: params.Style = WS_POPUP | WS_CLIPCHILDREN; break;
    case TFormBorderStyle::bsSingle:
    case TFormBorderStyle::bsToolWindow: params.Style |= WS_BORDER; break;
    case TFormBorderStyle::bsSizeable:
    case TFormBorderStyle::bsSizeToolWin: params.Style |= WS_THICKFRAME; break;
    case TFormBorderStyle::bsDialog: params.Style |= WS_DLGFRAME; params.ExStyle |= WS_EX_DLGMODALFRAME; break;
  }
  if (FBorderStyle == TFormBorderStyle::bsToolWindow || FBorderStyle == TFormBorderStyle::bsSizeToolWin)
    params.ExStyle |= WS_EX_TOOLWINDOW;
  if (FBorderIcons & biSystemMenu) {
    params.Style |= WS_SYSMENU;
    if (FBorderStyle != TFormBorderStyle::bsDialog) {
      if (FBorderIcons & biMinimize) params.Style |= WS_MINIMIZEBOX;
      if (FBorderIcons & biMaximize) params.Style |= WS_MAXIMIZEBOX;
    }
  }
  if (!FEnabled) params.Style |= WS_DISABLED;
  params.WndParent = nullptr;
  params.Id = nullptr;
}

void TForm::SetClientWidth(int width) {
  if (!FHandle) {
    FWantedClientWidth = width;
    return;
  }
  SetBounds(FLeft, FTop, FWidth - ClientWidth() + width, FHeight);
}

void TForm::SetClientHeight(int height) {
  if (!FHandle) {
    FWantedClientHeight = height;
    return;
  }
  SetBounds(FLeft, FTop, FWidth, FHeight - ClientHeight() + height);
}

TWindowState TForm::WindowState() const {
  if (FHandle && FVisible) {
    if (IsIconic(FHandle)) return TWindowState::wsMinimized;
    if (IsZoomed(FHandle)) return TWindowState::wsMaximized;
    return TWindowState::wsNormal;
  }
  return FWindowState;
}

void TForm::SetWindowState(TWindowState state) {
  FWindowState = state;
  if (!FHandle || !FVisible) return;
  const int show[] = {SW_RESTORE, SW_MINIMIZE, SW_MAXIMIZE};
  ShowWindow(FHandle, show[static_cast<int>(state)]);
}

void TForm::centerOnScreen() {
  RECT work{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  SetBounds(work.left + (work.right - work.left - FWidth) / 2,
            work.top + (work.bottom - work.top - FHeight) / 2, FWidth, FHeight);
}

void TForm::Show() {
  SetVisible(true);
  BringToFront();
}

void TForm::Hide() { SetVisible(false); }

void TForm::BringToFront() {
  if (FHandle && FVisible) SetForegroundWindow(FHandle);
}

void TForm::VisibleChanged() {
  HWND window = Handle();
  if (!FVisible) {
    ShowWindow(window, SW_HIDE);
    return;
  }
  if (!FShownOnce) {
    FShownOnce = true;
    if (FWantedClientWidth >= 0) SetClientWidth(FWantedClientWidth);
    if (FWantedClientHeight >= 0) SetClientHeight(FWantedClientHeight);
    if (FPosition == TPosition::poScreenCenter) centerOnScreen();
  }
  const int show[] = {SW_SHOWNORMAL, SW_SHOWMINIMIZED, SW_SHOWMAXIMIZED};
  ShowWindow(window, show[static_cast<int>(FWindowState)]);
  if (OnShow) OnShow(this);
}

void TForm::Close() {
  TCloseAction action = TCloseAction::caHide;
  if (OnClose) OnClose(this, action);
  if (action == TCloseAction::caNone) return;
  // Closing the main form ends the program, whatever the handler chose.
  if (FHandle && Application.MainWindow() == FHandle) {
    PostQuitMessage(0);
    return;
  }
  if (action == TCloseAction::caMinimize)
    SetWindowState(TWindowState::wsMinimized);
  else
    Hide();
}

TButton* TForm::DefaultButton() const {
  for (TComponent* c : Components())
    if (auto* button = dynamic_cast<TButton*>(c); button && button->Default()) return button;
  return nullptr;
}

bool TForm::IsDialogCharMessage(const MSG& msg) {
  if (msg.message != WM_SYSCHAR || msg.wParam == ' ' || !FHandle || !IsWindowVisible(FHandle)) return false;
  if (msg.hwnd != FHandle && !IsChild(FHandle, msg.hwnd)) return false;
  return SendMessageA(FHandle, CM_DIALOGCHAR, msg.wParam, msg.lParam) != 0;
}

namespace {

// A visible, enabled button or label of `form` whose caption has the accelerator `key`.
bool hasMnemonicControl(HWND form, unsigned key) {
  struct Search {
    unsigned Key;
    bool Found = false;
  } search{key};
  EnumChildWindows(
      form,
      [](HWND child, LPARAM data) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(data);
        // The dialog manager's own test: what the control says it is.
        const auto code = SendMessageA(child, WM_GETDLGCODE, 0, 0);
        const bool button = code & (DLGC_BUTTON | DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON | DLGC_RADIOBUTTON);
        const bool label = (code & DLGC_STATIC) && !(GetWindowLongPtrA(child, GWL_STYLE) & SS_NOPREFIX);
        if (!button && !label) return TRUE;
        if (!IsWindowVisible(child) || !IsWindowEnabled(child)) return TRUE;
        char text[256] = {};
        GetWindowTextA(child, text, sizeof text);
        s.Found = IsAccel(s.Key, text);
        return !s.Found;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.Found;
}

}  // namespace

bool TForm::IsDialogKeyMessage(MSG& msg) {
  return FHandle && IsWindowVisible(FHandle) && (msg.hwnd == FHandle || IsChild(FHandle, msg.hwnd)) &&
         IsDialogMessageA(FHandle, &msg);
}

void TForm::WndProc(TMessage& message) {
  switch (message.Msg) {
    case DM_GETDEFID: {
      TButton* button = DefaultButton();
      if (button && button->WindowHandle() && button->Enabled() && button->Visible()) {
        message.Result = MAKELRESULT(GetDlgCtrlID(button->WindowHandle()), DC_HASDEFID);
        return;
      }
      message.Result = 0;
      return;
    }
    case WM_COMMAND:
      // Enter and Esc from the dialog manager name a control by id.
      if (!message.LParam) return;
      break;
    case WM_CLOSE:
      Close();
      return;
    case CM_DIALOGCHAR:
      // Alt with a control's accelerator goes to the dialog manager, which presses or
      // focuses that control; other letters are left to the form's menu bar.
      message.Result = 0;
      if (hasMnemonicControl(FHandle, static_cast<unsigned>(message.WParam))) {
        MSG key{GetFocus() ? GetFocus() : FHandle, WM_SYSCHAR, message.WParam, message.LParam, 0, {}};
        IsDialogMessageA(FHandle, &key);
        message.Result = 1;
      }
      return;
    case WM_ACTIVATE:
      // Like a dialog: the control that had the focus gets it back on activation.
      if (LOWORD(message.WParam) != WA_INACTIVE && FLastFocus && IsWindow(FLastFocus) && IsChild(FHandle, FLastFocus) &&
                 IsWindowEnabled(FLastFocus) && IsWindowVisible(FLastFocus)) {
        ::SetFocus(FLastFocus);
        message.Result = 0;
        return;
      }
      break;
    default:
      break;
  }
  TWinControl::WndProc(message);
}

}  // namespace velmora
