// The Black&White page of items 0 to 8 (information block, shapes, Bezier
// band, black comb) read back from its pixels: each block is looked for
// where the page geometry puts it, from the first rule of the Lines block.
#pragma once

#include <string>
#include <vector>

#include "raster.hpp"

namespace veltrim::test {

// The printer's numbers, as GetDeviceCaps answers them, and where its
// printable area lies in the image.
struct BwPageDevice {
  int width = 0;   // HORZRES
  int height = 0;  // VERTRES
  int mm = 0;      // HORZRES / HORZSIZE, equal to VERTRES / VERTSIZE on the devices used
  int cm1 = 0, cm2 = 0, cm4 = 0;  // VERTRES x 10, 20, 40 / VERTSIZE
  int imageX = 0, imageY = 0;     // image pixel of device point (0, 0); one pixel a device unit
};

struct BwPageReading {
  int linesTop = -1;                // device row of the first Lines rule; -1 when none was found
  std::vector<std::string> faults;  // what was not where the geometry puts it
};

BwPageReading ReadBwPage(const RasterImage& page, const BwPageDevice& device);

}  // namespace veltrim::test
