// What the tests of the real `veltrim` share: the program, a folder of the
// test's own, the report without its time line, and pages printed to PNG.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "process.hpp"
#include "raster.hpp"

namespace veltrim::test {

namespace fs = std::filesystem;

inline const std::string kVeltrim = VELTRIM_CLI;
inline const std::string kReportHeader = "QORVEL Veltrim v2\r\n-------------------\r\n";

// The report up to the time line, whose seconds vary.
inline std::string WithoutTime(const std::string& report) {
  return report.substr(0, report.find("\r\nPrint Time: "));
}

// A test with an empty temporary folder of its own, removed when it ends.
template <class Base = ::testing::Test>
class CliTest : public Base {
 protected:
  void SetUp() override {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string("veltrim-cli-") + test->test_suite_name() + "-" + test->name();
    for (char& c : name)
      if (c == '/') c = '-';
    folder_ = fs::temp_directory_path() / name;
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  // Runs `program print --output p.png ARGS...` inside the folder (so the
  // title names the short file) and returns what it did.
  ProcessResult Print(const std::vector<std::string>& args, const fs::path& program = kVeltrim) const {
    std::vector<std::string> argv{"sh", "-c", "cd \"$1\" && shift && exec \"$@\"", "sh", folder_.string(),
                                  program.string(), "print", "--output", "p.png"};
    argv.insert(argv.end(), args.begin(), args.end());
    return RunProcess(argv);
  }
  // Runs `veltrim preview ARGS...` inside the folder.
  ProcessResult Preview(const std::vector<std::string>& args) const {
    std::vector<std::string> argv{"sh", "-c", "cd \"$1\" && shift && exec \"$@\"", "sh", folder_.string(), kVeltrim,
                                  "preview"};
    argv.insert(argv.end(), args.begin(), args.end());
    return RunProcess(argv);
  }
  // The same, expecting success; the first page.
  RasterImage PrintPng(const std::vector<std::string>& args) const {
    const ProcessResult run = Print(args);
    EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
    return RasterImage::LoadPng(folder_ / "p-1.png");
  }

  fs::path folder_;
};

}  // namespace veltrim::test
