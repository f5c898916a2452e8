// The information block: its 26 lines word for word, where they stand and
// how the machine's facts and the device's capabilities read.
#include "patterns/info_block.hpp"

#include <gtest/gtest.h>

#include "pattern_page.hpp"

namespace veltrim::test {
namespace {

// Unequal resolutions, so a line showing the wrong index stands out.
RecordingDevice InfoDevice() {
  return RecordingDevice::Printer(600, 1200, 4800, 13628, 203, 288, 80, 100)
      .With(DeviceCap::SizePalette, 256)
      .With(DeviceCap::ColorRes, 24);
}

TEST(InfoBlock, TwentySixExactLinesOneLineHeightApart) {
  Page page(InfoDevice());
  const int lineHeight = page.geometry.lineHeight;
  EXPECT_EQ(page.Run(DrawInfoBlock, 230), 230 + 26 * lineHeight);
  EXPECT_EQ(page.TextsOf(), (std::vector<std::string>{
      "QORVEL Veltrim Program - version 2 - www.qorvel.com    ",
      "Current Date And Time: [5] 5/3/2010  9:7:3 (45)     ",
      "Printer Name (Port Used): Queue 7 (CUPS:Queue 7)     ",
      "Computer Name/User Name: BENCH-PC / tester     ",
      "Device Capabilities:     ",
      "|_Device driver version: 1024     ",
      "|_Device technology: Raster printer     ",
      "|_Width, in millimeters, of the physical area: 203     ",
      "|_Height, in millimeters, of the physical area: 288     ",
      "|_Width, in pixels, of the area: 4800     ",
      "|_Height, in pixels, of the area: 13628     ",
      "|_Number of pixels per logical inch along the width: 600     ",
      "|_Number of pixels per logical inch along the height: 1200     ",
      "|_Number of color bits for each pixel: 24     ",
      "|_Number of color planes: 1     ",
      "|_Number of device-specific fonts: 0     ",
      "|_Relative width of a device pixel used for line drawing: 600     ",
      "|_Relative height of a device pixel used for line drawing: 1200     ",
      "|_Diagonal width of the device pixel used for line drawing: 1342     ",
      "|_Clipping capabilities of the device: TRUE     ",
      "|_Number of entries in the system palette: 256     ",
      "|_Actual color resolution of the device, in bits per pixel: 24     ",
      "|_The width of the physical page, in device units: 4960     ",
      "|_The height of the physical page, in device units: 13828     ",
      "|_Distance from left edge physical page -> printable area (dev. units): 80     ",
      "|_Distance from top edge physical page -> printable area (dev. units): 100     ",
  }));
  const auto places = page.ArgsOf("TextOutA");
  ASSERT_EQ(places.size(), 26u);
  for (int k = 0; k < 26; ++k) EXPECT_EQ(places[k], (Args{0, 230 + k * lineHeight})) << k;
  // Text only: the context's font and objects stay as they were.
  for (const Record& record : page.dc.Records())
    EXPECT_TRUE(record.op == "TextOutA" || record.op == "GetDeviceCaps") << record;
}

TEST(InfoBlock, OddValuesMidnightAndMissingNames) {
  Page page(InfoDevice().With(DeviceCap::Technology, 7).With(DeviceCap::ClipCaps, 2));
  page.host.facts = {{2011, 1, 6, 1, 0, 0, 0, 0}, "", ""};
  page.printerName.clear();
  page.printerPort.clear();
  page.Run(DrawInfoBlock);
  const auto texts = page.TextsOf();
  EXPECT_EQ(texts.at(1), "Current Date And Time: [6] 1/1/2011  0:0:0 (0)     ");
  EXPECT_EQ(texts.at(2), "Printer Name (Port Used):  ()     ");
  EXPECT_EQ(texts.at(3), "Computer Name/User Name:  /      ");
  EXPECT_EQ(texts.at(6), "|_Device technology:      ") << "7 names no technology";
  EXPECT_EQ(texts.at(19), "|_Clipping capabilities of the device: FALSE     ") << "only 1 is TRUE";
}

}  // namespace
}  // namespace veltrim::test
