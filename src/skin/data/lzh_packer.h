// The packing side of the skin package coder: greedy longest matches (3 to 60 bytes,
// the nearest of equal length) over the 4096-byte window, coded with the same adaptive
// Huffman tree the expanding side keeps, after the 4-byte expanded size. Portable.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace velmora {

std::vector<std::uint8_t> PackLZH(std::span<const std::uint8_t> input);

}  // namespace velmora
