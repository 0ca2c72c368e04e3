// Integers as the settings file stores them: decimal, "$" hexadecimal, or a "0x"
// prefix that profile readers turn into "$". Portable: no Win32.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace velmora {

// Decimal with an optional sign, or hexadecimal after "$" (up to 32 bits, wrapping
// into the signed range as the platform's integer reading does). Leading blanks are
// allowed, anything else that is not part of the number makes the text unreadable.
std::optional<std::int32_t> ParseInteger(std::string_view text);

// The profile-file rule: text of more than two characters that starts with 0x or 0X is
// hexadecimal; everything else goes through ParseInteger; unreadable text gives `def`.
std::int32_t ProfileIntegerOr(std::string_view text, std::int32_t def);

}  // namespace velmora
