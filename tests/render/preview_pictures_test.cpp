// The preview pictures the art tool draws from the real pages: each at the
// size the preview places it with, and each showing its page's inks.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "art.hpp"
#include "raster.hpp"

namespace veltrim::art {
namespace {

TEST(PreviewPictures, SizesAndInks) {
  struct Expected {
    int width, height;
    std::vector<std::uint32_t> inks;  // colours some pixel must be near
  };
  constexpr std::uint32_t kC = 0x00FFFF, kM = 0xFF00FF, kY = 0xFFFF00, kK = 0x000000, kR = 0xFF0000,
                          kG = 0x00FF00, kB = 0x0000FF;
  const std::map<int, Expected> expected = {
      {20, {167, 239, {}}},           {21, {167, 239, {kC, kM, kY, kK}}}, {22, {167, 239, {kK}}},
      {23, {167, 239, {kC, kM, kY}}}, {24, {167, 239, {kK}}},             {25, {167, 23, {kC, kM, kY}}},
      {26, {167, 23, {kR, kG, kB}}},  {27, {167, 7, {kK}}},               {28, {167, 10, {}}},
      {29, {167, 32, {kC}}},          {30, {167, 31, {kM}}},              {31, {167, 32, {kY}}},
      {32, {167, 18, {kK}}},          {33, {167, 31, {kR}}},              {34, {167, 31, {kG}}},
      {35, {167, 31, {kB}}},          {36, {60, 60, {kC, kM, kY}}},       {37, {60, 60, {kR, kG, kB}}}};
  const auto pictures = DrawPreviewPictures();
  ASSERT_EQ(pictures.size(), expected.size());
  for (const PreviewPicture& preview : pictures) {
    SCOPED_TRACE(preview.id);
    ASSERT_TRUE(expected.contains(preview.id));
    const Expected& e = expected.at(preview.id);
    EXPECT_EQ(preview.picture.width, e.width);
    EXPECT_EQ(preview.picture.height, e.height);
    ASSERT_EQ(preview.picture.pixels.size(), static_cast<std::size_t>(e.width) * e.height);
    EXPECT_TRUE(std::any_of(preview.picture.pixels.begin(), preview.picture.pixels.end(),
                            [](std::uint32_t p) { return p != 0xFFFFFF; }))
        << "blank";
    for (const std::uint32_t ink : e.inks)
      EXPECT_TRUE(std::any_of(preview.picture.pixels.begin(), preview.picture.pixels.end(),
                              [ink](std::uint32_t p) { return test::ColourNear(p, ink, 40); }))
          << std::hex << ink;
  }
}

}  // namespace
}  // namespace veltrim::art
