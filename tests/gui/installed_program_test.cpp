// The installer the package target makes, run silently with its defaults (for this user alone), the installed program
// at work there (printing on the queue VELTRIM_GUI_QUEUE), and the uninstaller taking what it installed and leaving
// config.qrv. What it installs goes to stdout, for tests/wine to compare with the zip.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <cstdlib>
#include <set>
#include <string>

#include "core/app/main_commands.hpp"
#include "core/app/tab_switch.hpp"
#include "file_text.hpp"
#include "running_program.hpp"

namespace veltrim::test {
namespace {

constexpr int kHelpCommand = 1174, kPrintCommand = 1172, kReportBox = 1188;

fs::path Installer() {
  for (const auto& entry : fs::directory_iterator(ThisProgramsFolder().parent_path())) {
    const std::string name = entry.path().filename().string();
    if (name.starts_with("Veltrim-") && name.ends_with("-x86_64.exe")) return entry.path();
  }
  return {};
}

// Runs `command` and waits for it; its exit code, or -1.
int RunAndWait(std::string command, DWORD timeoutMs) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!::CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return -1;
  DWORD code = static_cast<DWORD>(-1);
  if (::WaitForSingleObject(process.hProcess, timeoutMs) == WAIT_OBJECT_0) ::GetExitCodeProcess(process.hProcess, &code);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  return static_cast<int>(code);
}

std::set<std::string> FilesIn(const fs::path& folder) {
  std::set<std::string> names;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(folder, error)) names.insert(entry.path().filename().string());
  return names;
}

fs::path ShellFolder(int csidl) {
  char path[MAX_PATH] = {};
  return SUCCEEDED(::SHGetFolderPathA(nullptr, csidl, nullptr, 0, path)) ? fs::path(path) : fs::path();
}

// Whether the Start menu of all users (CSIDL_COMMON_PROGRAMS) or of this one (CSIDL_PROGRAMS) has the shortcut.
bool StartMenuEntry(int csidl) {
  return fs::exists(ShellFolder(csidl) / "QORVEL Veltrim v2" / "QORVEL Veltrim v2.lnk");
}

// Whether the hive has the uninstall entry.
bool UninstallEntry(HKEY hive) {
  HKEY key = nullptr;
  const bool found = ::RegOpenKeyExA(hive, "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\QORVEL Veltrim v2",
                                     0, KEY_READ, &key) == ERROR_SUCCESS;
  if (found) ::RegCloseKey(key);
  return found;
}

TEST(InstalledProgram, InstallsRunsPrintsOpensItsGuideAndUninstallsCleanly) {
  const char* queue = std::getenv("VELTRIM_GUI_QUEUE");
  ASSERT_TRUE(queue) << "VELTRIM_GUI_QUEUE names the queue to print on";
  const fs::path installer = Installer();
  ASSERT_FALSE(installer.empty()) << "no installer: build the package target";
  const fs::path folder = ShellFolder(CSIDL_LOCAL_APPDATA) / "Programs" / "QORVEL Veltrim v2";
  std::error_code ignored;
  fs::remove_all(folder, ignored);  // a config.qrv an earlier run left
  ASSERT_EQ(RunAndWait("\"" + installer.string() + "\" /S", 120000), 0);

  const std::set<std::string> installed = FilesIn(folder);
  std::string list;
  for (const std::string& name : installed) list += (list.empty() ? "" : ",") + name;
  std::printf("installed: %s\n", list.c_str());
  for (const char* name : {"Veltrim.exe", "veltrim-cli.exe", "myimg.qrv", "fperc.qrv", "qprintdoc.pdf", "Uninstall.exe"})
    EXPECT_TRUE(installed.contains(name)) << name;
  EXPECT_TRUE(StartMenuEntry(CSIDL_PROGRAMS));
  EXPECT_FALSE(StartMenuEntry(CSIDL_COMMON_PROGRAMS));
  EXPECT_TRUE(UninstallEntry(HKEY_CURRENT_USER));
  EXPECT_FALSE(UninstallEntry(HKEY_LOCAL_MACHINE));

  {
    if (const char* log = std::getenv("VELTRIM_SHELL_LOG")) std::remove(log);
    RunningProgram program(folder.string());
    ASSERT_TRUE(program.Window());
    program.Click(kHelpCommand);
    ASSERT_TRUE(Soon([] { return !ShellOpened().empty(); }, 1500)) << "HELP opened nothing";
    const auto opened = ShellOpened();
    EXPECT_TRUE(opened.size() == 1 && opened[0].starts_with("xdg-open ") &&
                opened[0].ends_with("/AppData/Local/Programs/QORVEL%20Veltrim%20v2/qprintdoc.pdf"))
        << ::testing::PrintToString(opened);

    // The Bitmapped Image alone, printed on the queue: the picture is read from beside the installed program.
    program.Click(TabCommand(Tab::Color));
    program.Click(TabItemIds(Tab::Color).first + 12);
    program.Click(kPrintCommand);
    const HWND print = program.Dialog(kPrinterList);
    ASSERT_TRUE(print);
    ASSERT_GE(PickPrinter(print, queue), 0) << queue;
    PressDialogButton(print, IDOK);
    const HWND report = ::GetDlgItem(program.Window(), kReportBox);
    EXPECT_TRUE(Soon([&] { return ControlText(report).find("EndDoc") != std::string::npos; }, 3000))
        << ControlText(report);
    EXPECT_EQ(ControlText(report).find("[x]"), std::string::npos) << ControlText(report);

    // The wizard's values are saved beside the program; a read-only config.qrv is said to be unsaved and stays
    // as it was, while the new value holds for the run.
    const fs::path config = folder / "config.qrv";
    const HWND plot = OpenPlot(program, kCalibrationCurvesCommand);
    ASSERT_TRUE(plot);
    const HWND saved = AnswerWizard(program, plot, {kWizardMiddle}, IDOK);
    ASSERT_TRUE(Soon([&] { return saved && !::IsWindow(saved); })) << "a message box?";
    const std::string written = FileText(config);
    EXPECT_NE(written, "") << "not saved beside the program";
    ASSERT_TRUE(::SetFileAttributesA(config.string().c_str(), FILE_ATTRIBUTE_READONLY));
    const HWND refused = AnswerWizard(program, plot, {0}, IDOK);
    HWND box = nullptr;
    EXPECT_TRUE(Soon([&] { return (box = ::FindWindowA("#32770", "ERROR")) != nullptr; })) << "no message box";
    if (box) PressDialogButton(box, IDOK);
    EXPECT_TRUE(Soon([&] { return refused && !::IsWindow(refused); }));
    EXPECT_EQ(ControlText(::GetDlgItem(plot, kFirstScreenValue)), "100");
    EXPECT_EQ(FileText(config), written);
    ::SetFileAttributesA(config.string().c_str(), FILE_ATTRIBUTE_NORMAL);
    PressDialogButton(plot, IDOK);
  }

  // The config.qrv the user made stays; everything the installer put there goes.
  ASSERT_EQ(RunAndWait("\"" + (folder / "Uninstall.exe").string() + "\" /S", 60000), 0);
  EXPECT_TRUE(Soon([&] { return FilesIn(folder) == std::set<std::string>{"config.qrv"}; }, 3000))
      << ::testing::PrintToString(FilesIn(folder));
  EXPECT_TRUE(Soon([] { return !StartMenuEntry(CSIDL_PROGRAMS); }, 1500)) << "the Start-menu entry stays";
  EXPECT_FALSE(UninstallEntry(HKEY_CURRENT_USER));
  fs::remove_all(folder, ignored);
}

}  // namespace
}  // namespace veltrim::test
