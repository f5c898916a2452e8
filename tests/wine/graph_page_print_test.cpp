// veltrim-cli.exe under Wine prints the saturation - lightness graph through
// the Windows spooler into a queue of our scheduler; Ghostscript renders
// what landed and the chart's colours are found where the queue's geometry
// puts them.
#include <gtest/gtest.h>

#include <string>

#include "raster.hpp"
#include "services.hpp"

namespace veltrim::test {
namespace {

TEST(WindowsGraphPage, RedCentreChartThroughTheSpooler) {
  const Services services = Services::FromEnvironment();
  CupsQueue queue(services, "wcli_graph");
  const auto run = RunWindowsProgram(services, VELTRIM_WIN64_DIR "/veltrim-cli.exe",
                                     {"print", "--printer", queue.Name(), "--category", "calibration", "--tests", "7",
                                      "--colour", "9=255,0,0"});
  ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
  ASSERT_TRUE(queue.WaitForCompletedJobs(1)) << "the job did not complete";
  const int dpi = 75;
  const auto pages = RenderPages(queue.OutputFile(), dpi, ScratchFolder(services, queue.Name()));
  ASSERT_EQ(pages.size(), 1u);
  const RasterImage page = RasterImage::LoadPng(pages[0]);

  // The generic queue: 300 dpi Letter, 2450 x 3200 units, 207 x 270 mm (11
  // units a millimetre both ways), printable area 50 units in. The chart
  // spans 110..2450 both ways, its centre at 1280; the readout starts at
  // 2450 + 110.
  const auto at = [&](int x, int y) { return page.Pixel((x + 50) * dpi / 300, (y + 50) * dpi / 300); };
  const auto dark = [](std::uint32_t rgb) { return ((rgb >> 16) & 0xFF) < 80 && ((rgb >> 8) & 0xFF) < 80 && (rgb & 0xFF) < 80; };

  EXPECT_PRED3(ColourNear, at(1268, 1268), 0xFE0000u, 16) << ColourText(at(1268, 1268)) << " centre colour";
  EXPECT_PRED3(ColourNear, at(130, 1200), 0xC04242u, 20) << ColourText(at(130, 1200)) << " left edge: saturation 50";
  EXPECT_PRED3(ColourNear, at(2430, 130), 0xFFFFFFu, 24) << ColourText(at(2430, 130)) << " top: lightness 100";
  EXPECT_TRUE(dark(at(130, 2430))) << ColourText(at(130, 2430)) << " bottom: lightness 0";
  // Right of the centre the saturation is held at 100: a row keeps one colour.
  EXPECT_PRED3(ColourNear, at(2400, 1200), at(1400, 1200), 16) << ColourText(at(2400, 1200)) << ColourText(at(1400, 1200));
  EXPECT_FALSE(ColourNear(at(130, 1200), at(1200, 1200), 40)) << "left of it the saturation falls";

  int readout = 0;
  for (int y = 2560; y < 2700; y += 4)
    for (int x = 110; x < 2450; x += 4) readout += dark(at(x, y)) ? 1 : 0;
  EXPECT_GT(readout, 50) << "the centre colour's readout below the chart";
}

}  // namespace
}  // namespace veltrim::test
