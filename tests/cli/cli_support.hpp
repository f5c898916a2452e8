// What the tests of the real `veltrim` share: the program, and a folder of the test's own to run it in.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "cli_conformance.hpp"
#include "process.hpp"
#include "raster.hpp"
#include "report_text.hpp"
#include "services.hpp"
#include "temp_dir.hpp"

namespace veltrim::test {

inline const std::string kVeltrim = VELTRIM_CLI;
inline constexpr std::uint32_t kWhite = 0xFFFFFF, kBlack = 0x000000, kRed = 0xFF0000, kGreen = 0x00FF00,
                               kBlue = 0x0000FF, kCyan = 0x00FFFF, kMagenta = 0xFF00FF, kYellow = 0xFFFF00;

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
  // `program ARGS...` run inside the folder, so that pages name short files.
  ProcessResult InFolder(const fs::path& program, const std::vector<std::string>& args) const {
    std::vector<std::string> argv{program.string()};
    argv.insert(argv.end(), args.begin(), args.end());
    return RunInFolder(argv, folder_);
  }

  TempDir dir_;
  const fs::path folder_ = dir_.Path();
};

}  // namespace veltrim::test
