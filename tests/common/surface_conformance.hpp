// One table of Surface cases run on every backend: each row draws on a surface of the device below, and is held to the
// answers of the calls it checks, the state the surface exposes afterwards and, on the backends that paint, the
// colours at a few points. Where a backend differs for a reason of its own, the row says so.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "core/platform/device_caps.hpp"
#include "core/platform/surface.hpp"

namespace veltrim::conformance {

enum Backend : unsigned { kRecording = 1, kCairoPng = 2, kCairoPdf = 4, kGdi = 8 };
inline constexpr unsigned kCairo = kCairoPng | kCairoPdf;

// 600 x 300 dpi, so a swapped factor shows: a 620 x 520 sheet with the printable area of 600 x 500 units at (10, 10).
DeviceCaps Device();

// What Surface exposes of its state, each read through the setter that answers it and then put back.
struct State {
  StockObject pen = StockObject::BlackPen;
  StockObject brush = StockObject::WhiteBrush;
  StockObject font = StockObject::SystemFont;
  ColorRef text = Rgb(0, 0, 0);
  ColorRef background = Rgb(255, 255, 255);
  int bkMode = kOpaque;
  int arcDirection = kAdCounterClockwise;
  Point position{};
};
// "" when the surface is in `expected`, else what differs.
std::string StateMismatch(Surface& s, const State& expected);

// A colour at a point in device units, each channel within `tolerance`.
struct Probe {
  int x = 0, y = 0;
  ColorRef colour = 0;
  int tolerance = 0;
};

// What a row's drawing answered, one number per call it checks (a bool as 0/1).
using Answers = std::vector<long long>;

// Files a row may read, written by the runner: `picture` holds WritePicture's bitmap.
struct Context {
  std::string picture;
};
// A 2 x 2 picture: red, green on the top row; blue, yellow below.
bool WritePicture(const std::string& path);

struct Expected;
// A known difference on `backends`: why, and how it changes what is expected there.
struct Difference {
  unsigned backends = 0;
  const char* reason = "";
  void (*change)(Expected&) = nullptr;
};

struct Row {
  const char* name;
  Answers (*draw)(Surface&, const Context&);
  Answers answers;
  State state;
  std::vector<Probe> probes{};  // checked where pixels are painted (Cairo, GDI); the recording paints none
  std::vector<Difference> differences{};
};

std::span<const Row> Rows();

struct Expected {
  Answers answers;
  State state;
  std::vector<Probe> probes;
};
// The row's expectations on `backend`: its own differences applied after those of every row.
Expected ExpectedOn(const Row& row, Backend backend);

}  // namespace veltrim::conformance
