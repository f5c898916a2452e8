// Every pattern leaves the context as it found it: objects deselected and
// deleted, the default pen and brush selected again.
#include <gtest/gtest.h>

#include "page_run.hpp"
#include "patterns/bw_shapes.hpp"
#include "patterns/info_block.hpp"
#include "patterns/line_blocks.hpp"

namespace veltrim {
namespace {

using test::PageRun;

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
