// The Custom and Color Calibration pages as the real `veltrim` renders them
// into PNG files: colours where the page geometry puts them. With no
// margins a device unit is a pixel of the file.
#include <functional>

#include "cli_support.hpp"

namespace veltrim::test {
namespace {

// One page of A5 (100 dpi: 583 x 827 units, 3 a millimetre; 300 dpi:
// 1748 x 2480, 11 a millimetre) or A4 at 300 dpi (2480 x 3508, 11).
class CustomPagesPng : public CliTest<> {
 protected:
  RasterImage Page(const std::string& paper, int dpi, const std::vector<std::string>& options) {
    std::vector<std::string> args{"--paper", paper, "--dpi", std::to_string(dpi), "--margins", "0"};
    args.insert(args.end(), options.begin(), options.end());
    return PrintPng(args);
  }
};

// The share of the pixels of [left, right) x [top, bottom) that `is` holds for.
double Share(const RasterImage& page, int left, int top, int right, int bottom,
             const std::function<bool(std::uint32_t)>& is) {
  int count = 0;
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x) count += is(page.Pixel(x, y)) ? 1 : 0;
  return static_cast<double>(count) / ((right - left) * (bottom - top));
}

bool White(std::uint32_t rgb) { return ColourNear(rgb, 0xFFFFFF, 24); }

#define EXPECT_COLOUR(page, x, y, rgb, tolerance) \
  EXPECT_PRED3(ColourNear, (page).Pixel(x, y), rgb, tolerance) << "at " << (x) << ", " << (y) << ": " << ColourText((page).Pixel(x, y))

TEST_F(CustomPagesPng, FullPageCustomColorLightenedByTheCoverage) {
  const RasterImage page = Page("a5", 100, {"--category", "custom", "--tests", "0", "--colour", "8=255,0,0", "--coverage", "50"});
  for (const auto& [x, y] : std::vector<std::pair<int, int>>{{0, 0}, {291, 413}, {582, 826}})
    EXPECT_COLOUR(page, x, y, 0xFF7F7Fu, 2);
}

TEST_F(CustomPagesPng, HorizontalGradientFromSlotSevenToSlotSix) {
  const RasterImage page = Page("a5", 100, {"--category", "custom", "--tests", "1", "--layout", "2", "--colour",
                                            "7=0,0,255", "--colour", "6=255,255,0"});
  EXPECT_COLOUR(page, 0, 400, 0x0000FFu, 2);
  EXPECT_COLOUR(page, 582, 400, 0xFEFE01u, 2);
  EXPECT_COLOUR(page, 291, 10, 0x7F7F80u, 3);  // about slice 256 of 512
}

TEST_F(CustomPagesPng, CrossOnTheDiagonals) {
  const RasterImage page = Page("a5", 100, {"--category", "custom", "--tests", "2"});
  // (x, x x 827 / 583) and its mirror are on the lines.
  for (const auto& [x, y] : std::vector<std::pair<int, int>>{{291, 413}, {100, 142}, {483, 142}, {100, 685}})
    EXPECT_FALSE(White(page.Pixel(x, y))) << x << ", " << y;
  EXPECT_COLOUR(page, 100, 400, 0xFFFFFFu, 2);
  EXPECT_COLOUR(page, 291, 100, 0xFFFFFFu, 2);
}

TEST_F(CustomPagesPng, MillimetricPaperEveryElevenUnits) {
  const RasterImage page = Page("a5", 300, {"--category", "custom", "--tests", "3", "--colour", "5=0,0,255"});
  // 1 mm lines at multiples of 11 (one unit wide), 5 mm lines at multiples of 55 (three).
  EXPECT_COLOUR(page, 500, 22, 0x0000FFu, 40);
  EXPECT_COLOUR(page, 500, 55, 0x0000FFu, 2);
  EXPECT_COLOUR(page, 22, 300, 0x0000FFu, 40);
  EXPECT_COLOUR(page, 500, 27, 0xFFFFFFu, 2);  // 27 and 500 are no multiples of 11
  EXPECT_COLOUR(page, 27, 300, 0xFFFFFFu, 2);
  const double blue = Share(page, 100, 100, 600, 600, [](std::uint32_t rgb) { return !White(rgb); });
  EXPECT_GT(blue, 0.15) << "two lines in eleven each way";
  EXPECT_LT(blue, 0.35);
}

TEST_F(CustomPagesPng, ColorCoverageInksTheAskedShare) {
  // Cells of 2.75 units; s <= 50 inks every (100 / s)th cell, above it every (100 / (100 - s))th stays white.
  for (const auto& [percent, expected] : std::vector<std::pair<int, double>>{{5, 0.05}, {30, 0.333}, {50, 0.5}, {80, 0.8}}) {
    const RasterImage page = Page("a5", 300, {"--category", "custom", "--tests", "5", "--colour", "0=0,0,0",
                                              "--dot-coverage", std::to_string(percent)});
    const double inked = Share(page, 100, 100, 700, 700, [](std::uint32_t rgb) { return !White(rgb); });
    EXPECT_NEAR(inked, expected, 0.06) << percent << " %";
  }
}

TEST_F(CustomPagesPng, CalibrationRulerAndStripsOfBlackAndCyan) {
  const RasterImage page = Page("a4", 300, {"--category", "calibration", "--tests", "0,1"});
  // The ruler's top is one line of the default font below the page top: find
  // it at its 90 % tick (x = 2232), then place everything from it.
  int t = 0;
  while (t < 200 && White(page.Pixel(2232, t))) ++t;
  ASSERT_GT(t, 20);
  ASSERT_LT(t, 120);
  // Major ticks 88 units (8 mm) long, minor ones 33 (3 mm): x = 1264 is 51 %.
  EXPECT_FALSE(White(page.Pixel(1240, t + 80)));
  EXPECT_FALSE(White(page.Pixel(1264, t + 20)));
  EXPECT_COLOUR(page, 1264, t + 45, 0xFFFFFFu, 24);

  // BLACK: checkerboard 110..198 below the ruler's top, the grey ramp
  // 198..286, cell i from i x 9.6875.
  const auto rampCell = [](int i) { return static_cast<int>(i * 9.6875) + 4; };
  const int black = t + 110;
  const double dark = Share(page, 100, black + 4, 600, black + 84, [](std::uint32_t rgb) { return rgb == 0; });
  EXPECT_NEAR(dark, 0.5, 0.1);
  for (const int i : {0, 128, 250}) EXPECT_COLOUR(page, rampCell(i), black + 132, i * 0x010101u, 6);

  // CYAN 25 mm lower: ramps from black and to white.
  const int cyan = black + 275;
  const double cyanCells = Share(page, 100, cyan + 4, 600, cyan + 84, [](std::uint32_t rgb) { return rgb == 0x00FFFF; });
  EXPECT_NEAR(cyanCells, 0.5, 0.1);
  EXPECT_COLOUR(page, rampCell(128), cyan + 132, 0x008080u, 6);
  EXPECT_COLOUR(page, rampCell(64), cyan + 308, 0x40FFFFu, 6);
  EXPECT_COLOUR(page, 1240, cyan + 420, 0xFFFFFFu, 2) << "nothing after the last strip";
}

TEST_F(CustomPagesPng, SaturationLightnessGraphAroundARedCentre) {
  // The chart spans 30..583 both ways, 5.53 units a percent; centre 306.5.
  const RasterImage page = Page("a5", 100, {"--category", "calibration", "--tests", "7", "--colour", "9=255,0,0"});
  EXPECT_COLOUR(page, 308, 303, 0xFE0000u, 4);  // the centre colour (HSL 0, 100, 50)
  EXPECT_COLOUR(page, 36, 303, 0xBE4040u, 10);  // left edge: saturation 50
  EXPECT_COLOUR(page, 575, 36, 0xFFFFFFu, 16);  // top: lightness 100
  EXPECT_COLOUR(page, 36, 578, 0x000000u, 16);  // bottom: lightness 0
  EXPECT_COLOUR(page, 575, 303, 0xFE0000u, 4);  // right half held at saturation 100
  EXPECT_GT(Share(page, 30, 613, 583, 700, [](std::uint32_t rgb) { return !White(rgb); }), 0.01)
      << "the readout below the chart";
}

}  // namespace
}  // namespace veltrim::test
