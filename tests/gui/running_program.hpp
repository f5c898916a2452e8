// The real Veltrim.exe copied into a folder of its own, started there and driven from outside as a user would:
// its main window found, its controls clicked, its dialogs waited for, their texts read as they answer them.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "core/app/main_window_layout.hpp"
#include "dialog_driver.hpp"
#include "preview_pixels.hpp"
#include "win32/colour_tools/colour_dialogs.hpp"

namespace veltrim::test {

namespace fs = std::filesystem;
using std::chrono::seconds;

inline fs::path ThisProgramsFolder() {
  char path[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  return fs::path(path).parent_path();
}

// A text of another process's control, asked for as that control answers it.
inline std::string ControlText(HWND control) {
  std::string text(30001, '\0');
  DWORD_PTR length = 0;
  ::SendMessageTimeoutA(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_BLOCK, 5000,
                        &length);
  text.resize(length);
  return text;
}

// Veltrim.exe started from `folder`, ended with WM_CLOSE when it goes. The folder is spelt as the A functions take
// it, in the ANSI code page: std::filesystem would widen its bytes one by one and name another folder.
class RunningProgram {
 public:
  explicit RunningProgram(const std::string& folder) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string command = "\"" + folder + "\\Veltrim.exe\"";
    if (!::CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                          &startup, &process_))
      return;
    ::WaitForInputIdle(process_.hProcess, 20000);
    window_ = WaitForDialog(process_.dwThreadId, kPreviewControl, seconds(5));
  }
  ~RunningProgram() {
    if (window_) ::PostMessageA(window_, WM_CLOSE, 0, 0);
    if (process_.hProcess) {
      if (::WaitForSingleObject(process_.hProcess, 20000) != WAIT_OBJECT_0) ::TerminateProcess(process_.hProcess, 1);
      ::CloseHandle(process_.hThread);
      ::CloseHandle(process_.hProcess);
    }
  }
  RunningProgram(const RunningProgram&) = delete;
  RunningProgram& operator=(const RunningProgram&) = delete;

  HWND Window() const { return window_; }
  // A click on control `id` of the main window.
  void Click(int id) const {
    ::PostMessageA(window_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(window_, id)));
  }
  // The open dialog holding control `id`.
  HWND Dialog(int id) const { return WaitForDialog(::GetWindowThreadProcessId(window_, nullptr), id, seconds(20)); }

 private:
  PROCESS_INFORMATION process_{};
  HWND window_ = nullptr;
};

// The plotting dialog (135) that main-window command `command` opens.
inline HWND OpenPlot(const RunningProgram& program, int command) {
  program.Click(command);
  return program.Dialog(kColourReadout);
}

// Opens the calibration wizard from the plotting dialog `plot`, clicks its start square (after a right-click there),
// then each ink at `inks` pixels across its picture (kWizardMiddle: the middle, value 150; 0 is value 100), lets
// `look` see it and presses `button`. Returns the wizard, which closes unless the program has something to say first.
inline constexpr int kWizardMiddle = -1;
inline HWND AnswerWizard(const RunningProgram& program, HWND plot, const std::vector<int>& inks, int button,
                         const std::function<void(HWND)>& look = {}) {
  ::PostMessageA(plot, WM_COMMAND, MAKEWPARAM(kGetScreenCalibration, BN_CLICKED), 0);
  const HWND wizard = program.Dialog(IDCANCEL);
  if (!wizard) return nullptr;
  RECT r{};
  ::GetClientRect(::GetDlgItem(wizard, kPictureControl), &r);
  // A right-click only repaints: were it a step, the green square's click would record the first ink.
  ::PostMessageA(wizard, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(r.right / 2, r.bottom / 2));
  ::PostMessageA(wizard, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(r.right / 2, r.bottom / 2));  // the green square
  for (const int x : inks)
    ::PostMessageA(wizard, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x == kWizardMiddle ? (r.right + 1) / 2 : x, 30));
  if (look) look(wizard);
  PressDialogButton(wizard, button);
  return wizard;
}

// The texts of a dialog's controls, each as its window shows it, in creation order.
inline std::vector<std::string> ChildTexts(HWND dialog) {
  std::vector<std::string> texts;
  for (HWND child = ::GetWindow(dialog, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    const std::string text = WindowText(child);
    if (!text.empty()) texts.push_back(text);
  }
  return texts;
}

// What programs asked the shell to open since the log was last removed, "xdg-open URL" or "xdg-email URL" a line:
// run-wine.sh puts recording hooks of those names first on PATH and names their log VELTRIM_SHELL_LOG.
inline std::vector<std::string> ShellOpened() {
  const char* path = std::getenv("VELTRIM_SHELL_LOG");
  std::ifstream in(path ? path : "");
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// A fresh folder holding a copy of the program, removed afterwards.
class ProgramFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(folder_);
    fs::copy_file(ThisProgramsFolder().parent_path() / "Veltrim.exe", folder_ / "Veltrim.exe");
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }
  const fs::path folder_ = fs::temp_directory_path() / ("veltrim-program-" + std::to_string(std::random_device()()));
};

}  // namespace veltrim::test
