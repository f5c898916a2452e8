#pragma once
// A printer's state, state reasons and supplies, read from the attributes
// it answers: printer-supply (the "key=value;" lists of IPP Everywhere
// printers) with printer-supply-description, or the marker-* lists a CUPS
// queue keeps. `veltrim info` shows them after the report, whose bytes stay
// as they are, and in its JSON.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace veltrim {

struct Supply {
  std::string name;    // as the printer describes it; may be empty
  std::string type;    // toner, ink, wasteToner, ...
  std::string colour;  // a colorant name ("black") or a queue's "#RRGGBB"
  // Per cent full; nothing when the printer does not know it (IPP's
  // -1, -2 and -3, or values that make no level).
  std::optional<int> levelPercent;

  bool operator==(const Supply&) const = default;
};

struct PrinterStatus {
  std::string state;                 // idle, processing, stopped; empty when not answered
  std::vector<std::string> reasons;  // printer-state-reasons without "none"
  std::vector<Supply> supplies;
};

// One printer-supply value and its description. Nothing when the value holds
// no "key=value" pair at all: it is not a supply's description.
std::optional<Supply> ParsePrinterSupply(std::string_view value, std::string_view description);

// The supplies of a CUPS queue's marker-names, marker-types, marker-colors
// and marker-levels, matched by position; a list shorter than the names
// leaves its field empty (its level unknown).
std::vector<Supply> SuppliesFromMarkers(std::span<const std::string> names, std::span<const std::string> types,
                                        std::span<const std::string> colours, std::span<const int> levels);

// printer-state's enum (3 idle, 4 processing, 5 stopped) as its keyword;
// empty for any other value.
std::string PrinterStateName(int state);

// The section `info` prints after the report, CR LF line ends as the
// report's.
std::string PrinterStatusSection(const PrinterStatus& status);

// The JSON values of the "stateReasons" and "supplies" keys; a level not
// known is the string "unknown".
std::string StateReasonsJson(const PrinterStatus& status);
std::string SuppliesJson(const PrinterStatus& status);

}  // namespace veltrim
