// Fuzzes the configuration file parser with arbitrary bytes and checks what
// must hold for any input: the count of values set is 0..7, entries beyond
// it keep their values, and parsing the text written for the parsed values
// gives the same values back.

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "app/config_file.hpp"

namespace {

void Check(bool condition) {
  if (!condition) {
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The bytes are handed over without a NUL, so any read past the end of a
  // field is caught by AddressSanitizer.
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  constexpr veltrim::CalibrationValues kMarker{-5, -5, -5, -5, -5, -5, -5};
  veltrim::CalibrationValues values = kMarker;
  const int set = veltrim::ParseCalibration(text, values);
  Check(set >= 0 && set <= veltrim::kCalibrationValues);
  for (int i = set; i < veltrim::kCalibrationValues; ++i) Check(values[i] == kMarker[i]);

  veltrim::CalibrationValues again{};
  Check(veltrim::ParseCalibration(veltrim::CalibrationText(values), again) == veltrim::kCalibrationValues);
  Check(again == values);
  return 0;
}
