// OffscreenCanvas on real windows: a borderless popup painted blue, so a canvas that wrongly starts white, or reaches
// the window before it should, shows at once. Canvas pixels are read from the memory DC, window pixels from the
// window's own DC. Failures that no real GDI gives on demand come from a GDI call that fails in place of the real
// one; each leaves the process's GDI object count where it was.
#include "win32/preview/offscreen_canvas.hpp"

#include <gtest/gtest.h>

#include <utility>

#include "backends/gdi/win_handles.hpp"
#include "core/platform/scoped_object.hpp"
#include "gdi_probes.hpp"

namespace veltrim {
namespace {

constexpr ColorRef kRed = Rgb(255, 0, 0), kGreen = Rgb(0, 255, 0), kBlue = Rgb(0, 0, 255);

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
  ColorRef Pixel(int x, int y) const { return ::GetPixel(win::WindowDc(window_).Get(), x, y); }

 private:
  HWND window_ = nullptr;
};

ColorRef CanvasPixel(const OffscreenCanvas& canvas, int x, int y) { return ::GetPixel(canvas.MemoryDc(), x, y); }

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
    ASSERT_EQ(warmUp.Attach(window_.Get()), 0);
    ASSERT_NE(warmUp.Clear(), 0);
    ASSERT_EQ(warmUp.Release(), 0);
    start_ = test::LiveGdiObjects();
  }

  BlueWindow window_{10, 20, 64, 48};
  int start_ = 0;
};

// The canvas takes the window's size and colour at Attach; the Surface the program draws on is the canvas, whose
// pixels reach the window only with Present, and Clear refills with the window's colour, not white.
TEST_F(OffscreenCanvasTest, DrawsOffTheWindowUntilPresent) {
  OffscreenCanvas canvas;
  ASSERT_EQ(canvas.Attach(window_.Get()), OffscreenCanvas::kOk);
  const RECT expected{10, 20, 74, 68};
  EXPECT_TRUE(::EqualRect(&canvas.WindowRect(), &expected));
  EXPECT_EQ(std::pair(canvas.Window(), canvas.Background()), std::pair(window_.Get(), kBlue));
  EXPECT_EQ(CanvasPixel(canvas, 63, 47), kBlue);
  {
    Surface& s = canvas.Canvas();
    const auto pen = ScopedPen(s, PenStyle::Solid, 1, kGreen);
    const auto brush = ScopedBrush(s, kRed);
    EXPECT_TRUE(pen.Get() && brush.Get() && s.Rectangle(10, 5, 30, 15));
  }
  const struct { int x, y; ColorRef colour; } probes[] = {{10, 5, kGreen}, {11, 6, kRed}, {30, 10, kBlue},
                                                          {20, 15, kBlue}};
  for (const auto& p : probes) EXPECT_EQ(CanvasPixel(canvas, p.x, p.y), p.colour) << p.x << "," << p.y;
  EXPECT_EQ(window_.Pixel(15, 10), kBlue) << "reached the window without Present";
  EXPECT_TRUE(canvas.Present());
  EXPECT_EQ(window_.Pixel(15, 10), kRed);
  EXPECT_NE(canvas.Clear(), 0);
  EXPECT_EQ(std::pair(CanvasPixel(canvas, 15, 10), window_.Pixel(15, 10)), std::pair(kBlue, kRed));
  EXPECT_TRUE(canvas.Present());
  EXPECT_EQ(window_.Pixel(15, 10), kBlue);
  ASSERT_TRUE(::SetWindowPos(window_.Get(), nullptr, 0, 0, 100, 90, SWP_NOMOVE | SWP_NOZORDER));
  EXPECT_EQ(std::pair(canvas.Width(), canvas.Height()), std::pair(64, 48)) << "the size is the one at Attach";
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
    EXPECT_EQ(canvas.Attach(c.window), c.result) << c.what;
    EXPECT_EQ(std::pair(canvas.Attached(), canvas.MemoryDc()), std::pair(false, HDC{})) << c.what;
    EXPECT_EQ(test::LiveGdiObjects(), base) << c.what;
  }
  OffscreenCanvas canvas;
  EXPECT_EQ(canvas.Attach(stale), OffscreenCanvas::kGetWindowRectFailed);
  EXPECT_EQ(canvas.Attach(window_.Get()), OffscreenCanvas::kOk) << "a failure leaves the canvas free";
}

// Release puts the memory DC's own objects back, deletes the canvas bitmap and DC, leaves the stock objects alive and
// counts the clean-up calls that failed; a released canvas gives back nothing, and one destroyed attached everything.
TEST_F(OffscreenCanvasTest, ReleaseLeavesNothingBehindAndCountsFailures) {
  OffscreenCanvas canvas(OffscreenCanvas::Calls{.deleteDc = FailedDeleteDc});
  ASSERT_EQ(canvas.Attach(window_.Get()), 0);
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
    ASSERT_EQ(destroyedAttached.Attach(window_.Get()), 0);
  }
  EXPECT_EQ(test::LiveGdiObjects(), start_);
}

}  // namespace
}  // namespace veltrim
