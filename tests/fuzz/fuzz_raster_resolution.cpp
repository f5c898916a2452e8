// Any bytes as an urf-supported word from a printer, and the resolution
// chosen from what it lists: every number read is positive, and the choice
// is one the printer listed, within what a sheet can be drawn at.
#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

#include "core/print/raster_resolution.hpp"
#include "fuzz_check.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view word(reinterpret_cast<const char*>(data), size);
  const std::vector<int> read = veltrim::UrfResolutions(word);
  Check(read.empty() || word.starts_with("RS"));
  std::vector<veltrim::DotsPerInch> listed;
  for (const int dpi : read) {
    Check(dpi > 0);
    listed.push_back({dpi, dpi});
  }
  const int wanted = read.empty() ? 300 : read.back();
  if (const auto chosen = veltrim::ChooseRasterResolution(listed, {wanted, wanted})) {
    Check(chosen->x >= veltrim::kMinRasterDpi && chosen->x <= veltrim::kMaxRasterDpi);
    Check(listed.empty() || std::find(listed.begin(), listed.end(), *chosen) != listed.end());
  }
  return 0;
}
