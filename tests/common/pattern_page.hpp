// One page (or one pattern) drawn on a recording surface with the device's geometry, its records read back.
#pragma once

#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "backends/recording/recording_surface.hpp"
#include "core/print/page_dispatch.hpp"
#include "core/print/print_engine.hpp"
#include "test_print_host.hpp"

namespace veltrim {

// Failure messages show boxes and points as numbers.
inline void PrintTo(const Rect& r, std::ostream* out) {
  *out << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}
inline void PrintTo(const Point& p, std::ostream* out) { *out << "(" << p.x << ", " << p.y << ")"; }

}  // namespace veltrim

namespace veltrim::test {

using Args = std::vector<std::int64_t>;

// 600 x 300 dpi US Letter: 4800 x 3150 units over 203 x 266 mm, so pxPerMmX = 23 and pxPerMmY = 11 (integer quotients);
// the default font is 300 / 12 = 25 high, a line 27. A factor taken for the other fails.
inline RecordingDevice Skewed() { return RecordingDevice::Printer(600, 300, 4800, 3150, 203, 266, 150, 75); }
// 600 dpi Letter: 4800 x 6600 over 203 x 279 mm: 23 both ways, cm1 236, cm2 473, cm4 946.
inline RecordingDevice LetterAt600Dpi() { return RecordingDevice::Printer(600, 600, 4800, 6600, 203, 279, 75, 75); }

// The inks and their mixes, 0x00BBGGRR.
inline constexpr ColorRef kCyan = 0xFFFF00, kMagenta = 0xFF00FF, kYellow = 0x00FFFF, kBlack = 0x000000;
inline constexpr ColorRef kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000;
// Where a pattern run alone starts.
inline constexpr int kY0 = 100;

// A Rectangle with the pen and brush selected when it was drawn.
struct PaintedBox {
  Rect box;
  ColorRef pen = 0, brush = 0;
  int penWidth = 0;
  std::uint32_t brushStyle = kBsSolid;
  friend bool operator==(const PaintedBox&, const PaintedBox&) = default;
  friend void PrintTo(const PaintedBox& b, std::ostream* out) {
    PrintTo(b.box, out);
    *out << std::hex << " pen " << b.pen << " brush " << b.brush << std::dec << " width " << b.penWidth;
  }
};

// A MoveToEx followed by a LineTo, with the pen's width and colour.
struct DrawnLine {
  Point from, to;
  int width = 0;
  ColorRef colour = 0;
  friend bool operator==(const DrawnLine&, const DrawnLine&) = default;
  friend void PrintTo(const DrawnLine& l, std::ostream* out) {
    PrintTo(l.from, out);
    PrintTo(l.to, out);
    *out << " width " << l.width << std::hex << " colour " << l.colour << std::dec;
  }
};

struct Page {
  RecordingSurface dc;
  PageGeometry geometry;
  TestSelection selection;
  JobSettings job;
  std::string printerName = "Queue 7";
  std::string printerPort = "CUPS:Queue 7";
  TestHost host;

  // The job's geometry queries are cleared: the records start with the page.
  explicit Page(const RecordingDevice& device = Skewed()) : dc(device), geometry(ReadPageGeometry(dc)) {
    dc.ClearRecords();
  }
  // The page of `tab` with `items` ticked, drawn at once.
  Page(Tab tab, std::initializer_list<int> items, const RecordingDevice& device = Skewed(), int offsetMm = 0)
      : Page(device) {
    Tick(tab, items).Draw(offsetMm);
  }

  // `tab` current with `items` ticked (the option of Advanced).
  Page& Tick(Tab tab, std::initializer_list<int> items = {}) {
    selection.currentTab = tab;
    for (const int item : items) {
      if (tab == Tab::Advanced) selection.advancedOption = item;
      if (tab == Tab::Custom) selection.customTests[static_cast<std::size_t>(item)] = 1;
      if (tab != Tab::Advanced && tab != Tab::Custom) selection.FlagsOf(tab)[item] = 1;
    }
    return *this;
  }
  Page& Set(JobNumber number, int value) {
    job[number] = value;
    return *this;
  }
  Page& Colour(int slot, ColourTriple colour) {
    selection.customColours[static_cast<std::size_t>(slot)] = colour;
    return *this;
  }
  // The page through the dispatch, the paper offset in millimetres.
  Page& Draw(int offsetMm = 0) {
    job.offsetMm = offsetMm;
    PageContext page{dc, geometry, selection, job, printerName, host, printerPort};
    DrawPage(page);
    return *this;
  }
  // One pattern alone from `cursorY`; answers the cursor it leaves.
  int Run(void (*pattern)(PageContext&), int cursorY = 0) {
    geometry.cursorY = cursorY;
    PageContext page{dc, geometry, selection, job, printerName, host, printerPort};
    pattern(page);
    return geometry.cursorY;
  }

  std::vector<Args> ArgsOf(std::string_view op) const {
    std::vector<Args> args;
    for (const Record& record : dc.RecordsOf(op)) args.push_back(record.args);
    return args;
  }
  std::vector<std::string> TextsOf(std::string_view op = "TextOutA") const {
    std::vector<std::string> texts;
    for (const Record& record : dc.RecordsOf(op)) texts.push_back(record.text);
    return texts;
  }

  // The boxes and the lines, each with the pen and brush selected when it was drawn.
  std::vector<PaintedBox> Boxes() const {
    std::vector<PaintedBox> boxes;
    Walk([&](const Record& r, const RecordedObject& pen, const RecordedObject& brush) {
      if (r.op == "Rectangle")
        boxes.push_back({{At(r, 0), At(r, 1), At(r, 2), At(r, 3)}, pen.penColour, brush.brush.lbColor, pen.penWidth,
                         brush.brush.lbStyle});
    });
    return boxes;
  }
  std::vector<DrawnLine> Lines() const {
    std::vector<DrawnLine> lines;
    Point at;
    Walk([&](const Record& r, const RecordedObject& pen, const RecordedObject&) {
      if (r.op == "MoveToEx") at = {At(r, 0), At(r, 1)};
      if (r.op != "LineTo") return;
      lines.push_back({at, {At(r, 0), At(r, 1)}, pen.penWidth, pen.penColour});
      at = lines.back().to;
    });
    return lines;
  }

 private:
  template <typename Visit>
  void Walk(Visit visit) const {
    const RecordedObject* pen = dc.Object(RecordingSurface::StockHandle(StockObject::BlackPen));
    const RecordedObject* brush = dc.Object(RecordingSurface::StockHandle(StockObject::WhiteBrush));
    for (const Record& record : dc.Records()) {
      const RecordedObject* object =
          record.op == "SelectObject" && record.result != 0
              ? dc.Object(ObjectHandle{static_cast<std::uintptr_t>(record.args.at(0))}) : nullptr;
      if (object && object->kind == ObjectKind::Pen) pen = object;
      if (object && object->kind == ObjectKind::Brush) brush = object;
      visit(record, *pen, *brush);
    }
  }
  static int At(const Record& record, std::size_t index) { return static_cast<int>(record.args.at(index)); }
};

}  // namespace veltrim::test
