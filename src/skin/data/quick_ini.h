// The skin's definition text in memory: ini-style sections and keys, looked up without
// regard to case, never written. Every missing section or key, empty value or
// unreadable number gives the caller's default. Portable.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

class TQuickIni {
 public:
  // Replaces the contents with `text` (single-byte characters).
  void LoadFromText(std::string_view text);
  void LoadFromStream(std::span<const std::uint8_t> bytes) {
    LoadFromText({reinterpret_cast<const char*>(bytes.data()), bytes.size()});
  }

  std::string ReadString(const std::string& section, const std::string& key, const std::string& def) const;
  std::int32_t ReadInteger(const std::string& section, const std::string& key, std::int32_t def) const;
  // Section names in text order, without brackets, trimmed (duplicates included).
  std::vector<std::string> ReadSections() const;

 private:
  struct TLine {
    std::string Text;   // trimmed
    std::string Key;    // before the first "=", trimmed, lower-cased; empty without "="
    std::string Value;  // after it, trimmed
    bool Header = false;
  };
  struct TSection {
    std::string Header;  // with its brackets
    std::size_t Line;    // index of the header in FLines
  };
  std::vector<TLine> FLines;
  std::vector<TSection> FSections;
};

// The colour text form: up to three runs of decimal digits, separated by anything
// else, read as red, green and blue; the lowest 8 bits of each; missing ones are 0.
// Red is the low byte of the result.
std::uint32_t ParseColorText(std::string_view text);

}  // namespace velmora
