// The large preview's pictures, curves and readout on the recording surface, with worked values on a picture whose
// sides differ (200 x 100 or 300 x 200), so a swapped width and height shows.

#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "colour/colour_models.hpp"
#include "colour_tools/calibration_wizard.hpp"
#include "colour_tools/colour_plot.hpp"
#include "patterns/custom_patterns.hpp"
#include "patterns/saturation_lightness_page.hpp"
#include "recording_surface.hpp"

namespace veltrim {
namespace {

struct Plot {
  explicit Plot(int w, int h) : surface(RecordingDevice::Screen(w, h)), width(w), height(h) {}
  bool Draw(int kind, const TestSelection& selection = {}, bool setPixelV = false) {
    return DrawPlotPicture({surface, width, height, setPixelV}, kind, selection);
  }
  std::vector<Record> Calls(std::string_view op) const {
    std::vector<Record> calls;
    for (const Record& r : surface.Records())
      if (r.op == op) calls.push_back(r);
    return calls;
  }
  RecordingSurface surface;
  int width, height;
};

ColorRef Of(const Rgb8& c) { return Rgb(c.red, c.green, c.blue); }

TEST(ColourPlot, CornerGradientsBlendInWholeNumbersOverEveryPixelBothEndsIncluded) {
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
  for (const Case& c : {Case{kPlotCmykCorners, none, false,
                             {{{0, 0}, Rgb(0, 255, 255)}, {{100, 50}, Rgb(127, 128, 128)}, {{199, 99}, Rgb(253, 250, 3)}}},
                        Case{kPlotCmykCorners, none, true, {{{0, 99}, Rgb(0, 3, 3)}}},
                        Case{kPlotCustomCorners, custom, false, {{{0, 0}, Rgb(255, 0, 0)}}}}) {
    Plot plot(200, 100);
    ASSERT_TRUE(plot.Draw(c.kind, c.selection, c.setPixelV));
    // (w + 1) x (h + 1) calls: the last row and column fall off the picture.
    EXPECT_EQ(plot.Calls(c.setPixelV ? "SetPixelV" : "SetPixel").size(), 201u * 101u);
    EXPECT_EQ(plot.surface.PixelsSet(), 200u * 100u);
    for (const auto& [at, colour] : c.pixels) EXPECT_EQ(plot.surface.GetPixel(at.x, at.y), colour) << at.x << ", " << at.y;
  }
}

TEST(ColourPlot, SaturationLightnessWalksOutFromTheCentre) {
  TestSelection selection;
  selection.customColours[kCentreColourSlot] = {200, 100, 50};
  Plot plot(200, 100);
  ASSERT_TRUE(plot.Draw(kPlotSaturationLightness, selection));
  EXPECT_EQ(plot.surface.PixelsSet(), 200u * 100u);
  const Hsl c = RgbToHsl(200, 100, 50);
  const auto at = [&](int s, int l) { return Of(HslToRgb(c.hue, std::clamp(s, 0, 100), std::clamp(l, 0, 100))); };
  // Half a picture is 100 columns and 50 rows: the last column is 99 steps out (49.5 points, truncated), the last
  // row 49 steps (49 points).
  const std::vector<std::pair<Point, ColorRef>> expected = {
      {{100, 50}, at(c.saturation, c.lightness)},      {{0, 0}, at(c.saturation - 50, c.lightness + 50)},
      {{199, 0}, at(c.saturation + 49, c.lightness + 50)}, {{0, 99}, at(c.saturation - 50, c.lightness - 49)},
      {{199, 99}, at(c.saturation + 49, c.lightness - 49)}};
  for (const auto& [p, colour] : expected) EXPECT_EQ(plot.surface.GetPixel(p.x, p.y), colour) << p.x << ", " << p.y;
}

TEST(ColourPlot, TwoColourGradientStripesSpanTheWholeSideTheyAreLaidAlong) {
  struct Case {
    int layout;
    bool horizontal;
  };
  for (const Case& c : {Case{kSingleBar, false}, Case{kFullPageVertical, true}, Case{kFullPageHorizontal, false}}) {
    SCOPED_TRACE(c.layout);
    TestSelection selection;
    selection.gradientLayout = c.layout;
    selection.customColours[kGradientStartSlot] = {0, 0, 0};
    selection.customColours[kGradientEndSlot] = {255, 128, 0};
    Plot plot(300, 200);
    ASSERT_TRUE(plot.Draw(kPlotTwoColourGradient, selection));
    const std::vector<Record> starts = plot.Calls("MoveToEx"), lines = plot.Calls("LineTo"), pens = plot.Calls("CreatePen");
    ASSERT_EQ(starts.size(), 512u);
    ASSERT_EQ(lines.size(), 4u * 512u);
    const std::size_t along = c.horizontal ? 1 : 0;  // the coordinate that advances
    int reached = 0;
    for (std::size_t k = 0; k < 512; ++k) {
      EXPECT_EQ(starts[k].args[along], reached) << "stripe " << k << " starts where the last ended";
      EXPECT_EQ(starts[k].args[1 - along], 0);
      const Record& farCorner = lines[4 * k + 1];  // across the picture, at the stripe's far edge
      EXPECT_EQ(farCorner.args[1 - along], c.horizontal ? 300 : 200);
      reached = static_cast<int>(farCorner.args[along]);
    }
    EXPECT_EQ(reached, c.horizontal ? 200 : 300);
    EXPECT_EQ(pens.front().args, (std::vector<std::int64_t>{0, 1, Rgb(0, 0, 0)}));
    EXPECT_EQ(pens[256].args, (std::vector<std::int64_t>{0, 1, Rgb(127, 64, 0)}));
    EXPECT_EQ(pens.back().args, (std::vector<std::int64_t>{0, 1, Rgb(254, 127, 0)}));
    EXPECT_EQ(plot.surface.HygieneReport(), "");
  }
}

TEST(ColourPlot, KindTwoDrawsNothingAndUnknownKindsAreRefused) {
  for (const auto& [kind, known] : {std::pair{2, true}, {0, false}, {6, false}}) {
    Plot plot(300, 200);
    EXPECT_EQ(plot.Draw(kind), known) << kind;
    EXPECT_TRUE(plot.surface.Records().empty()) << kind;
  }
}

TEST(ColourPlot, CurvesMiddleControlPoints) {
  struct Case {
    int printer, screen, height, middle;
  };
  // config.qrv saturates its values at the 32-bit limits: no wrap-around,
  // the middle held to 2^22 either way.
  for (const Case& c : {Case{100, 100, 400, 100}, Case{150, 100, 400, 0}, Case{0, 150, 400, 400},
                        Case{100, 100, 487, 121}, Case{120, 100, 487, 73}, Case{200, 0, 400, -300},
                        Case{INT_MAX, INT_MIN, 487, -4194304}, Case{INT_MIN, INT_MAX, 487, 4194304},
                        Case{0, INT_MIN, 1, -4194304}})
    EXPECT_EQ(CurveMiddle(c.printer, c.screen, c.height), c.middle) << c.printer << " - " << c.screen;

  Plot plot(300, 200);
  const CalibrationValues printer{100, 150, 0, 100, 100, 100, 100}, screen{100, 100, 150, 100, 100, 100, 100};
  DrawCurves(plot.surface, 300, 200, printer, screen);
  // Grey diagonal, three rows and three columns at the quarters.
  std::vector<std::vector<std::int64_t>> grey;
  for (const Record& r : plot.Calls("LineTo")) grey.push_back(r.args);
  EXPECT_EQ(grey, (std::vector<std::vector<std::int64_t>>{
                      {300, 0}, {300, 50}, {300, 100}, {300, 150}, {75, 200}, {150, 200}, {225, 200}}));
  const std::vector<Record> curves = plot.Calls("PolyBezier"), pens = plot.Calls("CreatePen");
  ASSERT_EQ(curves.size(), 7u);
  ASSERT_EQ(pens.size(), 8u);
  EXPECT_EQ(pens[0].args, (std::vector<std::int64_t>{0, 1, Rgb(128, 128, 128)}));
  const ColorRef inks[] = {Rgb(0, 255, 255), Rgb(255, 0, 255), Rgb(255, 255, 0), Rgb(0, 0, 0),
                           Rgb(255, 0, 0),   Rgb(0, 255, 0),   Rgb(0, 0, 255)};
  const int middles[] = {50, 0, 200, 50, 50, 50, 50};
  for (std::size_t i = 0; i < 7; ++i) {
    EXPECT_EQ(pens[i + 1].args, (std::vector<std::int64_t>{0, 2, inks[i]})) << i;
    EXPECT_EQ(curves[i].args,
              (std::vector<std::int64_t>{0, 200, 225, middles[i], 225, middles[i], 300, 0})) << i;
  }
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

TEST(CalibrationWizard, ClickValuesAndTheCancelTest) {
  struct Case {
    int x, width, value;
  };
  for (const Case& c : {Case{0, 800, 100}, Case{400, 800, 150}, Case{799, 800, 199}, Case{1, 800, 100},
                        Case{1000, 1000, 200}})
    EXPECT_EQ(WizardValue(c.x, c.width), c.value) << c.x << " of " << c.width;
  for (const auto& [text, canceled] : {std::pair{"canceled", true}, {"cancel", true}, {"canceled!", true},
                                       {"150/-1/-1/-1/-1/-1/-1/", false}, {"-1/-1/", false}})
    EXPECT_EQ(WizardWasCanceled(text), canceled) << text;
}

}  // namespace
}  // namespace veltrim
