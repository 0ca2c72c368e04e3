// Fuzz target: the package reader on any stored package, and its extract operations.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "skin/data/lzh_packer.h"
#include "skin/data/skin_reader.h"

namespace {

void check(bool condition) {
  if (!condition) std::abort();
}

void readEverything(const velmora::TSkinReader& reader) {
  std::vector<std::uint8_t> entry;
  std::string name = "unchanged";
  reader.ExtractEntryContaining(".ini", entry, name);
  const auto& names = reader.Names();
  for (std::size_t i = 0; i < reader.EntryCount(); ++i) {
    const auto data = reader.EntryData(i);
    check(data.empty() || data.size() == reader.EntrySize(i));
    // By name: the first entry of that name.
    reader.ExtractEntry(names[i], entry);
    std::size_t first = 0;
    while (names[first] != names[i]) ++first;
    const auto expected = reader.EntryData(first);
    check(std::vector<std::uint8_t>(expected.begin(), expected.end()) == entry);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::uint8_t> input(data, data + size);
  // As a stored (compressed) package, and as an expanded one packed here, so the
  // fuzzer reaches the directory and size tables directly.
  for (int packFirst = 0; packFirst < 2; ++packFirst) {
    int messages = 0;
    velmora::TSkinReader reader([&](const std::string&) { ++messages; });
    const bool loaded = reader.LoadPackage(packFirst ? velmora::TLZHPacker::Pack(input) : input);
    check(messages <= 1);
    check(loaded || reader.EntryCount() == 0);
    if (loaded) readEverything(reader);
  }
  return 0;
}
