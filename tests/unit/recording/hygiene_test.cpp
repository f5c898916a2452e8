// Object hygiene on the recording surface (every object created is
// deleted, every selection restored), and the scoped helpers that keep it.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "platform/scoped_object.hpp"
#include "recording_surface.hpp"

namespace veltrim {
namespace {

std::string Num(ObjectHandle handle) { return std::to_string(handle.value); }

TEST(Hygiene, CleanWhenNothingHappens) {
  RecordingSurface surface;
  EXPECT_TRUE(surface.Problems().empty());
  EXPECT_EQ(surface.HygieneReport(), "");
}

TEST(Hygiene, CleanAfterCreateSelectRestoreDelete) {
  RecordingSurface surface;
  const ObjectHandle pen = surface.CreatePen(PenStyle::Solid, 2, Rgb(255, 0, 0));
  const ObjectHandle old = surface.SelectObject(pen);
  surface.LineTo(10, 10);
  surface.SelectObject(old);
  surface.DeleteObject(pen);
  EXPECT_EQ(surface.HygieneReport(), "");
}

TEST(Hygiene, ObjectNeverDeleted) {
  RecordingSurface surface;
  const ObjectHandle pen = surface.CreatePen(PenStyle::Dash, 2, Rgb(255, 0, 0));
  const ObjectHandle brush = surface.CreateBrushIndirect(LogBrush{kBsSolid, 0x00FF00, 0});
  LogFont font;
  font.lfHeight = -40;
  std::snprintf(font.lfFaceName, sizeof font.lfFaceName, "%s", "Arial");
  const ObjectHandle created = surface.CreateFontIndirectA(font);
  EXPECT_EQ(surface.HygieneReport(),
            "pen " + Num(pen) + " from CreatePen(dash, 2, 0x0000FF) was never deleted\n" +
                "brush " + Num(brush) + " from CreateBrushIndirect(0, 0x00FF00, 0) was never deleted\n" +
                "font " + Num(created) + " from CreateFontIndirectA(height -40, width 0, weight 0, \"Arial\")" +
                " was never deleted\n");
  surface.DeleteObject(pen);
  surface.DeleteObject(brush);
  surface.DeleteObject(created);
  EXPECT_EQ(surface.HygieneReport(), "");
}

TEST(Hygiene, SelectionNotRestored) {
  RecordingSurface surface;
  surface.SelectObject(surface.GetStockObject(StockObject::NullPen));
  surface.SelectObject(surface.GetStockObject(StockObject::GrayBrush));
  EXPECT_EQ(surface.HygieneReport(),
            "the pen selection was not restored: stock NULL_PEN is selected, stock BLACK_PEN was at the start\n"
            "the brush selection was not restored: stock GRAY_BRUSH is selected, stock WHITE_BRUSH was at the "
            "start\n");
  surface.SelectObject(surface.GetStockObject(StockObject::BlackPen));
  surface.SelectObject(surface.GetStockObject(StockObject::WhiteBrush));
  EXPECT_EQ(surface.HygieneReport(), "");
}

TEST(Hygiene, CreatedObjectLeftSelected) {
  RecordingSurface surface;
  const ObjectHandle pen = surface.CreatePen(PenStyle::Solid, 1, 0);
  surface.SelectObject(pen);
  EXPECT_EQ(surface.HygieneReport(),
            "pen " + Num(pen) + " from CreatePen(solid, 1, 0x000000) was never deleted (still selected)\n" +
                "the pen selection was not restored: pen " + Num(pen) +
                " is selected, stock BLACK_PEN was at the start\n");
}

TEST(Hygiene, DeletedWhileSelected) {
  RecordingSurface surface;
  const ObjectHandle brush = surface.CreateBrushIndirect(LogBrush{kBsSolid, 0, 0});
  const ObjectHandle old = surface.SelectObject(brush);
  EXPECT_FALSE(surface.DeleteObject(brush)) << "GDI refuses to delete a selected object";
  EXPECT_FALSE(surface.Object(brush)->deleted);
  surface.SelectObject(old);
  EXPECT_TRUE(surface.DeleteObject(brush));
  // The fault stays reported even though the object was deleted properly later.
  EXPECT_EQ(surface.HygieneReport(), "DeleteObject(" + Num(brush) + "): brush " + Num(brush) +
                                         " from CreateBrushIndirect(0, 0x000000, 0) is still selected; not deleted"
                                         " (deleted while selected)\n");
}

TEST(Hygiene, DoubleDelete) {
  RecordingSurface surface;
  const ObjectHandle pen = surface.CreatePen(PenStyle::Solid, 1, 0);
  EXPECT_TRUE(surface.DeleteObject(pen));
  EXPECT_FALSE(surface.DeleteObject(pen));
  EXPECT_EQ(surface.HygieneReport(),
            "DeleteObject(" + Num(pen) + "): pen " + Num(pen) + " was already deleted (double delete)\n");
}

TEST(Hygiene, DeleteOfUnknownHandles) {
  RecordingSurface surface;
  EXPECT_FALSE(surface.DeleteObject(ObjectHandle{777}));
  EXPECT_FALSE(surface.DeleteObject(ObjectHandle{}));
  EXPECT_EQ(surface.HygieneReport(), "DeleteObject(777): unknown handle\nDeleteObject(0): no object (handle 0)\n");
  EXPECT_EQ(surface.Problems().size(), 2u);
}

TEST(Hygiene, DeletingStockObjectsIsHarmless) {
  RecordingSurface surface;
  for (const StockObject which : {StockObject::WhiteBrush, StockObject::BlackPen, StockObject::SystemFont}) {
    EXPECT_TRUE(surface.DeleteObject(surface.GetStockObject(which)));
  }
  EXPECT_TRUE(surface.DeleteObject(RecordingSurface::DefaultBitmapHandle()));
  EXPECT_EQ(surface.HygieneReport(), "");
  EXPECT_EQ(surface.SelectObject(surface.GetStockObject(StockObject::NullPen)),
            RecordingSurface::StockHandle(StockObject::BlackPen))
      << "a deleted stock object is still usable";
  surface.SelectObject(RecordingSurface::StockHandle(StockObject::BlackPen));
}

TEST(Hygiene, ProblemsInOrderOfKind) {
  RecordingSurface surface;
  const ObjectHandle pen = surface.CreatePen(PenStyle::Solid, 1, 0);
  surface.SelectObject(pen);
  surface.DeleteObject(pen);              // deleted while selected
  surface.DeleteObject(ObjectHandle{9});  // unknown
  const auto problems = surface.Problems();
  ASSERT_EQ(problems.size(), 4u);
  EXPECT_NE(problems[0].find("deleted while selected"), std::string::npos);
  EXPECT_NE(problems[1].find("unknown handle"), std::string::npos);
  EXPECT_NE(problems[2].find("never deleted (still selected)"), std::string::npos);
  EXPECT_NE(problems[3].find("selection was not restored"), std::string::npos);
}

// The scoped helpers of scoped_object.hpp.

TEST(ScopedObject, PenIsSelectedThenRestoredAndDeleted) {
  RecordingSurface surface;
  const ObjectHandle blackPen = RecordingSurface::StockHandle(StockObject::BlackPen);
  ObjectHandle pen;
  {
    const ScopedObject scoped = ScopedPen(surface, PenStyle::Solid, 3, Rgb(0, 0, 255));
    pen = scoped.Get();
    ASSERT_TRUE(pen);
    EXPECT_EQ(surface.Selected(ObjectKind::Pen), pen);
    surface.LineTo(5, 5);
  }
  EXPECT_EQ(surface.Selected(ObjectKind::Pen), blackPen) << "the old pen comes back";
  EXPECT_TRUE(surface.Object(pen)->deleted);
  const std::int64_t p = static_cast<std::int64_t>(pen.value);
  const std::int64_t b = static_cast<std::int64_t>(blackPen.value);
  const std::vector<Record> expected{
      {"CreatePen", {0, 3, 0xFF0000}, "", p},
      {"SelectObject", {p}, "", b},
      {"LineTo", {5, 5}, "", 1},
      {"SelectObject", {b}, "", p},
      {"DeleteObject", {p}, "", 1},
  };
  EXPECT_EQ(surface.Records(), expected) << surface.Dump();
  EXPECT_EQ(surface.HygieneReport(), "");
}

TEST(ScopedObject, NestedBrushesAndFontRestoreInTurn) {
  RecordingSurface surface;
  const ObjectHandle whiteBrush = RecordingSurface::StockHandle(StockObject::WhiteBrush);
  const ObjectHandle systemFont = RecordingSurface::StockHandle(StockObject::SystemFont);
  {
    const ScopedObject outer = ScopedBrush(surface, Rgb(255, 0, 0));
    {
      const ScopedObject inner = ScopedBrush(surface, Rgb(0, 255, 0));
      LogFont font;
      font.lfHeight = 30;
      const ScopedObject text = ScopedFont(surface, font);
      EXPECT_EQ(surface.Selected(ObjectKind::Brush), inner.Get());
      EXPECT_EQ(surface.Selected(ObjectKind::Font), text.Get());
      TextMetrics metrics;
      surface.GetTextMetricsA(metrics);
      EXPECT_EQ(metrics.tmHeight, 30);
    }
    EXPECT_EQ(surface.Selected(ObjectKind::Brush), outer.Get()) << "the outer brush comes back";
    EXPECT_EQ(surface.Selected(ObjectKind::Font), systemFont);
  }
  EXPECT_EQ(surface.Selected(ObjectKind::Brush), whiteBrush);
  EXPECT_EQ(surface.HygieneReport(), "");
}

TEST(ScopedObject, MovedObjectIsDeletedOnce) {
  RecordingSurface surface;
  {
    ScopedObject first = ScopedPen(surface, PenStyle::Solid, 1, 0);
    const ScopedObject second(std::move(first));
    EXPECT_TRUE(second.Get());
  }
  EXPECT_EQ(surface.RecordsOf("DeleteObject").size(), 1u);
  EXPECT_EQ(surface.RecordsOf("SelectObject").size(), 2u);
  EXPECT_EQ(surface.HygieneReport(), "");
}

TEST(ScopedObject, FailedCreationLeavesTheSurfaceAlone) {
  RecordingSurface surface;
  surface.FailNext("CreatePen");
  {
    const ScopedObject pen = ScopedPen(surface, PenStyle::Solid, 1, 0);
    EXPECT_FALSE(pen.Get());
  }
  EXPECT_EQ(surface.Selected(ObjectKind::Pen), RecordingSurface::StockHandle(StockObject::BlackPen));
  EXPECT_TRUE(surface.RecordsOf("DeleteObject").empty());
  EXPECT_EQ(surface.HygieneReport(), "");
}

TEST(ScopedSelection, StockObjectIsSelectedAndTheOldOneRestored) {
  RecordingSurface surface;
  const ObjectHandle pen = surface.CreatePen(PenStyle::Solid, 1, 0);
  const ObjectHandle original = surface.SelectObject(pen);
  {
    const ScopedSelection nullPen(surface, surface.GetStockObject(StockObject::NullPen));
    EXPECT_EQ(surface.Selected(ObjectKind::Pen), RecordingSurface::StockHandle(StockObject::NullPen));
  }
  EXPECT_EQ(surface.Selected(ObjectKind::Pen), pen) << "the old object comes back";
  surface.SelectObject(original);
  surface.DeleteObject(pen);
  EXPECT_EQ(surface.HygieneReport(), "");
}

}  // namespace
}  // namespace veltrim
