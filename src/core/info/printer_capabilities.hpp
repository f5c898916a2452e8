#pragma once
// What a printer's device context answers to GetDeviceCaps, as plain numbers,
// and the five flag lists the information report spells out.

#include <cstdint>
#include <span>
#include <string_view>

#include "core/platform/surface.hpp"

namespace veltrim {

struct PrinterCapabilities {
  int driverVersion = 0;
  int technology = 0;
  int horzSize = 0;
  int vertSize = 0;
  int horzRes = 0;
  int vertRes = 0;
  int logPixelsX = 0;
  int logPixelsY = 0;
  int bitsPixel = 0;
  int planes = 0;
  int numBrushes = 0;
  int numPens = 0;
  int numFonts = 0;
  int numColors = 0;
  int aspectX = 0;
  int aspectY = 0;
  int aspectXY = 0;
  int clipCaps = 0;
  int sizePalette = 0;
  int colorRes = 0;
  int physicalWidth = 0;
  int physicalHeight = 0;
  int physicalOffsetX = 0;
  int physicalOffsetY = 0;
  int rasterCaps = 0;
  int curveCaps = 0;
  int lineCaps = 0;
  int polygonalCaps = 0;
  int textCaps = 0;
};

// One number of the record: its GetDeviceCaps index, its key in the JSON
// form and its member.
struct CapabilityField {
  DeviceCap index;
  std::string_view key;
  int PrinterCapabilities::*member;
};
std::span<const CapabilityField> CapabilityFields();

// Every field of the record, asked of `dc` once each.
PrinterCapabilities ReadPrinterCapabilities(Surface& dc);

// The name of a TECHNOLOGY value; empty for a value without one.
std::string_view TechnologyName(int technology);

// One flag of a list: its bit, its platform name and the report's text.
struct CapabilityFlag {
  std::uint32_t bit;
  std::string_view name;
  std::string_view text;
};

// A list of flags read from one capability value, in the report's order.
// `noSupportLine` is the fixed first line of the curve, line and polygon
// lists; a "Reserved" flag answers "non-zero"/"zero" instead of yes/no.
struct CapabilityList {
  std::string_view key;       // the JSON key
  std::string_view heading;
  std::string_view noSupportLine;
  int PrinterCapabilities::*member;
  std::span<const CapabilityFlag> flags;
};
std::span<const CapabilityList> CapabilityLists();

}  // namespace veltrim
