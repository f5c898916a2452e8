#include "recording_surface.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <sstream>
#include <utility>

#include "support/bitmap_file.hpp"
#include "platform/draw_text.hpp"

namespace veltrim {
namespace {

std::int64_t H(ObjectHandle handle) { return static_cast<std::int64_t>(handle.value); }
std::int64_t B(bool value) { return value ? 1 : 0; }
std::int64_t C(ColorRef colour) { return static_cast<std::int64_t>(colour); }

std::string HexColour(std::int64_t value) {
  char buffer[32];
  const auto bits = static_cast<unsigned long long>(value);
  std::snprintf(buffer, sizeof buffer, bits > 0xFFFFFFull ? "0x%08llX" : "0x%06llX", bits);
  return buffer;
}

std::string Quoted(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    const auto u = static_cast<unsigned char>(c);
    switch (c) {
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      case '\t': out += "\\t"; break;
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      default:
        if (u < 0x20 || u >= 0x7F) {
          char buffer[8];
          std::snprintf(buffer, sizeof buffer, "\\x%02X", u);
          out += buffer;
        } else {
          out += c;
        }
    }
  }
  return out + "\"";
}

// Which arguments, and whether the result, of an op are colours.
struct ColourSlots {
  int arg = -1;
  bool result = false;
};

ColourSlots ColourSlotsOf(std::string_view op) {
  if (op == "CreatePen") return {2, false};
  if (op == "CreateBrushIndirect") return {1, false};
  if (op == "SetPixel") return {2, true};
  if (op == "SetPixelV") return {2, false};
  if (op == "GetPixel") return {-1, true};
  if (op == "SetTextColor" || op == "SetBkColor") return {0, true};
  return {};
}

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

const char* KindName(ObjectKind kind) {
  switch (kind) {
    case ObjectKind::Pen: return "pen";
    case ObjectKind::Brush: return "brush";
    case ObjectKind::Font: return "font";
    case ObjectKind::Bitmap: return "bitmap";
  }
  return "object";
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

// ---------------------------------------------------------------- devices

namespace {

// The capabilities of a raster printer; every device factory starts here.
std::map<DeviceCap, int> PrinterCaps(int dpiX, int dpiY, int horzRes, int vertRes, int horzSizeMm, int vertSizeMm,
                                     int offsetX, int offsetY) {
  return {
      {DeviceCap::DriverVersion, 0x0400},
      {DeviceCap::Technology, kDtRasPrinter},
      {DeviceCap::HorzSize, horzSizeMm},
      {DeviceCap::VertSize, vertSizeMm},
      {DeviceCap::HorzRes, horzRes},
      {DeviceCap::VertRes, vertRes},
      {DeviceCap::BitsPixel, 24},
      {DeviceCap::Planes, 1},
      {DeviceCap::NumBrushes, -1},
      {DeviceCap::NumPens, -1},
      {DeviceCap::NumMarkers, 0},
      {DeviceCap::NumFonts, 0},
      {DeviceCap::NumColors, -1},
      {DeviceCap::CurveCaps, 511},
      {DeviceCap::LineCaps, 254},
      {DeviceCap::PolygonalCaps, 255},
      {DeviceCap::TextCaps, 0x7E0F},
      {DeviceCap::ClipCaps, 1},
      {DeviceCap::RasterCaps, 0x7E99},
      {DeviceCap::AspectX, dpiX},
      {DeviceCap::AspectY, dpiY},
      {DeviceCap::AspectXY, static_cast<int>(std::lround(std::sqrt(double(dpiX) * dpiX + double(dpiY) * dpiY)))},
      {DeviceCap::LogPixelsX, dpiX},
      {DeviceCap::LogPixelsY, dpiY},
      {DeviceCap::PhysicalWidth, horzRes + 2 * offsetX},
      {DeviceCap::PhysicalHeight, vertRes + 2 * offsetY},
      {DeviceCap::PhysicalOffsetX, offsetX},
      {DeviceCap::PhysicalOffsetY, offsetY},
  };
}

}  // namespace

RecordingDevice::RecordingDevice() : caps(PrinterCaps(600, 600, 4800, 6814, 203, 288, 80, 100)) {}

int RecordingDevice::Cap(DeviceCap index) const {
  const auto found = caps.find(index);
  return found == caps.end() ? 0 : found->second;
}

RecordingDevice& RecordingDevice::With(DeviceCap index, int value) {
  caps[index] = value;
  return *this;
}

int RecordingDevice::DefaultFontHeight() const {
  if (defaultFontHeight > 0) return defaultFontHeight;
  return std::max(1, Cap(DeviceCap::LogPixelsY) / 12);
}

RecordingDevice RecordingDevice::Printer(int dpiX, int dpiY, int horzRes, int vertRes, int horzSizeMm,
                                         int vertSizeMm, int offsetX, int offsetY) {
  RecordingDevice device;
  device.caps = PrinterCaps(dpiX, dpiY, horzRes, vertRes, horzSizeMm, vertSizeMm, offsetX, offsetY);
  return device;
}

RecordingDevice RecordingDevice::A4At600Dpi() { return Printer(600, 600, 4800, 6814, 203, 288, 80, 100); }

RecordingDevice RecordingDevice::LetterAt300Dpi() { return Printer(300, 300, 2400, 3150, 203, 266, 75, 75); }

RecordingDevice RecordingDevice::Screen(int width, int height) {
  // A display shares a printer's drawing abilities but has no paper.
  RecordingDevice device;
  device.caps = PrinterCaps(96, 96, width, height, width * 254 / 960, height * 254 / 960, 0, 0);
  for (const DeviceCap paper : {DeviceCap::PhysicalWidth, DeviceCap::PhysicalHeight, DeviceCap::PhysicalOffsetX,
                                DeviceCap::PhysicalOffsetY, DeviceCap::ScalingFactorX, DeviceCap::ScalingFactorY})
    device.caps.erase(paper);
  device.With(DeviceCap::DriverVersion, 0x4000)
      .With(DeviceCap::Technology, kDtRasDisplay)
      .With(DeviceCap::BitsPixel, 32)
      .With(DeviceCap::AspectX, 36)
      .With(DeviceCap::AspectY, 36)
      .With(DeviceCap::AspectXY, 51)
      .With(DeviceCap::ColorRes, 24)
      .With(DeviceCap::VRefresh, 60)
      .With(DeviceCap::DesktopHorzRes, width)
      .With(DeviceCap::DesktopVertRes, height)
      .With(DeviceCap::BltAlignment, 1);
  device.defaultFontHeight = 16;
  return device;
}

// ---------------------------------------------------------------- records

std::string Record::ToString() const {
  const ColourSlots colours = ColourSlotsOf(op);
  std::string out = nested ? "  " : "";
  out += op;
  out += '(';
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (i) out += ", ";
    out += static_cast<int>(i) == colours.arg ? HexColour(args[i]) : std::to_string(args[i]);
  }
  const bool hasText = !text.empty() || op == "TextOutA" || op == "DrawTextA" || op == "GetTextExtentPoint32A" ||
                       op == "LoadBitmapFile";
  if (hasText) {
    if (!args.empty()) out += ", ";
    out += Quoted(text);
  }
  out += ") -> ";
  out += colours.result ? HexColour(result) : std::to_string(result);
  return out;
}

std::ostream& operator<<(std::ostream& out, const Record& record) { return out << record.ToString(); }

// ---------------------------------------------------------------- surface

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

// Bitmaps.

ObjectHandle RecordingSurface::LoadBitmapFile(const char* path) {
  ObjectHandle handle;
  const std::string shownPath = path ? path : "";
  if (!Failing("LoadBitmapFile") && path != nullptr) {
    if (const auto bitmap = DecodeBitmapFile(path)) {
      RecordedObject object;
      object.kind = ObjectKind::Bitmap;
      object.bitmapSize = {bitmap->width, bitmap->height};
      object.path = shownPath;
      object.origin = "LoadBitmapFile(" + Quoted(shownPath) + ")";
      handle = AddObject(std::move(object));
    }
  }
  Log("LoadBitmapFile", {}, shownPath, H(handle));
  return handle;
}

bool RecordingSurface::GetBitmapSize(ObjectHandle bitmap, Size& size) {
  bool ok = false;
  if (!Failing("GetBitmapSize")) {
    if (const RecordedObject* object = Live(bitmap); object && object->kind == ObjectKind::Bitmap) {
      size = object->bitmapSize;
      ok = true;
    }
  }
  Log("GetBitmapSize", {H(bitmap)}, "", B(ok));
  return ok;
}

bool RecordingSurface::BitBlt(int x, int y, int width, int height, ObjectHandle bitmap, int srcX, int srcY) {
  bool ok = false;
  if (!Failing("BitBlt")) {
    const RecordedObject* object = Live(bitmap);
    ok = object && object->kind == ObjectKind::Bitmap;
  }
  Log("BitBlt", {x, y, width, height, H(bitmap), srcX, srcY}, "", B(ok));
  return ok;
}

bool RecordingSurface::StretchBlt(int x, int y, int width, int height, ObjectHandle bitmap, int srcX, int srcY,
                                  int srcWidth, int srcHeight) {
  bool ok = false;
  if (!Failing("StretchBlt")) {
    const RecordedObject* object = Live(bitmap);
    ok = object && object->kind == ObjectKind::Bitmap;
  }
  Log("StretchBlt", {x, y, width, height, H(bitmap), srcX, srcY, srcWidth, srcHeight}, "", B(ok));
  return ok;
}

// Shapes.

bool RecordingSurface::MoveToEx(int x, int y, Point* previous) {
  const bool ok = !Failing("MoveToEx");
  if (ok) {
    if (previous) *previous = position_;
    position_ = Point{x, y};
  }
  Log("MoveToEx", {x, y}, "", B(ok));
  return ok;
}

bool RecordingSurface::LineTo(int x, int y) {
  const bool ok = !Failing("LineTo");
  if (ok) position_ = Point{x, y};
  Log("LineTo", {x, y}, "", B(ok));
  return ok;
}

bool RecordingSurface::Rectangle(int left, int top, int right, int bottom) {
  const bool ok = !Failing("Rectangle");
  Log("Rectangle", {left, top, right, bottom}, "", B(ok));
  return ok;
}

bool RecordingSurface::Ellipse(int left, int top, int right, int bottom) {
  const bool ok = !Failing("Ellipse");
  Log("Ellipse", {left, top, right, bottom}, "", B(ok));
  return ok;
}

bool RecordingSurface::Arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd) {
  const bool ok = !Failing("Arc");
  Log("Arc", {left, top, right, bottom, xStart, yStart, xEnd, yEnd}, "", B(ok));
  return ok;
}

