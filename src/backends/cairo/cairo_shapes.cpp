// Shapes on the cairo surface: filling with the brush and stroking with the
// pen; lines, rectangles, ellipses, arcs, chords, Bezier curves and pixels.
#include "backends/cairo/cairo_surface.hpp"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <span>
#include <utility>

#include "backends/cairo/cairo_surface_detail.hpp"

namespace veltrim {

using cairo_detail::kPi;
using cairo_detail::SetColour;

namespace {

bool IsNull(PenStyle style) { return style == PenStyle::Null; }

// Where a pixel's outline runs for this pen: through pixel centres for odd
// widths, on pixel edges for even ones, so the pen covers whole pixels.
double Offset(int width) { return width % 2 == 1 ? 0.5 : 0.0; }

// The outline of the ellipse with centre (cx, cy) and radii (rx, ry), as a
// closed sub-path.
void EllipsePath(cairo_t* cr, double cx, double cy, double rx, double ry) {
  cairo_new_path(cr);
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, std::max(rx, 1e-3), std::max(ry, 1e-3));
  cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
  cairo_restore(cr);
  cairo_close_path(cr);
}

}  // namespace

bool CairoSurface::Fill(BrushObject& brush) {
  switch (brush.brush.lbStyle) {
    case kBsNull:
      return true;
    case kBsHatched:
      if (bkMode_ == kOpaque) {
        SetColour(cr_, bkColour_);
        cairo_fill_preserve(cr_);
      }
      cairo_set_source(cr_, brush.hatch.get());
      break;
    default:
      SetColour(cr_, brush.brush.lbColor);
      break;
  }
  cairo_fill_preserve(cr_);
  return true;
}

