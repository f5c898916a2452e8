// The Black&White page of items 0 to 8 and the Color page with every item
// but the Bitmapped Image as the real `veltrim` draws them into PNG,
// checked where the page geometry puts each block.
#include <algorithm>

#include "bw_page_checks.hpp"
#include "cli_support.hpp"
#include "colour_page.hpp"

namespace veltrim::test {
namespace {

using PagesPng = CliTest<>;

TEST_F(PagesPng, BlackWhiteEveryBlockWhereTheGeometryPutsIt) {
  // 200 x 420 mm at 254 dpi without margins: 2000 x 4200 dots, HORZSIZE 200
  // and VERTSIZE 420, ten dots a millimetre both ways.
  const RasterImage page = PrintPng({"--category", "bw", "--tests", "0,1,2,3,4,5,6,7,8", "--paper", "200x420mm",
                                     "--dpi", "254", "--margins", "0"});
  ASSERT_EQ(page.Width(), 2000);
  ASSERT_EQ(page.Height(), 4200);

  const BwPageReading reading = ReadBwPage(page, {2000, 4200, 10, 100, 200, 400, 0, 0});
  EXPECT_TRUE(reading.faults.empty()) << ::testing::PrintToString(reading.faults);
  // The information block above it: 26 lines of one line height each.
  ASSERT_GT(reading.linesTop, 0);
  EXPECT_EQ(reading.linesTop % 26, 0) << reading.linesTop;
  EXPECT_TRUE(AnyDark(page, 0, 0, 600, reading.linesTop)) << "the information lines print above the shapes";
}

TEST_F(PagesPng, ColourBarsGradientsAndCrossoversWhereTheGeometryPutsThem) {
  const RasterImage page = PrintPng({"--category", "color", "--tests", "0,1,2,3,4,5,6,7,8,9,10,11"});
  // A4 at 300 dpi with 5 mm margins: a 2480 x 3508 sheet whose printable
  // area of 2362 x 3390 starts at (59, 59); 3390 dots over 287 mm make a
  // centimetre 118 dots.
  ASSERT_EQ(page.Width(), 2480);
  ASSERT_EQ(page.Height(), 3508);
  constexpr int kMargin = 59;
  const auto at = [&](int x, int y) { return page.Pixel(x + kMargin, y + kMargin); };

  // The blocks start one line below the title, whose height is the font's.
  ColourPageLayout layout{2362, 118, -1};
  for (int y = 0; y < 300 && layout.y0 < 0; ++y)
    if (at(1181, y) == 0x00FFFF) layout.y0 = y;
  ASSERT_GT(layout.y0, 10) << "no cyan bar below the title line";

  for (const ColourProbe& probe : layout.Probes())
    EXPECT_EQ(ColourText(at(probe.x, probe.y)), ColourText(probe.rgb)) << probe.what << " at " << probe.x << ","
                                                                       << probe.y;
  // The black bar ends exactly where the grey row starts.
  const int x = 200 * 9 + 4, top = layout.GreyRowTop();
  EXPECT_EQ(ColourText(at(x, top - 1)), "#000000");
  EXPECT_EQ(ColourText(at(x, top)), "#C8C8C8");

  // Below the squares: the thin inclined lines and the three combs, each in
  // its own ink.
  int below = 0;
  for (const ColourProbe& probe : layout.Probes()) below = std::max(below, probe.y);
  for (const std::uint32_t ink : {0x00FFFFu, 0xFF00FFu, 0xFFFF00u}) {
    bool found = false;
    for (int row = below + 1; row < 3390 && !found; row += 2)
      for (int column = 0; column < 2362 && !found; column += 2) found = at(column, row) == ink;
    EXPECT_TRUE(found) << ColourText(ink) << " comb below the squares";
  }
}

}  // namespace
}  // namespace veltrim::test
