// Writing PNG files: filtering, deflate with fixed Huffman codes, CRC-32, Adler-32.
#include "png_writer.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string_view>

namespace velmora::tools {

std::uint32_t Crc32(std::span<const std::uint8_t> bytes, std::uint32_t crc) {
  static const auto table = [] {
    std::array<std::uint32_t, 256> t{};
    for (std::uint32_t n = 0; n < 256; ++n) {
      std::uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[n] = c;
    }
    return t;
  }();
  crc = ~crc;
  for (std::uint8_t b : bytes) crc = table[(crc ^ b) & 0xFF] ^ (crc >> 8);
  return ~crc;
}

std::uint32_t Adler32(std::span<const std::uint8_t> bytes) {
  std::uint32_t a = 1, b = 0;
  for (std::uint8_t byte : bytes) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  return b << 16 | a;
}

namespace {

// Bits go out least significant first; Huffman codes most significant first.
class TBitWriter {
 public:
  explicit TBitWriter(std::vector<std::uint8_t>& out) : FOut(out) {}
  void Bits(std::uint32_t value, int count) {
    FAcc |= static_cast<std::uint64_t>(value) << FCount;
    FCount += count;
    while (FCount >= 8) {
      FOut.push_back(static_cast<std::uint8_t>(FAcc));
      FAcc >>= 8;
      FCount -= 8;
    }
  }
  void Code(std::uint32_t code, int length) {
    std::uint32_t reversed = 0;
    for (int i = 0; i < length; ++i) reversed |= (code >> i & 1) << (length - 1 - i);
    Bits(reversed, length);
  }
  void Flush() {
    if (FCount > 0) FOut.push_back(static_cast<std::uint8_t>(FAcc));
    FAcc = 0;
    FCount = 0;
  }

