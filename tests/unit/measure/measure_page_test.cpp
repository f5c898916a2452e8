// The measurement target on a 600 x 300 dpi Letter printer (printable area
// 150 and 75 units in from the sheet's corner): marks, bands and legend land
// at the table's places on the paper, by each axis's own resolution.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/measure/measure_page.hpp"
#include "pattern_page.hpp"

namespace veltrim::test {
namespace {

TEST(MeasurePage, MarksSitOnTheirPaperPlacesPerAxis) {
  Page page;
  page.Run(DrawMeasurePage);
  const auto discs = page.ArgsOf("Ellipse");
  ASSERT_EQ(discs.size(), 10u);
  // (35, 40) mm: pixel 826 - 150 across, 472 - 75 down; radius 3 mm is 71 and 35 units.
  EXPECT_EQ(discs.front(), (Args{605, 362, 748, 433}));
  // (170, 246) mm: pixel 4015 - 150 across, 2905 - 75 down.
  EXPECT_EQ(discs.back(), (Args{3794, 2795, 3937, 2866}));
}

TEST(MeasurePage, BandsRunOutToThePrintableEdge) {
  Page page;
  page.Run(DrawMeasurePage);
  const auto boxes = page.Boxes();
  ASSERT_EQ(boxes.size(), 8u);
  const auto has = [&](Rect box) {
    return std::any_of(boxes.begin(), boxes.end(),
                       [&](const PaintedBox& b) { return b.box == box && b.pen == kBlack && b.brush == kBlack; });
  };
  // Top, x 55..75 mm, 20 mm deep: from the printable area's top edge.
  EXPECT_TRUE(has({1149, 0, 1622, 161}));
  // Right, y 70..90 mm: from 20 mm inside the sheet's right edge (5100 units) to the page's (4800).
  EXPECT_TRUE(has({4478, 752, 4800, 988}));
  // Bottom, x 135..155 mm: to the page's bottom (3150).
  EXPECT_TRUE(has({3039, 2989, 3511, 3150}));
}

TEST(MeasurePage, LegendNamesPaperResolutionDateAndHowToScan) {
  Page page;
  page.Run(DrawMeasurePage);
  const auto texts = page.TextsOf();
  for (const char* line : {"Paper: 215.9 x 279.4 mm", "Resolution: 600 x 300 dpi", "Date: 2010-03-05",
                           "Scan at 300 or 600 dpi, 100 %, with a dark sheet behind the page."})
    EXPECT_NE(std::find(texts.begin(), texts.end(), line), texts.end()) << line;
  // The first line 60 mm down the paper, 45 mm across.
  EXPECT_EQ(page.ArgsOf("TextOutA").front(), (Args{913, 634}));
}

}  // namespace
}  // namespace veltrim::test
