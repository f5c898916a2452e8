#pragma once
// The command line of `veltrim`: what to run and with which settings.

#include <optional>
#include <string>
#include <vector>

#include "core/app/app_state.hpp"
#include "core/colour_tools/colour_plot.hpp"
#include "core/job/job_settings.hpp"
#include "core/job/test_selection.hpp"

namespace veltrim::cli {

enum class Command { Print, Preview, Plot, Info, Printers, Jobs, Measure, Help, Version };

struct FileDevice {
  std::string paper = "a4";  // a4 a3 a5 letter legal WxHmm
  int dpi = 300;             // 72..2400
  double marginsMm = 5;      // 0..50, decimals allowed
};

// What `plot` draws: a large-preview picture (the kind and the selection's
// colours and layout) or, with `curves`, the calibration curves.
inline constexpr int kMaxPlotSide = 4096;  // pixels, each way

struct PlotSettings {
  int kind = 0;  // --kind 1..5; 0 with --curves
  bool curves = false;
  int width = kPlotPictureWidth;    // --size WxH, 1..kMaxPlotSide each
  int height = kPlotPictureHeight;
  CalibrationValues printerValues{};              // --printer-values, required with --curves
  std::optional<CalibrationValues> screenValues;  // --screen-values; else config.qrv beside the program
};

// What `measure` reads: the scan of a printed target and, for a two-sided
// sheet, the scan of its back.
struct MeasureSettings {
  std::vector<std::string> scans;  // one or two files
  int scanDpi = 0;                 // --scan-dpi: 0 takes the files' own resolution
  std::string annotate;            // --annotate OUT.png
};

struct Options {
  Command command = Command::Print;
  std::string printer;   // --printer
  std::string output;    // --output: .pdf, .ps or .png
  std::string report;    // --report: the report's bytes into this file
  TestSelection selection;
  JobSettings settings;  // the main window's defaults and ranges
  FileDevice device;
  bool json = false;     // --json: info, or print's report and jobs, as one JSON object
  std::optional<int> waitSeconds;  // --wait [SECONDS]: follow the jobs after the report
  PlotSettings plot;
  bool measurePage = false;  // --measure-page: print the measurement target
  MeasureSettings measure;
};

inline constexpr const char* kDefaultOutput = "veltrim-job.pdf";
inline constexpr int kDefaultWaitSeconds = 120;
inline constexpr int kMaxWaitSeconds = 86400;
inline constexpr const char* kDefaultPreviewOutput = "veltrim-preview.png";

struct ParseResult {
  std::optional<Options> options;
  std::string error;  // why the command line was refused
};

ParseResult ParseCommandLine(const std::vector<std::string>& args);

extern const char* const kUsage;

}  // namespace veltrim::cli
