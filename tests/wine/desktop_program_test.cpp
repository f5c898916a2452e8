// The desktop program's GUI tests (tests/gui) that need a queue of our scheduler, or a folder or locale of this side,
// and what the scheduler received from them: F12 printing and the F4 report, the installer, non-ASCII folders.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "file_text.hpp"
#include "process.hpp"
#include "raster.hpp"
#include "services.hpp"

namespace veltrim::test {
namespace {

// F12 prints two jobs, the last of three pages, on the queue chosen in the print dialog, not the first one Wine
// preselects; the F4 report prints nothing.
TEST(DesktopProgram, F12PrintsAndF4ReportsOnTheChosenQueue) {
  const Services services = Services::FromEnvironment();
  CupsQueue first(services.state, "gui_a_first");
  CupsQueue queue(services.state, "gui_jobs");
  const auto run = RunWindowsProgram(services, VELTRIM_WIN64_DIR "/tests/veltrim_gui_tests.exe",
                                     {"--gtest_filter=MainWindowPrint.*:PrinterInfoDialog.*"},
                                     std::chrono::seconds(240), {{"VELTRIM_GUI_QUEUE", queue.Name()}});
  ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
  EXPECT_NE(run.out.find("[  PASSED  ] 3 tests"), std::string::npos) << run.out;
  ASSERT_EQ(queue.CompletedJobs(2), 2) << "two jobs were not completed";
  EXPECT_EQ(PostScriptPages(queue.OutputFile()), 3) << "the last job has three pages";
  EXPECT_EQ(first.CompletedJobs(), 0);
}

// The installer the package target made, run by the GUI test (tests/gui InstalledProgram, which also checks the
// per-user folder and entries and the saving of config.qrv): the installed Veltrim.exe prints the Bitmapped
// Image with the picture installed beside it (the chart where the geometry puts it), and the installer holds the
// files of the portable zip, and its uninstaller.
TEST(DesktopProgram, InstallerHoldsTheZipsFilesAndItsProgramPrintsThePicture) {
  const Services services = Services::FromEnvironment();
  CupsQueue queue(services.state, "installed");
  const auto run = RunWindowsProgram(services, VELTRIM_WIN64_DIR "/tests/veltrim_gui_tests.exe",
                                     {"--gtest_filter=InstalledProgram.*"}, std::chrono::seconds(300),
                                     {{"VELTRIM_GUI_QUEUE", queue.Name()}});
  ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
  EXPECT_NE(run.out.find("[  PASSED  ] 1 test"), std::string::npos) << run.out;
  ASSERT_EQ(queue.CompletedJobs(1), 1) << "the job did not complete";
  const auto pages = RenderPages(queue.OutputFile(), 75, ScratchFolder(services, queue.Name()));
  ASSERT_EQ(pages.size(), 1u);
  // The generic PostScript queue: 2450 x 3200 units at 300 dpi from 50 units into the sheet. The 1240 x 1754
  // picture stretched over them puts the middles of its dark skin (130, 788) and cyan (1110, 1044) patches at
  // (257, 1438) and (2193, 1905): pixels ((x + 50) / 4, (y + 50) / 4) at 75 dpi.
  const RasterImage page = RasterImage::LoadPng(pages[0]);
  EXPECT_TRUE(ColourNear(page.Pixel(76, 372), 0x735244, 10)) << "dark skin: " << ColourText(page.Pixel(76, 372));
  EXPECT_TRUE(ColourNear(page.Pixel(560, 488), 0x0885A1, 10)) << "cyan: " << ColourText(page.Pixel(560, 488));

  std::smatch installed;
  ASSERT_TRUE(std::regex_search(run.out, installed, std::regex("installed: ([^\r\n]*)")));
  std::set<std::string> zip;
  const auto unzip = RunProcess({"unzip", "-Z1", VELTRIM_WIN64_DIR "/Veltrim-" VELTRIM_VERSION "-x86_64.zip"});
  ASSERT_EQ(unzip.exitCode, 0) << unzip.err;
  std::istringstream names(unzip.out);
  for (std::string name; std::getline(names, name);)
    if (name.find('/') + 1 < name.size()) zip.insert(name.substr(name.find('/') + 1));
  zip.insert("Uninstall.exe");
  std::set<std::string> fromInstaller;
  std::istringstream list(installed[1].str());
  for (std::string name; std::getline(list, name, ',');) fromInstaller.insert(name);
  EXPECT_EQ(fromInstaller, zip);
}

// The program in folders whose names are not ASCII, each under an ANSI code page that spells it ("печать" under the
// Cyrillic 1251 of the locale the wine fixture made): the wizard's new values are saved in config.qrv there, and the
// next start shows them (tests/gui NamedFolder).
TEST(DesktopProgram, SavesTheWizardsValuesInAFolderWithANonAsciiName) {
  const Services services = Services::FromEnvironment();
  const EnvironmentOverrides western{{"LC_ALL", "C.UTF-8"}};
  const EnvironmentOverrides cyrillic{{"LC_ALL", "ru_RU.UTF-8"}, {"LOCPATH", (services.state / "wine" / "locale").string()}};
  struct Case { const char* name; const char* codePage; const EnvironmentOverrides& locale; };
  // € is 0x80 in 1252: a path widened byte by byte names another folder.
  for (const Case& c : {Case{"eur\u20ACo", "1252", western}, Case{"печать", "1251", cyrillic}}) {
    SCOPED_TRACE(c.name);
    const fs::path folder = ScratchFolder(services, "named") / c.name;
    fs::create_directories(folder);
    fs::copy_file(VELTRIM_WIN64_DIR "/Veltrim.exe", folder / "Veltrim.exe");
    std::ofstream(folder / "config.qrv") << "10/20/30/40/50/60/70/";
    std::string windowsPath = "Z:" + folder.string();
    std::replace(windowsPath.begin(), windowsPath.end(), '/', '\\');
    EnvironmentOverrides env = c.locale;
    env.insert(env.end(), {{"VELTRIM_PROGRAM_FOLDER", windowsPath}, {"VELTRIM_ANSI_CODE_PAGE", c.codePage}});
    const auto run = RunWindowsProgram(services, VELTRIM_WIN64_DIR "/tests/veltrim_gui_tests.exe",
                                       {"--gtest_filter=NamedFolder.*"}, std::chrono::seconds(120), env);
    EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
    EXPECT_NE(run.out.find("[  PASSED  ] 1 test"), std::string::npos) << run.out;
    EXPECT_EQ(FileText(folder / "config.qrv"), "150/100/-1/-1/-1/-1/-1/");
  }
}

}  // namespace
}  // namespace veltrim::test
