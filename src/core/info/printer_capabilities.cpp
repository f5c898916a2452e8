#include "core/info/printer_capabilities.hpp"

#include <array>

namespace veltrim {
namespace {

using P = PrinterCapabilities;

constexpr std::array kFields{
    CapabilityField{DeviceCap::DriverVersion, "driverVersion", &P::driverVersion},
    CapabilityField{DeviceCap::Technology, "technology", &P::technology},
    CapabilityField{DeviceCap::HorzSize, "horzSize", &P::horzSize},
    CapabilityField{DeviceCap::VertSize, "vertSize", &P::vertSize},
    CapabilityField{DeviceCap::HorzRes, "horzRes", &P::horzRes},
    CapabilityField{DeviceCap::VertRes, "vertRes", &P::vertRes},
    CapabilityField{DeviceCap::LogPixelsX, "logPixelsX", &P::logPixelsX},
    CapabilityField{DeviceCap::LogPixelsY, "logPixelsY", &P::logPixelsY},
    CapabilityField{DeviceCap::BitsPixel, "bitsPixel", &P::bitsPixel},
    CapabilityField{DeviceCap::Planes, "planes", &P::planes},
    CapabilityField{DeviceCap::NumBrushes, "numBrushes", &P::numBrushes},
    CapabilityField{DeviceCap::NumPens, "numPens", &P::numPens},
    CapabilityField{DeviceCap::NumFonts, "numFonts", &P::numFonts},
    CapabilityField{DeviceCap::NumColors, "numColors", &P::numColors},
    CapabilityField{DeviceCap::AspectX, "aspectX", &P::aspectX},
    CapabilityField{DeviceCap::AspectY, "aspectY", &P::aspectY},
    CapabilityField{DeviceCap::AspectXY, "aspectXY", &P::aspectXY},
    CapabilityField{DeviceCap::ClipCaps, "clipCaps", &P::clipCaps},
    CapabilityField{DeviceCap::SizePalette, "sizePalette", &P::sizePalette},
    CapabilityField{DeviceCap::ColorRes, "colorRes", &P::colorRes},
    CapabilityField{DeviceCap::PhysicalWidth, "physicalWidth", &P::physicalWidth},
    CapabilityField{DeviceCap::PhysicalHeight, "physicalHeight", &P::physicalHeight},
    CapabilityField{DeviceCap::PhysicalOffsetX, "physicalOffsetX", &P::physicalOffsetX},
    CapabilityField{DeviceCap::PhysicalOffsetY, "physicalOffsetY", &P::physicalOffsetY},
    CapabilityField{DeviceCap::RasterCaps, "rasterCaps", &P::rasterCaps},
    CapabilityField{DeviceCap::CurveCaps, "curveCaps", &P::curveCaps},
    CapabilityField{DeviceCap::LineCaps, "lineCaps", &P::lineCaps},
    CapabilityField{DeviceCap::PolygonalCaps, "polygonalCaps", &P::polygonalCaps},
    CapabilityField{DeviceCap::TextCaps, "textCaps", &P::textCaps},
};

constexpr std::array kRasterFlags{
    CapabilityFlag{0x0002, "RC_BANDING", "Requires banding support"},
    CapabilityFlag{0x0001, "RC_BITBLT", "Capable of transferring bitmaps"},
    CapabilityFlag{0x0008, "RC_BITMAP64", "Capable of supporting bitmaps larger than 64K"},
    CapabilityFlag{0x0080, "RC_DI_BITMAP", "Capable of supporting the SetDIBits and GetDIBits functions"},
    CapabilityFlag{0x0200, "RC_DIBTODEV", "Capable of supporting the SetDIBitsToDevice function"},
    CapabilityFlag{0x1000, "RC_FLOODFILL", "Capable of performing flood fills"},
    CapabilityFlag{0x0010, "RC_GDI20_OUTPUT", "Capable of supporting features of Windows 2.0"},
    CapabilityFlag{0x0100, "RC_PALETTE", "Specifies a palette-based device"},
    CapabilityFlag{0x0004, "RC_SCALING", "Capable of scaling"},
    CapabilityFlag{0x0800, "RC_STRETCHBLT", "Capable of performing the StretchBlt function"},
    CapabilityFlag{0x2000, "RC_STRETCHDIB", "Capable of performing the StretchDIBits function"},
};

constexpr std::array kCurveFlags{
    CapabilityFlag{0x0001, "CC_CIRCLES", "Device can draw circles"},
    CapabilityFlag{0x0002, "CC_PIE", "Device can draw pie wedges"},
    CapabilityFlag{0x0004, "CC_CHORD", "Device can draw chord arcs"},
    CapabilityFlag{0x0008, "CC_ELLIPSES", "Device can draw ellipses"},
    CapabilityFlag{0x0010, "CC_WIDE", "Device can draw wide borders"},
    CapabilityFlag{0x0020, "CC_STYLED", "Device can draw styled borders"},
    CapabilityFlag{0x0040, "CC_WIDESTYLED", "Device can draw borders that are wide and styled"},
    CapabilityFlag{0x0080, "CC_INTERIORS", "Device can draw interiors"},
    CapabilityFlag{0x0100, "CC_ROUNDRECT", "Device can draw rounded rectangles"},
};

constexpr std::array kLineFlags{
    CapabilityFlag{0x0002, "LC_POLYLINE", "Device can draw a polyline"},
    CapabilityFlag{0x0004, "LC_MARKER", "Device can draw a marker"},
    CapabilityFlag{0x0008, "LC_POLYMARKER", "Device can draw multiple markers"},
    CapabilityFlag{0x0010, "LC_WIDE", "Device can draw wide lines"},
    CapabilityFlag{0x0020, "LC_STYLED", "Device can draw styled lines"},
    CapabilityFlag{0x0040, "LC_WIDESTYLED", "Device can draw lines that are wide and styled"},
    CapabilityFlag{0x0080, "LC_INTERIORS", "Device can draw interiors"},
};

constexpr std::array kPolygonFlags{
    CapabilityFlag{0x0001, "PC_POLYGON", "Device can draw alternate-fill polygons"},
    CapabilityFlag{0x0002, "PC_RECTANGLE", "Device can draw rectangles"},
    CapabilityFlag{0x0004, "PC_WINDPOLYGON", "Device can draw winding-fill polygons"},
    CapabilityFlag{0x0008, "PC_SCANLINE", "Device can draw a single scanline"},
    CapabilityFlag{0x0010, "PC_WIDE", "Device can draw wide borders"},
    CapabilityFlag{0x0020, "PC_STYLED", "Device can draw styled borders"},
    CapabilityFlag{0x0040, "PC_WIDESTYLED", "Device can draw borders that are wide and styled"},
    CapabilityFlag{0x0080, "PC_INTERIORS", "Device can draw interiors"},
};

constexpr std::array kTextFlags{
    CapabilityFlag{0x00001, "TC_OP_CHARACTER", "Device is capable of character output precision"},
    CapabilityFlag{0x00002, "TC_OP_STROKE", "Device is capable of stroke output precision"},
    CapabilityFlag{0x00004, "TC_CP_STROKE", "Device is capable of stroke clip precision"},
    CapabilityFlag{0x00008, "TC_CR_90", "Device is capable of 90-degree character rotation"},
    CapabilityFlag{0x00010, "TC_CR_ANY", "Device is capable of any character rotation"},
    CapabilityFlag{0x00020, "TC_SF_X_YINDEP", "Device can scale independently in the x- and y-directions"},
    CapabilityFlag{0x00040, "TC_SA_DOUBLE", "Device is capable of doubled character for scaling"},
    CapabilityFlag{0x00080, "TC_SA_INTEGER", "Device uses integer multiples only for character scaling"},
    CapabilityFlag{0x00100, "TC_SA_CONTIN", "Device uses any multiples for exact character scaling"},
    CapabilityFlag{0x00200, "TC_EA_DOUBLE", "Device can draw double-weight characters"},
    CapabilityFlag{0x00400, "TC_IA_ABLE", "Device can italicize"},
    CapabilityFlag{0x00800, "TC_UA_ABLE", "Device can underline"},
    CapabilityFlag{0x01000, "TC_SO_ABLE", "Device can draw strikeouts"},
    CapabilityFlag{0x02000, "TC_RA_ABLE", "Device can draw raster fonts"},
    CapabilityFlag{0x04000, "TC_VA_ABLE", "Device can draw vector fonts"},
    CapabilityFlag{0x08000, "TC_RESERVED", "Reserved; must be zero"},
    CapabilityFlag{0x10000, "TC_SCROLLBLT",
                   "Device cannot scroll using a bit-block transfer. Note that this meaning may be the opposite of "
                   "what you expect"},
};

constexpr std::array kLists{
    CapabilityList{"rasterCaps", "\r\n\r\n  Device's Raster Capabilities: ", "", &P::rasterCaps, kRasterFlags},
    CapabilityList{"curveCaps", "\r\n\r\n  Device's Curve Capabilities: ",
                   "\r\n    - Device does not support curves: no", &P::curveCaps, kCurveFlags},
    CapabilityList{"lineCaps", "\r\n\r\n  Device's Line Capabilities: ", "\r\n    - Device does not support lines: no",
                   &P::lineCaps, kLineFlags},
    CapabilityList{"polygonalCaps", "\r\n\r\n  Device's Polygon Capabilities: ",
                   "\r\n    - Device does not support polygons: no", &P::polygonalCaps, kPolygonFlags},
    CapabilityList{"textCaps", "\r\n\r\n  Device's Text Capabilities: ", "", &P::textCaps, kTextFlags},
};

constexpr std::array<std::string_view, 7> kTechnologies{
    "Vector Plotter", "Raster Display", "Raster Printer", "Raster Camera", "Character stream", "Metafile",
    "Display file"};

}  // namespace

std::span<const CapabilityField> CapabilityFields() { return kFields; }

std::span<const CapabilityList> CapabilityLists() { return kLists; }

PrinterCapabilities ReadPrinterCapabilities(Surface& dc) {
  PrinterCapabilities caps;
  for (const CapabilityField& field : kFields) caps.*field.member = dc.GetDeviceCaps(field.index);
  return caps;
}

std::string_view TechnologyName(int technology) {
  if (technology < 0 || technology >= static_cast<int>(kTechnologies.size())) return {};
  return kTechnologies[static_cast<std::size_t>(technology)];
}

}  // namespace veltrim
