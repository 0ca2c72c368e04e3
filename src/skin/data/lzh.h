// TLZH: expands a skin package's compressed stream (a 4-byte little-endian expanded
// size, then the bit stream, most significant bit of each byte first).
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace velmora {

class TLZH {
 public:
  // Empties Dest and expands Source into it. A stream that ends early reads zero bits
  // from then on, and a final match is copied whole, so Dest holds at least the stated
  // size (up to 59 bytes more). Returns false, with Dest empty, when the stated size is
  // more than we agree to expand (lzh::IsExpandableSize): such a package is not
  // loadable, and nothing of that size is allocated.
  bool Unpack(std::span<const std::uint8_t> Source, std::vector<std::uint8_t>& Dest);
};

}  // namespace velmora
