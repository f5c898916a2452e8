// preview_redraw_gdi [REDRAWS]: times one full redraw of the heaviest
// preview, the dot pattern over every other Custom item, as the desktop
// program draws it: GDI on a memory DC of the preview's size, the pictures
// loaded from the program's resources. Prints the median, the fastest and
// the slowest redraw in microseconds. Run under Wine by bench/preview_gdi.sh.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "gdi_surface.hpp"
#include "preview/preview_window.hpp"
#include "win_handles.hpp"

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
  selection.currentTab = 4;
  selection.customTests.fill(1);
  ResourcePictures pictures(::GetModuleHandleA(nullptr));
  const RECT all{0, 0, 167, 239};
  LARGE_INTEGER frequency{}, start{}, end{};
  ::QueryPerformanceFrequency(&frequency);
  std::vector<double> times;
  times.reserve(static_cast<std::size_t>(redraws));
  for (int i = 0; i < redraws; ++i) {
    ::QueryPerformanceCounter(&start);
    ::FillRect(memory.Get(), &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    DrawPreview({surface, 167, 239, ::GetDeviceCaps(memory.Get(), 1) != 0}, selection, 0, pictures);
    ::GdiFlush();
    ::QueryPerformanceCounter(&end);
    times.push_back(static_cast<double>(end.QuadPart - start.QuadPart) * 1e6 / static_cast<double>(frequency.QuadPart));
  }
  std::sort(times.begin(), times.end());
  std::printf("GDI heaviest preview redraw, %d redraws: median %.0f us, fastest %.0f us, slowest %.0f us\n", redraws,
              times[times.size() / 2], times.front(), times.back());
  return 0;
}
