// Every page, preview and colour plot picture and curve, drawn on the recording surface from any selection, job
// numbers, screen and printer values, on zero, tiny, huge (2^20 units a side) and unequal-axis devices. The sanitizers
// stop on any overflow; a drawing that ends leaves its surface clean. Each input has a budget of calls (a dense page
// on a huge device takes millions) and is given up when it runs out.
#include <fuzzer/FuzzedDataProvider.h>

#include <climits>
#include <cstdint>
#include <memory>
#include <string>

#include "backends/recording/recording_surface.hpp"
#include "core/colour_tools/calibration_wizard.hpp"
#include "core/colour_tools/colour_plot.hpp"
#include "core/preview/preview_renderer.hpp"
#include "core/print/print_engine.hpp"
#include "core/support/number_text.hpp"
#include "fuzz_check.hpp"
#include "test_print_host.hpp"

namespace veltrim {
namespace {

struct OutOfBudget {};

// The recording surface, counting the calls that draw or make objects; past the budget a call throws. Selections
// and deletes never throw: the drawing's owners restore them while unwinding.
class BudgetSurface final : public Surface {
 public:
  explicit BudgetSurface(RecordingSurface& inner) : in_(inner) {}
  int GetDeviceCaps(DeviceCap index) override { return in_.GetDeviceCaps(index); }
  bool GetTextMetricsA(TextMetrics& metrics) override { return in_.GetTextMetricsA(metrics); }
  bool GetTextExtentPoint32A(std::string_view text, Size& size) override {
    return in_.GetTextExtentPoint32A(text, size);
  }
  ObjectHandle CreatePen(PenStyle style, int width, ColorRef colour) override {
    return Spend(), in_.CreatePen(style, width, colour);
  }
  ObjectHandle CreateBrushIndirect(const LogBrush& brush) override { return Spend(), in_.CreateBrushIndirect(brush); }
  ObjectHandle CreateFontIndirectA(const LogFont& font) override { return Spend(), in_.CreateFontIndirectA(font); }
  ObjectHandle GetStockObject(StockObject which) override { return in_.GetStockObject(which); }
  ObjectHandle SelectObject(ObjectHandle object) override { return in_.SelectObject(object); }
  bool DeleteObject(ObjectHandle object) override { return in_.DeleteObject(object); }
  ObjectHandle LoadBitmapFile(const char* path) override { return Spend(), in_.LoadBitmapFile(path); }
  bool GetBitmapSize(ObjectHandle bitmap, Size& size) override { return in_.GetBitmapSize(bitmap, size); }
  bool BitBlt(int x, int y, int w, int h, ObjectHandle bitmap, int sx, int sy) override {
    return Spend(), in_.BitBlt(x, y, w, h, bitmap, sx, sy);
  }
  bool StretchBlt(int x, int y, int w, int h, ObjectHandle bitmap, int sx, int sy, int sw, int sh) override {
    return Spend(), in_.StretchBlt(x, y, w, h, bitmap, sx, sy, sw, sh);
  }
  bool MoveToEx(int x, int y, Point* previous) override { return Spend(), in_.MoveToEx(x, y, previous); }
  bool LineTo(int x, int y) override { return Spend(), in_.LineTo(x, y); }
  bool Rectangle(int l, int t, int r, int b) override { return Spend(), in_.Rectangle(l, t, r, b); }
  bool Ellipse(int l, int t, int r, int b) override { return Spend(), in_.Ellipse(l, t, r, b); }
  bool Arc(int l, int t, int r, int b, int xs, int ys, int xe, int ye) override {
    return Spend(), in_.Arc(l, t, r, b, xs, ys, xe, ye);
  }
  bool ArcTo(int l, int t, int r, int b, int xs, int ys, int xe, int ye) override {
    return Spend(), in_.ArcTo(l, t, r, b, xs, ys, xe, ye);
  }
  bool Chord(int l, int t, int r, int b, int xs, int ys, int xe, int ye) override {
    return Spend(), in_.Chord(l, t, r, b, xs, ys, xe, ye);
  }
  int SetArcDirection(int direction) override { return in_.SetArcDirection(direction); }
  bool PolyBezier(std::span<const Point> points) override { return Spend(), in_.PolyBezier(points); }
  ColorRef SetPixel(int x, int y, ColorRef colour) override { return Spend(), in_.SetPixel(x, y, colour); }
  bool SetPixelV(int x, int y, ColorRef colour) override { return Spend(), in_.SetPixelV(x, y, colour); }
  ColorRef GetPixel(int x, int y) override { return in_.GetPixel(x, y); }
  bool TextOutA(int x, int y, std::string_view text) override { return Spend(), in_.TextOutA(x, y, text); }
  int DrawTextA(std::string_view text, Rect& rect, std::uint32_t format) override {
    return Spend(), in_.DrawTextA(text, rect, format);
  }
  ColorRef SetTextColor(ColorRef colour) override { return in_.SetTextColor(colour); }
  ColorRef SetBkColor(ColorRef colour) override { return in_.SetBkColor(colour); }
  int SetBkMode(int mode) override { return in_.SetBkMode(mode); }

