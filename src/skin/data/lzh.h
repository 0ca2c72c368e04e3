// Expanding a skin package: the 4-byte expanded size, then an LZSS stream over a
// 4096-byte ring (initially spaces) whose literals, match lengths and positions are
// coded with the adaptive Huffman tree. Portable.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace velmora {

// Packages larger than this are refused rather than expanded: the size field can claim
// up to 4 GiB, and a skin is a few hundred kilobytes.
inline constexpr std::size_t MaxExpandedPackage = 64u << 20;

class TLZH {
 public:
  // Expands `source` into `dest` (emptied first). False, with `dest` empty, when the
  // source has no complete size field or claims more than `limit` bytes. A stream that
  // ends early reads as zero bits: the output still has the stated size (and the rest
  // of a final match), as garbage rather than an error.
  bool Unpack(std::span<const std::uint8_t> source, std::vector<std::uint8_t>& dest,
              std::size_t limit = MaxExpandedPackage);
};

}  // namespace velmora
