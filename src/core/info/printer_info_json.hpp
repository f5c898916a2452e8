#pragma once
// The printer information report's facts as one JSON object, for scripts
// that compare printers over time: the capabilities by name with their flag
// lists as booleans, and the device mode's fields. A field the printer did
// not answer (no device context, a dmFields bit clear) is left out.

#include <string>
#include <string_view>

#include "core/info/printer_info_report.hpp"
#include "core/info/printer_status.hpp"

namespace veltrim {

// With `status`, its state, reasons and supplies as the keys "state",
// "stateReasons" and "supplies".
std::string PrinterInfoJson(const PrinterInfo& info, const PrinterStatus* status = nullptr);

}  // namespace veltrim
