// Pages printed by veltrim-cli.exe under Wine through the Windows spooler into a queue of our scheduler, rendered back
// by Ghostscript and read at the points the page geometry predicts. The generic PostScript queue at 300 dpi: a
// printable area of 2450 x 3200 units, 207 x 270 mm (11 units a millimetre, 118 a vertical centimetre), starting 50
// units into the sheet.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "bw_page_checks.hpp"
#include "colour_page.hpp"
#include "raster.hpp"
#include "services.hpp"
#include "test_picture.hpp"

namespace veltrim::test {
namespace {

constexpr int kDpi = 300, kOffset = 50;

// The rendered page and its device point (x, y).
struct Page {
  const RasterImage& image;
  int renderDpi;
  std::uint32_t At(int x, int y) const {
    return image.Pixel((x + kOffset) * renderDpi / kDpi, (y + kOffset) * renderDpi / kDpi);
  }
};

bool Dark(std::uint32_t rgb) { return ((rgb >> 16) & 0xFF) < 80 && ((rgb >> 8) & 0xFF) < 80 && (rgb & 0xFF) < 80; }

void ExpectProbes(const Page& page, const std::vector<ColourProbe>& probes, int tolerance) {
  EXPECT_EQ(MissedProbes(page.image, probes, kOffset, page.renderDpi, kDpi, tolerance), "");
}

struct PrintCase {
  const char* name;
  std::vector<std::string> args;
  int renderDpi;
  std::function<void(const Page&)> check;
};

void PrintTo(const PrintCase& c, std::ostream* out) { *out << c.name; }

const PrintCase kCases[] = {
    // The default font is about 100 units high, so the 26 information lines alone would push the shapes off the sheet:
    // the page goes 170 mm up and the top lines fall off instead.
    {"bw_items_0_to_8",
     {"--category", "bw", "--tests", "0,1,2,3,4,5,6,7,8", "--offset", "-170"},
     kDpi,
     [](const Page& page) {
       const BwPageReading reading = ReadBwPage(page.image, {2450, 3200, 11, 118, 237, 474, kOffset, kOffset});
       EXPECT_TRUE(reading.faults.empty()) << ::testing::PrintToString(reading.faults);
       EXPECT_GT(reading.linesTop, 0) << "the information lines come first";
     }},
    {"colour_items_0_to_11",
     {"--category", "color", "--tests", "0,1,2,3,4,5,6,7,8,9,10,11"},
     kDpi,
     [](const Page& page) {
       ColourPageLayout layout{2450, 118, -1};  // the blocks start below the title line
       for (int y = 0; y < 300 && layout.y0 < 0; ++y)
         if (ColourNear(page.At(1225, y), 0x00FFFF, 8)) layout.y0 = y;
       ASSERT_GT(layout.y0, 10) << "no cyan bar below the title line";
       ExpectProbes(page, layout.Probes(), 8);
       const int x = 200 * 9 + 4, top = layout.GreyRowTop();
       for (int y = top - 4; y < top + 4; ++y)
         EXPECT_FALSE(ColourNear(page.At(x, y), 0xFFFFFF, 30)) << "white line between the black bar and the grey row";
     }},
    // The square is 2450 a side in cells of 2450 / 255 = 9 units; the caption starts 10 mm (110 units) below it.
    {"cmyk_square",
     {"--category", "advanced", "--option", "13"},
     75,
     [](const Page& page) {
       ExpectProbes(page, {{"", 4, 4, 0x00FFFF}, {"", 2445, 4, 0xFF00FF}, {"", 4, 2445, 0x000000},
                           {"", 2445, 2445, 0xFFFF00}, {"", 1225, 1225, 0x808080}, {"", 1225, 2510, 0xFFFFFF}}, 10);
     }},
    // 50 % red is (255, 127, 127) to the edges of the printable area.
    {"red_half",
     {"--category", "advanced", "--option", "9", "--coverage", "50"},
     75,
     [](const Page& page) {
       ExpectProbes(page, {{"", 8, 8, 0xFF7F7F}, {"", 1225, 1600, 0xFF7F7F}, {"", 2440, 3190, 0xFF7F7F},
                           {"", -30, -30, 0xFFFFFF}}, 10);
     }},
    // The chart spans 110..2450 both ways around its centre at 1280; the readout starts at 2450 + 110.
    {"graph_red_centre",
     {"--category", "calibration", "--tests", "7", "--colour", "9=255,0,0"},
     75,
     [](const Page& page) {
       ExpectProbes(page, {{"centre colour", 1268, 1268, 0xFE0000}}, 16);
       // Right of the centre the saturation is held at 100, left of it it falls.
       EXPECT_PRED3(ColourNear, page.At(2400, 1200), page.At(1400, 1200), 16);
       EXPECT_FALSE(ColourNear(page.At(130, 1200), page.At(1200, 1200), 40));
       ExpectProbes(page, {{"left: saturation 50", 130, 1200, 0xC04242}}, 20);
       ExpectProbes(page, {{"top: lightness 100", 2430, 130, 0xFFFFFF}}, 24);
       EXPECT_TRUE(Dark(page.At(130, 2430))) << "bottom: lightness 0";
       int readout = 0;
       for (int y = 2560; y < 2700; y += 4)
         for (int x = 110; x < 2450; x += 4) readout += Dark(page.At(x, y)) ? 1 : 0;
       EXPECT_GT(readout, 50) << "the centre colour's readout below the chart";
     }},
    // The picture beside the program stretched over the whole printable area: through a bitmap copy onto the printer's
    // DC, every chart patch where the stretch puts it.
    {"picture_page",
     {"--category", "color", "--tests", "12"},
     75,
     [](const Page& page) {
       std::vector<ColourProbe> probes;
       for (int i = 0; i < static_cast<int>(art::kChartPatches.size()); ++i) {
         const auto& patch = art::kChartPatches[static_cast<std::size_t>(i)];
         const art::PatchBox box = art::ChartPatchBox(i);
         probes.push_back({patch.name, (box.left + box.right) / 2 * 2450 / art::kTestPictureWidth,
                           (box.top + box.bottom) / 2 * 3200 / art::kTestPictureHeight,
                           (std::uint32_t{patch.red} << 16) | (patch.green << 8) | patch.blue});
       }
       ExpectProbes(page, probes, 10);
     }},
};

class PagesThroughTheSpooler : public ::testing::TestWithParam<PrintCase> {};

TEST_P(PagesThroughTheSpooler, WhereTheGeometryPutsThem) {
  const PrintCase& c = GetParam();
  const Services services = Services::FromEnvironment();
  CupsQueue queue(services, std::string("wpage_") + c.name);
  std::vector<std::string> args = {"print", "--printer", queue.Name()};
  args.insert(args.end(), c.args.begin(), c.args.end());
  const auto run = RunWindowsProgram(services, VELTRIM_WIN64_DIR "/veltrim-cli.exe", args);
  ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
  ASSERT_TRUE(queue.WaitForCompletedJobs(1)) << "the job did not complete";
  const auto pages = RenderPages(queue.OutputFile(), c.renderDpi, ScratchFolder(services, queue.Name()));
  ASSERT_EQ(pages.size(), 1u);
  const RasterImage image = RasterImage::LoadPng(pages[0]);
  c.check(Page{image, c.renderDpi});
}

INSTANTIATE_TEST_SUITE_P(Pages, PagesThroughTheSpooler, ::testing::ValuesIn(kCases),
                         [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace veltrim::test
