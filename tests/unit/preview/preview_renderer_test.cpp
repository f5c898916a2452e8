// The preview on the recording surface: worked stacking, offset, pictures and dots; every drawing leaves it clean.
#include "core/preview/preview_renderer.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <random>

#include "backends/recording/recording_surface.hpp"
#include "tab_no.hpp"
#include "test_bitmap.hpp"

namespace veltrim {
namespace {

namespace fs = std::filesystem;

// Grey pictures of the sizes of the main window's resources, in a folder of this process's own: tests run as
// parallel processes, and one rewriting a shared file while another loads it loses the other's picture.
class FilePictures final : public PreviewPictures {
 public:
  FilePictures() {
    fs::create_directories(folder_);
    const int heights[] = {239, 239, 239, 239, 239, 23, 23, 7, 10, 32, 31, 32, 18, 31, 31, 31, 60, 60};  // 20 to 37
    for (int id = 20; id <= 37; ++id) {
      const int width = id < 36 ? 167 : 60, height = heights[id - 20];
      EXPECT_TRUE(test::WriteBmp24(Path(id), width, height, std::vector<std::uint32_t>(width * height, 0x808080)));
    }
  }
  ~FilePictures() override { std::error_code ignored; fs::remove_all(folder_, ignored); }
  ObjectHandle Load(Surface& surface, int id) override { return surface.LoadBitmapFile(Path(id).c_str()); }

