// What the tests of the real `veltrim` share: the program, and a folder of the test's own to run it in.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "../unit/support/scratch_dir.hpp"
#include "cli_conformance.hpp"
#include "process.hpp"
#include "raster.hpp"
#include "report_text.hpp"
#include "services.hpp"

namespace veltrim::test {

inline const std::string kVeltrim = VELTRIM_CLI;

// `argv` on the fixtures' scheduler.
inline ProcessResult RunOnScheduler(const std::vector<std::string>& argv) {
  return RunProcess(argv, {{"CUPS_SERVER", CupsServerFromEnvironment()}});
}

// `veltrim ARGS...` on the fixtures' scheduler.
inline ProcessResult RunVeltrim(std::vector<std::string> args) {
  args.insert(args.begin(), kVeltrim);
  return RunOnScheduler(args);
}

// A test with an empty temporary folder of its own, removed when it ends.
class CliTest : public ::testing::Test {
 protected:
  ScratchDir dir_;
  const fs::path folder_ = dir_.Path();
};

}  // namespace veltrim::test
