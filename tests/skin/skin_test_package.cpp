// Test skin packages.
#include "skin/skin_test_package.h"

#include <cstdio>

#include "skin/data/lzh_packer.h"
#include "skin/data/skin_package.h"

namespace velmora::test {

Bytes MakeBmp(int width, int height, const std::function<std::uint32_t(int x, int y)>& pixel) {
  const std::size_t stride = ((static_cast<std::size_t>(width) * 24 + 31) / 32) * 4;
  Bytes b(54 + stride * static_cast<std::size_t>(height), 0);
  auto put = [&](std::size_t at, std::uint32_t v, int n) {
    for (int i = 0; i < n; ++i) b[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
  };
  b[0] = 'B', b[1] = 'M';
  put(2, static_cast<std::uint32_t>(b.size()), 4);
  put(10, 54, 4), put(14, 40, 4), put(18, static_cast<std::uint32_t>(width), 4);
  put(22, static_cast<std::uint32_t>(height), 4), put(26, 1, 2), put(28, 24, 2);
  for (int y = 0; y < height; ++y) {
    const std::size_t row = 54 + stride * static_cast<std::size_t>(height - 1 - y);
    for (int x = 0; x < width; ++x) put(row + static_cast<std::size_t>(3 * x), pixel(x, y), 3);
  }
  return b;
}

Bytes MakeBmp(int width, int height, std::uint32_t colour) {
  return MakeBmp(width, height, [colour](int, int) { return colour; });
}

Bytes PackSkin(const std::string& ini, const std::vector<TTestEntry>& bitmaps, std::uint32_t version) {
  std::vector<TSkinPackageEntry> entries{{"skin.ini", Bytes(ini.begin(), ini.end())}};
  for (const TTestEntry& bitmap : bitmaps) entries.push_back({bitmap.Name, bitmap.Data});
  const Bytes image = BuildPackageImage(version, entries);
  auto finder = lzh::MakeHashChainFinder();
  return lzh::PackGreedy(image, *finder);
}

Bytes SkinStreamBlock(const Bytes& package) {
  const auto n = static_cast<std::uint32_t>(package.size());
  Bytes block{static_cast<std::uint8_t>(n), static_cast<std::uint8_t>(n >> 8), static_cast<std::uint8_t>(n >> 16),
              static_cast<std::uint8_t>(n >> 24)};
  block.insert(block.end(), package.begin(), package.end());
  return block;
}

std::string SkinStreamProperty(const Bytes& package) {
  const Bytes block = SkinStreamBlock(package);
  std::string text = "SkinStream = {";
  char digits[3];
  for (std::size_t i = 0; i < block.size(); ++i) {
    if (i % 32 == 0) text += "\n      ";
    std::snprintf(digits, sizeof digits, "%02X", block[i]);
    text += digits;
  }
  return text + "}";
}

}  // namespace velmora::test
