#pragma once
// Surface: the drawing target every picture of the program is drawn on, on
// paper and on screen. It is shaped after GDI so that pages read almost line
// for line like their descriptions: device units (one unit is one device
// pixel, x to the right, y down, (0,0) at the top-left of the printable
// area), pens, brushes and fonts that act only while selected, and the
// platform's own numbers for capability indexes, styles and flags.
//
// Every hook is pure virtual: the gdi, cairo and recording backends each
// implement all of them. Member names carry GDI's "A" suffix where
// <windows.h> defines the plain name as a macro, so the class reads the
// same in every translation unit.

#include <cstdint>
#include <span>
#include <string_view>

#include "core/colour/colour_ref.hpp"

namespace veltrim {

// What GetPixel answers for a point it cannot read.
inline constexpr ColorRef kInvalidColour = 0xFFFFFFFF;

struct Point {
  std::int32_t x = 0;
  std::int32_t y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
  std::int32_t cx = 0;
  std::int32_t cy = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;
  friend bool operator==(const Rect&, const Rect&) = default;
};

// GetDeviceCaps indexes, with the platform's values.
enum class DeviceCap : int {
  DriverVersion = 0,
  Technology = 2,
  HorzSize = 4,
  VertSize = 6,
  HorzRes = 8,
  VertRes = 10,
  BitsPixel = 12,
  Planes = 14,
  NumBrushes = 16,
  NumPens = 18,
  NumMarkers = 20,
  NumFonts = 22,
  NumColors = 24,
  PDeviceSize = 26,
  CurveCaps = 28,
  LineCaps = 30,
  PolygonalCaps = 32,
  TextCaps = 34,
  ClipCaps = 36,
  RasterCaps = 38,
  AspectX = 40,
  AspectY = 42,
  AspectXY = 44,
  LogPixelsX = 88,
  LogPixelsY = 90,
  SizePalette = 104,
  NumReserved = 106,
  ColorRes = 108,
  PhysicalWidth = 110,
  PhysicalHeight = 111,
  PhysicalOffsetX = 112,
  PhysicalOffsetY = 113,
  ScalingFactorX = 114,
  ScalingFactorY = 115,
  VRefresh = 116,
  DesktopVertRes = 117,
  DesktopHorzRes = 118,
  BltAlignment = 119,
  ShadeBlendCaps = 120,
  ColorMgmtCaps = 121,
};

// Technology values.
inline constexpr int kDtRasDisplay = 1;
inline constexpr int kDtRasPrinter = 2;

// The subset of TEXTMETRIC the program reads.
struct TextMetrics {
  std::int32_t tmHeight = 0;
  std::int32_t tmAscent = 0;
  std::int32_t tmDescent = 0;
  std::int32_t tmInternalLeading = 0;
  std::int32_t tmExternalLeading = 0;
  std::int32_t tmAveCharWidth = 0;
  std::int32_t tmMaxCharWidth = 0;
  std::int32_t tmWeight = 0;
};

// Pen styles.
enum class PenStyle : int { Solid = 0, Dash = 1, Dot = 2, DashDot = 3, DashDotDot = 4, Null = 5, InsideFrame = 6 };

// Brush styles and hatches.
inline constexpr std::uint32_t kBsSolid = 0;
inline constexpr std::uint32_t kBsNull = 1;
inline constexpr std::uint32_t kBsHatched = 2;

struct LogBrush {
  std::uint32_t lbStyle = kBsSolid;
  ColorRef lbColor = 0;
  std::uintptr_t lbHatch = 0;
};

inline constexpr int kLfFaceSize = 32;

struct LogFont {
  std::int32_t lfHeight = 0;
  std::int32_t lfWidth = 0;
  std::int32_t lfEscapement = 0;
  std::int32_t lfOrientation = 0;
  std::int32_t lfWeight = 0;
  std::uint8_t lfItalic = 0;
  std::uint8_t lfUnderline = 0;
  std::uint8_t lfStrikeOut = 0;
  std::uint8_t lfCharSet = 0;
  std::uint8_t lfOutPrecision = 0;
  std::uint8_t lfClipPrecision = 0;
  std::uint8_t lfQuality = 0;
  std::uint8_t lfPitchAndFamily = 0;
  char lfFaceName[kLfFaceSize] = {};
};

// Stock objects, with the platform's indexes.
enum class StockObject : int {
  WhiteBrush = 0,
  LtGrayBrush = 1,
  GrayBrush = 2,
  DkGrayBrush = 3,
  BlackBrush = 4,
  NullBrush = 5,
  WhitePen = 6,
  BlackPen = 7,
  NullPen = 8,
  OemFixedFont = 10,
  AnsiFixedFont = 11,
  AnsiVarFont = 12,
  SystemFont = 13,
  DeviceDefaultFont = 14,
  SystemFixedFont = 16,
  DefaultGuiFont = 17,
};

// Background modes.
inline constexpr int kTransparent = 1;
inline constexpr int kOpaque = 2;

// Arc directions.
inline constexpr int kAdCounterClockwise = 1;
inline constexpr int kAdClockwise = 2;

// DrawText formats the program uses.
inline constexpr std::uint32_t kDtLeft = 0x0000;
inline constexpr std::uint32_t kDtCenter = 0x0001;
inline constexpr std::uint32_t kDtRight = 0x0002;
inline constexpr std::uint32_t kDtVCenter = 0x0004;
inline constexpr std::uint32_t kDtBottom = 0x0008;
inline constexpr std::uint32_t kDtWordBreak = 0x0010;
inline constexpr std::uint32_t kDtSingleLine = 0x0020;
inline constexpr std::uint32_t kDtExpandTabs = 0x0040;
inline constexpr std::uint32_t kDtNoClip = 0x0100;
inline constexpr std::uint32_t kDtCalcRect = 0x0400;
inline constexpr std::uint32_t kDtNoPrefix = 0x0800;
inline constexpr std::uint32_t kDtEditControl = 0x2000;

// A GDI object (pen, brush, font, bitmap) of one surface. Zero is "none".
// The gdi backend holds the platform's handle here; the others number their
// objects. Stock objects are objects too, and are never deleted.
struct ObjectHandle {
  std::uintptr_t value = 0;
  explicit operator bool() const { return value != 0; }
  friend bool operator==(const ObjectHandle&, const ObjectHandle&) = default;
};

class Surface {
 public:
  virtual ~Surface() = default;

