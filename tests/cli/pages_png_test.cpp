// Advanced, Custom and Color Calibration pages as the real `veltrim` draws
// them into PNG, read back at the points the page geometry predicts.
#include <functional>
#include <optional>
#include <ostream>

#include "cli_support.hpp"

namespace veltrim::test {
namespace {

constexpr std::uint32_t kInk = 0xFFFFFFFF;  // any colour clearly not white

bool White(std::uint32_t rgb) { return ColourNear(rgb, kWhite, 24); }

// The share of the pixels of [left, right) x [top, bottom) that `is` holds for.
double Share(const RasterImage& page, int left, int top, int right, int bottom,
             const std::function<bool(std::uint32_t)>& is = [](std::uint32_t rgb) { return !White(rgb); }) {
  int count = 0;
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x) count += is(page.Pixel(x, y)) ? 1 : 0;
  return static_cast<double>(count) / ((right - left) * (bottom - top));
}

// The device: a 110 x 160 mm sheet at 254 dpi is 10 dots a millimetre; 5 mm
// margins leave a printable area of 1000 x 1500 dots (100 x 150 mm) at
// (50, 50), so ten millimetres are 100 units. A5 without margins is
// 583 x 827 units at 100 dpi (3 a millimetre), 1748 x 2480 at 300 (11).
std::vector<std::string> Small(std::vector<std::string> args) {
  args.insert(args.begin(), {"--paper", "110x160mm", "--dpi", "254", "--margins", "5"});
  return args;
}
std::vector<std::string> A5(const char* dpi, std::vector<std::string> args) {
  args.insert(args.begin(), {"--paper", "a5", "--dpi", dpi, "--margins", "0"});
  return args;
}

// At device point (x, y); the share of inked pixels of [left, right) x
// [top, bottom) from min to max.
struct Probe { int x, y; std::uint32_t rgb; int tolerance = 8; };
struct InkedShare { int left, top, right, bottom; double min, max; };

struct PageCase {
  const char* name;
  std::vector<std::string> args;
  int width, height, margin;
  std::vector<Probe> probes;
  std::optional<InkedShare> inked = std::nullopt;
};

void PrintTo(const PageCase& c, std::ostream* out) { *out << c.name; }

class PagesPng : public CliTest<::testing::TestWithParam<PageCase>> {};

TEST_P(PagesPng, ColoursWhereTheGeometryPutsThem) {
  const PageCase& c = GetParam();
  const RasterImage page = PrintPng(c.args);
  ASSERT_EQ(page.Width(), c.width);
  ASSERT_EQ(page.Height(), c.height);
  for (const Probe& p : c.probes) {
    const std::uint32_t actual = page.Pixel(p.x + c.margin, p.y + c.margin);
    EXPECT_TRUE(p.rgb == kInk ? !White(actual) : ColourNear(actual, p.rgb, p.tolerance))
        << "at " << p.x << ", " << p.y << ": " << ColourText(actual) << ", expected " << ColourText(p.rgb);
  }
  if (c.inked) {
    const InkedShare& s = *c.inked;
    const double share = Share(page, s.left, s.top, s.right, s.bottom);
    EXPECT_TRUE(share >= s.min && share <= s.max) << share;
  }
}

// Cells of 2.75 units; s <= 50 inks every (100 / s)th cell, above it every
// (100 / (100 - s))th stays white: 5 and 80 % of the page inked.
PageCase Coverage(const char* name, const char* percent, double share) {
  return {name, A5("300", {"--category", "custom", "--tests", "5", "--colour", "0=0,0,0", "--dot-coverage", percent}),
          1748, 2480, 0, {}, InkedShare{100, 100, 700, 700, share - 0.06, share + 0.06}};
}

INSTANTIATE_TEST_SUITE_P(
    Options, PagesPng,
    ::testing::Values(
        // Bars 100 high in the cycle cyan, magenta, yellow, black; band 14
        // (y 1400..1500) is yellow. Nothing in the margin.
        PageCase{"RepetitiveCmykBars", Small({"--category", "advanced", "--option", "1"}), 1100, 1600, 50,
                 {{500, 50, kCyan}, {500, 150, kMagenta}, {500, 250, kYellow}, {500, 350, kBlack}, {10, 1450, kYellow},
                  {-25, -25, kWhite}, {500, 1525, kWhite}}},
        // k = 127 at 50 %: (255, 127, 127) over the whole printable area.
        PageCase{"RedAtHalfCoverage", Small({"--category", "advanced", "--option", "9", "--coverage", "50"}), 1100,
                 1600, 50, {{2, 2, 0xFF7F7F}, {500, 750, 0xFF7F7F}, {997, 1497, 0xFF7F7F}, {-25, 750, kWhite}}},
        // A 1000-unit square of 3-unit cells: corners, the middle about
        // grey, white between the square and the caption 10 mm below it.
        PageCase{"CmykSquare", Small({"--category", "advanced", "--option", "13"}), 1100, 1600, 50,
                 {{1, 1, kCyan}, {998, 1, kMagenta}, {1, 998, kBlack}, {998, 998, kYellow}, {500, 500, 0x808080},
                  {500, 1050, kWhite}}},
        PageCase{"CustomSquare",
                 Small({"--category", "custom", "--tests", "4", "--colour", "4=255,0,0", "--colour", "3=0,255,0",
                        "--colour", "2=0,0,255", "--colour", "1=255,255,255"}),
                 1100, 1600, 50, {{1, 1, 0xFF0000}, {998, 1, 0x00FF00}, {1, 998, 0x0000FF}, {998, 998, kWhite}}},
        // Grid lines every 50 units, 2 wide, dark grey; white between them.
        PageCase{"MarginsGrid", Small({"--category", "advanced", "--option", "4"}), 1100, 1600, 50,
                 {{500, 1225, 0x464646}, {725, 1250, 0x464646}, {525, 1225, kWhite}}},
        PageCase{"FullPageCustomColorLightenedByTheCoverage",
                 A5("100", {"--category", "custom", "--tests", "0", "--colour", "8=255,0,0", "--coverage", "50"}), 583,
                 827, 0, {{0, 0, 0xFF7F7F, 2}, {291, 413, 0xFF7F7F, 2}, {582, 826, 0xFF7F7F, 2}}},
        // Slot 7 to slot 6; the middle is about slice 256 of 512.
        PageCase{"HorizontalGradient",
                 A5("100", {"--category", "custom", "--tests", "1", "--layout", "2", "--colour", "7=0,0,255",
                            "--colour", "6=255,255,0"}),
                 583, 827, 0, {{0, 400, 0x0000FF, 2}, {582, 400, 0xFEFE01, 2}, {291, 10, 0x7F7F80, 3}}},
        // (x, x x 827 / 583) and its mirror are on the lines.
        PageCase{"CrossOnTheDiagonals", A5("100", {"--category", "custom", "--tests", "2"}), 583, 827, 0,
                 {{291, 413, kInk}, {100, 142, kInk}, {483, 142, kInk}, {100, 685, kInk}, {100, 400, kWhite, 2},
                  {291, 100, kWhite, 2}}},
        // 1 mm lines at multiples of 11 (one unit wide), 5 mm lines at
        // multiples of 55 (three); 27 and 500 are no multiples of 11. Two
        // lines in eleven each way.
        PageCase{"MillimetricPaperEveryElevenUnits",
                 A5("300", {"--category", "custom", "--tests", "3", "--colour", "5=0,0,255"}), 1748, 2480, 0,
                 {{500, 22, 0x0000FF, 40}, {500, 55, 0x0000FF, 2}, {22, 300, 0x0000FF, 40}, {500, 27, kWhite, 2},
                  {27, 300, kWhite, 2}},
                 InkedShare{100, 100, 600, 600, 0.15, 0.35}},
        Coverage("ColorCoverage5", "5", 0.05), Coverage("ColorCoverage80", "80", 0.8),
        // The chart spans 30..583 both ways, 5.53 units a percent; centre
        // 306.5 in HSL (0, 100, 50); saturation 50 at the left edge,
        // lightness 100 at the top and 0 at the bottom, the right half held
        // at saturation 100; the readout below the chart.
        PageCase{"SaturationLightnessGraphAroundARedCentre",
                 A5("100", {"--category", "calibration", "--tests", "7", "--colour", "9=255,0,0"}), 583, 827, 0,
                 {{308, 303, 0xFE0000, 4}, {36, 303, 0xBE4040, 10}, {575, 36, kWhite, 16}, {36, 578, kBlack, 16},
                  {575, 303, 0xFE0000, 4}},
                 InkedShare{30, 613, 583, 700, 0.01, 1.0}}),
    [](const auto& param) { return std::string(param.param.name); });

using CalibrationPng = CliTest<>;

TEST_F(CalibrationPng, RulerAndStripsOfBlackAndCyan) {
  // A4 at 300 dpi without margins: 2480 x 3508, 11 units a millimetre.
  const RasterImage page = PrintPng({"--paper", "a4", "--dpi", "300", "--margins", "0", "--category", "calibration",
                                     "--tests", "0,1"});
  const auto expectColour = [&](int x, int y, std::uint32_t rgb, int tolerance) {
    EXPECT_PRED3(ColourNear, page.Pixel(x, y), rgb, tolerance) << x << ", " << y << ": "
                                                                << ColourText(page.Pixel(x, y));
  };
  // The ruler's top is one line of the default font below the page top: find
  // it at its 90 % tick (x = 2232), then place everything from it.
  int t = 0;
  while (t < 200 && White(page.Pixel(2232, t))) ++t;
  ASSERT_GT(t, 20);
  ASSERT_LT(t, 120);
  // Major ticks 88 units (8 mm) long, minor ones 33 (3 mm): x = 1264 is 51 %.
  EXPECT_FALSE(White(page.Pixel(1240, t + 80)));
  EXPECT_FALSE(White(page.Pixel(1264, t + 20)));
  expectColour(1264, t + 45, kWhite, 24);

  // BLACK: checkerboard 110..198 below the ruler's top, the grey ramp
  // 198..286, cell i from i x 9.6875.
  const auto rampCell = [](int i) { return static_cast<int>(i * 9.6875) + 4; };
  const int black = t + 110;
  EXPECT_NEAR(Share(page, 100, black + 4, 600, black + 84, [](std::uint32_t rgb) { return rgb == 0; }), 0.5, 0.1);
  for (const int i : {0, 128, 250}) expectColour(rampCell(i), black + 132, i * 0x010101u, 6);

  // CYAN 25 mm lower: ramps from black and to white.
  const int cyan = black + 275;
  EXPECT_NEAR(Share(page, 100, cyan + 4, 600, cyan + 84, [](std::uint32_t rgb) { return rgb == kCyan; }), 0.5, 0.1);
  expectColour(rampCell(128), cyan + 132, 0x008080u, 6);
  expectColour(rampCell(64), cyan + 308, 0x40FFFFu, 6);
  expectColour(1240, cyan + 420, kWhite, 2);  // nothing after the last strip
}

}  // namespace
}  // namespace veltrim::test
