#include "win32/colour_tools/colour_dialogs.hpp"

#include <commctrl.h>
#include <windowsx.h>

#include <string>

#include "core/colour_tools/colour_plot.hpp"
#include "core/support/number_text.hpp"
#include "core/support/program_paths.hpp"
#include "win32/app/desktop_state.hpp"

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

void InitColourPlot(HWND dialog, DesktopState& state) {
  const HWND picture = ::GetDlgItem(dialog, kPictureControl);
  ::GetClientRect(picture, &state.plotPicture);
  ::SendDlgItemMessageA(dialog, kColourReadout, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(OEM_FIXED_FONT)),
                        TRUE);
  for (int i = 0; i < 2 * kCalibrationValues; ++i) {
    const int upDown = kFirstPrinterValue + 2 * i + 1;
    ::SendDlgItemMessageA(dialog, upDown, UDM_SETBASE, 10, 0);
    ::SendDlgItemMessageA(dialog, upDown, UDM_SETRANGE, 0, MAKELPARAM(200, 0));
  }
  OffscreenCanvas& canvas = state.plotCanvas;
  canvas.Attach(picture, 0);
  canvas.Clear();
  for (int i = 0; i < kCalibrationValues; ++i)
    ::SendDlgItemMessageA(dialog, kFirstScreenValue + 2 * i + 1, UDM_SETPOS, 0,
                          MAKELPARAM(LOWORD(state.calibration[static_cast<std::size_t>(i)]), 0));
  if (canvas.Attached()) DrawPlotPicture(PixelsOf(canvas), state.largePreviewKind, state.selection);
  canvas.Present();
}

void PlotCurves(HWND dialog, DesktopState& state) {
  RECT rect{};
  ::GetClientRect(::GetDlgItem(dialog, kPictureControl), &rect);
  OffscreenCanvas& canvas = state.plotCanvas;
  if (!canvas.Attached()) return;
  canvas.Clear();
  CalibrationValues printer{}, screen{};
  for (int i = 0; i < kCalibrationValues; ++i) {
    printer[static_cast<std::size_t>(i)] = UpDownPosition(dialog, kFirstPrinterValue + 2 * i + 1);
    screen[static_cast<std::size_t>(i)] = UpDownPosition(dialog, kFirstScreenValue + 2 * i + 1);
  }
  DrawCurves(canvas.Canvas(), rect.right - rect.left, rect.bottom - rect.top, printer, screen);
  canvas.Present();
}

void GetScreenCalibration(HWND dialog, DesktopState& state) {
  ::DialogBoxParamA(state.instance, MAKEINTRESOURCEA(kCalibrationWizardDialog), dialog, CalibrationWizardProc, 0);
  if (WizardWasCanceled(state.sharedText.View())) return;
  for (int i = 0; i < kCalibrationValues; ++i)
    ::SetDlgItemTextA(dialog, kFirstScreenValue + 2 * i, IntToText(state.calibration[static_cast<std::size_t>(i)]).c_str());
}

void ShowReadout(HWND dialog, DesktopState& state, POINT at) {
  if (state.largePreviewKind == kPlotCurvesOnly || !::PtInRect(&state.plotPicture, at)) return;
  const RECT& r = state.plotPicture;
  const COLORREF pixel = ::GetPixel(state.plotCanvas.MemoryDc(), at.x, at.y);
  state.sharedText.Assign(ColourReadout(at.x, at.y, r.right - r.left, r.bottom - r.top, pixel));
  const HWND readout = ::GetDlgItem(dialog, kColourReadout);
  ::SetWindowTextA(readout, state.sharedText.Data());
  ::SendMessageA(readout, EM_SETSEL, 0, -1);
  ::SetFocus(readout);
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

void EndWizard(HWND dialog, DesktopState& state, int result) {
  state.wizardCanvas.Release();
  state.wizard.reset();
  ::EndDialog(dialog, result);
}

}  // namespace

INT_PTR CALLBACK ColourPlotProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  DesktopState* current = CurrentDesktop();
  if (current == nullptr) return FALSE;
  DesktopState& state = *current;
  INT_PTR answer = FALSE;
  if (message != WM_INITDIALOG && Repaint(state.plotCanvas, message, wParam, lParam, answer)) return answer;
  switch (message) {
    case WM_INITDIALOG:
      InitColourPlot(dialog, state);
      return TRUE;
    case WM_MOUSEMOVE:
      ShowReadout(dialog, state, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      return TRUE;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case kPlotCurves: PlotCurves(dialog, state); return TRUE;
        case kGetScreenCalibration: GetScreenCalibration(dialog, state); return TRUE;
        case IDOK:
        case IDCANCEL:
          state.plotCanvas.Release();
          ::EndDialog(dialog, LOWORD(wParam));
          return TRUE;
        default: return FALSE;
      }
    default:
      return FALSE;
  }
}

INT_PTR CALLBACK CalibrationWizardProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  DesktopState* current = CurrentDesktop();
  if (current == nullptr) return FALSE;
  DesktopState& state = *current;
  OffscreenCanvas& canvas = state.wizardCanvas;
  INT_PTR answer = FALSE;
  // A left click is a step here, never only a repaint.
  if (message != WM_INITDIALOG && message != WM_LBUTTONDOWN && Repaint(canvas, message, wParam, lParam, answer))
    return answer;
  switch (message) {
    case WM_INITDIALOG: {
      PlaceWizard(dialog);
      state.wizard.emplace();
      canvas.Attach(::GetDlgItem(dialog, kPictureControl), 0);
      canvas.Clear();
      if (canvas.Attached()) state.wizard->Start(canvas.Canvas(), canvas.Width(), canvas.Height());
      canvas.Present();
      ::SetTimer(dialog, kWizardPresentTimer, 200, nullptr);
      return TRUE;
    }
    case WM_LBUTTONDOWN:
      if (state.wizard && canvas.Attached() &&
          state.wizard->Click(canvas.Canvas(), GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), canvas.Width()))
        canvas.Present();
      return TRUE;
    case WM_TIMER:
      if (wParam != kWizardPresentTimer) return FALSE;
      canvas.Present();
      ::KillTimer(dialog, kWizardPresentTimer);
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK && state.wizard) {
        const std::string path = ConfigPath(ProgramPath(state.instance));
        // The values are in force either way; only a file written is a file saved.
        if (!state.wizard->Accept(state.calibration, state.sharedText, path))
          ::MessageBoxA(dialog, ConfigNotSavedText(path).c_str(), kConfigNotSavedCaption, MB_OK | MB_ICONHAND);
        EndWizard(dialog, state, IDOK);
        return TRUE;
      }
      if (LOWORD(wParam) == IDCANCEL) {
        state.sharedText.Assign(kWizardCanceled);
        EndWizard(dialog, state, IDCANCEL);
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace veltrim
