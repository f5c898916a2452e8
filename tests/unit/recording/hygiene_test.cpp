// Object hygiene on the recording surface (every object created is
// deleted, every selection restored), and the scoped helpers that keep it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/scoped_object.hpp"
#include "recording_surface.hpp"

namespace veltrim {
namespace {

std::string N(ObjectHandle handle) { return std::to_string(handle.value); }

TEST(Hygiene, ReportsEachFaultInOrderOfKind) {
  // Each case acts on a fresh surface and answers the report it expects.
  const std::pair<const char*, std::function<std::string(RecordingSurface&)>> cases[] = {
      {"nothing happens", [](RecordingSurface&) { return ""; }},
      {"create, select, restore, delete",
       [](RecordingSurface& s) {
         const ObjectHandle pen = s.CreatePen(PenStyle::Solid, 2, Rgb(255, 0, 0));
         const ObjectHandle old = s.SelectObject(pen);
         s.LineTo(10, 10);
         s.SelectObject(old);
         EXPECT_TRUE(s.DeleteObject(pen));
         EXPECT_TRUE(s.Object(pen)->deleted);
         return "";
       }},
      {"never deleted",
       [](RecordingSurface& s) {
         const ObjectHandle pen = s.CreatePen(PenStyle::Dash, 2, Rgb(255, 0, 0));
         const ObjectHandle brush = s.CreateBrushIndirect(LogBrush{kBsSolid, 0x00FF00, 0});
         LogFont font;
         font.lfHeight = -40;
         std::snprintf(font.lfFaceName, sizeof font.lfFaceName, "%s", "Arial");
         const ObjectHandle created = s.CreateFontIndirectA(font);
         return "pen " + N(pen) + " from CreatePen(dash, 2, 0x0000FF) was never deleted\n" + "brush " + N(brush) +
                " from CreateBrushIndirect(0, 0x00FF00, 0) was never deleted\n" + "font " + N(created) +
                " from CreateFontIndirectA(height -40, width 0, weight 0, \"Arial\") was never deleted\n";
       }},
      {"selection not restored",
       [](RecordingSurface& s) {
         s.SelectObject(s.GetStockObject(StockObject::NullPen));
         s.SelectObject(s.GetStockObject(StockObject::GrayBrush));
         return "the pen selection was not restored: stock NULL_PEN is selected, stock BLACK_PEN was at the start\n"
                "the brush selection was not restored: stock GRAY_BRUSH is selected, stock WHITE_BRUSH was at the "
                "start\n";
       }},
      {"restored and put back",
       [](RecordingSurface& s) {
         s.SelectObject(s.GetStockObject(StockObject::NullPen));
         s.SelectObject(RecordingSurface::StockHandle(StockObject::BlackPen));
         return "";
       }},
      {"created object left selected",
       [](RecordingSurface& s) {
         const ObjectHandle pen = s.CreatePen(PenStyle::Solid, 1, 0);
         s.SelectObject(pen);
         return "pen " + N(pen) + " from CreatePen(solid, 1, 0x000000) was never deleted (still selected)\n" +
                "the pen selection was not restored: pen " + N(pen) +
                " is selected, stock BLACK_PEN was at the start\n";
       }},
      {"deleted while selected, then properly",
       [](RecordingSurface& s) {
         const ObjectHandle brush = s.CreateBrushIndirect(LogBrush{kBsSolid, 0, 0});
         const ObjectHandle old = s.SelectObject(brush);
         EXPECT_FALSE(s.DeleteObject(brush)) << "GDI refuses to delete a selected object";
         EXPECT_FALSE(s.Object(brush)->deleted);
         s.SelectObject(old);
         EXPECT_TRUE(s.DeleteObject(brush));
         return "DeleteObject(" + N(brush) + "): brush " + N(brush) +
                " from CreateBrushIndirect(0, 0x000000, 0) is still selected; not deleted (deleted while selected)\n";
       }},
      {"double delete",
       [](RecordingSurface& s) {
         const ObjectHandle pen = s.CreatePen(PenStyle::Solid, 1, 0);
         EXPECT_TRUE(s.DeleteObject(pen));
         EXPECT_FALSE(s.DeleteObject(pen));
         return "DeleteObject(" + N(pen) + "): pen " + N(pen) + " was already deleted (double delete)\n";
       }},
      {"unknown handles",
       [](RecordingSurface& s) {
         EXPECT_FALSE(s.DeleteObject(ObjectHandle{777}));
         EXPECT_FALSE(s.DeleteObject(ObjectHandle{}));
         return "DeleteObject(777): unknown handle\nDeleteObject(0): no object (handle 0)\n";
       }},
      {"stock objects deleted",
       [](RecordingSurface& s) {
         for (const StockObject which : {StockObject::WhiteBrush, StockObject::BlackPen, StockObject::SystemFont})
           EXPECT_TRUE(s.DeleteObject(s.GetStockObject(which)));
         EXPECT_TRUE(s.DeleteObject(RecordingSurface::DefaultBitmapHandle()));
         EXPECT_FALSE(s.Object(RecordingSurface::StockHandle(StockObject::BlackPen))->deleted);
         EXPECT_EQ(s.SelectObject(s.GetStockObject(StockObject::NullPen)),
                   RecordingSurface::StockHandle(StockObject::BlackPen))
             << "a deleted stock object is still usable";
         s.SelectObject(RecordingSurface::StockHandle(StockObject::BlackPen));
         return "";
       }},
      {"every kind at once",
       [](RecordingSurface& s) {
         const ObjectHandle pen = s.CreatePen(PenStyle::Solid, 1, 0);
         s.SelectObject(pen);
         s.DeleteObject(pen);
         s.DeleteObject(ObjectHandle{9});
         return "DeleteObject(" + N(pen) + "): pen " + N(pen) +
                " from CreatePen(solid, 1, 0x000000) is still selected; not deleted (deleted while selected)\n"
                "DeleteObject(9): unknown handle\npen " + N(pen) +
                " from CreatePen(solid, 1, 0x000000) was never deleted (still selected)\nthe pen selection was not "
                "restored: pen " + N(pen) + " is selected, stock BLACK_PEN was at the start\n";
       }},
  };
  for (const auto& [name, act] : cases) {
    RecordingSurface surface;
    const std::string expected = act(surface);
    EXPECT_EQ(surface.HygieneReport(), expected) << name;
    EXPECT_EQ(surface.Problems().size(), static_cast<std::size_t>(std::count(expected.begin(), expected.end(), '\n')));
  }
}

TEST(ScopedObject, PenIsSelectedThenRestoredAndDeleted) {
  RecordingSurface surface;
  const auto black = static_cast<std::int64_t>(RecordingSurface::StockHandle(StockObject::BlackPen).value);
  std::int64_t pen = 0;
  {
    const ScopedObject scoped = ScopedPen(surface, PenStyle::Solid, 3, Rgb(0, 0, 255));
    pen = static_cast<std::int64_t>(scoped.Get().value);
    surface.LineTo(5, 5);
  }
  EXPECT_EQ(surface.Records(), (std::vector<Record>{{"CreatePen", {0, 3, 0xFF0000}, "", pen},
                                                    {"SelectObject", {pen}, "", black},
                                                    {"LineTo", {5, 5}, "", 1},
                                                    {"SelectObject", {black}, "", pen},
                                                    {"DeleteObject", {pen}, "", 1}}));
  EXPECT_EQ(surface.HygieneReport(), "");
}

TEST(ScopedObject, MovedOnceDeletedOnceAndAFailedCreationLeavesTheSurfaceAlone) {
  RecordingSurface surface;
  {
    ScopedObject first = ScopedPen(surface, PenStyle::Solid, 1, 0);
    const ScopedObject second(std::move(first));
    EXPECT_TRUE(second.Get());
  }
  EXPECT_EQ(surface.RecordsOf("DeleteObject").size(), 1u);
  EXPECT_EQ(surface.RecordsOf("SelectObject").size(), 2u);
  surface.ClearRecords();
  surface.FailNext("CreatePen");
  EXPECT_FALSE(ScopedPen(surface, PenStyle::Solid, 1, 0).Get());
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
