// Whole pages of the line and shape patterns through the dispatch: how the
// blocks stack, and that every pattern leaves the context as it found it.
#include <gtest/gtest.h>

#include "page_run.hpp"
#include "patterns/bw_shapes.hpp"
#include "patterns/info_block.hpp"
#include "patterns/line_blocks.hpp"
#include "print/page_dispatch.hpp"

namespace veltrim {
namespace {

using test::PageRun;

TEST(BlackWhitePage, EveryBlockFollowsTheOneBefore) {
  // Items 0..8 on the 600-dpi A4 device, 10 mm down: each block's first
  // drawing call starts where the cursor rules of the block before put it.
  PageRun run(RecordingDevice::A4At600Dpi());
  run.geometry.offsetMm = 10;
  run.selection.currentTab = 0;
  for (int item = 0; item < 9; ++item) run.selection.bwTests[item] = 1;
  PageContext page = run.Context();
  DrawPage(page);
  int y = 230 + 26 * run.geometry.lineHeight;
  EXPECT_EQ(run.surface.RecordsOf("MoveToEx").front().args[1], y);
  y += 17 + 236 + 4;
  EXPECT_EQ(run.surface.RecordsOf("Arc").front().args[1], y);
  EXPECT_EQ(run.surface.RecordsOf("Ellipse").front().args[1], y);
  y += 473 + 4;
  const auto rectangles = run.surface.RecordsOf("Rectangle");
  y += 46 + 4;  // the small black band
  EXPECT_EQ(rectangles.front().args[1], y) << "the large frame";
  y += 473 + 4;
  EXPECT_EQ(rectangles[1].args[1], y + 23) << "the first grey box, a millimetre down";
  y += 23 + 230 + 253;
  EXPECT_EQ(run.surface.RecordsOf("Chord").front().args[1], y);
  y += 946 - 115 + 4;
  EXPECT_EQ(run.surface.RecordsOf("PolyBezier").front().args[1], y);
  y += 946 + 4;
  const auto lastMove = run.surface.RecordsOf("MoveToEx").back();
  EXPECT_EQ(lastMove.args, (std::vector<std::int64_t>{4784, y + 69})) << "the comb's last stroke";
  EXPECT_EQ(run.surface.HygieneReport(), "");
}

using Pattern = void (*)(PageContext&);

TEST(PatternHygiene, EveryObjectIsDeselectedAndDeleted) {
  const Pattern patterns[] = {DrawInfoBlock,           DrawLines,          DrawEllipses,
                              DrawSmallBlackRectangle, DrawLargeBlackRectangle, DrawGrayscaleRectangles,
                              DrawChords,              DrawBezierCurves,   DrawBlackThicknessLines,
                              DrawThinInclinedLines,   DrawCyanThicknessLines, DrawMagentaThicknessLines,
                              DrawYellowThicknessLines};
  for (const RecordingDevice& device : {RecordingDevice::A4At600Dpi(), RecordingDevice::LetterAt300Dpi()}) {
    for (std::size_t i = 0; i < std::size(patterns); ++i) {
      PageRun run(device, 50);
      run.Draw(patterns[i]);
      EXPECT_EQ(run.surface.HygieneReport(), "") << "pattern " << i;
      EXPECT_EQ(run.surface.Selected(ObjectKind::Pen), RecordingSurface::StockHandle(StockObject::BlackPen)) << i;
      EXPECT_EQ(run.surface.Selected(ObjectKind::Brush), RecordingSurface::StockHandle(StockObject::WhiteBrush)) << i;
    }
  }
}

}  // namespace
}  // namespace veltrim
