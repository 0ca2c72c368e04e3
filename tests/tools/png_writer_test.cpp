// PNG writing: the checksums, deflate round trips through an independent inflater,
// and the file's chunks read back.
#include "png_writer.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "inflate.h"

namespace velmora::tools {
namespace {

std::vector<std::uint8_t> bytesOf(const std::string& s) { return {s.begin(), s.end()}; }

TEST(PngChecksums, KnownValues) {
  EXPECT_EQ(Crc32(bytesOf("123456789")), 0xCBF43926u);
  EXPECT_EQ(Crc32(bytesOf("")), 0u);
  EXPECT_EQ(Crc32(bytesOf("IEND")), 0xAE426082u);
  EXPECT_EQ(Adler32(bytesOf("Wikipedia")), 0x11E60398u);
  EXPECT_EQ(Adler32(bytesOf("")), 1u);
}

std::vector<std::uint8_t> sample(const std::string& kind, std::size_t size) {
  std::mt19937 random(42);
  std::vector<std::uint8_t> out(size);
  for (std::size_t i = 0; i < size; ++i) {
    if (kind == "random") out[i] = static_cast<std::uint8_t>(random());
    if (kind == "zeros") out[i] = 0;
    if (kind == "period7") out[i] = static_cast<std::uint8_t>(i % 7 * 31);
    if (kind == "text") out[i] = static_cast<std::uint8_t>("the skin of the window, the skin of the menu "[i % 45]);
    if (kind == "far") out[i] = static_cast<std::uint8_t>(i < size / 2 ? random() : out[i - size / 2]);
  }
  return out;
}

TEST(Deflate, RoundTripsThroughAnIndependentInflater) {
  struct TCase {
    const char* Kind;
    std::size_t Size;
  };
  // Empty and tiny inputs, every match length up to 258, distances up to the window.
  const TCase cases[] = {{"zeros", 0},      {"zeros", 1},      {"zeros", 2},         {"text", 3},
                         {"zeros", 100000}, {"period7", 5000}, {"text", 20000},      {"random", 3000},
                         {"far", 60000},    {"far", 600}};
  for (const TCase& c : cases) {
    const auto input = sample(c.Kind, c.Size);
    const auto packed = ZlibCompress(input);
    const auto back = testing::Inflate(packed);
    ASSERT_TRUE(back.has_value()) << c.Kind << " " << c.Size;
    EXPECT_EQ(*back, input) << c.Kind << " " << c.Size;
  }
}

TEST(Deflate, RepetitionIsCompressed) {
  EXPECT_LT(ZlibCompress(sample("zeros", 100000)).size(), 1000u);
  EXPECT_LT(ZlibCompress(sample("text", 20000)).size(), 400u);
}

std::uint32_t be32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return static_cast<std::uint32_t>(b[at]) << 24 | b[at + 1] << 16 | b[at + 2] << 8 | b[at + 3];
}

struct TChunk {
  std::string Type;
  std::vector<std::uint8_t> Data;
};

// The chunks of a PNG file, each checked against its CRC.
std::vector<TChunk> chunksOf(const std::vector<std::uint8_t>& png) {
  std::vector<TChunk> chunks;
  for (std::size_t at = 8; at + 12 <= png.size();) {
    const std::uint32_t length = be32(png, at);
    const std::vector<std::uint8_t> typed(png.begin() + at + 4, png.begin() + at + 8 + length);
    EXPECT_EQ(be32(png, at + 8 + length), Crc32(typed));
    chunks.push_back({std::string(typed.begin(), typed.begin() + 4), {typed.begin() + 4, typed.end()}});
    at += 12 + length;
  }
  return chunks;
}

// Undoes the row filters (none, sub, up, average, Paeth) of 8-bit RGB rows.
std::vector<std::uint8_t> unfilter(const std::vector<std::uint8_t>& data, int width, int height) {
  const std::size_t stride = static_cast<std::size_t>(width) * 3;
  std::vector<std::uint8_t> out, above(stride, 0);
  for (int y = 0; y < height; ++y) {
    const std::uint8_t filter = data[y * (stride + 1)];
    std::vector<std::uint8_t> row(data.begin() + y * (stride + 1) + 1, data.begin() + (y + 1) * (stride + 1));
    for (std::size_t i = 0; i < stride; ++i) {
      const int a = i >= 3 ? row[i - 3] : 0, b = above[i], c = i >= 3 ? above[i - 3] : 0;
      int predicted = 0;
      if (filter == 1) predicted = a;
      if (filter == 2) predicted = b;
      if (filter == 3) predicted = (a + b) / 2;
      if (filter == 4) {
        const int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
        predicted = pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
      }
      row[i] = static_cast<std::uint8_t>(row[i] + predicted);
    }
    out.insert(out.end(), row.begin(), row.end());
    above = row;
  }
  return out;
}

TEST(Png, ChunksAndPixelsReadBack) {
  TRaster picture(37, 11);
  for (int y = 0; y < 11; ++y)
    for (int x = 0; x < 37; ++x) picture.Set(x, y, Rgb(x * 7, y * 23, (x * y) % 256));
  const auto png = Png(picture);
  const std::vector<std::uint8_t> signature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  ASSERT_GE(png.size(), 8u);
  EXPECT_EQ(std::vector<std::uint8_t>(png.begin(), png.begin() + 8), signature);
  const auto chunks = chunksOf(png);
  ASSERT_EQ(chunks.size(), 3u);
  EXPECT_EQ(chunks[0].Type, "IHDR");
  EXPECT_EQ(be32(chunks[0].Data, 0), 37u);
  EXPECT_EQ(be32(chunks[0].Data, 4), 11u);
  EXPECT_EQ(std::vector<std::uint8_t>(chunks[0].Data.begin() + 8, chunks[0].Data.end()),
            (std::vector<std::uint8_t>{8, 2, 0, 0, 0}));
  EXPECT_EQ(chunks[1].Type, "IDAT");
  EXPECT_EQ(chunks[2].Type, "IEND");
  const auto data = testing::Inflate(chunks[1].Data);
  ASSERT_TRUE(data.has_value());
  ASSERT_EQ(data->size(), 11u * (37 * 3 + 1));
  const auto pixels = unfilter(*data, 37, 11);
  for (int y = 0; y < 11; ++y)
    for (int x = 0; x < 37; ++x) {
      const std::size_t at = (static_cast<std::size_t>(y) * 37 + x) * 3;
      ASSERT_EQ(Rgb(pixels[at], pixels[at + 1], pixels[at + 2]), picture.Get(x, y)) << x << "," << y;
    }
}

}  // namespace
}  // namespace velmora::tools
