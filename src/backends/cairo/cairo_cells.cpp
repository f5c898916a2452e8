// The cell stencil: the solid one-colour cells Rectangle queued, painted
// together: one path on an image page; on a vector page one 1-bit mask, or a
// fill each when they are few.
#include "backends/cairo/cairo_surface.hpp"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>

#include "backends/cairo/cairo_surface_detail.hpp"

namespace veltrim {

using cairo_detail::CairoSurfacePtr;
using cairo_detail::PatternPtr;
using cairo_detail::SetColour;

// Below this many cells a vector page gets one rectangle fill each, as any
// other shape; from it on, one stencil (see PaintCellMask).
constexpr std::size_t kStencilCells = 64;

void CairoSurface::FillPendingCells() {
  if (pending_.empty() || cr_ == nullptr) {
    pending_.clear();
    return;
  }
  SetColour(cr_, pendingColour_);
  cairo_new_path(cr_);  // nothing another call left in the path is filled with the cells
  if (readable_ == nullptr && pending_.size() >= kStencilCells) {
    PaintCellMask();
  } else if (readable_ != nullptr) {
    // Pixels: the rasteriser is this one, so one path of them all is exact.
    for (const Cell& c : pending_) cairo_rectangle(cr_, c.left, c.top, c.right - c.left, c.bottom - c.top);
    cairo_fill(cr_);
  } else {
    for (const Cell& c : pending_) {
      cairo_rectangle(cr_, c.left, c.top, c.right - c.left, c.bottom - c.top);
      cairo_fill(cr_);
    }
  }
  pending_.clear();
}

// A stencil of one bit a device unit over the cells' bounding box, painted in
// their colour with nearest-neighbour sampling: a document viewer or printer
// at the device's resolution sets exactly the pixels of the cells, whatever
// its rule for the edges of shapes, and the file holds a compressed bitmap
// rather than a shape per cell.
void CairoSurface::PaintCellMask() {
  Cell box{caps_.horzRes, caps_.vertRes, 0, 0};
  for (const Cell& c : pending_) {
    box = {std::min(box.left, c.left), std::min(box.top, c.top), std::max(box.right, c.right),
           std::max(box.bottom, c.bottom)};
  }
  box = {std::max(box.left, 0), std::max(box.top, 0), std::min(box.right, caps_.horzRes),
         std::min(box.bottom, caps_.vertRes)};
  if (box.right <= box.left || box.bottom <= box.top) return;
  const CairoSurfacePtr mask(cairo_image_surface_create(CAIRO_FORMAT_A1, box.right - box.left, box.bottom - box.top));
  if (cairo_surface_status(mask.get()) != CAIRO_STATUS_SUCCESS) return;
  cairo_surface_flush(mask.get());
  unsigned char* data = cairo_image_surface_get_data(mask.get());
  const int stride = cairo_image_surface_get_stride(mask.get());
  // Pixels are packed into 32-bit words, the first in the word's lowest bit on
  // a little-endian machine and in its highest bit on a big-endian one.
  const auto bit = [](int x) {
    const int k = x % 32;
    return std::uint32_t{1} << (std::endian::native == std::endian::little ? k : 31 - k);
  };
  for (const Cell& c : pending_) {
    const int left = std::max(c.left, box.left) - box.left, right = std::min(c.right, box.right) - box.left;
    const int top = std::max(c.top, box.top) - box.top, bottom = std::min(c.bottom, box.bottom) - box.top;
    for (int y = top; y < bottom; ++y) {
      auto* row = reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
      for (int x = left; x < right; ++x) row[x / 32] |= bit(x);
    }
  }
  cairo_surface_mark_dirty(mask.get());
  const PatternPtr stencil(cairo_pattern_create_for_surface(mask.get()));
  cairo_matrix_t place;
  cairo_matrix_init_translate(&place, -box.left, -box.top);
  cairo_pattern_set_matrix(stencil.get(), &place);
  cairo_pattern_set_filter(stencil.get(), CAIRO_FILTER_NEAREST);
  cairo_mask(cr_, stencil.get());
}

}  // namespace veltrim