bool RecordingSurface::ArcTo(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd) {
  const bool ok = !Failing("ArcTo");
  if (ok) {
    const double cx = (double(left) + right) / 2.0;
    const double cy = (double(top) + bottom) / 2.0;
    const double rx = std::abs(double(right) - left) / 2.0;
    const double ry = std::abs(double(bottom) - top) / 2.0;
    const double dx = xEnd - cx;
    const double dy = yEnd - cy;
    if (rx == 0.0 || ry == 0.0 || (dx == 0.0 && dy == 0.0)) {
      position_ = Point{xEnd, yEnd};
    } else {
      const double k = 1.0 / std::sqrt((dx / rx) * (dx / rx) + (dy / ry) * (dy / ry));
      position_ = Point{static_cast<std::int32_t>(std::lround(cx + dx * k)),
                        static_cast<std::int32_t>(std::lround(cy + dy * k))};
    }
  }
  Log("ArcTo", {left, top, right, bottom, xStart, yStart, xEnd, yEnd}, "", B(ok));
  return ok;
}

bool RecordingSurface::Chord(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd) {
  const bool ok = !Failing("Chord");
  Log("Chord", {left, top, right, bottom, xStart, yStart, xEnd, yEnd}, "", B(ok));
  return ok;
}

int RecordingSurface::SetArcDirection(int direction) {
  int previous = 0;
  if (!Failing("SetArcDirection") && (direction == kAdCounterClockwise || direction == kAdClockwise)) {
    previous = std::exchange(arcDirection_, direction);
  }
  Log("SetArcDirection", {direction}, "", previous);
  return previous;
}

