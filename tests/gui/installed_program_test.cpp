// The installer the package target makes, run silently into a folder of its own: what it installs (listed on
// stdout for the native side to compare with the zip), the Start-menu entry, the installed program starting there,
// printing the Bitmapped Image with the picture beside it on the queue VELTRIM_GUI_QUEUE, HELP asking the shell for
// the installed guide, and the uninstaller taking everything it installed and leaving the user's config.qrv.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <cstdlib>
#include <fstream>
#include <set>
#include <string>

#include "app/tab_switch.hpp"
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

// The shortcut of the Start menu, for all users or for this one.
bool StartMenuEntry() {
  for (const int folder : {CSIDL_COMMON_PROGRAMS, CSIDL_PROGRAMS}) {
    char path[MAX_PATH] = {};
    if (SUCCEEDED(::SHGetFolderPathA(nullptr, folder, nullptr, 0, path)) &&
        fs::exists(fs::path(path) / "QORVEL Veltrim v2" / "QORVEL Veltrim v2.lnk"))
      return true;
  }
  return false;
}

TEST(InstalledProgram, InstallsRunsPrintsOpensItsGuideAndUninstallsCleanly) {
  const char* queue = std::getenv("VELTRIM_GUI_QUEUE");
  ASSERT_TRUE(queue) << "VELTRIM_GUI_QUEUE names the queue to print on";
  const fs::path installer = Installer();
  ASSERT_FALSE(installer.empty()) << "no installer: build the package target";
  const fs::path folder = fs::temp_directory_path() / ("veltrim-installed-" + std::to_string(::GetTickCount()));
  ASSERT_EQ(RunAndWait("\"" + installer.string() + "\" /S /D=" + folder.string(), 120000), 0);

  const std::set<std::string> installed = FilesIn(folder);
  std::string list;
  for (const std::string& name : installed) list += (list.empty() ? "" : ",") + name;
  std::printf("installed: %s\n", list.c_str());
  for (const char* name : {"Veltrim.exe", "veltrim-cli.exe", "myimg.qrv", "fperc.qrv", "qprintdoc.pdf", "Uninstall.exe"})
    EXPECT_TRUE(installed.contains(name)) << name;
  EXPECT_TRUE(StartMenuEntry());

  {
    if (const char* log = std::getenv("VELTRIM_SHELL_LOG")) std::remove(log);
    RunningProgram program(folder);
    ASSERT_TRUE(program.Window());
    program.Click(kHelpCommand);
    EXPECT_TRUE(Soon([] { return !ShellOpened().empty(); }, 1500)) << "HELP opened nothing";
    const auto opened = ShellOpened();
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_TRUE(opened[0].starts_with("xdg-open ")) << opened[0];
    EXPECT_TRUE(opened[0].ends_with(folder.filename().string() + "/qprintdoc.pdf")) << opened[0];

    // The Bitmapped Image alone, printed on the queue: the picture is read from beside the installed program.
    program.Click(TabCommand(1));
    program.Click(TabItemIds(1).first + 12);
    program.Click(kPrintCommand);
    const HWND print = program.Dialog(kPrinterList);
    ASSERT_TRUE(print);
    ASSERT_GE(PickPrinter(print, queue), 0) << queue;
    PressDialogButton(print, IDOK);
    const HWND report = ::GetDlgItem(program.Window(), kReportBox);
    EXPECT_TRUE(Soon([&] { return ControlText(report).find("EndDoc") != std::string::npos; }, 3000))
        << ControlText(report);
    EXPECT_EQ(ControlText(report).find("[x]"), std::string::npos) << ControlText(report);
    EXPECT_FALSE(WaitForDialog(::GetWindowThreadProcessId(program.Window(), nullptr), 0xFFFF, seconds(1)))
        << "a message box (the picture could not be read?)";
  }

  // A config.qrv the user made stays; everything the installer put there goes.
  std::ofstream(folder / "config.qrv") << "150/-1/-1/-1/-1/-1/-1/";
  ASSERT_EQ(RunAndWait("\"" + (folder / "Uninstall.exe").string() + "\" /S", 60000), 0);
  EXPECT_TRUE(Soon([&] { return FilesIn(folder) == std::set<std::string>{"config.qrv"}; }, 3000))
      << ::testing::PrintToString(FilesIn(folder));
  EXPECT_TRUE(Soon([] { return !StartMenuEntry(); }, 1500)) << "the Start-menu entry stays";
  std::error_code ignored;
  fs::remove_all(folder, ignored);
}

}  // namespace
}  // namespace veltrim::test
