// The test picture of the Bitmapped Image page. Every part tells a printer
// tester something: the sky's long smooth gradient shows banding, the sun's
// glow and the two skin tones show how light, warm colours are mixed, the
// foliage shows dark greens and fine detail, the colour chart and its sRGB
// values show colour accuracy, the grey ramps show neutral balance and where
// shadows block up or highlights wash out, and the fine lines show the
// sharpness the printer resolves in each direction.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <numbers>
#include <string>

#include "art.hpp"
#include "core/platform/scoped_object.hpp"
#include "test_picture.hpp"

namespace veltrim::art {
namespace {

constexpr ColorRef kWhite = Rgb(255, 255, 255);
constexpr ColorRef kBlack = Rgb(0, 0, 0);

int Mix(int from, int to, double t) { return static_cast<int>(std::lround(from + (to - from) * t)); }

ColorRef Mix(ColorRef from, ColorRef to, double t) {
  t = std::clamp(t, 0.0, 1.0);
  return Rgb(Mix(RedOf(from), RedOf(to), t), Mix(GreenOf(from), GreenOf(to), t), Mix(BlueOf(from), BlueOf(to), t));
}

// Fills exactly [left, right) x [top, bottom).
void Fill(Surface& s, int left, int top, int right, int bottom, ColorRef colour) {
  auto pen = ScopedPen(s, PenStyle::Null, 1, colour);
  auto brush = ScopedBrush(s, colour);
  s.Rectangle(left, top, right + 1, bottom + 1);
}

void FillEllipse(Surface& s, int left, int top, int right, int bottom, ColorRef colour) {
  auto pen = ScopedPen(s, PenStyle::Null, 1, colour);
  auto brush = ScopedBrush(s, colour);
  s.Ellipse(left, top, right, bottom);
}

void Line(Surface& s, int x0, int y0, int x1, int y1, int width = 1, ColorRef colour = kBlack) {
  auto pen = ScopedPen(s, PenStyle::Solid, width, colour);
  s.MoveToEx(x0, y0, nullptr);
  s.LineTo(x1, y1);
}

void Text(Surface& s, int x, int y, std::string_view text, int pixels, bool bold = false) {
  LogFont font;
  font.lfHeight = -pixels;
  font.lfWeight = bold ? 700 : 400;
  std::strncpy(font.lfFaceName, "Arial", sizeof font.lfFaceName - 1);
  auto selected = ScopedFont(s, font);
  s.TextOutA(x, y, text);
}

// The same pseudo-random sequence on every build, so the picture never
// changes between builds.
class Sequence {
 public:
  int Next(int low, int high) {
    state_ = state_ * 1103515245u + 12345u;
    return low + static_cast<int>((state_ >> 16) % static_cast<unsigned>(high - low + 1));
  }

