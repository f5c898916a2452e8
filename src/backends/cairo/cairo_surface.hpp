#pragma once
// CairoSurface: the Surface with GDI's semantics drawn by Cairo.
//
// The object tables and drawing state (selections, colours, modes, current
// position, arc direction) belong to the surface and outlive pages, so
// capabilities, text metrics and objects work before the first page as on a
// printer context. A page target is bound with BeginPage and released with
// EndPage; drawing without one fails.
//
// Geometry follows GDI in MM_TEXT: one unit is one device pixel, (0,0) the
// top-left of the printable area, drawing clipped to it.
//   - Boxes exclude their right and bottom edges. A 1-unit (cosmetic) pen
//     runs through the centres of the edge pixels: Rectangle(l,t,r,b)
//     outlines the pixels l..r-1 and t..b-1 and fills what is inside.
//     Without a pen, the fill covers l..r-2 and t..b-2, as GDI's does.
//   - Pens wider than 1 are geometric: centred on the outline, round ends
//     and joins; PenStyle::InsideFrame keeps them inside a shape's box.
//     Dashed styles apply to 1-unit pens (wider ones draw solid), with the
//     gaps filled with the background colour in OPAQUE mode.
//   - LineTo leaves out the end pixel for 1-unit pens.
//   - Arcs start and end on the rays from the box's centre through the
//     radial points, counter-clockwise unless SetArcDirection says
//     otherwise; equal rays give the whole ellipse.
//   - Hatched brushes are 8-pixel tiles on the background colour (OPAQUE)
//     or on what lies beneath (TRANSPARENT).
//   - GetPixel reads image targets (PNG pages); vector targets (PDF,
//     PostScript) keep no pixels and answer kInvalidColour, as do points
//     outside the printable area or calls without a page.
//   - Deleting a selected object fails and keeps it; deleting a stock object
//     succeeds and does nothing.
//   - Text is 8-bit Windows-1252. TextOutA puts the top-left of the text
//     cell at the point; glyph advances are rounded to whole units each, so
//     extents add up as GDI's do and a measured line draws exactly as wide.
//   - The default font is "Courier New" 12 point at the device resolution
//     (Liberation Mono through veltrim-fonts.conf), standing in for a
//     printer's resident Courier.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <variant>
#include <vector>

#include "backends/cairo/cairo_handles.hpp"
#include "core/platform/device_caps.hpp"
#include "core/platform/surface.hpp"

namespace veltrim {

namespace cairo_detail {
struct RealizedFont;
}

class CairoSurface final : public Surface {
 public:
  explicit CairoSurface(const DeviceCaps& caps);
  ~CairoSurface() override;
  CairoSurface(const CairoSurface&) = delete;
  CairoSurface& operator=(const CairoSurface&) = delete;

  const DeviceCaps& Caps() const { return caps_; }

  // Binds `cr` for one page. `cr` draws in the sheet's coordinates with
  // `unitsPerDot` user units for each device dot (72/dpi on PDF and
  // PostScript, 1 on an image); `readable` is the page image when the
  // target is one (for GetPixel), else null. The surface keeps a reference
  // to `cr` until EndPage.
  void BeginPage(cairo_t* cr, double unitsPerDotX, double unitsPerDotY, cairo_surface_t* readable);
  void EndPage();
  bool HasPage() const { return cr_ != nullptr; }

  // "Family Style" of the face a font object maps to, e.g. "Liberation Mono
  // Regular"; empty when `font` is not a font or no face could be found.
  std::string FontFaceName(ObjectHandle font);

  // Measuring.
  int GetDeviceCaps(DeviceCap index) override;
  bool GetTextMetricsA(TextMetrics& metrics) override;
  bool GetTextExtentPoint32A(std::string_view text, Size& size) override;

  // Objects.
  ObjectHandle CreatePen(PenStyle style, int width, ColorRef colour) override;
  ObjectHandle CreateBrushIndirect(const LogBrush& brush) override;
  ObjectHandle CreateFontIndirectA(const LogFont& font) override;
  ObjectHandle GetStockObject(StockObject which) override;
  ObjectHandle SelectObject(ObjectHandle object) override;
  bool DeleteObject(ObjectHandle object) override;

