// The adaptive tree keeps its shape through updates and rebuilds: counts in order,
// each inner count the sum of its children's, parent links that match child links.
#include "skin/data/lzh_tree.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

namespace velmora::lzh {
namespace {

// Empty when the tree is sound, else what is wrong.
std::string treeFault(const TLZHTree& tree) {
  for (int n = 0; n < R; ++n) {
    if (tree.Freq(n) > tree.Freq(n + 1)) return "counts out of order at node " + std::to_string(n);
  }
  std::vector<int> leaves(SymbolCount, 0);
  for (int n = 0; n < T; ++n) {
    const int son = tree.Son(n);
    if (son >= T) {
      if (son - T >= SymbolCount) return "bad leaf at node " + std::to_string(n);
      ++leaves[son - T];
      if (tree.Parent(son) != n) return "leaf link of node " + std::to_string(n);
    } else {
      if (tree.Freq(n) != tree.Freq(son) + tree.Freq(son + 1)) return "count of node " + std::to_string(n);
      if (tree.Parent(son) != n || tree.Parent(son + 1) != n) return "child links of node " + std::to_string(n);
    }
  }
  for (int s = 0; s < SymbolCount; ++s) {
    if (leaves[s] != 1) return "symbol " + std::to_string(s) + " has " + std::to_string(leaves[s]) + " leaves";
  }
  if (tree.Freq(R) > MaxFreq) return "root count above the limit";
  return {};
}

TEST(LzhTreeTest, StaysSoundThroughManyRebuilds) {
  const struct {
    const char* what;
    double skew;  // 0: every symbol alike; larger: a few symbols dominate
  } cases[] = {{"uniform", 0.0}, {"skewed", 1.2}, {"one symbol", 50.0}};
  for (const auto& c : cases) {
    TLZHTree tree;
    ASSERT_EQ(treeFault(tree), "") << "starting tree";
    std::mt19937 random(7);
    int rebuilds = 0;
    for (int step = 0; step < 200000; ++step) {
      const double u = std::generate_canonical<double, 32>(random);
      const int symbol = static_cast<int>(SymbolCount * std::pow(u, 1.0 + c.skew)) % SymbolCount;
      const bool rebuildDue = tree.Freq(R) == MaxFreq;
      tree.Update(symbol);
      if (rebuildDue) {
        ++rebuilds;
        ASSERT_EQ(treeFault(tree), "") << c.what << " after rebuild " << rebuilds;
        ASSERT_LT(tree.Freq(R), MaxFreq / 2 + SymbolCount + 1) << c.what;
      } else if (step % 1009 == 0) {
        ASSERT_EQ(treeFault(tree), "") << c.what << " at step " << step;
      }
    }
    EXPECT_GE(rebuilds, 8) << c.what;
  }
}

// The nodes from the root down to a symbol's leaf, read off the parent links.
std::vector<std::uint16_t> pathTo(const TLZHTree& tree, int symbol) {
  std::vector<std::uint16_t> path;
  for (int node = tree.Parent(symbol + T);; node = tree.Parent(node)) {
    path.insert(path.begin(), static_cast<std::uint16_t>(node));
    if (node == R) return path;
  }
}

bool sameTree(const TLZHTree& a, const TLZHTree& b) {
  for (int n = 0; n < T; ++n) {
    if (a.Freq(n) != b.Freq(n) || a.Son(n) != b.Son(n) || a.Parent(n) != b.Parent(n)) return false;
  }
  for (int s = 0; s < SymbolCount; ++s) {
    if (a.Parent(s + T) != b.Parent(s + T)) return false;
  }
  return true;
}

// The update that walks back along the decoded path ends in the very tree the plain
// update gives, swaps and rebuilds included.
TEST(LzhTreeTest, UpdateAlongThePathEqualsUpdate) {
  const struct {
    const char* what;
    double skew;
  } cases[] = {{"uniform", 0.0}, {"skewed", 1.2}, {"one symbol", 50.0}};
  for (const auto& c : cases) {
    TLZHTree plain, along;
    std::mt19937 random(11);
    for (int step = 0; step < 120000; ++step) {
      const double u = std::generate_canonical<double, 32>(random);
      const int symbol = static_cast<int>(SymbolCount * std::pow(u, 1.0 + c.skew)) % SymbolCount;
      const auto path = pathTo(along, symbol);
      plain.Update(symbol);
      along.UpdateAlong(symbol, path);
      if (step % 97 == 0 || plain.Freq(R) == MaxFreq) {
        ASSERT_TRUE(sameTree(plain, along)) << c.what << " at step " << step;
      }
    }
    EXPECT_TRUE(sameTree(plain, along)) << c.what;
  }
}

}  // namespace
}  // namespace velmora::lzh
