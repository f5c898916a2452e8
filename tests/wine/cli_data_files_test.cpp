// veltrim-cli.exe under Wine prints the data files that the build put
// beside it, through GDI: the picture as LoadImageA reads it and the text as
// DrawTextA sets it; a copy without them says so on stderr for each page.
#include <gtest/gtest.h>

#include <string>

#include "raster.hpp"
#include "services.hpp"
#include "test_picture.hpp"

namespace veltrim::test {
namespace {

const fs::path kCli = VELTRIM_WIN64_DIR "/veltrim-cli.exe";

TEST(WindowsCliDataFiles, PicturePageShowsTheColourChart) {
  const Services services = Services::FromEnvironment();
  const fs::path folder = ScratchFolder(services, "wcli_picture");
  // 150 dpi on A4 without margins: the printable area is the picture's own
  // 1240 x 1754, so each picture pixel is one page pixel.
  const auto run = RunWindowsProgram(services, kCli,
                                     {"print", "--output", (folder / "p.png").string(), "--category", "color",
                                      "--tests", "12", "--dpi", "150", "--margins", "0"});
  ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
  EXPECT_EQ(run.err, "");
  const RasterImage page = RasterImage::LoadPng(folder / "p-1.png");
  ASSERT_EQ(page.Width(), art::kTestPictureWidth);
  ASSERT_EQ(page.Height(), art::kTestPictureHeight);
  for (int i = 0; i < static_cast<int>(art::kChartPatches.size()); ++i) {
    const auto& patch = art::kChartPatches[static_cast<std::size_t>(i)];
    const art::PatchBox box = art::ChartPatchBox(i);
    const std::uint32_t expected = (patch.red << 16) | (patch.green << 8) | patch.blue;
    const std::uint32_t actual = page.Pixel((box.left + box.right) / 2, (box.top + box.bottom) / 2);
    EXPECT_TRUE(ColourNear(actual, expected, 2)) << patch.name << ": " << ColourText(actual);
  }
}

TEST(WindowsCliDataFiles, TextPageSetsTheTextFromTheTop) {
  const Services services = Services::FromEnvironment();
  const fs::path folder = ScratchFolder(services, "wcli_text");
  const auto run = RunWindowsProgram(services, kCli,
                                     {"print", "--output", (folder / "p.png").string(), "--category", "bw",
                                      "--tests", "9", "--dpi", "100", "--offset", "50"});
  ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
  EXPECT_EQ(run.err, "");
  const RasterImage page = RasterImage::LoadPng(folder / "p-1.png");
  // 5 mm margins at 100 dpi are 20 dots; the 50 mm offset does not apply.
  EXPECT_TRUE(AnyDark(page, 20, 20, 400, 34)) << "the first line at the top of the printable area";
  EXPECT_FALSE(AnyDark(page, 0, 0, page.Width(), 19)) << "nothing in the top margin";
}

TEST(WindowsCliDataFiles, WithoutThemEachPageSaysSoAndTheJobGoesOn) {
  const Services services = Services::FromEnvironment();
  const fs::path folder = ScratchFolder(services, "wcli_no_data");
  const fs::path program = folder / "bin" / "veltrim-cli.exe";
  fs::create_directories(program.parent_path());
  fs::copy_file(kCli, program);
  const auto run = RunWindowsProgram(services, program,
                                     {"print", "--output", (folder / "p.png").string(), "--category", "color",
                                      "--tests", "12", "--dpi", "72", "--pages", "2"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(run.out.find("[v] StartPage()\r\n[v] EndPage()\r\n[v] StartPage()\r\n[v] EndPage()\r\n"),
            std::string::npos)
      << run.out;
  const std::string line =
      "Application ERROR: Could not load bitmap file, probably because the file is missing ! Reinstalling this "
      "application could solve this problem.";
  // stderr is a text stream (CR LF) and Wine may add lines of its own: the
  // message is counted, once a page.
  std::size_t count = 0;
  for (std::size_t at = run.err.find(line); at != std::string::npos; at = run.err.find(line, at + 1)) ++count;
  EXPECT_EQ(count, 2u) << run.err;
  const RasterImage page = RasterImage::LoadPng(folder / "p-2.png");
  EXPECT_FALSE(AnyDark(page, 0, 0, page.Width(), page.Height())) << "the page is blank";
}

}  // namespace
}  // namespace veltrim::test
