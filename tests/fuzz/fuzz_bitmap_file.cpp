// The bitmap decoder on any bytes gives nothing or a bitmap whose pixels fill exactly its width and height, and the
// same as the library alone gives: the loop that reads plain bitmaps must never decode what the library would not,
// nor differently. Pictures are capped at 64 x 64 here: the paths are the same at any size, and a full page a run
// would keep the fuzzer at a hundred inputs a second instead of thousands.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

#include "core/support/bitmap_file.hpp"
#include "fuzz_check.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  constexpr std::int64_t kCap = 64 * 64;
  const std::span bytes(reinterpret_cast<const char*>(data), size);
  const auto bitmap = veltrim::DecodeBitmapBytes(bytes, kCap);
  Check(!bitmap || (bitmap->width > 0 && bitmap->height > 0 && std::int64_t{bitmap->width} * bitmap->height <= kCap &&
                    bitmap->data != nullptr));
  const auto library = veltrim::DecodeBitmapBytesByLibrary(bytes, kCap);
  Check(bitmap.has_value() == library.has_value());
  Check(!bitmap || (bitmap->width == library->width && bitmap->height == library->height &&
                    std::ranges::equal(bitmap->Pixels(), library->Pixels())));
  return 0;
}
