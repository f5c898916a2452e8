// The page dispatch: which patterns a selection draws, where the vertical
// offset puts them, and that every page leaves the context as it found it.
#include "print/page_dispatch.hpp"

#include <gtest/gtest.h>

#include <algorithm>

#include "pattern_page.hpp"

namespace veltrim::test {
namespace {

struct PageCase { const char* name; Tab tab; std::vector<int> items; const char* coverage = "50"; };

class EveryPage : public ::testing::TestWithParam<PageCase> {};

TEST_P(EveryPage, DrawsAndDeletesAndDeselectsEveryObject) {
  const PageCase& c = GetParam();
  Page page;
  for (const int item : c.items) page.Tick(c.tab, {item});
  page.Box(kIdCoverage, c.coverage).Box(kIdDotCoverage, c.coverage).Draw(3);
  const auto& records = page.dc.Records();
  EXPECT_TRUE(std::any_of(records.begin(), records.end(), [](const Record& r) {
    return r.op == "Rectangle" || r.op == "LineTo" || r.op == "DrawTextA";
  })) << "a blank page";
  EXPECT_EQ(page.dc.HygieneReport(), "");
  for (const ObjectKind kind : {ObjectKind::Pen, ObjectKind::Brush, ObjectKind::Font})
    EXPECT_TRUE(page.dc.Object(page.dc.Selected(kind))->stock);
}

std::vector<PageCase> AllPages() {
  std::vector<PageCase> cases = {
      {"BlackWhiteStacked", Tab::BlackWhite, {0, 1, 2, 3, 4, 5, 6, 7, 8}},
      {"ColorStacked", Tab::Color, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
      {"CalibrationAllInks", Tab::Calibration, {0, 1, 2, 3, 4, 5, 6}},
      {"Graph", Tab::Calibration, {7}},
      {"CoverageHoles", Tab::Custom, {5}, "95"},
  };
  for (int option = 0; option < kAdvancedOptions; ++option) cases.push_back({"Advanced", Tab::Advanced, {option}});
  for (int item = 0; item < kCustomItems; ++item) cases.push_back({"Custom", Tab::Custom, {item}});
  return cases;
}

INSTANTIATE_TEST_SUITE_P(Pages, EveryPage, ::testing::ValuesIn(AllPages()), [](const auto& param) {
  const PageCase& c = param.param;
  return std::string(c.name) + (c.items.size() == 1 ? std::to_string(c.items[0]) : "");
});

TEST(PageDispatch, OutOfRangeSelectionsLeaveThePageBlank) {
  for (const auto& [tab, option] : {std::pair{2, 15}, {2, -1}, {5, 0}, {7, 0}, {-1, 0}}) {
    Page page;
    page.selection.bwTests.fill(1);
    page.selection.colorTests.fill(1);
    page.selection.calibrationTests.fill(1);
    page.selection.customTests.fill(1);
    page.selection.currentTab = tab;
    page.selection.advancedOption = option;
    page.Draw(10);
    EXPECT_TRUE(page.dc.Records().empty()) << "tab " << tab << " option " << option << ":\n" << page.dc.Dump();
  }
}

TEST(PageDispatch, AStandAlonePatternIsTheWholePage) {
  // Custom draws only its first ticked item; the graph page is drawn alone when colours are ticked with it.
  const struct { Tab tab; std::vector<int> ticked; int alone; } cases[] = {
      {Tab::Custom, {1, 2, 3, 4, 5}, 1},
      {Tab::Custom, {5, 2, 4}, 2},
      {Tab::Calibration, {0, 1, 2, 3, 4, 5, 6, 7}, 7},
  };
  for (const auto& c : cases) {
    Page all, alone;
    for (const int item : c.ticked) all.Tick(c.tab, {item});
    all.Box(kIdDotCoverage, "50").Draw(10);
    alone.Tick(c.tab, {c.alone}).Draw(10);
    ASSERT_FALSE(alone.dc.Records().empty());
    EXPECT_EQ(all.dc.Records(), alone.dc.Records()) << "item " << c.alone;
  }
}

TEST(PageDispatch, OffsetIsMillimetresOfTheHorizontalFactor) {
  // 23 units a horizontal millimetre, 11 a vertical one: 10 mm is 230. The first line: the information block's, or the
  // title of the Color and the Color Calibration pages.
  const struct { Tab tab; int item, offsetMm, y; const char* text; } cases[] = {
      {Tab::BlackWhite, 0, 10, 230, "QORVEL Veltrim Program - version 2 - www.qorvel.com    "},
      {Tab::Color, 4, 10, 230, "QORVEL Veltrim Program - version 2 / Printer: Queue 7"},
      {Tab::Calibration, 0, 10, 230, "QORVEL Veltrim version 2 / Printer: Queue 7    "},
      {Tab::Color, 4, -3, -69, "QORVEL Veltrim Program - version 2 / Printer: Queue 7"},
      {Tab::BlackWhite, 0, 0, 0, "QORVEL Veltrim Program - version 2 - www.qorvel.com    "},
  };
  for (const auto& c : cases) {
    Page page;
    page.Tick(c.tab, {c.item}).Draw(c.offsetMm);
    EXPECT_EQ(page.geometry.offsetY, c.y);
    const auto texts = page.dc.RecordsOf("TextOutA");
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts[0], (Record{"TextOutA", {0, c.y}, c.text, 1}));
  }
}

}  // namespace
}  // namespace veltrim::test
