// The calibration wizard drawn by the cairo backend on an 800 x 500 screen picture and read back at its pixels:
// the start square that alone starts it, the dot bands and the gradient of each ink, the values the clicks
// record and what Accept writes.
#include <gtest/gtest.h>

#include "app/config_file.hpp"
#include "cairo_handles.hpp"
#include "cairo_surface.hpp"
#include "colour_tools/calibration_wizard.hpp"
#include "temp_dir.hpp"

namespace veltrim {
namespace {

// A white screen picture of w x h pixels that the cairo surface draws on and reads.
class ScreenPicture {
 public:
  ScreenPicture(int w, int h) : surface_(Caps(w, h)), image_(cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h)),
                                cr_(cairo_create(image_.get())) {
    cairo_set_source_rgb(cr_.get(), 1, 1, 1);
    cairo_paint(cr_.get());
    surface_.BeginPage(cr_.get(), 1.0, 1.0, image_.get());
  }
  ~ScreenPicture() { surface_.EndPage(); }
  CairoSurface& S() { return surface_; }

 private:
  static DeviceCaps Caps(int w, int h) {
    DeviceCaps caps;
    caps.dpiX = caps.dpiY = 96;
    caps.physicalWidth = caps.horzRes = w;
    caps.physicalHeight = caps.vertRes = h;
    return caps;
  }
  CairoSurface surface_;
  cairo_detail::CairoSurfacePtr image_;
  cairo_detail::CairoPtr cr_;
};

TEST(CalibrationWizard, StartsOnTheGreenSquareThenShowsEachInkAndRecordsEveryClick) {
  ScreenPicture picture(800, 500);
  Surface& dc = picture.S();
  CalibrationWizard wizard;
  wizard.Start(dc, 800, 500);
  EXPECT_EQ(dc.GetPixel(400, 250), Rgb(0, 255, 0));
  EXPECT_EQ(dc.GetPixel(360, 250), Rgb(0, 200, 0)) << "the square's outline";
  EXPECT_FALSE(wizard.Click(dc, 300, 250, 800)) << "beside the square";
  EXPECT_FALSE(wizard.Click(dc, 360, 250, 800)) << "on its outline";
  EXPECT_EQ(wizard.Step(), 0);

  struct Ink {
    ColorRef dot;
    ColorRef strip128;  // gradient strip 128, at x = 400
  };
  const Ink inks[] = {{Rgb(0, 255, 255), Rgb(128, 255, 255)}, {Rgb(255, 0, 255), Rgb(255, 128, 255)},
                      {Rgb(255, 255, 0), Rgb(255, 255, 128)}, {Rgb(0, 0, 0), Rgb(128, 128, 128)},
                      {Rgb(255, 0, 0), Rgb(255, 128, 128)},   {Rgb(0, 255, 0), Rgb(128, 255, 128)},
                      {Rgb(0, 0, 255), Rgb(128, 128, 255)}};
  const int clickAt[] = {400, 0, 200, 600, 799, 100, 700};
  const CalibrationValues recorded{150, 100, 125, 175, 199, 112, 187};
  ASSERT_TRUE(wizard.Click(dc, 400, 250, 800));
  for (int step = 0; step < 7; ++step) {
    SCOPED_TRACE(step);
    const Ink& ink = inks[step];
    // Checkerboard dots in both bands, every other row starting one pixel in.
    for (const int top : {140, 300}) {
      EXPECT_EQ(dc.GetPixel(0, top), ink.dot);
      EXPECT_EQ(dc.GetPixel(1, top + 1), ink.dot);
      EXPECT_EQ(dc.GetPixel(799, top + 79), ink.dot) << "last row of the band";
      EXPECT_EQ(dc.GetPixel(1, top), Rgb(255, 255, 255));
    }
    EXPECT_EQ(dc.GetPixel(400, 220), ink.strip128);
    EXPECT_EQ(dc.GetPixel(400, 299), ink.strip128);
    EXPECT_EQ(dc.GetPixel(0, 250), ink.dot) << "strip 0 is the full ink";
    EXPECT_EQ(dc.GetPixel(400, 120), Rgb(255, 255, 255)) << "white above the bands";
    ASSERT_TRUE(wizard.Click(dc, clickAt[step], 10, 800)) << "the height is not checked";
    EXPECT_EQ(wizard.Values()[step], recorded[step]);
  }
  EXPECT_EQ(wizard.Step(), 8);
  EXPECT_EQ(dc.GetPixel(0, 140), Rgb(255, 255, 255)) << "the closing text's white";
  EXPECT_EQ(dc.GetPixel(400, 250), Rgb(255, 255, 255));
  EXPECT_FALSE(wizard.Click(dc, 400, 250, 800)) << "after the seventh ink";
  EXPECT_EQ(wizard.Values(), recorded);
}

TEST(CalibrationWizard, AcceptWritesTheValuesMeasuredSoFarAndMinusOneForTheRest) {
  const test::TempDir dir;
  const std::string path = (dir.Path() / "config.qrv").string();
  ScreenPicture picture(800, 500);
  CalibrationWizard wizard;
  wizard.Start(picture.S(), 800, 500);
  ASSERT_TRUE(wizard.Click(picture.S(), 400, 250, 800));  // the green square
  ASSERT_TRUE(wizard.Click(picture.S(), 400, 480, 800));  // cyan, in the middle
  CalibrationValues calibration{1, 2, 3, 4, 5, 6, 7};
  DynString shared;
  EXPECT_TRUE(wizard.Accept(calibration, shared, path));
  EXPECT_EQ(calibration, (CalibrationValues{150, -1, -1, -1, -1, -1, -1}));
  EXPECT_EQ(shared.View(), "150/-1/-1/-1/-1/-1/-1/");
  CalibrationValues read{};
  ASSERT_TRUE(ReadConfigFile(path, read));
  EXPECT_EQ(read, calibration);
}

}  // namespace
}  // namespace veltrim
