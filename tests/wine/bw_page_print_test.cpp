// The Black&White page of items 0 to 8 printed by veltrim-cli.exe through
// the Windows spooler to a queue of our scheduler, rendered back by
// Ghostscript and checked where the page geometry puts each block.
#include <gtest/gtest.h>

#include "bw_page_checks.hpp"
#include "raster.hpp"
#include "services.hpp"

namespace veltrim::test {
namespace {

TEST(WindowsBlackWhitePage, EveryBlockWhereTheGeometryPutsIt) {
  const Services services = Services::FromEnvironment();
  CupsQueue queue(services, "wbw_page");
  const auto run = RunWindowsProgram(services, VELTRIM_WIN64_DIR "/veltrim-cli.exe",
                                     {"print", "--printer", queue.Name(), "--category", "bw", "--tests",
                                      "0,1,2,3,4,5,6,7,8", "--offset", "-170"});
  ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
  ASSERT_TRUE(queue.WaitForCompletedJobs(1)) << "the job did not complete";
  const auto pages = RenderPages(queue.OutputFile(), 300, ScratchFolder(services, queue.Name()));
  ASSERT_EQ(pages.size(), 1u);
  const RasterImage page = RasterImage::LoadPng(pages[0]);

  // The generic PostScript queue at 300 dpi: HORZRES 2450, VERTRES 3200,
  // HORZSIZE 207, VERTSIZE 270 (11 dots a millimetre), printable area 50
  // dots in from the sheet's corner. Its default font is about 100 dots
  // high, so the 26 information lines alone would push the shapes off the
  // sheet: the page goes 170 mm up and the top lines fall off instead.
  const BwPageReading reading = ReadBwPage(page, {2450, 3200, 11, 118, 237, 474, 50, 50});
  EXPECT_TRUE(reading.faults.empty()) << ::testing::PrintToString(reading.faults);
  EXPECT_GT(reading.linesTop, 0) << "the information lines come first";
}

}  // namespace
}  // namespace veltrim::test
