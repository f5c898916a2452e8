#include "win32/colour_tools/colour_dialogs.hpp"

#include <commctrl.h>
#include <windowsx.h>

#include <string>

#include "core/colour_tools/calibration_wizard.hpp"
#include "core/colour_tools/colour_plot.hpp"
#include "core/support/number_text.hpp"
#include "core/support/program_paths.hpp"
#include "win32/app/desktop_state.hpp"
#include "win32/app/dialog_base.hpp"
#include "win32/preview/offscreen_canvas.hpp"

namespace veltrim {
namespace {

PixelCanvas PixelsOf(OffscreenCanvas& canvas) {
  return {canvas.Canvas(), canvas.Width(), canvas.Height(), (canvas.Flags() & OffscreenCanvas::kUseSetPixelV) != 0};
}

void Show(OffscreenCanvas& canvas) {
  canvas.Present();
  ::UpdateWindow(canvas.Window());
}

// The messages after which both dialogs show their canvas again. A static
// control asking for its colours gets no brush, so it never paints over the
// picture. Returns whether `message` was one of them, with the answer.
bool Repaint(OffscreenCanvas& canvas, UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& answer) {
  switch (message) {
    case WM_CTLCOLORSTATIC:
      if (canvas.Attached()) Show(canvas);
      if (canvas.Attached() && reinterpret_cast<HWND>(lParam) == canvas.Window()) {
        ::SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        answer = reinterpret_cast<INT_PTR>(::GetStockObject(NULL_BRUSH));
      } else {
        answer = FALSE;
      }
      return true;
    case WM_PAINT:
    case WM_ACTIVATE:
    case WM_SETFOCUS:
    case WM_ERASEBKGND:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
      if (canvas.Attached()) Show(canvas);
      answer = FALSE;
      return true;
    default:
      return false;
  }
}

int UpDownPosition(HWND dialog, int upDown) {
  return static_cast<short>(LOWORD(::SendDlgItemMessageA(dialog, upDown, UDM_GETPOS, 0, 0)));
}

// Desktop-wide, 500 pixels high and centred; the picture over the width
// above the buttons, which sit at the bottom right, Cancel outermost.
void PlaceWizard(HWND dialog) {
  RECT desktop{};
  ::GetWindowRect(::GetDesktopWindow(), &desktop);
  const int desktopHeight = desktop.bottom - desktop.top;
  ::SetWindowPos(dialog, nullptr, 0, (desktopHeight - kWizardHeight) / 2, desktop.right - desktop.left, kWizardHeight,
                 SWP_NOZORDER);
  RECT client{}, button{};
  ::GetClientRect(dialog, &client);
  const HWND accept = ::GetDlgItem(dialog, IDOK), cancel = ::GetDlgItem(dialog, IDCANCEL);
  ::GetWindowRect(accept, &button);
  const int buttonHeight = button.bottom - button.top, acceptWidth = button.right - button.left, gap = 6;
  ::GetWindowRect(cancel, &button);
  const int cancelWidth = button.right - button.left;
  const int row = client.bottom - buttonHeight - gap;
  ::MoveWindow(::GetDlgItem(dialog, kPictureControl), 0, 0, client.right - 2, row - gap, TRUE);
  ::MoveWindow(cancel, client.right - gap - cancelWidth, row, cancelWidth, buttonHeight, TRUE);
  ::MoveWindow(accept, client.right - 2 * gap - cancelWidth - acceptWidth, row, acceptWidth, buttonHeight, TRUE);
}

// The large preview: its picture, the readout under the pointer, the
// curves of the printer and screen values, and the wizard that measures the
// screen values.
class ColourPlotDialog final : public DialogBase<ColourPlotDialog> {
 public:
  ColourPlotDialog(HINSTANCE instance, int kind, const TestSelection& selection, CalibrationValues& calibration)
      : instance_(instance), kind_(kind), selection_(selection), calibration_(calibration) {}
  void Run(HWND owner) { RunModal(instance_, kColourPlotDialog, owner); }

