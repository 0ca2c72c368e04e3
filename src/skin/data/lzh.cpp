// The expanding side of the package coder.
#include "skin/data/lzh.h"

#include <array>
#include <memory>

#include "skin/data/lzh_tree.h"

namespace velmora {
namespace {

using namespace lzh;

// Bits most significant first; past the end of the source every bit is 0.
class BitInput {
 public:
  explicit BitInput(std::span<const std::uint8_t> bytes) : FBytes(bytes) {}

  int Bit() {
    fill();
    const int bit = (FBuffer & 0x8000) ? 1 : 0;
    FBuffer = static_cast<std::uint16_t>(FBuffer << 1);
    --FCount;
    return bit;
  }
  int Byte() {
    fill();
    const int byte = FBuffer >> 8;
    FBuffer = static_cast<std::uint16_t>(FBuffer << 8);
    FCount -= 8;
    return byte;
  }

 private:
  void fill() {
    while (FCount < 9) {
      const unsigned byte = FPos < FBytes.size() ? FBytes[FPos++] : 0;
      FBuffer = static_cast<std::uint16_t>(FBuffer | (byte << (8 - FCount)));
      FCount += 8;
    }
  }
  std::span<const std::uint8_t> FBytes;
  std::size_t FPos = 0;
  std::uint16_t FBuffer = 0;
  int FCount = 0;
};

int decodeSymbol(TTree& tree, BitInput& in) {
  unsigned c = tree.son[R];
  while (c < static_cast<unsigned>(T)) c = tree.son[c + in.Bit()];
  const int symbol = static_cast<int>(c) - T;
  tree.Update(symbol);
  return symbol;
}

int decodePosition(BitInput& in) {
  const TPositionTables& tables = PositionTables();
  unsigned i = static_cast<unsigned>(in.Byte());
  const unsigned high = static_cast<unsigned>(tables.Code[i]) << 6;
  for (int extra = tables.Length[i] - 2; extra > 0; --extra) i = (i << 1) + static_cast<unsigned>(in.Bit());
  return static_cast<int>(high | (i & 0x3F));
}

}  // namespace

bool TLZH::Unpack(std::span<const std::uint8_t> source, std::vector<std::uint8_t>& dest, std::size_t limit) {
  dest.clear();
  if (source.size() < 4) return false;
  const std::uint32_t size = source[0] | source[1] << 8 | source[2] << 16 |
                             static_cast<std::uint32_t>(source[3]) << 24;
  if (size > limit) return false;
  dest.reserve(size + F);

  auto tree = std::make_unique<TTree>();
  BitInput in(source.subspan(4));
  std::array<std::uint8_t, N + F - 1> ring{};  // bytes past the spaces start as 0
  for (int i = 0; i < N - F; ++i) ring[i] = 0x20;
  int r = N - F;

  while (dest.size() < size) {
    const int c = decodeSymbol(*tree, in);
    if (c < 256) {
      dest.push_back(static_cast<std::uint8_t>(c));
      ring[r] = static_cast<std::uint8_t>(c);
      r = (r + 1) & (N - 1);
      continue;
    }
    const int start = (r - decodePosition(in) - 1) & (N - 1);
    const int length = c - 255 + Threshold;
    // A match is copied whole, even past the stated size.
    for (int k = 0; k < length; ++k) {
      const std::uint8_t byte = ring[(start + k) & (N - 1)];
      dest.push_back(byte);
      ring[r] = byte;
      r = (r + 1) & (N - 1);
    }
  }
  return true;
}

}  // namespace velmora
