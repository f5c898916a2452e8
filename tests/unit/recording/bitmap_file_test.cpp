// Bitmap files on the recording surface: decoded, sized, blitted, selected and deleted. The files are written
// into a scratch folder, so the test runs the same natively and under Wine.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "../support/scratch_dir.hpp"
#include "recording_surface.hpp"
#include "test_bitmap.hpp"

namespace veltrim {
namespace {

// A 24-bit bitmap file of a varied picture, bottom-up or top-down.
std::string Bitmap24(int width, int height, bool topDown = false) {
  std::vector<std::uint32_t> rgb(static_cast<std::size_t>(width) * height);
  for (std::size_t i = 0; i < rgb.size(); ++i) rgb[i] = static_cast<std::uint32_t>(i * 0x0D0701) & 0xFFFFFF;
  const std::vector<std::uint8_t> bytes = test::BmpBytes(width, height, rgb, topDown);
  return std::string(bytes.begin(), bytes.end());
}

class BitmapFile : public ::testing::Test {
 protected:
  std::string Write(const char* name, const std::string& bytes) const { return dir_.Write(name, bytes); }
  const test::ScratchDir dir_;
};

TEST_F(BitmapFile, LoadsAndSizesABitmapBottomUpOrTopDown) {
  for (const bool topDown : {false, true}) {
    RecordingSurface surface;
    const std::string path = Write("picture.bmp", Bitmap24(37, 21, topDown));
    const ObjectHandle bitmap = surface.LoadBitmapFile(path.c_str());
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(surface.Records().back(), (Record{"LoadBitmapFile", {}, path, static_cast<std::int64_t>(bitmap.value)}));
    Size size;
    ASSERT_TRUE(surface.GetBitmapSize(bitmap, size));
    EXPECT_EQ(size, (Size{37, 21}));
    EXPECT_EQ(surface.Object(bitmap)->kind, ObjectKind::Bitmap);
    EXPECT_EQ(surface.Object(bitmap)->path, path);
    // A loaded bitmap is an object to delete. (The path is shown quoted, so
    // Windows backslashes appear doubled; only its file name is checked.)
    const std::string report = surface.HygieneReport();
    EXPECT_EQ(report.rfind("bitmap " + std::to_string(bitmap.value) + " from LoadBitmapFile(\"", 0), 0u) << report;
    EXPECT_NE(report.find("picture.bmp\") was never deleted\n"), std::string::npos) << report;
    EXPECT_TRUE(surface.DeleteObject(bitmap));
    EXPECT_FALSE(surface.GetBitmapSize(bitmap, size)) << "deleted";
    EXPECT_EQ(surface.HygieneReport(), "");
  }
}

TEST_F(BitmapFile, MissingOrBadFilesGiveNone) {
  RecordingSurface surface;
  EXPECT_FALSE(surface.LoadBitmapFile(dir_.Path("missing.bmp").c_str()));
  EXPECT_FALSE(surface.LoadBitmapFile(Write("empty.bmp", "").c_str()));
  EXPECT_FALSE(surface.LoadBitmapFile(Write("text.bmp", "this is no bitmap at all, only words").c_str()));
  std::string header = Bitmap24(8, 8).substr(0, 20);
  EXPECT_FALSE(surface.LoadBitmapFile(Write("cut.bmp", header).c_str())) << "header cut short";
  // A PNG signature: stb_image is built for BMP only, as LoadImageA reads BMP only.
  EXPECT_FALSE(surface.LoadBitmapFile(Write("image.png", "\x89PNG\r\n\x1a\n0000000000000000").c_str()));
  EXPECT_FALSE(surface.LoadBitmapFile(nullptr));
  for (const Record& record : surface.RecordsOf("LoadBitmapFile")) EXPECT_EQ(record.result, 0) << record;
  EXPECT_EQ(surface.HygieneReport(), "");
}

TEST_F(BitmapFile, BlitsRecordTheirArguments) {
  RecordingSurface surface;
  const ObjectHandle bitmap = surface.LoadBitmapFile(Write("blit.bmp", Bitmap24(10, 10)).c_str());
  ASSERT_TRUE(bitmap);
  const auto b = static_cast<std::int64_t>(bitmap.value);
  surface.ClearRecords();
  EXPECT_TRUE(surface.BitBlt(100, 200, 10, 10, bitmap, 0, 0));
  EXPECT_TRUE(surface.StretchBlt(0, 0, 4800, 4800, bitmap, 1, 2, 8, 7));
  EXPECT_FALSE(surface.BitBlt(0, 0, 1, 1, ObjectHandle{999}, 0, 0)) << "unknown bitmap";
  const ObjectHandle pen = surface.GetStockObject(StockObject::BlackPen);
  EXPECT_FALSE(surface.StretchBlt(0, 0, 1, 1, pen, 0, 0, 1, 1)) << "not a bitmap";
  const std::vector<Record> expected{
      {"BitBlt", {100, 200, 10, 10, b, 0, 0}, "", 1},
      {"StretchBlt", {0, 0, 4800, 4800, b, 1, 2, 8, 7}, "", 1},
      {"BitBlt", {0, 0, 1, 1, 999, 0, 0}, "", 0},
      {"GetStockObject", {7}, "", static_cast<std::int64_t>(pen.value)},
      {"StretchBlt", {0, 0, 1, 1, static_cast<std::int64_t>(pen.value), 0, 0, 1, 1}, "", 0},
  };
  EXPECT_EQ(surface.Records(), expected) << surface.Dump();
  ASSERT_TRUE(surface.DeleteObject(bitmap));
  EXPECT_FALSE(surface.BitBlt(0, 0, 1, 1, bitmap, 0, 0)) << "deleted bitmap";
}

TEST_F(BitmapFile, SelectingABitmapReplacesTheDefaultBitmap) {
  RecordingSurface surface;
  const ObjectHandle bitmap = surface.LoadBitmapFile(Write("select.bmp", Bitmap24(2, 2)).c_str());
  ASSERT_TRUE(bitmap);
  const ObjectHandle old = surface.SelectObject(bitmap);
  EXPECT_EQ(old, RecordingSurface::DefaultBitmapHandle());
  EXPECT_EQ(surface.Selected(ObjectKind::Bitmap), bitmap);
  EXPECT_EQ(surface.Selected(ObjectKind::Pen), RecordingSurface::StockHandle(StockObject::BlackPen));
  EXPECT_FALSE(surface.DeleteObject(bitmap)) << "selected";
  surface.SelectObject(old);
  EXPECT_TRUE(surface.DeleteObject(bitmap));
  ASSERT_EQ(surface.Problems().size(), 1u);
  EXPECT_NE(surface.Problems()[0].find("deleted while selected"), std::string::npos);
}

}  // namespace
}  // namespace veltrim
