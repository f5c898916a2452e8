#include "core/print/raster_resolution.hpp"

#include <charconv>
#include <cstdlib>

namespace veltrim {
namespace {

bool InRange(DotsPerInch dpi) {
  return dpi.x >= kMinRasterDpi && dpi.x <= kMaxRasterDpi && dpi.y >= kMinRasterDpi && dpi.y <= kMaxRasterDpi;
}

}  // namespace

std::vector<int> UrfResolutions(std::string_view word) {
  std::vector<int> listed;
  if (!word.starts_with("RS")) return listed;
  const char* at = word.data() + 2;
  const char* const end = word.data() + word.size();
  while (at < end) {
    int dpi = 0;
    const auto [next, error] = std::from_chars(at, end, dpi);
    if (error != std::errc() || dpi <= 0) break;
    listed.push_back(dpi);
    if (next == end || *next != '-') break;
    at = next + 1;
  }
  return listed;
}

std::optional<DotsPerInch> ChooseRasterResolution(std::span<const DotsPerInch> listed, DotsPerInch wanted) {
  std::optional<DotsPerInch> best;
  long bestDistance = 0;
  for (const DotsPerInch candidate : listed) {
    if (!InRange(candidate)) continue;
    const long distance = std::labs(static_cast<long>(candidate.x) - wanted.x) +
                          std::labs(static_cast<long>(candidate.y) - wanted.y);
    if (!best || distance < bestDistance) {
      best = candidate;
      bestDistance = distance;
    }
  }
  if (!best && listed.empty() && InRange(wanted)) best = wanted;
  return best;
}

}  // namespace veltrim
