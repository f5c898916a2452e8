#include "support/number_text.hpp"

#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>

namespace veltrim {
namespace {

TEST(IntToText, DecimalIsSignedOtherRadixesAreUnsigned) {
  struct Case { std::int32_t value; int radix; const char* text; };
  const Case cases[] = {
      {0, 10, "0"}, {INT32_MAX, 10, "2147483647"}, {INT32_MIN, 10, "-2147483648"},
      {255, 16, "ff"}, {-1, 16, "ffffffff"}, {INT32_MIN, 16, "80000000"}, {-71, 36, "1z141x5"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IntToText(c.value, c.radix), c.text) << c.value << " radix " << c.radix;
  }
  EXPECT_THROW(IntToText(1, 1), std::invalid_argument);
  EXPECT_THROW(IntToText(1, 37), std::invalid_argument);
}

TEST(TextToInt, ReadsLikeAtoiAndSaturates) {
  struct Case { const char* text; std::int32_t value; };
  const Case cases[] = {
      {"12/", 12}, {"/", 0}, {" 7", 7}, {nullptr, 0}, {"", 0}, {"\t\r\n\v\f-42x", -42},
      {"+5", 5}, {"- 5", 0}, {"+-5", 0}, {"-2147483648", INT32_MIN},
      {"2147483648", INT32_MAX}, {"-2147483649", INT32_MIN}, {"99999999999999999999", INT32_MAX},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TextToInt(c.text), c.value) << (c.text ? c.text : "(null)");
  }
}

TEST(FloatToText, SignificantDigitsLikeGcvt) {
  constexpr double inf = std::numeric_limits<double>::infinity();
  constexpr double nan = std::numeric_limits<double>::quiet_NaN();
  struct Case { double value; int digits; const char* text; };
  const Case cases[] = {
      {0.5, 8, "0.5"}, {1.0, 8, "1"}, {100.0, 8, "100"}, {0.0001, 8, "0.0001"},
      {1e-5, 8, "1e-05"}, {-1.5e10, 8, "-1.5e+10"}, {12345678.0, 8, "12345678"},
      {123456789.0, 8, "1.2345679e+08"}, {9.99999999, 8, "10"},
      // Rounded from the exact binary value (0.1499999999999999944...).
      {0.15, 1, "0.1"}, {3.7, 0, "4"}, {3.7, -5, "4"},
      // Many digits show the exact binary value.
      {static_cast<double>(0.1f), 100, "0.100000001490116119384765625"},
      {1e23, 100, "99999999999999991611392"},
      {-0.0, 8, "0"}, {inf, 8, "inf"}, {-inf, 8, "-inf"}, {nan, 8, "nan"}, {-nan, 8, "nan"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FloatToText(c.value, c.digits), c.text) << c.text << " digits " << c.digits;
  }
}

}  // namespace
}  // namespace veltrim
