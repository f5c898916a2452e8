#pragma once
// Where a print job goes from the command line: a printer by name or a
// file. Each platform builds its own targets.

#include <memory>
#include <string>
#include <vector>

#include "cli_options.hpp"
#include "platform/print_device.hpp"

namespace veltrim::cli {

// Null with `error` set when the options name no usable target (a bad
// paper name, say). An unknown printer is not an error here: the job then
// reports "[x] PrintDlg()" as the print dialog would.
std::unique_ptr<PrintTarget> MakeTarget(const Options& options, std::string& error);

struct PrinterEntry {
  std::string name;
  std::string port;
  bool isDefault = false;
};

// False with `error` set when the printers cannot be listed.
bool ListPrinters(std::vector<PrinterEntry>& printers, std::string& error);

}  // namespace veltrim::cli
