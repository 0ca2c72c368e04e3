// Our packing side: a greedy parse that takes at each place the longest match the
// window offers (the nearest among equally long ones), coded by TLZHEncoder.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace velmora {

namespace lzh {

struct TMatch {
  int Length = 0;
  int Distance = 0;  // 1..N bytes back
};

// Searches the text the expander sees: the ring's initial spaces, then the input.
// Places are handed over in increasing order, each once, through one of the calls.
class TMatchFinder {
 public:
  virtual ~TMatchFinder() = default;
  // The longest match for `position` among the N places before it (and not before
  // the text's start), at most `maxLength` long, the nearest on ties.
  virtual TMatch Longest(std::span<const std::uint8_t> text, std::size_t position, int maxLength) = 0;
  // A place that the parse passes over (inside a match, or part of the initial fill).
  virtual void Skip(std::span<const std::uint8_t> text, std::size_t position) = 0;
};

// The finder TLZHPacker uses: hash chains over three-byte prefixes, walked nearest
// first; it finds exactly what an exhaustive search of the window finds.
std::unique_ptr<TMatchFinder> MakeHashChainFinder();

// Packs Input with `finder` choosing the matches. Throws std::length_error when Input
// is longer than the expander agrees to expand.
std::vector<std::uint8_t> PackGreedy(std::span<const std::uint8_t> Input, TMatchFinder& finder);

}  // namespace lzh

class TLZHPacker {
 public:
  // The compressed stream of Input (4-byte size field, then the bits). Throws
  // std::length_error when Input is longer than the expander agrees to expand.
  static std::vector<std::uint8_t> Pack(std::span<const std::uint8_t> Input);
};

}  // namespace velmora
