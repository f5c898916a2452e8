#include "cli/cli_plot.hpp"

#include "cli/cli_image.hpp"
#include "cli/program_file.hpp"
#include "core/app/config_file.hpp"

namespace veltrim::cli {

bool WritePlotPng(const PlotSettings& plot, const TestSelection& selection, const std::string& output,
                  std::string& error, std::string& note) {
  CalibrationValues screen{};
  if (plot.screenValues) {
    screen = *plot.screenValues;
  } else if (plot.curves) {
    const std::string config = ConfigPath(RunningProgramPath());
    if (!ReadConfigFile(config, screen)) note = "cannot read " + config + ": the screen values are 0";
  }
  bool known = true;
  const auto draw = [&](const PixelCanvas& canvas) {
    if (plot.curves)
      DrawCurves(canvas.surface, canvas.width, canvas.height, plot.printerValues, screen);
    else
      known = DrawPlotPicture(canvas, plot.kind, selection);
  };
  if (!WriteDrawnPng(plot.width, plot.height, output, draw, error)) return false;
  if (!known) error = "no such picture kind " + std::to_string(plot.kind);
  return known;
}

}  // namespace veltrim::cli
