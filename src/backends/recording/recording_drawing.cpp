// Drawing on the recording surface: bitmaps, shapes, pixels and text, each
// call recorded, with the state it moves (current position, arc direction,
// pixels, colours and modes).
#include "backends/recording/recording_surface.hpp"

#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

#include "backends/recording/recording_detail.hpp"
#include "core/platform/draw_text.hpp"
#include "core/support/bitmap_file.hpp"

namespace veltrim {

using recording_detail::B;
using recording_detail::C;
using recording_detail::H;
using recording_detail::Quoted;

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

}  // namespace veltrim
