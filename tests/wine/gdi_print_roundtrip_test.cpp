// The whole printing path of the Windows build: a GDI program under Wine
// prints through our scheduler into a file queue, Ghostscript renders what
// landed, and the colours are found where the device geometry puts them.
#include <gtest/gtest.h>

#include <cstdio>
#include <ostream>
#include <string>

#include "raster.hpp"
#include "services.hpp"

namespace veltrim::test {
namespace {

struct RectangleCase {
  const char* name;
  int left, top, right, bottom;
  std::uint32_t rgb;
};

// Test names and failure messages show the case by its name.
void PrintTo(const RectangleCase& c, std::ostream* out) { *out << c.name; }

class GdiPrintRoundTrip : public ::testing::TestWithParam<RectangleCase> {};

TEST_P(GdiPrintRoundTrip, FilledRectangleLandsOnThePage) {
  const RectangleCase& c = GetParam();
  const Services services = Services::FromEnvironment();
  CupsQueue queue(services, std::string("probe_") + c.name);

  char colour[8];
  std::snprintf(colour, sizeof colour, "%06X", static_cast<unsigned>(c.rgb));
  const auto run = RunWindowsProgram(services, VELTRIM_WIN64_DIR "/tests/print_probe.exe",
                                     {queue.Name(), std::to_string(c.left), std::to_string(c.top),
                                      std::to_string(c.right), std::to_string(c.bottom), colour});
  ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
  EXPECT_NE(run.out.find("job 1 1 1 1"), std::string::npos) << run.out;

  int dpiX = 0, dpiY = 0, offsetX = 0, offsetY = 0;
  ASSERT_EQ(std::sscanf(run.out.c_str(), "caps %d %d %d %d", &dpiX, &dpiY, &offsetX, &offsetY), 4) << run.out;
  ASSERT_GT(dpiX, 0);
  ASSERT_GT(dpiY, 0);

  ASSERT_TRUE(queue.WaitForCompletedJobs(1)) << "the job did not complete";
  const int renderDpi = 75;
  const auto pages = RenderPages(queue.OutputFile(), renderDpi, ScratchFolder(services, queue.Name()));
  ASSERT_EQ(pages.size(), 1u);
  const RasterImage page = RasterImage::LoadPng(pages[0]);

  // A device point lands on the paper shifted by the unprintable margin.
  auto at = [&](int x, int y) {
    return page.Pixel((x + offsetX) * renderDpi / dpiX, (y + offsetY) * renderDpi / dpiY);
  };
  const int midX = (c.left + c.right) / 2, midY = (c.top + c.bottom) / 2;
  EXPECT_PRED3(ColourNear, at(midX, midY), c.rgb, 8) << ColourText(at(midX, midY));
  EXPECT_PRED3(ColourNear, at(c.left + 20, c.top + 20), c.rgb, 8);
  EXPECT_PRED3(ColourNear, at(c.right - 20, c.bottom - 20), c.rgb, 8);
  // Nothing outside it: the page stays white around the rectangle.
  EXPECT_PRED3(ColourNear, at(c.left - 40, midY), 0xFFFFFFu, 8) << ColourText(at(c.left - 40, midY));
  EXPECT_PRED3(ColourNear, at(midX, c.bottom + 40), 0xFFFFFFu, 8);
}

// Red and blue apart catch a swapped byte order anywhere on the way.
INSTANTIATE_TEST_SUITE_P(Colours, GdiPrintRoundTrip,
                         ::testing::Values(RectangleCase{"red", 200, 300, 800, 700, 0xFF0000},
                                           RectangleCase{"blue", 1000, 1200, 1400, 2000, 0x0000FF}),
                         [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace veltrim::test
