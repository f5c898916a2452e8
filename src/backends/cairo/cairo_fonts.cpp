// Font realisation for the cairo surface: a LOGFONT's face found through the
// font map, its size in device units, GDI's text metrics and the glyph and
// whole-unit advance of every Windows-1252 byte; realised fonts are shared
// by every object asking for the same LOGFONT.
#include "backends/cairo/cairo_surface.hpp"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <memory>
#include <string>

#include "backends/cairo/cairo_surface_detail.hpp"
#include "backends/cairo/font_map.hpp"

namespace veltrim {

using cairo_detail::PointsToUnits;
using cairo_detail::RealizedFont;
using cairo_detail::ScaledFontPtr;

namespace {

constexpr std::size_t kFontCacheLimit = 64;

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

}  // namespace veltrim
