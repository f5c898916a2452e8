// Any bytes as a printer-supply value (up to the first NUL) and its
// description (after it): a level is a per cent or unknown, the fields come
// from the input, and the section and JSON built from it hold every supply.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/info/printer_status.hpp"
#include "fuzz_check.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t split = input.find('\0');
  const std::string_view value = input.substr(0, split);
  const std::string_view description = split == std::string_view::npos ? "" : input.substr(split + 1);
  const auto supply = veltrim::ParsePrinterSupply(value, description);
  if (!supply) {
    Check(value.find('=') == std::string_view::npos || value.find(";=") != std::string_view::npos ||
          value.starts_with("="));
    return 0;
  }
  if (supply->levelPercent) Check(*supply->levelPercent >= 0 && *supply->levelPercent <= 100);
  Check(supply->name == description);
  Check(value.find(supply->type) != std::string_view::npos && value.find(supply->colour) != std::string_view::npos);
  const veltrim::PrinterStatus status{"idle", {}, {*supply, *supply}};
  const std::string section = veltrim::PrinterStatusSection(status);
  Check(section.ends_with("\r\n"));
  const std::string json = veltrim::SuppliesJson(status);
  Check(json.starts_with("[{\"name\":") && json.ends_with("}]"));
  return 0;
}
