// The printer information report word for word, its JSON form, and the device mode made from a CUPS queue's settings.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/info/printer_info_json.hpp"
#include "core/info/printer_info_report.hpp"

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

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// The answers of the flag list under `heading`, one letter each: y(es), n(o), Z (non-zero), z(ero).
std::string Answers(const std::string& report, const std::string& heading) {
  std::string answers;
  std::size_t at = report.find(heading);
  const std::size_t end = report.find("\r\n\r\n", at + heading.size());
  while ((at = report.find("\r\n    - ", at + 1)) < end) {
    const std::string answer = report.substr(report.find(": ", at) + 2, 3);
    answers += answer == "yes" ? 'y' : answer == "non" ? 'Z' : answer.starts_with("no") ? 'n' : 'z';
  }
  return answers;
}

TEST(PrinterInfoReport, ValueLinesKeepSignsAndNameTechnologyAndClipping) {
  PrinterCapabilities caps{.driverVersion = 1, .technology = 7, .numBrushes = -1, .clipCaps = 2, .physicalOffsetY = 50};
  const std::string text = CapabilitySection(caps);
  EXPECT_TRUE(text.starts_with("\r\nPrinter: P\r\nPort Used: CUPS:P\r\n\r\n[ DEVICE CAPABILITIES INFORMATIONS ]"
                               "\r\n\r\n  Driver Version: 1\r\n  Device Technology: \r\n  Printable Area's Width [mm]: "
                               "0\r\n")) << text;
  for (const char* part : {"\r\n  Number of Device-Specific Brushes: -1\r\n", "\r\n  Clipping Capabilities: false\r\n",
                           "\r\n  Page's Top Margin (unprintable area) [device units]: 50\r\n\r\n  Device's Raster"})
    EXPECT_TRUE(Has(text, part)) << part;
  caps.clipCaps = 1;
  EXPECT_TRUE(Has(CapabilitySection(caps), "Clipping Capabilities: true\r\n"));
  const char* names[] = {"", "Vector Plotter", "Raster Display", "Raster Printer", "Raster Camera",
                         "Character stream", "Metafile", "Display file"};  // -1 to 6
  for (caps.technology = -1; caps.technology < 7; ++caps.technology)
    EXPECT_TRUE(Has(CapabilitySection(caps), std::string("Device Technology: ") + names[caps.technology + 1] + "\r\n"));
}

TEST(PrinterInfoReport, CapabilityListsClearSetAndMixed) {
  // The answers with every bit set and with the bits of `mixed`.
  struct Case { const char* heading; int PrinterCapabilities::*member; int mixed; const char *every, *some; };
  const Case cases[] = {
      {"Raster", &PrinterCapabilities::rasterCaps, 0x2E99, "yyyyyyyyyyy", "nyyyynynnyy"},
      // The curve, line and polygon lists open with a fixed "no".
      {"Curve", &PrinterCapabilities::curveCaps, 0x0105, "nyyyyyyyyy", "nynynnnnny"},
      {"Line", &PrinterCapabilities::lineCaps, 0x0046, "nyyyyyyy", "nyynnnyn"},
      {"Polygon", &PrinterCapabilities::polygonalCaps, 0x0089, "nyyyyyyyy", "nynnynnny"},
      {"Text", &PrinterCapabilities::textCaps, 0x18001, "yyyyyyyyyyyyyyyZy", "ynnnnnnnnnnnnnnZy"},
  };
  for (const Case& c : cases) {
    const std::string heading = std::string("\r\n\r\n  Device's ") + c.heading + " Capabilities: ";
    PrinterCapabilities caps;
    caps.*c.member = -1;
    EXPECT_EQ(Answers(CapabilitySection(caps), heading), c.every) << c.heading;
    caps.*c.member = c.mixed;
    EXPECT_EQ(Answers(CapabilitySection(caps), heading), c.some) << c.heading;
  }
  const std::string text = CapabilitySection({});
  EXPECT_EQ(Answers(text, "\r\n\r\n  Device's Text Capabilities: "), "nnnnnnnnnnnnnnnzn");
  EXPECT_TRUE(Has(text, "\r\n\r\n  Device's Curve Capabilities: \r\n    - Device does not support curves: no"
                        "\r\n    - Device can draw circles: no\r\n    - Device can draw pie wedges: no"));
  EXPECT_TRUE(text.ends_with("\r\n    - Device cannot scroll using a bit-block transfer. Note that this meaning may "
                             "be the opposite of what you expect: no"));
}

