// The application object and its error box.
#include "framework/application.h"

#include <stdexcept>

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

}  // namespace velmora
