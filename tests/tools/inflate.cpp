// The tests' inflater.
#include "inflate.h"

#include <array>

namespace velmora::tools::testing {

namespace {

class TBitReader {
 public:
  explicit TBitReader(std::span<const std::uint8_t> in) : FIn(in) {}
  bool Failed = false;
  std::uint32_t Bits(int count) {  // least significant bit first
    std::uint32_t v = 0;
    for (int i = 0; i < count; ++i) v |= static_cast<std::uint32_t>(bit()) << i;
    return v;
  }
  std::uint32_t Code(int count) {  // a Huffman code, most significant bit first
    std::uint32_t v = 0;
    for (int i = 0; i < count; ++i) v = v << 1 | static_cast<std::uint32_t>(bit());
    return v;
  }
  std::uint32_t Extend(std::uint32_t code) { return code << 1 | static_cast<std::uint32_t>(bit()); }
  void Align() { FBit = (FBit + 7) / 8 * 8; }
  std::size_t BytePosition() const { return FBit / 8; }

 private:
  int bit() {
    if (FBit / 8 >= FIn.size()) {
      Failed = true;
      return 0;
    }
    const int b = FIn[FBit / 8] >> (FBit % 8) & 1;
    ++FBit;
    return b;
  }
  std::span<const std::uint8_t> FIn;
  std::size_t FBit = 0;
};

int fixedSymbol(TBitReader& r) {
  std::uint32_t code = r.Code(7);
  if (code <= 23) return 256 + static_cast<int>(code);
  code = r.Extend(code);
  if (code >= 48 && code <= 191) return static_cast<int>(code) - 48;
  if (code >= 192 && code <= 199) return 280 + static_cast<int>(code) - 192;
  code = r.Extend(code);
  return 144 + static_cast<int>(code) - 400;
}

constexpr std::array<int, 29> LengthBase = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                            31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<int, 29> LengthExtra = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                             2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<int, 30> DistanceBase = {1,    2,    3,    4,    5,    7,     9,     13,    17,    25,
                                              33,   49,   65,   97,   129,  193,   257,   385,   513,   769,
                                              1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::array<int, 30> DistanceExtra = {0, 0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6,
                                               6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

std::uint32_t adler32(const std::vector<std::uint8_t>& bytes) {
  std::uint32_t a = 1, b = 0;
  for (std::uint8_t byte : bytes) a = (a + byte) % 65521, b = (b + a) % 65521;
  return b << 16 | a;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> Inflate(std::span<const std::uint8_t> zlib) {
  if (zlib.size() < 6 || (zlib[0] & 0x0F) != 8 || (zlib[0] << 8 | zlib[1]) % 31 != 0) return std::nullopt;
  TBitReader r(zlib.subspan(2));
  std::vector<std::uint8_t> out;
  for (bool last = false; !last;) {
    last = r.Bits(1) == 1;
    const std::uint32_t type = r.Bits(2);
    if (type == 0) {
      r.Align();
      const std::uint32_t length = r.Bits(16), complement = r.Bits(16);
      if ((length ^ 0xFFFF) != complement) return std::nullopt;
      for (std::uint32_t i = 0; i < length; ++i) out.push_back(static_cast<std::uint8_t>(r.Bits(8)));
    } else if (type == 1) {
      for (;;) {
        const int symbol = fixedSymbol(r);
        if (r.Failed || symbol > 285) return std::nullopt;
        if (symbol < 256) {
          out.push_back(static_cast<std::uint8_t>(symbol));
          continue;
        }
        if (symbol == 256) break;
        const std::size_t l = static_cast<std::size_t>(symbol - 257);
        const int length = LengthBase[l] + static_cast<int>(r.Bits(LengthExtra[l]));
        const std::size_t d = r.Code(5);
        if (d >= DistanceBase.size()) return std::nullopt;
        const std::size_t distance = static_cast<std::size_t>(DistanceBase[d]) + r.Bits(DistanceExtra[d]);
        if (distance > out.size()) return std::nullopt;
        for (int i = 0; i < length; ++i) out.push_back(out[out.size() - distance]);
      }
    } else {
      return std::nullopt;
    }
    if (r.Failed) return std::nullopt;
  }
  r.Align();
  const std::size_t at = 2 + r.BytePosition();
  if (at + 4 > zlib.size()) return std::nullopt;
  const std::uint32_t stated = static_cast<std::uint32_t>(zlib[at]) << 24 | zlib[at + 1] << 16 | zlib[at + 2] << 8 | zlib[at + 3];
  if (stated != adler32(out)) return std::nullopt;
  return out;
}

}  // namespace velmora::tools::testing
