// Advanced option 4, Page Printing Margins: the 5 mm grid and the margin
// texts.
#include "patterns/printing_margins.hpp"

#include <gtest/gtest.h>

#include "advanced_page.hpp"

namespace veltrim::test {
namespace {

// VERTRES 6600 over 279 mm: u = 236, pitch 118, pen 4. The width is 40
// pitches exactly, so no line stands on the right edge.
RecordingDevice MarginsDevice() {
  return RecordingDevice::A4At600Dpi()
      .With(DeviceCap::HorzRes, 4720)
      .With(DeviceCap::VertRes, 6600)
      .With(DeviceCap::VertSize, 279)
      .With(DeviceCap::PhysicalOffsetX, 100)
      .With(DeviceCap::PhysicalWidth, 5100)
      .With(DeviceCap::PhysicalOffsetY, 150)
      .With(DeviceCap::PhysicalHeight, 7014);
}

TEST(PagePrintingMargins, GridEveryFiveMillimetresWithAGreyPen) {
  AdvancedPage page(MarginsDevice());
  page.Advanced(4, 10);
  const auto pens = page.dc.RecordsOf("CreatePen");
  ASSERT_EQ(pens.size(), 1u);
  EXPECT_EQ(pens[0].args, (std::vector<std::int64_t>{0, 4, 0x464646}));
  const auto brushes = page.dc.RecordsOf("CreateBrushIndirect");
  ASSERT_EQ(brushes.size(), 1u);
  EXPECT_EQ(brushes[0].args, (std::vector<std::int64_t>{0, 0x464646, 0}));

  const auto moves = page.dc.RecordsOf("MoveToEx");
  const auto lines = page.dc.RecordsOf("LineTo");
  ASSERT_EQ(moves.size(), lines.size());
  // Horizontal: y = 0, 118, ... 6490 (56 lines); vertical: x = 0 ... 4602
  // (40 lines), none at x = 4720.
  ASSERT_EQ(moves.size(), 56u + 40u);
  EXPECT_EQ(moves[1].args, (std::vector<std::int64_t>{0, 118}));
  EXPECT_EQ(lines[1].args, (std::vector<std::int64_t>{4720, 118}));
  EXPECT_EQ(moves[55].args, (std::vector<std::int64_t>{0, 6490}));
  EXPECT_EQ(moves[56].args, (std::vector<std::int64_t>{0, 0}));
  EXPECT_EQ(lines[56].args, (std::vector<std::int64_t>{0, 6600}));
  EXPECT_EQ(moves.back().args, (std::vector<std::int64_t>{4602, 0}));
  EXPECT_TRUE(page.dc.RecordsOf("Rectangle").empty()) << "nothing is filled";
  EXPECT_EQ(page.dc.HygieneReport(), "");
}

TEST(PagePrintingMargins, TextsAtOneCentimetreWithTheMargins) {
  AdvancedPage page(MarginsDevice());
  page.Advanced(4);
  // pxPerMmX = 4720 / 203 = 23 and pxPerMmY = 6600 / 279 = 23: the column
  // and the first row at 230; lines 52 apart (default font 50 + 2).
  ASSERT_EQ(page.geometry.lineHeight, 52);
  const auto texts = page.dc.RecordsOf("TextOutA");
  ASSERT_EQ(texts.size(), 5u);
  const struct {
    int y;
    const char* text;
  } expected[] = {
      {230, "QORVEL Veltrim v2 / Printer: Queue 7      "},
      {334, "Total printable area: 203 mm x 279 mm     "},
      // 100 / (5100 / 203 = 25) and 150 / (7014 / 279 = 25).
      {386, "Left margin: 4 mm     "},
      {438, "Top margin: 6 mm     "},
      {542, "This printer is able to print only inside this checkerboard but never outside it !     "},
  };
  for (std::size_t i = 0; i < texts.size(); ++i) {
    EXPECT_EQ(texts[i].args, (std::vector<std::int64_t>{230, expected[i].y}));
    EXPECT_EQ(texts[i].text, expected[i].text);
  }
  EXPECT_TRUE(page.dc.RecordsOf("SetBkMode").empty()) << "opaque, as the context starts";
  std::vector<std::int64_t> asked;
  for (const Record& record : page.dc.RecordsOf("GetDeviceCaps")) asked.push_back(record.args.at(0));
  // VERTRES, VERTSIZE, HORZRES, VERTRES for the grid; then in the texts' order.
  EXPECT_EQ(asked, (std::vector<std::int64_t>{10, 6, 8, 10, 4, 6, 112, 110, 4, 113, 111, 6}));
}

TEST(PagePrintingMargins, MarginWithoutADivisorIsZero) {
  const struct {
    int offset, physical, sizeMm, margin;
  } cases[] = {
      {100, 150, 203, 0},  // narrower in pixels than in millimetres
      {100, 5100, 0, 0},   // no size in millimetres
      {100, 0, 203, 0},    // no physical page
  };
  for (const auto& c : cases)
    EXPECT_EQ(MarginMm(c.offset, c.physical, c.sizeMm), c.margin) << c.offset << " " << c.physical << " " << c.sizeMm;

  AdvancedPage page(MarginsDevice().With(DeviceCap::PhysicalWidth, 150));
  page.Advanced(4);
  EXPECT_EQ(page.dc.RecordsOf("TextOutA").at(2).text, "Left margin: 0 mm     ");
}

}  // namespace
}  // namespace veltrim::test
