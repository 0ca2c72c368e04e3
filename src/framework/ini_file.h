// Profile (ini) file access through the platform's profile functions, so values read
// back exactly as Windows returns them (blanks and enclosing quotes removed).
#pragma once

#include <cstdint>
#include <string>

namespace velmora {

class TIniFile {
 public:
  explicit TIniFile(std::string fileName) : FFileName(std::move(fileName)) {}

  const std::string& FileName() const { return FFileName; }

  // At most 2,047 characters: the platform fills a 2,048-byte buffer.
  std::string ReadString(const std::string& section, const std::string& ident,
                         const std::string& def) const;
  std::int32_t ReadInteger(const std::string& section, const std::string& ident,
                           std::int32_t def) const;
  bool ReadBool(const std::string& section, const std::string& ident, bool def) const;

  // Each raises EIniFileException "Unable to write to <file>" when the platform refuses.
  void WriteString(const std::string& section, const std::string& ident, const std::string& value);
  void WriteInteger(const std::string& section, const std::string& ident, std::int32_t value);
  void WriteBool(const std::string& section, const std::string& ident, bool value);

 private:
  std::string FFileName;
};

}  // namespace velmora