  // Bitmaps.
  ObjectHandle LoadBitmapFile(const char* path) override;
  bool GetBitmapSize(ObjectHandle bitmap, Size& size) override;
  bool BitBlt(int x, int y, int width, int height, ObjectHandle bitmap, int srcX, int srcY) override;
  bool StretchBlt(int x, int y, int width, int height, ObjectHandle bitmap, int srcX, int srcY, int srcWidth,
                  int srcHeight) override;

  // Shapes.
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

  // Text.
  bool TextOutA(int x, int y, std::string_view text) override;
  int DrawTextA(std::string_view text, Rect& rect, std::uint32_t format) override;
  ColorRef SetTextColor(ColorRef colour) override;
  ColorRef SetBkColor(ColorRef colour) override;
  int SetBkMode(int mode) override;

 private:
  struct PenObject {
    PenStyle style = PenStyle::Solid;
    int width = 1;
    ColorRef colour = 0;
  };
  struct BrushObject {
    LogBrush brush;
    cairo_detail::PatternPtr hatch;  // the tile of a hatched brush
  };
  struct FontObject {
    LogFont font;
    std::shared_ptr<const cairo_detail::RealizedFont> realized;
  };
  struct BitmapObject {
    cairo_detail::CairoSurfacePtr image;
  };
  struct Object {
    std::variant<PenObject, BrushObject, FontObject, BitmapObject> data;
    bool stock = false;
  };
  enum class ArcShape { Open, ToCurrent, Chord };

  ObjectHandle Add(Object object);
  Object* Find(ObjectHandle handle);
  const PenObject& SelectedPen();
  BrushObject& SelectedBrush();
  std::shared_ptr<const cairo_detail::RealizedFont> Realize(FontObject& font);
  std::shared_ptr<const cairo_detail::RealizedFont> SelectedFont();

  bool Ok() const;
  bool Fill(BrushObject& brush);             // fills the current path, keeps it
  bool Stroke(const PenObject& pen);         // strokes and clears the current path
  // Solid cells (see Rectangle) of one colour wait here and are painted
  // together: a page of a hundred thousand cells costs one operation, not two
  // hundred thousand. Every other drawing call, and the end of the page,
  // paints them first.
  struct Cell {
    int left, top, right, bottom;
  };
  void FillPendingCells();
  void PaintCellMask();  // the pending cells as one 1-bit stencil at device resolution
  bool DrawArc(ArcShape shape, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd);
  bool InPrintableArea(int x, int y) const;

  DeviceCaps caps_;
  cairo_t* cr_ = nullptr;  // the bound page's context, not owned
  ColorRef pendingColour_ = 0;
  std::vector<Cell> pending_;
  cairo_surface_t* readable_ = nullptr;
  bool directPixels_ = false;  // readable_ is the target at one unit a pixel: pixels are written in place

  std::unordered_map<std::uintptr_t, Object> objects_;
  std::uintptr_t nextHandle_ = 1;
  // The last picture file decoded, kept while the surface lives. Every page
  // that loads it again shares the one image, which a PDF then holds once,
  // and cairo copies it once, when it goes, instead of once a page. A file
  // changed since is decoded afresh.
  struct LoadedPicture {
    std::string path;
    std::filesystem::file_time_type written;
    std::uintmax_t size = 0;
    cairo_detail::CairoSurfacePtr image;
  };
  std::optional<LoadedPicture> picture_;
  std::unordered_map<int, ObjectHandle> stock_;
  ObjectHandle pen_, brush_, font_;

  ColorRef textColour_ = Rgb(0, 0, 0);
  ColorRef bkColour_ = Rgb(255, 255, 255);
  int bkMode_ = kOpaque;
  int arcDirection_ = kAdCounterClockwise;
  Point current_{};

  // Realized fonts by LOGFONT, shared by every object asking for the same.
  std::unordered_map<std::string, std::shared_ptr<const cairo_detail::RealizedFont>> fontCache_;
};

}  // namespace veltrim
