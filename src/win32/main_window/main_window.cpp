#include "win32/main_window/main_window.hpp"

#include <commctrl.h>
#include <richedit.h>

#include <array>

#include "core/app/control_images.hpp"
#include "core/app/main_commands.hpp"
#include "core/app/main_window_layout.hpp"
#include "core/app/number_boxes.hpp"
#include "core/app/pointer_over.hpp"
#include "win32/app/application.hpp"

namespace veltrim {
namespace {

// The platform's values of the constants the core names for itself.
static_assert(kWsChild == WS_CHILD && kWsVisible == WS_VISIBLE && kWsTabStop == WS_TABSTOP &&
              kWsVScroll == WS_VSCROLL);
static_assert(kBsOwnerDraw == BS_OWNERDRAW && kSsLeft == SS_LEFT && kSsBitmap == SS_BITMAP);
static_assert(kEsCenter == ES_CENTER && kEsMultiline == ES_MULTILINE && kEsAutoHScroll == ES_AUTOHSCROLL &&
              kEsOemConvert == ES_OEMCONVERT && kEsReadOnly == ES_READONLY && kEsNumber == ES_NUMBER &&
              kEsDisableNoScroll == ES_DISABLENOSCROLL);
static_assert(kUdsSetBuddyInt == UDS_SETBUDDYINT && kUdsAlignRight == UDS_ALIGNRIGHT &&
              kUdsAutoBuddy == UDS_AUTOBUDDY && kUdsArrowKeys == UDS_ARROWKEYS && kUdsHotTrack == UDS_HOTTRACK);
static_assert(kStockOemFixedFont == OEM_FIXED_FONT && kShowNormal == SW_SHOWNORMAL);
static_assert(kHoverButtons == 1179 - 1165 + 1);

constexpr ColorRef kSwatchBackground = ToColorRef(ColourTriple{});  // each slot's start

void SetImage(HWND window, int id, HBITMAP bitmap) {
  ::SendDlgItemMessageA(window, id, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
}

void SetOemFont(HWND window, int id) {
  ::SendDlgItemMessageA(window, id, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(OEM_FIXED_FONT)), TRUE);
}

void SetUpSpin(HWND window, const NumberBox& box) {
  ::SendDlgItemMessageA(window, box.spinId, UDM_SETBASE, kSpinBase, 0);
  ::SendDlgItemMessageA(window, box.spinId, UDM_SETRANGE, 0, static_cast<LPARAM>(SpinRangeParam(box)));
  ::SendDlgItemMessageA(window, box.spinId, UDM_SETPOS, 0, MAKELPARAM(static_cast<WORD>(box.Range().start), 0));
}

void CreateControls(HWND window, const DesktopState& state) {
  for (const MainControl& control : kMainControls) {
    const ControlClass kind = ClassOf(control.kind);
    const HWND child = ::CreateWindowExA(0, std::string(kind.name).c_str(), "", CreationStyle(control), control.x,
                                         control.y, control.width, control.height, window,
                                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), state.instance,
                                         nullptr);
    if (control.kind == ControlKind::ReportBox) {
      ::ShowWindow(child, SW_SHOWNORMAL);
      ::SendMessageA(child, EM_SETBKGNDCOLOR, 0, kReportBoxBackground);
      SetOemFont(window, control.id);
    } else if (control.images == ImageUse::Single) {
      SetImage(window, control.id, state.Bitmap(control.firstBitmap));
    }
  }
}

void AttachCanvases(HWND window, DesktopState& state) {
  OffscreenCanvas& preview = state.swatches[kPreviewCanvas];
  preview.Attach(::GetDlgItem(window, kPreviewControl));
  preview.Clear();
  for (const int slot : kSwatchAttachSlots) {
    OffscreenCanvas& swatch = state.swatches[SwatchCanvas(slot)];
    swatch.Attach(::GetDlgItem(window, kColourSwatches[slot]));
    swatch.SetBackground(kSwatchBackground);
    swatch.Clear();
  }
}

void ApplyOutline(HWND window) {
  std::array<POINT, kWindowRegion.size()> corners{};
  for (std::size_t i = 0; i < corners.size(); ++i) corners[i] = {kWindowRegion[i].x, kWindowRegion[i].y};
  const HRGN region = ::CreatePolygonRgn(corners.data(), static_cast<int>(corners.size()), WINDING);
  // The window owns the region from here on.
  if (region && !::SetWindowRgn(window, region, TRUE)) ::DeleteObject(region);
}


void PresentCanvases(DesktopState& state) {
  for (OffscreenCanvas& canvas : state.swatches) {
    if (!canvas.Attached()) continue;
    canvas.Present();
    ::UpdateWindow(canvas.Window());
  }
}

bool IsCanvasWindow(const DesktopState& state, HWND control) {
  for (const OffscreenCanvas& canvas : state.swatches)
    if (canvas.Attached() && canvas.Window() == control) return true;
  return false;
}

}  // namespace

