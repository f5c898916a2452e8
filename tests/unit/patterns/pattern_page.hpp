#pragma once
// One page of a pattern on a recording surface, drawn through the page
// dispatch with the job's geometry of the device, and what it painted read
// back from the records.

#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "print/page_dispatch.hpp"
#include "print/print_engine.hpp"
#include "recording_surface.hpp"
#include "test_print_host.hpp"

namespace veltrim {

// Failure messages show boxes and points as numbers.
inline void PrintTo(const Rect& r, std::ostream* out) {
  *out << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}
inline void PrintTo(const Point& p, std::ostream* out) { *out << "(" << p.x << ", " << p.y << ")"; }

}  // namespace veltrim

namespace veltrim::test {

struct PatternPage {
  explicit PatternPage(const RecordingDevice& device = RecordingDevice::A4At600Dpi())
      : surface(device), geometry(ReadPageGeometry(surface)) {
    surface.ClearRecords();
  }
  // The Custom item `item` alone.
  PatternPage& Custom(int item) {
    selection.currentTab = static_cast<int>(Tab::Custom);
    selection.customTests.fill(0);
    selection.customTests[item] = 1;
    return *this;
  }
  PatternPage& Colour(int slot, std::int16_t red, std::int16_t green, std::int16_t blue) {
    selection.customColours[slot] = {red, green, blue};
    return *this;
  }
  void Draw() {
    PageContext context{surface, geometry, selection, printerName, host};
    DrawPage(context);
  }

  RecordingSurface surface;
  PageGeometry geometry;
  TestSelection selection;
  std::string printerName = "Queue 7";
  TestHost host;
};

// A Rectangle with the pen and brush selected when it was drawn.
struct PaintedBox {
  Rect box;
  ColorRef pen = 0;
  ColorRef brush = 0;
  std::uint32_t brushStyle = kBsSolid;
};

// A MoveToEx followed by a LineTo, with the pen's width and colour.
struct DrawnLine {
  Point from, to;
  int width = 0;
  ColorRef colour = 0;
};

std::vector<PaintedBox> PaintedBoxes(const RecordingSurface& surface);
std::vector<DrawnLine> DrawnLines(const RecordingSurface& surface);

}  // namespace veltrim::test
