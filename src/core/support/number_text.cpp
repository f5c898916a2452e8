#include "core/support/number_text.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace veltrim {

std::string IntToText(std::int32_t value, int radix) {
  if (radix < 2 || radix > 36) {
    throw std::invalid_argument("IntToText: radix must be 2..36");
  }
  std::array<char, 40> buffer{};
  std::to_chars_result result{};
  if (radix == 10) {
    result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  } else {
    result = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                           static_cast<std::uint32_t>(value), radix);
  }
  return std::string(buffer.data(), result.ptr);
}

std::int32_t TextToInt(const char* text) {
  if (text == nullptr) {
    return 0;
  }
  const auto isSpace = [](char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
  };
  while (isSpace(*text)) {
    ++text;
  }
  bool negative = false;
  if (*text == '+' || *text == '-') {
    negative = *text == '-';
    ++text;
  }
  // Accumulate the magnitude in 64 bits and stop growing it once it is past
  // the 32-bit range, so arbitrarily long digit runs cannot overflow.
  constexpr std::int64_t limit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
  std::int64_t magnitude = 0;
  while (*text >= '0' && *text <= '9') {
    magnitude = std::min(magnitude * 10 + (*text - '0'), limit);
    ++text;
  }
  if (negative) {
    return static_cast<std::int32_t>(-magnitude);  // -limit is exactly INT32_MIN
  }
  return static_cast<std::int32_t>(std::min(magnitude, limit - 1));
}

std::string FloatToText(double value, int digits) {
  if (std::isnan(value)) {
    return "nan";
  }
  if (std::isinf(value)) {
    return value < 0 ? "-inf" : "inf";
  }
  if (value == 0.0) {
    return "0";  // also for negative zero
  }
  // A double's exact decimal expansion has at most 767 significant digits and
  // its decimal exponent lies within -324..308, so capping the precision at
  // 800 changes neither the digits nor the choice of notation.
  const int precision = std::clamp(digits, 1, 800);
  std::array<char, 1024> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::general, precision);
  return std::string(buffer.data(), result.ptr);
}

}  // namespace veltrim
