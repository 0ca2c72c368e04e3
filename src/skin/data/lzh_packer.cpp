// Packing: match search over hash chains, then the same coding the expander reads.
#include "skin/data/lzh_packer.h"

#include <algorithm>
#include <array>
#include <memory>

#include "skin/data/lzh_tree.h"

namespace velmora {
namespace {

using namespace lzh;

class BitOutput {
 public:
  explicit BitOutput(std::vector<std::uint8_t>& out) : FOut(out) {}
  void Bits(unsigned value, int count) {
    for (int i = count - 1; i >= 0; --i) {
      FByte = static_cast<std::uint8_t>(FByte << 1 | ((value >> i) & 1));
      if (++FFill == 8) {
        FOut.push_back(FByte);
        FByte = 0;
        FFill = 0;
      }
    }
  }
  void Flush() {
    if (FFill) FOut.push_back(static_cast<std::uint8_t>(FByte << (8 - FFill)));
    FFill = 0;
  }

 private:
  std::vector<std::uint8_t>& FOut;
  std::uint8_t FByte = 0;
  int FFill = 0;
};

// The code of each position's upper 6 bits: a prefix of 3 to 8 bits.
struct PositionCode {
  unsigned Prefix;
  int Bits;
};
const std::array<PositionCode, 64>& positionCodes() {
  static const std::array<PositionCode, 64> codes = [] {
    std::array<PositionCode, 64> c{};
    const TPositionTables& t = PositionTables();
    for (int i = 255; i >= 0; --i) c[t.Code[i]] = {static_cast<unsigned>(i) >> (8 - t.Length[i]), t.Length[i]};
    return c;
  }();
  return codes;
}

void encodeSymbol(TTree& tree, int symbol, BitOutput& out) {
  unsigned path = 0;
  int depth = 0;
  for (int node = tree.prnt[symbol + T]; node != R; node = tree.prnt[node]) {
    path |= static_cast<unsigned>(node - tree.son[tree.prnt[node]]) << depth;
    ++depth;
  }
  out.Bits(path, depth);
  tree.Update(symbol);
}

void encodePosition(int position, BitOutput& out) {
  const PositionCode& code = positionCodes()[position >> 6];
  out.Bits(code.Prefix, code.Bits);
  out.Bits(static_cast<unsigned>(position & 0x3F), 6);
}

// The text the window slides over: the ring's initial spaces, then the input.
class MatchFinder {
 public:
  explicit MatchFinder(std::span<const std::uint8_t> input) {
    FText.resize(N - F + input.size());
    std::fill(FText.begin(), FText.begin() + (N - F), std::uint8_t{0x20});
    std::copy(input.begin(), input.end(), FText.begin() + (N - F));
    FPrevious.assign(FText.size(), -1);
    FHead.fill(-1);
    for (int a = 0; a < N - F; ++a) insert(a);
  }

  // The longest match for the text at `at` (nearest first among equal lengths).
  std::pair<int, int> Find(int at) const {  // (length, distance)
    const int limit = std::min<int>(F, static_cast<int>(FText.size()) - at);
    int bestLength = 0, bestDistance = 0;
    if (limit < Threshold + 1) return {0, 0};
    for (int a = FHead[hashAt(at)]; a >= 0 && at - a <= N; a = FPrevious[a]) {
      int length = 0;
      while (length < limit && FText[a + length] == FText[at + length]) ++length;
      if (length > bestLength) {
        bestLength = length;
        bestDistance = at - a;
        if (length == limit) break;
      }
    }
    return {bestLength, bestDistance};
  }

  void insert(int at) {
    if (at + 2 >= static_cast<int>(FText.size())) return;
    const unsigned h = hashAt(at);
    FPrevious[at] = FHead[h];
    FHead[h] = at;
  }

  int Start() const { return N - F; }
  int End() const { return static_cast<int>(FText.size()); }
  std::uint8_t At(int at) const { return FText[at]; }

 private:
  unsigned hashAt(int at) const {
    if (at + 2 >= static_cast<int>(FText.size())) return 0;
    return (FText[at] * 2654435761u ^ FText[at + 1] * 40503u ^ FText[at + 2]) & (HashSize - 1);
  }
  static constexpr unsigned HashSize = 1u << 16;
  std::vector<std::uint8_t> FText;
  std::vector<int> FPrevious;
  std::array<int, HashSize> FHead{};
};

}  // namespace

std::vector<std::uint8_t> PackLZH(std::span<const std::uint8_t> input) {
  std::vector<std::uint8_t> out;
  const auto size = static_cast<std::uint32_t>(input.size());
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(size >> (8 * i)));
  BitOutput bits(out);
  auto tree = std::make_unique<TTree>();
  auto finder = std::make_unique<MatchFinder>(input);

  for (int at = finder->Start(); at < finder->End();) {
    auto [length, distance] = finder->Find(at);
    if (length > Threshold) {
      encodeSymbol(*tree, length + 253, bits);
      encodePosition(distance - 1, bits);
    } else {
      length = 1;
      encodeSymbol(*tree, finder->At(at), bits);
    }
    for (int k = 0; k < length; ++k) finder->insert(at + k);
    at += length;
  }
  bits.Flush();
  return out;
}

}  // namespace velmora
