#pragma once
// The geometry and capabilities of a page device, in the numbers GetDeviceCaps
// answers: a simulated printer described by paper, resolution and margins, or
// whatever a real destination (a CUPS queue) reports.

#include <optional>
#include <string>
#include <string_view>

#include "core/platform/surface.hpp"

namespace veltrim {

struct PaperSize {
  double widthMm = 0;
  double heightMm = 0;
};

// A plain decimal such as "4.23": digits with at most one point, nothing else.
std::optional<double> ParseMillimetres(std::string_view text);

// "a4", "a3", "a5", "letter", "legal" (any case) or "WxHmm" with decimal
// millimetres, e.g. "210x297mm" (10 to 5000 mm a side). Anything else gives
// nothing and, when `error` is given, a message naming what is accepted.
std::optional<PaperSize> PaperByName(std::string_view name, std::string* error = nullptr);

struct MarginsMm {
  double left = 0;
  double top = 0;
  double right = 0;
  double bottom = 0;
};

// A printer that exists only as numbers: the page devices print onto files
// with its geometry.
struct SimulatedDevice {
  PaperSize paper;
  int dpi = 600;
  MarginsMm margins{5, 5, 5, 5};
};

// Everything in device dots except where named otherwise.
struct DeviceCaps {
  int dpiX = 0;
  int dpiY = 0;
  int physicalWidth = 0;   // the whole sheet
  int physicalHeight = 0;
  int offsetX = 0;         // the printable area's top-left on the sheet
  int offsetY = 0;
  int horzRes = 0;         // the printable area
  int vertRes = 0;
  bool colour = true;
};

// Dots are the millimetres at the resolution rounded to the nearest dot; the
// printable area is what the margins leave. Nothing (and a message) when the
// resolution is outside 36..4800 dpi, a margin is negative or the margins
// leave no printable area.
std::optional<DeviceCaps> MakeDeviceCaps(const SimulatedDevice& device, std::string* error = nullptr);

// The GetDeviceCaps answer of a device with these capabilities.
//   HORZRES/VERTRES      printable area in dots
//   HORZSIZE/VERTSIZE    printable area in millimetres rounded to the
//                        nearest whole one, as printer drivers answer
//   LOGPIXELSX/Y         the resolution
//   PHYSICAL*            sheet size and printable-area offsets in dots
//   TECHNOLOGY           2, a raster printer
//   DRIVERVERSION        0x400
//   BITSPIXEL/PLANES     24/1 for colour, 1/1 for monochrome
//   NUMCOLORS            -1 for colour (more than 8 bits a pixel), 2 otherwise
//   NUMBRUSHES/NUMPENS   -1: not limited
//   NUMMARKERS/NUMFONTS  0: no markers and no device-resident fonts, text
//                        comes from scalable faces
//   PDEVICESIZE          0
//   CURVECAPS 511, LINECAPS 254, POLYGONALCAPS 255: every curve, line and
//                        polygon kind, wide and styled, with interiors
//   TEXTCAPS 0x1FFF      characters at any angle and scale, italic,
//                        underline and strike-out; no raster/vector fonts
//   CLIPCAPS 1           rectangle clipping
//   RASTERCAPS 0x2E99    BitBlt, 64 KB bitmaps, DIBs, big fonts, StretchBlt
//                        and StretchDIB; no palette, no banding
//   ASPECTX/Y, ASPECTXY  relative pixel sides and diagonal from the dpi
//   SIZEPALETTE/NUMRESERVED 0, COLORRES 24 (colour) or 1
//   SCALINGFACTORX/Y, VREFRESH, BLTALIGNMENT, SHADEBLENDCAPS,
//   COLORMGMTCAPS        0: none
//   DESKTOPHORZRES/VERTRES the printable area, as GDI answers for printers
// Any other index answers 0.
int DeviceCapValue(const DeviceCaps& caps, DeviceCap index);

}  // namespace veltrim
