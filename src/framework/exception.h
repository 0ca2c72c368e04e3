// Errors the user must see: exceptions carrying a formatted message in the ANSI code
// page, shown by the application's error box at the window-procedure boundary.
#pragma once

#include <stdexcept>
#include <string>

namespace velmora {

class Exception : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Settings file could not be written.
class EIniFileException : public Exception {
 public:
  using Exception::Exception;
};

// A registry value could not be written.
class ERegistryException : public Exception {
 public:
  using Exception::Exception;
};

// Replaces each "%s" of `format` with the next argument, in order; "%%" is a percent.
std::string FormatText(const std::string& format, std::initializer_list<std::string> args);

}  // namespace velmora