bool CairoSurface::Stroke(const PenObject& pen) {
  if (IsNull(pen.style)) {
    cairo_new_path(cr_);
    return Ok();
  }
  cairo_set_line_width(cr_, pen.width);
  if (pen.width == 1) {
    cairo_set_line_cap(cr_, CAIRO_LINE_CAP_BUTT);
    cairo_set_line_join(cr_, CAIRO_LINE_JOIN_MITER);
  } else {
    cairo_set_line_cap(cr_, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
  }
  static constexpr double kDash[] = {18, 6};
  static constexpr double kDot[] = {3, 3};
  static constexpr double kDashDot[] = {9, 6, 3, 6};
  static constexpr double kDashDotDot[] = {9, 3, 3, 3, 3, 3};
  std::span<const double> dashes;
  switch (pen.style) {
    case PenStyle::Dash: dashes = kDash; break;
    case PenStyle::Dot: dashes = kDot; break;
    case PenStyle::DashDot: dashes = kDashDot; break;
    case PenStyle::DashDotDot: dashes = kDashDotDot; break;
    default: break;
  }
  if (!dashes.empty()) {
    if (bkMode_ == kOpaque) {
      SetColour(cr_, bkColour_);
      cairo_stroke_preserve(cr_);
    }
    cairo_set_dash(cr_, dashes.data(), static_cast<int>(dashes.size()), 0);
  }
  SetColour(cr_, pen.colour);
  cairo_stroke(cr_);
  cairo_set_dash(cr_, nullptr, 0, 0);
  return Ok();
}

bool CairoSurface::MoveToEx(int x, int y, Point* previous) {
  if (previous != nullptr) *previous = current_;
  current_ = {x, y};
  return true;
}

bool CairoSurface::LineTo(int x, int y) {
  if (cr_ == nullptr) return false;
  FillPendingCells();
  const PenObject& pen = SelectedPen();
  const Point from = std::exchange(current_, Point{x, y});
  if (IsNull(pen.style) || from == current_) return Ok();
  cairo_new_path(cr_);
  if (pen.width == 1) {
    // A 1-unit pen covers the first pixel and stops short of the last: the
    // line runs between pixel centres, moved back half a pixel.
    const double dx = x - from.x, dy = y - from.y, length = std::hypot(dx, dy);
    const double backX = 0.5 * dx / length, backY = 0.5 * dy / length;
    cairo_move_to(cr_, from.x + 0.5 - backX, from.y + 0.5 - backY);
    cairo_line_to(cr_, x + 0.5 - backX, y + 0.5 - backY);
  } else {
    const double o = Offset(pen.width);
    cairo_move_to(cr_, from.x + o, from.y + o);
    cairo_line_to(cr_, x + o, y + o);
  }
  return Stroke(pen);
}

bool CairoSurface::Rectangle(int left, int top, int right, int bottom) {
  if (cr_ == nullptr) return false;
  if (left > right) std::swap(left, right);
  if (top > bottom) std::swap(top, bottom);
  const PenObject& pen = SelectedPen();
  const BrushObject& brush = SelectedBrush();
  // A one-unit solid pen of the solid brush's colour makes the cell one solid
  // block of exactly [left, right) x [top, bottom) (at two units or more each
  // way: the interior and the outline's ring meet on whole pixels), the same
  // pixels as the fill and the stroke, in one rectangle of the pending path.
  const bool solidCell = pen.width <= 1 && (pen.style == PenStyle::Solid || pen.style == PenStyle::InsideFrame) &&
                         brush.brush.lbStyle == kBsSolid && (brush.brush.lbColor & 0xFFFFFF) == (pen.colour & 0xFFFFFF) &&
                         right - left >= 1 && bottom - top >= 1;
  if (!pending_.empty() && (!solidCell || pendingColour_ != pen.colour)) FillPendingCells();
  if (solidCell) {
    pendingColour_ = pen.colour;
    pending_.push_back({left, top, right, bottom});
    return Ok();
  }
  cairo_new_path(cr_);
  // The interior: the pixels left..right-2, top..bottom-2; a pen of one
  // unit then covers the last column and row.
  if (right - left > 1 && bottom - top > 1) {
    cairo_rectangle(cr_, left, top, right - 1 - left, bottom - 1 - top);
    Fill(SelectedBrush());
    cairo_new_path(cr_);
  }
  if (IsNull(pen.style)) return Ok();
  if (pen.style == PenStyle::InsideFrame && pen.width > 1) {
    const double half = pen.width / 2.0;
    cairo_rectangle(cr_, left + half, top + half, std::max(0.0, right - left - 2 * half),
                    std::max(0.0, bottom - top - 2 * half));
  } else {
    const double o = Offset(pen.width);
    cairo_rectangle(cr_, left + o, top + o, right - 1 - left, bottom - 1 - top);
  }
  return Stroke(pen);
}

bool CairoSurface::Ellipse(int left, int top, int right, int bottom) {
  if (cr_ == nullptr) return false;
  FillPendingCells();
  if (left > right) std::swap(left, right);
  if (top > bottom) std::swap(top, bottom);
  const PenObject& pen = SelectedPen();
  if (pen.style == PenStyle::InsideFrame && pen.width > 1) {
    EllipsePath(cr_, (left + right) / 2.0, (top + bottom) / 2.0, (right - left - pen.width) / 2.0,
                (bottom - top - pen.width) / 2.0);
  } else {
    const double o = IsNull(pen.style) ? 0.5 : Offset(pen.width);
    EllipsePath(cr_, (left + right - 1) / 2.0 + o, (top + bottom - 1) / 2.0 + o, (right - left - 1) / 2.0,
                (bottom - top - 1) / 2.0);
  }
  Fill(SelectedBrush());
  return Stroke(pen);
}

bool CairoSurface::DrawArc(ArcShape shape, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd,
                           int yEnd) {
  if (cr_ == nullptr) return false;
  FillPendingCells();
  if (left > right) std::swap(left, right);
  if (top > bottom) std::swap(top, bottom);
  const PenObject& pen = SelectedPen();

  double cx = 0, cy = 0, rx = 0, ry = 0;
  const double o = IsNull(pen.style) ? 0.5 : Offset(pen.width);
  if (pen.style == PenStyle::InsideFrame && pen.width > 1) {
    cx = (left + right) / 2.0;
    cy = (top + bottom) / 2.0;
    rx = (right - left - pen.width) / 2.0;
    ry = (bottom - top - pen.width) / 2.0;
  } else {
    cx = (left + right - 1) / 2.0 + o;
    cy = (top + bottom - 1) / 2.0 + o;
    rx = (right - left - 1) / 2.0;
    ry = (bottom - top - 1) / 2.0;
  }
  rx = std::max(rx, 1e-3);
  ry = std::max(ry, 1e-3);

  // The angles of the rays from the box's centre through the radial points,
  // as parameters of the ellipse (y grows downwards).
  const double boxX = (left + right) / 2.0, boxY = (top + bottom) / 2.0;
  const double halfW = std::max((right - left) / 2.0, 1e-3), halfH = std::max((bottom - top) / 2.0, 1e-3);
  const double start = std::atan2((yStart - boxY) / halfH, (xStart - boxX) / halfW);
  double end = std::atan2((yEnd - boxY) / halfH, (xEnd - boxX) / halfW);
  const bool counterClockwise = arcDirection_ == kAdCounterClockwise;
  if (std::abs(std::remainder(start - end, 2 * kPi)) < 1e-12) end = counterClockwise ? start - 2 * kPi : start + 2 * kPi;

  cairo_new_path(cr_);
  if (shape == ArcShape::ToCurrent) {
    const double lineO = Offset(std::max(pen.width, 1));
    cairo_move_to(cr_, current_.x + lineO, current_.y + lineO);
  }
  cairo_save(cr_);
  cairo_translate(cr_, cx, cy);
  cairo_scale(cr_, rx, ry);
  // On the page, counter-clockwise is towards smaller angles.
  if (counterClockwise)
    cairo_arc_negative(cr_, 0, 0, 1, start, end);
  else
    cairo_arc(cr_, 0, 0, 1, start, end);
  cairo_restore(cr_);

  if (shape == ArcShape::ToCurrent)
    current_ = {static_cast<std::int32_t>(std::lround(cx + rx * std::cos(end) - o)),
                static_cast<std::int32_t>(std::lround(cy + ry * std::sin(end) - o))};
  if (shape == ArcShape::Chord) {
    cairo_close_path(cr_);
    Fill(SelectedBrush());
  }
  return Stroke(pen);
}

bool CairoSurface::Arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd) {
  return DrawArc(ArcShape::Open, left, top, right, bottom, xStart, yStart, xEnd, yEnd);
}

