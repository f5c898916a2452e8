#include "backends/gdi/gdi_surface.hpp"

#include <algorithm>
#include <climits>
#include <cstring>
#include <vector>

#include "backends/gdi/win_handles.hpp"

namespace veltrim {
namespace {

// The portable surface spells the platform's numbers without <windows.h>;
// here they are held against the real ones.
static_assert(static_cast<int>(DeviceCap::Technology) == TECHNOLOGY &&
              static_cast<int>(DeviceCap::HorzSize) == HORZSIZE && static_cast<int>(DeviceCap::VertSize) == VERTSIZE &&
              static_cast<int>(DeviceCap::HorzRes) == HORZRES && static_cast<int>(DeviceCap::VertRes) == VERTRES &&
              static_cast<int>(DeviceCap::NumColors) == NUMCOLORS &&
              static_cast<int>(DeviceCap::RasterCaps) == RASTERCAPS &&
              static_cast<int>(DeviceCap::LogPixelsX) == LOGPIXELSX &&
              static_cast<int>(DeviceCap::LogPixelsY) == LOGPIXELSY &&
              static_cast<int>(DeviceCap::PhysicalWidth) == PHYSICALWIDTH &&
              static_cast<int>(DeviceCap::PhysicalHeight) == PHYSICALHEIGHT &&
              static_cast<int>(DeviceCap::PhysicalOffsetX) == PHYSICALOFFSETX &&
              static_cast<int>(DeviceCap::PhysicalOffsetY) == PHYSICALOFFSETY &&
              static_cast<int>(DeviceCap::ColorMgmtCaps) == COLORMGMTCAPS);
static_assert(kDtRasDisplay == DT_RASDISPLAY && kDtRasPrinter == DT_RASPRINTER);
static_assert(static_cast<int>(PenStyle::Solid) == PS_SOLID && static_cast<int>(PenStyle::Dash) == PS_DASH &&
              static_cast<int>(PenStyle::Dot) == PS_DOT && static_cast<int>(PenStyle::DashDot) == PS_DASHDOT &&
              static_cast<int>(PenStyle::DashDotDot) == PS_DASHDOTDOT && static_cast<int>(PenStyle::Null) == PS_NULL &&
              static_cast<int>(PenStyle::InsideFrame) == PS_INSIDEFRAME);
static_assert(kBsSolid == BS_SOLID && kBsNull == BS_NULL && kBsHatched == BS_HATCHED);
static_assert(kLfFaceSize == LF_FACESIZE);
static_assert(static_cast<int>(StockObject::WhiteBrush) == WHITE_BRUSH &&
              static_cast<int>(StockObject::NullBrush) == NULL_BRUSH &&
              static_cast<int>(StockObject::BlackPen) == BLACK_PEN &&
              static_cast<int>(StockObject::NullPen) == NULL_PEN &&
              static_cast<int>(StockObject::SystemFont) == SYSTEM_FONT &&
              static_cast<int>(StockObject::DefaultGuiFont) == DEFAULT_GUI_FONT);
static_assert(kTransparent == TRANSPARENT && kOpaque == OPAQUE);
static_assert(kAdCounterClockwise == AD_COUNTERCLOCKWISE && kAdClockwise == AD_CLOCKWISE);
static_assert(kDtCenter == DT_CENTER && kDtRight == DT_RIGHT && kDtVCenter == DT_VCENTER && kDtBottom == DT_BOTTOM &&
              kDtWordBreak == DT_WORDBREAK && kDtSingleLine == DT_SINGLELINE && kDtExpandTabs == DT_EXPANDTABS &&
              kDtNoClip == DT_NOCLIP && kDtCalcRect == DT_CALCRECT && kDtNoPrefix == DT_NOPREFIX &&
              kDtEditControl == DT_EDITCONTROL);
static_assert(kInvalidColour == CLR_INVALID);

// GDI counts characters in an int; longer texts are refused, not cut.
bool FitsInInt(std::string_view text) { return text.size() <= static_cast<std::size_t>(INT_MAX); }

// An empty view may carry no pointer at all; GDI wants one.
const char* Chars(std::string_view text) { return text.data() ? text.data() : ""; }

// Copies from `bitmap` through a memory DC that holds it for the one call.
// The DC is compatible with the screen, as the bitmaps are (LoadImageA and
// LoadBitmapA make screen bitmaps): a printer's own memory DC may refuse to
// select them.
template <typename Copy>
bool CopyFromBitmap(ObjectHandle bitmap, Copy copy) {
  if (!bitmap) return false;
  win::OwnedDc memory(::CreateCompatibleDC(nullptr));
  if (!memory) return false;
  const win::SelectGuard selected(memory.Get(), ToGdi(bitmap));
  if (!selected) return false;
  return copy(memory.Get()) != FALSE;
}

}  // namespace

int GdiSurface::GetDeviceCaps(DeviceCap index) {
  if (simulated_) return DeviceCapValue(*simulated_, index);
  return ::GetDeviceCaps(dc_, static_cast<int>(index));
}

bool GdiSurface::GetTextMetricsA(TextMetrics& metrics) {
  TEXTMETRICA tm{};
  if (!::GetTextMetricsA(dc_, &tm)) return false;
  metrics.tmHeight = tm.tmHeight;
  metrics.tmAscent = tm.tmAscent;
  metrics.tmDescent = tm.tmDescent;
  metrics.tmInternalLeading = tm.tmInternalLeading;
  metrics.tmExternalLeading = tm.tmExternalLeading;
  metrics.tmAveCharWidth = tm.tmAveCharWidth;
  metrics.tmMaxCharWidth = tm.tmMaxCharWidth;
  metrics.tmWeight = tm.tmWeight;
  return true;
}

bool GdiSurface::GetTextExtentPoint32A(std::string_view text, Size& size) {
  if (!FitsInInt(text)) return false;
  SIZE extent{};
  if (!::GetTextExtentPoint32A(dc_, Chars(text), static_cast<int>(text.size()), &extent)) return false;
  size = Size{extent.cx, extent.cy};
  return true;
}

ObjectHandle GdiSurface::CreatePen(PenStyle style, int width, ColorRef colour) {
  return FromGdi(::CreatePen(static_cast<int>(style), width, colour));
}

ObjectHandle GdiSurface::CreateBrushIndirect(const LogBrush& brush) {
  LOGBRUSH lb{};
  lb.lbStyle = brush.lbStyle;
  lb.lbColor = brush.lbColor;
  lb.lbHatch = static_cast<ULONG_PTR>(brush.lbHatch);
  return FromGdi(::CreateBrushIndirect(&lb));
}

ObjectHandle GdiSurface::CreateFontIndirectA(const LogFont& font) {
  LOGFONTA lf{};
  lf.lfHeight = font.lfHeight;
  lf.lfWidth = font.lfWidth;
  lf.lfEscapement = font.lfEscapement;
  lf.lfOrientation = font.lfOrientation;
  lf.lfWeight = font.lfWeight;
  lf.lfItalic = font.lfItalic;
  lf.lfUnderline = font.lfUnderline;
  lf.lfStrikeOut = font.lfStrikeOut;
  lf.lfCharSet = font.lfCharSet;
  lf.lfOutPrecision = font.lfOutPrecision;
  lf.lfClipPrecision = font.lfClipPrecision;
  lf.lfQuality = font.lfQuality;
  lf.lfPitchAndFamily = font.lfPitchAndFamily;
  // The face name always ends inside the field, even when the caller filled
  // all of it.
  static_assert(sizeof lf.lfFaceName == sizeof font.lfFaceName);
  const std::size_t length = strnlen(font.lfFaceName, sizeof font.lfFaceName - 1);
  std::memcpy(lf.lfFaceName, font.lfFaceName, length);
  lf.lfFaceName[length] = '\0';
  return FromGdi(::CreateFontIndirectA(&lf));
}

ObjectHandle GdiSurface::GetStockObject(StockObject which) {
  return FromGdi(::GetStockObject(static_cast<int>(which)));
}

ObjectHandle GdiSurface::SelectObject(ObjectHandle object) {
  const HGDIOBJ replaced = ::SelectObject(dc_, ToGdi(object));
  return replaced == HGDI_ERROR ? ObjectHandle{} : FromGdi(replaced);
}

bool GdiSurface::DeleteObject(ObjectHandle object) { return ::DeleteObject(ToGdi(object)) != FALSE; }

ObjectHandle GdiSurface::LoadBitmapFile(const char* path) {
  if (!path) return {};
  return FromGdi(::LoadImageA(nullptr, path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
}

bool GdiSurface::GetBitmapSize(ObjectHandle bitmap, Size& size) {
  BITMAP info{};
  if (::GetObjectType(ToGdi(bitmap)) != OBJ_BITMAP) return false;
  if (::GetObjectA(ToGdi(bitmap), sizeof info, &info) != sizeof info) return false;
  size = Size{info.bmWidth, info.bmHeight};
  return true;
}

bool GdiSurface::BitBlt(int x, int y, int width, int height, ObjectHandle bitmap, int srcX, int srcY) {
  return CopyFromBitmap(bitmap,
                        [&](HDC source) { return ::BitBlt(dc_, x, y, width, height, source, srcX, srcY, SRCCOPY); });
}

bool GdiSurface::StretchBlt(int x, int y, int width, int height, ObjectHandle bitmap, int srcX, int srcY, int srcWidth,
                            int srcHeight) {
  return CopyFromBitmap(bitmap, [&](HDC source) {
    return ::StretchBlt(dc_, x, y, width, height, source, srcX, srcY, srcWidth, srcHeight, SRCCOPY);
  });
}

bool GdiSurface::MoveToEx(int x, int y, Point* previous) {
  POINT old{};
  if (!::MoveToEx(dc_, x, y, &old)) return false;
  if (previous) *previous = Point{old.x, old.y};
  return true;
}

bool GdiSurface::LineTo(int x, int y) { return ::LineTo(dc_, x, y) != FALSE; }

bool GdiSurface::Rectangle(int left, int top, int right, int bottom) {
  return ::Rectangle(dc_, left, top, right, bottom) != FALSE;
}

bool GdiSurface::Ellipse(int left, int top, int right, int bottom) {
  return ::Ellipse(dc_, left, top, right, bottom) != FALSE;
}

bool GdiSurface::Arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd) {
  if (xStart != xEnd || yStart != yEnd)
    return ::Arc(dc_, left, top, right, bottom, xStart, yStart, xEnd, yEnd) != FALSE;
  // Equal radial points mean the whole outline. Some printer drivers (Wine's
  // PostScript one) draw an empty arc instead, so it goes as two halves,
  // through the point opposite the start across the centre.
  const int doubleX = left + right, doubleY = top + bottom;
  if (2 * xStart == doubleX && 2 * yStart == doubleY) xStart = right;  // no direction from the centre itself
  const int xOpposite = doubleX - xStart, yOpposite = doubleY - yStart;
  return ::Arc(dc_, left, top, right, bottom, xStart, yStart, xOpposite, yOpposite) != FALSE &&
         ::Arc(dc_, left, top, right, bottom, xOpposite, yOpposite, xStart, yStart) != FALSE;
}

bool GdiSurface::ArcTo(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd) {
  return ::ArcTo(dc_, left, top, right, bottom, xStart, yStart, xEnd, yEnd) != FALSE;
}

bool GdiSurface::Chord(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd) {
  return ::Chord(dc_, left, top, right, bottom, xStart, yStart, xEnd, yEnd) != FALSE;
}

int GdiSurface::SetArcDirection(int direction) { return ::SetArcDirection(dc_, direction); }

bool GdiSurface::PolyBezier(std::span<const Point> points) {
  if (points.size() > static_cast<std::size_t>(MAXDWORD)) return false;
  std::vector<POINT> gdiPoints(points.size());
  std::transform(points.begin(), points.end(), gdiPoints.begin(), [](Point p) { return POINT{p.x, p.y}; });
  return ::PolyBezier(dc_, gdiPoints.data(), static_cast<DWORD>(gdiPoints.size())) != FALSE;
}

ColorRef GdiSurface::SetPixel(int x, int y, ColorRef colour) { return ::SetPixel(dc_, x, y, colour); }

bool GdiSurface::SetPixelV(int x, int y, ColorRef colour) { return ::SetPixelV(dc_, x, y, colour) != FALSE; }

ColorRef GdiSurface::GetPixel(int x, int y) { return ::GetPixel(dc_, x, y); }

bool GdiSurface::TextOutA(int x, int y, std::string_view text) {
  if (!FitsInInt(text)) return false;
  return ::TextOutA(dc_, x, y, Chars(text), static_cast<int>(text.size())) != FALSE;
}

int GdiSurface::DrawTextA(std::string_view text, Rect& rect, std::uint32_t format) {
  if (!FitsInInt(text)) return 0;
  RECT rc{rect.left, rect.top, rect.right, rect.bottom};
  // DrawTextA reads exactly the count given, so the text needs no NUL; it
  // writes into the text only with DT_MODIFYSTRING, which is never passed.
  const int height =
      ::DrawTextA(dc_, Chars(text), static_cast<int>(text.size()), &rc, format & ~static_cast<UINT>(DT_MODIFYSTRING));
  rect = Rect{rc.left, rc.top, rc.right, rc.bottom};
  return height;
}

ColorRef GdiSurface::SetTextColor(ColorRef colour) { return ::SetTextColor(dc_, colour); }

ColorRef GdiSurface::SetBkColor(ColorRef colour) { return ::SetBkColor(dc_, colour); }

int GdiSurface::SetBkMode(int mode) { return ::SetBkMode(dc_, mode); }

}  // namespace veltrim
