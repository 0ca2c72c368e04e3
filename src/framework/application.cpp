// The application object and its error box.
#include "framework/application.h"

#include <stdexcept>

#include "framework/form.h"
#include "framework/hidden_window.h"

namespace velmora {

TApplication Application;

std::string ErrorBoxText(const std::string& message) {
  if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') return message + ".";
  return message;
}

HWND TApplication::DialogOwner() const {
  HWND active = GetActiveWindow();
  if (active) return active;
  return FMainWindow && IsWindowVisible(FMainWindow) ? FMainWindow : nullptr;
}

void TApplication::ShowException(const std::exception& error) {
  const std::string text = ErrorBoxText(error.what());
  ::MessageBoxA(DialogOwner(), text.c_str(), FTitle.c_str(), MB_OK | MB_ICONSTOP);
}

void TApplication::HandleException() {
  try {
    throw;
  } catch (const std::exception& error) {
    ShowException(error);
  } catch (...) {
    ShowException(std::runtime_error("Unknown error"));
  }
}

int TApplication::ShowMessageBox(const std::string& text, const std::string& caption, UINT flags) {
  const std::string& title = caption.empty() ? FTitle : caption;
  return ::MessageBoxA(DialogOwner(), text.c_str(), title.c_str(), flags);
}

HWND TApplication::Handle() {
  if (FHandle && IsWindow(FHandle)) return FHandle;
  // Owned by a hidden window of its own, so that no taskbar shows it.
  HWND owner = MakeHiddenWindow("VelmoraApplication", DefWindowProcA, nullptr, WS_EX_TOOLWINDOW);
  FHandle = MakeHiddenWindow("VelmoraApplication", DefWindowProcA, owner, WS_EX_TOOLWINDOW, FTitle.c_str());
  ShowWindow(FHandle, SW_SHOWNOACTIVATE);
  return FHandle;
}

void TApplication::FormDestroyed(TForm* form) {
  if (FMainForm != form) return;
  FMainForm = nullptr;
  FMainWindow = nullptr;
}

void TApplication::Minimize() {
  if (FMainForm) FMainForm->SetWindowState(TWindowState::wsMinimized);
}

void TApplication::Terminate() {
  FTerminated = true;
  PostQuitMessage(0);
}

bool TApplication::handleMessage(MSG& msg) {
  if (msg.message == WM_QUIT) {
    FTerminated = true;
    return false;
  }
  HWND active = GetActiveWindow();
  TForm* form = dynamic_cast<TForm*>(TWinControl::FromHandle(active));
  if (form && form->IsDialogKeyMessage(msg)) return true;
  TranslateMessage(&msg);
  DispatchMessageA(&msg);
  return true;
}

void TApplication::ProcessMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (!handleMessage(msg)) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
  }
}

void TApplication::SetMainForm(TForm& form) {
  FMainForm = &form;
  FMainWindow = form.Handle();
}

int TApplication::Run(TForm& form) {
  SetMainForm(form);
  Handle();
  if (FShowMainForm) {
    if (form.WindowState() == TWindowState::wsMinimized) {
      form.SetVisible(true);  // shown minimized: the tray icon may take it away
    } else {
      form.Show();
    }
  }
  MSG msg;
  int code = 0;
  while (!FTerminated) {
    const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got <= 0) {
      code = got == 0 ? static_cast<int>(msg.wParam) : 1;
      break;
    }
    handleMessage(msg);
  }
  FTerminated = true;
  return code;
}

}  // namespace velmora
