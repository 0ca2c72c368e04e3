// TLZH: streams written out bit by bit, the limits on the stored size, streams cut
// short, and agreement with the step-by-step expander on arbitrary bit streams.
#include "skin/data/lzh.h"

#include <gtest/gtest.h>

#include <string>

#include "plain_unlzh.h"
#include "sample_data.h"
#include "skin/data/lzh_format.h"
#include "skin/data/lzh_packer.h"

namespace velmora {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A stream from its size field and its bits written as '0'/'1' (spaces ignored),
// padded with zero bits to a whole byte.
Bytes streamOf(std::uint32_t size, const std::string& bits) {
  Bytes out;
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(size >> (8 * i)));
  int count = 0;
  std::uint8_t byte = 0;
  for (char c : bits) {
    if (c == ' ') continue;
    byte = static_cast<std::uint8_t>((byte << 1) | (c == '1'));
    if (++count == 8) {
      out.push_back(byte);
      count = 0;
      byte = 0;
    }
  }
  if (count > 0) out.push_back(static_cast<std::uint8_t>(byte << (8 - count)));
  return out;
}

Bytes unpack(const Bytes& source) {
  Bytes out{0xAA};  // Unpack empties its destination first
  EXPECT_TRUE(TLZH().Unpack(source, out));
  return out;
}

Bytes repeated(std::uint8_t byte, std::size_t count) { return Bytes(count, byte); }

Bytes concat(Bytes a, const Bytes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// In the starting tree the longest match (symbol 313) is reached by 11000101, and
// zero bits lead to the byte 't' (symbol 116). A position's upper six bits 63 are
// coded 11111111, 0 is coded 000; the lower six bits follow.
const std::string Match60 = "11000101";

TEST(LzhTest, HandWrittenStreams) {
  const struct {
    const char* what;
    std::uint32_t size;
    std::string bits;
    Bytes expected;
  } cases[] = {
      {"size 0 gives nothing", 0, "1111", {}},
      {"zero bits from the starting tree give 't'", 1, "", {'t'}},
      {"match one back into the spaces, overlapping itself", 60, Match60 + "000 000000", repeated(0x20, 60)},
      {"match from the ring's first byte", 60, Match60 + "11111111 000011", repeated(0x20, 60)},
      {"the ring's unwritten last byte, then the spaces after the wrap", 60, Match60 + "11111111 000100",
       concat({0}, repeated(0x20, 59))},
      {"the farthest position: the unwritten end of the ring", 60, Match60 + "11111111 111111", repeated(0, 60)},
      {"a final match is copied whole", 1, Match60 + "000 000000", repeated(0x20, 60)},
  };
  for (const auto& c : cases) {
    const Bytes stream = streamOf(c.size, c.bits);
    EXPECT_EQ(unpack(stream), c.expected) << c.what;
    EXPECT_EQ(bench::PlainUnpack(stream), c.expected) << c.what << " (step-by-step expander)";
  }
}

TEST(LzhTest, SourceShorterThanItsSizeFieldReadsZeros) {
  EXPECT_EQ(unpack({}), Bytes{});
  EXPECT_EQ(unpack({1}), Bytes{'t'});
  EXPECT_EQ(unpack({1, 0, 0}), Bytes{'t'});
}

TEST(LzhTest, StatedSizeBeyondTheLimitIsRefusedWithoutOutput) {
  const struct {
    std::uint32_t size;
    std::size_t streamBytes;  // size field included
    bool expandable;
  } cases[] = {
      {0xFFFFFFFF, 64 << 20, false},
      {(64u << 20) + 1, 64 << 20, false},
      {64u << 20, 1 << 20, true},
      {(64u << 10) + 128 * 100, 100, true},
      {(64u << 10) + 128 * 100 + 1, 100, false},
      {1u << 20, 8, false},
      {64u << 10, 4, true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(lzh::IsExpandableSize(c.size, c.streamBytes), c.expandable) << c.size << " from " << c.streamBytes;
  }
  for (std::uint32_t size : {0xFFFFFFFFu, (64u << 20) + 1, 1u << 20}) {
    Bytes stream = streamOf(size, "0101");
    Bytes out{1, 2, 3};
    EXPECT_FALSE(TLZH().Unpack(stream, out)) << size;
    EXPECT_TRUE(out.empty()) << size;
  }
}

TEST(LzhTest, MissingBitsAreZeros) {
  const Bytes input = bench::BitmapLike(120, 90, 7);
  const Bytes packed = TLZHPacker::Pack(input);
  for (std::size_t keep : {std::size_t{4}, std::size_t{5}, packed.size() / 3, packed.size() / 2, packed.size() - 1}) {
    const Bytes cut(packed.begin(), packed.begin() + static_cast<std::ptrdiff_t>(keep));
    const Bytes padded = concat(cut, Bytes(packed.size() * 2, 0));
    const Bytes out = unpack(cut);
    EXPECT_GE(out.size(), input.size()) << keep;
    EXPECT_LT(out.size(), input.size() + lzh::F) << keep;
    EXPECT_EQ(out, unpack(padded)) << keep;
    EXPECT_EQ(out, bench::PlainUnpack(cut)) << keep;
  }
  // The part whose bits were all there is still right.
  const Bytes half(packed.begin(), packed.begin() + static_cast<std::ptrdiff_t>(packed.size() / 2));
  const Bytes out = unpack(half);
  EXPECT_TRUE(std::equal(input.begin(), input.begin() + static_cast<std::ptrdiff_t>(input.size() / 4), out.begin()));
}

// Arbitrary bits decode to arbitrary symbols: long runs of them rebuild the tree many
// times in states no packer would reach.
TEST(LzhTest, AgreesWithStepByStepExpanderOnArbitraryBits) {
  for (std::uint32_t seed = 1; seed <= 6; ++seed) {
    const std::uint32_t size = 40000 * seed;
    Bytes stream = streamOf(size, "");
    const Bytes bits = bench::RandomBytes(size / 2, seed);
    stream.insert(stream.end(), bits.begin(), bits.end());
    const Bytes out = unpack(stream);
    EXPECT_GE(out.size(), size);
    EXPECT_EQ(out, bench::PlainUnpack(stream)) << "seed " << seed;
  }
}

}  // namespace
}  // namespace velmora