// A device mode with every field read as `value`; only the bits of `fields` say which were initialised.
DeviceMode WithEveryField(std::uint32_t fields, int value) {
  DeviceMode m;
  m.dmFields = fields;
  m.dmPaperSize = static_cast<std::uint16_t>(value);
  m.dmOrientation = m.dmPaperLength = m.dmPaperWidth = m.dmScale = m.dmCopies = m.dmPrintQuality = m.dmColor =
      m.dmDuplex = m.dmYResolution = m.dmTTOption = m.dmCollate = static_cast<std::int16_t>(value);
  m.dmICMMethod = m.dmICMIntent = m.dmMediaType = m.dmDitherType = static_cast<std::uint32_t>(value);
  return m;
}

TEST(DeviceModeReport, NoFieldsGivesTheFourUnconditionalLines) {
  DeviceMode mode = WithEveryField(0, 9);  // every value set, yet no bit says so
  mode.dmDeviceName = "Q";
  mode.dmSpecVersion = 0x401;
  mode.dmDriverVersion = 65535;
  EXPECT_EQ(DeviceModeSection(mode),  // the four unconditional lines
            "\r\n\r\n\r\n[ DEVICE MODE INFORMATIONS ]\r\n\r\n  Device Name: Q"
            "\r\n  Initialisation Data Specification Version: 1025\r\n  Driver Version: 65535"
            "\r\n  Hex Code of Bit Flags of Initialized Property Fields: 0x00000000");
}

// The text after the four unconditional lines.
std::string Lines(const DeviceMode& mode) { return DeviceModeSection(mode).substr(DeviceModeSection({}).size()); }

// Worked rows: the generic PostScript queue's values, a value out of each table, and the fields a zero or negative
// value leaves out. A size, length or width that is not there writes nothing, an unknown size or quality the label.
TEST(DeviceModeReport, EachBitWritesItsLineWithItsCodeInWords) {
  const std::string note = " (please note that this may override the dimensions found at \"Paper Size\")";
  struct Row { std::uint32_t bit; int value; std::string line; };
  const Row rows[] = {
      {kDmOrientation, 1, "Paper Orientation: Portrait"}, {kDmOrientation, 0, "Paper Orientation: Landscape"},
      {kDmPaperSize, 1, "Paper Size (as predefined type): Letter, 8 1/2- by 11-inches\t"},
      {kDmPaperSize, 0, ""}, {kDmPaperSize, 42, "Paper Size (as predefined type): "},
      {kDmPaperLength, 2794, "Paper Length [tenths of a millimeter]: 2794" + note}, {kDmPaperWidth, -5, ""},
      {kDmPrintQuality, 300, "Print Quality: 300 DPI"}, {kDmPrintQuality, -1, "Print Quality: Draft"},
      {kDmPrintQuality, -5, "Print Quality: "}, {kDmColor, 2, "Document's Colour Type: Colour Document"},
      {kDmDuplex, 1, "Document's Printing Mode: Simplex (duplex disabled or no duplex available)"},
      {kDmTTOption, 3, "How TrueType Fonts Are Printed: substitute device fonts for TrueType fonts; this is the "
                       "default action for PostScript printers"},
      {kDmCollate, 0, "Document's Collation Mode: disabled"}, {kDmCollate, 2, "Document's Collation Mode: Unspecified"},
      {kDmDitherType, 256, "Type of Dithering Used: Unspecified or driver-defined dithering"}};
  for (const Row& r : rows)
    EXPECT_EQ(Lines(WithEveryField(r.bit, r.value)), r.line.empty() ? "" : "\r\n  " + r.line) << r.bit << " " << r.value;
}

