// Where a Color page with items 0 to 7 ticked puts its colours, so that a
// page drawn by any backend can be checked at the same predicted points.
#pragma once

#include <vector>

#include "raster.hpp"

namespace veltrim::test {

// The blocks stacked from `y0` (the top of the cyan bar) on a device
// `width` units wide whose vertical centimetre is `u` units.
struct ColourPageLayout {
  int width = 0;
  int u = 0;
  int y0 = 0;

  int GreyRowTop() const;  // where the black bar ends and the grey row starts
  std::vector<ColourProbe> Probes() const;
};

}  // namespace veltrim::test
