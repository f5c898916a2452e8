#pragma once
// `veltrim info`: the printer information report of a printer by name or
// URI, or of the simulated printer of a file target, as text or as JSON;
// for a printer, its state and supplies after the report.

#include <string>

#include "cli/cli_options.hpp"

namespace veltrim::cli {

// The report (or the JSON object) for the options' target into `out`.
// False with `error` set when there is nothing to report on: no printer of
// that name, or a file target that cannot be made. True with `error` set
// when the report lacks the capabilities the printer did not answer, or
// its state and supplies could not be asked.
bool BuildInfo(const Options& options, std::string& out, std::string& error);

}  // namespace veltrim::cli
