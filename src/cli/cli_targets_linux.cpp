// Linux: printers are CUPS destinations, queues or IPP printers named by
// their URI; files are drawn by Cairo.
#include "cli/cli_targets.hpp"

#include <cups/cups.h>

#include "backends/cairo/cairo_print_device.hpp"
#include "backends/cups/cups_destination.hpp"
#include "backends/cups/cups_jobs.hpp"
#include "backends/cups/cups_print.hpp"
#include "backends/cups/cups_printer_info.hpp"
#include "cli/failures.hpp"

namespace veltrim::cli {

std::unique_ptr<PrintTarget> MakePrinterTarget(const std::string& name, const JobAttributes& attributes) {
  return std::make_unique<CupsPrintTarget>(name, attributes);
}

std::unique_ptr<PrintDevice> MakeFileDevice(FileFormat format, const std::string& output,
                                            const DeviceCaps& caps) {
  return std::make_unique<CairoPrintDevice>(format, output, caps);
}

bool ListPrinters(std::vector<PrinterEntry>& printers, std::string& error) {
  std::vector<CupsPrinterEntry> destinations;
  if (!ListCupsDestinations(destinations)) {
    error = "cannot list the printers: the print scheduler does not answer";
    return false;
  }
  for (const auto& destination : destinations)
    printers.push_back({destination.name, "CUPS:" + destination.name, destination.isDefault});
  return true;
}

std::optional<PrinterInfo> ReadPrinterInfo(const std::string& name, FailureReason& why) {
  return CupsPrinterInfo(name, why);
}

std::unique_ptr<JobWatcher> MakeJobWatcher(const std::string& printer) {
  if (IsPrinterUri(printer)) return std::make_unique<IppJobWatcher>(printer);
  return std::make_unique<CupsJobWatcher>();
}

bool ListJobs(const std::string& printer, std::vector<JobEntry>& jobs, std::string& error) {
  std::vector<CupsJobEntry> found;
  FailureReason why;
  if (!ListCupsJobs(printer, found, why)) {
    error = FailureText(printer, why);
    return false;
  }
  for (auto& job : found) jobs.push_back({job.jobId, std::move(job.title), std::move(job.status)});
  return true;
}

}  // namespace veltrim::cli
