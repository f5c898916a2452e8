#pragma once
// `veltrim plot`: a picture of the large preview, or the calibration
// curves, drawn by the same core code as the dialog's into a PNG, on white
// where the dialog's picture starts grey.

#include <string>

#include "cli/cli_options.hpp"

namespace veltrim::cli {

// Draws what `plot` asks for; the picture's colours and layout come from
// `selection`. Without screen values on the command line they are read from
// config.qrv beside the running program; when that cannot be read they are
// 0, as the desktop program starts, and `note` says so. False, with a
// message in `error`, when the image cannot be made or written.
bool WritePlotPng(const PlotSettings& plot, const TestSelection& selection, const std::string& output,
                  std::string& error, std::string& note);

}  // namespace veltrim::cli
