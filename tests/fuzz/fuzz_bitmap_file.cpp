// The bitmap decoder on any bytes gives nothing or a bitmap whose pixels fill exactly its width and height. Pictures
// are capped at 64 x 64 here: the paths are the same at any size, and a full page a run would keep the fuzzer at a
// hundred inputs a second instead of thousands.
#include <cstddef>
#include <cstdint>
#include <span>

#include "fuzz_check.hpp"
#include "support/bitmap_file.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  constexpr std::int64_t kCap = 64 * 64;
  const auto bitmap = veltrim::DecodeBitmapBytes(std::span(reinterpret_cast<const char*>(data), size), kCap);
  Check(!bitmap || (bitmap->width > 0 && bitmap->height > 0 && std::int64_t{bitmap->width} * bitmap->height <= kCap &&
                    bitmap->data != nullptr));
  return 0;
}
