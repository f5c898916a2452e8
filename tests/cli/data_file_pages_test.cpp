// The pages that print the data files beside `veltrim`: the text page and
// the picture page rendered to PNG and read back, and the same pages from a
// copy of the program that has no data files beside it.
#include "cli_support.hpp"
#include "platform/device_caps.hpp"
#include "test_picture.hpp"

namespace veltrim::test {
namespace {

// The share of the sheet under ink: the mean darkness of every pixel.
double Coverage(const RasterImage& page) {
  double ink = 0;
  for (int y = 0; y < page.Height(); ++y)
    for (int x = 0; x < page.Width(); ++x) {
      const std::uint32_t p = page.Pixel(x, y);
      ink += 1.0 - (((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF)) / (3.0 * 255.0);
    }
  return ink / (static_cast<double>(page.Width()) * page.Height());
}

using DataFilePages = CliTest<>;

TEST_F(DataFilePages, TextPageSetsTheTextFromTheTopAtAboutFivePerCent) {
  // 50 mm of paper offset: the text page ignores it.
  const RasterImage page = PrintPng({"--category", "bw", "--tests", "9", "--dpi", "300", "--offset", "50"});
  // A4 at 300 dpi with 5 mm margins: the printable area starts at 59 dots.
  EXPECT_TRUE(AnyDark(page, 59, 59, 1200, 100)) << "the first line, at the top of the printable area";
  EXPECT_FALSE(AnyDark(page, 0, 0, page.Width(), 58)) << "nothing in the top margin";
  EXPECT_NEAR(Coverage(page), 0.05, 0.01);
}

TEST_F(DataFilePages, PicturePageShowsTheColourChartWhereTheStretchPutsIt) {
  const RasterImage page = PrintPng({"--category", "color", "--tests", "12", "--dpi", "100"});
  const auto caps = MakeDeviceCaps({*PaperByName("a4"), 100, {5, 5, 5, 5}});
  ASSERT_TRUE(caps);
  ASSERT_EQ(page.Width(), caps->physicalWidth);
  // A picture point lands where the stretch over the printable area puts it.
  auto at = [&](int x, int y) {
    return page.Pixel(caps->offsetX + x * caps->horzRes / art::kTestPictureWidth,
                      caps->offsetY + y * caps->vertRes / art::kTestPictureHeight);
  };
  for (int i = 0; i < static_cast<int>(art::kChartPatches.size()); ++i) {
    const auto& patch = art::kChartPatches[static_cast<std::size_t>(i)];
    const art::PatchBox box = art::ChartPatchBox(i);
    const std::uint32_t expected = (patch.red << 16) | (patch.green << 8) | patch.blue;
    const std::uint32_t actual = at((box.left + box.right) / 2, (box.top + box.bottom) / 2);
    EXPECT_TRUE(ColourNear(actual, expected, 2)) << patch.name << ": " << ColourText(actual);
  }
  // The darkest and lightest steps of the grey ramp, and the white margin.
  const int stepMiddle = (art::kStepRampTop + art::kStepRampBottom) / 2;
  EXPECT_EQ(ColourText(at(art::kRampLeft + 20, stepMiddle)), "#000000");
  EXPECT_EQ(ColourText(at(art::kRampRight - 20, stepMiddle)), "#FFFFFF");
  EXPECT_EQ(ColourText(page.Pixel(caps->offsetX / 2, page.Height() / 2)), "#FFFFFF");
}

TEST_F(DataFilePages, WithoutTheDataFilesEachPageSaysSoAndStaysBlank) {
  // A copy of the program in a folder of its own, with nothing beside it.
  const fs::path program = folder_ / "bin" / "veltrim";
  fs::create_directories(program.parent_path());
  fs::copy_file(kVeltrim, program);
  struct Case { const char *category, *item, *message; };
  const Case cases[] = {
      {"bw", "9", "Could not load text file ! Reinstalling this application might fix this problem."},
      {"color", "12",
       "Could not load bitmap file, probably because the file is missing ! Reinstalling this application could "
       "solve this problem."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.category);
    const auto run = Print({"--category", c.category, "--tests", c.item, "--dpi", "72", "--pages", "2"}, program);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(WithoutTime(run.out), kPrinterChosen + Documents(1, 2));
    const std::string line = std::string("Application ERROR: ") + c.message + "\n";
    EXPECT_EQ(run.err, line + line) << "the message once for every page";
    for (const char* file : {"p-1.png", "p-2.png"}) {
      const RasterImage page = RasterImage::LoadPng(folder_ / file);
      EXPECT_FALSE(AnyDark(page, 0, 0, page.Width(), page.Height())) << file << " is blank";
    }
  }
}

}  // namespace
}  // namespace veltrim::test
