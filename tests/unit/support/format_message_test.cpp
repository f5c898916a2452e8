// Number text and the placeholder formatter.
#include "support/format_message.hpp"

#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/number_text.hpp"

namespace veltrim {
namespace {

TEST(NumberText, IntToTextSignedInDecimalUnsignedOtherwise) {
  struct Case { std::int32_t value; int radix; const char* text; };
  for (const Case& c : {Case{0, 10, "0"}, {INT32_MAX, 10, "2147483647"}, {INT32_MIN, 10, "-2147483648"},
                        {255, 16, "ff"}, {-1, 16, "ffffffff"}, {INT32_MIN, 16, "80000000"}, {-71, 36, "1z141x5"}})
    EXPECT_EQ(IntToText(c.value, c.radix), c.text) << c.value << " radix " << c.radix;
  EXPECT_THROW(IntToText(1, 1), std::invalid_argument);
  EXPECT_THROW(IntToText(1, 37), std::invalid_argument);
}

TEST(NumberText, TextToIntReadsLikeAtoiAndSaturates) {
  struct Case { const char* text; std::int32_t value; };
  for (const Case& c : {Case{"12/", 12}, {"/", 0}, {" 7", 7}, {nullptr, 0}, {"", 0}, {"\t\r\n\v\f-42x", -42},
                        {"+5", 5}, {"- 5", 0}, {"+-5", 0}, {"-2147483648", INT32_MIN}, {"2147483648", INT32_MAX},
                        {"-2147483649", INT32_MIN}, {"99999999999999999999", INT32_MAX}})
    EXPECT_EQ(TextToInt(c.text), c.value) << (c.text ? c.text : "(null)");
}

TEST(NumberText, FloatToTextSignificantDigitsLikeGcvt) {
  constexpr double inf = std::numeric_limits<double>::infinity();
  constexpr double nan = std::numeric_limits<double>::quiet_NaN();
  struct Case { double value; int digits; const char* text; };
  const Case cases[] = {
      {0.5, 8, "0.5"}, {1.0, 8, "1"}, {100.0, 8, "100"}, {0.0001, 8, "0.0001"}, {1e-5, 8, "1e-05"},
      {-1.5e10, 8, "-1.5e+10"}, {12345678.0, 8, "12345678"}, {123456789.0, 8, "1.2345679e+08"}, {9.99999999, 8, "10"},
      // Rounded from the exact binary value (0.1499999999999999944...); many digits show that value.
      {0.15, 1, "0.1"}, {3.7, 0, "4"}, {3.7, -5, "4"}, {1e23, 100, "99999999999999991611392"},
      {static_cast<double>(0.1f), 100, "0.100000001490116119384765625"},
      {-0.0, 8, "0"}, {inf, 8, "inf"}, {-inf, 8, "-inf"}, {nan, 8, "nan"}, {-nan, 8, "nan"},
  };
  for (const Case& c : cases) EXPECT_EQ(FloatToText(c.value, c.digits), c.text) << c.text << " digits " << c.digits;
}

// The text and the two NULs after it inside the block.
std::string Closed(const TextBlock& block) { return std::string(block.Data(), block.Length() + 2); }

TEST(FormatMessageText, ExpandsPlaceholdersAndClosesWithTwoNuls) {
  struct Case { const char* format; std::vector<FormatArg> args; std::string text; };
  const std::string big(100000, 'L');  // far past the estimate: the block grows
  const Case cases[] = {
      {"C=?n, M=?n", {5, -7}, "C=5, M=-7"},
      {"?D ?D ?D", {255, -1, 0xABCDEFu}, "0x000000FF 0xFFFFFFFF 0x00ABCDEF"},
      {"?W ?B ?B ?b ?b", {0x12345, 2, 1, 2, 0}, "0x2345 FALSE TRUE true false"},
      {"?? a?xb ?S???s end?", {"x"}, "? axb S?x end"},
      {"[?s][?n] ?d ?f", {nullptr, 3, 0.5, 123456789.0}, "[][3] 0.5 1.2345679e+08"},
      {"?c?c?c", {'A', 0x142, 0x100}, std::string("AB\0", 3)},
      {"mailto:?s??subject=[?D]<?D> ?s&body=?s?s", {"a@b.c", 7, 0x1F, "Hi", "l1 ", "l2"},
       "mailto:a@b.c?subject=[0x00000007]<0x0000001F> Hi&body=l1 l2"},
      // More placeholders than arguments: numbers read 0, texts read null.
      {"?n|?s|?d|?B|?b|?D", {}, "0||0|FALSE|false|0x00000000"},
      // Wrong kinds are converted rather than misread.
      {"?n ?n ?d ?n ?s! ?n", {2.9, -2.9, 3, "7", 5, 1e20}, "2 -2 3 0 ! 2147483647"},
      {nullptr, {1}, ""}, {"<?s|?s>?n", {big.c_str(), big.c_str(), 42}, "<" + big + "|" + big + ">42"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Closed(FormatMessageTextArgs(c.format, c.args)), c.text + std::string(2, '\0')) << c.text.substr(0, 30);
  const std::string name = "Printer";  // the variadic form takes its arguments in order
  EXPECT_EQ(Closed(FormatMessageText("?s has ?n pages at ?d, ?c", name.c_str(), 12L, 0.25, 'Z')),
            std::string("Printer has 12 pages at 0.25, Z\0\0", 33));
  EXPECT_EQ(Closed(FormatMessageText("")), std::string(2, '\0'));
}

TEST(FormatMessageText, EstimateAddsAFixedAllowancePerPlaceholder) {
  struct Case { const char* format; std::size_t estimate; };
  const Case cases[] = {
      {nullptr, 0}, {"?n?f?d?s", 8 + 15 + 15 + 25 + 10240}, {"?D?W?B?b?c??", 12 + 10 + 6 + 4 + 4 + 1 + 1},
      // Letters outside '?'..'s' and unknown ones inside it add nothing.
      {"?x?>?A?t?", 9},
      // The letter after "?" is skipped: "??s" is "??" then a plain "s".
      {"??s", 3 + 1}, {"???s", 4 + 1 + 10240},
  };
  for (const Case& c : cases) EXPECT_EQ(EstimateFormatSize(c.format), c.estimate) << (c.format ? c.format : "(null)");
}

}  // namespace
}  // namespace veltrim
