#pragma once
// The colour tools' two dialogs: the large preview with the colour plotting
// (template 135) and the screen calibration wizard it opens (template 1161).
// Every picture and every value is the core's; these only pass messages in
// and show the canvas.

#include <windows.h>

namespace veltrim {

inline constexpr int kColourPlotDialog = 135;
inline constexpr int kCalibrationWizardDialog = 1161;
inline constexpr int kPictureControl = 19;
inline constexpr int kFirstPrinterValue = 1131;  // 1131, 1133, ... with up-downs 1132, 1134, ...
inline constexpr int kFirstScreenValue = 1145;   // 1145, 1147, ... with up-downs 1146, 1148, ...
inline constexpr int kGetScreenCalibration = 1159;
inline constexpr int kPlotCurves = 1070;
inline constexpr int kColourReadout = 1071;
inline constexpr UINT_PTR kWizardPresentTimer = 15;

INT_PTR CALLBACK ColourPlotProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK CalibrationWizardProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace veltrim
