#pragma once
// The colour tools' two dialogs: the large preview with the colour plotting
// (template 135) and the screen calibration wizard it opens (template 1161).
// Every picture and every value is the core's; these only pass messages in
// and show the canvas, which each dialog owns while it is open.

#include <windows.h>

#include "core/app/app_state.hpp"

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

// The large preview of `kind` (1..5) for `selection`. Its screen values
// start from `calibration`, which the wizard it opens may change.
void ShowColourPlot(HWND owner, HINSTANCE instance, int kind, const TestSelection& selection,
                    CalibrationValues& calibration);

// The screen calibration wizard. On Accept the values measured (-1 for an
// ink not measured) become `values`, are written to config.qrv beside the
// program (the user is told when that fails) and true is returned; Cancel
// leaves `values` as they were and returns false.
bool ShowCalibrationWizard(HWND owner, HINSTANCE instance, CalibrationValues& values);

}  // namespace veltrim
