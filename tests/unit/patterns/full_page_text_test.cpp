// Advanced option 14, Full Page Text Only.
#include "patterns/full_page_text.hpp"

#include <gtest/gtest.h>

#include <algorithm>

#include "pattern_page.hpp"

namespace veltrim::test {
namespace {

std::vector<std::size_t> PieceLengths(const std::string& text) {
  std::vector<std::size_t> lengths;
  std::size_t start = 0;
  for (std::size_t blank = text.find(' '); blank != std::string::npos; blank = text.find(' ', start)) {
    lengths.push_back(blank - start);
    start = blank + 1;
  }
  lengths.push_back(text.size() - start);
  return lengths;
}

TEST(FullPageText, SampleLineIsTheLettersDigitsAndThirtyTwoMarks) {
  EXPECT_EQ(kSampleLine,
            "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789,./<>?;':\"[]\\{}|~`-=!@#$%^&*()_+");
}

TEST(FullPageText, BreakingCountsTheBlanksAlreadyInserted) {
  const struct { const char *text, *broken; int n; } cases[] = {
      {"abcdefgh", "abcd ef gh ", 3},  // n + 1, then n - 1 a piece
      {"abcdefgh", "abcdefgh", 8},     // fits: nothing inserted
      {"abcdefgh", "abcdefgh ", 7},
      // Under two a line the text would grow as fast as the position: two.
      {"abcdef", "abc d e f ", 1},
      {"abcdef", "abc d e f ", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(BreakIntoLines(c.text, c.n), c.broken) << c.text << " by " << c.n;
}

// 4960 units wide, ten millimetres = 7014 x 10 / 701 = 100 units; the recording surface gives every layer's font an
// average width of 100, so n = 49 for each.
TEST(FullPageText, FourLayersEachBrokenAfresh) {
  const Page page(Tab::Advanced, {14}, RecordingDevice::Printer(600, 600, 4960, 7014, 210, 701, 0, 0), 10);
  std::string unbroken;
  for (int i = 0; i < 41; ++i) unbroken += kSampleLine;
  ASSERT_EQ(unbroken.size(), 3854u);

  EXPECT_EQ(page.TextsOf("CreateFontIndirectA"),
            (std::vector<std::string>{"Times New Roman", "Courier", "Arial", "Lucida Console"}));
  // Height, width, escapement, orientation, weight, italic, underline, strike-out, charset, precisions, quality, pitch.
  for (int i = 0; i < 4; ++i)
    EXPECT_EQ(page.ArgsOf("CreateFontIndirectA").at(i), (Args{(4 - i) * 100, 100, 0, 0, 400, 0, 0, 0, 1, 0, 0, 0, 0}));

  const std::vector<Record> layers = page.TopLevel("DrawTextA");
  ASSERT_EQ(layers.size(), 4u);
  for (const Record& layer : layers) {
    EXPECT_EQ(layer.args, (Args{0, 0, 4960, 7014, 0x10}));
    const std::vector<std::size_t> pieces = PieceLengths(layer.text);
    ASSERT_GT(pieces.size(), 3u);
    EXPECT_EQ(pieces[0], 50u);
    EXPECT_EQ(pieces[1], 48u);
    EXPECT_EQ(pieces[pieces.size() - 2], 48u);
    // No blank of an earlier layer left over: the same breaks every time.
    EXPECT_EQ(layer.text, layers[0].text);
    std::string letters = layer.text;
    std::erase(letters, ' ');
    EXPECT_EQ(letters, unbroken);
  }

  EXPECT_EQ(page.ArgsOf("SetTextColor"), (std::vector<Args>{{0xC0C0C0}, {0x808080}, {0x404040}, {0}, {0}}));
  EXPECT_EQ(page.ArgsOf("SetBkMode"), (std::vector<Args>{{1}, {1}, {1}, {1}, {2}}));

  // The title is the last thing drawn, on its white box: x by the vertical
  // factor (7014 / 701 = 10), y by the horizontal one (4960 / 210 = 23).
  EXPECT_EQ(page.dc.TopLevelRecords().back(),
            (Record{"TextOutA", {20, 46}, "QORVEL Veltrim Program - version 2 / Printer: Queue 7", 1}));
  EXPECT_EQ(page.dc.BkMode(), kOpaque);
}

}  // namespace
}  // namespace veltrim::test
