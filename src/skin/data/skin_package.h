// The expanded skin package: a 16-byte header, a block skipped by version, the entry
// names one per line, their sizes, then the entries back to back. What the reader and
// the package builder share.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

inline constexpr std::size_t PackageHeaderSize = 16;
// The reader's size table has room for this many entries.
inline constexpr std::size_t MaxPackageEntries = 1001;
inline constexpr std::uint32_t NewestPackageVersion = 70000;

struct TSkinPackageHeader {
  std::uint32_t PackageVersion = 0;
  std::uint32_t DirectoryLength = 0;
  std::uint32_t Reserved1 = 0;  // not interpreted
  std::uint32_t Reserved2 = 0;  // not interpreted
};

// The length of the block after the header for a version we read; nothing for any
// other version.
std::optional<std::uint32_t> SkippedBlockSize(std::uint32_t PackageVersion);

// ASCII letters A-Z become a-z; every other byte stays.
std::string LowerCaseAscii(std::string_view text);

// The directory text as entry names: a line ends at CR LF, a lone CR or a lone LF; a
// final line break adds no entry; an empty line inside is an entry with an empty name.
// At most `limit` names are returned: a damaged directory may hold millions of lines.
std::vector<std::string> SplitDirectory(std::string_view text, std::size_t limit = SIZE_MAX);

struct TSkinPackageEntry {
  std::string Name;
  std::vector<std::uint8_t> Data;
};

// The expanded bytes of a package holding `entries` in this order (names as given,
// lines joined with CR LF and ended by one, the skipped block and the uninterpreted
// header words zero). Throws std::invalid_argument for a version we do not read, more
// than MaxPackageEntries entries, a name holding a line break, or sizes that do not
// fit the format's 32-bit fields.
std::vector<std::uint8_t> BuildPackageImage(std::uint32_t PackageVersion, std::span<const TSkinPackageEntry> entries);

}  // namespace velmora
