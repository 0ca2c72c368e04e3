// Symbols are coded by their path from the root of the adaptive tree; positions by
// the code of their upper six bits followed by the lower six.
#include "skin/data/lzh_encoder.h"

#include <stdexcept>

namespace velmora::lzh {

TLZHEncoder::TLZHEncoder(std::uint32_t expandedSize) {
  for (std::size_t i = 0; i < SizeFieldBytes; ++i) FOut.push_back(static_cast<std::uint8_t>(expandedSize >> (8 * i)));
}

void TLZHEncoder::PutBits(std::uint32_t bits, int count) {
  FPending = (FPending << count) | (bits & ((std::uint64_t{1} << count) - 1));
  FPendingCount += count;
  while (FPendingCount >= 8) {
    FPendingCount -= 8;
    FOut.push_back(static_cast<std::uint8_t>(FPending >> FPendingCount));
  }
}

void TLZHEncoder::PutSymbol(int symbol) {
  // Walk from the leaf up: each node is its parent's left child (bit 0) or the one
  // after it (bit 1). The path is written root first, that is from its top bit. Counts below MaxFreq keep the
  // tree far shallower than 32 levels; a deeper one would be a broken tree.
  std::uint32_t path = 0;
  int depth = 0;
  for (int node = FTree.Parent(symbol + T); node != R; node = FTree.Parent(node)) {
    const int bit = node - FTree.Son(FTree.Parent(node));
    if (depth == 32 || (bit != 0 && bit != 1)) throw std::logic_error("adaptive tree is inconsistent");
    path |= static_cast<std::uint32_t>(bit) << depth;
    ++depth;
  }
  PutBits(path, depth);
  FTree.Update(symbol);
}

void TLZHEncoder::PutLiteral(std::uint8_t byte) { PutSymbol(byte); }

void TLZHEncoder::PutMatch(int length, int distance) {
  if (length < MinMatch || length > F || distance < 1 || distance > N) throw std::invalid_argument("match out of range");
  PutSymbol(256 + length - MinMatch);
  const int position = distance - 1;
  const TPositionCode code = PositionCodes()[position >> 6];
  PutBits(code.Bits, code.Length);
  PutBits(static_cast<std::uint32_t>(position & 0x3F), 6);
}

std::vector<std::uint8_t> TLZHEncoder::Finish() {
  if (FPendingCount > 0) PutBits(0, 8 - FPendingCount);
  return std::move(FOut);
}

}  // namespace velmora::lzh
