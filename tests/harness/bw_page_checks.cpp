#include "bw_page_checks.hpp"

#include <algorithm>

namespace veltrim::test {
namespace {

class Reader {
 public:
  Reader(const RasterImage& page, const BwPageDevice& device, BwPageReading& reading)
      : page_(page), d_(device), reading_(reading) {}

  std::uint32_t At(int x, int y) const {
    const int px = std::clamp(d_.imageX + x, 0, page_.Width() - 1);
    const int py = std::clamp(d_.imageY + y, 0, page_.Height() - 1);
    return page_.Pixel(px, py);
  }
  bool Dark(int x, int y) const { return (At(x, y) & 0x808080) == 0; }
  bool White(int x, int y) const { return ColourNear(At(x, y), 0xFFFFFF, 16); }
  // A hairline may fall on either neighbour of its row or column.
  bool DarkNear(int x, int y) const {
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx)
        if (Dark(x + dx, y + dy)) return true;
    return false;
  }

  void ExpectDark(int x, int y, const char* what, bool hairline = true) {
    if (!(hairline ? DarkNear(x, y) : Dark(x, y))) Fault(x, y, what, "dark");
  }
  void ExpectWhite(int x, int y, const char* what) {
    if (!White(x, y)) Fault(x, y, what, "white");
  }
  void ExpectColour(int x, int y, std::uint32_t rgb, const char* what) {
    if (!ColourNear(At(x, y), rgb, 12)) Fault(x, y, what, ColourText(rgb).c_str());
  }
  void Fault(int x, int y, const char* what, const char* expected) {
    reading_.faults.push_back(std::string(what) + ": device (" + std::to_string(x) + ", " + std::to_string(y) +
                              ") is " + ColourText(At(x, y)) + ", expected " + expected);
  }

  // The first row dark across the whole width: no text line is.
  int FindFullWidthRule() const {
    for (int y = 0; y < d_.height; ++y) {
      bool all = true;
      for (int j = 1; j < 20 && all; ++j) all = Dark(d_.width * j / 20, y);
      if (all) return y;
    }
    return -1;
  }

 private:
  const RasterImage& page_;
  const BwPageDevice& d_;
  BwPageReading& reading_;
};

}  // namespace

BwPageReading ReadBwPage(const RasterImage& page, const BwPageDevice& d) {
  BwPageReading reading;
  Reader r(page, d, reading);
  const int w = d.width, p = d.mm;
  const int y0 = reading.linesTop = r.FindFullWidthRule();
  if (y0 < 0) {
    reading.faults.push_back("no full-width rule of the Lines block");
    return reading;
  }
  // Lines: rules at +0, +4, +8, +16; the comb's positions 26 and 33 with a
  // gap between.
  r.ExpectDark(w / 2, y0 + 4, "second rule");
  r.ExpectDark(w / 2, y0 + 16, "fourth rule");
  r.ExpectWhite(w / 2, y0 + 2, "between the first rules");
  r.ExpectWhite(w / 2, y0 + 12, "between the third and fourth rules");
  const int combMiddle = y0 + 17 + d.cm1 / 2;
  r.ExpectDark(26, combMiddle, "comb stroke at 26");
  r.ExpectDark(33, combMiddle, "comb stroke at 33");
  r.ExpectWhite(29, combMiddle, "comb gap 26-33");

  // Ellipses, d = cm2.
  const int e = y0 + 17 + d.cm1 + 4, dm = d.cm2, eMid = e + dm / 2;
  r.ExpectDark(dm / 2, e, "top of the circle");
  r.ExpectWhite(dm / 2, eMid, "inside the circle");
  r.ExpectDark(2 * dm, eMid, "left of the filled ellipse");
  r.ExpectWhite(3 * dm - 2, eMid, "the wide outline under the filled ellipse");
  r.ExpectDark(dm * 5 / 2, eMid, "left of the fan");

  // Small black band: 2 mm of lines.
  const int s = e + dm + 4;
  r.ExpectDark(w / 2, s + 1, "small black band", false);
  r.ExpectDark(w / 2, s + 2 * p - 2, "small black band", false);
  r.ExpectWhite(w / 2, s + 2 * p + 2, "below the small band");

  // Large frame with its middle half filled.
  const int g = s + 2 * p + 4;
  r.ExpectDark(w / 2, g, "top of the large frame");
  r.ExpectWhite(w / 2, g + dm / 8, "inside the frame, above the band");
  r.ExpectDark(w / 2, g + dm / 2, "large black band", false);
  r.ExpectWhite(5, g + dm / 2, "between the frame and the band");
  r.ExpectWhite(w / 2, g + dm * 7 / 8, "inside the frame, below the band");

  // Grey boxes: two rows of four.
  const int t1 = g + dm + 4 + p, b1 = t1 + 10 * p, b2 = b1 + 10 * p;
  const std::uint32_t greys[2][4] = {{0xCCCCCC, 0x999999, 0x666666, 0x333333},
                                     {0xD6D6D6, 0xE0E0E0, 0xEBEBEB, 0xF5F5F5}};
  for (int column = 0; column < 4; ++column) {
    r.ExpectColour(w / 8 + column * (w / 4), (t1 + b1) / 2, greys[0][column], "grey box, first row");
    r.ExpectColour(w / 8 + column * (w / 4), (b1 + b2) / 2, greys[1][column], "grey box, second row");
  }

  // Chord of the 2 x cm4 by cm4 ellipse: its top and the chord through the centre.
  const int c = b1 + 11 * p;
  r.ExpectDark(d.cm4, c, "top of the chord's ellipse");
  r.ExpectDark(d.cm4, c + d.cm4 / 2, "the chord through the centre");

  // The Bezier band stays within cm4 below its top: white down to the
  // round caps of the widest comb strokes.
  const int bz = c + d.cm4 - 5 * p + 4;
  const int k = bz + d.cm4 + 4, top = k + 3 * p;
  const int widestCap = (w / (4 * p) + 1) / 2 + 2;
  for (int y = bz + d.cm4 + 3; y < top - widestCap; ++y)
    for (int x = 0; x < w; x += 7)
      if (!r.White(x, y)) {
        r.Fault(x, y, "between the Bezier band and the comb", "white");
        y = top;
        break;
      }

  // The black comb: a stroke every 4 mm, stroke i being i + 1 units wide.
  const int combY = top + 12 * p;
  for (const int i : {10, 20}) {
    const int x = 4 * p * i, next = 4 * p * (i + 1);
    r.ExpectDark(x, combY, "comb stroke", false);
    r.ExpectWhite((x + (i + 1) / 2 + next - (i + 2) / 2) / 2, combY, "gap between comb strokes");
  }
  // Below the third stroke (three units wide) the page is white.
  if (top + 25 * p + 4 < d.height) r.ExpectWhite(8 * p, top + 25 * p + 4, "below the comb");
  return reading;
}

}  // namespace veltrim::test
