// OffscreenCanvas on real windows: a borderless popup painted blue, so a canvas that wrongly starts white, or reaches
// the window before it should, shows at once. Canvas pixels are read from the memory DC, window pixels from the
// window's own DC. Failures that no real GDI gives on demand come from a GDI call that fails in place of the real
// one; each leaves the process's GDI object count where it was.
#include "win32/preview/offscreen_canvas.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "backends/gdi/win_handles.hpp"
#include "core/platform/scoped_object.hpp"
#include "gdi_probes.hpp"

namespace veltrim {
namespace {

constexpr ColorRef kRed = Rgb(255, 0, 0), kGreen = Rgb(0, 255, 0), kBlue = Rgb(0, 0, 255), kYellow = Rgb(255, 255, 0);

std::string Hex(COLORREF c) {
  char text[16];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", GetRValue(c), GetGValue(c), GetBValue(c));
  return text;
}

// A shown, borderless top-level window painted blue (its class brush); its window and client rectangles are the same.
class BlueWindow {
 public:
  BlueWindow(int x, int y, int width, int height, DWORD style = WS_POPUP | WS_VISIBLE) {
    static const ATOM atom = [] {
      WNDCLASSA windowClass{};
      windowClass.lpfnWndProc = ::DefWindowProcA;
      windowClass.hInstance = ::GetModuleHandleA(nullptr);
      windowClass.hbrBackground = ::CreateSolidBrush(kBlue);  // the class's for the process's life
      windowClass.lpszClassName = "VeltrimBlueWindow";
      return ::RegisterClassA(&windowClass);
    }();
    if (atom)
      window_ = ::CreateWindowExA(WS_EX_TOPMOST, "VeltrimBlueWindow", "canvas", style, x, y, width, height, nullptr,
                                  nullptr, ::GetModuleHandleA(nullptr), nullptr);
    if (window_) ::UpdateWindow(window_);
  }
  ~BlueWindow() { Destroy(); }
  BlueWindow(const BlueWindow&) = delete;
  BlueWindow& operator=(const BlueWindow&) = delete;
  HWND Get() const { return window_; }
  void Destroy() {
    if (window_) ::DestroyWindow(std::exchange(window_, nullptr));
  }
  std::string Pixel(int x, int y) const { return Hex(::GetPixel(win::WindowDc(window_).Get(), x, y)); }

 private:
  HWND window_ = nullptr;
};

std::string CanvasPixel(const OffscreenCanvas& canvas, int x, int y) {
  return Hex(::GetPixel(canvas.MemoryDc(), x, y));
}

// GDI calls that fail, for failures a real GDI never gives on demand. The failing DeleteDC deletes all the same, so
// nothing leaks through it.
HGDIOBJ WINAPI NoSelection(HDC, HGDIOBJ) { return HGDI_ERROR; }
BOOL WINAPI FailedDeleteDc(HDC dc) {
  ::DeleteDC(dc);
  return FALSE;
}

class OffscreenCanvasTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(window_.Get());
    // A first canvas lets the system make what it keeps for the window; it never presents, so the window stays blue.
    OffscreenCanvas warmUp;
    ASSERT_EQ(warmUp.Attach(window_.Get(), 0), 0);
    warmUp.FillRect(0, 0, 4, 3, 1, kRed, kGreen);
    ASSERT_EQ(warmUp.Release(), 0);
    start_ = test::LiveGdiObjects();
  }

  BlueWindow window_{10, 20, 64, 48};
  int start_ = 0;
};

TEST_F(OffscreenCanvasTest, AttachTakesTheWindowsSizeAndBlueBackground) {
  OffscreenCanvas canvas;
  ASSERT_EQ(canvas.Attach(window_.Get(), 0), OffscreenCanvas::kOk);
  const RECT expected{10, 20, 74, 68};
  EXPECT_TRUE(::EqualRect(&canvas.WindowRect(), &expected));
  EXPECT_EQ(std::pair(canvas.Window(), canvas.Background()), std::pair(window_.Get(), kBlue));
  for (const POINT p : {POINT{0, 0}, POINT{63, 47}}) EXPECT_EQ(CanvasPixel(canvas, p.x, p.y), Hex(kBlue));

  ASSERT_EQ(canvas.FillRect(0, 0, 64, 48, 1, kRed, kRed), 0);
  EXPECT_NE(canvas.Clear(), 0);
  EXPECT_EQ(CanvasPixel(canvas, 30, 20), Hex(kBlue)) << "Clear fills with the window's colour, not white";
  ASSERT_TRUE(::SetWindowPos(window_.Get(), nullptr, 0, 0, 100, 90, SWP_NOMOVE | SWP_NOZORDER));
  EXPECT_EQ(std::pair(canvas.Width(), canvas.Height()), std::pair(64, 48)) << "the size is the one at Attach";
}

// Only 1 presents after each operation; with 0, as the program attaches, the window keeps its own pixels until
// Present copies the canvas.
TEST_F(OffscreenCanvasTest, NothingReachesTheWindowBeforePresentUnlessAsked) {
  for (const int presentAfterEach : {0, 1}) {
    SCOPED_TRACE(presentAfterEach);
    const bool each = presentAfterEach == 1;
    OffscreenCanvas canvas;
    ASSERT_EQ(canvas.Attach(window_.Get(), presentAfterEach), 0);
    ASSERT_EQ(canvas.FillRect(0, 0, 20, 20, 1, kRed, kRed), 0);
    EXPECT_EQ(window_.Pixel(5, 5), Hex(each ? kRed : kBlue));
    EXPECT_TRUE(canvas.Present());
    EXPECT_EQ(window_.Pixel(5, 5), Hex(kRed));
    EXPECT_NE(canvas.Clear(), 0);
    EXPECT_EQ(window_.Pixel(5, 5), Hex(each ? kBlue : kRed));
    EXPECT_TRUE(canvas.Present());
    EXPECT_EQ(window_.Pixel(5, 5), Hex(kBlue));
  }
}

