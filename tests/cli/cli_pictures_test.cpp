// What only the Linux program's files show: a PDF's picture pages share one picture, `veltrim plot --curves` takes
// its screen values from the command line, config.qrv or 0, and the preview's PNG is the picture beside the
// program. Pages, previews and plots at their pixels are the recording surface's (tests/unit); the command line's
// table (cli_table_test.cpp) shows that each reaches its file.
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>

#include "cli_support.hpp"
#include "core/support/bitmap_file.hpp"

namespace veltrim::test {
namespace {

using DataFilePages = CliTest;

// Every page of a PDF shows the picture, and the document holds its pixels once.
TEST_F(DataFilePages, PicturePagesOfAPdfShareOnePicture) {
  const auto run = RunInFolder({kVeltrim, "print", "--output", "p.pdf", "--category", "color", "--tests", "12",
                                "--dpi", "100", "--pages", "3"}, folder_);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const auto list = RunProcess({"pdfimages", "-list", (folder_ / "p.pdf").string()});
  ASSERT_EQ(list.exitCode, 0) << list.err;
  std::istringstream rows(list.out);
  std::string line;
  std::vector<int> pagesShown;
  std::set<std::string> objects;
  for (int row = 0; std::getline(rows, line); ++row) {
    std::istringstream fields(line);
    std::vector<std::string> field{std::istream_iterator<std::string>(fields), {}};
    if (row < 2 || field.size() < 11) continue;  // the heading and its rule
    pagesShown.push_back(std::stoi(field[0]));
    objects.insert(field[10]);
  }
  EXPECT_EQ(pagesShown, (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(objects.size(), 1u) << list.out;
}

// plot --curves and preview, each into p.png.
class CliPicture : public CliTest {
 protected:
  // `program COMMAND --output p.png ARGS...` in the folder: success, `note` on stderr and a `width` x `height` PNG.
  RasterImage Picture(const char* command, std::vector<std::string> args, int width, int height,
                      const fs::path& program = kVeltrim, const std::string& note = "") const {
    args.insert(args.begin(), {program.string(), command, "--output", "p.png"});
    const auto run = RunInFolder(args, folder_);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, note);
    RasterImage image = RasterImage::LoadPng(folder_ / "p.png");
    EXPECT_EQ(std::pair(image.Width(), image.Height()), std::pair(width, height));
    return image;
  }
};

using CliPlot = CliPicture;

// On 400 x 300 a curve runs from (0, 300) over (300, m) twice to (400, 0), so at t = 1/2 it passes (275, 37.5 +
// 0.75 m), m = t(((50 - (P - S)) x 300) / 200). P - S = 0, 50, -50, -100, -150, 30, -25 give m = 75 (h / 4, equal
// values), 0, 150, 225, 300, 30, 112 for C, M, Y, K, R, G, B. Screen values come from the command line, else
// config.qrv, else 0.
TEST_F(CliPlot, CurvesPassWhereTheirValuesPutThem) {
  const fs::path configured = CopyOfTheProgram(kVeltrim, folder_ / "configured"),
                 bare = CopyOfTheProgram(kVeltrim, folder_ / "bare");
  std::ofstream(configured.parent_path() / "config.qrv") << "100/100/100/100/100/100/100/";
  const std::pair<std::uint32_t, int> inks[] = {{kCyan, 94},  {kMagenta, 38}, {kYellow, 150}, {kBlack, 206},
                                                 {kRed, 262}, {kGreen, 60},   {kBlue, 122}};
  const struct {
    fs::path program;
    std::vector<std::string> values;
    std::string note;
  } cases[] = {
      {configured, {"--printer-values", "100,150,50,0,-50,130,75"}, ""},
      {bare, {"--printer-values", "0,50,-50,-100,-150,30,-25"},
       "veltrim: cannot read " + (bare.parent_path() / "config.qrv").string() + ": the screen values are 0\n"},
      {configured, {"--printer-values", "0,0,0,0,0,0,0", "--screen-values", "0,-50,50,100,150,-30,25"}, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.program.string() + " " + ::testing::PrintToString(c.values));
    std::vector<std::string> args{"--curves", "--size", "400x300"};
    args.insert(args.end(), c.values.begin(), c.values.end());
    const RasterImage image = Picture("plot", args, 400, 300, c.program, c.note);
    for (const auto& [rgb, y] : inks) {
      int found = 0;  // two-pixel pens without smoothing: the ink within two pixels
      for (int row = y - 2; row <= y + 2; ++row)
        for (int x = 273; x <= 277; ++x) found += image.Pixel(x, row) == rgb;
      EXPECT_GT(found, 0) << ColourText(rgb) << " near (275, " << y << ")";
    }
  }
}

using CliPreview = CliPicture;

// Where the preview shows a ready-made picture, the PNG holds the very picture that lies beside the program.
TEST_F(CliPreview, BitmappedImageIsThePictureBesideTheProgram) {
  const RasterImage image = Picture("preview", {"--category", "color", "--tests", "12"}, 167, 239);
  const auto picture = DecodeBitmapFile((fs::path(kVeltrim).parent_path() / "preview-20.bmp").string().c_str());
  ASSERT_TRUE(picture);
  ASSERT_EQ(picture->width * picture->height, image.Width() * image.Height());
  int differ = 0;
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x)
      differ += image.Pixel(x, y) != picture->Pixels()[static_cast<std::size_t>(y) * picture->width + x];
  EXPECT_EQ(differ, 0);
}

}  // namespace
}  // namespace veltrim::test
