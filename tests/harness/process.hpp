// Runs a program to completion with a bounded wait, capturing its output.
#pragma once

#include <chrono>
#include <string>
#include <utility>
#include <vector>

namespace veltrim::test {

struct ProcessResult {
  int exitCode = -1;  // -1 when it was killed or could not start
  bool timedOut = false;
  std::string out;
  std::string err;
};

using EnvironmentOverrides = std::vector<std::pair<std::string, std::string>>;

// argv[0] is looked up on PATH; the child gets this process's environment with `env` set on top.
ProcessResult RunProcess(const std::vector<std::string>& argv, const EnvironmentOverrides& env = {},
                         std::chrono::seconds timeout = std::chrono::seconds(120));
// "cmd arg ...", exit status and output, for failure messages.
std::string Describe(const std::vector<std::string>& argv, const ProcessResult& result);

}  // namespace veltrim::test