bool CairoSurface::ArcTo(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd) {
  return DrawArc(ArcShape::ToCurrent, left, top, right, bottom, xStart, yStart, xEnd, yEnd);
}

bool CairoSurface::Chord(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd) {
  return DrawArc(ArcShape::Chord, left, top, right, bottom, xStart, yStart, xEnd, yEnd);
}

int CairoSurface::SetArcDirection(int direction) {
  if (direction != kAdCounterClockwise && direction != kAdClockwise) return 0;
  return std::exchange(arcDirection_, direction);
}

bool CairoSurface::PolyBezier(std::span<const Point> points) {
  if (cr_ == nullptr || points.empty() || (points.size() - 1) % 3 != 0) return false;
  FillPendingCells();
  const PenObject& pen = SelectedPen();
  const double o = Offset(pen.width);
  cairo_new_path(cr_);
  cairo_move_to(cr_, points[0].x + o, points[0].y + o);
  for (std::size_t i = 1; i + 2 < points.size(); i += 3)
    cairo_curve_to(cr_, points[i].x + o, points[i].y + o, points[i + 1].x + o, points[i + 1].y + o,
                   points[i + 2].x + o, points[i + 2].y + o);
  return Stroke(pen);
}

ColorRef CairoSurface::SetPixel(int x, int y, ColorRef colour) {
  return SetPixelV(x, y, colour) ? (colour & 0xFFFFFF) : kInvalidColour;
}

bool CairoSurface::SetPixelV(int x, int y, ColorRef colour) {
  if (cr_ == nullptr || !InPrintableArea(x, y)) return false;
  FillPendingCells();
  if (directPixels_) {
    // A one-pixel fill costs a path and a rasterisation; a page of dots
    // (the preview's dot pattern sets every fifth pixel) is far quicker
    // written in place, after what is pending is flushed.
    const int px = x + caps_.offsetX, py = y + caps_.offsetY;
    if (px >= cairo_image_surface_get_width(readable_) || py >= cairo_image_surface_get_height(readable_)) return false;
    cairo_surface_flush(readable_);
    auto* row = reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(readable_) +
                                                 static_cast<std::ptrdiff_t>(py) * cairo_image_surface_get_stride(readable_));
    row[px] = 0xFF000000u | ((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF);
    cairo_surface_mark_dirty_rectangle(readable_, px, py, 1, 1);
    return true;
  }
  cairo_new_path(cr_);
  cairo_rectangle(cr_, x, y, 1, 1);
  SetColour(cr_, colour);
  cairo_fill(cr_);
  return Ok();
}

ColorRef CairoSurface::GetPixel(int x, int y) {
  if (cr_ == nullptr || readable_ == nullptr || !InPrintableArea(x, y)) return kInvalidColour;
  FillPendingCells();
  const cairo_format_t format = cairo_image_surface_get_format(readable_);
  if (format != CAIRO_FORMAT_RGB24 && format != CAIRO_FORMAT_ARGB32) return kInvalidColour;
  const int px = x + caps_.offsetX, py = y + caps_.offsetY;
  if (px >= cairo_image_surface_get_width(readable_) || py >= cairo_image_surface_get_height(readable_))
    return kInvalidColour;
  cairo_surface_flush(readable_);
  const unsigned char* row =
      cairo_image_surface_get_data(readable_) + static_cast<std::ptrdiff_t>(py) * cairo_image_surface_get_stride(readable_);
  const std::uint32_t value = reinterpret_cast<const std::uint32_t*>(row)[px];
  return Rgb(static_cast<int>((value >> 16) & 0xFF), static_cast<int>((value >> 8) & 0xFF),
             static_cast<int>(value & 0xFF));
}

}  // namespace veltrim
