// veltrim-cli.exe preview: the preview drawn by GDI on a memory DC under
// Wine holds the very pixels the Linux program draws with Cairo, the
// pictures beside each program included.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "raster.hpp"
#include "services.hpp"

namespace veltrim::test {
namespace {

TEST(WindowsCliPreview, SamePixelsAsTheLinuxPreview) {
  const Services services = Services::FromEnvironment();
  const fs::path folder = ScratchFolder(services, "wcli_preview");
  const std::vector<std::vector<std::string>> selections = {
      {"--category", "color", "--tests", "0,1,2,4,6,7", "--offset", "10"},
      {"--category", "color", "--tests", "12"},
      {"--category", "advanced", "--option", "2"},
      {"--category", "calibration", "--tests", "0,1,2,3", "--offset", "-5"},
      {"--category", "custom", "--tests", "4"},
      {"--category", "custom", "--tests", "5", "--colour", "0=200,10,90"}};
  int index = 0;
  for (const auto& selection : selections) {
    SCOPED_TRACE(::testing::PrintToString(selection));
    const fs::path windows = folder / ("w" + std::to_string(index) + ".png");
    const fs::path linux = folder / ("l" + std::to_string(index++) + ".png");
    std::vector<std::string> args{"preview", "--output", windows.string()};
    args.insert(args.end(), selection.begin(), selection.end());
    const auto run = RunWindowsProgram(services, VELTRIM_WIN64_DIR "/veltrim-cli.exe", args);
    ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
    args = {VELTRIM_CLI, "preview", "--output", linux.string()};
    args.insert(args.end(), selection.begin(), selection.end());
    ASSERT_EQ(RunProcess(args).exitCode, 0);
    const RasterImage shown = RasterImage::LoadPng(windows), expected = RasterImage::LoadPng(linux);
    ASSERT_EQ(shown.Width(), 167);
    ASSERT_EQ(shown.Height(), 239);
    int differ = 0;
    for (int y = 0; y < 239; ++y)
      for (int x = 0; x < 167; ++x) differ += shown.Pixel(x, y) != expected.Pixel(x, y);
    EXPECT_EQ(differ, 0);
  }
}

}  // namespace
}  // namespace veltrim::test