bool RecordingSurface::PolyBezier(std::span<const Point> points) {
  const bool ok = !Failing("PolyBezier") && points.size() >= 4 && (points.size() - 1) % 3 == 0;
  std::vector<std::int64_t> args;
  args.reserve(points.size() * 2);
  for (const Point& point : points) {
    args.push_back(point.x);
    args.push_back(point.y);
  }
  Log("PolyBezier", std::move(args), "", B(ok));
  return ok;
}

ColorRef RecordingSurface::SetPixel(int x, int y, ColorRef colour) {
  ColorRef result = kInvalidColour;
  if (!Failing("SetPixel") && OnPage(x, y)) {
    result = colour & 0xFFFFFF;
    pixels_[(std::uint64_t(std::uint32_t(x)) << 32) | std::uint32_t(y)] = result;
  }
  Log("SetPixel", {x, y, C(colour)}, "", C(result));
  return result;
}

bool RecordingSurface::SetPixelV(int x, int y, ColorRef colour) {
  bool ok = false;
  if (!Failing("SetPixelV") && OnPage(x, y)) {
    pixels_[(std::uint64_t(std::uint32_t(x)) << 32) | std::uint32_t(y)] = colour & 0xFFFFFF;
    ok = true;
  }
  Log("SetPixelV", {x, y, C(colour)}, "", B(ok));
  return ok;
}

