#pragma once
// RecordingSurface: a Surface that draws nothing. It records every call
// with its arguments and result, keeps the GDI state a pattern relies on
// (current position, selected objects, colours, modes, pixels), answers
// measurements by a fixed rule so that layouts can be predicted, and checks
// object hygiene (every object created is deleted, every
// selection restored).
// The devices it answers for (RecordingDevice and the example printers and
// display) are in example_devices.hpp.
//
// Records. One Record per call, in call order: `op` is the member name
// ("LineTo"), `args` the inputs in declaration order (a Rect as left, top,
// right, bottom; a LogBrush as style, colour, hatch; a LogFont as its
// thirteen numeric fields in order, the face name in `text`; PolyBezier's
// points as x0, y0, x1, y1, ...; a handle as its value; MoveToEx without
// its out-parameter), `text` the text argument (TextOutA, DrawTextA,
// GetTextExtentPoint32A, the face of CreateFontIndirectA, the path of
// LoadBitmapFile) and `result` the value returned (a bool as 1/0, a handle
// as its value, a colour as 0x00BBGGRR, kInvalidColour as 4294967295).
// Outputs through references are not recorded.
//
// DrawTextA is recorded first (its rectangle and format as passed, its
// result the height), then lays the text out with DrawTextByWords; the
// TextOutA calls that makes follow it with `nested` set. The measuring calls
// DrawTextByWords makes (GetTextMetricsA, GetTextExtentPoint32A) are not
// recorded.
//
// Metric rule. A font of cell height H (H >= 1) and width W has
//   tmHeight H, tmAscent H - H/5, tmDescent H/5, tmInternalLeading H/10,
//   tmExternalLeading 0, tmAveCharWidth W if W > 0 else max(1, H/2),
//   tmMaxCharWidth 2 x tmAveCharWidth, tmWeight the weight (400 if 0).
// The default font (the one selected at the start, and every stock font)
// has H = the device's default font height: RecordingDevice::
// defaultFontHeight, or LOGPIXELSY / 12 (at least 1) when that is 0 -- 50
// at 600 dpi. A created font has H = |lfHeight| (the default height when
// lfHeight is 0), W = |lfWidth|, weight lfWeight.
// GetTextExtentPoint32A(text) = { characters x tmAveCharWidth, tmHeight }
// of the selected font, for every byte alike (blanks, CR, LF, '&').
//
// State. At the start: BLACK_PEN, WHITE_BRUSH, SYSTEM_FONT and a 1x1
// default bitmap (DefaultBitmapHandle()) selected, text colour black,
// background colour white, background mode OPAQUE, arc direction
// counter-clockwise, current position (0,0), no pixel set.
// - MoveToEx, LineTo and ArcTo move the current position as GDI does;
//   ArcTo leaves it at the arc's end: the point where the ray from the
//   ellipse's centre towards (xEnd, yEnd) meets the ellipse, each
//   coordinate rounded to the nearest integer (halves away from zero); for
//   a degenerate ellipse or an end point at the centre, (xEnd, yEnd).
//   Nothing else moves it (PolyBezier, Arc, TextOutA... do not).
// - SetPixel/SetPixelV store the colour (its low 24 bits) for pixels of the
//   page, [0, HORZRES) x [0, VERTRES); outside it they fail (kInvalidColour
//   / false). GetPixel answers the colour stored, white for a page pixel
//   never set, kInvalidColour outside the page. Shapes, text and blits do
//   not paint pixels.
// - SelectObject of a live object replaces the selection of its kind (pen,
//   brush, font, bitmap) and returns the one replaced; of an unknown or
//   deleted handle it fails and returns none.
// - DeleteObject: a live created object that is not selected is deleted
//   (true). A stock object: true, nothing happens, no problem reported. A
//   selected object is not deleted (false, as GDI) and a problem is
//   reported; so are double deletes and unknown handles (false).
// - LoadBitmapFile decodes the file with stb_image (BMP only); a missing,
//   unreadable or undecodable file gives none. The bitmap is a created
//   object and must be deleted.
// - BitBlt/StretchBlt succeed for a live bitmap and fail otherwise.
//
// Handles. Created objects are numbered 1, 2, 3, ... in creation order and
// never reused; stock objects are kStockHandleBase + the StockObject index
// (the default bitmap uses index 21).
//
// Failure injection: FailNext("CreatePen") makes the next call of that
// member fail as the platform would report it (none, false, 0 or
// kInvalidColour), without any effect on the state; the call is recorded
// with that result.

#include <cstddef>
#include <cstdint>
#include <map>
#include <ostream>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "backends/recording/example_devices.hpp"
#include "core/platform/surface.hpp"

namespace veltrim {

struct Record {
  std::string op;
  std::vector<std::int64_t> args;
  std::string text;
  std::int64_t result = 0;
  bool nested = false;  // made by DrawTextA on its caller's behalf

