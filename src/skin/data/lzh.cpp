// The expanding side. Decoded bytes go straight into the destination; the window the
// matches copy from is the output itself, in front of which stands what the ring holds
// before anything is produced.
#include "skin/data/lzh.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

#include "skin/data/lzh_format.h"
#include "skin/data/lzh_tree.h"

namespace velmora {
namespace {

using namespace lzh;

// Bits most significant first, left-aligned in a 64-bit word; past the end of the
// stream every bit is 0.
class TBitSource {
 public:
  explicit TBitSource(std::span<const std::uint8_t> bytes)
      : FPos(bytes.data()), FEnd(bytes.data() + bytes.size()) {}

  // At least 57 bits held after this.
  void Refill() {
    if (FEnd - FPos >= 8) {
      std::uint64_t word;
      std::memcpy(&word, FPos, 8);
      word = toBigEndian(word);
      // Bits past the ones counted are the stream's own next bits, so OR-ing them in
      // again later changes nothing.
      FBuffer |= word >> FCount;
      FPos += (63 - FCount) >> 3;
      FCount |= 56;
      return;
    }
    while (FCount <= 56) {
      const std::uint64_t byte = FPos < FEnd ? *FPos++ : 0;
      FBuffer |= byte << (56 - FCount);
      FCount += 8;
    }
  }

  // The top `count` bits (1..32) without taking them.
  unsigned Peek(int count) {
    if (FCount < count) Refill();
    return static_cast<unsigned>(FBuffer >> (64 - count));
  }

  void Skip(int count) {
    FBuffer <<= count;
    FCount -= count;
  }

 private:
  static std::uint64_t toBigEndian(std::uint64_t word) {
    if constexpr (std::endian::native == std::endian::little) return __builtin_bswap64(word);
    return word;
  }

  const std::uint8_t* FPos;
  const std::uint8_t* FEnd;
  std::uint64_t FBuffer = 0;
  int FCount = 0;
};

std::uint32_t readExpandedSize(std::span<const std::uint8_t> source) {
  // A source shorter than the size field reads zeros for its missing bytes.
  std::uint32_t size = 0;
  for (std::size_t i = 0; i < SizeFieldBytes && i < source.size(); ++i) size |= std::uint32_t{source[i]} << (8 * i);
  return size;
}

// What a match reaching back before the first output byte finds: the ring's bytes at
// those places. Distances up to N - F reach the initial spaces; the F places after them
// have not been written yet and read as 0.
constexpr std::array<std::uint8_t, N> initialHistory = [] {
  std::array<std::uint8_t, N> history{};
  for (int i = F; i < N; ++i) history[i] = FillByte;
  return history;
}();

class TExpander {
 public:
  TExpander(std::span<const std::uint8_t> bits, std::uint8_t* out) : FBits(bits), FOut(out) {}

  // Produces symbols until `size` bytes (or a few more, the rest of a final match)
  // are out; returns how many.
  std::size_t Run(std::size_t size) {
    std::size_t produced = 0;
    while (produced < size) {
      const int c = DecodeSymbol();
      if (c < 256) {
        FOut[produced++] = static_cast<std::uint8_t>(c);
      } else {
        const int position = DecodePosition();
        produced = CopyMatch(produced, position, c - 256 + MinMatch);
      }
    }
    return produced;
  }

 private:
  // The path is walked over a window of bits taken at once (a path longer than the
  // window, which no tree of these counts has, takes another), and the nodes passed are
  // kept for the update, which goes back up the same way.
  int DecodeSymbol() {
    std::size_t depth = 0;
    bool whole = true;
    FPath[depth++] = R;
    unsigned c = FTree.Son(R);
    while (c < T) {
      std::uint32_t window = FBits.Peek(32);
      int used = 0;
      for (; c < T && used < 32; ++used, window <<= 1) {
        const unsigned node = c + (window >> 31);
        if (depth < FPath.size()) {
          FPath[depth++] = static_cast<std::uint16_t>(node);
        } else {
          whole = false;  // only a broken tree has such a path; updated the plain way
        }
        c = FTree.Son(static_cast<int>(node));
      }
      FBits.Skip(used);
    }
    const int symbol = static_cast<int>(c) - T;
    FTree.UpdateAlong(symbol, whole ? std::span<const std::uint16_t>(FPath.data(), depth) : std::span<const std::uint16_t>{});
    return symbol;
  }

  // Eight bits give the upper six bits of the position and how many bits their code
  // really took; the six bits after that code are the lower six.
  int DecodePosition() {
    const unsigned first = FBits.Peek(8);
    const int length = FTables.Length[first] + 6;
    const unsigned all = FBits.Peek(length);
    FBits.Skip(length);
    return (FTables.Code[first] << 6) | static_cast<int>(all & 0x3F);
  }

  // A match may overlap the bytes it is producing: it then repeats its first
  // `distance` bytes, so each stretch is copied from one that is already complete.
  std::size_t CopyMatch(std::size_t produced, int position, int length) {
    const std::ptrdiff_t from = static_cast<std::ptrdiff_t>(produced) - position - 1;
    std::uint8_t* to = FOut + produced;
    if (from >= 0) {
      const std::size_t distance = static_cast<std::size_t>(position) + 1;
      const std::size_t total = static_cast<std::size_t>(length);
      if (distance == 1) {
        std::memset(to, to[-1], total);
        return produced + total;
      }
      // Bytes `back` before any place hold the same byte, for every multiple of the
      // distance up to the bytes written so far plus one distance.
      std::size_t done = 0;
      std::size_t back = distance;
      while (done < total) {
        const std::size_t count = std::min(back, total - done);
        std::memcpy(to + done, to + done - back, count);
        done += count;
        back = (done / distance + 1) * distance;
      }
    } else {
      for (int k = 0; k < length; ++k) {
        const std::ptrdiff_t at = from + k;
        to[k] = at < 0 ? initialHistory[static_cast<std::size_t>(N + at)] : FOut[at];
      }
    }
    return produced + static_cast<std::size_t>(length);
  }

  TBitSource FBits;
  const TPositionTables& FTables = PositionTables();
  std::uint8_t* FOut;
  TLZHTree FTree;
  std::array<std::uint16_t, T> FPath;  // a path passes each node at most once
};

}  // namespace

bool TLZH::Unpack(std::span<const std::uint8_t> Source, std::vector<std::uint8_t>& Dest) {
  Dest.clear();
  const std::uint32_t size = readExpandedSize(Source);
  if (!IsExpandableSize(size, Source.size())) return false;
  if (size == 0) return true;

  // Room for the rest of a final match past the stated size.
  Dest.resize(std::size_t{size} + F - 1);
  const auto bits = Source.size() > SizeFieldBytes ? Source.subspan(SizeFieldBytes) : std::span<const std::uint8_t>{};
  TExpander expander(bits, Dest.data());
  Dest.resize(expander.Run(size));
  return true;
}

}  // namespace velmora
