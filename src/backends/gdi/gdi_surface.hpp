#pragma once
// The Windows surface: every hook is the GDI call of the same name on a
// borrowed HDC (printer, window or memory DC). ObjectHandle.value holds the
// HGDIOBJ itself, so objects made here can be handed to GDI directly.

#include <windows.h>

#include <optional>

#include "core/platform/device_caps.hpp"
#include "core/platform/surface.hpp"

namespace veltrim {

inline HGDIOBJ ToGdi(ObjectHandle object) { return reinterpret_cast<HGDIOBJ>(object.value); }
inline ObjectHandle FromGdi(HGDIOBJ object) { return ObjectHandle{reinterpret_cast<std::uintptr_t>(object)}; }

class GdiSurface final : public Surface {
 public:
  // The DC is borrowed: it must outlive the surface.
  explicit GdiSurface(HDC dc) noexcept : dc_(dc) {}
  // A memory DC standing in for a printer that exists only as numbers: the
  // capabilities are those of the simulated device.
  GdiSurface(HDC dc, const DeviceCaps& simulated) noexcept : dc_(dc), simulated_(simulated) {}

  HDC Dc() const noexcept { return dc_; }

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

 private:
  HDC dc_;
  std::optional<DeviceCaps> simulated_;
};

}  // namespace veltrim
