#include "info/printer_info_report.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "info/printer_info_json.hpp"

namespace veltrim {
namespace {

std::string CapabilitySection(const PrinterCapabilities& caps) {
  DynString report;
  AppendCapabilitySection(report, "P", "CUPS:P", caps);
  return std::string(report.View());
}

std::string DeviceModeSection(const DeviceMode& mode) {
  DynString report;
  AppendDeviceModeSection(report, mode);
  return std::string(report.View());
}

// The answers of one flag list ("yes", "no", ...), in its order.
std::vector<std::string> Answers(const std::string& report, const std::string& heading) {
  std::vector<std::string> answers;
  std::size_t at = report.find(heading);
  if (at == std::string::npos) return answers;
  const std::size_t end = report.find("\r\n\r\n", at + heading.size());
  while ((at = report.find("\r\n    - ", at + 1)) < end) {
    const std::size_t colon = report.find(": ", at);
    const std::size_t next = report.find("\r\n", colon);
    answers.push_back(report.substr(colon + 2, next - colon - 2));
  }
  return answers;
}

std::vector<std::string> Expand(const std::string& letters) {
  std::vector<std::string> answers;
  for (const char c : letters)
    answers.push_back(c == 'y' ? "yes" : c == 'n' ? "no" : c == 'Z' ? "non-zero" : "zero");
  return answers;
}

TEST(PrinterInfoReport, ValueLinesKeepSignsAndNameTechnologyAndClipping) {
  PrinterCapabilities caps;
  caps.driverVersion = 1;
  caps.technology = 7;  // no name
  caps.numBrushes = -1;
  caps.clipCaps = 2;
  caps.physicalOffsetY = 50;
  const std::string text = CapabilitySection(caps);
  EXPECT_TRUE(text.starts_with(
      "\r\nPrinter: P\r\nPort Used: CUPS:P\r\n\r\n[ DEVICE CAPABILITIES INFORMATIONS ]\r\n"
      "\r\n  Driver Version: 1\r\n  Device Technology: \r\n  Printable Area's Width [mm]: 0\r\n"))
      << text;
  EXPECT_NE(text.find("\r\n  Number of Device-Specific Brushes: -1\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\n  Clipping Capabilities: false\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\n  Page's Top Margin (unprintable area) [device units]: 50\r\n\r\n  Device's Raster"),
            std::string::npos);

  caps.clipCaps = 1;
  EXPECT_NE(CapabilitySection(caps).find("Clipping Capabilities: true\r\n"), std::string::npos);
  const char* names[] = {"Vector Plotter",   "Raster Display", "Raster Printer", "Raster Camera",
                         "Character stream", "Metafile",       "Display file"};
  for (int technology = 0; technology < 7; ++technology) {
    caps.technology = technology;
    EXPECT_NE(CapabilitySection(caps).find(std::string("Device Technology: ") + names[technology] + "\r\n"),
              std::string::npos);
  }
  caps.technology = -1;
  EXPECT_NE(CapabilitySection(caps).find("Device Technology: \r\n"), std::string::npos);
}

TEST(PrinterInfoReport, CapabilityListsClearSetAndMixed) {
  struct Case {
    const char* heading;
    int PrinterCapabilities::*member;
    int mixed;
    const char* clear;
    const char* set;
    const char* mixedAnswers;
  };
  const Case cases[] = {
      {"Raster", &PrinterCapabilities::rasterCaps, 0x2E99, "nnnnnnnnnnn", "yyyyyyyyyyy", "nyyyynynnyy"},
      // The curve, line and polygon lists open with a fixed "no".
      {"Curve", &PrinterCapabilities::curveCaps, 0x0105, "nnnnnnnnnn", "nyyyyyyyyy", "nynynnnnny"},
      {"Line", &PrinterCapabilities::lineCaps, 0x0046, "nnnnnnnn", "nyyyyyyy", "nyynnnyn"},
      {"Polygon", &PrinterCapabilities::polygonalCaps, 0x0089, "nnnnnnnnn", "nyyyyyyyy", "nynnynnny"},
      {"Text", &PrinterCapabilities::textCaps, 0x18001, "nnnnnnnnnnnnnnnzn", "yyyyyyyyyyyyyyyZy",
       "ynnnnnnnnnnnnnnZy"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.heading);
    const std::string heading = std::string("\r\n\r\n  Device's ") + c.heading + " Capabilities: ";
    PrinterCapabilities caps;
    EXPECT_EQ(Answers(CapabilitySection(caps), heading), Expand(c.clear));
    caps.*c.member = -1;
    EXPECT_EQ(Answers(CapabilitySection(caps), heading), Expand(c.set));
    caps.*c.member = c.mixed;
    EXPECT_EQ(Answers(CapabilitySection(caps), heading), Expand(c.mixedAnswers));
  }
  EXPECT_NE(CapabilitySection({}).find(
                "\r\n\r\n  Device's Curve Capabilities: \r\n    - Device does not support curves: no"
                "\r\n    - Device can draw circles: no\r\n    - Device can draw pie wedges: no"),
            std::string::npos);
  const std::string text = CapabilitySection({});
  EXPECT_TRUE(text.ends_with(
            "\r\n    - Device cannot scroll using a bit-block transfer. Note that this meaning may be the "
            "opposite of what you expect: no"));
}

TEST(DeviceModeReport, NoFieldsGivesTheFourUnconditionalLines) {
  DeviceMode mode;
  mode.dmDeviceName = "Q";
  mode.dmSpecVersion = 0x401;
  mode.dmDriverVersion = 65535;
  // Every value set, yet no bit says it was initialised.
  mode.dmOrientation = mode.dmScale = mode.dmCopies = mode.dmColor = 1;
  mode.dmPaperSize = 9;
  EXPECT_EQ(DeviceModeSection(mode),
            "\r\n\r\n\r\n[ DEVICE MODE INFORMATIONS ]\r\n\r\n  Device Name: Q"
            "\r\n  Initialisation Data Version: 1025\r\n  Driver Version: 65535"
            "\r\n  Hex Code of Bit Flags of Initialized Property Fields: 0x00000000");
}

// The text after the four unconditional lines.
std::string Lines(const DeviceMode& mode) {
  const std::string text = DeviceModeSection(mode);
  return text.substr(text.find("Fields: ") + 18);
}

TEST(DeviceModeReport, ConditionalLinesFollowTheirBitsAndConditions) {
  DeviceMode all;
  all.dmFields = 0xFFFFFFFF;
  all.dmOrientation = 1;
  all.dmPaperSize = 1;
  all.dmPaperLength = 2794;
  all.dmPaperWidth = 2159;
  all.dmScale = 100;
  all.dmCopies = 1;
  all.dmPrintQuality = 300;
  all.dmColor = 2;
  all.dmDuplex = 1;
  all.dmYResolution = 300;
  all.dmTTOption = 3;
  all.dmCollate = 0;
  all.dmICMMethod = 2;
  all.dmICMIntent = 9;
  all.dmMediaType = 1;
  all.dmDitherType = 0;
  const std::string note = " (please note that this may override the dimensions found at \"Paper Size\")";
  EXPECT_EQ(Lines(all),
            "\r\n  Paper Orientation: Portrait"
            "\r\n  Paper Size (as predefined type): Letter, 8 1/2- by 11-inches\t"
            "\r\n  Paper Length [tenths of a millimeter]: 2794" + note +
            "\r\n  Paper Width [tenths of a millimeter]: 2159" + note +
            "\r\n  Scaling Factor: 100\r\n  Desired Number of Copies: 1\r\n  Print Quality: 300 DPI"
            "\r\n  Document's Colour Type: Colour Document"
            "\r\n  Document's Printing Mode: Simplex (duplex disabled or no duplex available)"
            "\r\n  Y Axis Resolution [DPI]: 300"
            "\r\n  How TrueType Fonts Are Printed: substitute device fonts for TrueType fonts; this is the default "
            "action for PostScript printers"
            "\r\n  Document's Collation Mode: disabled\r\n  Document's ICM Handling Mode: by Windows"
            "\r\n  Document's ICM Colour Matching Method: Unspecified\r\n  Media Type Used: plain paper"
            "\r\n  Type of Dithering Used: Unspecified or driver-defined dithering");

  // Each bit alone writes its line alone, with its field's code in words; a
  // size, length or width that is not there writes nothing, an unknown size
  // or quality the label alone.
  struct Case {
    std::uint32_t bit;
    int value;  // of the field the bit stands for
    const char* text;
  };
  const Case cases[] = {
      {kDmOrientation, 2, "Paper Orientation: Landscape"},
      {kDmOrientation, 0, "Paper Orientation: Landscape"},
      {kDmPaperSize, 0, nullptr},
      {kDmPaperSize, 42, "Paper Size (as predefined type): "},
      {kDmPaperSize, 41, "Paper Size (as predefined type): German Legal Fanfold, 8 1/2- by 13-inches\t"},
      {kDmPaperSize, 29, "Paper Size (as predefined type): C3 Envelope,  324- by 458-millimeters\t"},
      {kDmPaperSize, 13, "Paper Size (as predefined type): B5 sheet, 182- by 257-millimeter paper\t"},
      {kDmPaperLength, 0, nullptr},
      {kDmPaperWidth, -5, nullptr},
      {kDmPrintQuality, 600, "Print Quality: 600 DPI"},
      {kDmPrintQuality, -1, "Print Quality: Draft"},
      {kDmPrintQuality, -2, "Print Quality: Low"},
      {kDmPrintQuality, -3, "Print Quality: Medium"},
      {kDmPrintQuality, -4, "Print Quality: High"},
      {kDmPrintQuality, -5, "Print Quality: "},
      {kDmPrintQuality, 0, "Print Quality: "},
      {kDmColor, 1, "Document's Colour Type: Monochrome Document"},
      {kDmColor, 3, "Document's Colour Type: Unspecified"},
      {kDmDuplex, 2, "Document's Printing Mode: Duplex Activated (vertical mode)"},
      {kDmDuplex, 3, "Document's Printing Mode: Duplex Activated (horizontal mode)"},
      {kDmDuplex, 0, "Document's Printing Mode: Unspecified"},
      {kDmTTOption, 1, "How TrueType Fonts Are Printed: prints TrueType fonts as graphics; this is the default "
                       "action for dot-matrix printers"},
      {kDmTTOption, 2, "How TrueType Fonts Are Printed: downloads TrueType fonts as soft fonts; this is the default "
                       "action for Hewlett-Packard printers that use Printer Control Language (PCL)"},
      {kDmTTOption, 4, "How TrueType Fonts Are Printed: Unspecified"},
      {kDmCollate, 1, "Document's Collation Mode: activated"},
      {kDmCollate, 2, "Document's Collation Mode: Unspecified"},
      {kDmICMMethod, 1, "Document's ICM Handling Mode: disabled"},
      {kDmICMMethod, 3, "Document's ICM Handling Mode: by device driver"},
      {kDmICMMethod, 4, "Document's ICM Handling Mode: by destination device"},
      {kDmICMMethod, 0, "Document's ICM Handling Mode: Unspecified"},
      {kDmICMIntent, 1, "Document's ICM Colour Matching Method: color matching should optimize for color "
                        "saturation; this value is the most appropriate choice for business graphs when dithering "
                        "is not desired"},
      {kDmICMIntent, 2, "Document's ICM Colour Matching Method: color matching should optimize for color contrast; "
                        "this value is the most appropriate choice for scanned or photographic images when "
                        "dithering is desired"},
      {kDmICMIntent, 3, "Document's ICM Colour Matching Method: color matching should optimize to match the exact "
                        "color requested; this value is most appropriate for use with business logos or other "
                        "images when an exact color match is desired"},
      {kDmMediaType, 2, "Media Type Used: transparent film"},
      {kDmMediaType, 3, "Media Type Used: glossy paper"},
      {kDmMediaType, 256, "Media Type Used: other non-standard media types"},
      {kDmDitherType, 1, "Type of Dithering Used: no dithering"},
      {kDmDitherType, 2, "Type of Dithering Used: dithering with a coarse brush"},
      {kDmDitherType, 3, "Type of Dithering Used: dithering with a fine brush"},
      {kDmDitherType, 4, "Type of Dithering Used: line art dithering, a special dithering method that produces well "
                         "defined borders between black, white, and gray scalings. It is not suitable for images "
                         "that include continuous graduations in intensisty and hue such as scanned photographs"},
      {kDmDitherType, 10, "Type of Dithering Used: device does grayscaling"},
      {kDmDitherType, 5, "Type of Dithering Used: Unspecified or driver-defined dithering"},
      {kDmDitherType, 9, "Type of Dithering Used: Unspecified or driver-defined dithering"},
      {kDmDitherType, 256, "Type of Dithering Used: Unspecified or driver-defined dithering"},
  };
  for (const Case& c : cases) {
    DeviceMode mode = all;
    mode.dmFields = c.bit;
    switch (c.bit) {
      case kDmOrientation: mode.dmOrientation = static_cast<std::int16_t>(c.value); break;
      case kDmPaperSize: mode.dmPaperSize = static_cast<std::uint16_t>(c.value); break;
      case kDmPaperLength: mode.dmPaperLength = static_cast<std::int16_t>(c.value); break;
      case kDmPaperWidth: mode.dmPaperWidth = static_cast<std::int16_t>(c.value); break;
      case kDmPrintQuality: mode.dmPrintQuality = static_cast<std::int16_t>(c.value); break;
      case kDmColor: mode.dmColor = static_cast<std::int16_t>(c.value); break;
      case kDmDuplex: mode.dmDuplex = static_cast<std::int16_t>(c.value); break;
      case kDmTTOption: mode.dmTTOption = static_cast<std::int16_t>(c.value); break;
      case kDmCollate: mode.dmCollate = static_cast<std::int16_t>(c.value); break;
      case kDmICMMethod: mode.dmICMMethod = static_cast<std::uint32_t>(c.value); break;
      case kDmICMIntent: mode.dmICMIntent = static_cast<std::uint32_t>(c.value); break;
      case kDmMediaType: mode.dmMediaType = static_cast<std::uint32_t>(c.value); break;
      default: mode.dmDitherType = static_cast<std::uint32_t>(c.value); break;
    }
    EXPECT_EQ(Lines(mode), c.text ? std::string("\r\n  ") + c.text : "") << std::hex << c.bit << " " << c.value;
  }
}

TEST(PrinterInfoReport, WholeReportAndItsGrowthPastOneBlock) {
  PrinterInfo info;
  DynString headerOnly;
  BuildPrinterInfoReport(headerOnly, info);
  EXPECT_EQ(headerOnly.View(), "QORVEL Veltrim v2 Generated Informations\r\n") << "no device context: no lines";

  info.printerName = std::string(30000, 'n');  // a name as long as the name buffer holds
  info.printerPort = "CUPS:q";
  info.capabilities = PrinterCapabilities{};
  DynString report;
  BuildPrinterInfoReport(report, info);
  const std::string text(report.View());
  EXPECT_GT(report.Length(), DynString::kGrowthQuantum);
  EXPECT_EQ(report.Capacity(), 2 * DynString::kGrowthQuantum);
  EXPECT_NE(text.find(info.printerName + "\r\nPort Used: CUPS:q"), std::string::npos) << "nothing is cut";
  EXPECT_TRUE(text.ends_with("you expect: no\r\n\r\npd.hDevMode == NULL\r\n\r\n"));

  info.deviceMode = DeviceMode{};
  DynString withMode;
  BuildPrinterInfoReport(withMode, info);
  EXPECT_TRUE(withMode.View().ends_with("you expect: no\r\n\r\n\r\n[ DEVICE MODE INFORMATIONS ]\r\n\r\n  Device Name: "
                                        "\r\n  Initialisation Data Version: 0\r\n  Driver Version: 0"
                                        "\r\n  Hex Code of Bit Flags of Initialized Property Fields: 0x00000000"));
}

TEST(DeviceModeSettings, OnlyKnownValuesBecomeFields) {
  EXPECT_EQ(PaperSizeCode(2794, 4318), 3) << "Tabloid";
  EXPECT_EQ(PaperSizeCode(4318, 2794), 4) << "Ledger";
  EXPECT_EQ(PaperSizeCode(2000, 2000), 0);

  PrinterSettings settings;
  settings.name = std::string(40, 'q');
  EXPECT_EQ(DeviceModeFromSettings(settings).dmFields, 0u);
  EXPECT_EQ(DeviceModeFromSettings(settings).dmDeviceName.size(), 31u) << "room for the terminating zero";

  settings.paperWidth = 2100;
  settings.paperLength = 2970;
  settings.dpiY = 300;
  settings.quality = -1;
  const DeviceMode mode = DeviceModeFromSettings(settings);
  EXPECT_EQ(mode.dmFields, kDmPaperSize | kDmPaperLength | kDmPaperWidth | kDmPrintQuality | kDmYResolution);
  EXPECT_EQ(mode.dmPaperSize, 9);
  EXPECT_EQ(mode.dmPrintQuality, -1);
  settings.dpiX = 600;
  EXPECT_EQ(DeviceModeFromSettings(settings).dmPrintQuality, 600) << "a resolution says more than a quality";
}

TEST(PrinterInfoJson, FactsByNameAndOnlyThoseAnswered) {
  PrinterInfo info;
  info.printerName = "q\"\\\t\xE9";
  info.printerPort = "CUPS:q";
  EXPECT_EQ(PrinterInfoJson(info), "{\"printer\":\"q\\\"\\\\\\u0009\\u00e9\",\"port\":\"CUPS:q\"}\n");

  PrinterCapabilities caps;
  caps.technology = 2;
  caps.clipCaps = 1;
  caps.curveCaps = 0x0101;
  caps.textCaps = 0x8000;
  info.capabilities = caps;
  DeviceMode mode;
  mode.dmFields = kDmPaperSize | kDmCopies;
  mode.dmPaperSize = 1;
  mode.dmCopies = 2;
  mode.dmScale = 100;  // its bit is clear
  info.deviceMode = mode;
  const std::string json = PrinterInfoJson(info);
  for (const char* part :
       {"\"technology\":2,", "\"technologyName\":\"Raster Printer\"", "\"clipping\":true",
        "\"curveCapsFlags\":{\"CC_CIRCLES\":true,\"CC_PIE\":false,", "\"CC_ROUNDRECT\":true}",
        "\"TC_RESERVED\":true", "\"deviceMode\":{\"deviceName\":\"\",\"specVersion\":0,\"driverVersion\":0,"
                                 "\"fields\":258,\"paperSize\":1,\"paperName\":\"Letter, 8 1/2- by 11-inches\","
                                 "\"copies\":2}}\n"})
    EXPECT_NE(json.find(part), std::string::npos) << part << "\n" << json;
  EXPECT_EQ(json.find("scale"), std::string::npos);
}

}  // namespace
}  // namespace veltrim
