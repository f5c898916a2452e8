// Advanced options 0 to 3 (process-colour bars and stripes) and 5 to 12 (the whole printable area in one colour at
// the Coverage (%) intensity).
#include <gtest/gtest.h>

#include "pattern_page.hpp"

namespace veltrim::test {
namespace {

constexpr ColorRef kCyan = 0xFFFF00, kMagenta = 0xFF00FF, kYellow = 0x00FFFF, kBlack = 0x000000;

// A 4960 x 7014 page whose ten millimetres are 7014 x 10 / 297 = 236 units.
RecordingDevice A4Page(int width = 4960) { return RecordingDevice::Printer(600, 600, width, 7014, 210, 297, 0, 0); }

// The band tops of each colour in drawing order, every band a solid fill.
std::vector<std::pair<ColorRef, std::vector<int>>> BandTops(const Page& page, int height) {
  std::vector<std::pair<ColorRef, std::vector<int>>> tops;
  for (const PaintedBox& b : page.Boxes()) {
    EXPECT_EQ(b.box.bottom - b.box.top, height);
    EXPECT_EQ(b.pen, b.brush);
    if (tops.empty() || tops.back().first != b.brush) tops.push_back({b.brush, {}});
    tops.back().second.push_back(b.box.top);
  }
  return tops;
}

std::vector<int> Every(int from, int step, int count) {
  std::vector<int> values;
  for (int i = 0; i < count; ++i) values.push_back(from + i * step);
  return values;
}

TEST(RepetitiveBars, EachColourDownThePageBeforeTheNextOne) {
  // Four colours on 7014 units: 8, 8, 7 and 7 bands (yellow's at 6608 + 472 = 7080 would start below the page);
  // three repeat every 708. The offset does not move them.
  const Page four(Tab::Advanced, {1}, A4Page(), 10), three(Tab::Advanced, {0}, A4Page(), 10);
  EXPECT_EQ(BandTops(four, 236), (std::vector<std::pair<ColorRef, std::vector<int>>>{
                                     {kCyan, Every(0, 944, 8)},
                                     {kMagenta, Every(236, 944, 8)},
                                     {kYellow, Every(472, 944, 7)},
                                     {kBlack, Every(708, 944, 7)}}));
  EXPECT_EQ(BandTops(three, 236), (std::vector<std::pair<ColorRef, std::vector<int>>>{
                                      {kCyan, Every(0, 708, 10)},
                                      {kMagenta, Every(236, 708, 10)},
                                      {kYellow, Every(472, 708, 10)}}));
  EXPECT_EQ(four.Boxes()[0].box, (Rect{0, 0, 4960, 236}));
  // VERTSIZE 0: no ten millimetres to measure; bars one unit high, none lost.
  const Page sizeless(Tab::Advanced, {1}, RecordingDevice::Printer(600, 600, 40, 30, 10, 0, 0, 0));
  EXPECT_EQ(BandTops(sizeless, 1).size(), 4u);
  EXPECT_EQ(sizeless.Boxes().size(), 30u);
}

TEST(VerticalStripes, LastStripeTakesTheRemainderAndMeetsTheRightEdge) {
  const struct { int option, width; std::vector<int> edges; } cases[] = {
      {2, 4961, {0, 1653, 3306, 4961}}, {3, 4963, {0, 1240, 2480, 3720, 4963}}};
  const ColorRef colours[] = {kCyan, kMagenta, kYellow, kBlack};
  for (const auto& c : cases) {
    const auto boxes = Page(Tab::Advanced, {c.option}, A4Page(c.width), 10).Boxes();
    ASSERT_EQ(boxes.size() + 1, c.edges.size());
    for (std::size_t i = 0; i < boxes.size(); ++i)
      EXPECT_EQ(boxes[i], (PaintedBox{{c.edges[i], 0, c.edges[i + 1], 7014}, colours[i], colours[i], 1})) << c.option;
  }
}

TEST(FullPageFills, WholePrintableAreaInTheColourOfTheCoverage) {
  const struct {
    int option;
    const char* coverage;  // the box's text as typed
    ColorRef colour;
  } cases[] = {
      {5, "100", Rgb(0, 255, 255)},  // cyan at full strength is 0xFFFF00
      {8, "100", Rgb(0, 0, 0)},
      {9, "50", Rgb(255, 127, 127)},  // k = 50 x 255 / 100 = 127
      {6, "50", Rgb(255, 127, 255)},
      {7, "1", Rgb(255, 255, 252)},  // 99 x 255 / 100 = 252: almost white
      {10, "75", Rgb(63, 255, 63)},
      {11, "25", Rgb(191, 191, 255)},
      // Typed past the spin's range: held to 1..100, so the tint stays a colour component.
      {9, "0", Rgb(255, 252, 252)},
      {8, "500", Rgb(0, 0, 0)},
      {5, "-40", Rgb(252, 255, 255)},
      {11, "many", Rgb(252, 252, 255)},  // not a number reads 0
      {12, "50", Rgb(255, 255, 255)},    // white does not read the box
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "option " << c.option << " at \"" << c.coverage << "\"");
    Page page;
    page.Box(kIdCoverage, c.coverage).Tick(Tab::Advanced, {c.option}).Draw(10);  // the offset does not apply
    EXPECT_EQ(page.host.reads, c.option == 12 ? std::vector<int>{} : std::vector<int>{kIdCoverage});
    EXPECT_EQ(page.Boxes(), (std::vector<PaintedBox>{{{0, 0, 4800, 3150}, c.colour, c.colour, 1}}));
  }
}

}  // namespace
}  // namespace veltrim::test
