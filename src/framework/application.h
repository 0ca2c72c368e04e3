// The application object: its title, its main window, and the default error box that
// shows every error raised while a user action or message is being handled.
#pragma once

#include <windows.h>

#include <exception>
#include <string>

namespace velmora {

// The text the error box shows for `message`: a period is appended when the last
// character sorts after "." (so "Disk full" gets one, "保存失败!" does not).
std::string ErrorBoxText(const std::string& message);

class TApplication {
 public:
  const std::string& Title() const { return FTitle; }
  void SetTitle(std::string title) { FTitle = std::move(title); }

  HWND MainWindow() const { return FMainWindow; }
  void SetMainWindow(HWND window) { FMainWindow = window; }

  // Stop icon, one OK button, titled with the application title.
  void ShowException(const std::exception& error);
  // For a catch (...) block: shows the exception being handled.
  void HandleException();

  // The application's modal message box (one OK button unless `flags` say otherwise).
  int ShowMessageBox(const std::string& text, const std::string& caption = {},
                 UINT flags = MB_OK);

 private:
  HWND DialogOwner() const;

  std::string FTitle;
  HWND FMainWindow = nullptr;
};

// The one application object of the process.
extern TApplication Application;

}  // namespace velmora
