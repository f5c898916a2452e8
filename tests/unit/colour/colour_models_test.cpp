#include <gtest/gtest.h>

#include "colour/colour_models.hpp"

namespace veltrim {
namespace {

struct Worked {
  int r, g, b;
  Hsl hsl;
  Cmyk cmyk;
};

// The worked values users see in the readouts and on printed pages.
constexpr Worked kWorked[] = {
    {255, 0, 0, {0, 100, 50}, {0, 100, 100, 0}},
    {0, 255, 0, {120, 100, 50}, {100, 0, 100, 0}},
    {0, 0, 255, {240, 100, 50}, {100, 100, 0, 0}},
    {255, 255, 0, {59, 100, 50}, {0, 0, 100, 0}},
    {0, 255, 255, {179, 100, 50}, {100, 0, 0, 0}},
    {255, 0, 255, {300, 100, 50}, {0, 100, 0, 0}},
    {255, 255, 255, {240, 0, 100}, {0, 0, 0, 0}},
    {0, 0, 0, {240, 0, 0}, {0, 0, 0, 100}},
    {128, 128, 128, {240, 0, 50}, {0, 0, 0, 49}},
    {255, 128, 0, {29, 100, 50}, {0, 49, 100, 0}},
    {200, 100, 50, {19, 60, 49}, {0, 50, 75, 21}},
};

TEST(ColourModels, WorkedValues) {
  for (const Worked& w : kWorked) {
    EXPECT_EQ(RgbToHsl(w.r, w.g, w.b), w.hsl) << w.r << "," << w.g << "," << w.b;
    EXPECT_EQ(RgbToCmyk(w.r, w.g, w.b), w.cmyk) << w.r << "," << w.g << "," << w.b;
  }
}

TEST(ColourModels, EveryGreyHasHue240AndNoSaturation) {
  for (int v = 0; v <= 255; ++v) {
    const Hsl hsl = RgbToHsl(v, v, v);
    EXPECT_EQ(hsl.hue, 240) << v;
    EXPECT_EQ(hsl.saturation, 0) << v;
    const Cmyk cmyk = RgbToCmyk(v, v, v);
    EXPECT_EQ(cmyk.cyan + cmyk.magenta + cmyk.yellow, 0) << v;
  }
}

TEST(ColourModels, HslBackToRgb) {
  struct Case {
    int h, s, l;
    Rgb8 rgb;
  };
  // Lightness 50 is 127 on the 255 scale, so the primaries come back as 254.
  const Case cases[] = {
      {0, 100, 50, {254, 0, 0}},     {120, 100, 50, {0, 254, 0}},  {240, 100, 50, {0, 0, 254}},
      {0, 0, 50, {127, 127, 127}},   {0, 0, 100, {255, 255, 255}}, {0, 0, 0, {0, 0, 0}},
      // Hue 212 puts blue at x = 127, where the ramp overshoots to 260: held at 255.
      {300, 100, 50, {254, 0, 255}}, {60, 100, 50, {255, 254, 0}},
  };
  for (const Case& c : cases) EXPECT_EQ(HslToRgb(c.h, c.s, c.l), c.rgb) << c.h << "," << c.s << "," << c.l;
}

TEST(ColourModels, ChannelsOutsideTheByteAreHeldToIt) {
  EXPECT_EQ(RgbToHsl(300, -5, 0), RgbToHsl(255, 0, 0));
  EXPECT_EQ(RgbToCmyk(-1, 256, 0), RgbToCmyk(0, 255, 0));
}

}  // namespace
}  // namespace veltrim
