#include <algorithm>
#include <cstdint>

#include "core/patterns/custom/custom_patterns.hpp"
#include "core/patterns/shared/solid_fill.hpp"

namespace veltrim {
namespace {

// The page as a row-major grid of quarter-millimetre cells.
struct CellGrid {
  float width = 0;
  float height = 0;
  std::int64_t cols = 0;
  std::int64_t count = 0;

  // Cells 0, step, 2 step, ... in the selected pen and brush.
  void FillEvery(Surface& dc, std::int64_t step) const {
    for (std::int64_t k = 0; k < count; k += step) {
      const auto row = static_cast<float>(k / cols), col = static_cast<float>(k % cols);
      dc.Rectangle(static_cast<int>(col * width), static_cast<int>(row * height), static_cast<int>((col + 1) * width),
                   static_cast<int>((row + 1) * height));
    }
  }
};

}  // namespace

void DrawColorCoverage(PageContext& page) {
  const PageGeometry& g = page.geometry;
  Surface& dc = page.dc;
  // A cell is at least one device unit: below that, truncation gives cells
  // of no width (half of them at 0.5 units), which would ink nothing where
  // the page asks for dots, and a device without a millimetre size would
  // give cells of size 0.
  CellGrid grid;
  grid.width = std::max(0.25f * g.pxPerMmY, 1.0f);
  grid.height = std::max(0.25f * g.pxPerMmX, 1.0f);
  grid.cols = static_cast<std::int64_t>(static_cast<float>(g.pageWidth) / grid.width);
  grid.count = static_cast<std::int64_t>(static_cast<float>(g.pageHeight) / grid.height) * grid.cols;

  // The box offers 1 to 100; a typed 0 or less inks nothing, more than 100
  // covers the page as 100 does.
  const int percent = std::min(page.job.dotCoverage, 100);
  if (percent <= 0) return;

  const ColorRef colour = ToColorRef(page.selection.customColours[kCoverageColourSlot]);
  if (percent <= 50) {
    // Scattered dots.
    const SolidFill fill(dc, colour);
    grid.FillEvery(dc, 100 / percent);
    return;
  }
  // A solid page with scattered white holes; at 100 there are none.
  FillCell(dc, colour, 0, 0, g.pageWidth, g.pageHeight);
  if (percent == 100) return;
  const SolidFill white(dc, Rgb(255, 255, 255));
  grid.FillEvery(dc, 100 / (100 - percent));
}

}  // namespace veltrim
