// One page of the Advanced or Custom category drawn through the page
// dispatch on a recording surface, with a host whose number boxes the test
// sets, and the filled rectangles read back with their pen and brush.
#pragma once

#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "print/page_dispatch.hpp"
#include "print/print_engine.hpp"
#include "recording_surface.hpp"
#include "test_print_host.hpp"

namespace veltrim::test {

struct AdvancedPage {
  RecordingSurface dc;
  TestHost host;
  TestSelection selection;
  std::string printerName = "Queue 7";
  PageGeometry geometry;

  explicit AdvancedPage(RecordingDevice device) : dc(std::move(device)) {}

  // The records start with the page's first call: the job's own geometry
  // queries are cleared.
  void Draw(int tab, int item, int offsetMm = 0) {
    selection.currentTab = tab;
    if (tab == 2) selection.advancedOption = item;
    if (tab == 4) selection.customTests[item] = 1;
    geometry = ReadPageGeometry(dc);
    geometry.offsetMm = offsetMm;
    dc.ClearRecords();
    PageContext page{dc, geometry, selection, printerName, host};
    DrawPage(page);
  }
  void Advanced(int option, int offsetMm = 0) { Draw(2, option, offsetMm); }
};

struct FilledRect {
  Rect rect;
  ColorRef brush = 0;
  ColorRef pen = 0;
  int penWidth = -1;
  friend bool operator==(const FilledRect&, const FilledRect&) = default;
};

inline std::ostream& operator<<(std::ostream& out, const FilledRect& r) {
  return out << "(" << r.rect.left << ", " << r.rect.top << ", " << r.rect.right << ", " << r.rect.bottom
             << ") brush 0x" << std::hex << r.brush << " pen 0x" << r.pen << std::dec << " width " << r.penWidth;
}

// Every Rectangle call with the brush and pen selected for it.
inline std::vector<FilledRect> FilledRects(const RecordingSurface& dc) {
  std::vector<FilledRect> rects;
  const RecordedObject* pen = nullptr;
  const RecordedObject* brush = nullptr;
  for (const Record& record : dc.Records()) {
    if (record.op == "SelectObject") {
      const RecordedObject* object = dc.Object(ObjectHandle{static_cast<std::uintptr_t>(record.args.at(0))});
      if (object && object->kind == ObjectKind::Pen) pen = object;
      if (object && object->kind == ObjectKind::Brush) brush = object;
    } else if (record.op == "Rectangle") {
      const auto& a = record.args;
      FilledRect r{{static_cast<int>(a[0]), static_cast<int>(a[1]), static_cast<int>(a[2]), static_cast<int>(a[3])}};
      if (brush) r.brush = brush->brush.lbColor;
      if (pen) r = {r.rect, r.brush, pen->penColour, pen->penWidth};
      rects.push_back(r);
    }
  }
  return rects;
}

}  // namespace veltrim::test
