// The gdi backend: the owners of Win32 handles close exactly once whichever way the handle travels, and GdiSurface on
// a memory DC over a 24-bit DIB section filled with a sentinel grey, where what the surface adds to GDI (object
// hygiene, a bounded face name, counted text, bitmaps refused when another DC holds them) is read back from the bits.
// Shapes, bitmaps and state rules at their pixels are the conformance table's (surface_conformance_test.cpp).
#include "backends/gdi/gdi_surface.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>

#include "backends/gdi/win_handles.hpp"
#include "core/platform/scoped_object.hpp"
#include "gdi_probes.hpp"
#include "surface_conformance.hpp"

namespace veltrim {
namespace {

bool Alive(HGDIOBJ object) { return ::GetObjectType(object) != 0; }

TEST(UniqueHandle, ClosesOnceWhereverTheHandleGoes) {
  win::OwnedBrush first(::CreateSolidBrush(RGB(1, 2, 3)));
  win::OwnedPen replaced(::CreatePen(PS_DOT, 1, RGB(9, 9, 9)));
  const HBRUSH brush = first.Get();
  const HPEN pen = replaced.Get();
  {
    win::OwnedBrush second(std::move(first));
    EXPECT_FALSE(first);  // NOLINT(bugprone-use-after-move): the moved-from state is the point
    EXPECT_TRUE(Alive(brush));
  }
  EXPECT_FALSE(Alive(brush)) << "the owner it moved to closes it";
  replaced = win::OwnedPen(::CreatePen(PS_SOLID, 1, RGB(0, 0, 0)));
  EXPECT_FALSE(Alive(pen)) << "assignment closes the handle it replaces";
  const HPEN kept = replaced.Release();
  replaced.Reset();
  EXPECT_TRUE(Alive(kept)) << "a released handle stays open";
  win::OwnedPen(kept).Reset();
  EXPECT_FALSE(Alive(kept));
}

constexpr ColorRef kSentinel = Rgb(0xCC, 0xCC, 0xCC), kBlue = Rgb(0, 0, 255);

LogFont Arial(int height) {
  LogFont font;
  font.lfHeight = height;
  font.lfWeight = FW_NORMAL;
  std::snprintf(font.lfFaceName, sizeof font.lfFaceName, "%s", "Arial");
  return font;
}

class GdiSurfaceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(folder_);
    ASSERT_TRUE(conformance::WritePicture(picture_));
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  const std::filesystem::path folder_ =
      std::filesystem::temp_directory_path() / ("veltrim_gdi_" + std::to_string(::GetCurrentProcessId()));
  const std::string picture_ = (folder_ / "picture.bmp").string();
};

void RunEveryOperation(Surface& s, const std::string& bitmapFile, int round) {
  const std::array<Point, 4> curve{{{10, 100}, {10, 20}, {110, 20}, {110, 100}}};
  const auto pen = ScopedPen(s, PenStyle::Solid, 1 + round % 4, kBlue);
  const auto brush = ScopedBrush(s, Rgb(round, 0, 0));
  const auto font = ScopedFont(s, Arial(-10 - round));
  const ScopedSelection stock(s, s.GetStockObject(StockObject::LtGrayBrush));
  s.Rectangle(1, 1, 50, 50);
  s.Ellipse(1, 1, 50, 50);
  s.Chord(1, 1, 50, 50, 50, 25, 1, 25);
  s.Arc(1, 1, 50, 50, 25, 25, 25, 25);
  s.ArcTo(1, 1, 50, 50, 50, 25, 1, 25);
  s.PolyBezier(curve);
  s.TextOutA(2, 60, "Text");
  Rect rect{0, 80, 120, 120};
  s.DrawTextA("Some words to wrap", rect, kDtWordBreak);
  const ObjectHandle bitmap = s.LoadBitmapFile(bitmapFile.c_str());
  s.BitBlt(0, 0, 2, 2, bitmap, 0, 0);
  s.StretchBlt(0, 0, 30, 20, bitmap, 0, 0, 2, 2);
  s.DeleteObject(bitmap);
}

// Every pen, brush, font and bitmap the surface makes is deselected and deleted: after many runs of every operation the
// process's GDI object count is where it started (that the count sees a kept object: offscreen_canvas_test).
TEST_F(GdiSurfaceTest, ARunOfEveryOperationLeavesNoObjectBehind) {
  test::DibCanvas canvas(120, 120, kSentinel);
  GdiSurface surface(canvas.Dc());
  RunEveryOperation(surface, picture_, 0);  // what the system caches on first use
  const int start = test::LiveGdiObjects();
  for (int round = 1; round <= 20; ++round) RunEveryOperation(surface, picture_, round);
  EXPECT_EQ(test::LiveGdiObjects(), start);
}

TEST_F(GdiSurfaceTest, FaceNameAndTextAreBoundedByTheirSizes) {
  test::DibCanvas canvas(8, 8, kSentinel);
  GdiSurface surface(canvas.Dc());
  LogFont font = Arial(-12);
  std::fill(std::begin(font.lfFaceName), std::end(font.lfFaceName), 'A');  // no NUL anywhere
  const ScopedObject created(surface, surface.CreateFontIndirectA(font));
  LOGFONTA back{};
  ASSERT_EQ(::GetObjectA(ToGdi(created.Get()), sizeof back, &back), static_cast<int>(sizeof back));
  EXPECT_EQ(std::string(back.lfFaceName), std::string(kLfFaceSize - 1, 'A'));

  Size one, two;
  ASSERT_TRUE(surface.GetTextExtentPoint32A("W", one));
  ASSERT_TRUE(surface.GetTextExtentPoint32A(std::string_view("WWWW").substr(0, 2), two));
  EXPECT_EQ(two.cx, 2 * one.cx) << "only the view's characters count";
}

// A bitmap held by another DC, a file that is no bitmap, a handle of another kind: refused, nothing drawn. (Copies at
// their pixels: the conformance table.)
TEST_F(GdiSurfaceTest, BitmapsHeldElsewhereOrNotBitmapsAreRefused) {
  std::ofstream(folder_ / "text.bmp") << "not a bitmap at all";
  test::DibCanvas canvas(8, 8, kSentinel), held(4, 4, kSentinel);
  GdiSurface surface(canvas.Dc());
  Size size;
  EXPECT_FALSE(surface.LoadBitmapFile((folder_ / "text.bmp").string().c_str()));
  EXPECT_FALSE(surface.BitBlt(0, 0, 4, 4, ObjectHandle{}, 0, 0));
  EXPECT_FALSE(surface.BitBlt(0, 0, 4, 4, FromGdi(held.Bitmap()), 0, 0)) << "held by another DC";
  EXPECT_FALSE(surface.StretchBlt(0, 0, 4, 4, FromGdi(held.Bitmap()), 0, 0, 4, 4));
  EXPECT_FALSE(surface.GetBitmapSize(surface.GetStockObject(StockObject::BlackBrush), size));
  EXPECT_EQ(canvas.At(1, 1), kSentinel);
}

}  // namespace
}  // namespace veltrim
