#include "core/app/config_file.hpp"

#include <vector>

#include "core/support/file_helpers.hpp"
#include "core/support/number_text.hpp"

namespace veltrim {

int ParseCalibration(std::string_view text, CalibrationValues& calibration) {
  int field = 0;
  std::size_t start = 0;
  for (std::size_t slash = text.find('/'); slash != std::string_view::npos;
       start = slash + 1, slash = text.find('/', start)) {
    if (field < kCalibrationValues) {
      // TextToInt stops at the first byte that is not a blank, a sign or a
      // digit, and the field's own "/" is such a byte, so it never reads
      // beyond the field.
      calibration[field] = TextToInt(text.data() + start);
    }
    ++field;
  }
  return field < kCalibrationValues ? field : kCalibrationValues;
}

bool ReadConfigFile(const std::string& path, CalibrationValues& calibration) {
  const auto size = QueryFileSize(path.c_str());
  if (!size || *size < 0 || *size > kMaxConfigFileSize) return false;
  std::vector<char> block(static_cast<std::size_t>(*size));
  std::int32_t bytesRead = 0;
  if (!block.empty() && LoadWholeFile(path.c_str(), block, bytesRead) != 1) return false;
  ParseCalibration(std::string_view(block.data(), static_cast<std::size_t>(bytesRead)), calibration);
  return true;
}

std::string CalibrationText(const CalibrationValues& calibration) {
  std::string text;
  for (const int value : calibration) {
    text += IntToText(value);
    text += '/';
  }
  return text;
}

bool WriteConfigFile(const std::string& path, const CalibrationValues& calibration) {
  const std::string text = CalibrationText(calibration);
  return WriteTextFile(path.c_str(), text.c_str(), static_cast<std::int32_t>(text.size()), 1) == 1;
}

}  // namespace veltrim
