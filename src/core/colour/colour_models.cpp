#include "core/colour/colour_models.hpp"

#include <algorithm>

namespace veltrim {
namespace {

constexpr int kScale = 255;
constexpr int kSixth = 42;   // 255 / 6
constexpr int kThird = 85;
constexpr int kTwoThirds = 170;

int Channel(int value) { return std::clamp(value, 0, kScale); }

std::int16_t Scaled(int value, double to) {
  return static_cast<std::int16_t>(static_cast<double>(value) / kScale * to);
}

int HueToChannel(int m1, int m2, int x) {
  if (x > kScale) x -= kScale;
  if (x < 0) return m1;  // below the scale it counts as the last sixth
  int v = m1;
  if (x < kSixth)
    v = m1 + ((m2 - m1) * x + kSixth / 2) / kSixth;
  else if (x <= 126)
    v = m2;
  else if (x < kTwoThirds)
    v = m1 + ((m2 - m1) * (kTwoThirds - x) + kSixth / 2) / kSixth;
  // Just past a third (x = 127) the ramp overshoots m2 (254 * 43 / 42 is
  // 260); a channel is a byte, so it is held to 255 rather than wrapping.
  return Channel((v * kScale + 127) / kScale);
}

int ToScale(int value, float full) {
  return static_cast<int>(static_cast<float>(value * kScale) / full);
}

}  // namespace

Hsl RgbToHsl(int red, int green, int blue) {
  const int r = Channel(red), g = Channel(green), b = Channel(blue);
  const int cMax = std::max({r, g, b});
  const int cMin = std::min({r, g, b});
  const int sum = cMax + cMin;
  const int delta = cMax - cMin;
  const int l = (sum * kScale + kScale) / (2 * kScale);
  int h = kTwoThirds;
  int s = 0;
  if (cMax != cMin) {
    s = l <= 127 ? (delta * kScale + sum / 2) / sum
                 : (delta * kScale + (2 * kScale - sum) / 2) / (2 * kScale - sum);
    const auto distance = [&](int c) { return ((cMax - c) * kSixth + delta / 2) / delta; };
    const int rd = distance(r), gd = distance(g), bd = distance(b);
    if (r == cMax)
      h = bd - gd;
    else if (g == cMax)
      h = kThird + rd - bd;
    else
      h = kTwoThirds + gd - rd;
    if (h < 0) h += kScale;
    if (h > kScale) h -= kScale;
  }
  return {Scaled(h, 360), Scaled(s, 100), Scaled(l, 100)};
}

Cmyk RgbToCmyk(int red, int green, int blue) {
  float c = static_cast<float>(1.0 - Channel(red) / 255.0);
  float m = static_cast<float>(1.0 - Channel(green) / 255.0);
  float y = static_cast<float>(1.0 - Channel(blue) / 255.0);
  float k = 1.0f;
  for (const float v : {c, m, y})
    if (v < k) k = v;
  if (k == 1.0f) {
    c = m = y = 0;
  } else {
    c = (c - k) / (1 - k);
    m = (m - k) / (1 - k);
    y = (y - k) / (1 - k);
  }
  const auto percent = [](float v) { return static_cast<std::int16_t>(v * 100); };
  return {percent(c), percent(m), percent(y), percent(k)};
}

Rgb8 HslToRgb(int hue, int saturation, int lightness) {
  const int h = ToScale(hue, 360.0f);
  const int s = ToScale(saturation, 100.0f);
  const int l = ToScale(lightness, 100.0f);
  if (s == 0) return {l, l, l};
  const int m2 = l < 128 ? ((s + kScale) * l + 127) / kScale : l + s - (s * l + 127) / kScale;
  const int m1 = 2 * l - m2;
  return {HueToChannel(m1, m2, h + kThird), HueToChannel(m1, m2, h), HueToChannel(m1, m2, h - kThird)};
}

}  // namespace veltrim
