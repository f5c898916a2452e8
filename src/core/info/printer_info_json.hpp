#pragma once
// The printer information report's facts as one JSON object, for scripts
// that compare printers over time: the capabilities by name with their flag
// lists as booleans, and the device mode's fields. A field the printer did
// not answer (no device context, a dmFields bit clear) is left out.

#include <string>
#include <string_view>

#include "core/info/printer_info_report.hpp"

namespace veltrim {

std::string PrinterInfoJson(const PrinterInfo& info);

}  // namespace veltrim
