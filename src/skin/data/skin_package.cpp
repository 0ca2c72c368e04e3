// Versions, directory lines and the builder of expanded packages.
#include "skin/data/skin_package.h"

#include <limits>
#include <stdexcept>

namespace velmora {
namespace {

struct TVersionBlock {
  std::uint32_t Version;
  std::uint32_t Skipped;
};
constexpr TVersionBlock versionBlocks[] = {
    {20000, 0}, {30000, 256}, {40000, 80}, {50000, 48}, {60000, 117}, {70000, 69},
};

void putUint32(std::vector<std::uint8_t>& out, std::uint64_t value) {
  if (value > std::numeric_limits<std::uint32_t>::max()) throw std::invalid_argument("package is too large for its 32-bit fields");
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

}  // namespace

std::optional<std::uint32_t> SkippedBlockSize(std::uint32_t PackageVersion) {
  for (const auto& block : versionBlocks) {
    if (block.Version == PackageVersion) return block.Skipped;
  }
  return std::nullopt;
}

std::string LowerCaseAscii(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

std::vector<std::string> SplitDirectory(std::string_view text, std::size_t limit) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size() && lines.size() < limit) {
    std::size_t end = start;
    while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
    lines.emplace_back(text.substr(start, end - start));
    if (end < text.size() && text[end] == '\r') ++end;
    if (end < text.size() && text[end] == '\n') ++end;
    start = end;
  }
  return lines;
}

std::vector<std::uint8_t> BuildPackageImage(std::uint32_t PackageVersion, std::span<const TSkinPackageEntry> entries) {
  const auto skipped = SkippedBlockSize(PackageVersion);
  if (!skipped) throw std::invalid_argument("unknown package version " + std::to_string(PackageVersion));
  if (entries.size() > MaxPackageEntries) throw std::invalid_argument("a package holds at most 1001 entries");

  std::string directory;
  for (const auto& entry : entries) {
    if (entry.Name.find_first_of("\r\n") != std::string::npos) throw std::invalid_argument("entry name holds a line break");
    directory += entry.Name;
    directory += "\r\n";
  }

  std::vector<std::uint8_t> image;
  putUint32(image, PackageVersion);
  putUint32(image, directory.size());
  putUint32(image, 0);
  putUint32(image, 0);
  image.insert(image.end(), *skipped, 0);
  image.insert(image.end(), directory.begin(), directory.end());
  for (const auto& entry : entries) putUint32(image, entry.Data.size());
  for (const auto& entry : entries) image.insert(image.end(), entry.Data.begin(), entry.Data.end());
  return image;
}

}  // namespace velmora
