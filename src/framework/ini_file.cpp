// Profile file access.
#include "framework/ini_file.h"

#include <windows.h>

#include "framework/exception.h"
#include "framework/profile_integer.h"

namespace velmora {

std::string TIniFile::ReadString(const std::string& section, const std::string& ident,
                                 const std::string& def) const {
  char buffer[2048];
  DWORD n = GetPrivateProfileStringA(section.c_str(), ident.c_str(), def.c_str(), buffer,
                                     sizeof(buffer), FFileName.c_str());
  return std::string(buffer, n);
}

std::int32_t TIniFile::ReadInteger(const std::string& section, const std::string& ident,
                                   std::int32_t def) const {
  return ProfileIntegerOr(ReadString(section, ident, ""), def);
}

bool TIniFile::ReadBool(const std::string& section, const std::string& ident, bool def) const {
  return ReadInteger(section, ident, def ? 1 : 0) != 0;
}

void TIniFile::WriteString(const std::string& section, const std::string& ident,
                           const std::string& value) {
  if (!WritePrivateProfileStringA(section.c_str(), ident.c_str(), value.c_str(), FFileName.c_str()))
    throw EIniFileException(FormatText("Unable to write to %s", {FFileName}));
}

void TIniFile::WriteInteger(const std::string& section, const std::string& ident,
                            std::int32_t value) {
  WriteString(section, ident, std::to_string(value));
}

void TIniFile::WriteBool(const std::string& section, const std::string& ident, bool value) {
  WriteString(section, ident, value ? "1" : "0");
}

}  // namespace velmora