  // Measuring.
  virtual int GetDeviceCaps(DeviceCap index) = 0;
  virtual bool GetTextMetricsA(TextMetrics& metrics) = 0;
  virtual bool GetTextExtentPoint32A(std::string_view text, Size& size) = 0;

  // Objects. SelectObject returns the object replaced (none on failure).
  virtual ObjectHandle CreatePen(PenStyle style, int width, ColorRef colour) = 0;
  virtual ObjectHandle CreateBrushIndirect(const LogBrush& brush) = 0;
  virtual ObjectHandle CreateFontIndirectA(const LogFont& font) = 0;
  virtual ObjectHandle GetStockObject(StockObject which) = 0;
  virtual ObjectHandle SelectObject(ObjectHandle object) = 0;
  virtual bool DeleteObject(ObjectHandle object) = 0;

  // Bitmaps: a Windows bitmap file loaded whole, and copied with SRCCOPY.
  virtual ObjectHandle LoadBitmapFile(const char* path) = 0;
  virtual bool GetBitmapSize(ObjectHandle bitmap, Size& size) = 0;
  virtual bool BitBlt(int x, int y, int width, int height, ObjectHandle bitmap, int srcX, int srcY) = 0;
  virtual bool StretchBlt(int x, int y, int width, int height, ObjectHandle bitmap, int srcX, int srcY,
                          int srcWidth, int srcHeight) = 0;

  // Shapes: outlines with the selected pen, interiors with the selected
  // brush; right and bottom edges of boxes are exclusive.
  virtual bool MoveToEx(int x, int y, Point* previous) = 0;
  virtual bool LineTo(int x, int y) = 0;
  virtual bool Rectangle(int left, int top, int right, int bottom) = 0;
  virtual bool Ellipse(int left, int top, int right, int bottom) = 0;
  virtual bool Arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd) = 0;
  virtual bool ArcTo(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd) = 0;
  virtual bool Chord(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd) = 0;
  virtual int SetArcDirection(int direction) = 0;  // returns the previous one, 0 on failure
  virtual bool PolyBezier(std::span<const Point> points) = 0;
  virtual ColorRef SetPixel(int x, int y, ColorRef colour) = 0;  // the colour set, or kInvalidColour
  virtual bool SetPixelV(int x, int y, ColorRef colour) = 0;
  virtual ColorRef GetPixel(int x, int y) = 0;  // kInvalidColour where it cannot be read

  // Text.
  virtual bool TextOutA(int x, int y, std::string_view text) = 0;
  virtual int DrawTextA(std::string_view text, Rect& rect, std::uint32_t format) = 0;  // the height drawn
  virtual ColorRef SetTextColor(ColorRef colour) = 0;
  virtual ColorRef SetBkColor(ColorRef colour) = 0;
  virtual int SetBkMode(int mode) = 0;
};

}  // namespace veltrim
