// TSkinReader: expands a stored skin package, checks its version, reads its directory
// and hands out entries by name.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/skin_package.h"

namespace velmora {

// The text shown when a package's version is not one the reader reads.
inline constexpr char OlderSkinFileMessage[] = "This is Older Skin File\rPlease update to new version !";

// How the reader tells its host about a package it does not read: the program shows a
// message box, a tool prints it or turns it into an error.
using TSkinReaderMessage = std::function<void(const std::string& Text)>;

// Why the last LoadPackage returned false.
enum class TSkinLoadFailure {
  None,
  ExpandedSizeRefused,  // the stored size claims more than we agree to expand
  UnknownVersion,       // also what a damaged stream gives: no valid header
  TooManyEntries,       // more directory lines than the size table holds
  DirectoryPastEnd,     // the directory runs past the expanded data
  SizeTablePastEnd,     // the size table runs past the expanded data
};
std::string_view SkinLoadFailureText(TSkinLoadFailure failure);

class TSkinReader {
 public:
  explicit TSkinReader(TSkinReaderMessage OnMessage = {});

  // Expands Source and reads the package from its start. True when its version is one
  // of the six we read and its directory and size table lie within it. A version we
  // do not read (and a stream that does not expand) sends OlderSkinFileMessage to the
  // host; the other failures are silent (see Failure()). Nothing of an earlier
  // package is kept after a failed load.
  bool LoadPackage(std::span<const std::uint8_t> Source);

  // Empties Dest, then copies into it the first entry named Name lower-cased. A name
  // not in the directory, an entry of size 0 and an entry running past the end of the
  // data all leave Dest empty.
  void ExtractEntry(std::string_view Name, std::vector<std::uint8_t>& Dest) const;

  // Empties Dest, then copies into it the first entry whose name contains Fragment
  // (as given: names are lower case, so an upper-case fragment finds nothing) and sets
  // FullName to that name. No match leaves FullName unchanged.
  void ExtractEntryContaining(std::string_view Fragment, std::vector<std::uint8_t>& Dest, std::string& FullName) const;

  const TSkinPackageHeader& Header() const { return FHeader; }
  const std::vector<std::string>& Names() const { return FNames; }
  std::size_t EntryCount() const { return FNames.size(); }
  std::uint32_t EntrySize(std::size_t index) const { return FSizes[index]; }
  // The bytes of entry `index`; empty when it runs past the end of the data.
  std::span<const std::uint8_t> EntryData(std::size_t index) const;
  TSkinLoadFailure Failure() const { return FFailure; }

 private:
  bool Fail(TSkinLoadFailure failure);
  void Reset();
  void TellHost() const;
  bool ReadPackage(std::span<const std::uint8_t> expanded);

  TSkinReaderMessage FOnMessage;
  TSkinPackageHeader FHeader;
  std::vector<std::string> FNames;
  // Sizes are read as unsigned 32-bit values: one that would be negative as a signed
  // size simply runs past the end of the data.
  std::array<std::uint32_t, MaxPackageEntries> FSizes{};
  // Offsets of the entries in FData (the sum of the sizes before each), 64-bit so
  // that no sum of sizes wraps.
  std::vector<std::uint64_t> FOffsets;
  std::vector<std::uint8_t> FData;
  TSkinLoadFailure FFailure = TSkinLoadFailure::None;
};

}  // namespace velmora
