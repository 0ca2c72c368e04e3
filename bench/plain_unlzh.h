// The expander written step by step as the format describes it: a 16-bit bit buffer
// filled a byte at a time, one bit per tree step, the 4155-byte ring, one byte at a
// time into the output. Slow on purpose: the yardstick that the benchmark measures
// TLZH against and that tests and the fuzz target compare TLZH's output with.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace velmora::bench {

// Expands `source` whatever size it claims (callers keep it small).
std::vector<std::uint8_t> PlainUnpack(std::span<const std::uint8_t> source);

}  // namespace velmora::bench
