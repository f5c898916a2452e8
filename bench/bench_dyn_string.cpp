// Appending many short pieces must not copy the whole text each time: the
// 32 KB growth quantum bounds the reallocations, reported as a counter.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "core/support/dyn_string.hpp"
#include "core/support/format_message.hpp"

namespace {

constexpr std::int64_t kTotalBytes = 1 << 20;
constexpr char kPiece[] = "0123456789";  // 10 bytes
constexpr std::int64_t kPieceLength = sizeof(kPiece) - 1;

void BM_DynStringAppend1MbIn10BytePieces(benchmark::State& state) {
  std::int64_t reallocations = 0;
  std::int64_t capacity = 0;
  for (auto _ : state) {
    veltrim::DynString text;
    for (std::int64_t written = 0; written < kTotalBytes; written += kPieceLength) {
      text.Append(kPiece);
    }
    benchmark::DoNotOptimize(text.Data());
    reallocations = text.Reallocations();
    capacity = text.Capacity();
  }
  state.counters["reallocations"] = static_cast<double>(reallocations);
  state.counters["capacity"] = static_cast<double>(capacity);
  state.SetBytesProcessed(state.iterations() * kTotalBytes);
}
BENCHMARK(BM_DynStringAppend1MbIn10BytePieces)->Unit(benchmark::kMillisecond);

// The same text built in a std::string, as a yardstick.
void BM_StdStringAppend1MbIn10BytePieces(benchmark::State& state) {
  for (auto _ : state) {
    std::string text;
    for (std::int64_t written = 0; written < kTotalBytes; written += kPieceLength) {
      text.append(kPiece);
    }
    benchmark::DoNotOptimize(text.data());
  }
  state.SetBytesProcessed(state.iterations() * kTotalBytes);
}
BENCHMARK(BM_StdStringAppend1MbIn10BytePieces)->Unit(benchmark::kMillisecond);

void BM_FormatMessageTextReportLine(benchmark::State& state) {
  for (auto _ : state) {
    const veltrim::TextBlock line = veltrim::FormatMessageText(
        "Printer ?s: ?n x ?n dots, ?d mm, flags ?D, ?B", "Office", 4960, 7016, 209.9, 0x1234, 1);
    benchmark::DoNotOptimize(line.Data());
  }
}
BENCHMARK(BM_FormatMessageTextReportLine);

}  // namespace

BENCHMARK_MAIN();
