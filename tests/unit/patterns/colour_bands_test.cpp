// Advanced options 0 to 3: process-colour bars and stripes.
#include "patterns/colour_bands.hpp"

#include <gtest/gtest.h>

#include "advanced_page.hpp"

namespace veltrim::test {
namespace {

constexpr ColorRef kCyan = 0xFFFF00, kMagenta = 0xFF00FF, kYellow = 0x00FFFF, kBlack = 0x000000;

// A 4960 x 7014 page whose ten millimetres are 7014 x 10 / 297 = 236 units.
RecordingDevice A4Page(int width = 4960) { return RecordingDevice::Printer(600, 600, width, 7014, 210, 297, 0, 0); }

std::vector<int> TopsOf(const std::vector<FilledRect>& rects, ColorRef colour) {
  std::vector<int> tops;
  for (const FilledRect& r : rects) {
    if (r.brush != colour) continue;
    EXPECT_EQ(r.rect.bottom - r.rect.top, 236) << r;
    EXPECT_EQ(r.pen, colour) << r;
    EXPECT_EQ(r.penWidth, 1) << r;
    tops.push_back(r.rect.top);
  }
  return tops;
}

TEST(RepetitiveBars, FourColoursGiveEightEightSevenSevenBandsOnA7014UnitPage) {
  AdvancedPage page(A4Page());
  page.Advanced(1, 10);  // the offset does not move the bars
  const auto rects = FilledRects(page.dc);
  ASSERT_EQ(rects.size(), 30u);
  EXPECT_EQ(rects.front(), (FilledRect{{0, 0, 4960, 236}, kCyan, kCyan, 1}));
  const std::vector<int> cyan = TopsOf(rects, kCyan), magenta = TopsOf(rects, kMagenta);
  const std::vector<int> yellow = TopsOf(rects, kYellow), black = TopsOf(rects, kBlack);
  EXPECT_EQ(cyan.size(), 8u);
  EXPECT_EQ(cyan.back(), 6608);
  EXPECT_EQ(magenta.size(), 8u);
  EXPECT_EQ(magenta.front(), 236);
  // The yellow band at 6608 + 472 = 7080 would start below the page.
  EXPECT_EQ(yellow.size(), 7u);
  EXPECT_EQ(yellow.back(), 6136);
  EXPECT_EQ(black.size(), 7u);
  EXPECT_EQ(black.front(), 708);
  // Each colour is drawn down the whole page before the next one.
  EXPECT_EQ(rects[8].brush, kMagenta);
  EXPECT_EQ(page.dc.HygieneReport(), "");
}

TEST(RepetitiveBars, ThreeColoursRepeatEveryThirtyMillimetres) {
  AdvancedPage page(A4Page());
  page.Advanced(0);
  const auto rects = FilledRects(page.dc);
  EXPECT_EQ(TopsOf(rects, kCyan).size() + TopsOf(rects, kMagenta).size(), 20u);  // 0 ... 6372, 236 ... 6608
  EXPECT_EQ(TopsOf(rects, kYellow).back(), 6844);
  EXPECT_EQ(rects.size(), 30u) << "no black";
}

TEST(RepetitiveBars, DeviceWithoutMillimetresStillEndsThePage) {
  // VERTSIZE 0: no ten millimetres to measure; bars one unit high, none lost.
  AdvancedPage page(RecordingDevice::Printer(600, 600, 40, 30, 10, 0, 0, 0));
  page.Advanced(1);
  const auto rects = FilledRects(page.dc);
  ASSERT_EQ(rects.size(), 30u);
  for (const FilledRect& r : rects) EXPECT_EQ(r.rect.bottom - r.rect.top, 1) << r;
}

struct StripeCase {
  int option;
  int width;
  std::vector<FilledRect> stripes;
};

TEST(VerticalStripes, LastStripeTakesTheRemainderAndMeetsTheRightEdge) {
  const StripeCase cases[] = {
      {2, 4961, {{{0, 0, 1653, 7014}, kCyan, kCyan, 1},
                 {{1653, 0, 3306, 7014}, kMagenta, kMagenta, 1},
                 {{3306, 0, 4961, 7014}, kYellow, kYellow, 1}}},
      {3, 4963, {{{0, 0, 1240, 7014}, kCyan, kCyan, 1},
                 {{1240, 0, 2480, 7014}, kMagenta, kMagenta, 1},
                 {{2480, 0, 3720, 7014}, kYellow, kYellow, 1},
                 {{3720, 0, 4963, 7014}, kBlack, kBlack, 1}}},
  };
  for (const StripeCase& c : cases) {
    AdvancedPage page(A4Page(c.width));
    page.Advanced(c.option, 10);
    EXPECT_EQ(FilledRects(page.dc), c.stripes) << "option " << c.option;
    EXPECT_EQ(page.dc.HygieneReport(), "");
  }
}

}  // namespace
}  // namespace veltrim::test
