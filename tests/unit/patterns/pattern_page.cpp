#include "pattern_page.hpp"

namespace veltrim::test {
namespace {

// Walks the records keeping the selected pen and brush.
template <typename Visit>
void WithSelection(const RecordingSurface& surface, Visit visit) {
  const RecordedObject* pen = surface.Object(RecordingSurface::StockHandle(StockObject::BlackPen));
  const RecordedObject* brush = surface.Object(RecordingSurface::StockHandle(StockObject::WhiteBrush));
  for (const Record& record : surface.Records()) {
    if (record.op == "SelectObject" && record.result != 0) {
      const RecordedObject* object = surface.Object(ObjectHandle{static_cast<std::uintptr_t>(record.args.at(0))});
      if (object && object->kind == ObjectKind::Pen) pen = object;
      if (object && object->kind == ObjectKind::Brush) brush = object;
    }
    visit(record, *pen, *brush);
  }
}

int Arg(const Record& record, std::size_t index) { return static_cast<int>(record.args.at(index)); }

}  // namespace

std::vector<PaintedBox> PaintedBoxes(const RecordingSurface& surface) {
  std::vector<PaintedBox> boxes;
  WithSelection(surface, [&](const Record& record, const RecordedObject& pen, const RecordedObject& brush) {
    if (record.op != "Rectangle") return;
    boxes.push_back({{Arg(record, 0), Arg(record, 1), Arg(record, 2), Arg(record, 3)}, pen.penColour,
                     brush.brush.lbColor, brush.brush.lbStyle});
  });
  return boxes;
}

std::vector<DrawnLine> DrawnLines(const RecordingSurface& surface) {
  std::vector<DrawnLine> lines;
  Point at;
  WithSelection(surface, [&](const Record& record, const RecordedObject& pen, const RecordedObject&) {
    if (record.op == "MoveToEx") at = {Arg(record, 0), Arg(record, 1)};
    if (record.op != "LineTo") return;
    const Point to{Arg(record, 0), Arg(record, 1)};
    lines.push_back({at, to, pen.penWidth, pen.penColour});
    at = to;
  });
  return lines;
}

}  // namespace veltrim::test
