// OffscreenCanvas on real windows: a borderless popup whose background is
// painted blue, so a canvas that wrongly starts white, or reaches the
// window before it should, shows at once. Canvas pixels are read from the
// memory DC, window pixels from the window's own DC.
#include "preview/offscreen_canvas.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "gdi_object_count.hpp"
#include "platform/scoped_object.hpp"
#include "win_handles.hpp"

namespace veltrim {
namespace {

constexpr CanvasColour kRed{255, 0, 0};
constexpr CanvasColour kGreen{0, 255, 0};
constexpr CanvasColour kBlue{0, 0, 255};
constexpr CanvasColour kYellow{255, 255, 0};

std::string Hex(COLORREF colour) {
  char text[16];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", GetRValue(colour), GetGValue(colour), GetBValue(colour));
  return text;
}
std::string Hex(CanvasColour colour) { return Hex(ToColorRef(colour)); }

LRESULT CALLBACK BlueWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_ERASEBKGND) {
    RECT client{};
    ::GetClientRect(window, &client);
    const win::OwnedBrush blue(::CreateSolidBrush(ToColorRef(kBlue)));
    ::FillRect(reinterpret_cast<HDC>(wParam), &client, blue.Get());
    return 1;
  }
  return ::DefWindowProcA(window, message, wParam, lParam);
}

// A shown, borderless top-level window painted blue before the test starts;
// its window and client rectangles are the same.
class BlueWindow {
 public:
  BlueWindow(int x, int y, int width, int height, DWORD style = WS_POPUP | WS_VISIBLE) {
    static const ATOM atom = [] {
      WNDCLASSA windowClass{};
      windowClass.lpfnWndProc = BlueWindowProc;
      windowClass.hInstance = ::GetModuleHandleA(nullptr);
      windowClass.lpszClassName = "VeltrimBlueWindow";
      windowClass.hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
      return ::RegisterClassA(&windowClass);
    }();
    if (!atom) return;
    window_ = ::CreateWindowExA(WS_EX_TOPMOST, "VeltrimBlueWindow", "canvas", style, x, y, width,
                                height, nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
    if (window_) ::UpdateWindow(window_);
  }
  ~BlueWindow() { Destroy(); }
  BlueWindow(const BlueWindow&) = delete;
  BlueWindow& operator=(const BlueWindow&) = delete;

  HWND Get() const { return window_; }
  void Destroy() {
    if (window_) ::DestroyWindow(window_);
    window_ = nullptr;
  }
  COLORREF Pixel(int x, int y) const {
    const win::WindowDc dc(window_);
    return ::GetPixel(dc.Get(), x, y);
  }

 private:
  HWND window_ = nullptr;
};

COLORREF CanvasPixel(const OffscreenCanvas& canvas, int x, int y) { return ::GetPixel(canvas.MemoryDc(), x, y); }

// A 4x3 bitmap compatible with `like`: green with a red top-left pixel.
win::OwnedBitmap MakePicture(HDC like) {
  win::OwnedBitmap bitmap(::CreateCompatibleBitmap(like, 4, 3));
  const win::OwnedDc dc(::CreateCompatibleDC(like));
  const win::SelectGuard selection(dc.Get(), bitmap.Get());
  const win::OwnedBrush green(::CreateSolidBrush(ToColorRef(kGreen)));
  const RECT all{0, 0, 4, 3};
  ::FillRect(dc.Get(), &all, green.Get());
  ::SetPixelV(dc.Get(), 0, 0, ToColorRef(kRed));
  return bitmap;
}

class OffscreenCanvasTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(window_.Get());
    ASSERT_EQ(Hex(window_.Pixel(0, 0)), Hex(kBlue)) << "the test window is not blue";
  }
  BlueWindow window_{10, 20, 64, 48};
};

