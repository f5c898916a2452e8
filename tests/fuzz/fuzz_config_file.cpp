// The configuration file parser on any bytes: 0 to 7 values set, the entries past them untouched; and any seven
// values (the input's first bytes), written as the calibration wizard writes them, parse back the same.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
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
  veltrim::CalibrationValues written{}, again = kMarker;
  std::memcpy(written.data(), data, std::min(size, sizeof written));
  Check(veltrim::ParseCalibration(veltrim::CalibrationText(written), again) == veltrim::kCalibrationValues);
  Check(again == written);
  return 0;
}