// A rectangle's right and bottom edges are exclusive; the Surface the program draws on is the canvas. Each draws off
// the window and puts back what it selected. (DrawLine and DrawBitmap: the program calls neither.)
TEST_F(OffscreenCanvasTest, DrawsAtPredictedPixelsAndPutsBackWhatItSelected) {
  {
    OffscreenCanvas canvas;
    ASSERT_EQ(canvas.Attach(window_.Get(), 0), 0);
    const HDC dc = canvas.MemoryDc();
    const auto selected = [dc] {
      return std::vector<HGDIOBJ>{::GetCurrentObject(dc, OBJ_PEN), ::GetCurrentObject(dc, OBJ_BRUSH),
                                  ::GetCurrentObject(dc, OBJ_FONT), ::GetCurrentObject(dc, OBJ_BITMAP)};
    };
    const auto before = selected();
    EXPECT_EQ(canvas.FillRect(10, 5, 30, 15, 1, kRed, kGreen), 0);
    {
      Surface& s = canvas.Canvas();
      const auto pen = ScopedPen(s, PenStyle::Solid, 1, kRed);
      const auto brush = ScopedBrush(s, kYellow);
      const auto font = ScopedFont(s, LogFont{});
      EXPECT_TRUE(pen.Get() && brush.Get() && font.Get() && s.Rectangle(42, 40, 48, 46));
    }
    EXPECT_EQ(selected(), before);
    const struct { int x, y; ColorRef colour; } probes[] = {
        {10, 5, kRed}, {29, 14, kRed}, {11, 6, kGreen}, {30, 10, kBlue}, {20, 15, kBlue},  // FillRect
        {42, 40, kRed}, {45, 43, kYellow}, {48, 43, kBlue}};                               // Surface
    for (const auto& p : probes) EXPECT_EQ(CanvasPixel(canvas, p.x, p.y), Hex(p.colour)) << p.x << "," << p.y;
    EXPECT_EQ(window_.Pixel(10, 5), Hex(kBlue)) << "reached the window without Present";
  }
  EXPECT_EQ(test::LiveGdiObjects(), start_) << "GDI objects left behind";
}

// Each failure of Attach gives back what it made before and leaves the canvas free to attach again.
TEST_F(OffscreenCanvasTest, EveryFailedAttachHasItsCodeAndKeepsNothing) {
  BlueWindow huge(0, 0, 60000, 60000, WS_POPUP);  // too large for any bitmap
  BlueWindow gone(200, 200, 20, 20);
  const HWND stale = gone.Get();
  gone.Destroy();
  ASSERT_TRUE(huge.Get() && stale);
  const int base = test::LiveGdiObjects();
  struct Case { const char* what; HWND window; OffscreenCanvas::Calls calls; int result; };
  // The first and the last two steps: the earlier steps' failures give back less than these.
  const Case cases[] = {
      {"destroyed window", stale, {}, OffscreenCanvas::kGetWindowRectFailed},
      {"no bitmap", huge.Get(), {}, OffscreenCanvas::kCreateBitmapFailed},
      {"bitmap not selected", window_.Get(), {.selectObject = NoSelection}, OffscreenCanvas::kSelectBitmapFailed},
  };
  for (const Case& c : cases) {
    OffscreenCanvas canvas(c.calls);
    EXPECT_EQ(canvas.Attach(c.window, 0), c.result) << c.what;
    EXPECT_EQ(std::pair(canvas.Attached(), canvas.MemoryDc()), std::pair(false, HDC{})) << c.what;
    EXPECT_EQ(test::LiveGdiObjects(), base) << c.what;
  }
  OffscreenCanvas canvas;
  EXPECT_EQ(canvas.Attach(stale, 0), OffscreenCanvas::kGetWindowRectFailed);
  EXPECT_EQ(canvas.Attach(window_.Get(), 0), OffscreenCanvas::kOk) << "a failure leaves the canvas free";
}

// Release puts the memory DC's own objects back, deletes the canvas bitmap and DC, leaves the stock objects alive and
// counts the clean-up calls that failed; a released canvas gives back nothing, and one destroyed attached everything.
TEST_F(OffscreenCanvasTest, ReleaseLeavesNothingBehindAndCountsFailures) {
  OffscreenCanvas canvas(OffscreenCanvas::Calls{.deleteDc = FailedDeleteDc});
  ASSERT_EQ(canvas.Attach(window_.Get(), 0), 0);
  canvas.FillRect(1, 1, 30, 30, 3, kRed, kGreen);
  const HBITMAP bitmap = canvas.Bitmap();
  const auto saved = canvas.Saved();
  EXPECT_GT(test::LiveGdiObjects(), start_);
  EXPECT_EQ(canvas.Release(), 1) << "the memory DC's DeleteDC failed";
  EXPECT_EQ(::GetObjectType(bitmap), 0u) << "canvas bitmap not deleted";
  EXPECT_EQ(::GetObjectType(saved.pen), static_cast<DWORD>(OBJ_PEN)) << "a stock pen was deleted";
  EXPECT_EQ(test::LiveGdiObjects(), start_);

  EXPECT_EQ(canvas.Release(), 0) << "nothing left to give back";
  {
    OffscreenCanvas destroyedAttached;
    ASSERT_EQ(destroyedAttached.Attach(window_.Get(), 0), 0);
    destroyedAttached.FillRect(1, 1, 30, 30, 3, kRed, kGreen);
  }
  EXPECT_EQ(test::LiveGdiObjects(), start_);
}

}  // namespace
}  // namespace veltrim
