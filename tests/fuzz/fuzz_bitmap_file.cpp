// Fuzzes the bitmap decoder that reads the picture beside the program (and
// every bitmap file on surfaces without a loader of their own): any bytes
// give nothing or a bitmap whose pixels fill exactly its width and height.
// Pictures are capped at 64 x 64 pixels here: the decoder's paths are the
// same at any size, and a full-page picture a run would keep the fuzzer at a
// hundred inputs a second instead of thousands.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "support/bitmap_file.hpp"

namespace {
constexpr std::int64_t kCap = 64 * 64;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto bitmap = veltrim::DecodeBitmapBytes(std::span(reinterpret_cast<const char*>(data), size), kCap);
  if (bitmap && (bitmap->width <= 0 || bitmap->height <= 0 || std::int64_t{bitmap->width} * bitmap->height > kCap ||
                 bitmap->rgb.size() != static_cast<std::size_t>(bitmap->width) * bitmap->height * 3))
    std::abort();
  return 0;
}
