// The adaptive Huffman tree of the skin package coder: 314 symbols (256 literals and 58
// match lengths), counts that grow with each use, and a rebuild with halved counts
// when the root reaches 0x8000. Shared by the expanding and the packing side, so both
// keep the very same tree.
#pragma once

#include <array>
#include <cstdint>

namespace velmora::lzh {

inline constexpr int N = 4096;          // ring size
inline constexpr int F = 60;            // longest match
inline constexpr int Threshold = 2;     // a match makes at least 3 bytes
inline constexpr int NChar = 256 - Threshold + F;  // 314 symbols
inline constexpr int T = NChar * 2 - 1;             // 627 nodes
inline constexpr int R = T - 1;                     // root
inline constexpr unsigned MaxFreq = 0x8000;

class TTree {
 public:
  TTree() { Start(); }
  void Start();
  // Counts the use of `symbol`, keeping the tree ordered by count.
  void Update(int symbol);

  // son[node] >= T marks a leaf whose symbol is son - T.
  std::array<std::uint16_t, T + 1> freq{};
  std::array<std::uint16_t, T + NChar> prnt{};
  std::array<std::uint16_t, T> son{};

 private:
  void rebuild();
};

// The position code (upper 6 bits of a match position) and the number of bits its
// first byte's code takes, both indexed by the first 8 bits read.
struct TPositionTables {
  std::array<std::uint8_t, 256> Code{};
  std::array<std::uint8_t, 256> Length{};
};
const TPositionTables& PositionTables();

}  // namespace velmora::lzh
