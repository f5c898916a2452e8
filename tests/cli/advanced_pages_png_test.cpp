// Advanced pages and the Custom 4 Sided Gradient drawn by the real
// `veltrim` into PNG, read back at the points the page geometry predicts.
#include <ostream>

#include "cli_support.hpp"

namespace veltrim::test {
namespace {

// A 110 x 160 mm sheet at 254 dpi is 10 dots a millimetre; 5 mm margins
// leave a printable area of 1000 x 1500 dots (100 x 150 mm) at (50, 50),
// so ten millimetres are 100 units.
const std::vector<std::string> kDevice = {"--paper", "110x160mm", "--dpi", "254", "--margins", "5"};
constexpr int kMargin = 50;

constexpr std::uint32_t kWhite = 0xFFFFFF, kCyan = 0x00FFFF, kMagenta = 0xFF00FF, kYellow = 0xFFFF00,
                        kBlack = 0x000000;

struct PngCase {
  const char* name;
  std::vector<std::string> args;
  std::vector<ColourProbe> probes;
};

void PrintTo(const PngCase& c, std::ostream* out) { *out << c.name; }

class AdvancedPagesPng : public CliTest<::testing::TestWithParam<PngCase>> {};

TEST_P(AdvancedPagesPng, ColoursWhereTheGeometryPutsThem) {
  std::vector<std::string> args = kDevice;
  args.insert(args.end(), GetParam().args.begin(), GetParam().args.end());
  const RasterImage page = PrintPng(args);
  ASSERT_EQ(page.Width(), 1100);
  ASSERT_EQ(page.Height(), 1600);
  EXPECT_EQ(MissedProbes(page, GetParam().probes, kMargin, 1, 1, 8), "");
}

INSTANTIATE_TEST_SUITE_P(
    Options, AdvancedPagesPng,
    ::testing::Values(
        // Bars 100 high in the cycle cyan, magenta, yellow, black; band 14
        // (y 1400..1500) is yellow. Nothing in the margin.
        PngCase{"RepetitiveCmykBars",
                {"--category", "advanced", "--option", "1"},
                {{"", 500, 50, kCyan}, {"", 500, 150, kMagenta}, {"", 500, 250, kYellow}, {"", 500, 350, kBlack},
                 {"", 10, 1450, kYellow}, {"", -25, -25, kWhite}, {"", 500, 1525, kWhite}}},
        // 1000 / 3 = 333: the yellow stripe takes 666..1000.
        PngCase{"CmyStripes",
                {"--category", "advanced", "--option", "2"},
                {{"", 100, 750, kCyan}, {"", 340, 750, kMagenta}, {"", 670, 750, kYellow}, {"", 995, 1490, kYellow},
                 {"", 1025, 750, kWhite}}},
        PngCase{"CmykStripes",
                {"--category", "advanced", "--option", "3"},
                {{"", 125, 10, kCyan}, {"", 375, 10, kMagenta}, {"", 625, 10, kYellow}, {"", 875, 1490, kBlack}}},
        // k = 127 at 50 %: (255, 127, 127) over the whole printable area.
        PngCase{"RedAtHalfCoverage",
                {"--category", "advanced", "--option", "9", "--coverage", "50"},
                {{"", 2, 2, 0xFF7F7F}, {"", 500, 750, 0xFF7F7F}, {"", 997, 1497, 0xFF7F7F}, {"", -25, 750, kWhite}}},
        // A 1000-unit square of 3-unit cells: corners, the middle about
        // grey, white between the square and the caption 10 mm below it.
        PngCase{"CmykSquare",
                {"--category", "advanced", "--option", "13"},
                {{"", 1, 1, kCyan}, {"", 998, 1, kMagenta}, {"", 1, 998, kBlack}, {"", 998, 998, kYellow},
                 {"", 500, 500, 0x808080}, {"", 500, 1050, kWhite}}},
        PngCase{"CustomSquare",
                {"--category", "custom", "--tests", "4", "--colour", "4=255,0,0", "--colour", "3=0,255,0",
                 "--colour", "2=0,0,255", "--colour", "1=255,255,255"},
                {{"", 1, 1, 0xFF0000}, {"", 998, 1, 0x00FF00}, {"", 1, 998, 0x0000FF}, {"", 998, 998, kWhite}}},
        // Grid lines every 50 units, 2 wide, dark grey; white between them.
        PngCase{"MarginsGrid",
                {"--category", "advanced", "--option", "4"},
                {{"", 500, 1225, 0x464646}, {"", 725, 1250, 0x464646}, {"", 525, 1225, kWhite}}}),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace veltrim::test
