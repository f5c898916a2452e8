// The cairo surface's object table: the stock objects a printer context
// starts with, creating pens, brushes (hatches as 8-pixel tiles) and fonts,
// selecting and deleting them.
#include "backends/cairo/cairo_surface.hpp"

#include <algorithm>
#include <type_traits>
#include <utility>

#include "backends/cairo/cairo_surface_detail.hpp"

namespace veltrim {

using cairo_detail::CairoSurfacePtr;
using cairo_detail::PatternPtr;
using cairo_detail::PointsToUnits;

namespace {

// LOGFONT pitch and family values of the stock fonts.
constexpr std::uint8_t kFixedPitchModern = 0x31;
constexpr std::uint8_t kVariablePitchSwiss = 0x22;

// Hatch styles of LOGBRUSH.lbHatch.
enum Hatch { kHorizontal = 0, kVertical = 1, kForwardDiagonal = 2, kBackwardDiagonal = 3, kCross = 4, kDiagonalCross = 5 };
constexpr int kHatchTile = 8;

LogFont MakeLogFont(const char* face, int height, int weight, std::uint8_t pitchAndFamily) {
  LogFont font;
  font.lfHeight = height;
  font.lfWeight = weight;
  font.lfPitchAndFamily = pitchAndFamily;
  for (int i = 0; i < kLfFaceSize - 1 && face[i] != '\0'; ++i) font.lfFaceName[i] = face[i];
  return font;
}

PatternPtr MakeHatch(std::uintptr_t hatch, ColorRef colour) {
  CairoSurfacePtr tile(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kHatchTile, kHatchTile));
  if (cairo_surface_status(tile.get()) != CAIRO_STATUS_SUCCESS) return nullptr;
  cairo_surface_flush(tile.get());
  unsigned char* data = cairo_image_surface_get_data(tile.get());
  const int stride = cairo_image_surface_get_stride(tile.get());
  const std::uint32_t ink = 0xFF000000u | (std::uint32_t(RedOf(colour)) << 16) | (std::uint32_t(GreenOf(colour)) << 8) |
                            std::uint32_t(BlueOf(colour));
  // GDI's tiles: the horizontal line in row 3, the vertical one in column 4.
  constexpr int kLineRow = 3, kLineColumn = 4;
  for (int y = 0; y < kHatchTile; ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(data + y * stride);
    for (int x = 0; x < kHatchTile; ++x) {
      const bool down = x == y, up = x + y == kHatchTile - 1;
      bool on = false;
      switch (hatch) {
        case kHorizontal: on = y == kLineRow; break;
        case kVertical: on = x == kLineColumn; break;
        case kForwardDiagonal: on = down; break;
        case kBackwardDiagonal: on = up; break;
        case kCross: on = x == kLineColumn || y == kLineRow; break;
        case kDiagonalCross: on = down || up; break;
        default: on = y == kLineRow; break;
      }
      row[x] = on ? ink : 0;
    }
  }
  cairo_surface_mark_dirty(tile.get());
  PatternPtr pattern(cairo_pattern_create_for_surface(tile.get()));
  cairo_pattern_set_extend(pattern.get(), CAIRO_EXTEND_REPEAT);
  cairo_pattern_set_filter(pattern.get(), CAIRO_FILTER_NEAREST);
  return pattern;
}

}  // namespace

