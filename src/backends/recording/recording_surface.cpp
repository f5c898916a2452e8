// The recording surface: its start-up state and stock objects, the record
// log and failure injection, measuring, and the object table (creating,
// selecting, deleting). Drawing calls are in recording_drawing.cpp, record
// text and the hygiene report in recording_records.cpp.
#include "backends/recording/recording_surface.hpp"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <utility>

#include "backends/recording/recording_detail.hpp"

namespace veltrim {

using recording_detail::B;
using recording_detail::C;
using recording_detail::H;
using recording_detail::HexColour;
using recording_detail::KindName;
using recording_detail::Quoted;

namespace {

const char* PenStyleName(PenStyle style) {
  switch (style) {
    case PenStyle::Solid: return "solid";
    case PenStyle::Dash: return "dash";
    case PenStyle::Dot: return "dot";
    case PenStyle::DashDot: return "dashdot";
    case PenStyle::DashDotDot: return "dashdotdot";
    case PenStyle::Null: return "null";
    case PenStyle::InsideFrame: return "insideframe";
  }
  return "?";
}

struct StockEntry {
  StockObject which;
  const char* name;
  ObjectKind kind;
  ColorRef colour;  // pens and brushes
  bool hollow;      // null pen / null brush
};

constexpr StockEntry kStock[] = {
    {StockObject::WhiteBrush, "WHITE_BRUSH", ObjectKind::Brush, 0xFFFFFF, false},
    {StockObject::LtGrayBrush, "LTGRAY_BRUSH", ObjectKind::Brush, 0xC0C0C0, false},
    {StockObject::GrayBrush, "GRAY_BRUSH", ObjectKind::Brush, 0x808080, false},
    {StockObject::DkGrayBrush, "DKGRAY_BRUSH", ObjectKind::Brush, 0x404040, false},
    {StockObject::BlackBrush, "BLACK_BRUSH", ObjectKind::Brush, 0x000000, false},
    {StockObject::NullBrush, "NULL_BRUSH", ObjectKind::Brush, 0x000000, true},
    {StockObject::WhitePen, "WHITE_PEN", ObjectKind::Pen, 0xFFFFFF, false},
    {StockObject::BlackPen, "BLACK_PEN", ObjectKind::Pen, 0x000000, false},
    {StockObject::NullPen, "NULL_PEN", ObjectKind::Pen, 0x000000, true},
    {StockObject::OemFixedFont, "OEM_FIXED_FONT", ObjectKind::Font, 0, false},
    {StockObject::AnsiFixedFont, "ANSI_FIXED_FONT", ObjectKind::Font, 0, false},
    {StockObject::AnsiVarFont, "ANSI_VAR_FONT", ObjectKind::Font, 0, false},
    {StockObject::SystemFont, "SYSTEM_FONT", ObjectKind::Font, 0, false},
    {StockObject::DeviceDefaultFont, "DEVICE_DEFAULT_FONT", ObjectKind::Font, 0, false},
    {StockObject::SystemFixedFont, "SYSTEM_FIXED_FONT", ObjectKind::Font, 0, false},
    {StockObject::DefaultGuiFont, "DEFAULT_GUI_FONT", ObjectKind::Font, 0, false},
};

const StockEntry* FindStock(StockObject which) {
  for (const auto& entry : kStock) {
    if (entry.which == which) return &entry;
  }
  return nullptr;
}

std::int32_t ClampToInt32(std::int64_t value) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, INT32_MIN, INT32_MAX));
}

std::string FaceOf(const LogFont& font) {
  const char* face = font.lfFaceName;
  return std::string(face, std::find(face, face + kLfFaceSize, '\0'));
}

}  // namespace

RecordingSurface::RecordingSurface(RecordingDevice device) : device_(std::move(device)) {
  const TextMetrics defaultMetrics = MetricsFor(device_.DefaultFontHeight());
  for (const auto& entry : kStock) {
    RecordedObject object;
    object.kind = entry.kind;
    object.stock = true;
    object.name = std::string("stock ") + entry.name;
    object.origin = std::string("GetStockObject(") + entry.name + ")";
    object.penStyle = entry.hollow ? PenStyle::Null : PenStyle::Solid;
    object.penWidth = 0;
    object.penColour = entry.colour;
    object.brush = LogBrush{entry.hollow ? kBsNull : kBsSolid, entry.colour, 0};
    object.metrics = defaultMetrics;
    objects_[StockHandle(entry.which).value] = object;
  }
  RecordedObject bitmap;
  bitmap.kind = ObjectKind::Bitmap;
  bitmap.stock = true;
  bitmap.name = "stock DEFAULT_BITMAP";
  bitmap.origin = "the default 1x1 bitmap";
  bitmap.bitmapSize = Size{1, 1};
  objects_[DefaultBitmapHandle().value] = bitmap;

  selected_[KindIndex(ObjectKind::Pen)] = StockHandle(StockObject::BlackPen);
  selected_[KindIndex(ObjectKind::Brush)] = StockHandle(StockObject::WhiteBrush);
  selected_[KindIndex(ObjectKind::Font)] = StockHandle(StockObject::SystemFont);
  selected_[KindIndex(ObjectKind::Bitmap)] = DefaultBitmapHandle();
  std::copy(std::begin(selected_), std::end(selected_), std::begin(initial_));
}

