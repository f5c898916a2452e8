// One full redraw of the heaviest preview, the dot pattern over every other
// Custom item, on the cairo backend: cleared, drawn, flushed. The pictures
// are the files beside the programs, loaded on every redraw as the program
// loads them.
#include <benchmark/benchmark.h>

#include "backends/cairo/cairo_surface.hpp"
#include "cli/cli_preview.hpp"
#include "core/preview/preview_renderer.hpp"

namespace {

using namespace veltrim;

void BM_PreviewHeaviestRedrawCairo(benchmark::State& state) {
  DeviceCaps caps;
  caps.dpiX = caps.dpiY = 96;
  caps.physicalWidth = caps.horzRes = 167;
  caps.physicalHeight = caps.vertRes = 239;
  CairoSurface surface(caps);
  cairo_detail::CairoSurfacePtr image(cairo_image_surface_create(CAIRO_FORMAT_RGB24, 167, 239));
  cairo_detail::CairoPtr cr(cairo_create(image.get()));
  surface.BeginPage(cr.get(), 1.0, 1.0, image.get());
  TestSelection selection;
  selection.currentTab = Tab::Custom;
  selection.customTests.fill(1);
  cli::PicturesBesideProgram pictures(VELTRIM_PICTURES_DIR "/veltrim");
  for (auto _ : state) {
    cairo_set_source_rgb(cr.get(), 1, 1, 1);
    cairo_paint(cr.get());
    DrawPreview({surface, 167, 239}, selection, 0, pictures);
    cairo_surface_flush(image.get());
  }
  surface.EndPage();
}
BENCHMARK(BM_PreviewHeaviestRedrawCairo)->Unit(benchmark::kMicrosecond);

}  // namespace
