#pragma once
// The geometry every page lays itself out by: the default font's line
// height, the printable size, the device's pixels per millimetre each way,
// and the running positions of the stacked blocks.

#include "core/platform/surface.hpp"

namespace veltrim {

struct PageGeometry {
  int lineHeight = 0;   // tmHeight + tmExternalLeading + 2 of the default font
  int pageWidth = 0;    // HORZRES
  int pageHeight = 0;   // VERTRES
  float pxPerMmX = 0;   // HORZRES / HORZSIZE, an integer quotient
  float pxPerMmY = 0;   // VERTRES / VERTSIZE, an integer quotient
  int offsetY = 0;      // the paper offset in device units; set per page
  int cursorY = 0;      // the running position of the stacked blocks
};

// The geometry of a printer surface (offset and cursor left at 0).
PageGeometry ReadPageGeometry(Surface& dc);

// offsetMm millimetres in device units, by the horizontal factor, truncated
// and held to +-kFarOffPage.
int OffsetInDeviceUnits(int offsetMm, float pxPerMmX);

}  // namespace veltrim
