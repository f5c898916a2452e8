// The Color page's bars, gradients and crossover squares printed by
// veltrim-cli.exe through the Windows spooler to our scheduler, rendered
// back by Ghostscript and checked at the points their geometry predicts.
#include <gtest/gtest.h>

#include <string>

#include "colour_page.hpp"
#include "raster.hpp"
#include "services.hpp"

namespace veltrim::test {
namespace {

TEST(WindowsCliColourPage, BarsGradientsAndCrossoversThroughTheSpooler) {
  const Services services = Services::FromEnvironment();
  CupsQueue queue(services, "wcli_colour_page");
  const auto run = RunWindowsProgram(services, VELTRIM_WIN64_DIR "/veltrim-cli.exe",
                                     {"print", "--printer", queue.Name(), "--category", "color", "--tests",
                                      "0,1,2,3,4,5,6,7,8,9,10,11"});
  ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
  ASSERT_TRUE(queue.WaitForCompletedJobs(1)) << "the job did not complete";
  // Rendered at the queue's own 300 dpi, a device unit is a pixel, shifted by
  // the 50-dot unprintable margin.
  const auto pages = RenderPages(queue.OutputFile(), 300, ScratchFolder(services, queue.Name()));
  ASSERT_EQ(pages.size(), 1u);
  const RasterImage page = RasterImage::LoadPng(pages[0]);
  constexpr int kMargin = 50;
  const auto at = [&](int x, int y) { return page.Pixel(x + kMargin, y + kMargin); };

  // The queue's printable area is 2450 units wide; 3200 units over 270 mm
  // make a centimetre 118 units. The blocks start below the title line.
  ColourPageLayout layout{2450, 118, -1};
  for (int y = 0; y < 300 && layout.y0 < 0; ++y)
    if (ColourNear(at(1225, y), 0x00FFFF, 8)) layout.y0 = y;
  ASSERT_GT(layout.y0, 10) << "no cyan bar below the title line";

  for (const ColourProbe& probe : layout.Probes())
    EXPECT_PRED3(ColourNear, at(probe.x, probe.y), probe.rgb, 8)
        << probe.what << " at " << probe.x << "," << probe.y << ": " << ColourText(at(probe.x, probe.y));
  // No white line between the black bar and the grey row.
  const int x = 200 * 9 + 4, top = layout.GreyRowTop();
  for (int y = top - 4; y < top + 4; ++y)
    EXPECT_FALSE(ColourNear(at(x, y), 0xFFFFFF, 30)) << "row " << y << ": " << ColourText(at(x, y));
}

}  // namespace
}  // namespace veltrim::test
