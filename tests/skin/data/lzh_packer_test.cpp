// Our packer: round trips of every kind of data, the parse against an exhaustive
// search, and the coding of single literals and matches.
#include "skin/data/lzh_packer.h"

#include <gtest/gtest.h>

#include <string>

#include "plain_unlzh.h"
#include "sample_data.h"
#include "skin/data/lzh.h"
#include "skin/data/lzh_encoder.h"
#include "skin/data/lzh_format.h"

namespace velmora {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes unpack(const Bytes& source) {
  Bytes out;
  EXPECT_TRUE(TLZH().Unpack(source, out));
  return out;
}

Bytes textOf(const std::string& s) { return {s.begin(), s.end()}; }

// A few runs and repeats of short patterns between unpatterned stretches.
Bytes runsAndRepeats(std::size_t size) {
  Bytes out;
  const Bytes noise = bench::RandomBytes(size, 99);
  for (std::size_t i = 0; out.size() < size; ++i) {
    switch (i % 4) {
      case 0: out.insert(out.end(), 5 + i % 200, static_cast<std::uint8_t>(i)); break;
      case 1: for (std::size_t k = 0; k < 40; ++k) out.push_back(static_cast<std::uint8_t>("abc"[k % 3])); break;
      case 2: out.insert(out.end(), noise.begin(), noise.begin() + static_cast<std::ptrdiff_t>(i % 90)); break;
      default: for (std::size_t k = 0; k < 300; ++k) out.push_back(noise[k % 7]); break;
    }
  }
  out.resize(size);
  return out;
}

// Two symbols only: chains are long and matches rarely reach their limit.
Bytes twoSymbols(std::size_t size) {
  Bytes out = bench::RandomBytes(size, 5);
  for (auto& b : out) b = (b & 1) ? 'x' : 'y';
  return out;
}

// A bitmap with noise in the low bits of every pixel, as a photograph has: mostly
// literals, so a few hundred KB rebuild the tree many times.
Bytes photoLike() {
  Bytes bitmap = bench::BitmapLike(320, 240, 21);
  const Bytes noise = bench::RandomBytes(bitmap.size(), 22);
  for (std::size_t i = 54; i < bitmap.size(); ++i) bitmap[i] = static_cast<std::uint8_t>(bitmap[i] ^ (noise[i] & 7));
  return bitmap;
}

Bytes allByteValues() {
  Bytes out;
  for (int round = 0; round < 3; ++round) {
    for (int b = 0; b < 256; ++b) out.push_back(static_cast<std::uint8_t>(b));
  }
  return out;
}

struct TSample {
  const char* Name;
  Bytes Data;
};

TEST(LzhPackerTest, RoundTrips) {
  const TSample samples[] = {
      {"empty", {}},
      {"one byte", {'A'}},
      {"one space", {' '}},
      {"two bytes", {0, 255}},
      {"all spaces", Bytes(100000, ' ')},
      {"all zeros", Bytes(70000, 0)},
      {"text", bench::TextLike(200000, 3)},
      {"random", bench::RandomBytes(300000, 4)},
      {"bitmap-like", bench::BitmapLike(400, 250, 5)},
      {"photo-like bitmap", photoLike()},
      {"runs and repeats", runsAndRepeats(50000)},
      {"two symbols", twoSymbols(30000)},
      {"every byte value", allByteValues()},
      {"window-sized repeat", [] {
         Bytes b = bench::RandomBytes(lzh::N, 8);
         Bytes twice = b;
         twice.insert(twice.end(), b.begin(), b.end());
         return twice;
       }()},
  };
  for (const auto& sample : samples) {
    const Bytes packed = TLZHPacker::Pack(sample.Data);
    EXPECT_EQ(unpack(packed), sample.Data) << sample.Name;
    EXPECT_EQ(bench::PlainUnpack(packed), sample.Data) << sample.Name;
  }
}

TEST(LzhPackerTest, RepetitiveDataPacksSmall) {
  const Bytes zeros(1 << 20, 0);
  const Bytes packed = TLZHPacker::Pack(zeros);
  // 60 bytes a match; each costs a short symbol code plus nine position bits.
  EXPECT_LT(packed.size(), zeros.size() / 30);
  EXPECT_TRUE(lzh::IsExpandableSize(zeros.size(), packed.size()));
  EXPECT_EQ(unpack(packed), zeros);
  // Leading spaces come from the ring's initial fill: one 60-byte match.
  EXPECT_LE(TLZHPacker::Pack(Bytes(60, ' ')).size(), 4u + 3u);
}

TEST(LzhPackerTest, RefusesInputLargerThanTheExpanderAccepts) {
  const Bytes tooLarge(lzh::MaxExpandedSize + 1, 0);
  EXPECT_THROW(TLZHPacker::Pack(tooLarge), std::length_error);
}

TEST(LzhEncoderTest, LiteralsAndOverlappingMatches) {
  const struct {
    const char* what;
    std::vector<std::pair<int, int>> tokens;  // length 0: literal of the byte in .second
    std::string expected;
  } cases[] = {
      {"a match of the just-written byte repeats it", {{0, 'A'}, {10, 1}}, "AAAAAAAAAAA"},
      {"a period-3 overlap", {{0, 'a'}, {0, 'b'}, {0, 'c'}, {7, 3}}, "abcabcabca"},
      {"the initial spaces", {{3, 5}, {0, 'x'}, {4, 1}}, "   xxxxx"},
      {"the farthest place still written", {{0, 'q'}, {3, 4036 + 1}}, "q   "},
      {"a match of the longest length", {{0, 'z'}, {60, 1}}, std::string(61, 'z')},
  };
  for (const auto& c : cases) {
    lzh::TLZHEncoder encoder(static_cast<std::uint32_t>(c.expected.size()));
    for (const auto& [length, value] : c.tokens) {
      if (length == 0) {
        encoder.PutLiteral(static_cast<std::uint8_t>(value));
      } else {
        encoder.PutMatch(length, value);
      }
    }
    const Bytes stream = encoder.Finish();
    EXPECT_EQ(unpack(stream), textOf(c.expected)) << c.what;
    EXPECT_EQ(bench::PlainUnpack(stream), textOf(c.expected)) << c.what;
  }
}

// The yardstick: every place in the window tried, longest kept, nearest first.
class TExhaustiveFinder final : public lzh::TMatchFinder {
 public:
  lzh::TMatch Longest(std::span<const std::uint8_t> text, std::size_t position, int maxLength) override {
    lzh::TMatch best;
    const std::size_t farthest = std::min<std::size_t>(position, lzh::N);
    for (std::size_t distance = 1; distance <= farthest; ++distance) {
      int length = 0;
      while (length < maxLength && text[position - distance + length] == text[position + length]) ++length;
      if (length > best.Length) best = {length, static_cast<int>(distance)};
      if (length == maxLength) break;
    }
    return best.Length >= lzh::MinMatch ? best : lzh::TMatch{};
  }
  void Skip(std::span<const std::uint8_t>, std::size_t) override {}
};

// Asks both finders at every place and keeps what each said.
class TComparingFinder final : public lzh::TMatchFinder {
 public:
  explicit TComparingFinder(lzh::TMatchFinder& fast) : FFast(fast) {}

