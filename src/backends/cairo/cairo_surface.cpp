#include "cairo_surface.hpp"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <array>
#include <bit>
#include <cctype>
#include <cmath>
#include <numbers>
#include <system_error>
#include <type_traits>
#include <utility>
#include <vector>

#include "support/bitmap_file.hpp"
#include "font_map.hpp"
#include "platform/draw_text.hpp"

namespace veltrim {

namespace cairo_detail {

// A LOGFONT made real: a face at a size in device units, its metrics as
// GetTextMetricsA reports them and the glyph and whole-unit advance of every
// 8-bit character.
struct RealizedFont {
  FontFacePtr face;
  cairo_matrix_t matrix{};
  FontOptionsPtr options;
  ScaledFontPtr scaled;
  TextMetrics metrics;
  std::array<unsigned long, 256> glyph{};
  std::array<int, 256> advance{};
  // Tops and thicknesses in device units, measured down from the cell's top.
  int underlineTop = 0;
  int underlineThickness = 1;
  int strikeTop = 0;
  int strikeThickness = 1;
  std::string name;
};

}  // namespace cairo_detail

using cairo_detail::CairoSurfacePtr;
using cairo_detail::FontFacePtr;
using cairo_detail::FontOptionsPtr;
using cairo_detail::PatternPtr;
using cairo_detail::RealizedFont;
using cairo_detail::ScaledFontPtr;

namespace {

constexpr double kPi = std::numbers::pi;
constexpr std::size_t kFontCacheLimit = 64;

// LOGFONT pitch and family values of the stock fonts.
constexpr std::uint8_t kFixedPitchModern = 0x31;
constexpr std::uint8_t kVariablePitchSwiss = 0x22;

// Hatch styles of LOGBRUSH.lbHatch.
enum Hatch { kHorizontal = 0, kVertical = 1, kForwardDiagonal = 2, kBackwardDiagonal = 3, kCross = 4, kDiagonalCross = 5 };
constexpr int kHatchTile = 8;

void SetColour(cairo_t* cr, ColorRef colour) {
  cairo_set_source_rgb(cr, RedOf(colour) / 255.0, GreenOf(colour) / 255.0, BlueOf(colour) / 255.0);
}

int PointsToUnits(int points, int dpi) { return static_cast<int>(std::lround(points * static_cast<double>(dpi) / 72.0)); }

LogFont MakeLogFont(const char* face, int height, int weight, std::uint8_t pitchAndFamily) {
  LogFont font;
  font.lfHeight = height;
  font.lfWeight = weight;
  font.lfPitchAndFamily = pitchAndFamily;
  for (int i = 0; i < kLfFaceSize - 1 && face[i] != '\0'; ++i) font.lfFaceName[i] = face[i];
  return font;
}

std::string FaceOf(const LogFont& font) {
  const auto* end = std::find(std::begin(font.lfFaceName), std::end(font.lfFaceName), '\0');
  return std::string(std::begin(font.lfFaceName), end);
}

// Windows-1252 to Unicode; the five unassigned bytes keep their code points,
// as the platform's own conversion does.
char32_t FromCodePage1252(unsigned char byte) {
  static constexpr std::array<char32_t, 32> kHigh{
      0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
      0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
      0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
  return byte >= 0x80 && byte < 0xA0 ? kHigh[byte - 0x80] : char32_t{byte};
}

std::string Utf8(char32_t code) {
  std::string out;
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
  return out;
}

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

PatternPtr MakeHatch(std::uintptr_t hatch, ColorRef colour) {
  CairoSurfacePtr tile(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kHatchTile, kHatchTile));
  if (cairo_surface_status(tile.get()) != CAIRO_STATUS_SUCCESS) return nullptr;
  cairo_surface_flush(tile.get());
  unsigned char* data = cairo_image_surface_get_data(tile.get());
  const int stride = cairo_image_surface_get_stride(tile.get());
  const std::uint32_t ink = 0xFF000000u | (std::uint32_t(RedOf(colour)) << 16) | (std::uint32_t(GreenOf(colour)) << 8) |
                            std::uint32_t(BlueOf(colour));
  for (int y = 0; y < kHatchTile; ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(data + y * stride);
    for (int x = 0; x < kHatchTile; ++x) {
      const bool down = x == y, up = x + y == kHatchTile - 1;
      bool on = false;
      switch (hatch) {
        case kHorizontal: on = y == 0; break;
        case kVertical: on = x == 0; break;
        case kForwardDiagonal: on = down; break;
        case kBackwardDiagonal: on = up; break;
        case kCross: on = x == 0 || y == 0; break;
        case kDiagonalCross: on = down || up; break;
        default: on = y == 0; break;
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

std::shared_ptr<const RealizedFont> RealizeFont(const LogFont& logFont, int dpiY) {
  auto font = std::make_shared<RealizedFont>();
  const bool italic = logFont.lfItalic != 0;
  const int weight = logFont.lfWeight > 0 ? logFont.lfWeight : 400;

  auto match = FontMap::Shared().Match(FaceOf(logFont), logFont.lfPitchAndFamily, weight, italic);
  if (match) {
    font->face.reset(cairo_ft_font_face_create_for_pattern(match.get()));
    font->name = FontMap::Describe(match.get());
  } else {
    // No usable configuration: Cairo's own choice still draws text.
    font->face.reset(cairo_toy_font_face_create("monospace", italic ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
                                                weight >= 600 ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL));
  }
  if (cairo_font_face_status(font->face.get()) != CAIRO_STATUS_SUCCESS) return nullptr;

  // Unhinted metrics: the design's proportions, rounded once to whole units
  // below, independent of the target the text later lands on.
  font->options.reset(cairo_font_options_create());
  cairo_font_options_set_hint_metrics(font->options.get(), CAIRO_HINT_METRICS_OFF);
  cairo_font_options_set_hint_style(font->options.get(), CAIRO_HINT_STYLE_NONE);

  cairo_matrix_t identity;
  cairo_matrix_init_identity(&identity);
  ScaledFontPtr unit(cairo_scaled_font_create(font->face.get(), &identity, &identity, font->options.get()));
  if (cairo_scaled_font_status(unit.get()) != CAIRO_STATUS_SUCCESS) return nullptr;
  cairo_font_extents_t extents;
  cairo_scaled_font_extents(unit.get(), &extents);
  const double cell = extents.ascent + extents.descent;
  if (!(cell > 0)) return nullptr;

  // Negative heights are the character (em) height, positive ones the cell
  // height; 0 asks for the default of 12 points.
  double em = 0;
  if (logFont.lfHeight < 0)
    em = -static_cast<double>(logFont.lfHeight);
  else if (logFont.lfHeight > 0)
    em = logFont.lfHeight / cell;
  else
    em = PointsToUnits(12, dpiY);
  em = std::clamp(em, 0.5, 100000.0);

  // Average width, underline and strike-out from the font's own tables.
  double average = 0;
  double underlinePosition = -0.1, underlineThickness = 0.05, strikePosition = 0.26, strikeThickness = 0.05;
  if (FT_Face face = cairo_ft_scaled_font_lock_face(unit.get())) {
    if (face->units_per_EM > 0) {
      const double units = face->units_per_EM;
      if (face->underline_thickness > 0) {
        underlinePosition = face->underline_position / units;
        underlineThickness = face->underline_thickness / units;
      }
      if (const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2))) {
        if (os2->xAvgCharWidth > 0) average = os2->xAvgCharWidth / units;
        if (os2->yStrikeoutSize > 0) {
          strikePosition = os2->yStrikeoutPosition / units;
          strikeThickness = os2->yStrikeoutSize / units;
        }
      }
    }
    cairo_ft_scaled_font_unlock_face(unit.get());
  }
  if (!(average > 0)) {
    cairo_text_extents_t x;
    cairo_scaled_font_text_extents(unit.get(), "x", &x);
    average = x.x_advance > 0 ? x.x_advance : 0.5;
  }
  const double stretch = logFont.lfWidth > 0 ? logFont.lfWidth / (average * em) : 1.0;

  cairo_matrix_init_scale(&font->matrix, em * stretch, em);
  font->scaled.reset(cairo_scaled_font_create(font->face.get(), &font->matrix, &identity, font->options.get()));
  if (cairo_scaled_font_status(font->scaled.get()) != CAIRO_STATUS_SUCCESS) return nullptr;

  for (int byte = 0; byte < 256; ++byte) {
    const std::string text = Utf8(FromCodePage1252(static_cast<unsigned char>(byte)));
    cairo_glyph_t* glyphs = nullptr;
    int count = 0;
    if (cairo_scaled_font_text_to_glyphs(font->scaled.get(), 0, 0, text.data(), static_cast<int>(text.size()), &glyphs,
                                         &count, nullptr, nullptr, nullptr) == CAIRO_STATUS_SUCCESS &&
        count > 0) {
      cairo_text_extents_t glyphExtents;
      cairo_scaled_font_glyph_extents(font->scaled.get(), glyphs, 1, &glyphExtents);
      font->glyph[byte] = glyphs[0].index;
      font->advance[byte] = static_cast<int>(std::lround(glyphExtents.x_advance));
    }
    cairo_glyph_free(glyphs);
  }

  TextMetrics& m = font->metrics;
  m.tmAscent = static_cast<int>(std::lround(extents.ascent * em));
  m.tmDescent = logFont.lfHeight > 0 ? std::max(0, logFont.lfHeight - m.tmAscent)
                                     : static_cast<int>(std::lround(extents.descent * em));
  m.tmHeight = m.tmAscent + m.tmDescent;
  m.tmInternalLeading = std::max(0, m.tmHeight - static_cast<int>(std::lround(em)));
  m.tmExternalLeading = std::max(0, static_cast<int>(std::lround((extents.height - cell) * em)));
  m.tmAveCharWidth = static_cast<int>(std::lround(average * em * stretch));
  m.tmMaxCharWidth = static_cast<int>(std::lround(extents.max_x_advance * em * stretch));
  m.tmWeight = weight;

  font->underlineThickness = std::max(1, static_cast<int>(std::lround(underlineThickness * em)));
  font->underlineTop = m.tmAscent + static_cast<int>(std::lround(-underlinePosition * em - underlineThickness * em / 2));
  font->strikeThickness = std::max(1, static_cast<int>(std::lround(strikeThickness * em)));
  font->strikeTop = m.tmAscent - static_cast<int>(std::lround(strikePosition * em));
  return font;
}

std::string FontKey(const LogFont& font) {
  std::string key = FaceOf(font);
  std::transform(key.begin(), key.end(), key.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  for (const int value : {font.lfHeight, font.lfWidth, font.lfWeight, int{font.lfItalic}, int{font.lfPitchAndFamily}}) {
    key += '|';
    key += std::to_string(value);
  }
  return key;
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

CairoSurface::~CairoSurface() = default;

void CairoSurface::BeginPage(cairo_t* cr, double unitsPerDotX, double unitsPerDotY, cairo_surface_t* readable) {
  cr_ = cr;
  readable_ = readable;
  directPixels_ = false;
  pending_.clear();
  if (cr_ == nullptr) return;
  if (readable_ != nullptr && unitsPerDotX == 1.0 && unitsPerDotY == 1.0 && cairo_get_target(cr_) == readable_) {
    const cairo_format_t format = cairo_image_surface_get_format(readable_);
    directPixels_ = format == CAIRO_FORMAT_RGB24 || format == CAIRO_FORMAT_ARGB32;
  }
  cairo_scale(cr_, unitsPerDotX, unitsPerDotY);
  cairo_translate(cr_, caps_.offsetX, caps_.offsetY);
  cairo_rectangle(cr_, 0, 0, caps_.horzRes, caps_.vertRes);
  cairo_clip(cr_);
  // GDI does not smooth shapes; pixel edges stay where the rules put them.
  cairo_set_antialias(cr_, CAIRO_ANTIALIAS_NONE);
  cairo_set_fill_rule(cr_, CAIRO_FILL_RULE_WINDING);
}

void CairoSurface::EndPage() {
  FillPendingCells();
  cr_ = nullptr;
  readable_ = nullptr;
  directPixels_ = false;
}

bool CairoSurface::Ok() const { return cr_ != nullptr && cairo_status(cr_) == CAIRO_STATUS_SUCCESS; }

bool CairoSurface::InPrintableArea(int x, int y) const {
  return x >= 0 && y >= 0 && x < caps_.horzRes && y < caps_.vertRes;
}

// --- Measuring ---------------------------------------------------------------

int CairoSurface::GetDeviceCaps(DeviceCap index) { return DeviceCapValue(caps_, index); }

bool CairoSurface::GetTextMetricsA(TextMetrics& metrics) {
  const auto font = SelectedFont();
  if (!font) return false;
  metrics = font->metrics;
  return true;
}

bool CairoSurface::GetTextExtentPoint32A(std::string_view text, Size& size) {
  const auto font = SelectedFont();
  if (!font) return false;
  std::int32_t width = 0;
  for (const char c : text) width += font->advance[static_cast<unsigned char>(c)];
  size = {width, font->metrics.tmHeight};
  return true;
}

// --- Objects -----------------------------------------------------------------

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

std::shared_ptr<const RealizedFont> CairoSurface::Realize(FontObject& font) {
  if (font.realized) return font.realized;
  const std::string key = FontKey(font.font);
  if (const auto cached = fontCache_.find(key); cached != fontCache_.end()) return font.realized = cached->second;
  auto realized = RealizeFont(font.font, caps_.dpiY);
  if (!realized) return nullptr;
  if (fontCache_.size() >= kFontCacheLimit) fontCache_.clear();
  fontCache_.emplace(key, realized);
  return font.realized = std::move(realized);
}

std::shared_ptr<const RealizedFont> CairoSurface::SelectedFont() {
  return Realize(std::get<FontObject>(Find(font_)->data));
}

std::string CairoSurface::FontFaceName(ObjectHandle font) {
  Object* object = Find(font);
  if (object == nullptr || !std::holds_alternative<FontObject>(object->data)) return {};
  const auto realized = Realize(std::get<FontObject>(object->data));
  return realized ? realized->name : std::string();
}

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

// --- Bitmaps -----------------------------------------------------------------

ObjectHandle CairoSurface::LoadBitmapFile(const char* path) {
  if (path == nullptr) return {};
  std::error_code timeError, sizeError;
  const auto written = std::filesystem::last_write_time(path, timeError);
  const auto size = std::filesystem::file_size(path, sizeError);
  const bool known = !timeError && !sizeError;
  const auto shared = [](cairo_surface_t* image) {
    return cairo_detail::CairoSurfacePtr(cairo_surface_reference(image));
  };
  if (known && picture_ && picture_->path == path && picture_->written == written && picture_->size == size)
    return Add({BitmapObject{shared(picture_->image.get())}, false});
  auto bitmap = DecodeBitmapFile(path);
  if (!bitmap) return {};
  // The decoded words are already RGB24 pixels: the image takes their buffer
  // and frees it with itself.
  static cairo_user_data_key_t pixelsKey;
  cairo_detail::CairoSurfacePtr image(cairo_image_surface_create_for_data(
      reinterpret_cast<unsigned char*>(bitmap->data.get()), CAIRO_FORMAT_RGB24, bitmap->width, bitmap->height,
      bitmap->width * 4));
  if (cairo_surface_status(image.get()) != CAIRO_STATUS_SUCCESS ||
      cairo_surface_set_user_data(image.get(), &pixelsKey, bitmap->data.get(),
                                  [](void* pixels) { DecodedPixelsFree{}(static_cast<std::uint32_t*>(pixels)); }) !=
          CAIRO_STATUS_SUCCESS)
    return {};
  bitmap->data.release();
  if (known) picture_ = LoadedPicture{path, written, size, shared(image.get())};
  return Add({BitmapObject{std::move(image)}, false});
}

bool CairoSurface::GetBitmapSize(ObjectHandle bitmap, Size& size) {
  const Object* found = Find(bitmap);
  if (found == nullptr || !std::holds_alternative<BitmapObject>(found->data)) return false;
  cairo_surface_t* image = std::get<BitmapObject>(found->data).image.get();
  size = {cairo_image_surface_get_width(image), cairo_image_surface_get_height(image)};
  return true;
}

bool CairoSurface::BitBlt(int x, int y, int width, int height, ObjectHandle bitmap, int srcX, int srcY) {
  return StretchBlt(x, y, width, height, bitmap, srcX, srcY, width, height);
}

bool CairoSurface::StretchBlt(int x, int y, int width, int height, ObjectHandle bitmap, int srcX, int srcY,
                              int srcWidth, int srcHeight) {
  const Object* found = Find(bitmap);
  if (cr_ == nullptr || found == nullptr || !std::holds_alternative<BitmapObject>(found->data)) return false;
  if (srcWidth == 0 || srcHeight == 0) return false;
  FillPendingCells();
  if (width == 0 || height == 0) return true;
  cairo_save(cr_);
  cairo_translate(cr_, x, y);
  cairo_scale(cr_, static_cast<double>(width) / srcWidth, static_cast<double>(height) / srcHeight);
  cairo_set_source_surface(cr_, std::get<BitmapObject>(found->data).image.get(), -srcX, -srcY);
  cairo_pattern_set_filter(cairo_get_source(cr_), CAIRO_FILTER_NEAREST);
  cairo_rectangle(cr_, 0, 0, srcWidth, srcHeight);
  cairo_fill(cr_);
  cairo_restore(cr_);
  return Ok();
}

// --- Shapes ------------------------------------------------------------------

namespace {

bool IsNull(PenStyle style) { return style == PenStyle::Null; }

// Where a pixel's outline runs for this pen: through pixel centres for odd
// widths, on pixel edges for even ones, so the pen covers whole pixels.
double Offset(int width) { return width % 2 == 1 ? 0.5 : 0.0; }

}  // namespace

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

// --- Text --------------------------------------------------------------------

bool CairoSurface::TextOutA(int x, int y, std::string_view text) {
  if (cr_ == nullptr) return false;
  FillPendingCells();
  const auto font = SelectedFont();
  if (!font) return false;
  const LogFont& logFont = std::get<FontObject>(Find(font_)->data).font;
  const TextMetrics& m = font->metrics;

  std::vector<cairo_glyph_t> glyphs;
  glyphs.reserve(text.size());
  double pen = 0;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    glyphs.push_back({font->glyph[byte], pen, static_cast<double>(m.tmAscent)});
    pen += font->advance[byte];
  }

  cairo_save(cr_);
  cairo_new_path(cr_);
  cairo_translate(cr_, x, y);
  // Escapement: tenths of a degree, counter-clockwise on the page.
  if (logFont.lfEscapement % 3600 != 0) cairo_rotate(cr_, -logFont.lfEscapement * kPi / 1800.0);
  if (bkMode_ == kOpaque && pen > 0) {
    cairo_rectangle(cr_, 0, 0, pen, m.tmHeight);
    SetColour(cr_, bkColour_);
    cairo_fill(cr_);
  }
  SetColour(cr_, textColour_);
  cairo_set_font_face(cr_, font->face.get());
  cairo_set_font_matrix(cr_, &font->matrix);
  cairo_set_font_options(cr_, font->options.get());
  if (!glyphs.empty()) cairo_show_glyphs(cr_, glyphs.data(), static_cast<int>(glyphs.size()));
  if (logFont.lfUnderline != 0) cairo_rectangle(cr_, 0, font->underlineTop, pen, font->underlineThickness);
  if (logFont.lfStrikeOut != 0) cairo_rectangle(cr_, 0, font->strikeTop, pen, font->strikeThickness);
  cairo_fill(cr_);
  cairo_restore(cr_);
  return Ok();
}

int CairoSurface::DrawTextA(std::string_view text, Rect& rect, std::uint32_t format) {
  return DrawTextByWords(*this, text, rect, format);
}

ColorRef CairoSurface::SetTextColor(ColorRef colour) { return std::exchange(textColour_, colour & 0xFFFFFF); }

ColorRef CairoSurface::SetBkColor(ColorRef colour) { return std::exchange(bkColour_, colour & 0xFFFFFF); }

int CairoSurface::SetBkMode(int mode) {
  if (mode != kTransparent && mode != kOpaque) return 0;
  return std::exchange(bkMode_, mode);
}

}  // namespace veltrim
