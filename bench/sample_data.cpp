// Generators of sample skin data; deterministic for a given seed.
#include "sample_data.h"

#include <random>
#include <string>

namespace velmora::bench {
namespace {

void putLE(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

struct TRgb {
  int R, G, B;
};

}  // namespace

std::vector<std::uint8_t> BitmapLike(int width, int height, std::uint32_t seed) {
  std::mt19937 random(seed);
  const int stride = (width * 3 + 3) & ~3;
  std::vector<std::uint8_t> out;
  out.push_back('B');
  out.push_back('M');
  putLE(out, 54 + stride * height, 4);
  putLE(out, 0, 4);
  putLE(out, 54, 4);
  putLE(out, 40, 4);
  putLE(out, width, 4);
  putLE(out, height, 4);
  putLE(out, 1, 2);
  putLE(out, 24, 2);
  putLE(out, 0, 4);
  putLE(out, stride * height, 4);
  putLE(out, 2835, 4);
  putLE(out, 2835, 4);
  putLE(out, 0, 4);
  putLE(out, 0, 4);

  const TRgb base{static_cast<int>(random() % 200) + 30, static_cast<int>(random() % 200) + 30,
                  static_cast<int>(random() % 200) + 30};
  const int frames = 1 + static_cast<int>(random() % 5);
  const int frameWidth = width / frames;
  const int border = 2 + static_cast<int>(random() % 4);
  const int noise = static_cast<int>(random() % 3);  // 0: clean, else a little dither
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const int fx = frameWidth > 0 ? x % frameWidth : x;
      TRgb c;
      const bool corner = (fx < border || fx >= frameWidth - border) && (y < border || y >= height - border);
      if (corner) {
        c = {255, 0, 255};  // transparent
      } else if (fx < border || fx >= frameWidth - border || y < border || y >= height - border) {
        c = {base.R / 2, base.G / 2, base.B / 2};
      } else {
        const int shade = (y * 64) / (height > 0 ? height : 1) + (x / (frameWidth > 0 ? frameWidth : 1)) * 12;
        c = {base.R + shade / 2, base.G + shade / 3, base.B + shade / 4};
        if (noise != 0 && random() % 8 == 0) c.G += static_cast<int>(random() % 3) - 1;
      }
      out.push_back(static_cast<std::uint8_t>(std::min(c.B, 255)));
      out.push_back(static_cast<std::uint8_t>(std::min(c.G, 255)));
      out.push_back(static_cast<std::uint8_t>(std::min(c.R, 255)));
    }
    for (int pad = width * 3; pad < stride; ++pad) out.push_back(0);
  }
  return out;
}

std::vector<std::uint8_t> TextLike(std::size_t size, std::uint32_t seed) {
  static const char* const sections[] = {"Form", "Button", "CheckBox", "Radio", "ScrollBar", "Menu", "Tab", "Edit"};
  static const char* const keys[] = {"Bitmap", "Margins", "Trans", "Tile", "Color", "Font", "Frames", "Align"};
  std::mt19937 random(seed);
  std::string text;
  while (text.size() < size) {
    text += "[";
    text += sections[random() % 8];
    text += std::to_string(random() % 10);
    text += "]\r\n";
    const int lines = 3 + static_cast<int>(random() % 6);
    for (int i = 0; i < lines; ++i) {
      text += keys[random() % 8];
      text += "=";
      if (random() % 2) {
        text += std::to_string(random() % 4) + "," + std::to_string(random() % 4) + "," + std::to_string(random() % 4);
      } else {
        text += "item" + std::to_string(random() % 40) + ".bmp";
      }
      text += "\r\n";
    }
  }
  text.resize(size);
  return {text.begin(), text.end()};
}

std::vector<std::uint8_t> RandomBytes(std::size_t size, std::uint32_t seed) {
  std::mt19937 random(seed);
  std::vector<std::uint8_t> out(size);
  for (auto& b : out) b = static_cast<std::uint8_t>(random() >> 24);
  return out;
}

std::vector<TSkinPackageEntry> DefaultSizedSkin() {
  std::vector<TSkinPackageEntry> entries;
  const auto text = TextLike(6000, 1);
  entries.push_back({"skin.ini", text});
  for (int i = 0; i < 35; ++i) {
    const int width = 16 + (i * 37) % 120;
    const int height = 12 + (i * 23) % 30;
    entries.push_back({"item" + std::to_string(i) + ".bmp", BitmapLike(width, height, 100 + i)});
  }
  return entries;
}

}  // namespace velmora::bench
