#pragma once
// A progress bar on stderr for long jobs: the chosen device is wrapped so
// every finished page moves the bar. Only when stderr is a terminal.

#include <memory>

#include "core/platform/print_device.hpp"

namespace veltrim::cli {

std::unique_ptr<PrintTarget> WithProgress(std::unique_ptr<PrintTarget> target, int totalPages);

// Progress is shown only to a person at a terminal.
bool StderrIsTerminal();

}  // namespace veltrim::cli
