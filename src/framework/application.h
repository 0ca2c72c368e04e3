// The application object: its title, its main window, and the default error box that
// shows every error raised while a user action or message is being handled.
#pragma once

#include <windows.h>

#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/window_subclass.h"

namespace velmora {

// The text the error box shows for `message`: a period is appended when the last
// character sorts after "." (so "Disk full" gets one, "保存失败!" does not).
std::string ErrorBoxText(const std::string& message);

class TForm;
struct TMessage;

// A hook on the application's window: sees a message before its normal handling and
// answers true to keep it from going on (the message's Result is then the answer).
using TWindowHook = std::function<bool(TMessage& message)>;

class TApplication {
 public:
  const std::string& Title() const { return FTitle; }
  void SetTitle(std::string title) { FTitle = std::move(title); }

  HWND MainWindow() const { return FMainWindow; }
  void SetMainWindow(HWND window) { FMainWindow = window; }
  TForm* MainForm() const { return FMainForm; }
  // The main form's window is also the application's window: the hooks below see its
  // messages from here on.
  void SetMainForm(TForm& form);

  // Hooks on the application's window, called in the order they were added. A hook may
  // be added before there is a main window; it sees messages once there is one.
  // Returns the hook's number for UnhookMainWindow.
  int HookMainWindow(TWindowHook hook);
  void UnhookMainWindow(int hook);

  // The application's own window: visible but of zero size and without a taskbar
  // entry. A pop-up menu of a program whose main window is hidden needs a visible
  // window of the program to be the foreground window and own the menu.
  HWND Handle();

  // Makes `form` the main form and runs the message loop until the program ends; keys
  // go to the dialog manager of the active form first. A main form whose state is
  // minimized is minimized instead of shown (a tray icon may then hide it), unless
  // ShowMainForm was turned off, which keeps it hidden.
  int Run(TForm& form);
  bool ShowMainForm() const { return FShowMainForm; }
  void SetShowMainForm(bool v) { FShowMainForm = v; }
  void Minimize();
  // Handles every message waiting in the queue.
  void ProcessMessages();
  bool Terminated() const { return FTerminated; }
  void Terminate();
  // A form is going: the application forgets it if it was the main form.
  void FormDestroyed(TForm* form);

  // Stop icon, one OK button, titled with the application title.
  void ShowException(const std::exception& error);
  // For a catch (...) block: shows the exception being handled.
  void HandleException();

  // The application's modal message box (one OK button unless `flags` say otherwise).
  int ShowMessageBox(const std::string& text, const std::string& caption = {},
                 UINT flags = MB_OK);

 private:
  HWND DialogOwner() const;

  bool handleMessage(MSG& msg);
  LRESULT mainWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam, const TSubclassNext& next);

  std::string FTitle;
  HWND FMainWindow = nullptr;
  TForm* FMainForm = nullptr;
  HWND FHandle = nullptr;
  bool FShowMainForm = true;
  bool FTerminated = false;
  std::vector<std::pair<int, std::shared_ptr<TWindowHook>>> FHooks;
  int FLastHook = 0;
  TWindowSubclass FMainWindowHook;
};

// The one application object of the process.
extern TApplication Application;

}  // namespace velmora
