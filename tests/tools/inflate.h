// A small inflater for the tests of our deflate: stored blocks and blocks with the
// fixed Huffman codes (all that the writer makes). Written from the format, apart
// from the writer, so that a round trip checks one against the other.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace velmora::tools::testing {

// The bytes of a zlib stream, or nothing when the stream is malformed, uses dynamic
// codes, or its Adler-32 does not match.
std::optional<std::vector<std::uint8_t>> Inflate(std::span<const std::uint8_t> zlib);

}  // namespace velmora::tools::testing