TEST_F(OffscreenCanvasTest, AttachTakesTheWindowsSizeAndItsBlueBackground) {
  OffscreenCanvas canvas;
  ASSERT_EQ(canvas.Attach(window_.Get(), 0), OffscreenCanvas::kOk);
  EXPECT_EQ(canvas.Window(), window_.Get());
  const RECT expected{10, 20, 74, 68};
  EXPECT_TRUE(::EqualRect(&canvas.WindowRect(), &expected));
  EXPECT_EQ(canvas.Width(), 64);
  EXPECT_EQ(canvas.Height(), 48);
  EXPECT_EQ(canvas.Spare(), 0);
  EXPECT_EQ(Hex(canvas.Background()), Hex(kBlue));
  for (const POINT p : {POINT{0, 0}, POINT{63, 47}, POINT{30, 20}})
    EXPECT_EQ(Hex(CanvasPixel(canvas, p.x, p.y)), Hex(kBlue)) << p.x << "," << p.y;

  // What the memory DC held before: its stock defaults, not the canvas bitmap.
  const auto& saved = canvas.Saved();
  EXPECT_EQ(saved.pen, ::GetStockObject(BLACK_PEN));
  EXPECT_EQ(saved.brush, ::GetStockObject(WHITE_BRUSH));
  EXPECT_EQ(saved.palette, ::GetStockObject(DEFAULT_PALETTE));
  EXPECT_EQ(saved.font, ::GetStockObject(SYSTEM_FONT));
  EXPECT_NE(saved.bitmap, canvas.Bitmap());
  EXPECT_EQ(::GetCurrentObject(canvas.MemoryDc(), OBJ_BITMAP), canvas.Bitmap());

  // Clear refills with the window's blue, not white.
  ASSERT_EQ(canvas.FillRect(0, 0, 64, 48, 1, kRed, kRed), 0);
  EXPECT_EQ(Hex(CanvasPixel(canvas, 30, 20)), Hex(kRed));
  EXPECT_NE(canvas.Clear(), 0);
  EXPECT_EQ(Hex(CanvasPixel(canvas, 30, 20)), Hex(kBlue));
  EXPECT_EQ(Hex(CanvasPixel(canvas, 63, 47)), Hex(kBlue));

  // The size is the one at Attach.
  ASSERT_TRUE(::SetWindowPos(window_.Get(), nullptr, 0, 0, 100, 90, SWP_NOMOVE | SWP_NOZORDER));
  EXPECT_EQ(canvas.Width(), 64);
  EXPECT_EQ(canvas.Height(), 48);
}

TEST_F(OffscreenCanvasTest, SecondAttachReturns10AndChangesNothing) {
  BlueWindow other(100, 100, 30, 30);
  OffscreenCanvas canvas;
  ASSERT_EQ(canvas.Attach(window_.Get(), 0), 0);
  const HDC windowDc = canvas.WindowDcHandle(), memoryDc = canvas.MemoryDc();
  const HBITMAP bitmap = canvas.Bitmap();
  const RECT rect = canvas.WindowRect();
  const std::uint32_t flags = canvas.Flags();

  EXPECT_EQ(canvas.Attach(other.Get(), 1), OffscreenCanvas::kAlreadyAttached);
  EXPECT_EQ(canvas.Window(), window_.Get());
  EXPECT_EQ(canvas.WindowDcHandle(), windowDc);
  EXPECT_EQ(canvas.MemoryDc(), memoryDc);
  EXPECT_EQ(canvas.Bitmap(), bitmap);
  EXPECT_TRUE(::EqualRect(&canvas.WindowRect(), &rect));
  EXPECT_EQ(canvas.Flags(), flags);
  EXPECT_EQ(::GetCurrentObject(memoryDc, OBJ_BITMAP), bitmap);
}

