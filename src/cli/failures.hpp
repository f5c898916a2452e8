#pragma once
// Why a step failed, told on stderr beside the report's "[x]" lines, whose
// bytes on stdout stay as they are: "veltrim: <printer or file>: <reason>",
// in the system's or spooler's own words.

#include <memory>
#include <string>

#include "core/platform/print_device.hpp"

namespace veltrim::cli {

// "<what>: <reason>", with a pointer to `veltrim printers` when the
// printer is not known. Every such message of the command line is made here.
std::string FailureText(const std::string& what, const FailureReason& why);

// `inner` with one line on stderr for each step that fails: a printer not
// chosen, a device not made, and each failed spooler call. `requested` is
// what the user named, for a printer that was never found.
std::unique_ptr<PrintTarget> ReportingFailures(std::unique_ptr<PrintTarget> inner, std::string requested);

}  // namespace veltrim::cli
