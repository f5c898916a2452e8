#include "win32/about/about_dialog.hpp"

#include <richedit.h>

#include <string>

#include "core/about/about_layout.hpp"
#include "core/about/about_texts.hpp"
#include "core/app/main_window_layout.hpp"
#include "win32/about/update_check.hpp"
#include "win32/app/application.hpp"
#include "win32/app/skinned_controls.hpp"

namespace veltrim {
namespace {

void ShowText(HWND dialog, const char* text) { ::SetDlgItemTextA(dialog, kAboutTextBox, text); }

void ShowCredits(HWND dialog, DesktopState& state) {
  state.sharedText.Assign(CreditsText());
  ShowText(dialog, state.sharedText.Data());
}

// Resized to the background's size, centred on the work area as the template's
// own centring placed it at its first size.
void PlaceDialog(HWND dialog) {
  RECT work{};
  ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  const int x = work.left + (work.right - work.left - kAboutWidth) / 2;
  const int y = work.top + (work.bottom - work.top - kAboutHeight) / 2;
  ::SetWindowPos(dialog, nullptr, x, y, kAboutWidth, kAboutHeight, SWP_NOZORDER);
  ::SetWindowPos(::GetDlgItem(dialog, IDC_ABOUT_BACKGROUND), nullptr, 0, 0, kAboutWidth, kAboutHeight,
                 SWP_NOMOVE | SWP_NOZORDER);
}

void CreateControls(HWND dialog, const DesktopState& state) {
  for (const AboutControl& control : kAboutControls) {
    const bool textBox = control.id == kAboutTextBox;
    const ControlClass kind = ClassOf(textBox ? ControlKind::ReportBox : ControlKind::ImageButton);
    const DWORD style = kind.style | (kind.visibleByStyle ? WS_VISIBLE : 0);
    const HWND child = ::CreateWindowExA(0, std::string(kind.name).c_str(), "", style, control.x, control.y,
                                         control.width, control.height, dialog,
                                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), state.instance,
                                         nullptr);
    if (!textBox) continue;
    ::ShowWindow(child, SW_SHOWNORMAL);
    ::SendMessageA(child, EM_SETBKGNDCOLOR, 0, RGB(255, 255, 255));
    ::SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(OEM_FIXED_FONT)), TRUE);
  }
}

void InitAbout(HWND dialog, DesktopState& state) {
  PlaceDialog(dialog);
  CreateControls(dialog, state);
  ::SetTimer(dialog, kAboutTimerId, kAboutTimerPeriodMs, nullptr);
  ShowCredits(dialog, state);
}

void OnAboutCommand(HWND dialog, DesktopState& state, int id) {
  switch (id) {
    case kAboutClose:
    case IDOK:
    case IDCANCEL:
      ::KillTimer(dialog, kAboutTimerId);
      ::EndDialog(dialog, id);
      return;
    case kAboutLicence:
      ShowText(dialog, std::string(kLicenceText).c_str());
      return;
    case kAboutHistory:
      ShowText(dialog, std::string(kHistoryText).c_str());
      return;
    case kAboutShortcuts:
      ShowText(dialog, std::string(kShortcutsText).c_str());
      return;
    case kAboutCredits:
      ShowCredits(dialog, state);
      return;
    case kAboutWebsite:
      OpenWebsite(dialog);
      return;
    case kAboutMail:
      SendFeedbackMail(dialog);
      return;
    case kAboutUpdates:
      RunUpdateDialogue(dialog);
      return;
  }
}

}  // namespace

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  DesktopState* current = CurrentDesktop();
  if (current == nullptr) return FALSE;
  DesktopState& state = *current;
  switch (message) {
    case WM_INITDIALOG:
      InitAbout(dialog, state);
      return TRUE;
    case WM_COMMAND:
      OnAboutCommand(dialog, state, LOWORD(wParam));
      return TRUE;
    case WM_TIMER:
      if (wParam == kAboutTimerId) PollHover(dialog, kAboutClose, state.aboutHoverFlags);
      return TRUE;
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      const int image = AboutImageFor(static_cast<int>(item.CtlID), ItemPressed(item), state.aboutHoverFlags);
      PaintItemImage(item, state.Bitmap(image));
      return TRUE;
    }
    case WM_MEASUREITEM: {
      auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      const AboutControl* control = FindAboutControl(static_cast<int>(item.CtlID));
      if (control == nullptr) return FALSE;
      item.itemWidth = static_cast<UINT>(control->width);
      item.itemHeight = static_cast<UINT>(control->height);
      return TRUE;
    }
    case WM_LBUTTONDOWN:
      DragWindow(dialog);
      return TRUE;
  }
  return FALSE;
}

}  // namespace veltrim
