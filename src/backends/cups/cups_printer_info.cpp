#include "backends/cups/cups_printer_info.hpp"

#include <map>

#include "backends/cups/cups_print.hpp"
#include "core/info/page_device_info.hpp"

namespace veltrim {
namespace {

std::optional<int> Lookup(const std::optional<std::string>& keyword, const std::map<std::string, int>& codes) {
  if (!keyword) return std::nullopt;
  const auto it = codes.find(*keyword);
  if (it == codes.end()) return std::nullopt;
  return it->second;
}

std::optional<int> OrientationCode(std::optional<int> requested) {
  if (!requested) return std::nullopt;
  switch (*requested) {
    case 3: case 6: return 1;  // portrait, reverse portrait
    case 4: case 5: return 2;  // landscape, reverse landscape
    default: return std::nullopt;
  }
}

std::optional<int> QualityCode(std::optional<int> quality) {
  if (!quality) return std::nullopt;
  switch (*quality) {
    case 3: return -1;  // draft
    case 4: return -3;  // normal
    case 5: return -4;  // high
    default: return std::nullopt;
  }
}

// Media type keywords; any other named medium is a non-standard one.
std::optional<int> MediaTypeCode(const std::optional<std::string>& type) {
  if (!type) return std::nullopt;
  if (type->starts_with("stationery")) return 1;
  if (type->starts_with("transparency")) return 2;
  if (type->starts_with("photographic")) return 3;
  return 256;
}

constexpr int kHundredthsPerTenth = 10;

}  // namespace

PrinterSettings SettingsOfDestination(const CupsDestinationFacts& facts) {
  PrinterSettings settings;
  settings.name = facts.name;
  if (facts.media && facts.media->width > 0 && facts.media->length > 0) {
    settings.paperWidth = facts.media->width / kHundredthsPerTenth;
    settings.paperLength = facts.media->length / kHundredthsPerTenth;
  }
  settings.orientation = OrientationCode(facts.orientation);
  settings.copies = facts.copies;
  settings.dpiX = facts.dpiX;
  settings.dpiY = facts.dpiY;
  settings.quality = QualityCode(facts.quality);
  settings.color = Lookup(facts.colourMode, {{"color", 2}, {"monochrome", 1}, {"process-monochrome", 1},
                                             {"auto-monochrome", 1}, {"bi-level", 1}});
  settings.duplex = Lookup(facts.sides, {{"one-sided", 1}, {"two-sided-long-edge", 2}, {"two-sided-short-edge", 3}});
  settings.collate = Lookup(facts.documentHandling, {{"separate-documents-uncollated-copies", 0},
                                                     {"separate-documents-collated-copies", 1}});
  settings.mediaType = MediaTypeCode(facts.mediaType);
  return settings;
}

std::optional<PrinterInfo> CupsPrinterInfo(const std::string& name, FailureReason& why) {
  const auto destination = CupsDestination::Find(name, why);
  if (!destination) return std::nullopt;
  const CupsDestinationFacts facts = destination->Facts();
  PrinterInfo info;
  info.printerName = destination->Name();
  info.printerPort = destination->Port();
  // The page is known only when the queue names its media and resolution.
  if (facts.media && facts.media->width > 0 && facts.media->length > 0 && facts.dpiX && facts.dpiY)
    info.capabilities = CapabilitiesOf(CapsOfDestination(facts));
  info.deviceMode = DeviceModeFromSettings(SettingsOfDestination(facts));
  return info;
}

}  // namespace veltrim
