// Objects of the cairo backend: a printer context's default selections and
// what SelectObject hands back, stock objects, DeleteObject's refusals, the
// state setters, and bitmaps loaded from a file and copied onto a page.

#include <algorithm>
#include <vector>

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
  const std::pair<ObjectHandle, StockObject> defaults[] = {
      {pen, StockObject::BlackPen}, {brush, StockObject::WhiteBrush}, {font, StockObject::DeviceDefaultFont}};
  for (const auto& [created, stock] : defaults) {
    EXPECT_EQ(s.SelectObject(created), s.GetStockObject(stock));
    EXPECT_EQ(s.SelectObject(created), created) << "selecting again answers the object itself";
    EXPECT_FALSE(s.DeleteObject(created)) << "still selected: kept";
    EXPECT_EQ(s.SelectObject(s.GetStockObject(stock)), created);
    EXPECT_TRUE(s.DeleteObject(created));
    EXPECT_FALSE(s.DeleteObject(created)) << "already deleted";
    EXPECT_FALSE(s.SelectObject(created)) << "gone";
  }
  EXPECT_FALSE(s.DeleteObject(ObjectHandle{}));
  EXPECT_FALSE(s.SelectObject(ObjectHandle{987654}));
  EXPECT_FALSE(s.CreatePen(static_cast<PenStyle>(42), 1, 0));
  EXPECT_FALSE(s.CreateBrushIndirect(LogBrush{kBsHatched, 0, 99}));
}

TEST(CairoObjects, StockObjectsAreStableDistinctAndNeverDeleted) {
  CairoSurface s(SmallCaps());
  const StockObject all[] = {StockObject::WhiteBrush,   StockObject::LtGrayBrush,      StockObject::GrayBrush,
                             StockObject::DkGrayBrush,  StockObject::BlackBrush,       StockObject::NullBrush,
                             StockObject::WhitePen,     StockObject::BlackPen,         StockObject::NullPen,
                             StockObject::OemFixedFont, StockObject::AnsiFixedFont,    StockObject::AnsiVarFont,
                             StockObject::SystemFont,   StockObject::DeviceDefaultFont, StockObject::SystemFixedFont,
                             StockObject::DefaultGuiFont};
  std::vector<ObjectHandle> seen;
  for (const StockObject which : all) {
    const ObjectHandle handle = s.GetStockObject(which);
    ASSERT_TRUE(handle) << static_cast<int>(which);
    EXPECT_EQ(std::count(seen.begin(), seen.end(), handle), 0);
    seen.push_back(handle);
    EXPECT_TRUE(s.DeleteObject(handle));  // allowed, and does nothing
    EXPECT_EQ(s.GetStockObject(which), handle);
  }
  EXPECT_FALSE(s.GetStockObject(static_cast<StockObject>(9)));
}

TEST(CairoObjects, StateSettersAnswerThePreviousValueAndRefuseOthers) {
  CairoSurface s(SmallCaps());
  EXPECT_EQ(s.SetTextColor(Rgb(1, 2, 3)), Rgb(0, 0, 0));
  EXPECT_EQ(s.SetTextColor(Rgb(4, 5, 6)), Rgb(1, 2, 3));
  EXPECT_EQ(s.SetBkColor(Rgb(7, 8, 9)), Rgb(255, 255, 255));
  EXPECT_EQ(s.SetBkMode(kTransparent), kOpaque);
  EXPECT_EQ(s.SetBkMode(0), 0);
  EXPECT_EQ(s.SetBkMode(3), 0);
  EXPECT_EQ(s.SetBkMode(kOpaque), kTransparent);
}

// 2 x 2: red, green on the top row; blue, yellow below. Copied whole,
// stretched, mirrored and from inside; a printer context takes no bitmap.
TEST(CairoObjects, StretchAndBitBltCopyTheLoadedBitmap) {
  PngPage page;
  ASSERT_TRUE(page.Started());
  const std::uint32_t rgb[] = {kRed, kGreen, kBlue, kYellow};
  ASSERT_TRUE(WriteBmp24(page.Dir() / "quad.bmp", 2, 2, rgb));
  Surface& s = page.S();
  const ObjectHandle bitmap = s.LoadBitmapFile((page.Dir() / "quad.bmp").c_str());
  ASSERT_TRUE(bitmap);
  Size size;
  ASSERT_TRUE(s.GetBitmapSize(bitmap, size));
  EXPECT_EQ(size, (Size{2, 2}));
  EXPECT_FALSE(s.SelectObject(bitmap));
  EXPECT_TRUE(s.StretchBlt(10, 10, 40, 40, bitmap, 0, 0, 2, 2));
  EXPECT_TRUE(s.BitBlt(100, 100, 2, 2, bitmap, 0, 0));
  EXPECT_TRUE(s.BitBlt(200, 200, 1, 1, bitmap, 1, 1));
  EXPECT_TRUE(s.StretchBlt(300, 10, -40, 20, bitmap, 0, 0, 2, 2));
  EXPECT_FALSE(s.StretchBlt(10, 10, 4, 4, bitmap, 0, 0, 0, 2));
  EXPECT_TRUE(s.DeleteObject(bitmap));
  EXPECT_FALSE(s.BitBlt(0, 0, 2, 2, bitmap, 0, 0));
  EXPECT_FALSE(s.LoadBitmapFile((page.Dir() / "missing.bmp").c_str()));
  const Probe probes[] = {
      {10, 10, kRed},     {29, 29, kRed},      {30, 10, kGreen},   {49, 29, kGreen},     {10, 30, kBlue},
      {49, 49, kYellow},  {9, 20, kWhite},     {50, 20, kWhite},   {20, 50, kWhite},     {20, 9, kWhite},
      {100, 100, kRed},   {101, 100, kGreen},  {100, 101, kBlue},  {101, 101, kYellow},  {102, 100, kWhite},
      {200, 200, kYellow}, {201, 200, kWhite}, {200, 201, kWhite}, {260, 10, kGreen},    {299, 10, kRed},
      {300, 10, kWhite},  {259, 10, kWhite},
  };
  page.ExpectPixels(page.Finish(), probes);
}

}  // namespace
}  // namespace veltrim::test