CairoSurface::CairoSurface(const DeviceCaps& caps) : caps_(caps) {
  const auto stockPen = [&](StockObject which, PenStyle style, ColorRef colour) {
    stock_[static_cast<int>(which)] = Add({PenObject{style, 1, colour}, true});
  };
  const auto stockBrush = [&](StockObject which, std::uint32_t style, ColorRef colour) {
    stock_[static_cast<int>(which)] = Add({BrushObject{LogBrush{style, colour, 0}, nullptr}, true});
  };
  const auto stockFont = [&](StockObject which, const char* face, int points, int weight, std::uint8_t pitch) {
    stock_[static_cast<int>(which)] =
        Add({FontObject{MakeLogFont(face, -PointsToUnits(points, caps_.dpiY), weight, pitch), nullptr}, true});
  };
  stockPen(StockObject::WhitePen, PenStyle::Solid, Rgb(255, 255, 255));
  stockPen(StockObject::BlackPen, PenStyle::Solid, Rgb(0, 0, 0));
  stockPen(StockObject::NullPen, PenStyle::Null, Rgb(0, 0, 0));
  stockBrush(StockObject::WhiteBrush, kBsSolid, Rgb(255, 255, 255));
  stockBrush(StockObject::LtGrayBrush, kBsSolid, Rgb(192, 192, 192));
  stockBrush(StockObject::GrayBrush, kBsSolid, Rgb(128, 128, 128));
  stockBrush(StockObject::DkGrayBrush, kBsSolid, Rgb(64, 64, 64));
  stockBrush(StockObject::BlackBrush, kBsSolid, Rgb(0, 0, 0));
  stockBrush(StockObject::NullBrush, kBsNull, Rgb(0, 0, 0));
  // A printer's resident fonts are Courier-like: the fixed and device fonts
  // are "Courier New", the variable ones "Arial" (System bold, the GUI font
  // small), each at a point size as a printer context gives them.
  stockFont(StockObject::DeviceDefaultFont, "Courier New", 12, 400, kFixedPitchModern);
  stockFont(StockObject::OemFixedFont, "Courier New", 12, 400, kFixedPitchModern);
  stockFont(StockObject::AnsiFixedFont, "Courier New", 12, 400, kFixedPitchModern);
  stockFont(StockObject::SystemFixedFont, "Courier New", 12, 400, kFixedPitchModern);
  stockFont(StockObject::SystemFont, "Arial", 12, 700, kVariablePitchSwiss);
  stockFont(StockObject::AnsiVarFont, "Arial", 10, 400, kVariablePitchSwiss);
  stockFont(StockObject::DefaultGuiFont, "Arial", 8, 400, kVariablePitchSwiss);
  pen_ = stock_[static_cast<int>(StockObject::BlackPen)];
  brush_ = stock_[static_cast<int>(StockObject::WhiteBrush)];
  font_ = stock_[static_cast<int>(StockObject::DeviceDefaultFont)];
}

ObjectHandle CairoSurface::Add(Object object) {
  const ObjectHandle handle{nextHandle_++};
  objects_.emplace(handle.value, std::move(object));
  return handle;
}

CairoSurface::Object* CairoSurface::Find(ObjectHandle handle) {
  const auto found = objects_.find(handle.value);
  return found == objects_.end() ? nullptr : &found->second;
}

const CairoSurface::PenObject& CairoSurface::SelectedPen() { return std::get<PenObject>(Find(pen_)->data); }

CairoSurface::BrushObject& CairoSurface::SelectedBrush() { return std::get<BrushObject>(Find(brush_)->data); }

ObjectHandle CairoSurface::CreatePen(PenStyle style, int width, ColorRef colour) {
  const int raw = static_cast<int>(style);
  if (raw < static_cast<int>(PenStyle::Solid) || raw > static_cast<int>(PenStyle::InsideFrame)) return {};
  // Dashed styles exist for 1-unit pens only; wider ones draw solid.
  if (width > 1 && style != PenStyle::Null && style != PenStyle::InsideFrame) style = PenStyle::Solid;
  return Add({PenObject{style, std::max(width, 1), colour & 0xFFFFFF}, false});
}

ObjectHandle CairoSurface::CreateBrushIndirect(const LogBrush& brush) {
  BrushObject object{brush, nullptr};
  object.brush.lbColor &= 0xFFFFFF;
  if (brush.lbStyle == kBsHatched) {
    if (brush.lbHatch > kDiagonalCross) return {};
    object.hatch = MakeHatch(brush.lbHatch, object.brush.lbColor);
    if (!object.hatch) return {};
  }
  return Add({std::move(object), false});
}

ObjectHandle CairoSurface::CreateFontIndirectA(const LogFont& font) { return Add({FontObject{font, nullptr}, false}); }

ObjectHandle CairoSurface::GetStockObject(StockObject which) {
  const auto found = stock_.find(static_cast<int>(which));
  return found == stock_.end() ? ObjectHandle{} : found->second;
}

ObjectHandle CairoSurface::SelectObject(ObjectHandle object) {
  Object* found = Find(object);
  if (found == nullptr) return {};
  return std::visit(
      [&](auto& data) -> ObjectHandle {
        using T = std::decay_t<decltype(data)>;
        if constexpr (std::is_same_v<T, PenObject>) {
          return std::exchange(pen_, object);
        } else if constexpr (std::is_same_v<T, BrushObject>) {
          return std::exchange(brush_, object);
        } else if constexpr (std::is_same_v<T, FontObject>) {
          return std::exchange(font_, object);
        } else {
          return {};  // a printer context takes no bitmap; BitBlt reads it directly
        }
      },
      found->data);
}

bool CairoSurface::DeleteObject(ObjectHandle object) {
  const Object* found = Find(object);
  if (found == nullptr) return false;
  if (found->stock) return true;
  if (object == pen_ || object == brush_ || object == font_) return false;
  objects_.erase(object.value);
  return true;
}

}  // namespace veltrim