 private:
  friend class DialogBase<ColourPlotDialog>;
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnInitDialog();
  bool OnCommand(int id);
  void PlotCurves();
  void GetScreenCalibration();
  void ShowReadout(POINT at);

  HINSTANCE instance_;
  int kind_;
  const TestSelection& selection_;
  CalibrationValues& calibration_;
  OffscreenCanvas canvas_;
  RECT picture_{};
};

INT_PTR ColourPlotDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  INT_PTR answer = FALSE;
  if (message != WM_INITDIALOG && Repaint(canvas_, message, wParam, lParam, answer)) return answer;
  switch (message) {
    case WM_INITDIALOG:
      OnInitDialog();
      return TRUE;
    case WM_MOUSEMOVE:
      ShowReadout({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      return TRUE;
    case WM_COMMAND:
      return OnCommand(LOWORD(wParam)) ? TRUE : FALSE;
    default:
      return FALSE;
  }
}

void ColourPlotDialog::OnInitDialog() {
  const HWND dialog = Window();
  const HWND picture = ::GetDlgItem(dialog, kPictureControl);
  ::GetClientRect(picture, &picture_);
  ::SendDlgItemMessageA(dialog, kColourReadout, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(OEM_FIXED_FONT)),
                        TRUE);
  for (int i = 0; i < 2 * kCalibrationValues; ++i) {
    const int upDown = kFirstPrinterValue + 2 * i + 1;
    ::SendDlgItemMessageA(dialog, upDown, UDM_SETBASE, 10, 0);
    ::SendDlgItemMessageA(dialog, upDown, UDM_SETRANGE, 0, MAKELPARAM(200, 0));
  }
  canvas_.Attach(picture);
  canvas_.Clear();
  for (int i = 0; i < kCalibrationValues; ++i)
    ::SendDlgItemMessageA(dialog, kFirstScreenValue + 2 * i + 1, UDM_SETPOS, 0,
                          MAKELPARAM(LOWORD(calibration_[static_cast<std::size_t>(i)]), 0));
  if (canvas_.Attached()) DrawPlotPicture(PixelsOf(canvas_), kind_, selection_);
  canvas_.Present();
}

bool ColourPlotDialog::OnCommand(int id) {
  switch (id) {
    case kPlotCurves:
      PlotCurves();
      return true;
    case kGetScreenCalibration:
      GetScreenCalibration();
      return true;
    case IDOK:
    case IDCANCEL:
      canvas_.Release();
      ::EndDialog(Window(), id);
      return true;
    default:
      return false;
  }
}

void ColourPlotDialog::PlotCurves() {
  const HWND dialog = Window();
  RECT rect{};
  ::GetClientRect(::GetDlgItem(dialog, kPictureControl), &rect);
  if (!canvas_.Attached()) return;
  canvas_.Clear();
  CalibrationValues printer{}, screen{};
  for (int i = 0; i < kCalibrationValues; ++i) {
    printer[static_cast<std::size_t>(i)] = UpDownPosition(dialog, kFirstPrinterValue + 2 * i + 1);
    screen[static_cast<std::size_t>(i)] = UpDownPosition(dialog, kFirstScreenValue + 2 * i + 1);
  }
  DrawCurves(canvas_.Canvas(), rect.right - rect.left, rect.bottom - rect.top, printer, screen);
  canvas_.Present();
}

void ColourPlotDialog::GetScreenCalibration() {
  if (!ShowCalibrationWizard(Window(), instance_, calibration_)) return;
  for (int i = 0; i < kCalibrationValues; ++i)
    ::SetDlgItemTextA(Window(), kFirstScreenValue + 2 * i, IntToText(calibration_[static_cast<std::size_t>(i)]).c_str());
}

void ColourPlotDialog::ShowReadout(POINT at) {
  if (kind_ == kPlotCurvesOnly || !::PtInRect(&picture_, at)) return;
  const RECT& r = picture_;
  const COLORREF pixel = ::GetPixel(canvas_.MemoryDc(), at.x, at.y);
  const std::string text = ColourReadout(at.x, at.y, r.right - r.left, r.bottom - r.top, pixel);
  const HWND readout = ::GetDlgItem(Window(), kColourReadout);
  ::SetWindowTextA(readout, text.c_str());
  ::SendMessageA(readout, EM_SETSEL, 0, -1);
  ::SetFocus(readout);
}

// The wizard's steps and picture; the values go back to the caller only on
// Accept.
class CalibrationWizardDialog final : public DialogBase<CalibrationWizardDialog> {
 public:
  CalibrationWizardDialog(HINSTANCE instance, CalibrationValues& values) : instance_(instance), values_(values) {}
  bool Run(HWND owner) { return RunModal(instance_, kCalibrationWizardDialog, owner) == IDOK; }

