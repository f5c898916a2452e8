// The owners of Win32 handles close exactly once, whichever way the handle travels; the selection guard puts back what
// it replaced.
#include "win_handles.hpp"

#include <gtest/gtest.h>

#include <utility>

namespace veltrim::win {
namespace {

bool Alive(HGDIOBJ object) { return ::GetObjectType(object) != 0; }

TEST(UniqueHandle, ClosesOnceWhereverTheHandleGoes) {
  OwnedBrush first(::CreateSolidBrush(RGB(1, 2, 3)));
  OwnedPen replaced(::CreatePen(PS_DOT, 1, RGB(9, 9, 9)));
  const HBRUSH brush = first.Get();
  const HPEN pen = replaced.Get();
  {
    OwnedBrush second(std::move(first));
    EXPECT_FALSE(first);  // NOLINT(bugprone-use-after-move): the moved-from state is the point
    EXPECT_TRUE(Alive(brush));
  }
  EXPECT_FALSE(Alive(brush)) << "the owner it moved to closes it";
  replaced = OwnedPen(::CreatePen(PS_SOLID, 1, RGB(0, 0, 0)));
  EXPECT_FALSE(Alive(pen)) << "assignment closes the handle it replaces";
  const HPEN kept = replaced.Release();
  replaced.Reset();
  EXPECT_TRUE(Alive(kept)) << "a released handle stays open";
  OwnedPen(kept).Reset();
  EXPECT_FALSE(Alive(kept));

  WindowDc screen(nullptr);
  WindowDc moved(std::move(screen));
  EXPECT_FALSE(screen);  // NOLINT(bugprone-use-after-move)
  EXPECT_GT(::GetDeviceCaps(moved.Get(), BITSPIXEL), 0);
}

TEST(SelectGuard, PutsBackWhatItReplacedAndNothingWhenItFailed) {
  const OwnedDc dc(::CreateCompatibleDC(nullptr));
  const OwnedBrush red(::CreateSolidBrush(RGB(255, 0, 0))), blue(::CreateSolidBrush(RGB(0, 0, 255)));
  const HGDIOBJ original = ::GetCurrentObject(dc.Get(), OBJ_BRUSH);
  {
    const SelectGuard outer(dc.Get(), red.Get());
    {
      const SelectGuard inner(dc.Get(), blue.Get());
      const SelectGuard failed(dc.Get(), nullptr);
      EXPECT_FALSE(failed);
      EXPECT_EQ(::GetCurrentObject(dc.Get(), OBJ_BRUSH), blue.Get());
    }
    EXPECT_EQ(::GetCurrentObject(dc.Get(), OBJ_BRUSH), red.Get());
  }
  EXPECT_EQ(::GetCurrentObject(dc.Get(), OBJ_BRUSH), original);
}

}  // namespace
}  // namespace veltrim::win
