// The bitmap decoder's size limit holds for bitmaps stored either way up: a top-down header gives its height negative.

#include <gtest/gtest.h>

#include <cstdint>
#include <span>
#include <vector>

#include "support/bitmap_file.hpp"
#include "test_bitmap.hpp"

namespace veltrim {
namespace {

TEST(BitmapBytes, PixelLimitHoldsBothWaysUp) {
  struct Case {
    int width, height;
    bool topDown;
    std::int64_t limit;
    bool decoded;
  };
  for (const Case& c : {Case{8, 6, false, 48, true}, Case{8, 6, true, 48, true}, Case{8, 7, false, 48, false},
                        Case{8, 7, true, 48, false}, Case{2, 2177, true, 4096, false}}) {
    const std::vector<std::uint32_t> rgb(static_cast<std::size_t>(c.width) * c.height, 0x123456);
    const std::vector<std::uint8_t> file = test::BmpBytes(c.width, c.height, rgb, c.topDown);
    const auto bitmap =
        DecodeBitmapBytes(std::span(reinterpret_cast<const char*>(file.data()), file.size()), c.limit);
    ASSERT_EQ(bitmap.has_value(), c.decoded) << c.width << " x " << c.height << (c.topDown ? " top-down" : "");
    if (bitmap) {
      EXPECT_EQ(bitmap->width, c.width);
      EXPECT_EQ(bitmap->height, c.height);
      EXPECT_EQ(bitmap->rgb[0], 0x12);
    }
  }
}

}  // namespace
}  // namespace veltrim