// Every bit set: a line for each of the sixteen fields, orientation first and dithering last.
TEST(DeviceModeReport, AllBitsGiveSixteenLinesInTheReportsOrder) {
  const std::string all = Lines(WithEveryField(0xFFFFFFFF, 1));
  EXPECT_EQ(std::count(all.begin(), all.end(), '\n'), 16) << all;
  EXPECT_TRUE(all.starts_with("\r\n  Paper Orientation: Portrait\r\n  Paper Size")) << all;
  EXPECT_TRUE(all.ends_with("\r\n  Type of Dithering Used: no dithering")) << all;
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
  EXPECT_TRUE(Has(std::string(report.View()), info.printerName + "\r\nPort Used: CUPS:q")) << "nothing is cut";
  EXPECT_TRUE(report.View().ends_with("you expect: no\r\n\r\npd.hDevMode == NULL\r\n\r\n"));

  info.deviceMode = DeviceMode{};
  DynString withMode;
  BuildPrinterInfoReport(withMode, info);
  EXPECT_TRUE(withMode.View().ends_with("you expect: no" + DeviceModeSection({})));
}

TEST(DeviceModeSettings, OnlyKnownValuesBecomeFields) {
  EXPECT_EQ(std::tuple(PaperSizeCode(2794, 4318), PaperSizeCode(4318, 2794), PaperSizeCode(2000, 2000)),
            std::tuple(3, 4, 0)) << "Tabloid, Ledger, none";
  PrinterSettings settings;
  settings.name = std::string(40, 'q');
  EXPECT_EQ(std::pair(DeviceModeFromSettings(settings).dmFields, DeviceModeFromSettings(settings).dmDeviceName.size()),
            std::pair(std::uint32_t{0}, std::size_t{31})) << "no field; room for the name's terminating zero";
  settings.paperWidth = 2100;
  settings.paperLength = 2970;
  settings.dpiY = 300;
  settings.quality = -1;
  const DeviceMode mode = DeviceModeFromSettings(settings);
  EXPECT_EQ(std::tuple(mode.dmFields, mode.dmPaperSize, mode.dmPrintQuality),
            std::tuple(kDmPaperSize | kDmPaperLength | kDmPaperWidth | kDmPrintQuality | kDmYResolution, 9, -1));
  settings.dpiX = 600;
  EXPECT_EQ(DeviceModeFromSettings(settings).dmPrintQuality, 600) << "a resolution says more than a quality";
}

TEST(PrinterInfoJson, FactsByNameAndOnlyThoseAnswered) {
  PrinterInfo info{"q\"\\\t\xE9", "CUPS:q", {}, {}};
  EXPECT_EQ(PrinterInfoJson(info), "{\"printer\":\"q\\\"\\\\\\u0009\\u00e9\",\"port\":\"CUPS:q\"}\n");
  info.capabilities = {{.technology = 2, .clipCaps = 1, .curveCaps = 0x0101, .textCaps = 0x8000}};
  info.deviceMode = WithEveryField(kDmPaperSize | kDmCopies, 1);  // not the scale, among others
  const std::string json = PrinterInfoJson(info);
  for (const char* part : {"\"technology\":2,", "\"technologyName\":\"Raster Printer\"", "\"clipping\":true",
                           "\"curveCapsFlags\":{\"CC_CIRCLES\":true,\"CC_PIE\":false,", "\"CC_ROUNDRECT\":true}",
                           "\"TC_RESERVED\":true", "\"deviceMode\":{\"deviceName\":\"\",\"specVersion\":0,"
                           "\"driverVersion\":0,\"fields\":258,\"paperSize\":1,\"paperName\":\"Letter, 8 1/2- by "
                           "11-inches\",\"copies\":1}}\n"})
    EXPECT_TRUE(Has(json, part)) << part << "\n" << json;
}

}  // namespace
}  // namespace veltrim
