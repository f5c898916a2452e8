#include "core/colour_tools/calibration_wizard.hpp"

#include <vector>

#include "core/app/config_file.hpp"
#include "core/patterns/shared/filled_boxes.hpp"
#include "core/platform/drawing.hpp"
#include "core/platform/scoped_object.hpp"
#include "core/support/format_message.hpp"
#include "core/support/saturating.hpp"

namespace veltrim {
namespace {

constexpr std::uint32_t kTextFlags = kDtWordBreak | kDtNoPrefix | kDtEditControl;
constexpr ColorRef kTextGrey = Rgb(70, 70, 70);
constexpr ColorRef kWhite = Rgb(255, 255, 255);
constexpr ColorRef kStartGreen = Rgb(0, 255, 0);
constexpr ColorRef kProgressBlack = Rgb(0, 0, 0);

constexpr const char* kWelcomeText =
    "Welcome to Screen Calibration utility !\r\n\r\nThis little wizard will help you find your screen's colour "
    "correction values; they are necessary to accurately plot your printer's colour correction curves (in the "
    "previous step).\r\nAll you need to do is to look at the given gradients and patterns and click inside each "
    "colour gradient where it seems that it blends with the colour-dot/white-dot pattern; you don't even need to "
    "write down the numbers :)\r\n\r\nTo begin simply click on the green rectangle below.";
constexpr const char* kClosingText =
    "Congratulations !\r\n\r\nYou are now done collecting screen calibration informations; please press the "
    "\"Accept Input Values, Save Them and Continue\" button to go back to the previous step with these "
    "informations !";

// Each ink's dots, as (R, G, B) of 0 or 255; its gradient strip i keeps the
// 255s and puts i where the ink has 0.
constexpr std::array<std::array<int, 3>, kWizardSteps> kInks{
    {{0, 255, 255}, {255, 0, 255}, {255, 255, 0}, {0, 0, 0}, {255, 0, 0}, {0, 255, 0}, {0, 0, 255}}};

ColorRef StripColour(int ink, int i) {
  const auto& c = kInks[static_cast<std::size_t>(ink)];
  const auto at = [i](int channel) { return channel == 255 ? 255 : i; };
  return Rgb(at(c[0]), at(c[1]), at(c[2]));
}

// "C=?n, M=?n, ..." for the first `count` values, in black below the test.
void Progress(Surface& dc, const CalibrationValues& values, int count, int width) {
  static constexpr const char* kNames[kWizardSteps] = {"C", "M", "Y", "K", "R", "G", "B"};
  if (count == 0) return;
  std::string format;
  std::vector<FormatArg> args;
  for (int i = 0; i < count; ++i) {
    format += std::string(i ? ", " : "") + kNames[i] + "=?n";
    args.emplace_back(values[static_cast<std::size_t>(i)]);
  }
  const TextBlock line = FormatMessageTextArgs(format.c_str(), args);
  TransparentText(dc, line.View(), Rect{10, 420, width, 500}, kProgressBlack, kTextFlags);
}

void InkTest(Surface& dc, int ink, int width) {
  FillBox(dc, kWhite, Rect{0, 95, width, 400});
  const auto& c = kInks[static_cast<std::size_t>(ink)];
  const ColorRef dot = Rgb(c[0], c[1], c[2]);
  for (const int top : {140, 300})
    for (int row = 0; row < 80; ++row)
      for (int x = row % 2; x < width; x += 2) dc.SetPixel(x, top + row, dot);
  const float step = static_cast<float>(width) / 256.0f;
  float a = 0.0f;
  for (int i = 0; i < 256; ++i, a += step)
    FillBox(dc, StripColour(ink, i), Rect{static_cast<int>(a), 220, static_cast<int>(a + step), 300});
}

}  // namespace

int WizardValue(int x, int width) {
  // 2 x width as a float (the same number, without int's overflow); a
  // value past int (a width of 0, a point far outside) is held to it.
  const float s = 100.0f * static_cast<float>(x) / (2.0f * static_cast<float>(width)) + 50.0f;
  return SaturatedInt(s + s);
}

void CalibrationWizard::Start(Surface& dc, int width, int height) {
  TransparentText(dc, kWelcomeText, Rect{0, 0, width - 2, 450}, kTextGrey, kTextFlags);
  const ScopedObject pen = ScopedPen(dc, PenStyle::Solid, 1, Rgb(0, 200, 0));
  const ScopedObject brush = ScopedBrush(dc, kStartGreen);
  dc.Rectangle((width - kStartSquare) / 2, (height - kStartSquare) / 2, (width + kStartSquare) / 2,
               (height + kStartSquare) / 2);
}

bool CalibrationWizard::Click(Surface& dc, int x, int y, int width) {
  if (step_ > kWizardSteps) return false;
  if (step_ == 0) {
    if (dc.GetPixel(x, y) != kStartGreen) return false;
  } else {
    values_[static_cast<std::size_t>(step_ - 1)] = WizardValue(x, width);
  }
  if (step_ < kWizardSteps) {
    InkTest(dc, step_, width);
    Progress(dc, values_, step_, width);
  } else {
    FillBox(dc, kWhite, Rect{0, 0, width, 400});
    TransparentText(dc, kClosingText, Rect{0, 0, width, 450}, kTextGrey, kTextFlags);
    Progress(dc, values_, kWizardSteps, width);
  }
  ++step_;
  return true;
}

CalibrationWizard::Accepted CalibrationWizard::Accept(const std::string& configPath) const {
  return {values_, WriteConfigFile(configPath, values_)};
}

std::string ConfigNotSavedText(std::string_view path) {
  std::string text = "The calibration values could not be saved to\n";
  text += path;
  text += "\n\nThey are in use until the program ends, but the next start will not have them. "
          "Check that the file and its folder can be written and that the disk is not full.";
  return text;
}

}  // namespace veltrim
