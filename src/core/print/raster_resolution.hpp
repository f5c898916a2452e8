#pragma once
// The resolution a raster job is drawn at, from what the printer lists: its
// PWG raster resolutions, or Apple raster's "RS" words. These come from the
// printer, so nothing it claims is taken unchecked: a full sheet drawn at
// more than kMaxRasterDpi would take gigabytes.

#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace veltrim {

inline constexpr int kMinRasterDpi = 72;
inline constexpr int kMaxRasterDpi = 1200;

struct DotsPerInch {
  int x = 0;
  int y = 0;
  bool operator==(const DotsPerInch&) const = default;
};

// Apple raster lists its resolutions as one word of urf-supported, "RS300"
// or "RS300-600": each number, in order; nothing for another word, and the
// list stops at the first part that is not a number from 1 to int's limit.
std::vector<int> UrfResolutions(std::string_view word);

// The listed resolution nearest to `wanted` (the printer's default) among
// those from kMinRasterDpi to kMaxRasterDpi on both axes; when the printer
// lists none, `wanted` if it lies in that range. Nothing otherwise.
std::optional<DotsPerInch> ChooseRasterResolution(std::span<const DotsPerInch> listed, DotsPerInch wanted);

}  // namespace veltrim
