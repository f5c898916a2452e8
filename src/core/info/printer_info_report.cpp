#include "core/info/printer_info_report.hpp"

#include <array>

#include "core/support/format_message.hpp"
#include "core/support/number_text.hpp"

namespace veltrim {
namespace {

using P = PrinterCapabilities;

struct ValueLine {
  std::string_view label;
  int P::*member;
};

// Technology (row 2) and clipping (row 18) are written as words.
constexpr std::array kValueLines{
    ValueLine{"\r\n  Driver Version: ", &P::driverVersion},
    ValueLine{"\r\n  Device Technology: ", &P::technology},
    ValueLine{"\r\n  Printable Area's Width [mm]: ", &P::horzSize},
    ValueLine{"\r\n  Printable Area's Height [mm]: ", &P::vertSize},
    ValueLine{"\r\n  Printable Area's Width [pixels]: ", &P::horzRes},
    ValueLine{"\r\n  Printable Area's Height [pixels]: ", &P::vertRes},
    ValueLine{"\r\n  X Axis Resolution [pixels/inch]: ", &P::logPixelsX},
    ValueLine{"\r\n  Y Axis Resolution [pixels/inch]: ", &P::logPixelsY},
    ValueLine{"\r\n  Colour Depth [bits per pixel]: ", &P::bitsPixel},
    ValueLine{"\r\n  Number of Colour Planes: ", &P::planes},
    ValueLine{"\r\n  Number of Device-Specific Brushes: ", &P::numBrushes},
    ValueLine{"\r\n  Number of Device-Specific Pens: ", &P::numPens},
    ValueLine{"\r\n  Number of Device-Specific Fonts: ", &P::numFonts},
    ValueLine{"\r\n  Number of Entries in Device's Colour Table: ", &P::numColors},
    ValueLine{"\r\n  Relative Width of a Device Pixel Used for Line Drawing: ", &P::aspectX},
    ValueLine{"\r\n  Relative Height of a Device Pixel Used for Line Drawing: ", &P::aspectY},
    ValueLine{"\r\n  Diagonal Width of the Device Pixel Used for Line Drawing: ", &P::aspectXY},
    ValueLine{"\r\n  Clipping Capabilities: ", &P::clipCaps},
    ValueLine{"\r\n  Number of Entries in the System Palette: ", &P::sizePalette},
    ValueLine{"\r\n  Actual Colour Resolution [bits per pixel]: ", &P::colorRes},
    ValueLine{"\r\n  Width of the Physical Page [device units]: ", &P::physicalWidth},
    ValueLine{"\r\n  Height of the Physical Page [device units]: ", &P::physicalHeight},
    ValueLine{"\r\n  Page's Left Margin (unprintable area) [device units]: ", &P::physicalOffsetX},
    ValueLine{"\r\n  Page's Top Margin (unprintable area) [device units]: ", &P::physicalOffsetY},
};

constexpr std::array<std::string_view, 41> kPaperNames{
    "Letter, 8 1/2- by 11-inches\t",
    "Letter Small, 8 1/2- by 11-inches\t",
    "Tabloid, 11- by 17-inches\t",
    "Ledger, 17- by 11-inches\t",
    "Legal, 8 1/2- by 14-inches\t",
    "Statement, 5 1/2- by 8 1/2-inches\t",
    "Executive, 7 1/4- by 10 1/2-inches\t",
    "A3 sheet, 297- by 420-millimeters\t",
    "A4 Sheet, 210- by 297-millimeters\t",
    "A4 small sheet, 210- by 297-millimeters\t",
    "A5 sheet, 148- by 210-millimeters\t",
    "B4 sheet, 250- by 354-millimeters\t",
    "B5 sheet, 182- by 257-millimeter paper\t",
    "Folio, 8 1/2- by 13-inch paper\t",
    "Quarto, 215- by 275-millimeter paper\t",
    "10- by 14-inch sheet\t",
    "11- by 17-inch sheet\t",
    "Note, 8 1/2- by 11-inches\t",
    "#9 Envelope, 3 7/8- by 8 7/8-inches\t",
    "#10 Envelope, 4 1/8- by 9 1/2-inches\t",
    "#11 Envelope, 4 1/2- by 10 3/8-inches\t",
    "#12 Envelope, 4 3/4- by 11-inches\t",
    "#14 Envelope, 5- by 11 1/2-inches\t",
    "C Sheet, 17- by 22-inches\t",
    "D Sheet, 22- by 34-inches\t",
    "E Sheet, 34- by 44-inches\t",
    "DL Envelope, 110- by 220-millimeters\t",
    "C5 Envelope, 162- by 229-millimeters\t",
    "C3 Envelope,  324- by 458-millimeters\t",
    "C4 Envelope,  229- by 324-millimeters\t",
    "C6 Envelope,  114- by 162-millimeters\t",
    "C65 Envelope, 114- by 229-millimeters\t",
    "B4 Envelope,  250- by 353-millimeters\t",
    "B5 Envelope,  176- by 250-millimeters\t",
    "B6 Envelope,  176- by 125-millimeters\t",
    "Italy Envelope, 110- by 230-millimeters\t",
    "Monarch Envelope, 3 7/8- by 7 1/2-inches\t",
    "6 3/4 Envelope, 3 5/8- by 6 1/2-inches\t",
    "US Std Fanfold, 14 7/8- by 11-inches\t",
    "German Std Fanfold, 8 1/2- by 12-inches\t",
    "German Legal Fanfold, 8 1/2- by 13-inches\t",
};

constexpr std::string_view kUnspecified = "Unspecified";
constexpr std::string_view kSizeNote =
    " (please note that this may override the dimensions found at \"Paper Size\")";

void AppendList(DynString& report, const CapabilityList& list, int value) {
  report.Append(list.heading);
  report.Append(list.noSupportLine);
  const auto bits = static_cast<std::uint32_t>(value);
  for (const CapabilityFlag& flag : list.flags) {
    const bool set = (bits & flag.bit) != 0;
    const bool reserved = flag.name == "TC_RESERVED";
    report.Append("\r\n    - ").Append(flag.text).Append(": ");
    report.Append(reserved ? (set ? "non-zero" : "zero") : (set ? "yes" : "no"));
  }
}

std::string PrintQualityText(int quality) {
  switch (quality) {
    case -1: return "Draft";
    case -2: return "Low";
    case -3: return "Medium";
    case -4: return "High";
    default: return quality > 0 ? IntToText(quality) + " DPI" : std::string();
  }
}

std::string_view ColorText(int color) {
  switch (color) {
    case 1: return "Monochrome Document";
    case 2: return "Colour Document";
    default: return kUnspecified;
  }
}

std::string_view DuplexText(int duplex) {
  switch (duplex) {
    case 1: return "Simplex (duplex disabled or no duplex available)";
    case 2: return "Duplex Activated (vertical mode)";
    case 3: return "Duplex Activated (horizontal mode)";
    default: return kUnspecified;
  }
}

std::string_view TrueTypeText(int option) {
  switch (option) {
    case 1: return "prints TrueType fonts as graphics; this is the default action for dot-matrix printers";
    case 2:
      return "downloads TrueType fonts as soft fonts; this is the default action for Hewlett-Packard printers that "
             "use Printer Control Language (PCL)";
    case 3:
      return "substitute device fonts for TrueType fonts; this is the default action for PostScript printers";
    default: return kUnspecified;
  }
}

std::string_view CollateText(int collate) {
  switch (collate) {
    case 0: return "disabled";
    case 1: return "activated";
    default: return kUnspecified;
  }
}

std::string_view IcmMethodText(std::uint32_t method) {
  switch (method) {
    case 1: return "disabled";
    case 2: return "by Windows";
    case 3: return "by device driver";
    case 4: return "by destination device";
    default: return kUnspecified;
  }
}

std::string_view IcmIntentText(std::uint32_t intent) {
  switch (intent) {
    case 1:
      return "color matching should optimize for color saturation; this value is the most appropriate choice for "
             "business graphs when dithering is not desired";
    case 2:
      return "color matching should optimize for color contrast; this value is the most appropriate choice for "
             "scanned or photographic images when dithering is desired";
    case 3:
      return "color matching should optimize to match the exact color requested; this value is most appropriate "
             "for use with business logos or other images when an exact color match is desired";
    default: return kUnspecified;
  }
}

std::string_view MediaTypeText(std::uint32_t mediaType) {
  switch (mediaType) {
    case 1: return "plain paper";
    case 2: return "transparent film";
    case 3: return "glossy paper";
    default: return "other non-standard media types";
  }
}

std::string_view DitherText(std::uint32_t ditherType) {
  switch (ditherType) {
    case 1: return "no dithering";
    case 2: return "dithering with a coarse brush";
    case 3: return "dithering with a fine brush";
    case 4:
      return "line art dithering, a special dithering method that produces well defined borders between black, "
             "white, and gray scalings. It is not suitable for images that include continuous graduations in "
             "intensisty and hue such as scanned photographs";
    case 10: return "device does grayscaling";
    default: return "Unspecified or driver-defined dithering";
  }
}

}  // namespace

std::string_view PaperName(unsigned paperSize) {
  if (paperSize < 1 || paperSize > kPaperNames.size()) return {};
  return kPaperNames[paperSize - 1];
}

void AppendCapabilitySection(DynString& report, std::string_view printerName, std::string_view printerPort,
                             const PrinterCapabilities& caps) {
  report.Append("\r\nPrinter: ").Append(printerName).Append("\r\nPort Used: ").Append(printerPort);
  report.Append("\r\n\r\n[ DEVICE CAPABILITIES INFORMATIONS ]\r\n");
  for (const ValueLine& line : kValueLines) {
    const int value = caps.*line.member;
    report.Append(line.label);
    if (line.member == &P::technology)
      report.Append(TechnologyName(value));
    else if (line.member == &P::clipCaps)
      report.Append(value == 1 ? "true" : "false");
    else
      report.AppendNumber(value);
  }
  for (const CapabilityList& list : CapabilityLists()) AppendList(report, list, caps.*list.member);
}

void AppendDeviceModeSection(DynString& report, const DeviceMode& mode) {
  report.Append("\r\n\r\n\r\n[ DEVICE MODE INFORMATIONS ]\r\n\r\n  Device Name: ").Append(mode.dmDeviceName);
  report.Append("\r\n  Initialisation Data Specification Version: ").AppendNumber(mode.dmSpecVersion);
  report.Append("\r\n  Driver Version: ").AppendNumber(mode.dmDriverVersion);
  report.Append("\r\n  Hex Code of Bit Flags of Initialized Property Fields: ")
      .Append(FormatMessageText("?D", mode.dmFields).View());

  const std::uint32_t fields = mode.dmFields;
  const auto line = [&](std::uint32_t bit, bool condition, std::string_view label, std::string_view value) {
    if ((fields & bit) != 0 && condition) report.Append(label).Append(value);
  };
  line(kDmOrientation, true, "\r\n  Paper Orientation: ", mode.dmOrientation == 1 ? "Portrait" : "Landscape");
  line(kDmPaperSize, mode.dmPaperSize != 0, "\r\n  Paper Size (as predefined type): ", PaperName(mode.dmPaperSize));
  line(kDmPaperLength, mode.dmPaperLength > 0, "\r\n  Paper Length [tenths of a millimeter]: ",
       IntToText(mode.dmPaperLength) + std::string(kSizeNote));
  line(kDmPaperWidth, mode.dmPaperWidth > 0, "\r\n  Paper Width [tenths of a millimeter]: ",
       IntToText(mode.dmPaperWidth) + std::string(kSizeNote));
  line(kDmScale, true, "\r\n  Scaling Factor: ", IntToText(mode.dmScale));
  line(kDmCopies, true, "\r\n  Desired Number of Copies: ", IntToText(mode.dmCopies));
  line(kDmPrintQuality, true, "\r\n  Print Quality: ", PrintQualityText(mode.dmPrintQuality));
  line(kDmColor, true, "\r\n  Document's Colour Type: ", ColorText(mode.dmColor));
  line(kDmDuplex, true, "\r\n  Document's Printing Mode: ", DuplexText(mode.dmDuplex));
  line(kDmYResolution, true, "\r\n  Y Axis Resolution [DPI]: ", IntToText(mode.dmYResolution));
  line(kDmTTOption, true, "\r\n  How TrueType Fonts Are Printed: ", TrueTypeText(mode.dmTTOption));
  line(kDmCollate, true, "\r\n  Document's Collation Mode: ", CollateText(mode.dmCollate));
  line(kDmICMMethod, true, "\r\n  Document's ICM Handling Mode: ", IcmMethodText(mode.dmICMMethod));
  line(kDmICMIntent, true, "\r\n  Document's ICM Colour Matching Method: ", IcmIntentText(mode.dmICMIntent));
  line(kDmMediaType, true, "\r\n  Media Type Used: ", MediaTypeText(mode.dmMediaType));
  line(kDmDitherType, true, "\r\n  Type of Dithering Used: ", DitherText(mode.dmDitherType));
}

void BuildPrinterInfoReport(DynString& report, const PrinterInfo& info) {
  report.Append(kPrinterInfoHeader);
  if (!info.capabilities) return;
  AppendCapabilitySection(report, info.printerName, info.printerPort, *info.capabilities);
  if (info.deviceMode)
    AppendDeviceModeSection(report, *info.deviceMode);
  else
    report.Append(kNoDeviceMode);
}

}  // namespace veltrim
