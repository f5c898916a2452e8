// Colour models; the large preview's pictures, curves and readout on unequal sides (a swapped width and height shows).
#include <gtest/gtest.h>

#include <climits>

#include "backends/recording/recording_surface.hpp"
#include "core/colour/colour_models.hpp"
#include "core/colour_tools/calibration_wizard.hpp"
#include "core/colour_tools/colour_plot.hpp"
#include "core/patterns/calibration/saturation_lightness_page.hpp"
#include "core/patterns/custom/custom_patterns.hpp"

namespace veltrim {
namespace {

TEST(ColourModels, WorkedValuesAsTheReadoutsAndPagesShowThem) {
  struct Worked { int r, g, b; Hsl hsl; Cmyk cmyk; };
  const Worked worked[] = {
      {255, 0, 0, {0, 100, 50}, {0, 100, 100, 0}},       {0, 255, 0, {120, 100, 50}, {100, 0, 100, 0}},
      {0, 0, 255, {240, 100, 50}, {100, 100, 0, 0}},     {255, 255, 0, {59, 100, 50}, {0, 0, 100, 0}},
      {0, 255, 255, {179, 100, 50}, {100, 0, 0, 0}},     {255, 0, 255, {300, 100, 50}, {0, 100, 0, 0}},
      {255, 255, 255, {240, 0, 100}, {0, 0, 0, 0}},      {0, 0, 0, {240, 0, 0}, {0, 0, 0, 100}},
      {128, 128, 128, {240, 0, 50}, {0, 0, 0, 49}},      {255, 128, 0, {29, 100, 50}, {0, 49, 100, 0}},
      {200, 100, 50, {19, 60, 49}, {0, 50, 75, 21}},
      {300, -5, 0, {0, 100, 50}, {0, 100, 100, 0}}};  // channels outside the byte are held to it
  for (const Worked& w : worked)
    EXPECT_EQ(std::pair(RgbToHsl(w.r, w.g, w.b), RgbToCmyk(w.r, w.g, w.b)), std::pair(w.hsl, w.cmyk))
        << w.r << "," << w.g << "," << w.b;
  for (int v = 0; v <= 255; ++v) {  // every grey: hue 240, no saturation, black ink only
    const Hsl hsl = RgbToHsl(v, v, v);
    const Cmyk cmyk = RgbToCmyk(v, v, v);
    EXPECT_EQ(std::tuple(hsl.hue, hsl.saturation, cmyk.cyan + cmyk.magenta + cmyk.yellow), std::tuple(240, 0, 0)) << v;
  }
}

TEST(ColourModels, HslBackToRgb) {
  struct Case { int h, s, l; Rgb8 rgb; };
  // Lightness 50 is 127 on the 255 scale, so the primaries come back as 254.
  const Case cases[] = {
      {0, 100, 50, {254, 0, 0}}, {120, 100, 50, {0, 254, 0}}, {0, 0, 50, {127, 127, 127}}, {0, 0, 100, {255, 255, 255}},
      {300, 100, 50, {254, 0, 255}}, {60, 100, 50, {255, 254, 0}}};  // a ramp past 255 is held there
  for (const Case& c : cases) EXPECT_EQ(HslToRgb(c.h, c.s, c.l), c.rgb) << c.h << "," << c.s << "," << c.l;
}

using Args = std::vector<std::int64_t>;

// A picture drawn on a recording screen, which it leaves clean.
struct Plot {
  explicit Plot(int w, int h) : surface(RecordingDevice::Screen(w, h)), width(w), height(h) {}
  bool Draw(int kind, const TestSelection& selection = {}, bool setPixelV = false) {
    const bool known = DrawPlotPicture({surface, width, height, setPixelV}, kind, selection);
    EXPECT_EQ(surface.HygieneReport(), "") << kind;
    return known;
  }
  RecordingSurface surface;
  int width, height;
};

TEST(ColourPlot, CornerGradientsBlendInWholeNumbersOverEveryPixel) {
  TestSelection custom;
  custom.customColours[4] = {255, 0, 0};  // top left
  custom.customColours[1] = {0, 0, 255};  // bottom right
  struct Case {
    int kind;
    const TestSelection& selection;
    bool setPixelV;
    std::vector<std::pair<Point, ColorRef>> pixels;
  };
  const TestSelection none;
  for (const Case& c :
       {Case{kPlotCmykCorners, none, false,
             {{{0, 0}, Rgb(0, 255, 255)}, {{100, 50}, Rgb(127, 128, 128)}, {{199, 99}, Rgb(253, 250, 3)}}},
        Case{kPlotCmykCorners, none, true, {{{0, 99}, Rgb(0, 3, 3)}}},
        Case{kPlotCustomCorners, custom, false, {{{0, 0}, Rgb(255, 0, 0)}}}}) {
    Plot plot(200, 100);
    ASSERT_TRUE(plot.Draw(c.kind, c.selection, c.setPixelV));
    // (w + 1) x (h + 1) calls: the last row and column fall off the picture.
    EXPECT_EQ(plot.surface.RecordsOf(c.setPixelV ? "SetPixelV" : "SetPixel").size(), 201u * 101u);
    EXPECT_EQ(plot.surface.PixelsSet(), 200u * 100u);
    for (const auto& [at, colour] : c.pixels)
      EXPECT_EQ(plot.surface.GetPixel(at.x, at.y), colour) << at.x << ", " << at.y;
  }
}

TEST(ColourPlot, SaturationLightnessWalksOutFromTheCentre) {
  TestSelection selection;
  selection.customColours[kCentreColourSlot] = {255, 0, 0};
  Plot plot(200, 100);
  ASSERT_TRUE(plot.Draw(kPlotSaturationLightness, selection));
  EXPECT_EQ(plot.surface.PixelsSet(), 200u * 100u);
  // Worked for red (hue 0, saturation 100, lightness 50) on 200 x 100: half a picture is 100 columns, 50 rows, each a
  // point of saturation or lightness. A quarter up is lightness 75; the left edge saturation 50; the top white.
  const std::vector<std::pair<Point, ColorRef>> expected = {
      {{100, 50}, Rgb(254, 0, 0)}, {{199, 50}, Rgb(254, 0, 0)},     {{100, 25}, Rgb(255, 127, 127)},
      {{0, 50}, Rgb(190, 64, 64)}, {{0, 0}, Rgb(255, 255, 255)}, {{199, 0}, Rgb(255, 255, 255)}};
  for (const auto& [p, colour] : expected) EXPECT_EQ(plot.surface.GetPixel(p.x, p.y), colour) << p.x << ", " << p.y;
}

TEST(ColourPlot, TwoColourGradientStripesSpanTheWholeSideTheyAreLaidAlong) {
  struct Case { int layout; bool horizontal; };
  for (const Case& c : {Case{kSingleBar, false}, Case{kFullPageVertical, true}, Case{kFullPageHorizontal, false}}) {
    SCOPED_TRACE(c.layout);
    TestSelection selection;
    selection.gradientLayout = c.layout;
    selection.customColours[kGradientStartSlot] = {0, 0, 0};
    selection.customColours[kGradientEndSlot] = {255, 128, 0};
    Plot plot(300, 200);
    ASSERT_TRUE(plot.Draw(kPlotTwoColourGradient, selection));
    const auto starts = plot.surface.RecordsOf("MoveToEx"), lines = plot.surface.RecordsOf("LineTo");
    const auto pens = plot.surface.RecordsOf("CreatePen");
    ASSERT_EQ(starts.size(), 512u);
    ASSERT_EQ(lines.size(), 4u * 512u);
    const std::size_t along = c.horizontal ? 1 : 0;  // the coordinate that advances
    int reached = 0;
    for (std::size_t k = 0; k < 512; ++k) {
      EXPECT_EQ(std::tuple(starts[k].args[along], starts[k].args[1 - along]), std::tuple(reached, 0))
          << "stripe " << k << " starts where the last ended";
      const Record& farCorner = lines[4 * k + 1];  // across the picture, at the stripe's far edge
      EXPECT_EQ(farCorner.args[1 - along], c.horizontal ? 300 : 200);
      reached = static_cast<int>(farCorner.args[along]);
    }
    EXPECT_EQ(reached, c.horizontal ? 200 : 300);
    EXPECT_EQ((std::vector{pens.front().args, pens[256].args, pens.back().args}),
              (std::vector<Args>{{0, 1, Rgb(0, 0, 0)}, {0, 1, Rgb(127, 64, 0)}, {0, 1, Rgb(254, 127, 0)}}));
  }
}

TEST(ColourPlot, KindTwoDrawsNothing) {
  Plot plot(300, 200);
  EXPECT_TRUE(plot.Draw(2));
  EXPECT_TRUE(plot.surface.Records().empty());
}

TEST(ColourPlot, CurvesMiddleControlPoints) {
  struct Case { int printer, screen, height, middle; };
  // config.qrv saturates its values at the 32-bit limits: no wrap-around, the middle held to 2^22 either way.
  for (const Case& c : {Case{150, 100, 400, 0}, Case{0, 150, 400, 400}, Case{100, 100, 487, 121},
                        Case{120, 100, 487, 73}, Case{INT_MAX, INT_MIN, 487, -4194304}, Case{INT_MIN, INT_MAX, 487, 4194304}})
    EXPECT_EQ(CurveMiddle(c.printer, c.screen, c.height), c.middle) << c.printer << " - " << c.screen;

  Plot plot(300, 200);
  const CalibrationValues printer{100, 150, 0, 100, 100, 100, 100}, screen{100, 100, 150, 100, 100, 100, 100};
  DrawCurves(plot.surface, 300, 200, printer, screen);
  // Grey diagonal, three rows and three columns at the quarters.
  std::vector<Args> grey;
  for (const Record& r : plot.surface.RecordsOf("LineTo")) grey.push_back(r.args);
  EXPECT_EQ(grey, (std::vector<Args>{{300, 0}, {300, 50}, {300, 100}, {300, 150}, {75, 200}, {150, 200}, {225, 200}}));
  const std::vector<Record> curves = plot.surface.RecordsOf("PolyBezier"), pens = plot.surface.RecordsOf("CreatePen");
  ASSERT_EQ(curves.size(), 7u);
  ASSERT_EQ(pens.size(), 8u);
  EXPECT_EQ(pens[0].args, (Args{0, 1, Rgb(128, 128, 128)}));
  const ColorRef inks[] = {Rgb(0, 255, 255), Rgb(255, 0, 255), Rgb(255, 255, 0), Rgb(0, 0, 0),
                           Rgb(255, 0, 0),   Rgb(0, 255, 0),   Rgb(0, 0, 255)};
  const int middles[] = {50, 0, 200, 50, 50, 50, 50};
  for (std::size_t i = 0; i < 7; ++i)
    EXPECT_EQ(std::pair(pens[i + 1].args, curves[i].args),
              std::pair(Args{0, 2, inks[i]}, Args{0, 200, 225, middles[i], 225, middles[i], 300, 0})) << i;
  EXPECT_EQ(plot.surface.HygieneReport(), "");
}

TEST(ColourPlot, ReadoutOfThePixelUnderTheMouse) {
  EXPECT_EQ(ColourReadout(50, 25, 200, 100, Rgb(255, 0, 0)),
            "Position X: 25\r\nPosition Y: 25\r\n\r\nRGB: 255, 0, 0\r\nHSL: 0, 100, 50\r\nCMYK: 0, 100, 100, 0"
            "\r\n\r\nJust hit Ctrl+C to copy this text !");
  // A hundred significant digits show the binary value whole.
  EXPECT_EQ(ColourReadout(1, 2, 3, 3, Rgb(0, 0, 0)).substr(0, 127),
            "Position X: 33.33333333333333570180911920033395290374755859375\r\nPosition Y: "
            "66.6666666666666714036182384006679058074951171875\r\n");
}

TEST(CalibrationWizard, ClickValues) {
  struct Case { int x, width, value; };
  for (const Case& c : {Case{0, 800, 100}, Case{400, 800, 150}, Case{799, 800, 199}, Case{1000, 1000, 200}})
    EXPECT_EQ(WizardValue(c.x, c.width), c.value) << c.x << " of " << c.width;
}

}  // namespace
}  // namespace veltrim
