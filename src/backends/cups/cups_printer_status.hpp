#pragma once
// A printer's state, state reasons and supplies, asked with Get-Printer-
// Attributes: of an IPP printer at its ipp:// or ipps:// URI, or of a CUPS
// queue through the scheduler.

#include <cups/cups.h>

#include <memory>
#include <optional>
#include <string>

#include "backends/cups/cups_destination.hpp"
#include "core/info/printer_status.hpp"
#include "core/platform/print_device.hpp"

namespace veltrim {

// The printer's answer to Get-Printer-Attributes for `attributes`, asked
// over `http` (CUPS_HTTP_DEFAULT: the scheduler). Null, with `why` set, when
// it does not answer or refuses.
OwnedIpp AskPrinterAttributes(http_t* http, const std::string& printerUri, const std::string& resource,
                              const char* const* attributes, int count, FailureReason& why);

// The state, reasons and supplies in an answer: printer-supply (with
// printer-supply-description) when the printer gives it, else marker-*.
PrinterStatus StatusOfAnswer(ipp_t* answer);

// Of a queue by name or of a printer by URI.
std::optional<PrinterStatus> ReadPrinterStatus(const std::string& printer, FailureReason& why);

}  // namespace veltrim