// Only 1 turns presenting after each operation on; until then the window
// keeps its own pixels, and Present copies the canvas.
TEST_F(OffscreenCanvasTest, PresentAfterEachOnlyWhenAsked) {
  for (const int presentAfterEach : {1, 0, 2, -1}) {
    SCOPED_TRACE(presentAfterEach);
    const bool each = presentAfterEach == 1;
    OffscreenCanvas canvas;
    ASSERT_EQ(canvas.Attach(window_.Get(), presentAfterEach), 0);
    const std::uint32_t caps = ::GetDeviceCaps(canvas.MemoryDc(), 1) != 0 ? OffscreenCanvas::kUseSetPixelV : 0u;
    EXPECT_EQ(canvas.Flags(), OffscreenCanvas::kAttached | (each ? OffscreenCanvas::kPresentAfterEach : 0u) | caps);

    ASSERT_EQ(canvas.FillRect(0, 0, 20, 20, 1, kRed, kRed), 0);
    EXPECT_EQ(Hex(window_.Pixel(5, 5)), Hex(each ? kRed : kBlue));
    ASSERT_EQ(canvas.DrawLine(0, 30, 40, 30, 1, kYellow), 0);
    EXPECT_EQ(Hex(window_.Pixel(10, 30)), Hex(each ? kYellow : kBlue));
    EXPECT_TRUE(canvas.Present());
    EXPECT_EQ(Hex(window_.Pixel(5, 5)), Hex(kRed));
    EXPECT_EQ(Hex(window_.Pixel(10, 30)), Hex(kYellow));

    EXPECT_NE(canvas.Clear(), 0);
    EXPECT_EQ(Hex(window_.Pixel(5, 5)), Hex(each ? kBlue : kRed));
    EXPECT_TRUE(canvas.Present());
    EXPECT_EQ(Hex(window_.Pixel(5, 5)), Hex(kBlue));
    EXPECT_EQ(canvas.Release(), 0);
    EXPECT_EQ(canvas.Flags(), 0u);
  }
}

struct Probe {
  POINT at;
  CanvasColour colour;
};

struct DrawCase {
  const char* name;
  std::function<int(OffscreenCanvas&, HBITMAP picture)> draw;
  int result;
  std::vector<Probe> probes;
};

// clang-format off
const std::vector<DrawCase>& DrawCases() {
  static const std::vector<DrawCase> cases{
      {"FillRectOutlineInteriorAndExclusiveEdges",
       [](OffscreenCanvas& c, HBITMAP) { return c.FillRect(10, 5, 30, 15, 1, kRed, kGreen); }, 0,
       {{{10, 5}, kRed}, {{29, 14}, kRed}, {{11, 6}, kGreen}, {{28, 13}, kGreen},
        {{30, 10}, kBlue}, {{20, 15}, kBlue}, {{9, 10}, kBlue}}},
      {"FillRectWidePen",
       [](OffscreenCanvas& c, HBITMAP) { return c.FillRect(10, 10, 40, 40, 5, kYellow, kGreen); }, 0,
       {{{11, 25}, kYellow}, {{25, 25}, kGreen}, {{7, 25}, kBlue}}},
      {"DrawLineStopsBeforeItsEnd",
       [](OffscreenCanvas& c, HBITMAP) { return c.DrawLine(5, 30, 25, 30, 1, kYellow); }, 0,
       {{{5, 30}, kYellow}, {{24, 30}, kYellow}, {{25, 30}, kBlue}, {{15, 31}, kBlue}, {{4, 30}, kBlue}}},
      {"DrawLineVertical",
       [](OffscreenCanvas& c, HBITMAP) { return c.DrawLine(40, 2, 40, 12, 1, kRed); }, 0,
       {{{40, 2}, kRed}, {{40, 11}, kRed}, {{40, 12}, kBlue}, {{41, 5}, kBlue}}},
      {"DrawBitmapCopiesFromItsOrigin",
       [](OffscreenCanvas& c, HBITMAP picture) { return c.DrawBitmap(picture, 50, 30, 4, 3, SRCCOPY); }, 0,
       {{{50, 30}, kRed}, {{51, 30}, kGreen}, {{53, 32}, kGreen}, {{54, 31}, kBlue}, {{51, 33}, kBlue}}},
      {"DrawBitmapOfNoBitmapFails",
       [](OffscreenCanvas& c, HBITMAP) { return c.DrawBitmap(nullptr, 50, 30, 4, 3, SRCCOPY); },
       OffscreenCanvas::kTransferFailed, {{{50, 30}, kBlue}, {{53, 32}, kBlue}}},
      {"DrawBitmapHeldByAnotherDcFails",
       [](OffscreenCanvas& c, HBITMAP picture) {
         const win::OwnedDc holder(::CreateCompatibleDC(c.MemoryDc()));
         const win::SelectGuard held(holder.Get(), picture);
         return c.DrawBitmap(picture, 50, 30, 4, 3, SRCCOPY);
       },
       OffscreenCanvas::kTransferFailed, {{{50, 30}, kBlue}, {{53, 32}, kBlue}}},
      {"ThroughTheSurface",
       [](OffscreenCanvas& c, HBITMAP) {
         Surface& s = c.Canvas();
         const auto pen = ScopedPen(s, PenStyle::Solid, 1, ToColorRef(kRed));
         const auto brush = ScopedBrush(s, ToColorRef(kYellow));
         return s.Rectangle(2, 40, 8, 46) ? 0 : -1;
       }, 0,
       {{{2, 40}, kRed}, {{5, 43}, kYellow}, {{8, 43}, kBlue}}},
  };
  return cases;
}
// clang-format on

