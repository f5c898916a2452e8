// `veltrim preview`: the main window's preview of a selection as a PNG of
// the preview area's size, read back where the preview puts each pattern.
#include "cli_support.hpp"
#include "support/bitmap_file.hpp"

namespace veltrim::test {
namespace {

using CliPreview = CliTest<>;

struct Band {
  int from, to;  // rows, or columns when `across`
  std::uint32_t colour;
};

TEST_F(CliPreview, PatternsWhereThePreviewPutsThem) {
  struct Case {
    std::vector<std::string> args;
    bool across;  // bands of columns rather than rows
    std::vector<Band> bands;
  };
  const Case cases[] = {
      // Bars 8.047 pixels high: rows 0-7, 8-15, 16-23, then nothing.
      {{"--category", "color", "--tests", "0"}, false,
       {{0, 7, kCyan}, {8, 15, kMagenta}, {16, 23, kYellow}, {24, 238, kWhite}}},
      // An offset of 10 mm moves them t(10 x 0.8047) = 8 rows down.
      {{"--category", "color", "--tests", "0", "--offset", "10"}, false,
       {{0, 7, kWhite}, {8, 15, kCyan}, {16, 23, kMagenta}, {24, 31, kYellow}, {32, 238, kWhite}}},
      // Three full-height bands split at W / 3 = 55 and 2 x (W / 3) = 110;
      // the offset means nothing to Advanced options.
      {{"--category", "advanced", "--option", "2", "--offset", "10"}, true,
       {{0, 54, kCyan}, {55, 109, kMagenta}, {110, 166, kYellow}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.args));
    std::vector<std::string> args{"--output", "p.png"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const auto run = Preview(args);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const RasterImage image = RasterImage::LoadPng(folder_ / "p.png");
    ASSERT_EQ(image.Width(), 167);
    ASSERT_EQ(image.Height(), 239);
    for (const Band& band : c.bands)
      for (int i = band.from; i <= band.to; ++i)
        for (int j : {0, 83, c.across ? 238 : 166}) {
          const std::uint32_t pixel = c.across ? image.Pixel(i, j) : image.Pixel(j, i);
          ASSERT_EQ(ColourText(pixel), ColourText(band.colour)) << (c.across ? "column " : "row ") << i;
        }
  }
}

// Where the preview shows a ready-made picture, the PNG holds the very
// picture that lies beside the program.
TEST_F(CliPreview, BitmappedImageIsThePictureBesideTheProgram) {
  ASSERT_EQ(Preview({"--output", "p.png", "--category", "color", "--tests", "12"}).exitCode, 0);
  const RasterImage image = RasterImage::LoadPng(folder_ / "p.png");
  const auto picture = DecodeBitmapFile((fs::path(kVeltrim).parent_path() / "preview-20.bmp").string().c_str());
  ASSERT_TRUE(picture);
  ASSERT_EQ(picture->width * picture->height, image.Width() * image.Height());
  int differ = 0;
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x) {
      const std::uint8_t* p = &picture->rgb[(static_cast<std::size_t>(y) * picture->width + x) * 3];
      differ += image.Pixel(x, y) != ((std::uint32_t{p[0]} << 16) | (p[1] << 8) | p[2]);
    }
  EXPECT_EQ(differ, 0);
}

}  // namespace
}  // namespace veltrim::test
