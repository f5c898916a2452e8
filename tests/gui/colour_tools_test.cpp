// The colour tools of the real Veltrim.exe, copied into a folder of its own and driven from outside as a user
// would: a large-preview button opens the plotting dialog with its picture on the screen, the mouse fills the
// readout, and the calibration wizard's clicks end up in the dialog and config.qrv, a cancelled wizard's nowhere.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <string>

#include "core/app/main_commands.hpp"
#include "core/app/tab_switch.hpp"
#include "core/colour_tools/calibration_wizard.hpp"
#include "core/colour_tools/colour_plot.hpp"
#include "dialog_driver.hpp"
#include "file_text.hpp"
#include "preview_pixels.hpp"
#include "running_program.hpp"
#include "win32/colour_tools/colour_dialogs.hpp"

namespace veltrim::test {
namespace {

// What the core draws for `kind` with the program's starting colours, at the picture's size.
std::vector<std::uint32_t> ExpectedPicture(HWND picture, int kind, const TestSelection& selection) {
  RECT r{};
  ::GetClientRect(picture, &r);
  return Pixels(r.right, r.bottom, [&](HDC memory) {
    GdiSurface surface(memory);
    DrawPlotPicture({surface, r.right, r.bottom, false}, kind, selection);
  });
}

class ColourTools : public ProgramFolder {};

TEST_F(ColourTools, EachLargePreviewShowsItsPictureAndTheMouseFillsTheReadout) {
  RunningProgram program(folder_.string());
  ASSERT_TRUE(program.Window());
  struct Case { int click, command, kind; };  // the item chosen first
  // Which picture each button opens is the core's choice (tests/unit/app); the curves-only kind is the wizard's test.
  for (const Case& c : {Case{TabItemIds(Tab::Advanced).first + kCmykGradientOption, kAdvancedPreviewCommand, 1},
                        Case{TabItemIds(Tab::Custom).first + kCustomGradientItem, kCustomPreviewCommand, 4}}) {
    SCOPED_TRACE(c.kind);
    program.Click(c.click);
    const HWND dialog = OpenPlot(program, c.command);
    ASSERT_TRUE(dialog);
    const HWND picture = ::GetDlgItem(dialog, kPictureControl);
    const auto expected = ExpectedPicture(picture, c.kind, TestSelection{});
    ASSERT_FALSE(expected.empty());
    EXPECT_TRUE(ShowsSoon([] {}, picture, [&](const auto& shown) { return shown == expected; }));
    if (c.kind == 1) {
      EXPECT_EQ(WindowText(dialog), "Large Preview - Colour Plotting");
      const std::string columns = "C            M            Y            K           R           G           B";
      EXPECT_EQ(ChildTexts(dialog),
                (std::vector<std::string>{"Input :", "Input Printer Calibration Values :", columns,
                                          "Input Screen Calibration Values :", columns, "Get Screen Calibration",
                                          "Plot Curves Now !", "Output :", "Close"}));
    }

    // The pointer moved over the picture, 12 pixels in and 30 down.
    RECT r{}, onScreen{};
    ::GetClientRect(picture, &r);
    ::GetWindowRect(picture, &onScreen);
    ::SetCursorPos(onScreen.left + 12, onScreen.top + 30);
    const std::uint32_t rgb = expected[static_cast<std::size_t>(30 * r.right + 12)];
    const std::string readout = ColourReadout(12, 30, r.right, r.bottom, Rgb(rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF));
    EXPECT_TRUE(Soon([&] { return ControlText(::GetDlgItem(dialog, kColourReadout)) == readout; }))
        << ControlText(::GetDlgItem(dialog, kColourReadout));
    ::SetCursorPos(0, 0);
    PressDialogButton(dialog, IDOK);
    EXPECT_TRUE(Soon([&] { return !::IsWindow(dialog); }));
  }
}

TEST_F(ColourTools, TheWizardsValuesReachTheDialogAndCancelSavesNothing) {
  RunningProgram program(folder_.string());
  ASSERT_TRUE(program.Window());
  HWND dialog = OpenPlot(program, kCalibrationCurvesCommand);  // kind 2: curves only
  ASSERT_TRUE(dialog);
  HWND cyanBox = ::GetDlgItem(dialog, kFirstScreenValue);
  const auto boxes = [&](HWND plot) {
    return std::vector<std::string>{ControlText(::GetDlgItem(plot, kFirstScreenValue)),
                                    ControlText(::GetDlgItem(plot, kFirstScreenValue + 2))};
  };
  const HWND accepted = AnswerWizard(program, dialog, {kWizardMiddle}, IDOK, [&](HWND wizard) {
    RECT r{}, placed{}, desktop{};
    ::GetWindowRect(wizard, &placed);
    ::GetWindowRect(::GetDesktopWindow(), &desktop);
    // As wide as the desktop, centred down it.
    EXPECT_EQ(std::vector<long>({placed.left, placed.right, placed.top, placed.bottom - placed.top}),
              std::vector<long>({0, desktop.right, (desktop.bottom - kWizardHeight) / 2, kWizardHeight}));
    EXPECT_EQ(WindowText(wizard), "Screen Calibration Values ...");
    EXPECT_EQ(ChildTexts(wizard), (std::vector<std::string>{"Accept Input Values, Save Them and Continue", "Cancel"}));
    const HWND picture = ::GetDlgItem(wizard, kPictureControl);
    ::GetClientRect(picture, &r);
    // The magenta test is up: dots at the left of the first band.
    EXPECT_TRUE(ShowsSoon([] {}, picture, [&](const auto& shown) {
      return shown.size() > static_cast<std::size_t>(140 * r.right) && shown[static_cast<std::size_t>(140 * r.right)] == 0xFF00FFu;
    }));
  });
  ASSERT_TRUE(accepted);
  ASSERT_TRUE(Soon([&] { return !::IsWindow(accepted); }));
  EXPECT_EQ(boxes(dialog), (std::vector<std::string>{"150", "-1"}));
  const std::string saved = FileText(folder_ / "config.qrv");  // its text: tests/render CalibrationWizard

  // Cancelled after other values (100, 100): the file and the program's values stay, and so does a value the
  // user typed in the dialog meanwhile (the dialog takes nothing from a cancelled wizard).
  ::SendMessageA(cyanBox, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("123"));
  const HWND cancelled = AnswerWizard(program, dialog, {0, 0}, IDCANCEL);
  ASSERT_TRUE(cancelled);
  ASSERT_TRUE(Soon([&] { return !::IsWindow(cancelled); }));
  EXPECT_EQ(boxes(dialog), (std::vector<std::string>{"123", "-1"}));
  EXPECT_EQ(FileText(folder_ / "config.qrv"), saved);
  PressDialogButton(dialog, IDOK);
  ASSERT_TRUE(Soon([&] { return !::IsWindow(dialog); }));
  dialog = OpenPlot(program, kCalibrationCurvesCommand);
  ASSERT_TRUE(dialog);
  EXPECT_EQ(ControlText(cyanBox = ::GetDlgItem(dialog, kFirstScreenValue)), "150") << "the program's value";

  // Curves of printer values 100 against screen values 100 (cyan 150), over the cleared picture.
  for (int i = 0; i < kCalibrationValues; ++i) {
    ::SendMessageA(::GetDlgItem(dialog, kFirstPrinterValue + 2 * i), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("100"));
    if (i > 0)
      ::SendMessageA(::GetDlgItem(dialog, kFirstScreenValue + 2 * i), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("100"));
  }
  ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(kPlotCurves, BN_CLICKED), 0);
  const HWND picture = ::GetDlgItem(dialog, kPictureControl);
  RECT r{};
  ::GetClientRect(picture, &r);
  const std::uint32_t background = OnScreen(picture)[static_cast<std::size_t>(r.right + 1)];  // (1, 1), off every line
  const auto curves = Pixels(r.right, r.bottom, [&](HDC memory) {
    const win::OwnedBrush brush(::CreateSolidBrush(RGB(background >> 16, (background >> 8) & 0xFF, background & 0xFF)));
    ::FillRect(memory, &r, brush.Get());
    GdiSurface surface(memory);
    DrawCurves(surface, r.right, r.bottom, {100, 100, 100, 100, 100, 100, 100}, {150, 100, 100, 100, 100, 100, 100});
  });
  EXPECT_TRUE(ShowsSoon([] {}, picture, [&](const auto& shown) { return shown == curves; }));
  PressDialogButton(dialog, IDOK);
}

// Run by tests/wine, which copies the program into VELTRIM_PROGRAM_FOLDER (a name that is not ASCII, handed over in
// the ANSI code page VELTRIM_ANSI_CODE_PAGE, with a config.qrv of 10/20/...) and reads config.qrv afterwards.
TEST(NamedFolder, TheWizardsValuesAreSavedAndShownAtTheNextStart) {
  const char* folder = std::getenv("VELTRIM_PROGRAM_FOLDER");
  const char* codePage = std::getenv("VELTRIM_ANSI_CODE_PAGE");
  ASSERT_TRUE(folder && codePage) << "run from tests/wine";
  ASSERT_EQ(std::to_string(::GetACP()), codePage);
  {
    RunningProgram program(folder);
    ASSERT_TRUE(program.Window());
    const HWND dialog = OpenPlot(program, kCalibrationCurvesCommand);
    ASSERT_TRUE(dialog);
    EXPECT_EQ(ControlText(::GetDlgItem(dialog, kFirstScreenValue)), "10") << "read from the folder";
    const HWND wizard = AnswerWizard(program, dialog, {kWizardMiddle, 0}, IDOK);
    ASSERT_TRUE(wizard);
    EXPECT_TRUE(Soon([&] { return !::IsWindow(wizard); })) << "a message box?";
    PressDialogButton(dialog, IDOK);
  }
  RunningProgram again(folder);
  ASSERT_TRUE(again.Window());
  const HWND dialog = OpenPlot(again, kCalibrationCurvesCommand);
  ASSERT_TRUE(dialog);
  for (const auto& [id, value] : {std::pair(kFirstScreenValue, "150"), std::pair(kFirstScreenValue + 2, "100")})
    EXPECT_EQ(ControlText(::GetDlgItem(dialog, id)), value) << id;
  PressDialogButton(dialog, IDOK);
}

}  // namespace
}  // namespace veltrim::test