void PrintTo(const DrawCase& drawCase, std::ostream* out) { *out << drawCase.name; }

class OffscreenCanvasDraws : public OffscreenCanvasTest, public ::testing::WithParamInterface<DrawCase> {};

TEST_P(OffscreenCanvasDraws, AtPredictedPixels) {
  OffscreenCanvas canvas;
  ASSERT_EQ(canvas.Attach(window_.Get(), 0), 0);
  const win::OwnedBitmap picture = MakePicture(canvas.WindowDcHandle());
  const HGDIOBJ pen = ::GetCurrentObject(canvas.MemoryDc(), OBJ_PEN);
  const HGDIOBJ brush = ::GetCurrentObject(canvas.MemoryDc(), OBJ_BRUSH);
  EXPECT_EQ(GetParam().draw(canvas, picture.Get()), GetParam().result);
  for (const Probe& probe : GetParam().probes)
    EXPECT_EQ(Hex(CanvasPixel(canvas, probe.at.x, probe.at.y)), Hex(probe.colour)) << probe.at.x << "," << probe.at.y;
  // Each operation puts back what it selected.
  EXPECT_EQ(::GetCurrentObject(canvas.MemoryDc(), OBJ_PEN), pen);
  EXPECT_EQ(::GetCurrentObject(canvas.MemoryDc(), OBJ_BRUSH), brush);
  EXPECT_EQ(::GetCurrentObject(canvas.MemoryDc(), OBJ_BITMAP), canvas.Bitmap());
  // Nothing reached the window without Present.
  EXPECT_EQ(Hex(window_.Pixel(50, 30)), Hex(kBlue));
}

INSTANTIATE_TEST_SUITE_P(Canvas, OffscreenCanvasDraws, ::testing::ValuesIn(DrawCases()),
                         [](const auto& param) { return std::string(param.param.name); });

void DrawEverything(OffscreenCanvas& canvas, HBITMAP picture) {
  canvas.FillRect(1, 1, 30, 30, 3, kRed, kGreen);
  canvas.DrawLine(0, 0, 60, 40, 2, kYellow);
  canvas.DrawBitmap(picture, 5, 5, 4, 3, SRCCOPY);
  const auto pen = ScopedPen(canvas.Canvas(), PenStyle::Solid, 1, ToColorRef(kRed));
  canvas.Canvas().Ellipse(0, 0, 20, 20);
  canvas.Clear();
  canvas.Present();
}

