#pragma once
// `veltrim measure`: reads the scans, measures them and prints the figures.

#include "cli/cli_options.hpp"

namespace veltrim::cli {

// 0 measured; 2 a scan that cannot be read or measured (one sentence on
// stderr says which and why).
int RunMeasure(const MeasureSettings& settings, bool json);

}  // namespace veltrim::cli
