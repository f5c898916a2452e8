#include "support/dyn_string.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>

namespace veltrim {
namespace {

TEST(DynString, StartsWithAZeroedBlockOfOneQuantum) {
  const DynString s;
  EXPECT_EQ(s.Length(), 0);
  ASSERT_EQ(s.Capacity(), 32768);
  EXPECT_TRUE(std::all_of(s.Data(), s.Data() + 32768, [](char c) { return c == '\0'; }));
}

TEST(DynString, AssignGrowsToTheNextMultipleOfTheQuantum) {
  struct Case { int length, capacity, reallocations; };
  for (const Case c : {Case{32767, 32768, 0}, Case{32768, 65536, 1}}) {
    DynString s;
    const std::string text(static_cast<std::size_t>(c.length), 'a');
    s.Assign(text.c_str());
    EXPECT_EQ(s.Capacity(), c.capacity) << c.length;
    EXPECT_EQ(s.Reallocations(), c.reallocations) << c.length;
    EXPECT_EQ(s.View(), text);
    EXPECT_EQ(s.Data()[c.length], '\0');
  }
}

TEST(DynString, AppendFillsTheBlockExactlyThenCarriesTextOverAndNeverShrinks) {
  DynString s;
  const std::string head(100, 'h'), fill(32667, 'f');  // 100 + 32667 + 1 == 32768
  s.Assign(head.c_str()).Append(fill.c_str()).Append(nullptr);
  EXPECT_EQ(s.Length(), 32767);
  EXPECT_EQ(s.Capacity(), 32768);
  EXPECT_EQ(s.Reallocations(), 0);

  s.Append("!");
  EXPECT_EQ(s.Capacity(), 65536);
  EXPECT_EQ(s.Reallocations(), 1);
  EXPECT_EQ(s.View(), head + fill + "!");

  s.Clear();
  EXPECT_EQ(s.Capacity(), 65536);
  EXPECT_STREQ(s.Data(), "");
}

TEST(DynString, AppendNumberAddsDecimalTextAndChains) {
  DynString s;
  s.Append("[").AppendNumber(-1000).Append("|").AppendNumber(0).Append("|").AppendNumber(INT32_MIN);
  EXPECT_STREQ(s.Data(), "[-1000|0|-2147483648");
  EXPECT_EQ(s.Length(), 1 + 5 + 1 + 1 + 1 + 11);
}

TEST(DynString, AppendingItsOwnTextAcrossAGrowth) {
  DynString s;
  const std::string half(20000, 'q');
  s.Assign(half.c_str());
  s.Append(s.Data());  // source lies in the block being replaced
  EXPECT_EQ(s.View(), half + half);
  s.Assign(s.Data() + 39995);  // tail of its own text, in place
  EXPECT_STREQ(s.Data(), "qqqqq");
}

TEST(DynString, CapacityRuleStopsAtTheLargest32BitBlock) {
  EXPECT_EQ(DynString::CapacityFor(32769), 65536);
  EXPECT_EQ(DynString::CapacityFor(DynString::kMaxCapacity), DynString::kMaxCapacity);
  EXPECT_THROW(DynString::CapacityFor(std::int64_t{DynString::kMaxCapacity} + 1), std::length_error);
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
