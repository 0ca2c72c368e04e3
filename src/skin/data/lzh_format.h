// The fixed constants of the skin package's compressed stream (a sliding-window coder
// whose symbols go through an adaptive Huffman tree), shared by the expanding side and
// our packer, and the limit on what we agree to expand.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace velmora::lzh {

inline constexpr int N = 4096;            // ring of already produced bytes
inline constexpr int F = 60;              // longest match
inline constexpr int Threshold = 2;       // a match produces at least Threshold + 1 bytes
inline constexpr int MinMatch = Threshold + 1;
inline constexpr int SymbolCount = 256 + F - Threshold;  // 314: bytes, then lengths 3..60
inline constexpr int T = SymbolCount * 2 - 1;            // 627 tree nodes
inline constexpr int R = T - 1;                          // root
inline constexpr std::uint16_t MaxFreq = 0x8000;         // root count that triggers a rebuild
inline constexpr int InitialFill = N - F;                // 4036 spaces before any output
inline constexpr std::uint8_t FillByte = 0x20;
inline constexpr std::size_t SizeFieldBytes = 4;

// The stored size may claim up to 4 GiB. We expand no more than MaxExpandedSize, and
// no more than a stream of that length could honestly produce: a symbol costs at least
// one bit and a match at least nine more for its position, so 60 bytes cost at least
// ten bits (48 bytes per stored byte). A stream cut short decodes its missing bits as
// zeros, hence the slack for small streams.
inline constexpr std::uint64_t MaxExpandedSize = 64ull << 20;
inline constexpr std::uint64_t MaxBytesPerStoredByte = 128;
inline constexpr std::uint64_t ExpansionSlack = 64ull << 10;

// True when a stream of `storedSize` bytes (size field included) that claims
// `claimedSize` expanded bytes is one we agree to expand.
bool IsExpandableSize(std::uint64_t claimedSize, std::uint64_t storedSize);

// The upper 6 bits of a match position are coded by the first byte read: the code
// (0..63) and the number of bits that code occupies (3..8) are looked up by that byte.
struct TPositionTables {
  std::array<std::uint8_t, 256> Code;
  std::array<std::uint8_t, 256> Length;
};
const TPositionTables& PositionTables();

// The packing side's view of the same tables: the code of the upper 6 bits of a
// position and its bit length.
struct TPositionCode {
  std::uint8_t Bits;    // the code, right-aligned
  std::uint8_t Length;  // 3..8
};
const std::array<TPositionCode, 64>& PositionCodes();

}  // namespace velmora::lzh
