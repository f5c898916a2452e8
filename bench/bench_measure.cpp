// Measuring a synthetic A4 scan of the target (dark bed, light blur and
// noise, turned 2 degrees) at 300 and 600 dpi: the decoded image in memory,
// so the figure is the measurer's own time.
#include <benchmark/benchmark.h>

#include "core/measure/scan_measure.hpp"
#include "synthetic_scan.hpp"

namespace {

void MeasureA4Scan(benchmark::State& state) {
  veltrim::test::ScanSetup setup;
  setup.scanDpi = static_cast<double>(state.range(0));
  setup.bedDeg = 2;
  setup.noise = 3;
  setup.offsetXMm = 1, setup.offsetYMm = -1.5;
  const auto scan = veltrim::test::RenderSyntheticScan(setup);
  const veltrim::GreyImage image{scan.width, scan.height, scan.grey, setup.scanDpi, setup.scanDpi};
  for (auto _ : state) {
    const auto measured = veltrim::MeasureScan(image);
    if (measured.fault != veltrim::ScanFault::None) state.SkipWithError("the scan was not measured");
    benchmark::DoNotOptimize(measured);
  }
  state.counters["Mpx"] = static_cast<double>(scan.grey.size()) / 1e6;
}
BENCHMARK(MeasureA4Scan)->Arg(300)->Arg(600)->Unit(benchmark::kMillisecond);

}  // namespace
