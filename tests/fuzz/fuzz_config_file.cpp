// The configuration file parser on any bytes: 0 to 7 values set, the entries past them untouched, and the text
// written for the parsed values parses back to them.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/app/config_file.hpp"
#include "fuzz_check.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The bytes come without a NUL, so AddressSanitizer catches any read past the end of a field.
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
