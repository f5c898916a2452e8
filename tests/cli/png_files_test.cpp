// PNG files of the real `veltrim`, read back at pixels worked out by hand: pages where the page geometry puts them
// (the data files' pages blank in a copy without them), and the pictures of `veltrim plot` and `veltrim preview`.
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <ostream>
#include <set>
#include <sstream>

#include "cli_support.hpp"
#include "core/platform/device_caps.hpp"
#include "core/support/bitmap_file.hpp"
#include "page_checks.hpp"
#include "test_picture.hpp"

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

// A 110 x 160 mm sheet at 254 dpi is 10 dots a millimetre; 5 mm margins leave a printable area of 1000 x 1500
// dots at (50, 50). A5 without margins is 583 x 827 units at 100 dpi (3 a millimetre), 1748 x 2480 at 300 (11).
std::vector<std::string> Small(std::vector<std::string> args) {
  args.insert(args.begin(), {"--paper", "110x160mm", "--dpi", "254", "--margins", "5"});
  return args;
}
std::vector<std::string> A5(const char* dpi, std::vector<std::string> args) {
  args.insert(args.begin(), {"--paper", "a5", "--dpi", dpi, "--margins", "0"});
  return args;
}

// The share of inked pixels of [left, right) x [top, bottom) from min to max.
struct InkedShare { int left, top, right, bottom; double min, max; };

struct PageCase {
  const char* name;
  std::vector<std::string> args;
  int width, height, margin;  // the sheet, and the printable area's offset in it
  std::vector<Probe> probes;
  std::optional<InkedShare> inked = std::nullopt;
  std::function<void(const RasterImage&)> check = nullptr;
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
  if (c.check) c.check(page);
}

// Cells of 2.75 units; s <= 50 inks every (100 / s)th cell, above it every (100 / (100 - s))th stays white: 5 and
// 80 % of the page inked.
PageCase Coverage(const char* name, const char* percent, double share) {
  return {name, A5("300", {"--category", "custom", "--tests", "5", "--colour", "0=0,0,0", "--dot-coverage", percent}),
          1748, 2480, 0, {}, InkedShare{100, 100, 700, 700, share - 0.06, share + 0.06}};
}

// A4 at 300 dpi with 5 mm margins: a 2480 x 3508 sheet whose printable area of 2362 x 3390 starts at (59, 59);
// 3390 dots over 287 mm make a centimetre 118 dots.
void ColourPage(const RasterImage& page) {
  const auto at = [&](int x, int y) { return page.Pixel(x + 59, y + 59); };
  ColourPageLayout layout{2362, 118, -1};  // the blocks start one line below the title
  for (int y = 0; y < 300 && layout.y0 < 0; ++y)
    if (at(1181, y) == 0x00FFFF) layout.y0 = y;
  ASSERT_GT(layout.y0, 10) << "no cyan bar below the title line";
  int below = 0;
  for (const ColourProbe& probe : layout.Probes()) {
    EXPECT_EQ(ColourText(at(probe.x, probe.y)), ColourText(probe.rgb)) << probe.what << " at " << probe.x << ","
                                                                       << probe.y;
    below = std::max(below, probe.y);
  }
  const int x = 200 * 9 + 4, top = layout.GreyRowTop();
  EXPECT_EQ(ColourText(at(x, top - 1)), "#000000") << "the black bar ends exactly where the grey row starts";
  EXPECT_EQ(ColourText(at(x, top)), "#C8C8C8");
  // Below the squares: the thin inclined lines and the three combs, each in its own ink.
  for (const std::uint32_t ink : {kCyan, kMagenta, kYellow}) {
    bool found = false;
    for (int row = below + 1; row < 3390 && !found; row += 2)
      for (int column = 0; column < 2362 && !found; column += 2) found = at(column, row) == ink;
    EXPECT_TRUE(found) << ColourText(ink) << " comb below the squares";
  }
}

