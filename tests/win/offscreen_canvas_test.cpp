// OffscreenCanvas on real windows: a borderless popup painted blue, so a canvas that wrongly starts white, or reaches
// the window before it should, shows at once. Canvas pixels are read from the memory DC, window pixels from the
// window's own DC. Every result code is reached, the failing ones with a GDI call that fails in place of the real one,
// and each leaves the process's GDI object count where it was.
#include "win32/preview/offscreen_canvas.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <tuple>
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

// A 4x3 bitmap compatible with `like`: green with a red top-left pixel.
win::OwnedBitmap MakePicture(HDC like) {
  win::OwnedBitmap bitmap(::CreateCompatibleBitmap(like, 4, 3));
  const win::OwnedDc dc(::CreateCompatibleDC(like));
  const win::SelectGuard selection(dc.Get(), bitmap.Get());
  const win::OwnedBrush green(::CreateSolidBrush(kGreen));
  const RECT all{0, 0, 4, 3};
  ::FillRect(dc.Get(), &all, green.Get());
  ::SetPixelV(dc.Get(), 0, 0, kRed);
  return bitmap;
}

// GDI calls that fail, for the codes a real GDI never gives on demand. The failing DeleteDC deletes all the same, so
// nothing leaks through it.
bool gFailDcs = false;
HDC WINAPI NoWindowDc(HWND) { return nullptr; }
HDC WINAPI NoMemoryDc(HDC) { return nullptr; }
HDC WINAPI LaterNoMemoryDc(HDC dc) { return gFailDcs ? nullptr : ::CreateCompatibleDC(dc); }
HGDIOBJ WINAPI NoSelection(HDC, HGDIOBJ) { return HGDI_ERROR; }
BOOL WINAPI FailedDeleteDc(HDC dc) {
  ::DeleteDC(dc);
  return FALSE;
}

class OffscreenCanvasTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(window_.Get());
    ASSERT_EQ(window_.Pixel(0, 0), Hex(kBlue)) << "the test window is not blue";
    // A first canvas lets the system make what it keeps for the window; it never presents, so the window stays blue.
    OffscreenCanvas warmUp;
    ASSERT_EQ(warmUp.Attach(window_.Get(), 0), 0);
    warmUp.DrawBitmap(MakePicture(warmUp.WindowDcHandle()).Get(), 0, 0, 4, 3, SRCCOPY);
    ASSERT_EQ(warmUp.Release(), 0);
    start_ = test::LiveGdiObjects();
  }

  BlueWindow window_{10, 20, 64, 48};
  int start_ = 0;
};

TEST_F(OffscreenCanvasTest, AttachTakesTheWindowsSizeAndBlueBackgroundOnceOnly) {
  OffscreenCanvas canvas;
  ASSERT_EQ(canvas.Attach(window_.Get(), 0), OffscreenCanvas::kOk);
  const RECT expected{10, 20, 74, 68};
  EXPECT_TRUE(::EqualRect(&canvas.WindowRect(), &expected));
  EXPECT_EQ(std::tuple(canvas.Window(), canvas.Background(), canvas.Spare()), std::tuple(window_.Get(), kBlue, 0));
  for (const POINT p : {POINT{0, 0}, POINT{63, 47}}) EXPECT_EQ(CanvasPixel(canvas, p.x, p.y), Hex(kBlue));
  const auto& saved = canvas.Saved();  // the memory DC's own defaults
  const std::tuple<HGDIOBJ, HGDIOBJ, HGDIOBJ, HGDIOBJ> defaults(saved.pen, saved.brush, saved.palette, saved.font);
  EXPECT_EQ(defaults, std::tuple(::GetStockObject(BLACK_PEN), ::GetStockObject(WHITE_BRUSH),
                                 ::GetStockObject(DEFAULT_PALETTE), ::GetStockObject(SYSTEM_FONT)));
  EXPECT_EQ(::GetCurrentObject(canvas.MemoryDc(), OBJ_BITMAP), canvas.Bitmap());

  ASSERT_EQ(canvas.FillRect(0, 0, 64, 48, 1, kRed, kRed), 0);
  EXPECT_NE(canvas.Clear(), 0);
  EXPECT_EQ(CanvasPixel(canvas, 30, 20), Hex(kBlue)) << "Clear fills with the window's colour, not white";
  ASSERT_TRUE(::SetWindowPos(window_.Get(), nullptr, 0, 0, 100, 90, SWP_NOMOVE | SWP_NOZORDER));
  EXPECT_EQ(std::pair(canvas.Width(), canvas.Height()), std::pair(64, 48)) << "the size is the one at Attach";

  // A second Attach, to another window, returns 10 and changes nothing.
  BlueWindow other(100, 100, 30, 30);
  const auto state = [&canvas] {
    return std::tuple(canvas.Window(), canvas.WindowDcHandle(), canvas.MemoryDc(), canvas.Bitmap(), canvas.Width(),
                      canvas.Flags(), CanvasPixel(canvas, 30, 20));
  };
  const auto before = state();
  EXPECT_EQ(canvas.Attach(other.Get(), 1), OffscreenCanvas::kAlreadyAttached);
  EXPECT_EQ(state(), before);
}