 private:
  std::string Path(int id) const { return (folder_ / (std::to_string(id) + ".bmp")).string(); }
  const fs::path folder_ = fs::temp_directory_path() / ("veltrim-preview-" + std::to_string(std::random_device()()));
};

// The drawing calls (no object bookkeeping) of the preview of `tab` with `items` ticked on a 167 x 239 canvas, which
// it leaves clean.
std::vector<Record> Preview(int tab, std::vector<int> items, int offset = 0, int option = 0, int layout = 0,
                            bool setPixelV = false) {
  static FilePictures pictures;
  TestSelection selection;
  selection.currentTab = TabNo(tab);
  selection.advancedOption = option;
  selection.gradientLayout = layout;
  // The Custom items are no selection-menu flags: FlagsOf leaves them out.
  const auto flags = tab == 4 ? std::span<std::uint8_t>(selection.customTests) : selection.FlagsOf(TabNo(tab));
  for (const int item : items) flags[static_cast<std::size_t>(item)] = 1;
  RecordingSurface surface(RecordingDevice::Screen(167, 239));
  EXPECT_TRUE(DrawPreview({surface, 167, 239, setPixelV}, selection, offset, pictures)) << tab;
  EXPECT_EQ(surface.HygieneReport(), "") << "tab " << tab << ", option " << option << ", layout " << layout;
  static const std::vector<std::string> kDrawing = {"MoveToEx", "LineTo", "Rectangle", "Arc", "Chord", "PolyBezier",
                                                    "BitBlt", "DrawTextA", "SetPixel", "SetPixelV"};
  std::vector<Record> drawn;
  for (Record record : surface.Records()) {
    if (record.nested || std::find(kDrawing.begin(), kDrawing.end(), record.op) == kDrawing.end()) continue;
    if (record.op == "BitBlt") record.args[4] = 0;  // the picture's handle: which picture is in the size
    drawn.push_back(record);
  }
  return drawn;
}

std::vector<std::string> Lines(const std::vector<Record>& records) {
  std::vector<std::string> lines;
  for (const Record& record : records) lines.push_back(record.ToString());
  return lines;
}

// The arguments of each drawing call that are rows of the canvas.
std::vector<std::size_t> RowArgs(const Record& record) {
  if (record.op == "MoveToEx" || record.op == "LineTo" || record.op == "BitBlt") return {1};
  if (record.op == "Rectangle" || record.op == "DrawTextA" || record.op == "Arc" || record.op == "Chord") return {1, 3};
  std::vector<std::size_t> rows;
  for (std::size_t i = 1; i < record.args.size(); i += 2) rows.push_back(i);  // PolyBezier
  return rows;
}

// Every stacked item of the tabs whose items the offset moves.
const std::pair<int, std::vector<int>> kStacked[] = {
    {0, {0, 1, 2, 3, 4, 5, 6, 7, 8}}, {1, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}}, {3, {0, 1, 2, 3, 4, 5, 6}}};

TEST(Preview, AnOffsetOfTenMovesBlackWhiteAndColourDownEightPixelsButNotAdvanced) {
  struct Case { int tab; std::vector<int> items; int shift; };
  std::vector<Case> cases = {{2, {}, 0}};
  for (const auto& [tab, items] : kStacked) cases.push_back({tab, items, 8});
  for (const Case& c : cases) {
    const auto still = Preview(c.tab, c.items), moved = Preview(c.tab, c.items, 10);
    ASSERT_EQ(still.size(), moved.size()) << "tab " << c.tab;
    for (std::size_t i = 0; i < still.size(); ++i) {
      Record expected = still[i];
      if (expected.op == "Chord")  // its radial points are figured from absolute rows, so they are no shift
        std::copy(moved[i].args.begin() + 4, moved[i].args.end(), expected.args.begin() + 4);
      for (const std::size_t row : RowArgs(expected))
        if (expected.op != "DrawTextA" || row == 1) expected.args[row] += c.shift;  // text boxes end at H
      EXPECT_EQ(Lines({moved[i]}), Lines({expected})) << "tab " << c.tab << ", call " << i;
    }
  }
}

// Any typed offset (the box reads 99999999999 as 2147483647) moves the offset items off the canvas whole: no row of
// theirs lands on it, as a wrapped sum puts the Bezier curves' or the gradient bar's far edge.
TEST(Preview, AnOffsetPastTheCanvasLeavesItBlank) {
  std::vector ticked(std::begin(kStacked), std::end(kStacked));
  ticked.push_back({4, {1}});
  for (const int offset : {INT_MAX, INT_MIN})
    for (const auto& [tab, items] : ticked) {
      const auto drawn = Preview(tab, items, offset);
      EXPECT_FALSE(drawn.empty()) << tab;
      for (const Record& record : drawn)
        for (const std::size_t row : RowArgs(record)) {
          if (record.op == "DrawTextA" && row == 3) continue;  // a text box ends at H; its top is where the text goes
          EXPECT_TRUE(offset > 0 ? record.args[row] >= 239 : record.args[row] < 0) << offset << ": " << record;
        }
    }
}

TEST(Preview, StackingOfBlackWhiteItems) {
  // After Info text every item starts at 80, whatever the text's length.
  const auto afterInfo = Preview(0, {0, 3});
  ASSERT_EQ(afterInfo.size(), 2u);
  EXPECT_EQ(afterInfo[0].args, (std::vector<std::int64_t>{0, 0, 167, 239, kDtWordBreak | kDtEditControl}));
  EXPECT_EQ(afterInfo[1].ToString(), "Rectangle(0, 80, 167, 81) -> 1");
  // Simple Text wins over every other item.
  const auto text = Preview(0, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
  ASSERT_EQ(text.size(), 1u);
  EXPECT_EQ(std::pair(text[0].op, text[0].text.substr(0, 48)),
            std::pair(std::string("DrawTextA"), std::string("QORVEL Software - Veltrim Program - version 2 - ")));
  EXPECT_EQ(Lines(Preview(0, {9})), Lines(text));
  // Lines, Ellipses and Small Black Rectangle: cursor 11 after the lines, 28 after the ellipse (t(11 + 17.094)).
  EXPECT_EQ(Lines(Preview(0, {2, 3})),
            (std::vector<std::string>{"Arc(0, 0, 110, 16, 0, 0, 0, 0) -> 1", "Rectangle(0, 17, 167, 18) -> 1"}));
  EXPECT_EQ(Preview(0, {1, 2}).back().ToString(), "Arc(0, 11, 110, 27, 0, 0, 0, 0) -> 1");
  // The chord in its 83 x 28 box, its radial points at 4.0708 and 0.4597 radians: (16.46, 25.22), (77.74, 7.79).
  EXPECT_EQ(Lines(Preview(0, {6})), std::vector<std::string>{"Chord(0, 0, 83, 28, 16, 25, 77, 7) -> 1"});
}

TEST(Preview, ColourPicturesAndCrossovers) {
  // Both crossovers share one row, the second flush with the right edge.
  EXPECT_EQ(Lines(Preview(1, {6, 7})),
            (std::vector<std::string>{"BitBlt(0, 0, 60, 60, 0, 0, 0) -> 1", "BitBlt(107, 0, 60, 60, 0, 0, 0) -> 1"}));
  // CMY bars, then the gradients' picture at 24 and the black bar at 49.
  EXPECT_EQ(Lines(Preview(1, {0, 2, 4})),
            (std::vector<std::string>{"Rectangle(0, 0, 167, 8) -> 1", "Rectangle(0, 8, 167, 16) -> 1",
                                      "Rectangle(0, 16, 167, 24) -> 1", "BitBlt(0, 24, 167, 23, 0, 0, 0) -> 1",
                                      "Rectangle(0, 49, 167, 57) -> 1"}));
  // Bitmapped Image is drawn last over the whole canvas.
  EXPECT_EQ(Preview(1, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}).back().ToString(),
            "BitBlt(0, 0, 167, 239, 0, 0, 0) -> 1");
}

TEST(Preview, AdvancedOptions) {
  // Option 2: three full-height bands split at W / 3 and 2 x (W / 3).
  EXPECT_EQ(Lines(Preview(2, {}, 0, 2)),
            (std::vector<std::string>{"Rectangle(0, 0, 55, 239) -> 1", "Rectangle(55, 0, 110, 239) -> 1",
                                      "Rectangle(110, 0, 167, 239) -> 1"}));
  // Option 0: bands of t(y + 8.047) down to the bottom: 0, 8, 16, ...
  const auto bands = Preview(2, {}, 0, 0);
  ASSERT_EQ(bands.size(), 30u);
  EXPECT_EQ(bands.back().ToString(), "Rectangle(0, 232, 167, 240) -> 1");
  EXPECT_EQ(Preview(2, {}, 0, 4).size(), 2u * (30 + 21)) << "a move and a line every 8 pixels both ways";
  EXPECT_EQ(Lines(Preview(2, {}, 0, 11)), (std::vector<std::string>{"Rectangle(0, 0, 167, 239) -> 1"}));
  EXPECT_EQ(Preview(2, {}, 0, 13).at(0).op, "BitBlt");
  // Options drawn nowhere else, for their hygiene.
  for (const int option : {1, 14}) EXPECT_FALSE(Preview(2, {}, 0, option).empty()) << option;
}

TEST(Preview, CalibrationStripsAdvanceTheCursor) {
  // Title at 0, black at 12 then c = 32, cyan at 32, +35, magenta at 67.
  std::vector<std::int64_t> rows;
  for (const Record& record : Preview(3, {0, 1, 2})) rows.push_back(record.args[1]);
  EXPECT_EQ(rows, (std::vector<std::int64_t>{0, 12, 32, 67}));
  // The graph alone, whatever else is ticked.
  for (const auto& items : {std::vector{0, 1, 7}, std::vector{7}}) EXPECT_EQ(Preview(3, items).size(), 1u);
}

TEST(Preview, CustomItemsOverEachOtherAndTheDots) {
  // Layout 1: the box path with a 62-wide pen, then the diagonal.
  EXPECT_EQ(Lines(Preview(4, {1}, 0, 0, 1)),
            (std::vector<std::string>{"MoveToEx(0, 0) -> 1", "LineTo(167, 0) -> 1", "LineTo(167, 239) -> 1",
                                      "LineTo(0, 239) -> 1", "LineTo(0, 0) -> 1", "MoveToEx(0, 239) -> 1",
                                      "LineTo(167, 0) -> 1"}));
  // Layout 0 is a strip t(o) .. t((N + 10) x 0.8047): 8 .. 16 for N = 10.
  EXPECT_EQ(Preview(4, {1}, 10, 0, 0).at(2).ToString(), "LineTo(167, 16) -> 1");
  EXPECT_FALSE(Preview(4, {0, 1, 2, 3, 4, 5}, 3, 0, 2).empty());
  // Every item of the selection, in order, the dots last: every fifth raster index of 167 x 239, 7983 pixels.
  for (const bool v : {false, true}) {
    const auto all = Preview(4, {0, 1, 2, 3, 4, 5}, 0, 0, 0, v);
    int dots = 0, wrong = 0;
    for (const Record& record : all)
      if (record.op == (v ? "SetPixelV" : "SetPixel")) {
        ++dots;
        wrong += (167 * record.args[1] + record.args[0]) % 5 != 0;
      }
    EXPECT_EQ(std::pair(dots, wrong), std::pair(7983, 0));
    EXPECT_EQ(all.front().ToString(), "Rectangle(0, 0, 167, 239) -> 1");
  }
}

}  // namespace
}  // namespace veltrim
