#include "cli/cli_measure.hpp"

#include <cstdio>
#include <optional>
#include <string>

#include "cli/cli_image.hpp"
#include "cli/scan_file.hpp"
#include "core/measure/annotation.hpp"
#include "core/measure/measure_report.hpp"

namespace veltrim::cli {
namespace {

constexpr int kExitUsage = 2;

// The scan measured; with `annotate`, also its annotated picture (only for a
// scan that was measured: a refused one has nothing to show).
std::optional<ScanMeasurement> MeasureFile(const std::string& path, int scanDpi, const std::string& annotate,
                                           std::string& error) {
  ScanFile file;
  if (!ReadScanFile(path, file, error)) return std::nullopt;
  if (scanDpi > 0) file.dpiX = file.dpiY = scanDpi;
  if (!(file.dpiX > 0 && file.dpiY > 0)) {
    error = path + " does not say its resolution: give it with --scan-dpi N.";
    return std::nullopt;
  }
  const GreyImage image{file.width, file.height, file.grey, file.dpiX, file.dpiY};
  const ScanMeasurement measured = MeasureScan(image);
  if (measured.fault != ScanFault::None) {
    error = path + ": " + ScanFaultText(measured.fault);
    return std::nullopt;
  }
  if (!annotate.empty()) {
    const AnnotationSize size = AnnotationSizeOf(image);
    const auto draw = [&](const PixelCanvas& canvas) { DrawScanAnnotation(canvas, image, measured); };
    if (!WriteDrawnPng(size.width, size.height, annotate, draw, error)) return std::nullopt;
  }
  return measured;
}

}  // namespace

int RunMeasure(const MeasureSettings& settings, bool json) {
  std::string error;
  const auto front = MeasureFile(settings.scans[0], settings.scanDpi, settings.annotate, error);
  std::optional<ScanMeasurement> back;
  if (front && settings.scans.size() > 1) back = MeasureFile(settings.scans[1], settings.scanDpi, {}, error);
  if (!front || (settings.scans.size() > 1 && !back)) {
    std::fprintf(stderr, "veltrim: %s\n", error.c_str());
    return kExitUsage;
  }
  const ScanMeasurement* second = back ? &*back : nullptr;
  const std::string out = json ? MeasureReportJson(*front, second) : MeasureReportText(*front, second);
  std::fwrite(out.data(), 1, out.size(), stdout);
  return std::fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace veltrim::cli
