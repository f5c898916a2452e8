// `veltrim plot` and `veltrim preview`: the large preview's pictures, the calibration curves and the main window's
// preview as PNG files, read back at pixels worked out by hand.
#include <fstream>

#include "cli_support.hpp"
#include "support/bitmap_file.hpp"

namespace veltrim::test {
namespace {

class CliPicture : public CliTest<> {
 protected:
  // `program COMMAND --output p.png ARGS...` in the folder: success, `note` on stderr and a `width` x `height` PNG.
  RasterImage Picture(const char* command, std::vector<std::string> args, int width, int height,
                      const fs::path& program = kVeltrim, const std::string& note = "") const {
    args.insert(args.begin(), {command, "--output", "p.png"});
    const auto run = InFolder(program, args);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, note);
    RasterImage image = RasterImage::LoadPng(folder_ / "p.png");
    EXPECT_EQ(std::pair(image.Width(), image.Height()), std::pair(width, height));
    return image;
  }
};

using CliPlot = CliPicture;

// Corners: each side blends by row, then left + ((right - left) x x) / w, in integers; kind 1 is cyan, magenta,
// black, yellow (TL, TR, BL, BR), kind 5 colours 4, 3, 2, 1. Kind 3 around red (hue 0, saturation 100, lightness
// 50): lightness 100 at the top, 0 at the bottom, saturation 50 at the left.
TEST_F(CliPlot, PicturesAtWorkedPixels) {
  const struct { std::vector<std::string> args; int width, height; std::vector<Probe> probes; } cases[] = {
      {{"--kind", "1"}, 495, 487, {{0, 0, kCyan}, {494, 0, 0xFE01FF}, {0, 486, 0x000101}, {494, 486, 0xFEFD01}}},
      // Row 50: left (0, 128, 128), right (255, 127, 128).
      {{"--kind", "1", "--size", "200x100"}, 200, 100, {{0, 99, 0x000303}, {100, 50, 0x7F8080}}},
      // Row 40: left (160, 0, 40), right (20, 180, 20).
      {{"--kind", "5", "--size", "300x200", "--colour", "4=200,0,0", "--colour", "3=0,200,0", "--colour",
        "2=0,0,200", "--colour", "1=100,100,100"}, 300, 200,
       {{0, 0, 0xC80000}, {299, 0, 0x01C700}, {0, 199, 0x0100C7}, {60, 40, 0x842424}}},
      {{"--kind", "3", "--size", "300x200", "--colour", "9=255,0,0"}, 300, 200,
       {{0, 0, kWhite}, {299, 0, kWhite}, {0, 199, kBlack}, {150, 100, 0xFE0000}, {299, 100, 0xFE0000},
        {0, 100, 0xBE4040}, {0, 50, 0xDF9F9F}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.args));
    const RasterImage image = Picture("plot", c.args, c.width, c.height);
    for (const Probe& p : c.probes)
      EXPECT_EQ(ColourText(image.Pixel(p.x, p.y)), ColourText(p.rgb)) << p.x << "," << p.y;
  }
}

// 512 stripes from colour 7 (red) to 6 (blue); 200 / 512 and 300 / 512 are exact in floats, so a line shows the
// last stripe k with t(k x step) at it: row 100 stripe 258, column 150 stripe 257, the last line 511. Kind 2 draws
// nothing on the white.
TEST_F(CliPlot, GradientStripesAreUniformLinesAndNoPictureIsWhite) {
  const std::vector<std::pair<int, std::uint32_t>> across = {{0, kRed}, {150, 0x80007F}, {299, 0x0100FE}};
  const struct { const char *kind, *layout; bool rows; std::vector<std::pair<int, std::uint32_t>> lines; } cases[] = {
      {"4", "1", true, {{0, kRed}, {100, 0x7F0080}, {199, 0x0100FE}}},
      {"4", "0", false, across},
      {"4", "2", false, across},
      {"2", "0", true, {{0, kWhite}, {100, kWhite}, {199, kWhite}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string("kind ") + c.kind + " layout " + c.layout);
    const RasterImage image = Picture("plot", {"--kind", c.kind, "--layout", c.layout, "--size", "300x200", "--colour",
                                               "7=255,0,0", "--colour", "6=0,0,255"}, 300, 200);
    const auto at = [&](int line, int i) { return c.rows ? image.Pixel(i, line) : image.Pixel(line, i); };
    int mixed = 0;
    for (int line = 0; line < (c.rows ? 200 : 300); ++line)
      for (int i = 1; i < (c.rows ? 300 : 200); ++i) mixed += at(line, i) != at(line, 0);
    EXPECT_EQ(mixed, 0) << "pixels unlike the first of their line";
    for (const auto& [line, rgb] : c.lines) EXPECT_EQ(ColourText(at(line, 0)), ColourText(rgb)) << "line " << line;
  }
}

// On 400 x 300 a curve runs from (0, 300) over (300, m) twice to (400, 0), so at t = 1/2 it passes (275, 37.5 +
// 0.75 m), m = t(((50 - (P - S)) x 300) / 200). P - S = 0, 50, -50, -100, -150, 30, -25 give m = 75 (h / 4, equal
// values), 0, 150, 225, 300, 30, 112 for C, M, Y, K, R, G, B. Screen values come from the command line, else
// config.qrv, else 0.
TEST_F(CliPlot, CurvesPassWhereTheirValuesPutThem) {
  const fs::path configured = CopyOfTheProgram(folder_ / "configured"), bare = CopyOfTheProgram(folder_ / "bare");
  std::ofstream(configured.parent_path() / "config.qrv") << "100/100/100/100/100/100/100/";
  struct Ink { std::uint32_t rgb; int y; bool there; };
  const std::vector<Ink> spread = {{kCyan, 94, true},  {kMagenta, 38, true}, {kYellow, 150, true},
                                   {kBlack, 206, true}, {kRed, 262, true},   {kGreen, 60, true}, {kBlue, 122, true}};
  const std::string spreadOver100 = "100,150,50,0,-50,130,75";
  const struct {
    fs::path program;
    std::vector<std::string> values;
    std::vector<Ink> inks;
    std::string note;
  } cases[] = {
      {configured, {"--printer-values", spreadOver100}, spread, ""},
      {bare, {"--printer-values", "0,50,-50,-100,-150,30,-25"}, spread,
       "veltrim: cannot read " + (bare.parent_path() / "config.qrv").string() + ": the screen values are 0\n"},
      // Seven equal curves: blue, drawn last, over the others.
      {configured, {"--printer-values", spreadOver100, "--screen-values", spreadOver100},
       {{kBlue, 94, true}, {kCyan, 94, false}, {kMagenta, 38, false}}, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.program.string() + " " + ::testing::PrintToString(c.values));
    std::vector<std::string> args{"--curves", "--size", "400x300"};
    args.insert(args.end(), c.values.begin(), c.values.end());
    const RasterImage image = Picture("plot", args, 400, 300, c.program, c.note);
    for (const Ink& ink : c.inks) {
      int found = 0;  // two-pixel pens without smoothing: the ink within two pixels
      for (int y = ink.y - 2; y <= ink.y + 2; ++y)
        for (int x = 273; x <= 277; ++x) found += image.Pixel(x, y) == ink.rgb;
      EXPECT_EQ(found > 0, ink.there) << ColourText(ink.rgb) << " near (275, " << ink.y << ")";
    }
  }
}

using CliPreview = CliPicture;

// Bands of rows (or of columns, `across`) read at three points each on the 167 x 239 preview.
TEST_F(CliPreview, PatternsWhereThePreviewPutsThem) {
  struct Band { int from, to; std::uint32_t colour; };
  const struct { std::vector<std::string> args; bool across; std::vector<Band> bands; } cases[] = {
      // Bars 8.047 pixels high: rows 0-7, 8-15, 16-23, then nothing.
      {{"--category", "color", "--tests", "0"}, false,
       {{0, 7, kCyan}, {8, 15, kMagenta}, {16, 23, kYellow}, {24, 238, kWhite}}},
      // An offset of 10 mm moves them t(10 x 0.8047) = 8 rows down.
      {{"--category", "color", "--tests", "0", "--offset", "10"}, false,
       {{0, 7, kWhite}, {8, 15, kCyan}, {16, 23, kMagenta}, {24, 31, kYellow}, {32, 238, kWhite}}},
      // Three full-height bands split at W / 3 = 55 and 2 x (W / 3) = 110; the offset means nothing to Advanced
      // options.
      {{"--category", "advanced", "--option", "2", "--offset", "10"}, true,
       {{0, 54, kCyan}, {55, 109, kMagenta}, {110, 166, kYellow}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.args));
    const RasterImage image = Picture("preview", c.args, 167, 239);
    for (const Band& band : c.bands)
      for (int i = band.from; i <= band.to; ++i)
        for (int j : {0, 83, c.across ? 238 : 166}) {
          const std::uint32_t pixel = c.across ? image.Pixel(i, j) : image.Pixel(j, i);
          ASSERT_EQ(ColourText(pixel), ColourText(band.colour)) << (c.across ? "column " : "row ") << i;
        }
  }
}

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
