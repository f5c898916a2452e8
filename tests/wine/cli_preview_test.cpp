// veltrim-cli.exe preview and plot: the pictures drawn by GDI on a memory
// DC under Wine hold the very pixels the Linux program draws with Cairo,
// the preview's pictures beside each program included. (Wine flattens the
// plot's curves into coarser segments than Cairo, so they are not compared.)
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "raster.hpp"
#include "services.hpp"

namespace veltrim::test {
namespace {

TEST(WindowsCliPreview, SamePixelsAsTheLinuxProgram) {
  const Services services = Services::FromEnvironment();
  const fs::path folder = ScratchFolder(services, "wcli_preview");
  const std::vector<std::vector<std::string>> commands = {
      {"preview", "--category", "color", "--tests", "0,1,2,4,6,7", "--offset", "10"},
      {"preview", "--category", "color", "--tests", "12"},
      {"preview", "--category", "advanced", "--option", "2"},
      {"preview", "--category", "calibration", "--tests", "0,1,2,3", "--offset", "-5"},
      {"preview", "--category", "custom", "--tests", "4"},
      {"preview", "--category", "custom", "--tests", "5", "--colour", "0=200,10,90"},
      {"plot", "--kind", "1"},
      {"plot", "--kind", "3", "--size", "300x200", "--colour", "9=200,100,50"},
      {"plot", "--kind", "4", "--layout", "1", "--colour", "7=255,0,0", "--colour", "6=0,0,255"},
      {"plot", "--kind", "4", "--size", "300x200", "--colour", "7=0,255,0"},
      {"plot", "--kind", "5", "--size", "200x100", "--colour", "4=200,0,0", "--colour", "1=0,0,200"},
  };
  int index = 0;
  for (const auto& command : commands) {
    SCOPED_TRACE(::testing::PrintToString(command));
    const fs::path windows = folder / ("w" + std::to_string(index) + ".png");
    const fs::path linux = folder / ("l" + std::to_string(index++) + ".png");
    std::vector<std::string> args = command;
    args.insert(args.begin() + 1, {"--output", windows.string()});
    const auto run = RunWindowsProgram(services, VELTRIM_WIN64_DIR "/veltrim-cli.exe", args);
    ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
    args = command;
    args.insert(args.begin(), VELTRIM_CLI);
    args.insert(args.begin() + 2, {"--output", linux.string()});
    ASSERT_EQ(RunProcess(args).exitCode, 0);
    const RasterImage shown = RasterImage::LoadPng(windows), expected = RasterImage::LoadPng(linux);
    ASSERT_EQ(std::pair(shown.Width(), shown.Height()), std::pair(expected.Width(), expected.Height()));
    int differ = 0;
    for (int y = 0; y < expected.Height(); ++y)
      for (int x = 0; x < expected.Width(); ++x) differ += shown.Pixel(x, y) != expected.Pixel(x, y);
    EXPECT_EQ(differ, 0);
  }
}

}  // namespace
}  // namespace veltrim::test
