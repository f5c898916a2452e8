// Text on the cairo surface: metrics and extents of the selected font,
// TextOutA, DrawTextA (word breaking by DrawTextByWords), and the text and
// background colours and mode.
#include "backends/cairo/cairo_surface.hpp"

#include <cstdint>
#include <utility>
#include <vector>

#include "backends/cairo/cairo_surface_detail.hpp"
#include "core/platform/draw_text.hpp"

namespace veltrim {

using cairo_detail::kPi;
using cairo_detail::SetColour;

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
