// The adaptive Huffman tree and the position tables.
#include "skin/data/lzh_tree.h"

namespace velmora::lzh {

void TTree::Start() {
  for (int s = 0; s < NChar; ++s) {
    freq[s] = 1;
    son[s] = static_cast<std::uint16_t>(s + T);
    prnt[s + T] = static_cast<std::uint16_t>(s);
  }
  for (int i = 0, j = NChar; j <= R; i += 2, ++j) {
    freq[j] = static_cast<std::uint16_t>(freq[i] + freq[i + 1]);
    son[j] = static_cast<std::uint16_t>(i);
    prnt[i] = prnt[i + 1] = static_cast<std::uint16_t>(j);
  }
  freq[T] = 0xFFFF;
  prnt[R] = 0;
}

// Leaves first, counts halved rounding up; then the inner nodes, each inserted where
// its count keeps the array ordered (equal counts keep the older node first).
void TTree::rebuild() {
  int j = 0;
  for (int i = 0; i < T; ++i) {
    if (son[i] >= T) {
      freq[j] = static_cast<std::uint16_t>((freq[i] + 1) / 2);
      son[j] = son[i];
      ++j;
    }
  }
  for (int i = 0, j2 = NChar; j2 < T; i += 2, ++j2) {
    const unsigned f = static_cast<unsigned>(freq[i]) + freq[i + 1];
    int m = j2 - 1;
    while (m >= 0 && f < freq[m]) --m;
    const int k = m + 1;
    for (int n = j2; n > k; --n) {
      freq[n] = freq[n - 1];
      son[n] = son[n - 1];
    }
    freq[k] = static_cast<std::uint16_t>(f);
    son[k] = static_cast<std::uint16_t>(i);
  }
  for (int i = 0; i < T; ++i) {
    const int k = son[i];
    if (k >= T)
      prnt[k] = static_cast<std::uint16_t>(i);
    else
      prnt[k] = prnt[k + 1] = static_cast<std::uint16_t>(i);
  }
}

void TTree::Update(int symbol) {
  if (freq[R] == MaxFreq) rebuild();
  int c = prnt[symbol + T];
  do {
    const std::uint16_t k = ++freq[c];
    if (k > freq[c + 1]) {
      int l = c + 1;
      while (k > freq[l]) ++l;
      --l;
      freq[c] = freq[l];
      freq[l] = k;

      const int i = son[c];
      prnt[i] = static_cast<std::uint16_t>(l);
      if (i < T) prnt[i + 1] = static_cast<std::uint16_t>(l);
      const int j = son[l];
      son[l] = static_cast<std::uint16_t>(i);
      prnt[j] = static_cast<std::uint16_t>(c);
      if (j < T) prnt[j + 1] = static_cast<std::uint16_t>(c);
      son[c] = static_cast<std::uint16_t>(j);
      c = l;
    }
    c = prnt[c];
  } while (c != 0);
}

const TPositionTables& PositionTables() {
  static const TPositionTables tables = [] {
    TPositionTables t;
    // (first value, values per code, number of codes, code bits)
    struct Range {
      int From, Each, Codes, Bits;
    };
    const Range ranges[] = {{0, 32, 1, 3}, {32, 16, 3, 4}, {80, 8, 8, 5},
                            {144, 4, 12, 6}, {192, 2, 24, 7}, {240, 1, 16, 8}};
    int code = 0;
    for (const Range& r : ranges) {
      for (int c = 0; c < r.Codes; ++c, ++code)
        for (int v = 0; v < r.Each; ++v) {
          const int i = r.From + c * r.Each + v;
          t.Code[i] = static_cast<std::uint8_t>(code);
          t.Length[i] = static_cast<std::uint8_t>(r.Bits);
        }
    }
    return t;
  }();
  return tables;
}

}  // namespace velmora::lzh