ColorRef RecordingSurface::GetPixel(int x, int y) {
  ColorRef result = kInvalidColour;
  if (!Failing("GetPixel") && OnPage(x, y)) {
    const auto found = pixels_.find((std::uint64_t(std::uint32_t(x)) << 32) | std::uint32_t(y));
    result = found == pixels_.end() ? 0xFFFFFF : found->second;
  }
  Log("GetPixel", {x, y}, "", C(result));
  return result;
}

// Text.

bool RecordingSurface::TextOutA(int x, int y, std::string_view text) {
  const bool ok = !Failing("TextOutA");
  Log("TextOutA", {x, y}, std::string(text), B(ok));
  return ok;
}

int RecordingSurface::DrawTextA(std::string_view text, Rect& rect, std::uint32_t format) {
  const std::size_t index = records_.size();
  Log("DrawTextA", {rect.left, rect.top, rect.right, rect.bottom, static_cast<std::int64_t>(format)},
      std::string(text), 0);
  if (Failing("DrawTextA")) return 0;
  ++drawTextDepth_;
  const int height = DrawTextByWords(*this, text, rect, format);
  --drawTextDepth_;
  records_[index].result = height;
  return height;
}

ColorRef RecordingSurface::SetTextColor(ColorRef colour) {
  ColorRef previous = kInvalidColour;
  if (!Failing("SetTextColor")) previous = std::exchange(textColour_, colour);
  Log("SetTextColor", {C(colour)}, "", C(previous));
  return previous;
}

ColorRef RecordingSurface::SetBkColor(ColorRef colour) {
  ColorRef previous = kInvalidColour;
  if (!Failing("SetBkColor")) previous = std::exchange(bkColour_, colour);
  Log("SetBkColor", {C(colour)}, "", C(previous));
  return previous;
}

int RecordingSurface::SetBkMode(int mode) {
  int previous = 0;
  if (!Failing("SetBkMode") && (mode == kTransparent || mode == kOpaque)) previous = std::exchange(bkMode_, mode);
  Log("SetBkMode", {mode}, "", previous);
  return previous;
}

// ---------------------------------------------------------------- queries

std::vector<Record> RecordingSurface::RecordsOf(std::string_view op) const {
  std::vector<Record> out;
  for (const Record& record : records_) {
    if (record.op == op) out.push_back(record);
  }
  return out;
}

std::vector<Record> RecordingSurface::TopLevelRecords() const {
  std::vector<Record> out;
  for (const Record& record : records_) {
    if (!record.nested) out.push_back(record);
  }
  return out;
}

std::string RecordingSurface::Dump() const {
  std::string out;
  for (const Record& record : records_) {
    out += record.ToString();
    out += '\n';
  }
  return out;
}

std::vector<std::string> RecordingSurface::Problems() const {
  std::vector<std::string> problems = events_;
  for (const auto& [value, object] : objects_) {
    if (object.stock || object.deleted) continue;
    std::string problem = object.name + " from " + object.origin + " was never deleted";
    if (selected_[KindIndex(object.kind)].value == value) problem += " (still selected)";
    problems.push_back(std::move(problem));
  }
  for (const ObjectKind kind : {ObjectKind::Pen, ObjectKind::Brush, ObjectKind::Font, ObjectKind::Bitmap}) {
    const ObjectHandle now = selected_[KindIndex(kind)];
    const ObjectHandle start = initial_[KindIndex(kind)];
    if (now == start) continue;
    const RecordedObject* current = Object(now);
    const RecordedObject* original = Object(start);
    problems.push_back(std::string("the ") + KindName(kind) + " selection was not restored: " +
                       (current ? current->name : std::to_string(now.value)) + " is selected, " +
                       (original ? original->name : std::to_string(start.value)) + " was at the start");
  }
  return problems;
}

std::string RecordingSurface::HygieneReport() const {
  std::string out;
  for (const std::string& problem : Problems()) {
    out += problem;
    out += '\n';
  }
  return out;
}

}  // namespace veltrim