 private:
  unsigned state_ = 20260101u;
};

// Sky: a long vertical gradient from a clear blue to a pale haze at the
// horizon, one row at a time, with a warm sun whose glow fades smoothly
// into it (drawn in runs of equal colour along each row).
constexpr ColorRef kSkyTop = Rgb(96, 146, 214);
constexpr ColorRef kSkyHaze = Rgb(214, 228, 240);

ColorRef SkyAt(int y) { return Mix(kSkyTop, kSkyHaze, y / double(kHorizonY)); }

ColorRef SunAt(int x, int y) {
  constexpr int cx = 300, cy = 210, disc = 36;
  const double d = std::hypot(x - cx, y - cy);
  const ColorRef glow = Mix(SkyAt(y), Rgb(255, 240, 196), 0.9 * std::exp(-(d - disc) / 42.0));
  return Mix(glow, Rgb(255, 251, 232), std::clamp(disc + 1.0 - d, 0.0, 1.0));
}

void DrawSky(Surface& s) {
  for (int y = 0; y < kHorizonY; ++y) Fill(s, 0, y, kTestPictureWidth, y + 1, SkyAt(y));
  constexpr int left = 100, right = 500, top = 10, bottom = 410;
  for (int y = top; y < bottom; ++y) {
    int runStart = left;
    ColorRef runColour = SunAt(left, y);
    for (int x = left + 1; x <= right; ++x) {
      const ColorRef colour = x < right ? SunAt(x, y) : ~runColour;
      if (colour == runColour) continue;
      Fill(s, runStart, y, x, y + 1, runColour);
      runStart = x;
      runColour = colour;
    }
  }
}

// Two ranges of hills, the far one hazy, the near one green, each drawn a
// column at a time under its ridge line.
int Ridge(int x, double base, double a1, double f1, double a2, double f2) {
  return static_cast<int>(base - a1 * std::sin(x * f1) - a2 * std::sin(x * f2 + 1.3));
}

void DrawHills(Surface& s) {
  for (int x = 0; x < kTestPictureWidth; ++x) {
    const int far = Ridge(x, 400, 40, 0.006, 18, 0.021);
    Fill(s, x, far, x + 1, kLandscapeBottom, Rgb(118, 146, 132));
  }
  for (int x = 0; x < kTestPictureWidth; ++x) {
    const int near = Ridge(x, 500, 55, 0.004, 14, 0.017);
    for (int y = near; y < kLandscapeBottom; y += 20)
      Fill(s, x, y, x + 1, std::min(y + 20, kLandscapeBottom),
           Mix(Rgb(92, 138, 64), Rgb(38, 74, 30), (y - near) / 220.0));
  }
}

// Foliage: many small leaves of many greens, darker towards the bottom.
void DrawFoliage(Surface& s) {
  Sequence random;
  for (int i = 0; i < 2600; ++i) {
    const int x = random.Next(0, kTestPictureWidth - 1);
    const int y = random.Next(520, kLandscapeBottom - 6);
    const int w = random.Next(5, 16), h = random.Next(4, 10);
    const double depth = (y - 520) / double(kLandscapeBottom - 520);
    const ColorRef leaf = Rgb(random.Next(20, 80), random.Next(70, 150) - static_cast<int>(40 * depth),
                              random.Next(10, 50));
    FillEllipse(s, x, y, std::min(x + w, kTestPictureWidth), std::min(y + h, kLandscapeBottom), leaf);
  }
}

// Two faces of different complexion, lit from the upper left: rings that
// grow lighter towards an off-centre highlight.
void DrawSkinTone(Surface& s, int left, int top, int width, int height, ColorRef shadow, ColorRef light) {
  constexpr int kRings = 60;
  for (int i = 0; i < kRings; ++i) {
    const double t = i / double(kRings - 1);
    const double shrink = 1.0 - 0.8 * t;
    const int w = static_cast<int>(width * shrink), h = static_cast<int>(height * shrink);
    // The rings move towards the upper left as they shrink.
    const int x = left + static_cast<int>((width - w) * 0.38), y = top + static_cast<int>((height - h) * 0.34);
    FillEllipse(s, x, y, x + w, y + h, Mix(shadow, light, std::pow(t, 0.7)));
  }
}

void DrawLandscape(Surface& s) {
  DrawSky(s);
  DrawHills(s);
  DrawFoliage(s);
  DrawSkinTone(s, 700, 300, 200, 270, Rgb(168, 112, 86), Rgb(246, 210, 186));
  DrawSkinTone(s, 950, 310, 190, 260, Rgb(82, 52, 38), Rgb(176, 124, 96));
}

void DrawChart(Surface& s) {
  Text(s, kChartLeft, kChartTop - 34, "24-patch colour chart, 8-bit sRGB values (R G B)", 22, true);
  for (int i = 0; i < static_cast<int>(kChartPatches.size()); ++i) {
    const ChartPatch& patch = kChartPatches[static_cast<std::size_t>(i)];
    const PatchBox box = ChartPatchBox(i);
    Fill(s, box.left, box.top, box.right, box.bottom, Rgb(patch.red, patch.green, patch.blue));
    char label[64];
    std::snprintf(label, sizeof label, "%s  %d %d %d", patch.name, patch.red, patch.green, patch.blue);
    Text(s, box.left, box.bottom + 4, label, 15);
  }
}

void DrawGreyRamps(Surface& s) {
  Text(s, kRampLeft, kSmoothRampTop - 30, "Grey ramp: smooth, then 21 steps of 5 % from black to white", 22, true);
  const int width = kRampRight - kRampLeft;
  for (int x = 0; x < width; ++x) {
    const int level = x * 255 / (width - 1);
    Fill(s, kRampLeft + x, kSmoothRampTop, kRampLeft + x + 1, kSmoothRampBottom, Rgb(level, level, level));
  }
  for (int i = 0; i < kGreySteps; ++i) {
    const int left = kRampLeft + i * width / kGreySteps, right = kRampLeft + (i + 1) * width / kGreySteps;
    const int level = static_cast<int>(std::lround(i * 255.0 / (kGreySteps - 1)));
    Fill(s, left, kStepRampTop, right, kStepRampBottom, Rgb(level, level, level));
    Text(s, left + 4, kStepRampBottom + 4, std::to_string(i * 5), 14);
  }
}

// Groups of parallel lines 1 to 4 pixels wide with gaps of their own width,
// vertical and horizontal, and a star of converging lines: where the lines
// merge is the limit of the printer's sharpness.
void DrawFineLines(Surface& s) {
  const int top = 1490;
  Text(s, 40, top - 34, "Fine lines: 1, 2, 3 and 4 pixels, vertical and horizontal; converging lines", 22, true);
  for (int w = 1; w <= 4; ++w) {
    const int groupLeft = 40 + (w - 1) * 140;
    for (int i = 0; i < 10; ++i) {
      const int x = groupLeft + i * 2 * w;
      Fill(s, x, top, x + w, top + 100, kBlack);
    }
    for (int i = 0; i < 10; ++i) {
      const int y = top + 120 + i * 2 * w;
      Fill(s, groupLeft, y, groupLeft + 100, y + w, kBlack);
    }
  }
  const int cx = 790, cy = 1600, radius = 110;
  for (int i = 0; i < 90; ++i) {
    const double angle = i * std::numbers::pi / 45.0;
    Line(s, cx, cy, cx + static_cast<int>(std::lround(radius * std::cos(angle))),
         cy + static_cast<int>(std::lround(radius * std::sin(angle))));
  }
  // Solid primaries and secondaries for the printer's inks, with a black
  // and a white patch to compare the paper against.
  const ColorRef inks[] = {Rgb(0, 255, 255), Rgb(255, 0, 255), Rgb(255, 255, 0), kBlack,
                           Rgb(255, 0, 0),   Rgb(0, 255, 0),   Rgb(0, 0, 255),   kWhite};
  for (int i = 0; i < 8; ++i) {
    const int left = 960 + (i % 4) * 60, y = 1500 + (i / 4) * 110;
    Fill(s, left, y, left + 50, y + 90, inks[i]);
  }
  auto pen = ScopedPen(s, PenStyle::Solid, 1, Rgb(160, 160, 160));
  auto hollow = ScopedSelection(s, s.GetStockObject(StockObject::NullBrush));
  s.Rectangle(960 + 3 * 60 - 1, 1610 - 1, 960 + 3 * 60 + 51, 1610 + 91);
}

}  // namespace

void DrawTestPicture(Surface& s) {
  Fill(s, 0, 0, kTestPictureWidth, kTestPictureHeight, kWhite);
  DrawLandscape(s);
  DrawChart(s);
  DrawGreyRamps(s);
  DrawFineLines(s);
  // A one-pixel frame shows whether the printed picture is cut at any edge.
  auto pen = ScopedPen(s, PenStyle::Solid, 1, kBlack);
  auto hollow = ScopedSelection(s, s.GetStockObject(StockObject::NullBrush));
  s.Rectangle(0, 0, kTestPictureWidth, kTestPictureHeight);
}

}  // namespace veltrim::art
