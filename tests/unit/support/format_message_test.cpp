#include "support/format_message.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace veltrim {
namespace {

// The text must be followed by two NULs inside the block.
void ExpectClosedByTwoNuls(const TextBlock& block) {
  ASSERT_NE(block.Data(), nullptr);
  EXPECT_EQ(block.Data()[block.Length()], '\0');
  EXPECT_EQ(block.Data()[block.Length() + 1], '\0');
}

TEST(FormatMessageText, ExpandsPlaceholders) {
  struct Case { const char* format; std::vector<FormatArg> args; std::string text; };
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
      {nullptr, {1}, ""},
  };
  for (const Case& c : cases) {
    const TextBlock out = FormatMessageTextArgs(c.format, c.args);
    EXPECT_EQ(out.View(), c.text) << (c.format ? c.format : "(null)");
    ExpectClosedByTwoNuls(out);
  }
}

TEST(FormatMessageText, VariadicFormTakesArgumentsInOrder) {
  const std::string name = "Printer";
  const TextBlock out = FormatMessageText("?s has ?n pages at ?d, ?c", name.c_str(), 12L, 0.25, 'Z');
  EXPECT_EQ(out.View(), "Printer has 12 pages at 0.25, Z");
  ExpectClosedByTwoNuls(FormatMessageText(""));
}

TEST(FormatMessageText, TextLongerThanTheEstimateGrowsTheBlock) {
  for (const std::size_t size : {std::size_t{20000}, std::size_t{100000}}) {
    const std::string big(size, 'L');
    const TextBlock out = FormatMessageText("<?s|?s>?n", big.c_str(), big.c_str(), 42);
    EXPECT_EQ(out.View(), "<" + big + "|" + big + ">42");
    ExpectClosedByTwoNuls(out);
  }
}

TEST(EstimateFormatSize, AddsAFixedAllowancePerPlaceholder) {
  struct Case { const char* format; std::size_t estimate; };
  const Case cases[] = {
      {nullptr, 0}, {"?n?f?d?s", 8 + 15 + 15 + 25 + 10240},
      {"?D?W?B?b?c??", 12 + 10 + 6 + 4 + 4 + 1 + 1},
      // Letters outside '?'..'s' and unknown ones inside it add nothing.
      {"?x?>?A?t?", 9},
      // The letter after "?" is skipped: "??s" is "??" then a plain "s".
      {"??s", 3 + 1}, {"???s", 4 + 1 + 10240},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EstimateFormatSize(c.format), c.estimate) << (c.format ? c.format : "(null)");
  }
}

}  // namespace
}  // namespace veltrim
