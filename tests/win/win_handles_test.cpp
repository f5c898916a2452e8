// The owners of Win32 handles close exactly once, whichever way the handle
// travels; the selection guard puts back what it replaced.
#include "win_handles.hpp"

#include <gtest/gtest.h>

#include <type_traits>
#include <utility>

namespace veltrim::win {
namespace {

template <typename Owner>
constexpr bool kMoveOnly = !std::is_copy_constructible_v<Owner> && !std::is_copy_assignable_v<Owner> &&
                           std::is_nothrow_move_constructible_v<Owner> && std::is_nothrow_move_assignable_v<Owner>;
static_assert(kMoveOnly<OwnedGdiObject<>>);
static_assert(kMoveOnly<OwnedPen>);
static_assert(kMoveOnly<OwnedBrush>);
static_assert(kMoveOnly<OwnedFont>);
static_assert(kMoveOnly<OwnedBitmap>);
static_assert(kMoveOnly<OwnedDc>);
static_assert(kMoveOnly<OwnedPrinter>);
static_assert(kMoveOnly<OwnedGlobal>);
static_assert(kMoveOnly<WindowDc>);
static_assert(!std::is_copy_constructible_v<SelectGuard> && !std::is_move_constructible_v<SelectGuard>);

bool Alive(HGDIOBJ object) { return ::GetObjectType(object) != 0; }

TEST(UniqueHandle, MovedOwnerClosesOnceAtItsEnd) {
  HBRUSH raw = nullptr;
  {
    OwnedBrush first(::CreateSolidBrush(RGB(1, 2, 3)));
    raw = first.Get();
    ASSERT_TRUE(raw);
    OwnedBrush second(std::move(first));
    EXPECT_FALSE(first);  // NOLINT(bugprone-use-after-move): the moved-from state is the point
    EXPECT_EQ(second.Get(), raw);
    EXPECT_TRUE(Alive(raw));
  }
  EXPECT_FALSE(Alive(raw));
}

TEST(UniqueHandle, AssignmentClosesTheHandleItReplaces) {
  OwnedPen kept(::CreatePen(PS_SOLID, 1, RGB(0, 0, 0)));
  OwnedPen replaced(::CreatePen(PS_DOT, 1, RGB(9, 9, 9)));
  const HPEN keptRaw = kept.Get();
  const HPEN replacedRaw = replaced.Get();
  replaced = std::move(kept);
  EXPECT_FALSE(Alive(replacedRaw));
  EXPECT_EQ(replaced.Get(), keptRaw);
  EXPECT_TRUE(Alive(keptRaw));
  replaced = std::move(replaced);  // self-move keeps the handle
  EXPECT_TRUE(Alive(keptRaw));
  replaced.Reset();
  EXPECT_FALSE(Alive(keptRaw));
  EXPECT_FALSE(replaced);
}

TEST(UniqueHandle, ReleasedHandleStaysOpen) {
  HBRUSH raw = nullptr;
  {
    OwnedBrush owner(::CreateSolidBrush(RGB(4, 5, 6)));
    raw = owner.Release();
    EXPECT_FALSE(owner);
  }
  EXPECT_TRUE(Alive(raw));
  OwnedBrush again(raw);  // and closes when owned again
  again.Reset();
  EXPECT_FALSE(Alive(raw));
}

TEST(UniqueHandle, CreatedDcIsDeleted) {
  HDC raw = nullptr;
  {
    OwnedDc dc(::CreateCompatibleDC(nullptr));
    raw = dc.Get();
    ASSERT_TRUE(raw);
    EXPECT_EQ(::GetObjectType(raw), static_cast<DWORD>(OBJ_MEMDC));
  }
  EXPECT_FALSE(Alive(raw));
}

TEST(WindowDc, MovedDcStaysUsable) {
  WindowDc screen(nullptr);
  ASSERT_TRUE(screen);
  WindowDc moved(std::move(screen));
  EXPECT_FALSE(screen);  // NOLINT(bugprone-use-after-move)
  ASSERT_TRUE(moved);
  EXPECT_GT(::GetDeviceCaps(moved.Get(), BITSPIXEL), 0);
}

TEST(SelectGuard, PutsBackWhatItReplaced) {
  OwnedDc dc(::CreateCompatibleDC(nullptr));
  OwnedBrush red(::CreateSolidBrush(RGB(255, 0, 0)));
  OwnedBrush blue(::CreateSolidBrush(RGB(0, 0, 255)));
  const HGDIOBJ original = ::GetCurrentObject(dc.Get(), OBJ_BRUSH);
  {
    const SelectGuard outer(dc.Get(), red.Get());
    EXPECT_TRUE(outer);
    {
      const SelectGuard inner(dc.Get(), blue.Get());
      EXPECT_EQ(::GetCurrentObject(dc.Get(), OBJ_BRUSH), blue.Get());
    }
    EXPECT_EQ(::GetCurrentObject(dc.Get(), OBJ_BRUSH), red.Get());
  }
  EXPECT_EQ(::GetCurrentObject(dc.Get(), OBJ_BRUSH), original);
}

TEST(SelectGuard, FailedSelectionRestoresNothing) {
  OwnedDc dc(::CreateCompatibleDC(nullptr));
  OwnedBrush red(::CreateSolidBrush(RGB(255, 0, 0)));
  const SelectGuard kept(dc.Get(), red.Get());
  {
    const SelectGuard failed(dc.Get(), nullptr);
    EXPECT_FALSE(failed);
  }
  EXPECT_EQ(::GetCurrentObject(dc.Get(), OBJ_BRUSH), red.Get());
}

}  // namespace
}  // namespace veltrim::win
