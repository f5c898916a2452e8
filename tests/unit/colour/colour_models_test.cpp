#include "colour/colour_models.hpp"

#include <gtest/gtest.h>

#include <tuple>

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
      // Channels outside the byte are held to it.
      {300, -5, 0, {0, 100, 50}, {0, 100, 100, 0}},      {-1, 256, 0, {120, 100, 50}, {100, 0, 100, 0}},
  };
  for (const Worked& w : worked) {
    EXPECT_EQ(RgbToHsl(w.r, w.g, w.b), w.hsl) << w.r << "," << w.g << "," << w.b;
    EXPECT_EQ(RgbToCmyk(w.r, w.g, w.b), w.cmyk) << w.r << "," << w.g << "," << w.b;
  }
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
      {0, 100, 50, {254, 0, 0}},     {120, 100, 50, {0, 254, 0}},  {240, 100, 50, {0, 0, 254}},
      {0, 0, 50, {127, 127, 127}},   {0, 0, 100, {255, 255, 255}}, {0, 0, 0, {0, 0, 0}},
      // Hue 212 puts blue at x = 127, where the ramp overshoots to 260: held at 255.
      {300, 100, 50, {254, 0, 255}}, {60, 100, 50, {255, 254, 0}},
  };
  for (const Case& c : cases) EXPECT_EQ(HslToRgb(c.h, c.s, c.l), c.rgb) << c.h << "," << c.s << "," << c.l;
}

}  // namespace
}  // namespace veltrim
