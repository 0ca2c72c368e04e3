// Skin packages made by the tests: BMP files of chosen pixels, and a definition text
// with its bitmaps packed as the program stores a skin.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace velmora::test {

using Bytes = std::vector<std::uint8_t>;

// A 24-bit bottom-up BMP; `pixel(x, y)` gives 0xRRGGBB with y from the top.
Bytes MakeBmp(int width, int height, const std::function<std::uint32_t(int x, int y)>& pixel);
// Every pixel the same.
Bytes MakeBmp(int width, int height, std::uint32_t colour = 0x336699);

struct TTestEntry {
  std::string Name;
  Bytes Data;
};
// The compressed package of a definition text "skin.ini" followed by `bitmaps`.
Bytes PackSkin(const std::string& ini, const std::vector<TTestEntry>& bitmaps, std::uint32_t version = 70000);

// The bytes of the "SkinStream" property holding `package`: its length (32 bits, low
// byte first), then the package.
Bytes SkinStreamBlock(const Bytes& package);
// The "SkinStream" value of a stored form holding `package` (length-prefixed).
std::string SkinStreamProperty(const Bytes& package);

}  // namespace velmora::test
