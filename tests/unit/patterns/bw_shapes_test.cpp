// The Black&White shapes on recording surfaces: where the strokes land and how far each band moves the cursor.
#include "patterns/bw_shapes.hpp"

#include <gtest/gtest.h>

#include "pattern_page.hpp"

namespace veltrim::test {
namespace {

constexpr int kY0 = 100;

TEST(Lines, RulesThenACombThatStopsBeforeTheLastColumn) {
  Page page(LetterAt600Dpi());
  EXPECT_EQ(page.Run(DrawLines, kY0), kY0 + 257) << "17 + cm1 (236) + 4";
  const auto moves = page.ArgsOf("MoveToEx");
  EXPECT_EQ(page.ArgsOf("LineTo")[3], (Args{4799, kY0 + 16}));
  const std::int64_t comb[] = {0, 1, 2, 5, 8, 11, 16, 21, 26, 33, 40, 47};
  for (std::size_t i = 0; i < std::size(comb); ++i) EXPECT_EQ(moves.at(4 + i), (Args{comb[i], kY0 + 17})) << i;
  // 47 is a comb position: the last column of a 48-wide page, left out.
  for (const auto& [width, strokes] : {std::pair{48, 11u}, {49, 12u}}) {
    Page narrow(LetterAt600Dpi().With(DeviceCap::HorzRes, width));
    narrow.Run(DrawLines, kY0);
    EXPECT_EQ(narrow.ArgsOf("MoveToEx").size(), 4 + strokes) << width;
  }
}

TEST(Ellipses, FanOfOutlinesOneCentimetreWiderEach) {
  // 5d = 2365: no fan on a page no wider; the first may end on the edge; k = 1, 231, ..., 2301 on the 4800-wide page.
  for (const auto& [width, fan] : {std::pair{4800, 11}, {2365, 0}, {2366, 1}, {2596, 1}, {2597, 2}}) {
    Page page(LetterAt600Dpi().With(DeviceCap::HorzRes, width).With(DeviceCap::HorzSize, width / 23));
    EXPECT_EQ(page.Run(DrawEllipses, kY0), kY0 + 473 + 4);
    const auto arcs = page.ArgsOf("Arc");
    ASSERT_EQ(arcs.size(), 2u + fan) << width;
    EXPECT_EQ(arcs[1], (Args{473, kY0, 1419, kY0 + 473, 0, 0, 0, 0}));
    EXPECT_EQ(page.ArgsOf("Ellipse"), (std::vector<Args>{{946, kY0, 2365, kY0 + 473}}));
    for (int j = 0; j < fan; ++j) EXPECT_EQ(arcs[2 + j], (Args{1182, kY0, 2366 + 230 * j, kY0 + 473, 0, 0, 0, 0}));
  }
  // A device without a width in millimetres would step by nothing.
  Page stuck(LetterAt600Dpi().With(DeviceCap::HorzSize, 0));
  stuck.Run(DrawEllipses, kY0);
  EXPECT_EQ(stuck.ArgsOf("Arc").size(), 3u);
}

TEST(BlackRectangles, SmallBandAndLargeFrame) {
  Page small(LetterAt600Dpi());
  EXPECT_EQ(small.Run(DrawSmallBlackRectangle, kY0), kY0 + 46 + 4);
  EXPECT_EQ(small.ArgsOf("LineTo").size(), 46u) << "2 x 23 one-dot lines";
  Page large(LetterAt600Dpi());
  EXPECT_EQ(large.Run(DrawLargeBlackRectangle, kY0), kY0 + 473 + 4);
  EXPECT_EQ(large.ArgsOf("Rectangle"), (std::vector<Args>{{0, kY0, 4799, kY0 + 473}}));
  // From y0 + 118.25, truncated, while below y0 + 354.75.
  const auto moves = large.ArgsOf("MoveToEx");
  EXPECT_EQ(moves.size(), 237u);
  EXPECT_EQ(moves.front(), (Args{10, kY0 + 118}));
}

TEST(GrayscaleRectangles, ColumnsAreQuotientsOfTheWidth) {
  struct Case { int width, pxPerMm; std::vector<int> edges; };
  for (const Case& c : {Case{4800, 23, {0, 1200, 2400, 3600, 4800}}, Case{7, 7, {0, 1, 3, 3, 7}}}) {
    Page page(LetterAt600Dpi().With(DeviceCap::HorzRes, c.width).With(DeviceCap::HorzSize, c.width / c.pxPerMm));
    const int p = c.pxPerMm, t1 = kY0 + p, b1 = t1 + 10 * p, b2 = b1 + 10 * p;
    EXPECT_EQ(page.Run(DrawGrayscaleRectangles, kY0), b1 + 11 * p);
    const ColorRef greys[] = {0xCCCCCC, 0x999999, 0x666666, 0x333333, 0xD6D6D6, 0xE0E0E0, 0xEBEBEB, 0xF5F5F5};
    const auto boxes = page.Boxes();
    ASSERT_EQ(boxes.size(), 8u);
    for (int i = 0; i < 8; ++i) {
      const int column = i % 4;
      EXPECT_EQ(boxes[i].box, (Rect{c.edges[column], i < 4 ? t1 : b1, c.edges[column + 1], i < 4 ? b1 : b2})) << i;
      EXPECT_EQ(page.ArgsOf("CreatePen").at(i), (Args{0, 1, greys[i]})) << i;
      EXPECT_EQ(page.ArgsOf("CreateBrushIndirect").at(i), (Args{kBsSolid, greys[i], 0})) << i;
    }
  }
}

TEST(Chords, ChordThenAConnectedRowOfArcs) {
  // 20 dots a horizontal millimetre, 23 a vertical one: the arcs step by
  // vertical centimetres, the row's height loses 5 horizontal millimetres.
  Page page(LetterAt600Dpi().With(DeviceCap::HorzSize, 240));
  const int h = 946 - 5 * 20;
  EXPECT_EQ(page.Run(DrawChords, kY0), kY0 + h + 4);
  EXPECT_EQ(page.ArgsOf("Chord"), (std::vector<Args>{{0, kY0, 1892, kY0 + 946, 1892, kY0, 0, kY0 + 946}}));
  EXPECT_EQ(page.ArgsOf("MoveToEx"), (std::vector<Args>{{299, kY0}}));
  const auto arcs = page.ArgsOf("ArcTo");
  ASSERT_EQ(arcs.size(), 23u) << "x from 690 by 230 while below 1.2 x 4800";
  EXPECT_EQ(arcs.back(), (Args{575 + 230, kY0, 5750, kY0 + h, 230, kY0, 5750, kY0 + h}));
  EXPECT_EQ(page.dc.BkMode(), kTransparent);
  // A device without a height in millimetres would step by nothing.
  Page stuck(LetterAt600Dpi().With(DeviceCap::VertSize, 0));
  stuck.Run(DrawChords, kY0);
  EXPECT_EQ(stuck.ArgsOf("ArcTo").size(), 1u);
}

}  // namespace
}  // namespace veltrim::test
