// Advanced pages printed by veltrim-cli.exe under Wine through the Windows
// spooler into a queue of our scheduler, rendered back by Ghostscript and
// read at the points the page geometry predicts.
#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "raster.hpp"
#include "services.hpp"

namespace veltrim::test {
namespace {

const fs::path kCli = VELTRIM_WIN64_DIR "/veltrim-cli.exe";

// The generic PostScript queue at 300 dpi: a printable area of 2450 x 3200
// dots that starts 50 dots into the sheet.
constexpr int kDpi = 300, kOffset = 50, kRenderDpi = 75;

struct PrintCase {
  const char* name;
  std::vector<std::string> args;
  std::vector<ColourProbe> probes;
};

void PrintTo(const PrintCase& c, std::ostream* out) { *out << c.name; }

class AdvancedPagesThroughTheSpooler : public ::testing::TestWithParam<PrintCase> {};

TEST_P(AdvancedPagesThroughTheSpooler, ColoursLandWhereTheGeometryPutsThem) {
  const PrintCase& c = GetParam();
  const Services services = Services::FromEnvironment();
  CupsQueue queue(services, std::string("adv_") + c.name);
  std::vector<std::string> args = {"print", "--printer", queue.Name(), "--category", "advanced"};
  args.insert(args.end(), c.args.begin(), c.args.end());
  const auto run = RunWindowsProgram(services, kCli, args);
  ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
  ASSERT_TRUE(queue.WaitForCompletedJobs(1)) << "the job did not complete";

  const auto pages = RenderPages(queue.OutputFile(), kRenderDpi, ScratchFolder(services, queue.Name()));
  ASSERT_EQ(pages.size(), 1u);
  const RasterImage page = RasterImage::LoadPng(pages[0]);
  EXPECT_EQ(MissedProbes(page, c.probes, kOffset, kRenderDpi, kDpi, 10), "");
}

INSTANTIATE_TEST_SUITE_P(
    Pages, AdvancedPagesThroughTheSpooler,
    ::testing::Values(
        // The square is 2450 a side in cells of 2450 / 255 = 9 units; the
        // caption starts 10 mm (110 units) below it.
        PrintCase{"cmyk_square",
                  {"--option", "13"},
                  {{"", 4, 4, 0x00FFFF}, {"", 2445, 4, 0xFF00FF}, {"", 4, 2445, 0x000000}, {"", 2445, 2445, 0xFFFF00},
                   {"", 1225, 1225, 0x808080}, {"", 1225, 2510, 0xFFFFFF}}},
        // 50 % red is (255, 127, 127) to the edges of the printable area.
        PrintCase{"red_half",
                  {"--option", "9", "--coverage", "50"},
                  {{"", 8, 8, 0xFF7F7F}, {"", 1225, 1600, 0xFF7F7F}, {"", 2440, 3190, 0xFF7F7F}, {"", -30, -30, 0xFFFFFF}}}),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace veltrim::test
