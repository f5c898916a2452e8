#include "core/patterns/black_white/info_block.hpp"

#include <iterator>

#include "core/support/dyn_string.hpp"

namespace veltrim {
namespace {

constexpr const char* kEnd = "     ";  // five blanks close every line but the first

enum class Shown { Number, Technology, TrueIfOne };

struct CapabilityLine {
  const char* label;
  DeviceCap index;
  Shown shown;
};

constexpr CapabilityLine kCapabilityLines[] = {
    {"|_Device driver version: ", DeviceCap::DriverVersion, Shown::Number},
    {"|_Device technology: ", DeviceCap::Technology, Shown::Technology},
    {"|_Width, in millimeters, of the physical area: ", DeviceCap::HorzSize, Shown::Number},
    {"|_Height, in millimeters, of the physical area: ", DeviceCap::VertSize, Shown::Number},
    {"|_Width, in pixels, of the area: ", DeviceCap::HorzRes, Shown::Number},
    {"|_Height, in pixels, of the area: ", DeviceCap::VertRes, Shown::Number},
    {"|_Number of pixels per logical inch along the width: ", DeviceCap::LogPixelsX, Shown::Number},
    {"|_Number of pixels per logical inch along the height: ", DeviceCap::LogPixelsY, Shown::Number},
    {"|_Number of color bits for each pixel: ", DeviceCap::BitsPixel, Shown::Number},
    {"|_Number of color planes: ", DeviceCap::Planes, Shown::Number},
    {"|_Number of device-specific fonts: ", DeviceCap::NumFonts, Shown::Number},
    {"|_Relative width of a device pixel used for line drawing: ", DeviceCap::AspectX, Shown::Number},
    {"|_Relative height of a device pixel used for line drawing: ", DeviceCap::AspectY, Shown::Number},
    {"|_Diagonal width of the device pixel used for line drawing: ", DeviceCap::AspectXY, Shown::Number},
    {"|_Clipping capabilities of the device: ", DeviceCap::ClipCaps, Shown::TrueIfOne},
    {"|_Number of entries in the system palette: ", DeviceCap::SizePalette, Shown::Number},
    {"|_Actual color resolution of the device, in bits per pixel: ", DeviceCap::ColorRes, Shown::Number},
    {"|_The width of the physical page, in device units: ", DeviceCap::PhysicalWidth, Shown::Number},
    {"|_The height of the physical page, in device units: ", DeviceCap::PhysicalHeight, Shown::Number},
    {"|_Distance from left edge physical page -> printable area (dev. units): ", DeviceCap::PhysicalOffsetX,
     Shown::Number},
    {"|_Distance from top edge physical page -> printable area (dev. units): ", DeviceCap::PhysicalOffsetY,
     Shown::Number},
};

// TECHNOLOGY values 0..6; any other value is shown as nothing.
constexpr const char* kTechnologies[] = {"Vector plotter",   "Raster display", "Raster printer", "Raster camera",
                                         "Character stream", "Metafile",       "Display file"};

void AppendCapability(DynString& line, const CapabilityLine& capability, int value) {
  switch (capability.shown) {
    case Shown::Number: line.AppendNumber(value); break;
    case Shown::Technology:
      if (value >= 0 && value < static_cast<int>(std::size(kTechnologies))) line.Append(kTechnologies[value]);
      break;
    case Shown::TrueIfOne: line.Append(value == 1 ? "TRUE" : "FALSE"); break;
  }
}

}  // namespace

void DrawInfoBlock(PageContext& page) {
  Surface& dc = page.dc;
  const int y0 = page.geometry.cursorY;
  const int lineHeight = page.geometry.lineHeight;
  int k = 0;
  DynString line;
  auto draw = [&] { dc.TextOutA(0, y0 + k++ * lineHeight, line.View()); };

  const HostFacts facts = page.host.ReadHostFacts();
  const LocalTime& t = facts.time;

  line.Assign("QORVEL Veltrim Program - version 2 - ").Append(kMakerAddress).Append("    ");
  draw();
  line.Assign("Current Date And Time: [").AppendNumber(t.dayOfWeek).Append("] ");
  line.AppendNumber(t.day).Append("/").AppendNumber(t.month).Append("/").AppendNumber(t.year).Append("  ");
  line.AppendNumber(t.hour).Append(":").AppendNumber(t.minute).Append(":").AppendNumber(t.second);
  line.Append(" (").AppendNumber(t.milliseconds).Append(")").Append(kEnd);
  draw();
  line.Assign("Printer Name (Port Used): ").Append(page.printerName).Append(" (").Append(page.printerPort);
  line.Append(")").Append(kEnd);
  draw();
  line.Assign("Computer Name/User Name: ").Append(facts.computerName).Append(" / ").Append(facts.userName);
  line.Append(kEnd);
  draw();
  line.Assign("Device Capabilities:").Append(kEnd);
  draw();
  for (const CapabilityLine& capability : kCapabilityLines) {
    line.Assign(capability.label);
    AppendCapability(line, capability, dc.GetDeviceCaps(capability.index));
    line.Append(kEnd);
    draw();
  }
  page.geometry.cursorY = y0 + kInfoLines * lineHeight;
}

}  // namespace veltrim
