#pragma once
// The colour models the program shows: RGB to HSL (degrees and percent,
// computed on a 0..255 scale in whole numbers), RGB to CMYK (percent, in
// floating point) and HSL back to RGB. Whole numbers truncate toward zero,
// so the values differ from textbook ones in places (yellow has hue 59,
// every grey hue 240); these are the values users see and print.

#include <cstdint>

namespace veltrim {

struct Hsl {
  std::int16_t hue = 0;         // degrees 0..360
  std::int16_t saturation = 0;  // percent
  std::int16_t lightness = 0;   // percent
  friend bool operator==(const Hsl&, const Hsl&) = default;
};

struct Cmyk {
  std::int16_t cyan = 0;  // percent
  std::int16_t magenta = 0;
  std::int16_t yellow = 0;
  std::int16_t black = 0;
  friend bool operator==(const Cmyk&, const Cmyk&) = default;
};

struct Rgb8 {
  int red = 0;
  int green = 0;
  int blue = 0;
  friend bool operator==(const Rgb8&, const Rgb8&) = default;
};

// Channels outside 0..255 are held to that range first.
Hsl RgbToHsl(int red, int green, int blue);
Cmyk RgbToCmyk(int red, int green, int blue);
// Hue in degrees, saturation and lightness in percent.
Rgb8 HslToRgb(int hue, int saturation, int lightness);

}  // namespace veltrim