ObjectHandle RecordingSurface::StockHandle(StockObject which) {
  return ObjectHandle{kStockHandleBase + static_cast<std::uintptr_t>(which)};
}

ObjectHandle RecordingSurface::DefaultBitmapHandle() {
  return ObjectHandle{kStockHandleBase + static_cast<std::uintptr_t>(kDefaultBitmapIndex)};
}

TextMetrics RecordingSurface::MetricsFor(int height, int width, int weight) {
  const int h = std::max(1, height);
  TextMetrics metrics;
  metrics.tmHeight = h;
  metrics.tmDescent = h / 5;
  metrics.tmAscent = h - metrics.tmDescent;
  metrics.tmInternalLeading = h / 10;
  metrics.tmExternalLeading = 0;
  metrics.tmAveCharWidth = width > 0 ? width : std::max(1, h / 2);
  metrics.tmMaxCharWidth = 2 * metrics.tmAveCharWidth;
  metrics.tmWeight = weight > 0 ? weight : 400;
  return metrics;
}

void RecordingSurface::Log(std::string op, std::vector<std::int64_t> args, std::string text, std::int64_t result) {
  if (drawTextDepth_ > 0 && (op == "GetTextMetricsA" || op == "GetTextExtentPoint32A")) return;
  records_.push_back(Record{std::move(op), std::move(args), std::move(text), result, drawTextDepth_ > 0});
}

bool RecordingSurface::Failing(std::string_view op) {
  const auto found = failures_.find(op);
  if (found == failures_.end()) return false;
  if (--found->second <= 0) failures_.erase(found);
  return true;
}

void RecordingSurface::FailNext(std::string_view op, int times) {
  if (times > 0) failures_[std::string(op)] += times;
}

ObjectHandle RecordingSurface::AddObject(RecordedObject object) {
  if (nextHandle_ >= kStockHandleBase && nextHandle_ < kStockHandleBase + 100) nextHandle_ = kStockHandleBase + 100;
  const ObjectHandle handle{nextHandle_++};
  object.name = std::string(KindName(object.kind)) + " " + std::to_string(handle.value);
  objects_[handle.value] = std::move(object);
  return handle;
}

RecordedObject* RecordingSurface::Live(ObjectHandle handle) {
  const auto found = objects_.find(handle.value);
  if (found == objects_.end() || found->second.deleted) return nullptr;
  return &found->second;
}

const RecordedObject* RecordingSurface::Object(ObjectHandle handle) const {
  const auto found = objects_.find(handle.value);
  return found == objects_.end() ? nullptr : &found->second;
}

ObjectHandle RecordingSurface::Selected(ObjectKind kind) const { return selected_[KindIndex(kind)]; }

TextMetrics RecordingSurface::CurrentMetrics() const {
  const RecordedObject* font = Object(Selected(ObjectKind::Font));
  return font ? font->metrics : MetricsFor(device_.DefaultFontHeight());
}

bool RecordingSurface::OnPage(int x, int y) const {
  return x >= 0 && y >= 0 && x < device_.Cap(DeviceCap::HorzRes) && y < device_.Cap(DeviceCap::VertRes);
}

// Measuring.

int RecordingSurface::GetDeviceCaps(DeviceCap index) {
  const int value = Failing("GetDeviceCaps") ? 0 : device_.Cap(index);
  Log("GetDeviceCaps", {static_cast<int>(index)}, "", value);
  return value;
}

bool RecordingSurface::GetTextMetricsA(TextMetrics& metrics) {
  const bool ok = !Failing("GetTextMetricsA");
  if (ok) metrics = CurrentMetrics();
  Log("GetTextMetricsA", {}, "", B(ok));
  return ok;
}

bool RecordingSurface::GetTextExtentPoint32A(std::string_view text, Size& size) {
  const bool ok = !Failing("GetTextExtentPoint32A");
  if (ok) {
    const TextMetrics metrics = CurrentMetrics();
    size.cx = ClampToInt32(static_cast<std::int64_t>(text.size()) * metrics.tmAveCharWidth);
    size.cy = metrics.tmHeight;
  }
  Log("GetTextExtentPoint32A", {}, std::string(text), B(ok));
  return ok;
}