  lzh::TMatch Longest(std::span<const std::uint8_t> text, std::size_t position, int maxLength) override {
    const lzh::TMatch fast = FFast.Longest(text, position, maxLength);
    const lzh::TMatch exhaustive = FExhaustive.Longest(text, position, maxLength);
    if (fast.Length != exhaustive.Length || fast.Distance != exhaustive.Distance) ++FDisagreements;
    return fast;
  }
  void Skip(std::span<const std::uint8_t> text, std::size_t position) override { FFast.Skip(text, position); }

  int FDisagreements = 0;

 private:
  lzh::TMatchFinder& FFast;
  TExhaustiveFinder FExhaustive;
};

TEST(LzhPackerTest, WithinOnePercentOfExhaustiveSearch) {
  const TSample samples[] = {
      {"text", bench::TextLike(12000, 11)},
      {"bitmap-like", bench::BitmapLike(80, 50, 12)},
      {"random", bench::RandomBytes(8000, 13)},
      {"runs and repeats", runsAndRepeats(12000)},
      {"two symbols", twoSymbols(12000)},
      {"all spaces", Bytes(9000, ' ')},
  };
  for (const auto& sample : samples) {
    TExhaustiveFinder exhaustive;
    const std::size_t reference = lzh::PackGreedy(sample.Data, exhaustive).size();
    const std::size_t ours = TLZHPacker::Pack(sample.Data).size();
    EXPECT_LE(ours * 100, reference * 101) << sample.Name << ": " << ours << " against " << reference;

    // Our finder gives the very match the exhaustive search gives, at every place.
    auto fast = lzh::MakeHashChainFinder();
    TComparingFinder comparing(*fast);
    lzh::PackGreedy(sample.Data, comparing);
    EXPECT_EQ(comparing.FDisagreements, 0) << sample.Name;
  }
}

}  // namespace
}  // namespace velmora
