// The pages whose blocks every backend must put at the same predicted points: the Black&White page of items 0
// to 8, the Color page of items 0 to 11 and the colour chart of the picture page.
#pragma once

#include <string>
#include <vector>

#include "raster.hpp"

namespace veltrim::test {

// The printer's numbers as GetDeviceCaps answers them, and where its printable area lies in the image (one pixel
// a device unit).
struct BwPageDevice {
  int width = 0;   // HORZRES
  int height = 0;  // VERTRES
  int mm = 0;      // HORZRES / HORZSIZE, equal to VERTRES / VERTSIZE on the devices used
  int cm1 = 0, cm2 = 0, cm4 = 0;  // VERTRES x 10, 20, 40 / VERTSIZE
  int imageX = 0, imageY = 0;     // image pixel of device point (0, 0)
};

struct BwPageReading {
  int linesTop = -1;                // device row of the first Lines rule; -1 when none was found
  std::vector<std::string> faults;  // what was not where the geometry puts it
};

// Each block looked for where the geometry puts it, from the first rule of the Lines block.
BwPageReading ReadBwPage(const RasterImage& page, const BwPageDevice& device);

// The Color page's blocks stacked from `y0` (the top of the cyan bar) on a device `width` units wide whose
// vertical centimetre is `u` units.
struct ColourPageLayout {
  int width = 0;
  int u = 0;
  int y0 = 0;

  int GreyRowTop() const;  // where the black bar ends and the grey row starts
  std::vector<ColourProbe> Probes() const;
};

// The middle of every chart patch of the test picture stretched over a printable area of `width` x `height`.
std::vector<ColourProbe> ChartProbes(int width, int height);

}  // namespace veltrim::test