// A4 at 300 dpi without margins: 11 units a millimetre. The ruler's top is one line of the default font below the
// page top: found at its 90 % tick (x = 2232), it places everything else.
void CalibrationPage(const RasterImage& page) {
  const auto expectColour = [&](int x, int y, std::uint32_t rgb, int tolerance) {
    EXPECT_PRED3(ColourNear, page.Pixel(x, y), rgb, tolerance) << x << ", " << y << ": "
                                                                << ColourText(page.Pixel(x, y));
  };
  int t = 0;
  while (t < 200 && White(page.Pixel(2232, t))) ++t;
  ASSERT_GT(t, 20);
  ASSERT_LT(t, 120);
  // Major ticks 88 units (8 mm) long, minor ones 33 (3 mm): x = 1264 is 51 %.
  EXPECT_FALSE(White(page.Pixel(1240, t + 80)));
  EXPECT_FALSE(White(page.Pixel(1264, t + 20)));
  expectColour(1264, t + 45, kWhite, 24);
  // BLACK: checkerboard 110..198 below the ruler's top, the grey ramp 198..286, cell i from i x 9.6875.
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

// The picture stretched over the printable area of A4 at 100 dpi with the default margins: every chart patch, the
// darkest and lightest steps of the grey ramp, and the white margin.
void ColourChartPage(const RasterImage& page) {
  const auto caps = MakeDeviceCaps({*PaperByName("a4"), 100, {5, 5, 5, 5}});
  ASSERT_TRUE(caps);
  ASSERT_EQ(page.Width(), caps->physicalWidth);
  ASSERT_EQ(caps->offsetX, caps->offsetY);
  EXPECT_EQ(MissedProbes(page, ChartProbes(caps->horzRes, caps->vertRes), caps->offsetX, 1, 1, 2), "");
  const auto at = [&](int x, int y) {
    return ColourText(page.Pixel(caps->offsetX + x * caps->horzRes / art::kTestPictureWidth,
                                 caps->offsetY + y * caps->vertRes / art::kTestPictureHeight));
  };
  const int stepMiddle = (art::kStepRampTop + art::kStepRampBottom) / 2;
  EXPECT_EQ(at(art::kRampLeft + 20, stepMiddle), "#000000");
  EXPECT_EQ(at(art::kRampRight - 20, stepMiddle), "#FFFFFF");
  EXPECT_EQ(ColourText(page.Pixel(caps->offsetX / 2, page.Height() / 2)), "#FFFFFF");
}

INSTANTIATE_TEST_SUITE_P(
    Options, PagesPng,
    ::testing::Values(
        // 200 x 420 mm at 254 dpi without margins: ten dots a millimetre both ways. The information block above
        // the shapes: 26 lines of one line height each.
        PageCase{"BlackWhiteItems0To8",
                 {"--category", "bw", "--tests", "0,1,2,3,4,5,6,7,8", "--paper", "200x420mm", "--dpi", "254",
                  "--margins", "0"},
                 2000, 4200, 0, {}, std::nullopt,
                 [](const RasterImage& page) {
                   const BwPageReading reading = ReadBwPage(page, {2000, 4200, 10, 100, 200, 400, 0, 0});
                   EXPECT_TRUE(reading.faults.empty()) << ::testing::PrintToString(reading.faults);
                   ASSERT_GT(reading.linesTop, 0);
                   EXPECT_EQ(reading.linesTop % 26, 0) << reading.linesTop;
                   EXPECT_TRUE(AnyDark(page, 0, 0, 600, reading.linesTop)) << "the information lines come first";
                 }},
        PageCase{"ColourItems0To11", {"--category", "color", "--tests", "0,1,2,3,4,5,6,7,8,9,10,11"}, 2480, 3508, 0,
                 {}, std::nullopt, ColourPage},
        PageCase{"CalibrationRulerAndStripsOfBlackAndCyan",
                 {"--paper", "a4", "--dpi", "300", "--margins", "0", "--category", "calibration", "--tests", "0,1"},
                 2480, 3508, 0, {}, std::nullopt, CalibrationPage},
        // Bars 100 high in the cycle cyan, magenta, yellow, black; band 14 (y 1400..1500) is yellow. Nothing in
        // the margin.
        PageCase{"RepetitiveCmykBars", Small({"--category", "advanced", "--option", "1"}), 1100, 1600, 50,
                 {{500, 50, kCyan}, {500, 150, kMagenta}, {500, 250, kYellow}, {500, 350, kBlack}, {10, 1450, kYellow},
                  {-25, -25, kWhite}, {500, 1525, kWhite}}},
        // k = 127 at 50 %: (255, 127, 127) over the whole printable area.
        PageCase{"RedAtHalfCoverage", Small({"--category", "advanced", "--option", "9", "--coverage", "50"}), 1100,
                 1600, 50, {{2, 2, 0xFF7F7F}, {500, 750, 0xFF7F7F}, {997, 1497, 0xFF7F7F}, {-25, 750, kWhite}}},
        // A 1000-unit square of 3-unit cells: corners, the middle about grey, white between the square and the
        // caption 10 mm below it.
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
        // 1 mm lines at multiples of 11 (one unit wide), 5 mm lines at multiples of 55 (three); 27 and 500 are no
        // multiples of 11. Two lines in eleven each way.
        PageCase{"MillimetricPaperEveryElevenUnits",
                 A5("300", {"--category", "custom", "--tests", "3", "--colour", "5=0,0,255"}), 1748, 2480, 0,
                 {{500, 22, 0x0000FF, 40}, {500, 55, 0x0000FF, 2}, {22, 300, 0x0000FF, 40}, {500, 27, kWhite, 2},
                  {27, 300, kWhite, 2}},
                 InkedShare{100, 100, 600, 600, 0.15, 0.35}},
        Coverage("ColorCoverage5", "5", 0.05), Coverage("ColorCoverage80", "80", 0.8),
        // The chart spans 30..583 both ways, 5.53 units a percent; centre 306.5 in HSL (0, 100, 50); saturation
        // 50 at the left edge, lightness 100 at the top and 0 at the bottom, the right half held at saturation
        // 100; the readout below the chart.
        PageCase{"SaturationLightnessGraphAroundARedCentre",
                 A5("100", {"--category", "calibration", "--tests", "7", "--colour", "9=255,0,0"}), 583, 827, 0,
                 {{308, 303, 0xFE0000, 4}, {36, 303, 0xBE4040, 10}, {575, 36, kWhite, 16}, {36, 578, kBlack, 16},
                  {575, 303, 0xFE0000, 4}},
                 InkedShare{30, 613, 583, 700, 0.01, 1.0}},
        // The text file from the top of the printable area (59 dots in), ignoring the 50 mm offset, at about
        // five per cent of the sheet's mean darkness.
        PageCase{"TextPageFromTheTopAtAboutFivePerCent",
                 {"--category", "bw", "--tests", "9", "--dpi", "300", "--offset", "50"}, 2480, 3508, 0, {},
                 std::nullopt,
                 [](const RasterImage& page) {
                   EXPECT_TRUE(AnyDark(page, 59, 59, 1200, 100)) << "the first line";
                   EXPECT_FALSE(AnyDark(page, 0, 0, page.Width(), 58)) << "nothing in the top margin";
                   double ink = 0;
                   for (int y = 0; y < page.Height(); ++y)
                     for (int x = 0; x < page.Width(); ++x) {
                       const std::uint32_t p = page.Pixel(x, y);
                       ink += 1.0 - (((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF)) / (3.0 * 255.0);
                     }
                   EXPECT_NEAR(ink / (static_cast<double>(page.Width()) * page.Height()), 0.05, 0.01);
                 }},
        PageCase{"PicturePageShowsTheColourChart", {"--category", "color", "--tests", "12", "--dpi", "100"}, 827, 1169,
                 0, {}, std::nullopt, ColourChartPage}),
    [](const auto& param) { return std::string(param.param.name); });

using DataFilePages = CliTest<>;

// Every page of a PDF shows the picture, and the document holds its pixels once.
TEST_F(DataFilePages, PicturePagesOfAPdfShareOnePicture) {
  const auto run = InFolder(kVeltrim, {"print", "--output", "p.pdf", "--category", "color", "--tests", "12", "--dpi",
                                       "100", "--pages", "3"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const auto list = RunProcess({"pdfimages", "-list", (folder_ / "p.pdf").string()});
  ASSERT_EQ(list.exitCode, 0) << list.err;
  std::istringstream rows(list.out);
  std::string line;
  std::vector<int> pagesShown;
  std::set<std::string> objects;
  for (int row = 0; std::getline(rows, line); ++row) {
    std::istringstream fields(line);
    std::vector<std::string> field{std::istream_iterator<std::string>(fields), {}};
    if (row < 2 || field.size() < 11) continue;  // the heading and its rule
    pagesShown.push_back(std::stoi(field[0]));
    objects.insert(field[10]);
  }
  EXPECT_EQ(pagesShown, (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(objects.size(), 1u) << list.out;
  const auto pages = RenderPages(folder_ / "p.pdf", 100, folder_ / "pages");
  ASSERT_EQ(pages.size(), 3u);
  for (const auto& page : pages) {
    SCOPED_TRACE(page.filename().string());
    ColourChartPage(RasterImage::LoadPng(page));
  }
}

TEST_F(DataFilePages, WithoutTheDataFilesEachPageSaysSoAndStaysBlank) {
  const fs::path program = CopyOfTheProgram(folder_);
  struct Case { const char *category, *item, *message; };
  const Case cases[] = {
      {"bw", "9", "Could not load text file ! Reinstalling this application might fix this problem."},
      {"color", "12",
       "Could not load bitmap file, probably because the file is missing ! Reinstalling this application could "
       "solve this problem."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.category);
    const auto run = Print({"--category", c.category, "--tests", c.item, "--dpi", "72", "--pages", "2"}, program);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(WithoutTime(run.out), kPrinterChosen + Documents(1, 2));
    const std::string line = std::string("Application ERROR: ") + c.message + "\n";
    EXPECT_EQ(run.err, line + line) << "the message once for every page";
    for (const char* file : {"p-1.png", "p-2.png"}) {
      const RasterImage page = RasterImage::LoadPng(folder_ / file);
      EXPECT_FALSE(AnyDark(page, 0, 0, page.Width(), page.Height())) << file << " is blank";
    }
  }
}

// plot and preview: the large preview's pictures, the calibration curves and the main window's preview.
class CliPicture : public CliTest<> {
 protected:
  // `program COMMAND --output p.png ARGS...` in the folder: success, `note` on stderr and a `width` x `height` PNG.
  RasterImage Picture(const char* command, std::vector<std::string> args, int width, int height,
                      const fs::path& program = kVeltrim, const std::string& note = "") const {
    args.insert(args.begin(), {command, "--output", "p.png"});
    const auto run = InFolder(program, args);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, note);
    RasterImage image = RasterImage::LoadPng(folder_ / "p.png");
    EXPECT_EQ(std::pair(image.Width(), image.Height()), std::pair(width, height));
    return image;
  }
};

using CliPlot = CliPicture;

// Corners: each side blends by row, then left + ((right - left) x x) / w, in integers; kind 1 is cyan, magenta,
// black, yellow (TL, TR, BL, BR), kind 5 colours 4, 3, 2, 1. Kind 3 around red (hue 0, saturation 100, lightness
// 50): lightness 100 at the top, 0 at the bottom, saturation 50 at the left.
TEST_F(CliPlot, PicturesAtWorkedPixels) {
  const struct { std::vector<std::string> args; int width, height; std::vector<Probe> probes; } cases[] = {
      {{"--kind", "1"}, 495, 487, {{0, 0, kCyan}, {494, 0, 0xFE01FF}, {0, 486, 0x000101}, {494, 486, 0xFEFD01}}},
      // Row 50: left (0, 128, 128), right (255, 127, 128).
      {{"--kind", "1", "--size", "200x100"}, 200, 100, {{0, 99, 0x000303}, {100, 50, 0x7F8080}}},
      // Row 40: left (160, 0, 40), right (20, 180, 20).
      {{"--kind", "5", "--size", "300x200", "--colour", "4=200,0,0", "--colour", "3=0,200,0", "--colour",
        "2=0,0,200", "--colour", "1=100,100,100"}, 300, 200,
       {{0, 0, 0xC80000}, {299, 0, 0x01C700}, {0, 199, 0x0100C7}, {60, 40, 0x842424}}},
      {{"--kind", "3", "--size", "300x200", "--colour", "9=255,0,0"}, 300, 200,
       {{0, 0, kWhite}, {299, 0, kWhite}, {0, 199, kBlack}, {150, 100, 0xFE0000}, {299, 100, 0xFE0000},
        {0, 100, 0xBE4040}, {0, 50, 0xDF9F9F}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.args));
    const RasterImage image = Picture("plot", c.args, c.width, c.height);
    for (const Probe& p : c.probes)
      EXPECT_EQ(ColourText(image.Pixel(p.x, p.y)), ColourText(p.rgb)) << p.x << "," << p.y;
  }
}

// 512 stripes from colour 7 (red) to 6 (blue); 200 / 512 and 300 / 512 are exact in floats, so a line shows the
// last stripe k with t(k x step) at it: row 100 stripe 258, column 150 stripe 257, the last line 511. Kind 2 draws
// nothing on the white.
TEST_F(CliPlot, GradientStripesAreUniformLinesAndNoPictureIsWhite) {
  const std::vector<std::pair<int, std::uint32_t>> across = {{0, kRed}, {150, 0x80007F}, {299, 0x0100FE}};
  const struct { const char *kind, *layout; bool rows; std::vector<std::pair<int, std::uint32_t>> lines; } cases[] = {
      {"4", "1", true, {{0, kRed}, {100, 0x7F0080}, {199, 0x0100FE}}},
      {"4", "0", false, across},
      {"4", "2", false, across},
      {"2", "0", true, {{0, kWhite}, {100, kWhite}, {199, kWhite}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string("kind ") + c.kind + " layout " + c.layout);
    const RasterImage image = Picture("plot", {"--kind", c.kind, "--layout", c.layout, "--size", "300x200", "--colour",
                                               "7=255,0,0", "--colour", "6=0,0,255"}, 300, 200);
    const auto at = [&](int line, int i) { return c.rows ? image.Pixel(i, line) : image.Pixel(line, i); };
    int mixed = 0;
    for (int line = 0; line < (c.rows ? 200 : 300); ++line)
      for (int i = 1; i < (c.rows ? 300 : 200); ++i) mixed += at(line, i) != at(line, 0);
    EXPECT_EQ(mixed, 0) << "pixels unlike the first of their line";
    for (const auto& [line, rgb] : c.lines) EXPECT_EQ(ColourText(at(line, 0)), ColourText(rgb)) << "line " << line;
  }
}

// On 400 x 300 a curve runs from (0, 300) over (300, m) twice to (400, 0), so at t = 1/2 it passes (275, 37.5 +
// 0.75 m), m = t(((50 - (P - S)) x 300) / 200). P - S = 0, 50, -50, -100, -150, 30, -25 give m = 75 (h / 4, equal
// values), 0, 150, 225, 300, 30, 112 for C, M, Y, K, R, G, B. Screen values come from the command line, else
// config.qrv, else 0.
TEST_F(CliPlot, CurvesPassWhereTheirValuesPutThem) {
  const fs::path configured = CopyOfTheProgram(folder_ / "configured"), bare = CopyOfTheProgram(folder_ / "bare");
  std::ofstream(configured.parent_path() / "config.qrv") << "100/100/100/100/100/100/100/";
  struct Ink { std::uint32_t rgb; int y; bool there; };
  const std::vector<Ink> spread = {{kCyan, 94, true},  {kMagenta, 38, true}, {kYellow, 150, true},
                                   {kBlack, 206, true}, {kRed, 262, true},   {kGreen, 60, true}, {kBlue, 122, true}};
  const std::string spreadOver100 = "100,150,50,0,-50,130,75";
  const struct {
    fs::path program;
    std::vector<std::string> values;
    std::vector<Ink> inks;
    std::string note;
  } cases[] = {
      {configured, {"--printer-values", spreadOver100}, spread, ""},
      {bare, {"--printer-values", "0,50,-50,-100,-150,30,-25"}, spread,
       "veltrim: cannot read " + (bare.parent_path() / "config.qrv").string() + ": the screen values are 0\n"},
      // Seven equal curves: blue, drawn last, over the others.
      {configured, {"--printer-values", spreadOver100, "--screen-values", spreadOver100},
       {{kBlue, 94, true}, {kCyan, 94, false}, {kMagenta, 38, false}}, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.program.string() + " " + ::testing::PrintToString(c.values));
    std::vector<std::string> args{"--curves", "--size", "400x300"};
    args.insert(args.end(), c.values.begin(), c.values.end());
    const RasterImage image = Picture("plot", args, 400, 300, c.program, c.note);
    for (const Ink& ink : c.inks) {
      int found = 0;  // two-pixel pens without smoothing: the ink within two pixels
      for (int y = ink.y - 2; y <= ink.y + 2; ++y)
        for (int x = 273; x <= 277; ++x) found += image.Pixel(x, y) == ink.rgb;
      EXPECT_EQ(found > 0, ink.there) << ColourText(ink.rgb) << " near (275, " << ink.y << ")";
    }
  }
}

using CliPreview = CliPicture;

// Bands of rows (or of columns, `across`) read at three points each on the 167 x 239 preview.
TEST_F(CliPreview, PatternsWhereThePreviewPutsThem) {
  struct Band { int from, to; std::uint32_t colour; };
  const struct { std::vector<std::string> args; bool across; std::vector<Band> bands; } cases[] = {
      // Bars 8.047 pixels high: rows 0-7, 8-15, 16-23, then nothing.
      {{"--category", "color", "--tests", "0"}, false,
       {{0, 7, kCyan}, {8, 15, kMagenta}, {16, 23, kYellow}, {24, 238, kWhite}}},
      // An offset of 10 mm moves them t(10 x 0.8047) = 8 rows down.
      {{"--category", "color", "--tests", "0", "--offset", "10"}, false,
       {{0, 7, kWhite}, {8, 15, kCyan}, {16, 23, kMagenta}, {24, 31, kYellow}, {32, 238, kWhite}}},
      // Three full-height bands split at W / 3 = 55 and 2 x (W / 3) = 110; the offset means nothing to Advanced
      // options.
      {{"--category", "advanced", "--option", "2", "--offset", "10"}, true,
       {{0, 54, kCyan}, {55, 109, kMagenta}, {110, 166, kYellow}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.args));
    const RasterImage image = Picture("preview", c.args, 167, 239);
    for (const Band& band : c.bands)
      for (int i = band.from; i <= band.to; ++i)
        for (int j : {0, 83, c.across ? 238 : 166}) {
          const std::uint32_t pixel = c.across ? image.Pixel(i, j) : image.Pixel(j, i);
          ASSERT_EQ(ColourText(pixel), ColourText(band.colour)) << (c.across ? "column " : "row ") << i;
        }
  }
}

// Where the preview shows a ready-made picture, the PNG holds the very picture that lies beside the program.
TEST_F(CliPreview, BitmappedImageIsThePictureBesideTheProgram) {
  const RasterImage image = Picture("preview", {"--category", "color", "--tests", "12"}, 167, 239);
  const auto picture = DecodeBitmapFile((fs::path(kVeltrim).parent_path() / "preview-20.bmp").string().c_str());
  ASSERT_TRUE(picture);
  ASSERT_EQ(picture->width * picture->height, image.Width() * image.Height());
  int differ = 0;
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x)
      differ += image.Pixel(x, y) != picture->Pixels()[static_cast<std::size_t>(y) * picture->width + x];
  EXPECT_EQ(differ, 0);
}

}  // namespace
}  // namespace veltrim::test
