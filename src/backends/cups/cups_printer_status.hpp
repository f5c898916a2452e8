#pragma once
// A printer's state, state reasons and supplies, asked with Get-Printer-
// Attributes: of an IPP printer at its ipp:// or ipps:// URI, or of a CUPS
// queue through the scheduler. And, until a destination can be made from a
// URI, the information report's facts of such a printer from the same
// answer.

#include <cups/cups.h>

#include <memory>
#include <optional>
#include <string>

#include "core/info/printer_info_report.hpp"
#include "core/info/printer_status.hpp"
#include "core/platform/print_device.hpp"

namespace veltrim {

struct IppFree {
  void operator()(ipp_t* ipp) const { ippDelete(ipp); }
};
struct HttpClose {
  void operator()(http_t* http) const { httpClose(http); }
};
using OwnedIpp = std::unique_ptr<ipp_t, IppFree>;
using OwnedHttp = std::unique_ptr<http_t, HttpClose>;

// True for the ipp:// and ipps:// URIs `--printer` takes for a printer
// without a queue.
bool IsIppUri(const std::string& printer);

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

// The report's facts of the printer at `uri`: its default media and
// resolution as the page, its job defaults as the device mode.
std::optional<PrinterInfo> IppPrinterInfo(const std::string& uri, FailureReason& why);

}  // namespace veltrim
