// The main window's commands, its pointer-over timer and the dialogs it
// opens. Every decision is the core's; this file only carries it out.
#include <windows.h>
// After <windows.h>, which they need.
#include <commdlg.h>
#include <shellapi.h>

#include <array>
#include <string>

#include "backends/gdi/gdi_print.hpp"
#include "core/about/about_layout.hpp"
#include "core/app/main_commands.hpp"
#include "core/app/main_window_layout.hpp"
#include "core/print/print_engine.hpp"
#include "core/support/program_paths.hpp"
#include "win32/about/about_dialog.hpp"
#include "win32/colour_tools/colour_dialogs.hpp"
#include "win32/main_window/dialog_print_host.hpp"
#include "win32/main_window/job_boxes.hpp"
#include "win32/main_window/main_window.hpp"
#include "win32/preview/preview_window.hpp"
#include "win32/printer_info/printer_info_dialog.hpp"

namespace veltrim {
namespace {

void SwitchTab(HWND window, DesktopState& state, Tab tab) {
  state.selection.currentTab = tab;
  RedrawControls(window, {TabCommand(Tab::BlackWhite), TabCommand(Tab::Custom)});
  for (const ControlShow& control : TabControlVisibility(tab))
    ::ShowWindow(::GetDlgItem(window, control.id), control.shown ? SW_SHOW : SW_HIDE);
  ::SendDlgItemMessageA(window, kBannerControl, STM_SETIMAGE, IMAGE_BITMAP,
                        reinterpret_cast<LPARAM>(state.Bitmap(BannerBitmap(tab))));
}

void ShowSelectionMenu(HWND window, const DesktopState& state) {
  const win::OwnedMenu menu(::LoadMenuA(state.instance, MAKEINTRESOURCEA(IDM_SELECTION)));
  if (!menu) {
    ::MessageBoxA(window, "The right-click menu could not be loaded !", "Application ERROR", MB_ICONHAND);
    return;
  }
  const HMENU popup = ::GetSubMenu(menu.Get(), 0);
  if (popup == nullptr) {
    ::MessageBoxA(window, "The first menuitem of the right-click menu could not be loaded !", "ERROR", MB_ICONHAND);
    return;
  }
  RECT button{};
  ::GetWindowRect(::GetDlgItem(window, kSelectionMenuButton), &button);
  ::TrackPopupMenu(popup, TPM_RIGHTBUTTON | TPM_LEFTALIGN, button.left, button.top, 0, window, nullptr);
}

void ChooseColour(HWND window, DesktopState& state, int slot) {
  ColourTriple& colour = state.selection.customColours[slot];
  const COLORREF start = ToColorRef(colour);
  // Custom colours are not kept from one call to the next.
  std::array<COLORREF, 16> customColours{};
  CHOOSECOLORA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = window;
  dialog.rgbResult = start;
  dialog.lpCustColors = customColours.data();
  dialog.Flags = CC_RGBINIT | CC_FULLOPEN;
  const COLORREF chosen = ::ChooseColorA(&dialog) ? dialog.rgbResult : start;

  colour = FromColorRef(chosen);
  OffscreenCanvas& swatch = state.swatches[SwatchCanvas(slot)];
  swatch.SetBackground(ToColorRef(colour));
  swatch.Clear();
  swatch.Present();
  ::UpdateWindow(swatch.Window());
}

void OpenHelpDocument(HWND window, const DesktopState& state) {
  const std::string document = HelpDocumentPath(ProgramPath(state.instance));
  ::ShellExecuteA(window, "open", document.c_str(), nullptr, nullptr, SW_SHOW);
}

void StartPrinting(HWND window, DesktopState& state) {
  DialogPrintHost host(window, state);
  PrintDialogTarget target(window, state.instance);
  const PrintOutcome outcome = PrintEngine(host, target, {state.selection, ReadJobSettings(window)});
  state.sharedText.Assign(outcome.report);
  ::SetDlgItemTextA(window, kReportBoxControl, outcome.report.c_str());
  if (!outcome.printerName.empty()) {
    CopyToWorkBuffer(outcome.printerName, state.printerName);
    CopyToWorkBuffer(outcome.printerPort, state.printerPort);
  }
}

void OpenLargePreview(HWND window, DesktopState& state, int command) {
  const LargePreview decision = DecideLargePreview(command, state.selection);
  if (decision.kind == 0) {
    if (!decision.refusal.empty())
      ::MessageBoxA(window, std::string(decision.refusal).c_str(), std::string(kRefusalCaption).c_str(),
                    MB_ICONEXCLAMATION);
    return;
  }
  state.largePreviewKind = decision.kind;
  ShowColourPlot(window, state.instance, state.largePreviewKind, state.selection, state.calibration);
}

}  // namespace

void OnMainCommand(HWND window, DesktopState& state, int id, int notificationCode) {
  TestSelection& selection = state.selection;
  const Command command = ClassifyCommand(id, notificationCode);
  switch (command.kind) {
    case CommandKind::Ignored:
      return;
    case CommandKind::Quit:
      QuitProgram(state);
      return;
    case CommandKind::SwitchTab:
      SwitchTab(window, state, command.tab);
      RefreshPreview(window, state);
      return;
    case CommandKind::NextTab:
      ::SendMessageA(window, WM_COMMAND, TabCommand(NextTab(selection.currentTab)), 0);
      return;
    case CommandKind::PreviousTab:
      ::SendMessageA(window, WM_COMMAND, TabCommand(PreviousTab(selection.currentTab)), 0);
      return;
    case CommandKind::Print:
      RefreshPreview(window, state);
      StartPrinting(window, state);
      return;
    case CommandKind::Help:
      OpenHelpDocument(window, state);
      return;
    case CommandKind::SelectionMenu:
      ShowSelectionMenu(window, state);
      return;
    case CommandKind::LargePreview:
      OpenLargePreview(window, state, command.index);
      return;
    case CommandKind::TestItem:
      ToggleItem(selection, command.tab, command.index);
      RedrawControls(window, TabItemIds(command.tab));
      RefreshPreview(window, state);
      return;
    case CommandKind::AdvancedOption:
      selection.advancedOption = command.index;
      RedrawControls(window, TabItemIds(Tab::Advanced));
      RefreshPreview(window, state);
      return;
    case CommandKind::CustomItem:
      ClickCustomItem(selection, command.index);
      RedrawControls(window, TabItemIds(Tab::Custom));
      RefreshPreview(window, state);
      return;
    case CommandKind::LayoutOption:
      selection.gradientLayout = command.index;
      RedrawControls(window, {kFirstLayoutOption, kFirstLayoutOption + kGradientLayouts - 1});
      RefreshPreview(window, state);
      return;
    case CommandKind::ColourButton:
      ChooseColour(window, state, command.index);
      return;
    case CommandKind::SelectMenu:
      ApplySelectCommand(selection, static_cast<SelectCommand>(command.index));
      RedrawControls(window, TabItemIds(selection.currentTab));
      RefreshPreview(window, state);
      return;
    case CommandKind::PrinterInfo:
      ShowPrinterInfo(window, state.instance, state);
      return;
    case CommandKind::Preview:
      RefreshPreview(window, state);
      return;
    case CommandKind::About:
      ShowAboutBox(window, state);
      return;
  }
}

}  // namespace veltrim
