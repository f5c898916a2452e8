// preview_redraw_gdi [REDRAWS]: times one full redraw of the heaviest
// preview, the dot pattern over every other Custom item, as the desktop
// program draws it: GDI on a memory DC of the preview's size, the pictures
// loaded from the program's resources. Prints the median, the fastest and
// the slowest redraw in microseconds, then the medians of its two heaviest
// parts on their own: the dots, and loading, drawing and deleting the
// picture. Run under Wine by bench/preview_gdi.sh.
#include <windows.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "backends/gdi/gdi_surface.hpp"
#include "backends/gdi/win_handles.hpp"
#include "win32/preview/preview_window.hpp"

int main(int argc, char** argv) {
  using namespace veltrim;
  const int redraws = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;
  const win::WindowDc screen(nullptr);
  const win::OwnedDc memory(::CreateCompatibleDC(screen.Get()));
  const win::OwnedBitmap bitmap(::CreateCompatibleBitmap(screen.Get(), 167, 239));
  if (!memory || !bitmap) return 1;
  const win::SelectGuard selected(memory.Get(), bitmap.Get());
  GdiSurface surface(memory.Get());
  TestSelection selection;
  selection.currentTab = Tab::Custom;
  selection.customTests.fill(1);
  ResourcePictures pictures(::GetModuleHandleA(nullptr));
  const RECT all{0, 0, 167, 239};
  LARGE_INTEGER frequency{};
  ::QueryPerformanceFrequency(&frequency);
  // Median, fastest and slowest of `redraws` runs of draw, in microseconds.
  const auto time = [&](auto&& draw) {
    std::vector<double> times;
    times.reserve(static_cast<std::size_t>(redraws));
    for (int i = 0; i < redraws; ++i) {
      LARGE_INTEGER start{}, end{};
      ::QueryPerformanceCounter(&start);
      draw();
      ::GdiFlush();
      ::QueryPerformanceCounter(&end);
      times.push_back(static_cast<double>(end.QuadPart - start.QuadPart) * 1e6 / static_cast<double>(frequency.QuadPart));
    }
    std::sort(times.begin(), times.end());
    return std::array<double, 3>{times[times.size() / 2], times.front(), times.back()};
  };
  const bool setPixelV = ::GetDeviceCaps(memory.Get(), 1) != 0;
  const auto whole = time([&] {
    ::FillRect(memory.Get(), &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    DrawPreview({surface, 167, 239, setPixelV}, selection, 0, pictures);
  });
  std::printf("GDI heaviest preview redraw, %d redraws: median %.0f us, fastest %.0f us, slowest %.0f us\n", redraws,
              whole[0], whole[1], whole[2]);
  const auto part = [&](int item) {
    TestSelection one;
    one.currentTab = Tab::Custom;
    one.customTests[static_cast<std::size_t>(item)] = 1;
    return time([&] { DrawPreview({surface, 167, 239, setPixelV}, one, 0, pictures); })[0];
  };
  std::printf("  of which the dots alone: median %.0f us; the picture alone (LoadBitmapA, BitBlt, DeleteObject): "
              "median %.0f us\n", part(5), part(4));
  return 0;
}
