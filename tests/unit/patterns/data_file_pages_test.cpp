// The Simple Text and Bitmapped Image pages, which print a data file beside the program (a scratch folder here), on the
// 600-dpi A4 printer (4800 x 6814 units, 23 a millimetre).
#include <gtest/gtest.h>

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

  // One page of `tab` with `items` ticked, the paper offset at 10 mm; the surface is left clean.
  void Print(Tab tab, std::initializer_list<int> items) {
    page_.dc.ClearRecords();
    page_.host.messages.clear();
    page_.Tick(tab, items).Draw(10);
    EXPECT_EQ(surface_.HygieneReport(), "");
  }
  std::vector<std::string> Ops() const {
    std::vector<std::string> ops;
    for (const Record& record : surface_.TopLevelRecords()) ops.push_back(record.op);
    return ops;
  }
  // The error box the page shows, or "" when it shows none.
  std::string Message() const {
    EXPECT_LE(page_.host.messages.size(), 1u);
    if (page_.host.messages.empty()) return "";
    const TestHost::Message& m = page_.host.messages[0];
    EXPECT_EQ(std::pair(m.caption, m.icon), std::pair(std::string("Application ERROR"), MessageIcon::Stop));
    return m.text;
  }

  const ScratchDir dir_;
  Page page_{RecordingDevice::A4At600Dpi()};
  RecordingSurface& surface_ = page_.dc;
};

TEST_F(DataFilePage, TextPrintsAloneFromTheTopLeftInTimesNewRoman) {
  dir_.Write("fperc.qrv", "abc & more");
  Print(Tab::BlackWhite, {0, 9});
  EXPECT_EQ(Message(), "");
  EXPECT_EQ(Ops(), (std::vector<std::string>{"CreateFontIndirectA", "SelectObject", "DrawTextA", "SelectObject",
                                             "DeleteObject"}))
      << "nothing else of the category is drawn:\n" << surface_.Dump();
  const Record font = surface_.RecordsOf("CreateFontIndirectA").at(0);
  // Height 23 units a millimetre x 3999 / -900, weight 400.
  EXPECT_EQ(std::tuple(font.args.at(0), font.args.at(4), font.text), std::tuple(-102, 400, "Times New Roman"));
  // At y = 0 whatever the paper offset; the ampersand is not a prefix.
  const Record text = surface_.RecordsOf("DrawTextA").at(0);
  EXPECT_EQ(std::pair(text.text, text.args), std::pair(std::string("abc & more"), Args{0, 0, 4800, 6814, 0x2810}));
}

TEST_F(DataFilePage, TextFileFaultsShowTheirMessageAndLeaveThePageBlank) {
  const struct {
    const char* name;
    bool present;
    std::size_t bytes;
    const char* message;  // "": the text is drawn whole
  } cases[] = {
      {"missing", false, 0, kTextLoadFailedText}, {"empty", true, 0, kTextCorruptText},
      {"one byte over the buffer", true, kSimpleTextBufferBytes + 1, kTextLoadFailedText},
      {"exactly the buffer", true, kSimpleTextBufferBytes, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove(dir_.Path("fperc.qrv"));
    if (c.present) dir_.Write("fperc.qrv", std::string(c.bytes, 'x'));
    Print(Tab::BlackWhite, {9});
    EXPECT_EQ(Message(), c.message);
    const auto drawn = surface_.RecordsOf("DrawTextA");
    if (*c.message) {
      EXPECT_TRUE(Ops().empty()) << surface_.Dump();
    } else {
      ASSERT_EQ(drawn.size(), 1u);
      EXPECT_EQ(drawn[0].text.size(), c.bytes);
    }
  }
}

TEST_F(DataFilePage, PictureIsStretchedOverThePageUnderItsTitle) {
  const std::vector<std::uint32_t> pixels(4 * 2, 0x336699);
  ASSERT_TRUE(WriteBmp24(dir_.Path("myimg.qrv"), 4, 2, pixels));
  Print(Tab::Color, {0, 12});
  EXPECT_EQ(Message(), "");
  EXPECT_EQ(Ops(), (std::vector<std::string>{"LoadBitmapFile", "StretchBlt", "SetBkMode", "DrawTextA", "SetBkMode",
                                             "DeleteObject"}))
      << "no title line of the category, no other block:\n" << surface_.Dump();
  const Record load = surface_.RecordsOf("LoadBitmapFile").at(0);
  EXPECT_EQ(load.text, dir_.Path("myimg.qrv"));
  EXPECT_EQ(surface_.RecordsOf("StretchBlt").at(0).args, (Args{0, 0, 4800, 6814, load.result, 0, 0, 1240, 1754}))
      << "the offset does not apply; the source is the picture's 1240 x 1754";
  EXPECT_EQ(surface_.RecordsOf("SetBkMode").at(0).args.at(0), kTransparent);
  const Record title = surface_.RecordsOf("DrawTextA").at(0);
  EXPECT_EQ(std::pair(title.text, title.args),
            std::pair(std::string("QORVEL Veltrim version 2 / Printer: Queue 7"), Args{0, 0, 4800, 6814, 0x2810}));
  EXPECT_EQ(surface_.BkMode(), kOpaque) << "the background mode is put back";
}

TEST_F(DataFilePage, PictureFaultsShowTheirMessageAndLeaveThePageBlank) {
  enum class File { None, Text, Bitmap };
  const struct { const char* name; File file; bool failCopy; const char* message; } cases[] = {
      {"missing", File::None, false, kBitmapLoadFailedText}, {"not a bitmap", File::Text, false, kBitmapLoadFailedText},
      {"the copy fails", File::Bitmap, true, kBitmapCopyFailedText},
  };
  const std::vector<std::uint32_t> pixel(1, 0xFFFFFF);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove(dir_.Path("myimg.qrv"));
    if (c.file == File::Text) dir_.Write("myimg.qrv", "just some text");
    if (c.file == File::Bitmap) {
      ASSERT_TRUE(WriteBmp24(dir_.Path("myimg.qrv"), 1, 1, pixel));
    }
    if (c.failCopy) surface_.FailNext("StretchBlt");
    Print(Tab::Color, {12});
    EXPECT_EQ(Message(), c.message);
    EXPECT_TRUE(surface_.RecordsOf("DrawTextA").empty()) << "no title on a blank page";
  }
}

}  // namespace
}  // namespace veltrim::test
