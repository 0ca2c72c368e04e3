// The package coder: round trips of every kind of data through our packer and the
// expander, the expander's own rules on hand-made streams, and the packer's output
// size against an exhaustive longest-match search.
#include "skin/data/lzh.h"

#include <gtest/gtest.h>

#include <random>

#include "skin/data/lzh_packer.h"
#include "skin/data/lzh_tree.h"

namespace velmora {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes randomBytes(std::size_t n, unsigned seed) {
  std::mt19937 rng(seed);
  Bytes b(n);
  for (auto& x : b) x = static_cast<std::uint8_t>(rng());
  return b;
}

// Rows of a 24-bit bitmap: runs of a few colours with noise, magenta borders.
Bytes bitmapLike(std::size_t n, unsigned seed) {
  std::mt19937 rng(seed);
  Bytes b;
  const std::uint8_t colours[][3] = {{255, 0, 255}, {200, 200, 200}, {40, 80, 160}, {250, 250, 250}};
  while (b.size() < n) {
    const auto* c = colours[rng() % 4];
    const std::size_t run = 1 + rng() % 40;
    for (std::size_t k = 0; k < run && b.size() < n; ++k)
      for (int ch = 0; ch < 3 && b.size() < n; ++ch)
        b.push_back(static_cast<std::uint8_t>(c[ch] + (rng() % 16 == 0 ? rng() % 3 : 0)));
  }
  return b;
}

Bytes textLike(std::size_t n) {
  const std::string words[] = {"[Form]\r\n", "Border=", "border.bmp", "\r\n", "Color=", "255,0,255",
                               "Margin", "Left=", "4", "Tile=1", "[Button]", "Frames=5"};
  Bytes b;
  std::mt19937 rng(7);
  while (b.size() < n) {
    const std::string& w = words[rng() % 12];
    b.insert(b.end(), w.begin(), w.end());
  }
  b.resize(n);
  return b;
}

Bytes unpack(const Bytes& packed) {
  Bytes out;
  EXPECT_TRUE(TLZH().Unpack(packed, out));
  return out;
}

TEST(LzhTest, RoundTripsOfEveryKind) {
  const struct {
    const char* name;
    Bytes data;
  } cases[] = {
      {"empty", {}},
      {"one byte", {0x41}},
      {"all spaces", Bytes(100000, 0x20)},
      {"all zeros", Bytes(70000, 0)},
      {"text", textLike(300000)},
      {"random", randomBytes(200000, 1)},
      {"bitmap-like", bitmapLike(600000, 2)},
      {"every byte", [] { Bytes b; for (int i = 0; i < 256 * 8; ++i) b.push_back(static_cast<std::uint8_t>(i * 7)); return b; }()},
  };
  for (const auto& c : cases) {
    const Bytes packed = PackLZH(c.data);
    EXPECT_EQ(unpack(packed), c.data) << c.name;
  }
}

TEST(LzhTest, CompressesWhatRepeats) {
  EXPECT_LT(PackLZH(Bytes(100000, 0x20)).size(), 3000u);  // 60 bytes a match
  EXPECT_LT(PackLZH(bitmapLike(300000, 3)).size(), 300000u / 3);
}

// A stream written bit by bit with the coder's own tree.
class StreamWriter {
 public:
  void Symbol(int s) {
    std::vector<int> path;
    for (int node = FTree.prnt[s + lzh::T]; node != lzh::R; node = FTree.prnt[node])
      path.push_back(node - FTree.son[FTree.prnt[node]]);
    for (auto it = path.rbegin(); it != path.rend(); ++it) Bit(*it);
    FTree.Update(s);
  }
  void Position(int p) {
    const auto& t = lzh::PositionTables();
    for (int i = 0; i < 256; ++i) {
      if (t.Code[i] == (p >> 6)) {
        for (int b = t.Length[i] - 1; b >= 0; --b) Bit(((i >> (8 - t.Length[i])) >> b) & 1);
        break;
      }
    }
    for (int b = 5; b >= 0; --b) Bit((p >> b) & 1);
  }
  void Bit(int b) {
    FByte = static_cast<std::uint8_t>(FByte << 1 | b);
    if (++FFill == 8) {
      FBits.push_back(FByte);
      FFill = 0;
    }
  }
  Bytes Finish(std::uint32_t size) {
    if (FFill) FBits.push_back(static_cast<std::uint8_t>(FByte << (8 - FFill)));
    Bytes out(4 + FBits.size());
    for (int i = 0; i < 4; ++i) out[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(size >> (8 * i));
    std::copy(FBits.begin(), FBits.end(), out.begin() + 4);
    return out;
  }

 private:
  lzh::TTree FTree;
  Bytes FBits;
  std::uint8_t FByte = 0;
  int FFill = 0;
};

TEST(LzhTest, FirstSymbolMayCopyTheInitialSpaces) {
  StreamWriter w;
  w.Symbol(253 + 5);  // a match of 5
  w.Position(100);
  w.Symbol('x');
  EXPECT_EQ(unpack(w.Finish(6)), Bytes({' ', ' ', ' ', ' ', ' ', 'x'}));
}

TEST(LzhTest, OverlappingMatchRepeatsTheBytesJustWritten) {
  StreamWriter w;
  w.Symbol('a');
  w.Symbol('b');
  w.Symbol(253 + 7);  // from two back, seven bytes: ababab a
  w.Position(1);
  EXPECT_EQ(unpack(w.Finish(9)), Bytes({'a', 'b', 'a', 'b', 'a', 'b', 'a', 'b', 'a'}));
}

TEST(LzhTest, AMatchIsCopiedWholePastTheStatedSize) {
  StreamWriter w;
  w.Symbol('q');
  w.Symbol(253 + 10);
  w.Position(0);
  EXPECT_EQ(unpack(w.Finish(3)), Bytes(11, 'q'));
}

TEST(LzhTest, SizeZeroReadsNothingAndTruncatedStreamsReadZeros) {
  EXPECT_TRUE(unpack({0, 0, 0, 0}).empty());
  const Bytes data = textLike(5000);
  Bytes packed = PackLZH(data);
  packed.resize(packed.size() / 2);
  const Bytes out = unpack(packed);
  EXPECT_GE(out.size(), data.size());  // the stated size, garbage after the cut
  EXPECT_TRUE(std::equal(data.begin(), data.begin() + 100, out.begin()));
  // With the bits gone, the size still comes out: zero bits decode as a symbol too.
  EXPECT_GE(unpack({0x10, 0, 0, 0}).size(), 16u);
}

TEST(LzhTest, RefusesSizesBeyondTheLimitAndMissingHeaders) {
  Bytes out{1, 2, 3};
  EXPECT_FALSE(TLZH().Unpack(Bytes{0xFF, 0xFF, 0xFF, 0xFF}, out));
  EXPECT_TRUE(out.empty());
  EXPECT_FALSE(TLZH().Unpack(Bytes{1, 0}, out));
  EXPECT_FALSE(TLZH().Unpack(Bytes{0, 0, 0, 5}, out, 1000));
}

TEST(LzhTest, TreeRebuildKeepsBothSidesInStep) {
  // Enough symbols to push the root past 0x8000 many times.
  const Bytes data = randomBytes(400000, 9);
  EXPECT_EQ(unpack(PackLZH(data)), data);
  lzh::TTree tree;
  for (int i = 0; i < 0x8000 - lzh::NChar; ++i) tree.Update(i % 7);
  EXPECT_EQ(tree.freq[lzh::R], 0x8000);
  tree.Update(0);  // rebuilds first
  EXPECT_LT(tree.freq[lzh::R], 0x8000 / 2 + lzh::NChar);
  for (int i = 0; i < lzh::T; ++i) {
    const int k = tree.son[i];
    EXPECT_EQ(tree.prnt[k], i);
    if (k < lzh::T) {
      EXPECT_EQ(tree.prnt[k + 1], i);
    }
    if (i + 1 < lzh::T) {
      EXPECT_LE(tree.freq[i], tree.freq[i + 1]);
    }
  }
}

// The exhaustive search: every distance, longest first, nearest among equals.
std::size_t exhaustivePackedBits(const Bytes& input) {
  Bytes text(lzh::N - lzh::F + input.size(), 0x20);
  std::copy(input.begin(), input.end(), text.begin() + (lzh::N - lzh::F));
  StreamWriter w;
  for (std::size_t at = lzh::N - lzh::F; at < text.size();) {
    const int limit = static_cast<int>(std::min<std::size_t>(lzh::F, text.size() - at));
    int best = 0, bestDistance = 0;
    for (int d = 1; d <= lzh::N && static_cast<std::size_t>(d) <= at; ++d) {
      int l = 0;
      while (l < limit && text[at - d + l] == text[at + l]) ++l;
      if (l > best) best = l, bestDistance = d;
      if (best == limit) break;
    }
    if (best >= 3) {
      w.Symbol(best + 253);
      w.Position(bestDistance - 1);
      at += best;
    } else {
      w.Symbol(text[at]);
      ++at;
    }
  }
  return w.Finish(static_cast<std::uint32_t>(input.size())).size();
}

TEST(LzhTest, PackerIsWithinOnePercentOfTheExhaustiveSearch) {
  const struct {
    const char* name;
    Bytes data;
  } cases[] = {{"text", textLike(20000)}, {"bitmap-like", bitmapLike(30000, 4)}, {"random", randomBytes(8000, 5)}};
  for (const auto& c : cases) {
    const double ours = static_cast<double>(PackLZH(c.data).size());
    const double best = static_cast<double>(exhaustivePackedBits(c.data));
    EXPECT_LE(ours, best * 1.01) << c.name;
  }
}

}  // namespace
}  // namespace velmora