// Only 1 presents after each operation; otherwise the window keeps its own pixels until Present copies the canvas.
TEST_F(OffscreenCanvasTest, NothingReachesTheWindowBeforePresentUnlessAsked) {
  for (const int presentAfterEach : {1, 0, 2, -1}) {
    SCOPED_TRACE(presentAfterEach);
    const bool each = presentAfterEach == 1;
    OffscreenCanvas canvas;
    ASSERT_EQ(canvas.Attach(window_.Get(), presentAfterEach), 0);
    const std::uint32_t caps = ::GetDeviceCaps(canvas.MemoryDc(), 1) != 0 ? OffscreenCanvas::kUseSetPixelV : 0u;
    EXPECT_EQ(canvas.Flags(), OffscreenCanvas::kAttached | (each ? OffscreenCanvas::kPresentAfterEach : 0u) | caps);
    ASSERT_EQ(canvas.FillRect(0, 0, 20, 20, 1, kRed, kRed), 0);
    ASSERT_EQ(canvas.DrawLine(0, 30, 40, 30, 1, kYellow), 0);
    const auto shown = [this] { return std::pair(window_.Pixel(5, 5), window_.Pixel(10, 30)); };
    EXPECT_EQ(shown(), std::pair(Hex(each ? kRed : kBlue), Hex(each ? kYellow : kBlue)));
    EXPECT_TRUE(canvas.Present());
    EXPECT_EQ(shown(), std::pair(Hex(kRed), Hex(kYellow)));
    EXPECT_NE(canvas.Clear(), 0);
    EXPECT_EQ(window_.Pixel(5, 5), Hex(each ? kBlue : kRed));
    EXPECT_TRUE(canvas.Present());
    EXPECT_EQ(window_.Pixel(5, 5), Hex(kBlue));
    EXPECT_EQ(canvas.Release(), 0);
    EXPECT_EQ(canvas.Flags(), 0u);
  }
}

struct Probe { int x, y; ColorRef colour; };

struct DrawCase {
  const char* name;
  std::function<int(OffscreenCanvas&, HBITMAP picture)> draw;
  int result;
  std::vector<Probe> probes;
};

