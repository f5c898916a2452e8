#include <array>

#include "core/patterns/colour/colour_patterns.hpp"
#include "core/patterns/shared/filled_boxes.hpp"
#include "core/patterns/shared/vertical_mm.hpp"

namespace veltrim {
namespace {

constexpr int kSquareCells = 7;

// A box of whole cells: columns x0 to x1 and rows y0 to y1, ends exclusive.
struct Cells {
  int x0, x1, y0, y1;
};

// One colour's share of a crossover square.
struct CellGroup {
  int count;
  std::array<Cells, 5> cells;
};

// Three bands run across (rows 2, 3, 4) and the same three run down
// (columns 2, 3, 4). Each band is drawn around the centre so that the 3 by
// 3 centre is painted once: a band where it meets itself, the mix of two
// bands where they cross. Both squares share this layout and differ only in
// their colours.
constexpr std::array<CellGroup, 6> kCrossoverLayout = {{
    {4, {{{0, 3, 2, 3}, {5, 7, 2, 3}, {2, 3, 0, 2}, {2, 3, 5, 7}}}},                // first band
    {5, {{{0, 2, 3, 4}, {3, 4, 3, 4}, {5, 7, 3, 4}, {3, 4, 0, 2}, {3, 4, 5, 7}}}},  // second band
    {4, {{{0, 2, 4, 5}, {4, 7, 4, 5}, {4, 5, 0, 2}, {4, 5, 5, 7}}}},                // third band
    {2, {{{4, 5, 3, 4}, {3, 4, 4, 5}}}},                                            // second with third
    {2, {{{4, 5, 2, 3}, {2, 3, 4, 5}}}},                                            // first with third
    {2, {{{3, 4, 2, 3}, {2, 3, 3, 4}}}},                                            // first with second
}};

// The colours of the layout's groups, in drawing order.
constexpr std::array<ColorRef, 6> kCmyColours = {kCyan, kMagenta, kYellow, kRed, kGreen, kBlue};
constexpr std::array<ColorRef, 6> kRgbColours = {kRed, kGreen, kBlue, kCyan, kMagenta, kYellow};

void DrawCrossover(Surface& dc, int left, int top, int u, const std::array<ColorRef, 6>& colours) {
  for (std::size_t group = 0; group < kCrossoverLayout.size(); ++group) {
    const CellGroup& layout = kCrossoverLayout[group];
    std::array<Rect, 5> boxes{};
    for (int i = 0; i < layout.count; ++i) {
      const Cells& c = layout.cells[i];
      boxes[i] = Rect{left + c.x0 * u, top + c.y0 * u, left + c.x1 * u, top + c.y1 * u};
    }
    FillBoxes(dc, colours[group], std::span(boxes.data(), layout.count));
  }
}

}  // namespace

void DrawCmyCrossover(PageContext& page) {
  const int u = VerticalMm(page.dc, 10);
  const int y0 = page.geometry.cursorY;
  DrawCrossover(page.dc, 0, y0, u, kCmyColours);
  // The red-green-blue square, when it follows, shares this band at the
  // right edge.
  const bool rgbFollows = page.selection.colorTests[7] == 1;
  page.geometry.cursorY = rgbFollows ? y0 : y0 + kSquareCells * u + kBlockGap;
}

void DrawRgbCrossover(PageContext& page) {
  const int u = VerticalMm(page.dc, 10);
  const int top = page.geometry.cursorY;
  DrawCrossover(page.dc, page.geometry.pageWidth - kSquareCells * u, top, u, kRgbColours);
  page.geometry.cursorY = top + kSquareCells * u + kBlockGap;
}

}  // namespace veltrim
