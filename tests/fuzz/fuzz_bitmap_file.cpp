// Fuzzes the bitmap decoder that reads the picture beside the program (and
// every bitmap file on surfaces without a loader of their own): any bytes
// give nothing or a bitmap whose pixels fill exactly its width and height.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "support/bitmap_file.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto bitmap = veltrim::DecodeBitmapBytes(std::span(reinterpret_cast<const char*>(data), size));
  if (bitmap && (bitmap->width <= 0 || bitmap->height <= 0 ||
                 bitmap->rgb.size() != static_cast<std::size_t>(bitmap->width) * bitmap->height * 3))
    std::abort();
  return 0;
}
