#include "win32/about/about_dialog.hpp"

#include <richedit.h>

#include <string>

#include "core/about/about_layout.hpp"
#include "core/about/about_texts.hpp"
#include "core/app/main_window_layout.hpp"
#include "win32/about/update_check.hpp"
#include "win32/app/application.hpp"
#include "win32/app/dialog_base.hpp"
#include "win32/app/skinned_controls.hpp"

namespace veltrim {
namespace {

void ShowText(HWND dialog, const char* text) { ::SetDlgItemTextA(dialog, kAboutTextBox, text); }

void ShowCredits(HWND dialog) { ShowText(dialog, CreditsText().c_str()); }

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

// The about box: its skinned buttons take their images from the program's
// bitmaps and their pointer-over state from the program's record.
class AboutDialog final : public DialogBase<AboutDialog> {
 public:
  explicit AboutDialog(DesktopState& state) : state_(state) {}
  void Run(HWND owner) { RunModal(state_.instance, IDD_ABOUT, owner); }

 private:
  friend class DialogBase<AboutDialog>;
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnInitDialog();
  void OnCommand(int id);
  void OnDrawItem(const DRAWITEMSTRUCT& item);
  bool OnMeasureItem(MEASUREITEMSTRUCT& item);

  DesktopState& state_;
};

INT_PTR AboutDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      OnInitDialog();
      return TRUE;
    case WM_COMMAND:
      OnCommand(LOWORD(wParam));
      return TRUE;
    case WM_TIMER:
      if (wParam == kAboutTimerId) PollHover(Window(), kAboutClose, state_.aboutHoverFlags);
      return TRUE;
    case WM_DRAWITEM:
      OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_MEASUREITEM:
      return OnMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)) ? TRUE : FALSE;
    case WM_LBUTTONDOWN:
      DragWindow(Window());
      return TRUE;
  }
  return FALSE;
}

void AboutDialog::OnInitDialog() {
  const HWND dialog = Window();
  PlaceDialog(dialog);
  CreateControls(dialog, state_);
  ::SetTimer(dialog, kAboutTimerId, kAboutTimerPeriodMs, nullptr);
  ShowCredits(dialog);
}

void AboutDialog::OnCommand(int id) {
  const HWND dialog = Window();
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
      ShowCredits(dialog);
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

void AboutDialog::OnDrawItem(const DRAWITEMSTRUCT& item) {
  const int image = AboutImageFor(static_cast<int>(item.CtlID), ItemPressed(item), state_.aboutHoverFlags);
  PaintItemImage(item, state_.Bitmap(image));
}

bool AboutDialog::OnMeasureItem(MEASUREITEMSTRUCT& item) {
  const AboutControl* control = FindAboutControl(static_cast<int>(item.CtlID));
  if (control == nullptr) return false;
  item.itemWidth = static_cast<UINT>(control->width);
  item.itemHeight = static_cast<UINT>(control->height);
  return true;
}

}  // namespace

void ShowAboutBox(HWND owner, DesktopState& state) { AboutDialog(state).Run(owner); }

}  // namespace veltrim