// Release puts the memory DC's own objects back before deleting it, deletes
// the canvas bitmap, leaves the stock objects alive and the process's GDI
// objects where they were; so does destroying an attached canvas.
TEST_F(OffscreenCanvasTest, ReleaseLeavesNothingBehind) {
  const win::OwnedBitmap picture = [&] {
    const win::WindowDc dc(window_.Get());
    return MakePicture(dc.Get());
  }();
  {
    // The first round lets the system make what it keeps for the window.
    OffscreenCanvas canvas;
    ASSERT_EQ(canvas.Attach(window_.Get(), 1), 0);
    DrawEverything(canvas, picture.Get());
    ASSERT_EQ(canvas.Release(), 0);
  }
  const int start = test::LiveGdiObjects();

  OffscreenCanvas canvas;
  ASSERT_EQ(canvas.Attach(window_.Get(), 1), 0);
  DrawEverything(canvas, picture.Get());
  const OffscreenCanvas::SavedObjects saved = canvas.Saved();
  const HBITMAP bitmap = canvas.Bitmap();
  EXPECT_GT(test::LiveGdiObjects(), start);
  EXPECT_EQ(canvas.Release(), 0) << "a clean-up call failed";
  EXPECT_EQ(::GetObjectType(bitmap), 0u) << "canvas bitmap not deleted";
  EXPECT_EQ(::GetObjectType(saved.pen), static_cast<DWORD>(OBJ_PEN));
  EXPECT_EQ(::GetObjectType(saved.font), static_cast<DWORD>(OBJ_FONT));
  EXPECT_EQ(test::LiveGdiObjects(), start);
  EXPECT_EQ(canvas.Flags(), 0u);
  EXPECT_EQ(canvas.Window(), nullptr);
  EXPECT_EQ(canvas.MemoryDc(), nullptr);
  EXPECT_EQ(canvas.WindowDcHandle(), nullptr);
  EXPECT_TRUE(::IsRectEmpty(&canvas.WindowRect()));
  EXPECT_EQ(canvas.Background(), CanvasColour{});

  // Detached: nothing to release, nothing to draw on.
  EXPECT_EQ(canvas.Release(), 0);
  EXPECT_EQ(canvas.FillRect(0, 0, 5, 5, 1, kRed, kRed), OffscreenCanvas::kDrawFailed);
  EXPECT_EQ(canvas.DrawLine(0, 0, 5, 5, 1, kRed), OffscreenCanvas::kDrawFailed);
  EXPECT_EQ(canvas.DrawBitmap(picture.Get(), 0, 0, 4, 3, SRCCOPY), OffscreenCanvas::kTransferFailed);
  EXPECT_EQ(canvas.Clear(), 0);
  EXPECT_FALSE(canvas.Present());
  EXPECT_FALSE(canvas.Canvas().Rectangle(0, 0, 5, 5));
  EXPECT_EQ(Hex(window_.Pixel(5, 5)), Hex(kBlue)) << "a detached canvas drew on the window";
  EXPECT_EQ(test::LiveGdiObjects(), start);

  // Attached again, then destroyed while attached.
  {
    OffscreenCanvas again;
    ASSERT_EQ(again.Attach(window_.Get(), 0), 0);
    DrawEverything(again, picture.Get());
  }
  EXPECT_EQ(test::LiveGdiObjects(), start);
}

// A window that is gone cannot be measured: 9, and nothing is kept.
TEST_F(OffscreenCanvasTest, AttachToADestroyedWindowFails) {
  BlueWindow gone(200, 200, 20, 20);
  const HWND stale = gone.Get();
  ASSERT_TRUE(stale);
  gone.Destroy();
  const int start = test::LiveGdiObjects();
  OffscreenCanvas canvas;
  EXPECT_EQ(canvas.Attach(stale, 1), OffscreenCanvas::kGetWindowRectFailed);
  EXPECT_EQ(canvas.Attach(nullptr, 1), OffscreenCanvas::kGetWindowRectFailed);
  EXPECT_FALSE(canvas.Attached());
  EXPECT_EQ(canvas.Window(), nullptr);
  EXPECT_EQ(canvas.MemoryDc(), nullptr);
  EXPECT_EQ(test::LiveGdiObjects(), start);
  // The failure left the canvas free to attach.
  EXPECT_EQ(canvas.Attach(window_.Get(), 0), 0);
}

// A window too large for any bitmap: 6, and the window DC and memory DC
// made before are given back.
TEST_F(OffscreenCanvasTest, AttachGivesBackWhatItMadeWhenTheBitmapFails) {
  BlueWindow huge(0, 0, 60000, 60000, WS_POPUP);
  ASSERT_TRUE(huge.Get());
  OffscreenCanvas canvas;
  ASSERT_EQ(canvas.Attach(window_.Get(), 0), 0);  // the window's DC cache is made
  ASSERT_EQ(canvas.Release(), 0);
  const int start = test::LiveGdiObjects();
  EXPECT_EQ(canvas.Attach(huge.Get(), 0), OffscreenCanvas::kCreateBitmapFailed);
  EXPECT_FALSE(canvas.Attached());
  EXPECT_EQ(canvas.WindowDcHandle(), nullptr);
  EXPECT_EQ(canvas.MemoryDc(), nullptr);
  EXPECT_EQ(test::LiveGdiObjects(), start);
}

}  // namespace
}  // namespace veltrim
