#pragma once
// RecordingDevice: the capabilities a RecordingSurface answers, and the
// example devices tests draw on (printers at given resolutions and margins,
// a display).

#include <map>

#include "core/platform/surface.hpp"

namespace veltrim {

// What GetDeviceCaps answers: any index may be set; indexes not set answer
// 0. Default-constructed, it is a 600-dpi A4 printer (see A4At600Dpi).
struct RecordingDevice {
  std::map<DeviceCap, int> caps;
  int defaultFontHeight = 0;  // 0: LOGPIXELSY / 12, at least 1

  RecordingDevice();

  int Cap(DeviceCap index) const;
  RecordingDevice& With(DeviceCap index, int value);
  int DefaultFontHeight() const;

  // 600 x 600 dpi A4 printer: HORZRES 4800, VERTRES 6814, HORZSIZE 203,
  // VERTSIZE 288 (so HORZRES / HORZSIZE = 23 and VERTRES / VERTSIZE = 23),
  // PHYSICALWIDTH 4960, PHYSICALHEIGHT 7014, PHYSICALOFFSETX 80,
  // PHYSICALOFFSETY 100, TECHNOLOGY 2 (raster printer), 24 bits per pixel,
  // 1 plane, NUMCOLORS -1, ASPECTX/Y 600, ASPECTXY 848 and plausible
  // curve, line, polygon, text, clip and raster capability bits.
  static RecordingDevice A4At600Dpi();
  // 300 x 300 dpi US Letter printer: HORZRES 2400, VERTRES 3150, HORZSIZE
  // 203, VERTSIZE 266, PHYSICALWIDTH 2550, PHYSICALHEIGHT 3300, offsets
  // 75/75, otherwise as A4At600Dpi.
  static RecordingDevice LetterAt300Dpi();
  // A printer with the given resolution, printable area and margins:
  // PHYSICALWIDTH = horzRes + 2 x offsetX, PHYSICALHEIGHT = vertRes + 2 x
  // offsetY, the other capabilities as A4At600Dpi.
  static RecordingDevice Printer(int dpiX, int dpiY, int horzRes, int vertRes, int horzSizeMm, int vertSizeMm,
                                 int offsetX, int offsetY);
  // A 96-dpi display (TECHNOLOGY 1, 32 bits per pixel, no physical page)
  // of width x height pixels; default font height 16.
  static RecordingDevice Screen(int width, int height);
};

}  // namespace veltrim
