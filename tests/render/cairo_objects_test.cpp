// Objects of the cairo backend: stock objects and default selections, what
// SelectObject hands back, DeleteObject's refusals, ScopedObject on a real
// surface, and bitmaps loaded from files and copied onto a page.

#include <fstream>

#include "platform/scoped_object.hpp"
#include "render_support.hpp"

#include "test_bitmap.hpp"

namespace veltrim::test {
namespace {

TEST(CairoObjects, APrinterContextStartsWithBlackPenWhiteBrushAndDeviceFont) {
  CairoSurface s(SmallCaps());
  const ObjectHandle pen = s.CreatePen(PenStyle::Solid, 3, Rgb(1, 2, 3));
  const ObjectHandle brush = s.CreateBrushIndirect(LogBrush{kBsSolid, Rgb(4, 5, 6), 0});
  const ObjectHandle font = s.CreateFontIndirectA(LogFont{});
  ASSERT_TRUE(pen && brush && font);
  EXPECT_EQ(s.SelectObject(pen), s.GetStockObject(StockObject::BlackPen));
  EXPECT_EQ(s.SelectObject(brush), s.GetStockObject(StockObject::WhiteBrush));
  EXPECT_EQ(s.SelectObject(font), s.GetStockObject(StockObject::DeviceDefaultFont));
  // Selecting again answers the object itself; putting the stock ones back
  // answers the created ones.
  EXPECT_EQ(s.SelectObject(pen), pen);
  EXPECT_EQ(s.SelectObject(s.GetStockObject(StockObject::BlackPen)), pen);
  EXPECT_EQ(s.SelectObject(s.GetStockObject(StockObject::WhiteBrush)), brush);
  EXPECT_EQ(s.SelectObject(s.GetStockObject(StockObject::DeviceDefaultFont)), font);
  for (const ObjectHandle object : {pen, brush, font}) EXPECT_TRUE(s.DeleteObject(object));
}

TEST(CairoObjects, StockObjectsAreStableDistinctAndNeverDeleted) {
  CairoSurface s(SmallCaps());
  const StockObject all[] = {StockObject::WhiteBrush,  StockObject::LtGrayBrush,   StockObject::GrayBrush,
                             StockObject::DkGrayBrush, StockObject::BlackBrush,    StockObject::NullBrush,
                             StockObject::WhitePen,    StockObject::BlackPen,      StockObject::NullPen,
                             StockObject::OemFixedFont, StockObject::AnsiFixedFont, StockObject::AnsiVarFont,
                             StockObject::SystemFont,  StockObject::DeviceDefaultFont, StockObject::SystemFixedFont,
                             StockObject::DefaultGuiFont};
  std::vector<ObjectHandle> seen;
  for (const StockObject which : all) {
    const ObjectHandle handle = s.GetStockObject(which);
    ASSERT_TRUE(handle) << static_cast<int>(which);
    EXPECT_EQ(s.GetStockObject(which), handle);
    EXPECT_EQ(std::count(seen.begin(), seen.end(), handle), 0);
    seen.push_back(handle);
    EXPECT_TRUE(s.DeleteObject(handle));  // allowed, and does nothing
    EXPECT_EQ(s.GetStockObject(which), handle);
  }
  EXPECT_FALSE(s.GetStockObject(static_cast<StockObject>(9)));
  // The stock black pen still draws after its "deletion".
  const ObjectHandle previous = s.SelectObject(s.GetStockObject(StockObject::NullPen));
  EXPECT_EQ(s.SelectObject(previous), s.GetStockObject(StockObject::NullPen));
}

TEST(CairoObjects, DeleteRefusesSelectedUnknownAndDeletedObjects) {
  CairoSurface s(SmallCaps());
  const ObjectHandle pen = s.CreatePen(PenStyle::Dot, 1, 0);
  const ObjectHandle previous = s.SelectObject(pen);
  EXPECT_FALSE(s.DeleteObject(pen));  // still selected: kept
  EXPECT_EQ(s.SelectObject(previous), pen);
  EXPECT_TRUE(s.DeleteObject(pen));
  EXPECT_FALSE(s.DeleteObject(pen));
  EXPECT_FALSE(s.SelectObject(pen));  // gone
  EXPECT_FALSE(s.DeleteObject(ObjectHandle{}));
  EXPECT_FALSE(s.SelectObject(ObjectHandle{987654}));
  EXPECT_FALSE(s.CreatePen(static_cast<PenStyle>(42), 1, 0));
  EXPECT_FALSE(s.CreateBrushIndirect(LogBrush{kBsHatched, 0, 99}));
}

TEST(CairoObjects, ScopedObjectsRestoreTheSelectionAndDeleteTheirOwn) {
  PngPage page;
  ASSERT_TRUE(page.Started());
  Surface& s = page.S();
  ObjectHandle red;
  {
    ScopedObject pen = ScopedPen(s, PenStyle::Solid, 1, Rgb(255, 0, 0));
    red = pen.Get();
    s.MoveToEx(10, 10, nullptr);
    s.LineTo(50, 10);
    ScopedObject moved(std::move(pen));  // one owner after a move, one deletion
  }
  EXPECT_FALSE(s.DeleteObject(red));  // already deleted by its scope
  s.MoveToEx(10, 20, nullptr);
  s.LineTo(50, 20);  // the default pen is back
  const ObjectHandle current = s.SelectObject(s.GetStockObject(StockObject::BlackPen));
  EXPECT_EQ(current, s.GetStockObject(StockObject::BlackPen));
  const RasterImage image = page.Finish();
  EXPECT_EQ(page.At(image, 30, 10), kRed);
  EXPECT_EQ(page.At(image, 30, 20), kBlack);
}

TEST(CairoObjects, StateSettersAnswerThePreviousValue) {
  CairoSurface s(SmallCaps());
  EXPECT_EQ(s.SetTextColor(Rgb(1, 2, 3)), Rgb(0, 0, 0));
  EXPECT_EQ(s.SetTextColor(Rgb(4, 5, 6)), Rgb(1, 2, 3));
  EXPECT_EQ(s.SetBkColor(Rgb(7, 8, 9)), Rgb(255, 255, 255));
  EXPECT_EQ(s.SetBkMode(kTransparent), kOpaque);
  EXPECT_EQ(s.SetBkMode(0), 0);
  EXPECT_EQ(s.SetBkMode(3), 0);
  EXPECT_EQ(s.SetBkMode(kOpaque), kTransparent);
}

class BitmapTest : public ::testing::Test {
 protected:
  // 2 x 2: red, green on the top row; blue, yellow below.
  void SetUp() override {
    const std::uint32_t rgb[] = {kRed, kGreen, kBlue, kYellow};
    bmp_ = dir_.Path() / "quad.bmp";
    ASSERT_TRUE(WriteBmp24(bmp_, 2, 2, rgb));
  }
  TempDir dir_;
  std::filesystem::path bmp_;
};

TEST_F(BitmapTest, StretchAndBitBltCopyTheLoadedBitmap) {
  PngPage page;
  ASSERT_TRUE(page.Started());
  Surface& s = page.S();
  const ObjectHandle bitmap = s.LoadBitmapFile(bmp_.c_str());
  ASSERT_TRUE(bitmap);
  Size size;
  ASSERT_TRUE(s.GetBitmapSize(bitmap, size));
  EXPECT_EQ(size, (Size{2, 2}));
  EXPECT_FALSE(s.SelectObject(bitmap));  // a printer context takes no bitmap
  EXPECT_TRUE(s.StretchBlt(10, 10, 40, 40, bitmap, 0, 0, 2, 2));
  EXPECT_TRUE(s.BitBlt(100, 100, 2, 2, bitmap, 0, 0));
  EXPECT_TRUE(s.BitBlt(200, 200, 1, 1, bitmap, 1, 1));
  EXPECT_TRUE(s.StretchBlt(300, 10, -40, 20, bitmap, 0, 0, 2, 2));  // mirrored
  EXPECT_FALSE(s.StretchBlt(10, 10, 4, 4, bitmap, 0, 0, 0, 2));
  EXPECT_TRUE(s.DeleteObject(bitmap));
  EXPECT_FALSE(s.BitBlt(0, 0, 2, 2, bitmap, 0, 0));
  const RasterImage image = page.Finish();

  const struct {
    int x, y;
    std::uint32_t rgb;
  } probes[] = {
      {10, 10, kRed},    {29, 29, kRed},    {30, 10, kGreen},  {49, 29, kGreen},  {10, 30, kBlue},
      {49, 49, kYellow}, {9, 20, kWhite},   {50, 20, kWhite},  {20, 50, kWhite},  {20, 9, kWhite},
      {100, 100, kRed},  {101, 100, kGreen}, {100, 101, kBlue}, {101, 101, kYellow}, {102, 100, kWhite},
      {200, 200, kYellow}, {201, 200, kWhite}, {200, 201, kWhite},
      {260, 10, kGreen}, {299, 10, kRed},   {300, 10, kWhite}, {259, 10, kWhite},
  };
  for (const auto& probe : probes)
    EXPECT_EQ(page.At(image, probe.x, probe.y), probe.rgb) << "(" << probe.x << ", " << probe.y << ")";
}

TEST_F(BitmapTest, FilesThatAreNotBitmapsLoadNothing) {
  CairoSurface s(SmallCaps());
  const auto text = dir_.Path() / "not.bmp";
  std::ofstream(text) << "BM but not really a bitmap";
  const auto truncated = dir_.Path() / "truncated.bmp";
  {
    std::ifstream in(bmp_, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::ofstream(truncated, std::ios::binary) << bytes.substr(0, 20);
  }
  EXPECT_FALSE(s.LoadBitmapFile((dir_.Path() / "missing.bmp").c_str()));
  EXPECT_FALSE(s.LoadBitmapFile(text.c_str()));
  EXPECT_FALSE(s.LoadBitmapFile(truncated.c_str()));
  EXPECT_FALSE(s.LoadBitmapFile(nullptr));
  EXPECT_TRUE(s.LoadBitmapFile(bmp_.c_str()));
}

}  // namespace
}  // namespace veltrim::test
