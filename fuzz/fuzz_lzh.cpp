// Fuzz target: the expander on any bytes, checked against the step-by-step expander,
// and the packer's round trip of the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "plain_unlzh.h"
#include "skin/data/lzh.h"
#include "skin/data/lzh_format.h"
#include "skin/data/lzh_packer.h"

namespace {

std::uint32_t statedSize(const std::uint8_t* data, std::size_t size) {
  std::uint32_t stated = 0;
  for (std::size_t i = 0; i < 4 && i < size; ++i) stated |= std::uint32_t{data[i]} << (8 * i);
  return stated;
}

void check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::uint8_t> input(data, data + size);
  const std::uint32_t stated = statedSize(data, size);

  std::vector<std::uint8_t> out;
  const bool expanded = velmora::TLZH().Unpack(input, out);
  check(expanded == velmora::lzh::IsExpandableSize(stated, size));
  if (expanded) {
    // The stated size, or a few bytes more: the rest of a final match.
    check(out.size() >= stated && out.size() < std::size_t{stated} + velmora::lzh::F);
    // The step-by-step expander is slow: compare where it stays quick.
    if (stated <= (64u << 10)) check(out == velmora::bench::PlainUnpack(input));
  } else {
    check(out.empty());
  }

  // Whatever the bytes, packing them must give them back exactly.
  const auto packed = velmora::TLZHPacker::Pack(input);
  std::vector<std::uint8_t> back;
  check(velmora::TLZH().Unpack(packed, back) && back == input);
  return 0;
}
