// The greedy parse and its match finder: hash chains over three-byte prefixes, walked
// from the nearest place back to the window's far end, so the first of the longest
// matches found is the nearest.
#include "skin/data/lzh_packer.h"

#include <algorithm>
#include <array>
#include <memory>
#include <stdexcept>

#include "skin/data/lzh_encoder.h"
#include "skin/data/lzh_format.h"

namespace velmora {
namespace lzh {
namespace {

class THashChainFinder final : public TMatchFinder {
 public:
  THashChainFinder() { FHead.fill(-1); }

  TMatch Longest(std::span<const std::uint8_t> text, std::size_t position, int maxLength) override {
    TMatch best;
    if (maxLength >= MinMatch) {
      const std::ptrdiff_t farthest = static_cast<std::ptrdiff_t>(position) - N;
      const std::uint8_t* here = text.data() + position;
      for (std::ptrdiff_t candidate = FHead[hashAt(text, position)]; candidate >= 0 && candidate >= farthest;
           candidate = FPrevious[static_cast<std::size_t>(candidate) & (N - 1)]) {
        const std::uint8_t* there = text.data() + candidate;
        // Only a candidate that also agrees one byte past the best so far can beat it.
        if (best.Length > 0 && there[best.Length] != here[best.Length]) continue;
        const int length = matchLength(there, here, maxLength);
        if (length > best.Length) {
          best = {length, static_cast<int>(static_cast<std::ptrdiff_t>(position) - candidate)};
          if (length == maxLength) break;
        }
      }
    }
    Skip(text, position);
    return best.Length >= MinMatch ? best : TMatch{};
  }

  void Skip(std::span<const std::uint8_t> text, std::size_t position) override {
    if (position + MinMatch > text.size()) return;  // too close to the end to start a match
    const std::size_t hash = hashAt(text, position);
    FPrevious[position & (N - 1)] = FHead[hash];
    FHead[hash] = static_cast<std::ptrdiff_t>(position);
  }

 private:
  static constexpr int HashBits = 15;

  static std::size_t hashAt(std::span<const std::uint8_t> text, std::size_t position) {
    if (position + MinMatch > text.size()) return 0;
    const std::uint32_t key = (std::uint32_t{text[position]} << 16) | (std::uint32_t{text[position + 1]} << 8) |
                              text[position + 2];
    return (key * 2654435761u) >> (32 - HashBits);
  }

  static int matchLength(const std::uint8_t* there, const std::uint8_t* here, int maxLength) {
    int length = 0;
    while (length < maxLength && there[length] == here[length]) ++length;
    return length;
  }

  std::array<std::ptrdiff_t, std::size_t{1} << HashBits> FHead;
  // The place before each of the last N places with the same hash.
  std::array<std::ptrdiff_t, N> FPrevious{};
};

}  // namespace

std::unique_ptr<TMatchFinder> MakeHashChainFinder() { return std::make_unique<THashChainFinder>(); }

std::vector<std::uint8_t> PackGreedy(std::span<const std::uint8_t> Input, TMatchFinder& finder) {
  if (Input.size() > MaxExpandedSize) throw std::length_error("input is larger than a skin package may expand to");

  std::vector<std::uint8_t> text(InitialFill + Input.size(), FillByte);
  std::copy(Input.begin(), Input.end(), text.begin() + InitialFill);
  for (std::size_t p = 0; p < InitialFill; ++p) finder.Skip(text, p);

  TLZHEncoder encoder(static_cast<std::uint32_t>(Input.size()));
  std::size_t position = InitialFill;
  while (position < text.size()) {
    const int maxLength = static_cast<int>(std::min<std::size_t>(F, text.size() - position));
    const TMatch match = finder.Longest(text, position, maxLength);
    if (match.Length >= MinMatch) {
      encoder.PutMatch(match.Length, match.Distance);
      for (int k = 1; k < match.Length; ++k) finder.Skip(text, position + k);
      position += static_cast<std::size_t>(match.Length);
    } else {
      encoder.PutLiteral(text[position]);
      ++position;
    }
  }
  return encoder.Finish();
}

}  // namespace lzh

std::vector<std::uint8_t> TLZHPacker::Pack(std::span<const std::uint8_t> Input) {
  // The finder's tables (about 300 kB) live on the heap.
  const auto finder = lzh::MakeHashChainFinder();
  return lzh::PackGreedy(Input, *finder);
}

}  // namespace velmora