  friend bool operator==(const Record&, const Record&) = default;
  // One line: `LineTo(10, 20) -> 1`, `TextOutA(0, 0, "abc") -> 1`; colours
  // written 0x00BBGGRR in hex, nested calls indented by two blanks.
  std::string ToString() const;
};

std::ostream& operator<<(std::ostream& out, const Record& record);

enum class ObjectKind { Pen, Brush, Font, Bitmap };

// What the surface knows about one object, stock or created.
struct RecordedObject {
  ObjectKind kind = ObjectKind::Pen;
  bool stock = false;
  bool deleted = false;
  std::string name;    // "pen 3", "stock BLACK_PEN"
  std::string origin;  // the call that made it: "CreatePen(solid, 2, 0x0000FF)"
  PenStyle penStyle = PenStyle::Solid;
  int penWidth = 0;
  ColorRef penColour = 0;
  LogBrush brush{};
  LogFont font{};
  TextMetrics metrics{};  // fonts
  Size bitmapSize{};      // bitmaps
  std::string path;       // bitmaps loaded from a file
};

class RecordingSurface final : public Surface {
 public:
  static constexpr std::uintptr_t kStockHandleBase = 1000000;
  static constexpr int kDefaultBitmapIndex = 21;

  explicit RecordingSurface(RecordingDevice device = RecordingDevice());
  RecordingSurface(const RecordingSurface&) = delete;
  RecordingSurface& operator=(const RecordingSurface&) = delete;

  static ObjectHandle StockHandle(StockObject which);
  static ObjectHandle DefaultBitmapHandle();
  // The metric rule above for a font of cell height `height`.
  static TextMetrics MetricsFor(int height, int width = 0, int weight = 0);

  // Surface.
  int GetDeviceCaps(DeviceCap index) override;
  bool GetTextMetricsA(TextMetrics& metrics) override;
  bool GetTextExtentPoint32A(std::string_view text, Size& size) override;
  ObjectHandle CreatePen(PenStyle style, int width, ColorRef colour) override;
  ObjectHandle CreateBrushIndirect(const LogBrush& brush) override;
  ObjectHandle CreateFontIndirectA(const LogFont& font) override;
  ObjectHandle GetStockObject(StockObject which) override;
  ObjectHandle SelectObject(ObjectHandle object) override;
  bool DeleteObject(ObjectHandle object) override;
  ObjectHandle LoadBitmapFile(const char* path) override;
  bool GetBitmapSize(ObjectHandle bitmap, Size& size) override;
  bool BitBlt(int x, int y, int width, int height, ObjectHandle bitmap, int srcX, int srcY) override;
  bool StretchBlt(int x, int y, int width, int height, ObjectHandle bitmap, int srcX, int srcY, int srcWidth,
                  int srcHeight) override;
  bool MoveToEx(int x, int y, Point* previous) override;
  bool LineTo(int x, int y) override;
  bool Rectangle(int left, int top, int right, int bottom) override;
  bool Ellipse(int left, int top, int right, int bottom) override;
  bool Arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd) override;
  bool ArcTo(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd) override;
  bool Chord(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd) override;
  int SetArcDirection(int direction) override;
  bool PolyBezier(std::span<const Point> points) override;
  ColorRef SetPixel(int x, int y, ColorRef colour) override;
  bool SetPixelV(int x, int y, ColorRef colour) override;
  ColorRef GetPixel(int x, int y) override;
  bool TextOutA(int x, int y, std::string_view text) override;
  int DrawTextA(std::string_view text, Rect& rect, std::uint32_t format) override;
  ColorRef SetTextColor(ColorRef colour) override;
  ColorRef SetBkColor(ColorRef colour) override;
  int SetBkMode(int mode) override;

  // Records.
  const std::vector<Record>& Records() const { return records_; }
  std::vector<Record> RecordsOf(std::string_view op) const;
  std::vector<Record> TopLevelRecords() const;  // without the nested ones
  std::string Dump() const;                     // every record, one a line
  void ClearRecords() { records_.clear(); }

  // State.
  const RecordingDevice& Device() const { return device_; }
  Point CurrentPosition() const { return position_; }
  ColorRef TextColour() const { return textColour_; }
  ColorRef BkColour() const { return bkColour_; }
  int BkMode() const { return bkMode_; }
  int ArcDirection() const { return arcDirection_; }
  ObjectHandle Selected(ObjectKind kind) const;
  const RecordedObject* Object(ObjectHandle handle) const;  // null when unknown
  TextMetrics CurrentMetrics() const;
  std::size_t PixelsSet() const { return pixels_.size(); }

  void FailNext(std::string_view op, int times = 1);

  // Hygiene: the problems seen so far (in order: faulty deletes as they
  // happened, then objects never deleted, then selections not restored),
  // each a readable sentence; empty when clean.
  std::vector<std::string> Problems() const;
  // The problems one a line, each ended by '\n'; "" when clean.
  std::string HygieneReport() const;

 private:
  void Log(std::string op, std::vector<std::int64_t> args, std::string text, std::int64_t result);
  bool Failing(std::string_view op);
  ObjectHandle AddObject(RecordedObject object);
  RecordedObject* Live(ObjectHandle handle);
  bool OnPage(int x, int y) const;
  static std::size_t KindIndex(ObjectKind kind) { return static_cast<std::size_t>(kind); }

  RecordingDevice device_;
  std::vector<Record> records_;
  std::map<std::uintptr_t, RecordedObject> objects_;
  std::uintptr_t nextHandle_ = 1;
  ObjectHandle selected_[4];
  ObjectHandle initial_[4];
  std::vector<std::string> events_;
  std::map<std::string, int, std::less<>> failures_;
  std::unordered_map<std::uint64_t, ColorRef> pixels_;
  Point position_{};
  ColorRef textColour_ = 0x000000;
  ColorRef bkColour_ = 0xFFFFFF;
  int bkMode_ = kOpaque;
  int arcDirection_ = kAdCounterClockwise;
  int drawTextDepth_ = 0;
};

}  // namespace veltrim
