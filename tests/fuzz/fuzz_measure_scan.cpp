// The measurer on any small grey image at any resolution, and the header
// reader that finds a scan file's stated resolution on any bytes: neither may
// read outside what it was given, and a measurement either names its fault or
// gives finite figures.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <span>

#include "cli/scan_file.hpp"
#include "core/measure/scan_measure.hpp"
#include "fuzz_check.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto stated = veltrim::cli::ReadStatedResolution(data, size);
  Check(stated.dpiX >= 0 && stated.dpiY >= 0);
  if (size < 3) return 0;
  const int width = 1 + data[0] % 96, height = 1 + data[1] % 96;
  const double dpi = 10 + data[2] % 200;
  const std::span pixels(data + 3, size - 3);
  if (pixels.size() < static_cast<std::size_t>(width) * height) return 0;
  const auto measured = veltrim::MeasureScan({width, height, pixels, dpi, dpi});
  Check(measured.fault != veltrim::ScanFault::None ||
        (std::isfinite(measured.figures.offsetXMm) && std::isfinite(measured.figures.scaleX)));
  return 0;
}
