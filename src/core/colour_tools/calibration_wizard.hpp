#pragma once
// The screen calibration wizard: for each of the seven inks a band of 50 %
// dots above and below a 256-step gradient from the ink to white; the user
// clicks where the gradient matches the dots, and the click's distance
// across the picture becomes the ink's screen value (100 at the left edge,
// nearly 200 at the right). The steps, the values and every picture live
// here; the dialog only passes clicks in and presents the canvas.

#include <string>
#include <string_view>

#include "core/app/app_state.hpp"
#include "core/platform/surface.hpp"

namespace veltrim {

inline constexpr int kWizardSteps = 7;
inline constexpr int kWizardHeight = 500;  // the dialog's height in pixels
inline constexpr int kStartSquare = 80;

// The value of a click at x on a picture `width` wide: s = 100 x / (w + w) +
// 50 in single precision, then t(s + s).
int WizardValue(int x, int width);

class CalibrationWizard {
 public:
  // The welcome text and the green start square on a clear canvas of
  // `width` x `height`.
  void Start(Surface& dc, int width, int height);

  // A click at (x, y) on a picture `width` wide. Before the first test only
  // a click on the start square's green counts; after that every click
  // records the value of the ink shown and draws the next ink's test, the
  // seventh the closing text. True when the canvas changed (the caller
  // presents it); clicks after the seventh change nothing.
  bool Click(Surface& dc, int x, int y, int width);

  int Step() const { return step_; }
  const CalibrationValues& Values() const { return values_; }

  // Accept: the values (-1 for an ink not measured) are written to
  // `configPath` as the configuration text, replacing the file whole, and
  // handed back with whether the file was written; they hold either way.
  struct Accepted {
    CalibrationValues values;
    bool saved = false;
  };
  Accepted Accept(const std::string& configPath) const;

 private:
  CalibrationValues values_{-1, -1, -1, -1, -1, -1, -1};
  int step_ = 0;
};

// What the user is told when Accept could not write the configuration file
// at `path`: the values hold for this run only.
inline constexpr const char* kConfigNotSavedCaption = "ERROR";
std::string ConfigNotSavedText(std::string_view path);

}  // namespace veltrim