 private:
  void Spend() {
    if (++spent_ > 3000) throw OutOfBudget{};
  }
  RecordingSurface& in_;
  int spent_ = 0;
};

// One document of one page: a job of more (the boxes can ask for 2^31 - 1 of each) is given up at the second.
class OnePageDevice final : public PrintDevice {
 public:
  explicit OnePageDevice(Surface& page) : page_(page) {}
  Surface& Page() override { return page_; }
  int StartDocA(const char*) override { return Once(docs_); }
  int StartPage() override { return Once(pages_); }
  int EndPage() override { return 1; }
  int EndDoc() override { return 1; }

 private:
  static int Once(int& count) {
    if (count++ > 0) throw OutOfBudget{};
    return 1;
  }
  Surface& page_;
  int docs_ = 0, pages_ = 0;
};

class Target final : public PrintTarget {
 public:
  explicit Target(Surface& page) : page_(page) {}
  PrintChoice Choose() override { return {true, std::make_unique<OnePageDevice>(page_), "Fuzz printer", "FILE:"}; }

 private:
  Surface& page_;
};

class NoPictures final : public PreviewPictures {
 public:
  ObjectHandle Load(Surface&, int) override { return {}; }
};

// A device size: zero, tiny, ordinary or huge.
int Units(FuzzedDataProvider& in) {
  switch (in.ConsumeIntegralInRange(0, 3)) {
    case 0: return 0;
    case 1: return in.ConsumeIntegralInRange(1, 8);
    case 2: return in.ConsumeIntegralInRange(9, 10000);
    default: return in.ConsumeIntegralInRange(10001, 1 << 20);
  }
}

// What a job number may be, as the window reads its boxes: int's ends, the spins' edges, or any int.
int AnyNumber(FuzzedDataProvider& in) {
  static constexpr int kEdges[] = {INT_MAX, INT_MIN, 0, 1, 100, -1000, 1000};
  if (in.ConsumeBool()) return kEdges[in.ConsumeIntegralInRange<std::size_t>(0, std::size(kEdges) - 1)];
  return in.ConsumeIntegral<int>();
}

TestSelection AnySelection(FuzzedDataProvider& in) {
  TestSelection s;
  s.currentTab = static_cast<Tab>(in.ConsumeIntegralInRange(-1, 5));
  for (const std::span<std::uint8_t> flags : {std::span<std::uint8_t>(s.bwTests), std::span<std::uint8_t>(s.colorTests),
                                              std::span<std::uint8_t>(s.calibrationTests),
                                              std::span<std::uint8_t>(s.customTests)})
    for (std::uint8_t& flag : flags) flag = in.ConsumeBool() ? 1 : 0;
  s.advancedOption = in.ConsumeIntegralInRange(-1, kAdvancedOptions);
  s.gradientLayout = in.ConsumeIntegralInRange(-1, 3);
  for (ColourTriple& c : s.customColours) c = {in.ConsumeIntegral<std::int16_t>(), in.ConsumeIntegral<std::int16_t>(),
                                               in.ConsumeIntegral<std::int16_t>()};
  return s;
}

CalibrationValues AnyValues(FuzzedDataProvider& in) {
  CalibrationValues values;
  for (int& value : values) value = in.ConsumeIntegral<int>();
  return values;
}

// Runs `draw` on a fresh surface; when it ends within the budget, every object is deleted and selection restored.
template <typename Draw>
void OnRecording(const RecordingDevice& device, Draw draw) {
  RecordingSurface recording(device);
  BudgetSurface surface(recording);
  try {
    draw(surface);
  } catch (const OutOfBudget&) {
    return;
  }
  Check(recording.Problems().empty());
}

}  // namespace
}  // namespace veltrim

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace veltrim;
  FuzzedDataProvider in(data, size);
  const TestSelection selection = AnySelection(in);
  test::TestHost host;
  JobSettings settings;
  for (int n = 0; n < kJobNumberCount; ++n) settings[static_cast<JobNumber>(n)] = AnyNumber(in);

  RecordingDevice printer;
  for (const DeviceCap cap : {DeviceCap::HorzRes, DeviceCap::VertRes, DeviceCap::HorzSize, DeviceCap::VertSize,
                              DeviceCap::LogPixelsX, DeviceCap::LogPixelsY, DeviceCap::PhysicalWidth,
                              DeviceCap::PhysicalHeight, DeviceCap::PhysicalOffsetX, DeviceCap::PhysicalOffsetY})
    printer.With(cap, Units(in));
  OnRecording(printer, [&](Surface& page) {
    Target target(page);
    PrintEngine(host, target, {selection, settings});
  });

  // The preview and the plot on a screen canvas of any size up to the command line's largest picture.
  const int width = in.ConsumeIntegralInRange(0, 4096), height = in.ConsumeIntegralInRange(0, 4096);
  const bool setPixelV = in.ConsumeBool();
  const RecordingDevice screen = RecordingDevice::Screen(width, height);
  OnRecording(screen, [&](Surface& dc) {
    NoPictures pictures;
    DrawPreview({dc, width, height, setPixelV}, selection, settings.offsetMm, pictures);
  });
  const int kind = in.ConsumeIntegralInRange(0, 6);
  OnRecording(screen, [&](Surface& dc) { DrawPlotPicture({dc, width, height, setPixelV}, kind, selection); });
  const CalibrationValues printerValues = AnyValues(in);
  CalibrationValues screenValues = AnyValues(in);
  screenValues[0] = WizardValue(in.ConsumeIntegral<int>(), in.ConsumeIntegral<int>());
  OnRecording(screen, [&](Surface& dc) { DrawCurves(dc, width, height, printerValues, screenValues); });
  return 0;
}
