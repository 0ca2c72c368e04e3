// Fuzz target: the package expander on any bytes, and the packer's round trip.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "skin/data/lzh.h"
#include "skin/data/lzh_packer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::uint8_t> out;
  // A small limit keeps each run quick; the limit itself is what is tested here.
  velmora::TLZH().Unpack({data, size}, out, 1u << 20);
  // Whatever the bytes, packing them must give them back.
  const auto packed = velmora::PackLZH({data, size});
  std::vector<std::uint8_t> back;
  if (!velmora::TLZH().Unpack(packed, back) || back != std::vector<std::uint8_t>(data, data + size)) std::abort();
  return 0;
}
