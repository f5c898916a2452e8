#include <array>

#include "core/patterns/colour/colour_patterns.hpp"
#include "core/patterns/shared/filled_boxes.hpp"
#include "core/patterns/shared/vertical_mm.hpp"

namespace veltrim {
namespace {

constexpr int kLevels = 256;

constexpr ColorRef Grey(int level) { return Rgb(level, level, level); }

// Step n (0 to 511) of a row that runs from black to `full` (each channel 0
// or 255) in 256 steps and from there to white in 256 more.
constexpr ColorRef ThroughColour(ColorRef full, int step) {
  return step < kLevels ? (Grey(step) & full) : (Grey(step - kLevels) | full);
}
static_assert(ThroughColour(kCyan, 300) == 0xFFFF00 + 44);
static_assert(ThroughColour(kMagenta, 511) == 0xFFFFFF);
static_assert(ThroughColour(kRed, 255) == kRed);

// `count` boxes side by side from x = 0, each pageWidth / count wide
// (truncated, so the row may end short of the right edge) and with a pen
// and brush of its own.
template <typename ColourOf>
void DrawBoxRow(PageContext& page, int top, int height, int count, ColourOf colourOf) {
  const int boxWidth = page.geometry.pageWidth / count;
  for (int n = 0; n < count; ++n)
    FillBox(page.dc, colourOf(n), Rect{n * boxWidth, top, (n + 1) * boxWidth, top + height});
}

// Three rows, each from black through one colour to white.
void DrawThreeGradients(PageContext& page, const std::array<ColorRef, 3>& colours) {
  const int u = VerticalMm(page.dc, 10);
  const int y0 = page.geometry.cursorY;
  for (int row = 0; row < 3; ++row)
    DrawBoxRow(page, y0 + row * u, u, 2 * kLevels, [&](int n) { return ThroughColour(colours[row], n); });
  page.geometry.cursorY = y0 + 3 * u + kBlockGap;
}

}  // namespace

void DrawCmyGradients(PageContext& page) { DrawThreeGradients(page, {kCyan, kMagenta, kYellow}); }

void DrawRgbGradients(PageContext& page) { DrawThreeGradients(page, {kRed, kGreen, kBlue}); }

void DrawBlackGradient(PageContext& page) {
  const int u = VerticalMm(page.dc, 10);
  const int y0 = page.geometry.cursorY;
  DrawBoxRow(page, y0, u, kLevels, Grey);
  page.geometry.cursorY = y0 + u + kBlockGap;
}

}  // namespace veltrim