const DrawCase kDrawCases[] = {
    {"FillRectOutlineInteriorAndExclusiveEdges",
     [](OffscreenCanvas& c, HBITMAP) { return c.FillRect(10, 5, 30, 15, 1, kRed, kGreen); }, 0,
     {{10, 5, kRed}, {29, 14, kRed}, {11, 6, kGreen}, {28, 13, kGreen}, {30, 10, kBlue}, {20, 15, kBlue}}},
    {"FillRectWidePen", [](OffscreenCanvas& c, HBITMAP) { return c.FillRect(10, 10, 40, 40, 5, kYellow, kGreen); }, 0,
     {{11, 25, kYellow}, {25, 25, kGreen}, {7, 25, kBlue}}},
    {"DrawLineStopsBeforeItsEnd", [](OffscreenCanvas& c, HBITMAP) { return c.DrawLine(5, 30, 25, 30, 1, kYellow); },
     0, {{5, 30, kYellow}, {24, 30, kYellow}, {25, 30, kBlue}, {15, 31, kBlue}}},
    {"DrawBitmapCopiesFromItsOrigin",
     [](OffscreenCanvas& c, HBITMAP picture) { return c.DrawBitmap(picture, 50, 30, 4, 3, SRCCOPY); }, 0,
     {{50, 30, kRed}, {51, 30, kGreen}, {53, 32, kGreen}, {54, 31, kBlue}, {51, 33, kBlue}}},
    {"DrawBitmapOfNoBitmap", [](OffscreenCanvas& c, HBITMAP) { return c.DrawBitmap(nullptr, 50, 30, 4, 3, SRCCOPY); },
     OffscreenCanvas::kTransferFailed, {{50, 30, kBlue}}},
    {"DrawBitmapHeldByAnotherDc",
     [](OffscreenCanvas& c, HBITMAP picture) {
       const win::OwnedDc holder(::CreateCompatibleDC(c.MemoryDc()));
       const win::SelectGuard held(holder.Get(), picture);
       return c.DrawBitmap(picture, 50, 30, 4, 3, SRCCOPY);
     },
     OffscreenCanvas::kTransferFailed, {{50, 30, kBlue}}},
    {"DrawBitmapWithoutATemporaryDc",
     [](OffscreenCanvas& c, HBITMAP picture) {
       gFailDcs = true;
       const int result = c.DrawBitmap(picture, 50, 30, 4, 3, SRCCOPY);
       gFailDcs = false;
       return result;
     },
     OffscreenCanvas::kNoTemporaryDc, {{50, 30, kBlue}}},
    {"ThroughTheSurface",
     [](OffscreenCanvas& c, HBITMAP) {
       Surface& s = c.Canvas();
       const auto pen = ScopedPen(s, PenStyle::Solid, 1, kRed);
       const auto brush = ScopedBrush(s, kYellow);
       const auto font = ScopedFont(s, LogFont{});
       return pen.Get() && brush.Get() && font.Get() && s.Rectangle(2, 40, 8, 46) ? 0 : -1;
     },
     0, {{2, 40, kRed}, {5, 43, kYellow}, {8, 43, kBlue}}},
};

class OffscreenCanvasDraws : public OffscreenCanvasTest, public ::testing::WithParamInterface<DrawCase> {};

TEST_P(OffscreenCanvasDraws, AtPredictedPixelsAndPutBackWhatTheySelected) {
  {
    OffscreenCanvas canvas(OffscreenCanvas::Calls{.createCompatibleDc = LaterNoMemoryDc});
    ASSERT_EQ(canvas.Attach(window_.Get(), 0), 0);
    const win::OwnedBitmap picture = MakePicture(canvas.WindowDcHandle());
    const HDC dc = canvas.MemoryDc();
    const HGDIOBJ pen = ::GetCurrentObject(dc, OBJ_PEN), brush = ::GetCurrentObject(dc, OBJ_BRUSH),
                  font = ::GetCurrentObject(dc, OBJ_FONT);
    EXPECT_EQ(GetParam().draw(canvas, picture.Get()), GetParam().result);
    for (const Probe& p : GetParam().probes)
      EXPECT_EQ(CanvasPixel(canvas, p.x, p.y), Hex(p.colour)) << p.x << "," << p.y;
    EXPECT_EQ(::GetCurrentObject(dc, OBJ_PEN), pen);
    EXPECT_EQ(::GetCurrentObject(dc, OBJ_BRUSH), brush);
    EXPECT_EQ(::GetCurrentObject(dc, OBJ_FONT), font);
    EXPECT_EQ(::GetCurrentObject(dc, OBJ_BITMAP), canvas.Bitmap());
    EXPECT_EQ(window_.Pixel(50, 30), Hex(kBlue)) << "reached the window without Present";
  }
  EXPECT_EQ(test::LiveGdiObjects(), start_) << "GDI objects left behind";
}

INSTANTIATE_TEST_SUITE_P(Canvas, OffscreenCanvasDraws, ::testing::ValuesIn(kDrawCases),
                         [](const auto& param) { return std::string(param.param.name); });

