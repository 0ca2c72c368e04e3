// The default skin's definition text and bitmaps, collected and written.
#include "skin_builder.h"

#include <fstream>
#include <stdexcept>

#include "../bmp_writer.h"

namespace velmora::tools {

TSkinBuilder::TSection& TSkinBuilder::section(const std::string& name) {
  for (TSection& s : FSections)
    if (s.Name == name) return s;
  FSections.push_back({name, {}, {}});
  return FSections.back();
}

TSkinBuilder& TSkinBuilder::Key(const std::string& sectionName, const std::string& key, const std::string& value) {
  TSection& s = section(sectionName);
  for (const auto& [k, v] : s.Keys)
    if (k == key) throw std::logic_error("key " + key + " given twice in [" + sectionName + "]");
  s.Keys.emplace_back(key, value);
  return *this;
}

TSkinBuilder& TSkinBuilder::Key(const std::string& sectionName, const std::string& key, int value) {
  return Key(sectionName, key, std::to_string(value));
}

TSkinBuilder& TSkinBuilder::Colour(const std::string& sectionName, const std::string& key, TColor value) {
  return Key(sectionName, key,
             std::to_string(RedOf(value)) + " " + std::to_string(GreenOf(value)) + " " + std::to_string(BlueOf(value)));
}

TSkinBuilder& TSkinBuilder::Note(const std::string& sectionName, const std::string& text) {
  section(sectionName).Notes.push_back(text);
  return *this;
}

TSkinBuilder& TSkinBuilder::Image(const std::string& sectionName, const std::string& key, const std::string& file,
                                  const TRaster& picture) {
  if (file.size() < 5 || file.compare(file.size() - 4, 4, ".bmp") != 0)
    throw std::logic_error("bitmap names end in .bmp: " + file);
  const auto [place, fresh] = FImages.emplace(file, picture);
  if (!fresh) throw std::logic_error("bitmap " + file + " drawn twice");
  return Key(sectionName, key, file);
}

std::string TSkinBuilder::DefinitionText() const {
  std::string text = "; " + FTitle +
                     ". Written by tools/make_default_skin: change the generator,\n"
                     "; not this file. skins/README.md explains the sections, keys and frames.\n";
  for (const TSection& s : FSections) {
    text += "\n";
    for (const std::string& note : s.Notes) text += "; " + note + "\n";
    text += "[" + s.Name + "]\n";
    for (const auto& [key, value] : s.Keys) text += key + "=" + value + "\n";
  }
  return text;
}

void WriteBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

void TSkinBuilder::Write(const std::filesystem::path& dir, const std::string& iniName) const {
  std::filesystem::create_directories(dir);
  const std::string text = DefinitionText();
  WriteBytes(dir / iniName, std::vector<std::uint8_t>(text.begin(), text.end()));
  for (const auto& [file, picture] : FImages) WriteBytes(dir / file, Bmp24(picture));
}

}  // namespace velmora::tools
