#pragma once
// Where a print job goes from the command line: a printer by name or a
// file. Each platform builds its own targets.

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "cli_options.hpp"
#include "platform/device_caps.hpp"
#include "platform/page_files.hpp"
#include "platform/print_device.hpp"

namespace veltrim::cli {

// Null with `error` set when the options name no usable target (a bad
// paper name, say). An unknown printer is not an error here: the job then
// reports "[x] PrintDlg()" as the print dialog would. Without --printer the
// job goes to --output, or to veltrim-job.pdf.
std::unique_ptr<PrintTarget> MakeTarget(const Options& options, std::string& error);

// What each platform provides: a printer by name, and a renderer of files
// on a simulated printer (null when its device cannot be made; the report
// then says "[x] pd.hDC").
std::unique_ptr<PrintTarget> MakePrinterTarget(const std::string& name);
std::unique_ptr<PrintDevice> MakeFileDevice(FileFormat format, const std::filesystem::path& output,
                                            const DeviceCaps& caps);

struct PrinterEntry {
  std::string name;
  std::string port;
  bool isDefault = false;
};

// False with `error` set when the printers cannot be listed.
bool ListPrinters(std::vector<PrinterEntry>& printers, std::string& error);

}  // namespace veltrim::cli