// Objects.

ObjectHandle RecordingSurface::CreatePen(PenStyle style, int width, ColorRef colour) {
  const int styleValue = static_cast<int>(style);
  ObjectHandle handle;
  if (!Failing("CreatePen") && styleValue >= 0 && styleValue <= static_cast<int>(PenStyle::InsideFrame)) {
    RecordedObject object;
    object.kind = ObjectKind::Pen;
    object.penStyle = style;
    object.penWidth = width;
    object.penColour = colour;
    object.origin = std::string("CreatePen(") + PenStyleName(style) + ", " + std::to_string(width) + ", " +
                    HexColour(colour) + ")";
    handle = AddObject(std::move(object));
  }
  Log("CreatePen", {styleValue, width, C(colour)}, "", H(handle));
  return handle;
}

ObjectHandle RecordingSurface::CreateBrushIndirect(const LogBrush& brush) {
  ObjectHandle handle;
  const bool valid = brush.lbStyle == kBsSolid || brush.lbStyle == kBsNull ||
                     (brush.lbStyle == kBsHatched && brush.lbHatch <= 5);
  if (!Failing("CreateBrushIndirect") && valid) {
    RecordedObject object;
    object.kind = ObjectKind::Brush;
    object.brush = brush;
    object.origin = "CreateBrushIndirect(" + std::to_string(brush.lbStyle) + ", " + HexColour(brush.lbColor) + ", " +
                    std::to_string(brush.lbHatch) + ")";
    handle = AddObject(std::move(object));
  }
  Log("CreateBrushIndirect",
      {static_cast<std::int64_t>(brush.lbStyle), C(brush.lbColor), static_cast<std::int64_t>(brush.lbHatch)}, "",
      H(handle));
  return handle;
}

ObjectHandle RecordingSurface::CreateFontIndirectA(const LogFont& font) {
  ObjectHandle handle;
  const std::string face = FaceOf(font);
  if (!Failing("CreateFontIndirectA")) {
    RecordedObject object;
    object.kind = ObjectKind::Font;
    object.font = font;
    const int height = font.lfHeight == 0 ? device_.DefaultFontHeight() : std::abs(font.lfHeight);
    object.metrics = MetricsFor(height, std::abs(font.lfWidth), font.lfWeight);
    object.origin = "CreateFontIndirectA(height " + std::to_string(font.lfHeight) + ", width " +
                    std::to_string(font.lfWidth) + ", weight " + std::to_string(font.lfWeight) + ", " + Quoted(face) +
                    ")";
    handle = AddObject(std::move(object));
  }
  Log("CreateFontIndirectA",
      {font.lfHeight, font.lfWidth, font.lfEscapement, font.lfOrientation, font.lfWeight, font.lfItalic,
       font.lfUnderline, font.lfStrikeOut, font.lfCharSet, font.lfOutPrecision, font.lfClipPrecision, font.lfQuality,
       font.lfPitchAndFamily},
      face, H(handle));
  return handle;
}

ObjectHandle RecordingSurface::GetStockObject(StockObject which) {
  ObjectHandle handle;
  if (!Failing("GetStockObject") && FindStock(which) != nullptr) handle = StockHandle(which);
  Log("GetStockObject", {static_cast<int>(which)}, "", H(handle));
  return handle;
}

ObjectHandle RecordingSurface::SelectObject(ObjectHandle object) {
  ObjectHandle replaced;
  if (!Failing("SelectObject")) {
    if (const RecordedObject* live = Live(object)) {
      ObjectHandle& slot = selected_[KindIndex(live->kind)];
      replaced = slot;
      slot = object;
    }
  }
  Log("SelectObject", {H(object)}, "", H(replaced));
  return replaced;
}

bool RecordingSurface::DeleteObject(ObjectHandle object) {
  bool ok = false;
  const std::string call = "DeleteObject(" + std::to_string(object.value) + "): ";
  if (!Failing("DeleteObject")) {
    const auto found = objects_.find(object.value);
    if (found == objects_.end()) {
      events_.push_back(call + (object ? "unknown handle" : "no object (handle 0)"));
    } else {
      RecordedObject& target = found->second;
      if (target.stock) {
        ok = true;  // harmless, as GDI: the stock object stays
      } else if (target.deleted) {
        events_.push_back(call + target.name + " was already deleted (double delete)");
      } else if (selected_[KindIndex(target.kind)] == object) {
        events_.push_back(call + target.name + " from " + target.origin +
                          " is still selected; not deleted (deleted while selected)");
      } else {
        target.deleted = true;
        ok = true;
      }
    }
  }
  Log("DeleteObject", {H(object)}, "", B(ok));
  return ok;
}

}  // namespace veltrim
