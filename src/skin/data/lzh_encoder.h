// The coding half of our packer: turns a sequence of literals and matches into the
// compressed stream that TLZH expands, keeping the same adaptive tree as the expander.
#pragma once

#include <cstdint>
#include <vector>

#include "skin/data/lzh_tree.h"

namespace velmora::lzh {

class TLZHEncoder {
 public:
  // `expandedSize` goes into the size field; the literals and matches put afterwards
  // must produce exactly that many bytes.
  explicit TLZHEncoder(std::uint32_t expandedSize);

  void PutLiteral(std::uint8_t byte);
  // A match of `length` bytes (MinMatch..F) copied from `distance` bytes back
  // (1..N; distance N is the byte about to be overwritten in the ring).
  void PutMatch(int length, int distance);

  // The stream so far with its last byte padded with zero bits.
  std::vector<std::uint8_t> Finish();

 private:
  void PutSymbol(int symbol);
  void PutBits(std::uint32_t bits, int count);

  TLZHTree FTree;
  std::vector<std::uint8_t> FOut;
  std::uint64_t FPending = 0;  // bits not yet written, right-aligned
  int FPendingCount = 0;
};

}  // namespace velmora::lzh
