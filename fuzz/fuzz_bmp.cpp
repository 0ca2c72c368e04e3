// Fuzz target: the BMP reader on any bytes.
#include <cstddef>
#include <cstdint>

#include "framework/bmp_image.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  velmora::TBmpImage image;
  if (image.LoadFromBytes({data, size})) {
    // Every pixel of a loaded image can be read.
    std::uint32_t sum = 0;
    for (int y = 0; y < image.Height(); ++y) sum += image.Row(y)[image.Width() - 1];
    (void)sum;
  }
  return 0;
}
