// The adaptive Huffman tree that codes literals and match lengths. Both sides keep one
// and update it identically after every symbol, so the code of a symbol follows the
// counts of the symbols seen so far.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "skin/data/lzh_format.h"

namespace velmora::lzh {

class TLZHTree {
 public:
  // The starting tree: every symbol counted once, nodes paired in order.
  TLZHTree();

  // Counts one more `symbol` (0..313) and restores the order of the counts, swapping
  // subtrees where a count overtook its right neighbours. When the root's count has
  // reached MaxFreq the tree is first rebuilt with halved counts.
  void Update(int symbol);
  // The same update for a symbol just decoded, given the nodes passed on the way down
  // (the root first, the symbol's leaf node last): the walk up reads its parents off
  // the path wherever nothing has moved.
  void UpdateAlong(int symbol, std::span<const std::uint16_t> path);

  // The left child of an inner node (its right child is the next node); a value of T
  // or more marks a leaf whose symbol is the value minus T.
  std::uint16_t Son(int node) const { return FSon[node]; }
  // The parent of a node; the parent of a leaf is kept at T + its symbol.
  std::uint16_t Parent(int index) const { return FPrnt[index]; }
  std::uint16_t Freq(int node) const { return FFreq[node]; }

 private:
  void Rebuild();
  void SwapSubtrees(int c, int l);
  // Counts one more at node c; if that overtook the counts right of it, c's subtree
  // changes places with the last node of that run. Returns where the subtree is now.
  int Increment(int c);
  // Increments c and each node above it up to the root.
  void UpdateFrom(int c);

  std::array<std::uint16_t, T + 1> FFreq;            // FFreq[T] is a 0xFFFF sentinel
  std::array<std::uint16_t, T + SymbolCount> FPrnt;  // inner parents, then the leaves'
  std::array<std::uint16_t, T> FSon;
};

}  // namespace velmora::lzh