// Each failure of Attach gives back what it made before and leaves the canvas free to attach again.
TEST_F(OffscreenCanvasTest, EveryFailedAttachHasItsCodeAndKeepsNothing) {
  BlueWindow huge(0, 0, 60000, 60000, WS_POPUP);  // too large for any bitmap
  BlueWindow gone(200, 200, 20, 20);
  const HWND stale = gone.Get();
  gone.Destroy();
  ASSERT_TRUE(huge.Get() && stale);
  const int base = test::LiveGdiObjects();
  struct Case { const char* what; HWND window; OffscreenCanvas::Calls calls; int result; };
  const Case cases[] = {
      {"destroyed window", stale, {}, OffscreenCanvas::kGetWindowRectFailed},
      {"no window", nullptr, {}, OffscreenCanvas::kGetWindowRectFailed},
      {"no window DC", window_.Get(), {.getDc = NoWindowDc}, OffscreenCanvas::kGetDcFailed},
      {"no memory DC", window_.Get(), {.createCompatibleDc = NoMemoryDc}, OffscreenCanvas::kCreateMemoryDcFailed},
      {"no bitmap", huge.Get(), {}, OffscreenCanvas::kCreateBitmapFailed},
      {"bitmap not selected", window_.Get(), {.selectObject = NoSelection}, OffscreenCanvas::kSelectBitmapFailed},
  };
  for (const Case& c : cases) {
    OffscreenCanvas canvas(c.calls);
    EXPECT_EQ(canvas.Attach(c.window, 0), c.result) << c.what;
    EXPECT_FALSE(canvas.Attached()) << c.what;
    EXPECT_EQ(canvas.MemoryDc(), nullptr) << c.what;
    EXPECT_EQ(canvas.WindowDcHandle(), nullptr) << c.what;
    EXPECT_EQ(test::LiveGdiObjects(), base) << c.what;
  }
  OffscreenCanvas canvas;
  EXPECT_EQ(canvas.Attach(stale, 0), OffscreenCanvas::kGetWindowRectFailed);
  EXPECT_EQ(canvas.Attach(window_.Get(), 0), OffscreenCanvas::kOk) << "a failure leaves the canvas free";
}

// Release puts the memory DC's own objects back, deletes the canvas bitmap and DC, leaves the stock objects alive and
// counts the clean-up calls that failed; a detached canvas draws nothing and gives back nothing.
TEST_F(OffscreenCanvasTest, ReleaseLeavesNothingBehindAndCountsFailures) {
  const win::OwnedBitmap picture = MakePicture(win::WindowDc(window_.Get()).Get());
  const int base = test::LiveGdiObjects();
  OffscreenCanvas canvas(OffscreenCanvas::Calls{.deleteDc = FailedDeleteDc});
  ASSERT_EQ(canvas.Attach(window_.Get(), 1), 0);
  canvas.FillRect(1, 1, 30, 30, 3, kRed, kGreen);
  canvas.DrawLine(0, 0, 60, 40, 2, kYellow);
  EXPECT_EQ(canvas.DrawBitmap(picture.Get(), 5, 5, 4, 3, SRCCOPY), OffscreenCanvas::kTemporaryDcNotDeleted);
  const HBITMAP bitmap = canvas.Bitmap();
  const auto saved = canvas.Saved();
  EXPECT_GT(test::LiveGdiObjects(), base);
  EXPECT_EQ(canvas.Release(), 1) << "the memory DC's DeleteDC failed";
  EXPECT_EQ(::GetObjectType(bitmap), 0u) << "canvas bitmap not deleted";
  EXPECT_EQ(::GetObjectType(saved.pen), static_cast<DWORD>(OBJ_PEN)) << "a stock pen was deleted";
  EXPECT_EQ(test::LiveGdiObjects(), base);
  EXPECT_EQ(std::tuple(canvas.Flags(), canvas.Window(), canvas.Background()), std::tuple(0u, nullptr, ColorRef{0}));
  EXPECT_TRUE(::IsRectEmpty(&canvas.WindowRect()));

  EXPECT_EQ(canvas.Release(), 0);
  EXPECT_EQ(canvas.FillRect(0, 0, 5, 5, 1, kRed, kRed), OffscreenCanvas::kDrawFailed);
  EXPECT_EQ(canvas.DrawLine(0, 0, 5, 5, 1, kRed), OffscreenCanvas::kDrawFailed);
  EXPECT_EQ(canvas.DrawBitmap(picture.Get(), 0, 0, 4, 3, SRCCOPY), OffscreenCanvas::kTransferFailed);
  EXPECT_EQ(canvas.Clear(), 0);
  EXPECT_FALSE(canvas.Present());
  EXPECT_FALSE(canvas.Canvas().Rectangle(0, 0, 5, 5));
  {
    OffscreenCanvas destroyedAttached;
    ASSERT_EQ(destroyedAttached.Attach(window_.Get(), 0), 0);
    destroyedAttached.FillRect(1, 1, 30, 30, 3, kRed, kGreen);
  }
  EXPECT_EQ(test::LiveGdiObjects(), base);
}

}  // namespace
}  // namespace veltrim
