// Integer reading for profile values.
#include "framework/profile_integer.h"

#include <limits>

namespace velmora {
namespace {

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::optional<std::uint32_t> parseHex(std::string_view digits) {
  if (digits.empty()) return std::nullopt;
  std::uint64_t value = 0;
  for (char c : digits) {
    int d = hexDigit(c);
    if (d < 0) return std::nullopt;
    value = value * 16 + static_cast<unsigned>(d);
    if (value > std::numeric_limits<std::uint32_t>::max()) return std::nullopt;
  }
  return static_cast<std::uint32_t>(value);
}

std::optional<std::uint64_t> parseDecimal(std::string_view digits) {
  if (digits.empty()) return std::nullopt;
  std::uint64_t value = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + static_cast<unsigned>(c - '0');
    if (value > std::uint64_t{1} << 32) return std::nullopt;
  }
  return value;
}

}  // namespace

std::optional<std::int32_t> ParseInteger(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';

  if (i < text.size() && text[i] == '$') {
    auto hex = parseHex(text.substr(i + 1));
    if (!hex) return std::nullopt;
    std::uint32_t bits = negative ? 0u - *hex : *hex;
    return static_cast<std::int32_t>(bits);
  }

  auto dec = parseDecimal(text.substr(i));
  if (!dec) return std::nullopt;
  const std::int64_t signedValue = negative ? -static_cast<std::int64_t>(*dec)
                                            : static_cast<std::int64_t>(*dec);
  if (signedValue < std::numeric_limits<std::int32_t>::min() ||
      signedValue > std::numeric_limits<std::int32_t>::max())
    return std::nullopt;
  return static_cast<std::int32_t>(signedValue);
}

std::int32_t ProfileIntegerOr(std::string_view text, std::int32_t def) {
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    auto hex = parseHex(text.substr(2));
    return hex ? static_cast<std::int32_t>(*hex) : def;
  }
  return ParseInteger(text).value_or(def);
}

}  // namespace velmora
