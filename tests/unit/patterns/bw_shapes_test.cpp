// The Black&White shapes on recording surfaces: where the strokes land and
// how far each band moves the cursor.
#include "patterns/bw_shapes.hpp"

#include <gtest/gtest.h>

#include "page_run.hpp"

namespace veltrim {
namespace {

using test::LetterAt600Dpi;
using test::PageRun;
using Args = std::vector<std::int64_t>;

constexpr int kY0 = 100;

TEST(Lines, RulesThenACombThatStopsBeforeTheLastColumn) {
  PageRun run(LetterAt600Dpi(), kY0);
  EXPECT_EQ(run.Draw(DrawLines), kY0 + 257) << "17 + cm1 (236) + 4";
  const auto moves = run.ArgsOf("MoveToEx");
  EXPECT_EQ(run.ArgsOf("LineTo")[3], (Args{4799, kY0 + 16}));
  const std::int64_t comb[] = {0, 1, 2, 5, 8, 11, 16, 21, 26, 33, 40, 47};
  for (std::size_t i = 0; i < std::size(comb); ++i) EXPECT_EQ(moves.at(4 + i), (Args{comb[i], kY0 + 17})) << i;
  // 47 is a comb position: the last column of a 48-wide page, left out.
  for (const auto& [width, strokes] : {std::pair{48, 11u}, {49, 12u}}) {
    PageRun narrow(LetterAt600Dpi().With(DeviceCap::HorzRes, width), kY0);
    narrow.Draw(DrawLines);
    EXPECT_EQ(narrow.ArgsOf("MoveToEx").size(), 4 + strokes) << width;
  }
}

TEST(Ellipses, FanOfOutlinesOneCentimetreWiderEach) {
  struct Case {
    int width;
    std::size_t fan;
  };
  // 5d = 2365: no fan on a page no wider; the first may end on the edge;
  // k = 1, 231, ..., 2301 on the 4800-wide page.
  for (const Case c : {Case{4800, 11}, Case{2365, 0}, Case{2366, 1}, Case{2596, 1}, Case{2597, 2}}) {
    PageRun run(LetterAt600Dpi().With(DeviceCap::HorzRes, c.width).With(DeviceCap::HorzSize, c.width / 23), kY0);
    EXPECT_EQ(run.Draw(DrawEllipses), kY0 + 473 + 4);
    const auto arcs = run.ArgsOf("Arc");
    ASSERT_EQ(arcs.size(), 2 + c.fan) << c.width;
    EXPECT_EQ(arcs[1], (Args{473, kY0, 1419, kY0 + 473, 0, 0, 0, 0}));
    EXPECT_EQ(run.ArgsOf("Ellipse"), (std::vector<Args>{{946, kY0, 2365, kY0 + 473}}));
    for (std::size_t j = 0; j < c.fan; ++j)
      EXPECT_EQ(arcs[2 + j], (Args{1182, kY0, 2366 + 230 * static_cast<int>(j), kY0 + 473, 0, 0, 0, 0}));
  }
  // A device without a width in millimetres would step by nothing.
  PageRun stuck(LetterAt600Dpi().With(DeviceCap::HorzSize, 0), kY0);
  stuck.Draw(DrawEllipses);
  EXPECT_EQ(stuck.ArgsOf("Arc").size(), 3u);
}

TEST(BlackRectangles, SmallBandAndLargeFrame) {
  PageRun small(LetterAt600Dpi(), kY0);
  EXPECT_EQ(small.Draw(DrawSmallBlackRectangle), kY0 + 46 + 4);
  EXPECT_EQ(small.ArgsOf("LineTo").size(), 46u) << "2 x 23 one-dot lines";
  PageRun large(LetterAt600Dpi(), kY0);
  EXPECT_EQ(large.Draw(DrawLargeBlackRectangle), kY0 + 473 + 4);
  EXPECT_EQ(large.ArgsOf("Rectangle"), (std::vector<Args>{{0, kY0, 4799, kY0 + 473}}));
  // From y0 + 118.25, truncated, while below y0 + 354.75.
  const auto moves = large.ArgsOf("MoveToEx");
  EXPECT_EQ(moves.size(), 237u);
  EXPECT_EQ(moves.front(), (Args{10, kY0 + 118}));
}

TEST(GrayscaleRectangles, ColumnsAreQuotientsOfTheWidth) {
  struct Case {
    int width, pxPerMm;
    std::vector<int> edges;
  };
  for (const Case& c : {Case{4800, 23, {0, 1200, 2400, 3600, 4800}}, Case{7, 7, {0, 1, 3, 3, 7}}}) {
    PageRun run(LetterAt600Dpi().With(DeviceCap::HorzRes, c.width).With(DeviceCap::HorzSize, c.width / c.pxPerMm),
                kY0);
    const int p = c.pxPerMm, t1 = kY0 + p, b1 = t1 + 10 * p, b2 = b1 + 10 * p;
    EXPECT_EQ(run.Draw(DrawGrayscaleRectangles), b1 + 11 * p);
    const ColorRef greys[] = {0xCCCCCC, 0x999999, 0x666666, 0x333333, 0xD6D6D6, 0xE0E0E0, 0xEBEBEB, 0xF5F5F5};
    const auto boxes = run.ArgsOf("Rectangle");
    const auto pens = run.ArgsOf("CreatePen");
    const auto brushes = run.ArgsOf("CreateBrushIndirect");
    ASSERT_EQ(boxes.size(), 8u);
    for (int i = 0; i < 8; ++i) {
      const int column = i % 4;
      EXPECT_EQ(boxes[i], (Args{c.edges[column], i < 4 ? t1 : b1, c.edges[column + 1], i < 4 ? b1 : b2})) << i;
      EXPECT_EQ(pens.at(i), (Args{0, 1, greys[i]})) << i;
      EXPECT_EQ(brushes.at(i), (Args{kBsSolid, greys[i], 0})) << i;
    }
  }
}

TEST(Chords, ChordThenAConnectedRowOfArcs) {
  // 20 dots a horizontal millimetre, 23 a vertical one: the arcs step by
  // vertical centimetres, the row's height loses 5 horizontal millimetres.
  PageRun run(LetterAt600Dpi().With(DeviceCap::HorzSize, 240), kY0);
  const int h = 946 - 5 * 20;
  EXPECT_EQ(run.Draw(DrawChords), kY0 + h + 4);
  EXPECT_EQ(run.ArgsOf("Chord"), (std::vector<Args>{{0, kY0, 1892, kY0 + 946, 1892, kY0, 0, kY0 + 946}}));
  EXPECT_EQ(run.ArgsOf("MoveToEx"), (std::vector<Args>{{299, kY0}}));
  const auto arcs = run.ArgsOf("ArcTo");
  ASSERT_EQ(arcs.size(), 23u) << "x from 690 by 230 while below 1.2 x 4800";
  EXPECT_EQ(arcs.back(), (Args{575 + 230, kY0, 5750, kY0 + h, 230, kY0, 5750, kY0 + h}));
  EXPECT_EQ(run.surface.BkMode(), kTransparent);
  // A device without a height in millimetres would step by nothing.
  PageRun stuck(LetterAt600Dpi().With(DeviceCap::VertSize, 0), kY0);
  stuck.Draw(DrawChords);
  EXPECT_EQ(stuck.ArgsOf("ArcTo").size(), 1u);
}

}  // namespace
}  // namespace veltrim
