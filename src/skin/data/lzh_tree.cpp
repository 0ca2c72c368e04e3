// Starting, updating and rebuilding the adaptive Huffman tree.
#include "skin/data/lzh_tree.h"

#include <algorithm>

namespace velmora::lzh {

TLZHTree::TLZHTree() {
  for (int s = 0; s < SymbolCount; ++s) {
    FFreq[s] = 1;
    FSon[s] = static_cast<std::uint16_t>(s + T);
    FPrnt[s + T] = static_cast<std::uint16_t>(s);
  }
  for (int i = 0, j = SymbolCount; j <= R; i += 2, ++j) {
    FFreq[j] = static_cast<std::uint16_t>(FFreq[i] + FFreq[i + 1]);
    FSon[j] = static_cast<std::uint16_t>(i);
    FPrnt[i] = FPrnt[i + 1] = static_cast<std::uint16_t>(j);
  }
  FFreq[T] = 0xFFFF;
  FPrnt[R] = 0;
}

void TLZHTree::Rebuild() {
  // The leaves, in node order, to the front, their counts halved rounding up.
  int j = 0;
  for (int i = 0; i < T; ++i) {
    if (FSon[i] >= T) {
      FFreq[j] = static_cast<std::uint16_t>((FFreq[i] + 1) / 2);
      FSon[j] = FSon[i];
      ++j;
    }
  }
  // Inner nodes joined pairwise and inserted where their count keeps the order; among
  // equal counts the older node stays first.
  for (int i = 0, j = SymbolCount; j < T; i += 2, ++j) {
    const std::uint16_t f = static_cast<std::uint16_t>(FFreq[i] + FFreq[i + 1]);
    int m = j - 1;
    while (m >= 0 && FFreq[m] > f) --m;
    const int k = m + 1;
    std::copy_backward(FFreq.begin() + k, FFreq.begin() + j, FFreq.begin() + j + 1);
    std::copy_backward(FSon.begin() + k, FSon.begin() + j, FSon.begin() + j + 1);
    FFreq[k] = f;
    FSon[k] = static_cast<std::uint16_t>(i);
  }
  for (int i = 0; i < T; ++i) {
    const int k = FSon[i];
    if (k >= T) {
      FPrnt[k] = static_cast<std::uint16_t>(i);
    } else {
      FPrnt[k] = FPrnt[k + 1] = static_cast<std::uint16_t>(i);
    }
  }
}

// The subtrees under nodes c and l change places; the two nodes keep theirs.
inline void TLZHTree::SwapSubtrees(int c, int l) {
  const int i = FSon[c];
  FPrnt[i] = static_cast<std::uint16_t>(l);
  if (i < T) FPrnt[i + 1] = static_cast<std::uint16_t>(l);

  const int j = FSon[l];
  FSon[l] = static_cast<std::uint16_t>(i);
  FPrnt[j] = static_cast<std::uint16_t>(c);
  if (j < T) FPrnt[j + 1] = static_cast<std::uint16_t>(c);
  FSon[c] = static_cast<std::uint16_t>(j);
}

inline int TLZHTree::Increment(int c) {
  const std::uint16_t k = ++FFreq[c];
  if (k <= FFreq[c + 1]) return c;
  // Counts never decrease from one node to the next, so the nodes after c whose count
  // is below k are a run, usually a few nodes long (stepping through it measured
  // faster than a search by halving); l is its last. The sentinel FFreq[T] ends any run.
  int l = c + 1;
  while (k > FFreq[l + 1]) ++l;
  FFreq[c] = FFreq[l];
  FFreq[l] = k;
  SwapSubtrees(c, l);
  return l;
}

inline void TLZHTree::UpdateFrom(int c) {
  do {
    c = FPrnt[Increment(c)];
  } while (c != 0);
}

void TLZHTree::Update(int symbol) {
  if (FFreq[R] == MaxFreq) Rebuild();
  UpdateFrom(FPrnt[symbol + T]);
}

void TLZHTree::UpdateAlong(int symbol, std::span<const std::uint16_t> path) {
  if (FFreq[R] == MaxFreq || path.empty()) {
    Update(symbol);  // the rebuild moves every node
    return;
  }
  // Until a swap moves a subtree, the parent of each node is the one before it on the
  // path, so the walk up needs no parent links; after one it goes on by them.
  for (std::size_t i = path.size() - 1;; --i) {
    const int c = path[i];
    const int moved = Increment(c);
    if (moved != c) {
      const int parent = FPrnt[moved];
      if (parent != 0) UpdateFrom(parent);
      return;
    }
    if (i == 0) return;  // that was the root
  }
}

}  // namespace velmora::lzh
