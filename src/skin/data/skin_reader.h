// A skin package: after expansion, a 16-byte header (version, directory length, two
// words nobody reads), a block skipped by version, the directory text (one entry name
// a line), a size for each entry, and the entries back to back. Entries are handed out
// by name. Portable: the refusal of an unknown version goes to a host channel.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace velmora {

class TSkinReader {
 public:
  static constexpr int MaxEntries = 1001;
  static constexpr char OlderSkinMessage[] = "This is Older Skin File\rPlease update to new version !";

  // Where the reader says that a package's version is not one it reads (the program
  // shows a message box; tools report an error).
  using TMessageChannel = std::function<void(const std::string& message)>;
  explicit TSkinReader(TMessageChannel channel = {}) : FChannel(std::move(channel)) {}

  // True when the package expanded and has one of the six versions. A package whose
  // directory or size table runs past its data, or that lists more than MaxEntries
  // entries, is not loadable either (false, without the version message).
  bool LoadPackage(std::span<const std::uint8_t> source);

  // The entry named `name` (any case), or empty. Entries cut short by the end of the
  // data give what is there.
  std::vector<std::uint8_t> ExtractEntry(const std::string& name) const;
  // The first entry whose (lower-case) name contains `fragment`; its name goes to
  // `fullName`, which is left alone when nothing matches.
  std::vector<std::uint8_t> ExtractEntryContaining(const std::string& fragment, std::string& fullName) const;

  std::uint32_t PackageVersion() const { return FHeader[0]; }
  const std::vector<std::string>& Names() const { return FNames; }
  int EntryCount() const { return static_cast<int>(FNames.size()); }
  std::int32_t EntrySize(int index) const { return FSizes[static_cast<std::size_t>(index)]; }

  // The block the reader skips for a version; -1 for a version it does not read.
  static int SkippedBlock(std::uint32_t version);
  // The directory text split into lines: CR LF, a lone CR or LF ends a line; a final
  // line break adds no entry. Letters A-Z are lower-cased.
  static std::vector<std::string> SplitDirectory(std::string_view text);

 private:
  std::vector<std::uint8_t> entryAt(int index) const;

  TMessageChannel FChannel;
  std::array<std::uint32_t, 4> FHeader{};
  std::vector<std::string> FNames;
  std::array<std::int32_t, MaxEntries> FSizes{};
  std::vector<std::uint8_t> FData;
};

}  // namespace velmora