 private:
  friend class DialogBase<CalibrationWizardDialog>;
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnInitDialog();
  void OnClick(int x, int y);
  bool OnCommand(int id);
  void End(int result);

  HINSTANCE instance_;
  CalibrationValues& values_;
  OffscreenCanvas canvas_;
  CalibrationWizard wizard_;
};

INT_PTR CalibrationWizardDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  INT_PTR answer = FALSE;
  // A left click is a step here, never only a repaint.
  if (message != WM_INITDIALOG && message != WM_LBUTTONDOWN && Repaint(canvas_, message, wParam, lParam, answer))
    return answer;
  switch (message) {
    case WM_INITDIALOG:
      OnInitDialog();
      return TRUE;
    case WM_LBUTTONDOWN:
      OnClick(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      return TRUE;
    case WM_TIMER:
      if (wParam != kWizardPresentTimer) return FALSE;
      canvas_.Present();
      ::KillTimer(Window(), kWizardPresentTimer);
      return TRUE;
    case WM_COMMAND:
      return OnCommand(LOWORD(wParam)) ? TRUE : FALSE;
    default:
      return FALSE;
  }
}

void CalibrationWizardDialog::OnInitDialog() {
  const HWND dialog = Window();
  PlaceWizard(dialog);
  canvas_.Attach(::GetDlgItem(dialog, kPictureControl));
  canvas_.Clear();
  if (canvas_.Attached()) wizard_.Start(canvas_.Canvas(), canvas_.Width(), canvas_.Height());
  canvas_.Present();
  ::SetTimer(dialog, kWizardPresentTimer, 200, nullptr);
}

void CalibrationWizardDialog::OnClick(int x, int y) {
  if (canvas_.Attached() && wizard_.Click(canvas_.Canvas(), x, y, canvas_.Width())) canvas_.Present();
}

bool CalibrationWizardDialog::OnCommand(int id) {
  if (id == IDOK) {
    const std::string path = ConfigPath(ProgramPath(instance_));
    const CalibrationWizard::Accepted accepted = wizard_.Accept(path);
    // The values are in force either way; only a file written is a file saved.
    values_ = accepted.values;
    if (!accepted.saved)
      ::MessageBoxA(Window(), ConfigNotSavedText(path).c_str(), kConfigNotSavedCaption, MB_OK | MB_ICONHAND);
    End(IDOK);
    return true;
  }
  if (id == IDCANCEL) {
    End(IDCANCEL);
    return true;
  }
  return false;
}

void CalibrationWizardDialog::End(int result) {
  canvas_.Release();
  ::EndDialog(Window(), result);
}

}  // namespace

void ShowColourPlot(HWND owner, HINSTANCE instance, int kind, const TestSelection& selection,
                    CalibrationValues& calibration) {
  ColourPlotDialog(instance, kind, selection, calibration).Run(owner);
}

bool ShowCalibrationWizard(HWND owner, HINSTANCE instance, CalibrationValues& values) {
  return CalibrationWizardDialog(instance, values).Run(owner);
}

}  // namespace veltrim
