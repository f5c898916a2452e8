// The two pages that print a data file beside the program: the Simple Text page and the Bitmapped Image page, on the
// 600-dpi A4 recording printer (4800 x 6814 units, 23 units a millimetre), with real files in a scratch folder standing
// in for the program's folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "../support/scratch_dir.hpp"
#include "pattern_page.hpp"
#include "patterns/bitmapped_image_page.hpp"
#include "patterns/simple_text_page.hpp"
#include "test_bitmap.hpp"

namespace veltrim::test {
namespace {

class DataFilePage : public ::testing::Test {
 protected:
  DataFilePage() { page_.host.programPath = dir_.Path("veltrim"); }

  // One page of `tab` with `items` ticked, the paper offset at 10 mm.
  void Print(Tab tab, std::initializer_list<int> items) {
    page_.dc.ClearRecords();
    page_.host.messages.clear();
    page_.Tick(tab, items).Draw(10);
  }
  std::vector<std::string> Ops() const {
    std::vector<std::string> ops;
    for (const Record& record : page_.dc.TopLevelRecords()) ops.push_back(record.op);
    return ops;
  }
  void ExpectOneMessage(const char* text) const {
    ASSERT_EQ(page_.host.messages.size(), 1u);
    EXPECT_EQ(page_.host.messages[0].text, text);
    EXPECT_EQ(page_.host.messages[0].caption, "Application ERROR");
    EXPECT_EQ(page_.host.messages[0].icon, MessageIcon::Stop);
  }

  const ScratchDir dir_;
  Page page_{RecordingDevice::A4At600Dpi()};
  RecordingSurface& surface_ = page_.dc;
};

TEST_F(DataFilePage, TextPrintsAloneFromTheTopLeftInTimesNewRoman) {
  dir_.Write("fperc.qrv", "abc & more");
  Print(Tab::BlackWhite, {0, 9});
  EXPECT_TRUE(page_.host.messages.empty());
  EXPECT_EQ(Ops(), (std::vector<std::string>{"CreateFontIndirectA", "SelectObject", "DrawTextA", "SelectObject",
                                             "DeleteObject"}))
      << "nothing else of the category is drawn:\n" << surface_.Dump();

  const Record font = surface_.RecordsOf("CreateFontIndirectA").at(0);
  // Height 23 units a millimetre x 3999 / -900, weight 400.
  EXPECT_EQ(std::tuple(font.args.at(0), font.args.at(4), font.text), std::tuple(-102, 400, "Times New Roman"));
  // At y = 0 whatever the paper offset; the ampersand is not a prefix.
  const Record text = surface_.RecordsOf("DrawTextA").at(0);
  EXPECT_EQ(text.text, "abc & more");
  EXPECT_EQ(text.args, (std::vector<std::int64_t>{0, 0, 4800, 6814, 0x2810}));
  EXPECT_EQ(surface_.HygieneReport(), "");
}

TEST_F(DataFilePage, TextFileFaultsShowTheirMessageAndLeaveThePageBlank) {
  struct Case {
    const char* name;
    bool present;
    std::size_t bytes;
    const char* message;  // null: the text is drawn whole
  };
  const Case cases[] = {
      {"missing", false, 0, kTextLoadFailedText},
      {"empty", true, 0, kTextCorruptText},
      {"one byte over the buffer", true, kSimpleTextBufferBytes + 1, kTextLoadFailedText},
      {"exactly the buffer", true, kSimpleTextBufferBytes, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove(dir_.Path("fperc.qrv"));
    if (c.present) dir_.Write("fperc.qrv", std::string(c.bytes, 'x'));
    Print(Tab::BlackWhite, {9});
    const auto drawn = surface_.RecordsOf("DrawTextA");
    if (c.message) {
      ExpectOneMessage(c.message);
      EXPECT_TRUE(Ops().empty()) << surface_.Dump();
    } else {
      EXPECT_TRUE(page_.host.messages.empty());
      ASSERT_EQ(drawn.size(), 1u);
      EXPECT_EQ(drawn[0].text.size(), c.bytes);
    }
    EXPECT_EQ(surface_.HygieneReport(), "");
  }
}

TEST_F(DataFilePage, PictureIsStretchedOverThePageUnderItsTitle) {
  const std::vector<std::uint32_t> pixels(4 * 2, 0x336699);
  ASSERT_TRUE(WriteBmp24(dir_.Path("myimg.qrv"), 4, 2, pixels));
  Print(Tab::Color, {0, 12});
  EXPECT_TRUE(page_.host.messages.empty());
  EXPECT_EQ(Ops(), (std::vector<std::string>{"LoadBitmapFile", "StretchBlt", "SetBkMode", "DrawTextA", "SetBkMode",
                                             "DeleteObject"}))
      << "no title line of the category, no other block:\n" << surface_.Dump();

  const Record load = surface_.RecordsOf("LoadBitmapFile").at(0);
  EXPECT_EQ(load.text, dir_.Path("myimg.qrv"));
  const Record blit = surface_.RecordsOf("StretchBlt").at(0);
  EXPECT_EQ(blit.args, (std::vector<std::int64_t>{0, 0, 4800, 6814, load.result, 0, 0, 1240, 1754}))
      << "the offset does not apply; the source is the picture's 1240 x 1754";
  EXPECT_EQ(surface_.RecordsOf("SetBkMode").at(0).args.at(0), kTransparent);
  const Record title = surface_.RecordsOf("DrawTextA").at(0);
  EXPECT_EQ(title.text, "QORVEL Veltrim version 2 / Printer: Queue 7");
  EXPECT_EQ(title.args, (std::vector<std::int64_t>{0, 0, 4800, 6814, 0x2810}));
  EXPECT_EQ(surface_.BkMode(), kOpaque) << "the background mode is put back";
  EXPECT_EQ(surface_.HygieneReport(), "") << "the bitmap is deleted";
}

TEST_F(DataFilePage, PictureFaultsShowTheirMessageAndLeaveThePageBlank) {
  enum class File { None, Text, Bitmap };
  struct Case { const char* name; File file; bool failCopy; const char* message; };
  const Case cases[] = {
      {"missing", File::None, false, kBitmapLoadFailedText},
      {"not a bitmap", File::Text, false, kBitmapLoadFailedText},
      {"the copy fails", File::Bitmap, true, kBitmapCopyFailedText},
  };
  const std::vector<std::uint32_t> pixel(1, 0xFFFFFF);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove(dir_.Path("myimg.qrv"));
    if (c.file == File::Text) dir_.Write("myimg.qrv", "just some text");
    if (c.file == File::Bitmap) {
      ASSERT_TRUE(WriteBmp24(dir_.Path("myimg.qrv"), 1, 1, pixel));
    }
    if (c.failCopy) surface_.FailNext("StretchBlt");
    Print(Tab::Color, {12});
    ExpectOneMessage(c.message);
    EXPECT_TRUE(surface_.RecordsOf("DrawTextA").empty()) << "no title on a blank page";
    EXPECT_EQ(surface_.HygieneReport(), "");
  }
}

}  // namespace
}  // namespace veltrim::test
