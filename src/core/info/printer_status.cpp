#include "core/info/printer_status.hpp"

#include <charconv>
#include <cstdint>

#include "core/support/json_text.hpp"

namespace veltrim {
namespace {

std::optional<int> WholeNumber(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// A level in per cent, or nothing: the special values (-1 other, -2
// unknown, -3 some left) and anything past the capacity are not levels.
std::optional<int> Percent(std::optional<int> level, std::optional<int> capacity) {
  if (!level || *level < 0 || !capacity || *capacity <= 0 || *level > *capacity) return std::nullopt;
  return static_cast<int>((static_cast<std::int64_t>(*level) * 100 + *capacity / 2) / *capacity);
}

}  // namespace

std::optional<Supply> ParsePrinterSupply(std::string_view value, std::string_view description) {
  Supply supply;
  supply.name = description;
  bool any = false;
  std::optional<int> level, capacity;
  bool percentUnit = false;
  while (!value.empty()) {
    const std::size_t end = value.find(';');
    const std::string_view pair = value.substr(0, end);
    value = end == std::string_view::npos ? std::string_view() : value.substr(end + 1);
    const std::size_t equals = pair.find('=');
    if (equals == std::string_view::npos || equals == 0) continue;
    any = true;
    const std::string_view key = pair.substr(0, equals), text = pair.substr(equals + 1);
    if (key == "type") supply.type = text;
    else if (key == "colorantname") supply.colour = text;
    else if (key == "unit") percentUnit = text == "percent";
    else if (key == "level") level = WholeNumber(text);
    else if (key == "maxcapacity") capacity = WholeNumber(text);
  }
  if (!any) return std::nullopt;
  supply.levelPercent = Percent(level, percentUnit ? 100 : capacity);
  return supply;
}

std::vector<Supply> SuppliesFromMarkers(std::span<const std::string> names, std::span<const std::string> types,
                                        std::span<const std::string> colours, std::span<const int> levels) {
  std::vector<Supply> supplies;
  for (std::size_t i = 0; i < names.size(); ++i) {
    Supply& supply = supplies.emplace_back();
    supply.name = names[i];
    if (i < types.size()) supply.type = types[i];
    if (i < colours.size()) supply.colour = colours[i];
    if (i < levels.size()) supply.levelPercent = Percent(levels[i], 100);
  }
  return supplies;
}

std::string PrinterStateName(int state) {
  switch (state) {
    case 3: return "idle";
    case 4: return "processing";
    case 5: return "stopped";
    default: return "";
  }
}

std::string PrinterStatusSection(const PrinterStatus& status) {
  std::string text = "\r\n\r\n[ PRINTER STATE AND SUPPLIES ]\r\n\r\n  Printer State: ";
  text.append(status.state.empty() ? "unknown" : status.state).append("\r\n  State Reasons: ");
  for (std::size_t i = 0; i < status.reasons.size(); ++i) text.append(i ? ", " : "").append(status.reasons[i]);
  text.append(status.reasons.empty() ? "none\r\n" : "\r\n");
  if (status.supplies.empty()) return text.append("  Supplies: none reported\r\n");
  text.append("  Supplies:\r\n");
  const auto orUnknown = [](const std::string& field) { return field.empty() ? std::string("unknown") : field; };
  for (const Supply& supply : status.supplies) {
    text.append("    - ").append(orUnknown(supply.name)).append(": type ").append(orUnknown(supply.type));
    text.append(", colour ").append(orUnknown(supply.colour)).append(", level ");
    text.append(supply.levelPercent ? std::to_string(*supply.levelPercent) + " %" : "unknown").append("\r\n");
  }
  return text;
}

std::string StateReasonsJson(const PrinterStatus& status) {
  std::string json = "[";
  for (std::size_t i = 0; i < status.reasons.size(); ++i)
    json.append(i ? "," : "").append(JsonQuoted(status.reasons[i]));
  return json + "]";
}

std::string SuppliesJson(const PrinterStatus& status) {
  std::string json = "[";
  for (std::size_t i = 0; i < status.supplies.size(); ++i) {
    const Supply& supply = status.supplies[i];
    json.append(i ? ",{" : "{").append("\"name\":").append(JsonQuoted(supply.name));
    json.append(",\"type\":").append(JsonQuoted(supply.type)).append(",\"colour\":").append(JsonQuoted(supply.colour));
    json.append(",\"level\":").append(supply.levelPercent ? std::to_string(*supply.levelPercent) : "\"unknown\"");
    json.append("}");
  }
  return json + "]";
}

}  // namespace veltrim
