#include "cli/cli_info.hpp"

#include "cli/cli_printers.hpp"
#include "cli/cli_targets.hpp"
#include "cli/failures.hpp"
#include "core/info/page_device_info.hpp"
#include "core/info/printer_info_json.hpp"

namespace veltrim::cli {

bool BuildInfo(const Options& options, std::string& out, std::string& error) {
  std::optional<PrinterInfo> info;
  std::optional<PrinterStatus> status;
  if (!options.printer.empty()) {
    FailureReason why;
    info = ReadPrinterInfo(options.printer, why);
    if (!info) {
      error = FailureText(options.printer, why);
      return false;
    }
    status = ReadStatusOf(options.printer, why);
    if (!status && !why.text.empty())
      error = FailureText(options.printer, {"cannot ask its state and supplies: " + why.text});
  } else {
    const auto file = FileTargetOf(options, error);
    if (!file) return false;
    info = PrinterInfo{file->output, FilePort(file->output), CapabilitiesOf(file->caps),
                       DeviceModeFromSettings(SettingsOfDevice(FileNameOf(file->output), file->caps))};
  }
  if (!info->capabilities && error.empty())
    error = info->printerName + " does not answer its page size and resolution: no capabilities to report";
  if (options.json) {
    out = PrinterInfoJson(*info, status ? &*status : nullptr);
  } else {
    DynString report;
    BuildPrinterInfoReport(report, *info);
    out.assign(report.View());
    // The report keeps its bytes; the state and supplies follow it.
    if (status) out += PrinterStatusSection(*status);
  }
  return true;
}

}  // namespace veltrim::cli
