#include "core/patterns/advanced/full_page_text.hpp"

#include <algorithm>
#include <cstring>

#include "core/page/title_line.hpp"
#include "core/patterns/shared/vertical_mm.hpp"
#include "core/platform/scoped_object.hpp"
#include "core/support/dyn_string.hpp"

namespace veltrim {

const std::string_view kSampleLine =
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789,./<>?;':\"[]\\{}|~`-=!@#$%^&*()_+";

namespace {

constexpr int kCopies = 41;

struct TextLayer {
  const char* face;
  int heightInTens;  // lfHeight in tens of millimetres
  ColorRef colour;
};

// Lighter and larger first, so each darker, smaller layer shows over it.
constexpr TextLayer kLayers[] = {
    {"Times New Roman", 4, 0xC0C0C0},
    {"Courier", 3, 0x808080},
    {"Arial", 2, 0x404040},
    {"Lucida Console", 1, 0x000000},
};

LogFont LayerFont(const TextLayer& layer, int u) {
  LogFont font;
  font.lfHeight = layer.heightInTens * u;
  font.lfWidth = u;
  font.lfWeight = 400;
  font.lfCharSet = 1;
  std::strncpy(font.lfFaceName, layer.face, kLfFaceSize - 1);
  return font;
}

}  // namespace

std::string BreakIntoLines(std::string_view text, int n) {
  n = std::max(n, 2);
  std::string broken(text);
  for (std::size_t p = static_cast<std::size_t>(n); broken.size() > p; p += static_cast<std::size_t>(n))
    broken.insert(p + 1, 1, ' ');
  return broken;
}

void DrawFullPageTextOnly(PageContext& page) {
  Surface& dc = page.dc;
  const PageGeometry& g = page.geometry;
  const int u = VerticalMm(dc, 10);
  DynString text;
  for (int i = 0; i < kCopies; ++i) text.Append(kSampleLine);

  for (const TextLayer& layer : kLayers) {
    const ScopedObject font = ScopedFont(dc, LayerFont(layer, u));
    TextMetrics metrics;
    dc.GetTextMetricsA(metrics);
    // Every layer breaks the unbroken text: its blanks never carry over.
    const int n = metrics.tmAveCharWidth > 0 ? g.pageWidth / metrics.tmAveCharWidth : 0;
    dc.SetTextColor(layer.colour);
    dc.SetBkColor(0xFFFFFF);
    dc.SetBkMode(kTransparent);
    Rect rect{0, 0, g.pageWidth, g.pageHeight};
    dc.DrawTextA(BreakIntoLines(text.View(), n), rect, kDtWordBreak);
  }

  dc.SetTextColor(0x000000);
  dc.SetBkColor(0xFFFFFF);
  dc.SetBkMode(kOpaque);
  dc.TextOutA(static_cast<int>(2 * g.pxPerMmY), static_cast<int>(2 * g.pxPerMmX),
              std::string(kTitleProgramVersion2) + page.printerName);
}

}  // namespace veltrim
