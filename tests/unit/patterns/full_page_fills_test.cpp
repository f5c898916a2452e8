// Advanced options 5 to 12: the whole printable area in one colour at the
// intensity of the Coverage (%) box.
#include "patterns/full_page_fills.hpp"

#include <gtest/gtest.h>

#include "advanced_page.hpp"

namespace veltrim::test {
namespace {

struct FillCase {
  int option;
  const char* coverage;  // the box's text as typed
  ColorRef colour;
};

TEST(FullPageFills, WholePrintableAreaInTheColourOfTheCoverage) {
  const FillCase cases[] = {
      {5, "100", Rgb(0, 255, 255)},      // cyan at full strength is 0xFFFF00
      {8, "100", Rgb(0, 0, 0)},
      {9, "50", Rgb(255, 127, 127)},     // k = 50 x 255 / 100 = 127
      {6, "50", Rgb(255, 127, 255)},
      {7, "1", Rgb(255, 255, 252)},      // 99 x 255 / 100 = 252: almost white
      {10, "75", Rgb(63, 255, 63)},
      {11, "25", Rgb(191, 191, 255)},
      // Typed by hand past the spin's range: held to 1..100, so the tint
      // stays a colour component.
      {9, "0", Rgb(255, 252, 252)},
      {8, "500", Rgb(0, 0, 0)},
      {5, "-40", Rgb(252, 255, 255)},
      {11, "many", Rgb(252, 252, 255)},  // not a number reads 0
  };
  for (const FillCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "option " << c.option << " at \"" << c.coverage << "\"");
    AdvancedPage page(RecordingDevice::A4At600Dpi());
    page.host.boxes[kIdCoverage] = c.coverage;
    page.Advanced(c.option, 10);  // the offset does not apply
    EXPECT_EQ(page.host.reads, std::vector<int>{kIdCoverage});
    EXPECT_EQ(FilledRects(page.dc), (std::vector<FilledRect>{{{0, 0, 4800, 6814}, c.colour, c.colour, 1}}));
    EXPECT_EQ(page.dc.HygieneReport(), "");
  }
}

TEST(FullPageFills, WhiteNeverReadsTheCoverage) {
  AdvancedPage page(RecordingDevice::LetterAt300Dpi());
  page.host.boxes[kIdCoverage] = "50";
  page.Advanced(12);
  EXPECT_TRUE(page.host.reads.empty());
  EXPECT_EQ(FilledRects(page.dc), (std::vector<FilledRect>{{{0, 0, 2400, 3150}, 0xFFFFFF, 0xFFFFFF, 1}}));
}

}  // namespace
}  // namespace veltrim::test
