// Every Advanced option and the Custom 4 Sided Gradient on the 300-dpi
// Letter printer (each pattern's own tests use the 600-dpi pages):
// something is drawn, every object is deleted and every selection restored.
#include <gtest/gtest.h>

#include <algorithm>

#include "advanced_page.hpp"

namespace veltrim::test {
namespace {

struct PageCase {
  int tab;
  int item;
};

class AdvancedPageHygiene : public ::testing::TestWithParam<PageCase> {};

TEST_P(AdvancedPageHygiene, DrawsAndLeavesTheContextAsItFoundIt) {
  AdvancedPage page(RecordingDevice::LetterAt300Dpi());
  page.host.boxes[kIdCoverage] = "50";
  page.Draw(GetParam().tab, GetParam().item);
  const auto& records = page.dc.Records();
  EXPECT_TRUE(std::any_of(records.begin(), records.end(), [](const Record& r) {
    return r.op == "Rectangle" || r.op == "LineTo" || r.op == "DrawTextA";
  })) << "a blank page";
  EXPECT_EQ(page.dc.HygieneReport(), "");
  for (const ObjectKind kind : {ObjectKind::Pen, ObjectKind::Brush, ObjectKind::Font})
    EXPECT_TRUE(page.dc.Object(page.dc.Selected(kind))->stock);
}

INSTANTIATE_TEST_SUITE_P(Options, AdvancedPageHygiene,
                         ::testing::Values(PageCase{2, 0}, PageCase{2, 1}, PageCase{2, 2}, PageCase{2, 3},
                                           PageCase{2, 4}, PageCase{2, 5}, PageCase{2, 6}, PageCase{2, 7},
                                           PageCase{2, 8}, PageCase{2, 9}, PageCase{2, 10}, PageCase{2, 11},
                                           PageCase{2, 12}, PageCase{2, 13}, PageCase{2, 14}, PageCase{4, 4}),
                         [](const auto& param) {
                           return std::string(param.param.tab == 2 ? "Advanced" : "Custom") +
                                  std::to_string(param.param.item);
                         });

}  // namespace
}  // namespace veltrim::test