 private:
  std::vector<std::uint8_t>& FOut;
  std::uint64_t FAcc = 0;
  int FCount = 0;
};

// The fixed literal/length code of deflate.
void putSymbol(TBitWriter& w, int symbol) {
  if (symbol < 144) w.Code(0x30 + symbol, 8);
  else if (symbol < 256) w.Code(0x190 + symbol - 144, 9);
  else if (symbol < 280) w.Code(symbol - 256, 7);
  else w.Code(0xC0 + symbol - 280, 8);
}

constexpr std::array<int, 29> LengthBase = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                            31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<int, 29> LengthExtra = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                             2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<int, 30> DistanceBase = {1,   2,   3,   4,   5,   7,    9,    13,   17,   25,
                                              33,  49,  65,  97,  129, 193,  257,  385,  513,  769,
                                              1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::array<int, 30> DistanceExtra = {0, 0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6,
                                               6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

template <std::size_t N>
int codeFor(const std::array<int, N>& base, int value) {
  int i = static_cast<int>(N) - 1;
  while (base[static_cast<std::size_t>(i)] > value) --i;
  return i;
}

void putMatch(TBitWriter& w, int length, int distance) {
  const int l = codeFor(LengthBase, length);
  putSymbol(w, 257 + l);
  w.Bits(static_cast<std::uint32_t>(length - LengthBase[static_cast<std::size_t>(l)]), LengthExtra[static_cast<std::size_t>(l)]);
  const int d = codeFor(DistanceBase, distance);
  w.Code(static_cast<std::uint32_t>(d), 5);
  w.Bits(static_cast<std::uint32_t>(distance - DistanceBase[static_cast<std::size_t>(d)]),
         DistanceExtra[static_cast<std::size_t>(d)]);
}

constexpr int Window = 32768, MinMatch = 3, MaxMatch = 258, MaxChain = 48;
constexpr int HashBits = 15;

std::uint32_t hashAt(std::span<const std::uint8_t> in, std::size_t i) {
  const std::uint32_t v = in[i] | in[i + 1] << 8 | in[i + 2] << 16;
  return (v * 2654435761u) >> (32 - HashBits);
}

// One final block with the fixed codes; greedy matching along hash chains.
void deflateFixed(std::span<const std::uint8_t> in, TBitWriter& w) {
  w.Bits(1, 1);  // final block
  w.Bits(1, 2);  // fixed Huffman codes
  std::vector<int> head(1 << HashBits, -1), previous(in.size(), -1);
  auto insert = [&](std::size_t i) {
    if (i + MinMatch > in.size()) return;
    const std::uint32_t h = hashAt(in, i);
    previous[i] = head[h];
    head[h] = static_cast<int>(i);
  };
  std::size_t i = 0;
  while (i < in.size()) {
    int bestLength = 0, bestDistance = 0;
    if (i + MinMatch <= in.size()) {
      const int limit = static_cast<int>(std::min<std::size_t>(MaxMatch, in.size() - i));
      int candidate = head[hashAt(in, i)];
      for (int chain = 0; candidate >= 0 && chain < MaxChain; ++chain, candidate = previous[candidate]) {
        const int distance = static_cast<int>(i) - candidate;
        if (distance > Window) break;
        int length = 0;
        while (length < limit && in[candidate + length] == in[i + length]) ++length;
        if (length > bestLength) bestLength = length, bestDistance = distance;
        if (length == limit) break;
      }
    }
    if (bestLength >= MinMatch) {
      putMatch(w, bestLength, bestDistance);
      for (int k = 0; k < bestLength; ++k) insert(i + k);
      i += bestLength;
    } else {
      putSymbol(w, in[i]);
      insert(i);
      ++i;
    }
  }
  putSymbol(w, 256);
  w.Flush();
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

void putChunk(std::vector<std::uint8_t>& out, std::string_view type, std::span<const std::uint8_t> data) {
  put32(out, static_cast<std::uint32_t>(data.size()));
  std::vector<std::uint8_t> typed(type.begin(), type.end());
  typed.insert(typed.end(), data.begin(), data.end());
  out.insert(out.end(), typed.begin(), typed.end());
  put32(out, Crc32(typed));
}

// Each row gets the filter (none, sub or up) that leaves the smallest sum of bytes
// taken as signed values, the usual guess at what compresses best.
std::vector<std::uint8_t> filteredRows(const TRaster& picture) {
  const std::size_t stride = static_cast<std::size_t>(picture.Width()) * 3;
  std::vector<std::uint8_t> out, row(stride), above(stride, 0);
  for (int y = 0; y < picture.Height(); ++y) {
    for (int x = 0; x < picture.Width(); ++x) {
      const TColor c = picture.Get(x, y);
      row[x * 3] = static_cast<std::uint8_t>(RedOf(c));
      row[x * 3 + 1] = static_cast<std::uint8_t>(GreenOf(c));
      row[x * 3 + 2] = static_cast<std::uint8_t>(BlueOf(c));
    }
    std::array<std::vector<std::uint8_t>, 3> candidates;
    for (int filter = 0; filter < 3; ++filter) {
      std::vector<std::uint8_t>& f = candidates[static_cast<std::size_t>(filter)];
      f.resize(stride);
      for (std::size_t i = 0; i < stride; ++i) {
        const std::uint8_t left = i >= 3 ? row[i - 3] : 0;
        const std::uint8_t predicted = filter == 0 ? 0 : filter == 1 ? left : above[i];
        f[i] = static_cast<std::uint8_t>(row[i] - predicted);
      }
    }
    auto cost = [](const std::vector<std::uint8_t>& f) {
      long sum = 0;
      for (std::uint8_t b : f) sum += std::abs(static_cast<int>(static_cast<std::int8_t>(b)));
      return sum;
    };
    int best = 0;
    for (int filter = 1; filter < 3; ++filter)
      if (cost(candidates[static_cast<std::size_t>(filter)]) < cost(candidates[static_cast<std::size_t>(best)])) best = filter;
    out.push_back(static_cast<std::uint8_t>(best));
    out.insert(out.end(), candidates[static_cast<std::size_t>(best)].begin(), candidates[static_cast<std::size_t>(best)].end());
    above = row;
  }
  return out;
}

}  // namespace

std::vector<std::uint8_t> ZlibCompress(std::span<const std::uint8_t> bytes) {
  std::vector<std::uint8_t> out = {0x78, 0x01};  // deflate, 32 KiB window, no dictionary
  TBitWriter w(out);
  deflateFixed(bytes, w);
  put32(out, Adler32(bytes));
  return out;
}

std::vector<std::uint8_t> Png(const TRaster& picture) {
  std::vector<std::uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<std::uint8_t> header;
  put32(header, static_cast<std::uint32_t>(picture.Width()));
  put32(header, static_cast<std::uint32_t>(picture.Height()));
  header.insert(header.end(), {8, 2, 0, 0, 0});  // 8 bits, RGB, deflate, adaptive filters, no interlace
  putChunk(out, "IHDR", header);
  putChunk(out, "IDAT", ZlibCompress(filteredRows(picture)));
  putChunk(out, "IEND", {});
  return out;
}

}  // namespace velmora::tools
