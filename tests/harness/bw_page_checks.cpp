#include "bw_page_checks.hpp"

#include <algorithm>

namespace veltrim::test {

BwPageReading ReadBwPage(const RasterImage& page, const BwPageDevice& d) {
  BwPageReading reading;
  auto at = [&](int x, int y) {
    return page.Pixel(std::clamp(d.imageX + x, 0, page.Width() - 1), std::clamp(d.imageY + y, 0, page.Height() - 1));
  };
  auto dark = [&](int x, int y) { return (at(x, y) & 0x808080) == 0; };
  // A hairline may fall on a neighbouring row or column.
  auto darkNear = [&](int x, int y) {
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx)
        if (dark(x + dx, y + dy)) return true;
    return false;
  };
  auto expect = [&](bool ok, int x, int y, const char* what) {
    if (!ok)
      reading.faults.push_back(std::string(what) + ": device (" + std::to_string(x) + ", " + std::to_string(y) +
                               ") is " + ColourText(at(x, y)));
  };
  auto expectDark = [&](int x, int y, const char* what) { expect(darkNear(x, y), x, y, what); };
  auto expectColour = [&](int x, int y, std::uint32_t rgb, const char* what) {
    expect(ColourNear(at(x, y), rgb, 12), x, y, what);
  };
  auto expectWhite = [&](int x, int y, const char* what) { expectColour(x, y, 0xFFFFFF, what); };

  // The first row dark across the whole width (no text line is): the
  // Lines block's first rule.
  const int w = d.width, p = d.mm, dm = d.cm2;
  for (int y = 0; y < d.height && reading.linesTop < 0; ++y) {
    bool all = true;
    for (int j = 1; j < 20 && all; ++j) all = dark(w * j / 20, y);
    if (all) reading.linesTop = y;
  }
  const int y0 = reading.linesTop;
  if (y0 < 0) {
    reading.faults.push_back("no full-width rule of the Lines block");
    return reading;
  }
  expectDark(w / 2, y0 + 16, "fourth rule");
  expectWhite(w / 2, y0 + 12, "between the third and fourth rules");
  const int combMiddle = y0 + 17 + d.cm1 / 2;
  expectDark(33, combMiddle, "comb stroke at 33");
  expectWhite(29, combMiddle, "comb gap 26-33");

  const int e = y0 + 17 + d.cm1 + 4, eMid = e + dm / 2;
  expectDark(dm / 2, e, "top of the circle");
  expectWhite(3 * dm - 2, eMid, "the wide outline under the filled ellipse");
  expectDark(dm * 5 / 2, eMid, "left of the fan");

  const int s = e + dm + 4;
  expect(dark(w / 2, s + p), w / 2, s + p, "small black band");
  expectWhite(w / 2, s + 2 * p + 2, "below the small band");

  const int g = s + 2 * p + 4;
  expectWhite(w / 2, g + dm / 8, "inside the frame, above the band");
  expect(dark(w / 2, g + dm / 2), w / 2, g + dm / 2, "large black band");
  expectWhite(5, g + dm / 2, "between the frame and the band");

  const int t1 = g + dm + 4 + p, b1 = t1 + 10 * p, b2 = b1 + 10 * p;
  const std::uint32_t greys[] = {0xCCCCCC, 0x999999, 0x666666, 0x333333, 0xD6D6D6, 0xE0E0E0, 0xEBEBEB, 0xF5F5F5};
  for (int i = 0; i < 8; ++i)
    expectColour(w / 8 + (i % 4) * (w / 4), i < 4 ? (t1 + b1) / 2 : (b1 + b2) / 2, greys[i], "grey box");

  const int c = b1 + 11 * p;
  expectDark(d.cm4, c + d.cm4 / 2, "the chord through the centre of its ellipse");

  // The Bezier band stays within cm4 below its top: white down to the round
  // caps of the widest comb strokes.
  const int bz = c + d.cm4 - 5 * p + 4, top = bz + d.cm4 + 4 + 3 * p;
  const int widestCap = (w / (4 * p) + 1) / 2 + 2;
  bool white = true;
  for (int y = bz + d.cm4 + 3; y < top - widestCap && white; ++y)
    for (int x = 0; x < w && white; x += 7) {
      white = ColourNear(at(x, y), 0xFFFFFF, 12);
      expect(white, x, y, "between the Bezier band and the comb");
    }

  // The comb: a stroke every 4 mm, stroke i being i + 1 units wide.
  for (const int i : {10, 20}) {
    const int x = 4 * p * i, next = 4 * p * (i + 1), middle = top + 12 * p;
    expect(dark(x, middle), x, middle, "comb stroke");
    expectWhite((x + (i + 1) / 2 + next - (i + 2) / 2) / 2, middle, "gap between comb strokes");
  }
  return reading;
}

}  // namespace veltrim::test
