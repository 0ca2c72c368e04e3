// Fuzz target: the stored form's text parser on any bytes.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "framework/form_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    velmora::ParseFormText({reinterpret_cast<const char*>(data), size});
  } catch (const velmora::EFormTextError&) {
  }
  return 0;
}
