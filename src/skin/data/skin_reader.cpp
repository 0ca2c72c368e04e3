// The skin package reader.
#include "skin/data/skin_reader.h"

#include <algorithm>

#include "skin/data/lzh.h"

namespace velmora {

namespace {
std::uint32_t read32(const std::uint8_t* p) {
  return p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}
}  // namespace

int TSkinReader::SkippedBlock(std::uint32_t version) {
  switch (version) {
    case 20000: return 0;
    case 30000: return 256;
    case 40000: return 80;
    case 50000: return 48;
    case 60000: return 117;
    case 70000: return 69;
    default: return -1;
  }
}

std::vector<std::string> TSkinReader::SplitDirectory(std::string_view text) {
  std::vector<std::string> lines;
  std::string line;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(line);
      line.clear();
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      continue;
    }
    line += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

bool TSkinReader::LoadPackage(std::span<const std::uint8_t> source) {
  FNames.clear();
  FData.clear();
  FSizes.fill(0);
  FHeader.fill(0);

  std::vector<std::uint8_t> package;
  if (!TLZH().Unpack(source, package) || package.size() < 16) return false;
  for (int i = 0; i < 4; ++i) FHeader[static_cast<std::size_t>(i)] = read32(&package[4 * static_cast<std::size_t>(i)]);

  const int skipped = SkippedBlock(FHeader[0]);
  if (skipped < 0) {
    if (FChannel) FChannel(OlderSkinMessage);
    return false;
  }
  // Every table must lie inside the package; nothing is read past its end.
  const std::uint64_t directoryAt = 16 + static_cast<std::uint64_t>(skipped);
  const std::uint64_t directoryLength = FHeader[1];
  if (directoryAt + directoryLength > package.size()) return false;
  const std::string_view directory(reinterpret_cast<const char*>(package.data() + directoryAt),
                                   static_cast<std::size_t>(directoryLength));
  std::vector<std::string> names = SplitDirectory(directory);
  if (names.size() > static_cast<std::size_t>(MaxEntries)) return false;
  const std::uint64_t sizesAt = directoryAt + directoryLength;
  const std::uint64_t dataAt = sizesAt + 4 * names.size();
  if (dataAt > package.size()) return false;

  for (std::size_t i = 0; i < names.size(); ++i)
    FSizes[i] = static_cast<std::int32_t>(read32(&package[static_cast<std::size_t>(sizesAt + 4 * i)]));
  FNames = std::move(names);
  FData.assign(package.begin() + static_cast<std::ptrdiff_t>(dataAt), package.end());
  return true;
}

// An entry's bytes: its offset is the sum of the sizes before it. A negative size, or
// one that runs past the data, gives what is there (nothing beyond the end).
std::vector<std::uint8_t> TSkinReader::entryAt(int index) const {
  std::uint64_t offset = 0;
  for (int i = 0; i < index; ++i) offset += static_cast<std::uint32_t>(std::max<std::int32_t>(FSizes[static_cast<std::size_t>(i)], 0));
  const std::uint64_t size = static_cast<std::uint32_t>(std::max<std::int32_t>(FSizes[static_cast<std::size_t>(index)], 0));
  if (offset >= FData.size()) return {};
  const std::uint64_t end = std::min<std::uint64_t>(offset + size, FData.size());
  return std::vector<std::uint8_t>(FData.begin() + static_cast<std::ptrdiff_t>(offset),
                                   FData.begin() + static_cast<std::ptrdiff_t>(end));
}

std::vector<std::uint8_t> TSkinReader::ExtractEntry(const std::string& name) const {
  std::string wanted = name;
  for (char& c : wanted)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  for (int i = 0; i < EntryCount(); ++i)
    if (FNames[static_cast<std::size_t>(i)] == wanted) return entryAt(i);
  return {};
}

std::vector<std::uint8_t> TSkinReader::ExtractEntryContaining(const std::string& fragment,
                                                              std::string& fullName) const {
  for (int i = 0; i < EntryCount(); ++i) {
    if (FNames[static_cast<std::size_t>(i)].find(fragment) != std::string::npos) {
      fullName = FNames[static_cast<std::size_t>(i)];
      return entryAt(i);
    }
  }
  return {};
}

}  // namespace velmora
