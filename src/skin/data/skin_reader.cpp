// Reading the expanded package: header, skipped block, directory, size table, data.
#include "skin/data/skin_reader.h"

#include "skin/data/lzh.h"

namespace velmora {
namespace {

std::uint32_t uint32At(std::span<const std::uint8_t> bytes, std::size_t offset) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) value |= std::uint32_t{bytes[offset + i]} << (8 * i);
  return value;
}

TSkinPackageHeader readHeader(std::span<const std::uint8_t> expanded) {
  // A package shorter than its header reads zeros for the missing bytes.
  std::array<std::uint8_t, PackageHeaderSize> bytes{};
  for (std::size_t i = 0; i < bytes.size() && i < expanded.size(); ++i) bytes[i] = expanded[i];
  return {uint32At(bytes, 0), uint32At(bytes, 4), uint32At(bytes, 8), uint32At(bytes, 12)};
}

}  // namespace

std::string_view SkinLoadFailureText(TSkinLoadFailure failure) {
  switch (failure) {
    case TSkinLoadFailure::None: return "no failure";
    case TSkinLoadFailure::ExpandedSizeRefused:
      return "the stored expanded size is beyond what is expanded (over 64 MiB, or far more than the stream's "
             "length can give: damaged or cut short)";
    case TSkinLoadFailure::UnknownVersion: return "the package version is not one this reader reads (or the package is damaged)";
    case TSkinLoadFailure::TooManyEntries: return "the directory lists more than 1001 entries";
    case TSkinLoadFailure::DirectoryPastEnd: return "the directory runs past the end of the package";
    case TSkinLoadFailure::SizeTablePastEnd: return "the entry size table runs past the end of the package";
  }
  return "unknown failure";
}

TSkinReader::TSkinReader(TSkinReaderMessage OnMessage) : FOnMessage(std::move(OnMessage)) {}

void TSkinReader::Reset() {
  FHeader = {};
  FNames.clear();
  FSizes.fill(0);
  FOffsets.clear();
  FData.clear();
  FFailure = TSkinLoadFailure::None;
}

bool TSkinReader::Fail(TSkinLoadFailure failure) {
  const TSkinPackageHeader header = FHeader;
  Reset();
  FHeader = header;
  FFailure = failure;
  return false;
}

bool TSkinReader::LoadPackage(std::span<const std::uint8_t> Source) {
  Reset();
  std::vector<std::uint8_t> expanded;
  if (!TLZH().Unpack(Source, expanded)) {
    // Nothing expanded, so no header either: reported as a package we do not read.
    Fail(TSkinLoadFailure::ExpandedSizeRefused);
    TellHost();
    return false;
  }
  if (ReadPackage(expanded)) return true;
  if (FFailure == TSkinLoadFailure::UnknownVersion) TellHost();
  return false;
}

void TSkinReader::TellHost() const {
  if (FOnMessage) FOnMessage(OlderSkinFileMessage);
}

bool TSkinReader::ReadPackage(std::span<const std::uint8_t> expanded) {
  FHeader = readHeader(expanded);
  const auto skipped = SkippedBlockSize(FHeader.PackageVersion);
  if (!skipped) return Fail(TSkinLoadFailure::UnknownVersion);

  const std::uint64_t directoryStart = PackageHeaderSize + std::uint64_t{*skipped};
  const std::uint64_t directoryEnd = directoryStart + FHeader.DirectoryLength;
  if (directoryEnd > expanded.size()) return Fail(TSkinLoadFailure::DirectoryPastEnd);
  const auto directory = expanded.subspan(directoryStart, FHeader.DirectoryLength);
  // One line more than the table holds is enough to know the package is refused.
  FNames = SplitDirectory(LowerCaseAscii({reinterpret_cast<const char*>(directory.data()), directory.size()}),
                          MaxPackageEntries + 1);
  if (FNames.size() > MaxPackageEntries) return Fail(TSkinLoadFailure::TooManyEntries);

  const std::uint64_t dataStart = directoryEnd + 4 * std::uint64_t{FNames.size()};
  if (dataStart > expanded.size()) return Fail(TSkinLoadFailure::SizeTablePastEnd);
  std::uint64_t offset = 0;
  for (std::size_t i = 0; i < FNames.size(); ++i) {
    FSizes[i] = uint32At(expanded, directoryEnd + 4 * i);
    FOffsets.push_back(offset);
    offset += FSizes[i];
  }
  FData.assign(expanded.begin() + static_cast<std::ptrdiff_t>(dataStart), expanded.end());
  return true;
}

std::span<const std::uint8_t> TSkinReader::EntryData(std::size_t index) const {
  const std::uint64_t offset = FOffsets[index];
  const std::uint64_t size = FSizes[index];
  if (offset + size > FData.size()) return {};
  return std::span<const std::uint8_t>(FData).subspan(offset, size);
}

void TSkinReader::ExtractEntry(std::string_view Name, std::vector<std::uint8_t>& Dest) const {
  Dest.clear();
  const std::string wanted = LowerCaseAscii(Name);
  for (std::size_t i = 0; i < FNames.size(); ++i) {
    if (FNames[i] == wanted) {
      const auto data = EntryData(i);
      Dest.assign(data.begin(), data.end());
      return;
    }
  }
}

void TSkinReader::ExtractEntryContaining(std::string_view Fragment, std::vector<std::uint8_t>& Dest,
                                         std::string& FullName) const {
  Dest.clear();
  for (std::size_t i = 0; i < FNames.size(); ++i) {
    if (FNames[i].find(Fragment) != std::string::npos) {
      const auto data = EntryData(i);
      Dest.assign(data.begin(), data.end());
      FullName = FNames[i];
      return;
    }
  }
}

}  // namespace velmora
