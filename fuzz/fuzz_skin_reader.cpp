// Fuzz target: the package reader on any stored package, and its extract operations.
#include <cstddef>
#include <cstdint>

#include "skin/data/lzh_packer.h"
#include "skin/data/skin_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // As a stored (compressed) package, and as an expanded one packed here, so the
  // fuzzer reaches the directory and size tables directly.
  for (int packed = 0; packed < 2; ++packed) {
    velmora::TSkinReader reader;
    const bool loaded = packed ? reader.LoadPackage(velmora::PackLZH({data, size}))
                               : reader.LoadPackage({data, size});
    if (!loaded) continue;
    std::string name;
    reader.ExtractEntryContaining(".ini", name);
    for (const std::string& entry : reader.Names()) reader.ExtractEntry(entry);
  }
  return 0;
}