void QuitProgram(DesktopState& state) {
  Cleanup(state);
  ::PostQuitMessage(0);
}

void RedrawControls(HWND window, IdRange ids) {
  for (int id = ids.first; id <= ids.last; ++id) RedrawControl(window, id);
}

void InitMainWindow(HWND window, DesktopState& state) {
  constexpr UINT kResizeOnly = SWP_NOMOVE | SWP_NOZORDER;
  ::SetWindowPos(window, nullptr, 0, 0, kMainWindowWidth, kMainWindowHeight, kResizeOnly);
  ::SetWindowPos(::GetDlgItem(window, IDC_MAIN_BACKGROUND), nullptr, 0, 0, kMainWindowWidth, kMainWindowHeight,
                 kResizeOnly);
  ::SetWindowTextA(window, std::string(kMainWindowTitle).c_str());

  CreateControls(window, state);

  const NumberBox& dotCoverage = kNumberBoxes[4];
  SetOemFont(window, dotCoverage.boxId);
  SetUpSpin(window, dotCoverage);

  ::SetTimer(window, kHoverTimerId, kHoverPeriodMs, nullptr);

  for (int i = 0; i < 4; ++i) SetOemFont(window, kNumberBoxes[i].boxId);
  for (int i = 0; i < 4; ++i) SetUpSpin(window, kNumberBoxes[i]);

  SetImage(window, kBannerControl, state.Bitmap(BannerBitmap(Tab::BlackWhite)));
  ApplyOutline(window);
  ::UpdateWindow(window);
  AttachCanvases(window, state);
}

HWND MainWindowDialog::Create() { return CreateModeless(state_.instance, IDD_MAIN_WINDOW, nullptr); }

INT_PTR MainWindowDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const HWND window = Window();
  switch (message) {
    case WM_INITDIALOG:
      InitMainWindow(window, state_);
      return TRUE;

    case WM_COMMAND:
      OnMainCommand(window, state_, LOWORD(wParam), HIWORD(wParam));
      return TRUE;

    case WM_TIMER:
      if (wParam == kHoverTimerId) PollHover(window, kFirstHoverButton, state_.hoverFlags);
      return TRUE;

    case WM_DRAWITEM:
      OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;

    case WM_MEASUREITEM:
      return OnMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)) ? TRUE : FALSE;

    case WM_CTLCOLOREDIT:
      return OnCtlColorEdit(reinterpret_cast<HDC>(wParam));

    case WM_CTLCOLORSTATIC:
      return OnCtlColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));

    case WM_PAINT:
    case WM_ERASEBKGND:
    case WM_ACTIVATE:
    case WM_RBUTTONDOWN:
      PresentCanvases(state_);
      return FALSE;

    case WM_LBUTTONDOWN:
      DragWindow(window);
      return TRUE;

    case WM_CLOSE:
      QuitProgram(state_);
      return TRUE;

    case WM_DESTROY:
      ::PostQuitMessage(0);
      return TRUE;
  }
  return FALSE;
}

void MainWindowDialog::OnDrawItem(const DRAWITEMSTRUCT& item) {
  PaintItemImage(item, state_.Bitmap(ImageFor(static_cast<int>(item.CtlID), ItemPressed(item), state_)));
}

bool MainWindowDialog::OnMeasureItem(MEASUREITEMSTRUCT& item) {
  const MainControl* control = FindControl(static_cast<int>(item.CtlID));
  if (control == nullptr || control->kind != ControlKind::ImageButton) return false;
  item.itemWidth = static_cast<UINT>(control->width);
  item.itemHeight = static_cast<UINT>(control->height);
  return true;
}

INT_PTR MainWindowDialog::OnCtlColorEdit(HDC dc) {
  ::SetBkColor(dc, kEditBackground);
  ::SetTextColor(dc, kEditText);
  return reinterpret_cast<INT_PTR>(state_.whiteBrush.Get());
}

INT_PTR MainWindowDialog::OnCtlColorStatic(HDC dc, HWND control) {
  PresentCanvases(state_);
  // A swatch static would paint over its canvas with the dialog's brush.
  if (!IsCanvasWindow(state_, control)) return FALSE;
  ::SetBkMode(dc, TRANSPARENT);
  return reinterpret_cast<INT_PTR>(::GetStockObject(NULL_BRUSH));
}

}  // namespace veltrim
