#include "support/dyn_string.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <tuple>

namespace veltrim {
namespace {

TEST(DynString, GrowsByWholeQuantaAndNeverShrinks) {
  const DynString empty;
  ASSERT_EQ(std::pair(empty.Length(), empty.Capacity()), std::pair(0, 32768));
  EXPECT_TRUE(std::all_of(empty.Data(), empty.Data() + 32768, [](char c) { return c == '\0'; }));
  for (const int length : {32767, 32768}) {
    DynString s;
    const std::string text(static_cast<std::size_t>(length), 'a');
    s.Assign(text.c_str());
    const int growths = length / 32768;
    EXPECT_EQ(std::tuple(s.Capacity(), s.Reallocations(), s.View(), s.Data()[length]),
              std::tuple(32768 * (1 + growths), growths, text, '\0'));
  }
  // Appending fills the block to its last byte, then carries the text over into the next size.
  DynString s;
  const std::string head(100, 'h'), fill(32667, 'f');
  s.Assign(head.c_str()).Append(fill.c_str()).Append(nullptr);
  EXPECT_EQ(std::tuple(s.Length(), s.Capacity(), s.Reallocations()), std::tuple(32767, 32768, 0));
  s.Append("!");
  EXPECT_EQ(std::tuple(s.View(), s.Capacity(), s.Reallocations()), std::tuple(head + fill + "!", 65536, 1));
  s.Clear();
  EXPECT_EQ(std::pair(s.View(), s.Capacity()), std::pair(std::string_view(), 65536));
  EXPECT_EQ(DynString::CapacityFor(32769), 65536);
  EXPECT_EQ(DynString::CapacityFor(DynString::kMaxCapacity), DynString::kMaxCapacity);
  EXPECT_THROW(DynString::CapacityFor(std::int64_t{DynString::kMaxCapacity} + 1), std::length_error);
}

TEST(DynString, AppendsNumbersAndItsOwnText) {
  DynString s;
  s.Append("[").AppendNumber(-1000).Append("|").AppendNumber(0).Append("|").AppendNumber(INT32_MIN);
  EXPECT_EQ(std::pair(s.View(), s.Length()), std::pair(std::string_view("[-1000|0|-2147483648"), 20));
  const std::string half(20000, 'q');
  s.Assign(half.c_str());
  s.Append(s.Data());  // the source lies in the block being replaced
  EXPECT_EQ(s.View(), half + half);
  s.Assign(s.Data() + 39995);  // the tail of its own text, in place
  EXPECT_STREQ(s.Data(), "qqqqq");
}

TEST(CopyOut, CopiesTextAndOneNulOrCutsToABoundedBlock) {
  char dest[8];
  for (const char* src : {static_cast<const char*>(nullptr), "", "abc"}) {
    std::fill(std::begin(dest), std::end(dest), 'Z');
    CopyOut(dest, src);
    const std::string text = src ? src : "";
    EXPECT_EQ(std::string(dest, text.size() + 2), text + std::string("\0Z", 2));
  }
  std::fill(std::begin(dest), std::end(dest), 'Z');
  EXPECT_EQ(CopyOut(std::span<char>(dest, 4), "abcdef"), 3u);
  EXPECT_EQ(std::string(dest, 6), std::string("abc\0ZZ", 6));
}

}  // namespace
}  // namespace veltrim
