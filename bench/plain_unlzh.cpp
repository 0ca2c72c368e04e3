// The plain expander: every step as written, nothing shared with TLZH.
#include "plain_unlzh.h"

#include <vector>

namespace velmora::bench {
namespace {

constexpr int N = 4096, F = 60, Threshold = 2, NChar = 256 - Threshold + F, T = NChar * 2 - 1, R = T - 1;
constexpr unsigned MaxFreq = 0x8000;

const std::uint8_t* positionCode() {
  static std::uint8_t code[256];
  static bool built = false;
  if (!built) {
    int i = 0;
    for (; i < 32; ++i) code[i] = 0;
    for (int c = 1; c <= 3; ++c) for (int k = 0; k < 16; ++k) code[i++] = static_cast<std::uint8_t>(c);
    for (int c = 4; c <= 11; ++c) for (int k = 0; k < 8; ++k) code[i++] = static_cast<std::uint8_t>(c);
    for (int c = 12; c <= 23; ++c) for (int k = 0; k < 4; ++k) code[i++] = static_cast<std::uint8_t>(c);
    for (int c = 24; c <= 47; ++c) for (int k = 0; k < 2; ++k) code[i++] = static_cast<std::uint8_t>(c);
    for (int c = 48; c <= 63; ++c) code[i++] = static_cast<std::uint8_t>(c);
    built = true;
  }
  return code;
}

int positionLength(int i) {
  if (i < 32) return 3;
  if (i < 80) return 4;
  if (i < 144) return 5;
  if (i < 192) return 6;
  if (i < 240) return 7;
  return 8;
}

class TPlain {
 public:
  TPlain(std::span<const std::uint8_t> source) : src(source), ring(N + F - 1, 0), freq(T + 1), prnt(T + NChar), son(T) {}

  std::vector<std::uint8_t> Run() {
    std::uint32_t size = 0;
    for (int i = 0; i < 4; ++i) size |= std::uint32_t{ReadByte()} << (8 * i);
    StartHuff();
    for (int i = 0; i < N - F; ++i) ring[i] = 0x20;
    int r = N - F;
    std::vector<std::uint8_t> out;
    std::uint32_t count = 0;
    while (count < size) {
      int c = DecodeChar();
      if (c < 256) {
        out.push_back(static_cast<std::uint8_t>(c));
        ring[r] = static_cast<std::uint8_t>(c);
        r = (r + 1) & (N - 1);
        ++count;
      } else {
        int i = (r - DecodePosition() - 1) & (N - 1);
        int j = c - 255 + Threshold;
        for (int k = 0; k < j; ++k) {
          std::uint8_t b = ring[(i + k) & (N - 1)];
          out.push_back(b);
          ring[r] = b;
          r = (r + 1) & (N - 1);
          ++count;
        }
      }
    }
    return out;
  }

 private:
  std::uint8_t ReadByte() { return pos < src.size() ? src[pos++] : 0; }

  int GetBit() {
    while (len <= 8) {
      buf = static_cast<std::uint16_t>(buf | (ReadByte() << (8 - len)));
      len = static_cast<std::uint8_t>(len + 8);
    }
    int bit = (buf & 0x8000) ? 1 : 0;
    buf = static_cast<std::uint16_t>(buf << 1);
    --len;
    return bit;
  }

  int GetByte() {
    while (len <= 8) {
      buf = static_cast<std::uint16_t>(buf | (ReadByte() << (8 - len)));
      len = static_cast<std::uint8_t>(len + 8);
    }
    int b = buf >> 8;
    buf = static_cast<std::uint16_t>(buf << 8);
    len = static_cast<std::uint8_t>(len - 8);
    return b;
  }

  void StartHuff() {
    for (int i = 0; i < NChar; ++i) {
      freq[i] = 1;
      son[i] = static_cast<std::uint16_t>(i + T);
      prnt[i + T] = static_cast<std::uint16_t>(i);
    }
    int i = 0;
    for (int j = NChar; j <= R; ++j) {
      freq[j] = static_cast<std::uint16_t>(freq[i] + freq[i + 1]);
      son[j] = static_cast<std::uint16_t>(i);
      prnt[i] = prnt[i + 1] = static_cast<std::uint16_t>(j);
      i += 2;
    }
    freq[T] = 0xFFFF;
    prnt[R] = 0;
  }

  void Reconst() {
    int j = 0;
    for (int i = 0; i < T; ++i) {
      if (son[i] >= T) {
        freq[j] = static_cast<std::uint16_t>((freq[i] + 1) / 2);
        son[j] = son[i];
        ++j;
      }
    }
    int i = 0;
    for (j = NChar; j < T; i += 2, ++j) {
      unsigned f = freq[i] + freq[i + 1];
      int m = j - 1;
      while (freq[m] > f) --m;
      int k = m + 1;
      for (int q = j; q > k; --q) {
        freq[q] = freq[q - 1];
        son[q] = son[q - 1];
      }
      freq[k] = static_cast<std::uint16_t>(f);
      son[k] = static_cast<std::uint16_t>(i);
    }
    for (i = 0; i < T; ++i) {
      int k = son[i];
      if (k >= T) {
        prnt[k] = static_cast<std::uint16_t>(i);
      } else {
        prnt[k] = prnt[k + 1] = static_cast<std::uint16_t>(i);
      }
    }
  }

  void Update(int s) {
    if (freq[R] == MaxFreq) Reconst();
    int c = prnt[s + T];
    do {
      unsigned k = ++freq[c];
      if (k > freq[c + 1]) {
        int l = c + 1;
        while (k > freq[l]) ++l;
        --l;
        freq[c] = freq[l];
        freq[l] = static_cast<std::uint16_t>(k);
        int i = son[c];
        prnt[i] = static_cast<std::uint16_t>(l);
        if (i < T) prnt[i + 1] = static_cast<std::uint16_t>(l);
        int j = son[l];
        son[l] = static_cast<std::uint16_t>(i);
        prnt[j] = static_cast<std::uint16_t>(c);
        if (j < T) prnt[j + 1] = static_cast<std::uint16_t>(c);
        son[c] = static_cast<std::uint16_t>(j);
        c = l;
      }
      c = prnt[c];
    } while (c != 0);
  }

  int DecodeChar() {
    unsigned c = son[R];
    while (c < static_cast<unsigned>(T)) c = son[c + GetBit()];
    c -= T;
    Update(static_cast<int>(c));
    return static_cast<int>(c);
  }

  int DecodePosition() {
    int i = GetByte();
    int high = positionCode()[i] << 6;
    int j = positionLength(i) - 2;
    while (j--) i = (i << 1) + GetBit();
    return high | (i & 0x3F);
  }

  std::span<const std::uint8_t> src;
  std::size_t pos = 0;
  std::uint16_t buf = 0;
  std::uint8_t len = 0;
  std::vector<std::uint8_t> ring;
  std::vector<std::uint16_t> freq, prnt, son;
};

}  // namespace

std::vector<std::uint8_t> PlainUnpack(std::span<const std::uint8_t> source) { return TPlain(source).Run(); }

}  // namespace velmora::bench
