// Position tables of the compressed stream, built from their ranges.
#include "skin/data/lzh_format.h"

namespace velmora::lzh {
namespace {

// Codes 0..63 by ranges of the first byte: how many codes a range holds, how many byte
// values each of them takes, and the bit length of codes in that range.
struct TPositionRange {
  int Codes;
  int ValuesPerCode;
  int Length;
};
constexpr TPositionRange positionRanges[] = {
    {1, 32, 3}, {3, 16, 4}, {8, 8, 5}, {12, 4, 6}, {24, 2, 7}, {16, 1, 8},
};

TPositionTables buildPositionTables() {
  TPositionTables tables{};
  int byte = 0;
  int code = 0;
  for (const auto& range : positionRanges) {
    for (int c = 0; c < range.Codes; ++c, ++code) {
      for (int v = 0; v < range.ValuesPerCode; ++v, ++byte) {
        tables.Code[byte] = static_cast<std::uint8_t>(code);
        tables.Length[byte] = static_cast<std::uint8_t>(range.Length);
      }
    }
  }
  return tables;
}

std::array<TPositionCode, 64> buildPositionCodes() {
  const auto& tables = PositionTables();
  std::array<TPositionCode, 64> codes{};
  // The code of a range's first byte is that byte's top Length bits.
  for (int byte = 255; byte >= 0; --byte) {
    const int length = tables.Length[byte];
    codes[tables.Code[byte]] = {static_cast<std::uint8_t>(byte >> (8 - length)),
                                static_cast<std::uint8_t>(length)};
  }
  return codes;
}

}  // namespace

bool IsExpandableSize(std::uint64_t claimedSize, std::uint64_t storedSize) {
  return claimedSize <= MaxExpandedSize &&
         claimedSize <= ExpansionSlack + MaxBytesPerStoredByte * storedSize;
}

const TPositionTables& PositionTables() {
  static const TPositionTables tables = buildPositionTables();
  return tables;
}

const std::array<TPositionCode, 64>& PositionCodes() {
  static const std::array<TPositionCode, 64> codes = buildPositionCodes();
  return codes;
}

}  // namespace velmora::lzh
