// The Black&White page of items 0 to 8 as the real `veltrim` renders it to
// PNG, checked where the page geometry puts each block.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "bw_page_checks.hpp"
#include "process.hpp"
#include "raster.hpp"

namespace veltrim::test {
namespace {

namespace fs = std::filesystem;

TEST(CliBlackWhitePage, EveryBlockWhereTheGeometryPutsIt) {
  const fs::path folder = fs::temp_directory_path() / "veltrim-cli-bw-page";
  fs::remove_all(folder);
  fs::create_directories(folder);
  // 200 x 420 mm at 254 dpi without margins: 2000 x 4200 dots, HORZSIZE 200
  // and VERTSIZE 420, ten dots a millimetre both ways.
  const auto run = RunProcess({VELTRIM_CLI, "print", "--output", (folder / "bw.png").string(), "--category", "bw",
                               "--tests", "0,1,2,3,4,5,6,7,8", "--paper", "200x420mm", "--dpi", "254", "--margins",
                               "0"});
  ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
  const RasterImage page = RasterImage::LoadPng(folder / "bw-1.png");
  ASSERT_EQ(page.Width(), 2000);
  ASSERT_EQ(page.Height(), 4200);

  const BwPageReading reading = ReadBwPage(page, {2000, 4200, 10, 100, 200, 400, 0, 0});
  EXPECT_TRUE(reading.faults.empty()) << ::testing::PrintToString(reading.faults);
  // The information block above it: 26 lines of one line height each.
  ASSERT_GT(reading.linesTop, 0);
  EXPECT_EQ(reading.linesTop % 26, 0) << reading.linesTop;
  bool text = false;
  for (int y = 0; y < reading.linesTop && !text; ++y)
    for (int x = 0; x < 600 && !text; ++x) text = (page.Pixel(x, y) & 0x808080) == 0;
  EXPECT_TRUE(text) << "the information lines print above the shapes";
  fs::remove_all(folder);
}

}  // namespace
}  // namespace veltrim::test
