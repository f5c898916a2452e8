// What the tests of the real `veltrim` share: the program, a folder of the
// test's own, the report without its time line, and pages printed to PNG.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "process.hpp"
#include "raster.hpp"
#include "services.hpp"
#include "temp_dir.hpp"

namespace veltrim::test {

inline const std::string kVeltrim = VELTRIM_CLI;
inline constexpr std::uint32_t kWhite = 0xFFFFFF, kBlack = 0x000000, kCyan = 0x00FFFF, kMagenta = 0xFF00FF,
                               kYellow = 0xFFFF00;
inline const std::string kReportHeader = "QORVEL Veltrim v2\r\n-------------------\r\n";
// The report's start once a printer was chosen.
inline const std::string kPrinterChosen = kReportHeader + "[v] PrintDlg()\r\n[v] pd.hDC\r\n";

// The report's lines of `documents` documents of `pages` pages, every call successful.
inline std::string Documents(int documents, int pages) {
  std::string page, all;
  for (int p = 0; p < pages; ++p) page += "[v] StartPage()\r\n[v] EndPage()\r\n";
  for (int d = 0; d < documents; ++d) all += "[v] StartDoc()\r\n" + page + "[v] EndDoc()\r\n";
  return all;
}

// The report up to the time line, whose seconds vary.
inline std::string WithoutTime(const std::string& report) {
  return report.substr(0, report.find("\r\nPrint Time: "));
}

// `argv` on the fixtures' scheduler.
inline ProcessResult RunOnScheduler(const std::vector<std::string>& argv) {
  return RunProcess(argv, {{"CUPS_SERVER", CupsServerFromEnvironment()}});
}

// `veltrim ARGS...` on the fixtures' scheduler.
inline ProcessResult RunVeltrim(std::vector<std::string> args, const std::string& program = kVeltrim) {
  args.insert(args.begin(), program);
  return RunOnScheduler(args);
}

// A test with an empty temporary folder of its own, removed when it ends.
template <class Base = ::testing::Test>
class CliTest : public Base {
 protected:
  // Runs `program ARGS...` inside the folder, so that pages name short files.
  ProcessResult InFolder(const fs::path& program, const std::vector<std::string>& args) const {
    std::vector<std::string> argv{"sh", "-c", "cd \"$1\" && shift && exec \"$@\"", "sh", folder_.string(),
                                  program.string()};
    argv.insert(argv.end(), args.begin(), args.end());
    return RunProcess(argv);
  }
  // `program print --output p.png ARGS...` in the folder.
  ProcessResult Print(std::vector<std::string> args, const fs::path& program = kVeltrim) const {
    args.insert(args.begin(), {"print", "--output", "p.png"});
    return InFolder(program, args);
  }
  // The same, expecting success and no message; the first page.
  RasterImage PrintPng(const std::vector<std::string>& args) const {
    const ProcessResult run = Print(args);
    EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
    EXPECT_EQ(run.err, "");
    return RasterImage::LoadPng(folder_ / "p-1.png");
  }
  // `veltrim preview ARGS...` in the folder.
  ProcessResult Preview(std::vector<std::string> args) const {
    args.insert(args.begin(), "preview");
    return InFolder(kVeltrim, args);
  }

  TempDir dir_;
  const fs::path folder_ = dir_.Path();
};

}  // namespace veltrim::test
