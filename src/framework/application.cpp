// The application object and its error box.
#include "framework/application.h"

#include <algorithm>
#include <stdexcept>

#include "framework/form.h"
#include "framework/hidden_window.h"
#include "framework/menus.h"

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

namespace {

// The application's own window owns the pop-up menus: the menu being tracked hears of
// its menu messages.
LRESULT CALLBACK applicationWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  return MenuOwnerWindowProc(window, msg, wParam, lParam);
}

}  // namespace

HWND TApplication::Handle() {
  if (FHandle && IsWindow(FHandle)) return FHandle;
  // Owned by a hidden window of its own, so that no taskbar shows it.
  // Its class is named after the framework class, as the skin manager recognises it.
  HWND owner = MakeHiddenWindow("TApplicationOwner", DefWindowProcA, nullptr, WS_EX_TOOLWINDOW);
  FHandle = MakeHiddenWindow("TApplication", applicationWindowProc, owner, WS_EX_TOOLWINDOW, FTitle.c_str());
  ShowWindow(FHandle, SW_SHOWNOACTIVATE);
  return FHandle;
}

void TApplication::FormDestroyed(TForm* form) {
  if (FMainForm != form) return;
  FMainWindowHook.Detach();
  FMainForm = nullptr;
  FMainWindow = nullptr;
}

int TApplication::HookMainWindow(TWindowHook hook) {
  FHooks.emplace_back(++FLastHook, std::make_shared<TWindowHook>(std::move(hook)));
  return FLastHook;
}

void TApplication::UnhookMainWindow(int hook) {
  std::erase_if(FHooks, [hook](const auto& entry) { return entry.first == hook; });
}

// Every hook sees the message in turn (a hook taken out by an earlier one is skipped),
// then it goes on to the window's own handling unless a hook kept it.
LRESULT TApplication::mainWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam, const TSubclassNext& next) {
  TMessage message{msg, wParam, lParam, 0};
  const auto hooks = FHooks;
  for (const auto& [number, hook] : hooks) {
    const bool present = std::any_of(FHooks.begin(), FHooks.end(), [n = number](const auto& e) { return e.first == n; });
    if (present && (*hook)(message)) return message.Result;
  }
  return next(msg, wParam, lParam);
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
  if (form && form->IsDialogCharMessage(msg)) return true;
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
  HWND window = form.Handle();
  if (window != FMainWindow || !FMainWindowHook.Attached())
    FMainWindowHook.Attach(window, [this](UINT msg, WPARAM wParam, LPARAM lParam, const TSubclassNext& next) {
      return mainWindowMessage(msg, wParam, lParam, next);
    });
  FMainWindow = window;
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
