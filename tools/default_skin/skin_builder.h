// Collects the default skin while its element families are drawn: the definition
// text's sections and keys in order, and the bitmaps by file name; then writes them.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "../raster.h"

namespace velmora::tools {

class TSkinBuilder {
 public:
  // `title` opens the definition text's header comment ("Velmora's default skin").
  explicit TSkinBuilder(std::string title) : FTitle(std::move(title)) {}

  // Adds a key to a section (the section is created at its first key, in that order).
  TSkinBuilder& Key(const std::string& section, const std::string& key, const std::string& value);
  TSkinBuilder& Key(const std::string& section, const std::string& key, int value);
  TSkinBuilder& Colour(const std::string& section, const std::string& key, TColor value);
  // A comment line above the section's first key.
  TSkinBuilder& Note(const std::string& section, const std::string& text);
  // Stores a bitmap under `file` (lower-case, ending in ".bmp") and names it in the
  // section's `key`.
  TSkinBuilder& Image(const std::string& section, const std::string& key, const std::string& file,
                      const TRaster& picture);

  std::string DefinitionText() const;
  const std::map<std::string, TRaster>& Images() const { return FImages; }
  // Writes the definition text as `iniName` and every bitmap into `dir`.
  void Write(const std::filesystem::path& dir, const std::string& iniName) const;

 private:
  struct TSection {
    std::string Name;
    std::vector<std::string> Notes;
    std::vector<std::pair<std::string, std::string>> Keys;
  };
  TSection& section(const std::string& name);
  std::string FTitle;
  std::vector<TSection> FSections;
  std::map<std::string, TRaster> FImages;
};

// Writes bytes to a file, throwing std::runtime_error when it cannot.
void WriteBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);

}  // namespace velmora::tools
