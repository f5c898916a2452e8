#pragma once
// A surface seen as a picture of known size, and how its single pixels are
// set: with SetPixelV when the screen canvas behind it says so (its flag
// 0x2), else with SetPixel. Printed pages never come through here.

#include "core/platform/surface.hpp"

namespace veltrim {

struct PixelCanvas {
  Surface& surface;
  int width = 0;
  int height = 0;
  bool setPixelV = false;

  void Put(int x, int y, ColorRef colour) const {
    if (setPixelV)
      surface.SetPixelV(x, y, colour);
    else
      surface.SetPixel(x, y, colour);
  }
};

}  // namespace veltrim
