#pragma once
// The one colour value the platform takes (ColorRef, 0x00BBGGRR, red in the
// low byte) and the colour slots' triples, with the packing between them.

#include <cstdint>

namespace veltrim {

using ColorRef = std::uint32_t;

constexpr ColorRef Rgb(int red, int green, int blue) {
  return static_cast<ColorRef>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr int RedOf(ColorRef colour) { return static_cast<int>(colour & 0xFF); }
constexpr int GreenOf(ColorRef colour) { return static_cast<int>((colour >> 8) & 0xFF); }
constexpr int BlueOf(ColorRef colour) { return static_cast<int>((colour >> 16) & 0xFF); }

// A colour slot's components, as typed or picked; each (79, 84, 87) from the
// start.
struct ColourTriple {
  std::int16_t red = 79;
  std::int16_t green = 84;
  std::int16_t blue = 87;
  friend bool operator==(const ColourTriple&, const ColourTriple&) = default;
};

// A component outside a byte (typed by hand) is held to 0..255 rather than
// spilling into its neighbour's byte.
constexpr ColorRef ToColorRef(const ColourTriple& colour) {
  const auto byte = [](std::int16_t component) { return component < 0 ? 0 : component > 255 ? 255 : component; };
  return Rgb(byte(colour.red), byte(colour.green), byte(colour.blue));
}

constexpr ColourTriple FromColorRef(ColorRef value) {
  return {static_cast<std::int16_t>(RedOf(value)), static_cast<std::int16_t>(GreenOf(value)),
          static_cast<std::int16_t>(BlueOf(value))};
}

}  // namespace veltrim
