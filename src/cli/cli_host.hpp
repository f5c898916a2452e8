#pragma once
// The print job's host on the command line: message boxes go to stderr, the
// machine's facts come from the platform.

#include <chrono>
#include <string>

#include "core/page/print_host.hpp"

namespace veltrim::cli {

class CliHost final : public PrintHost {
 public:
  double ClockMilliseconds() override;
  void ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon) override;
  HostFacts ReadHostFacts() override;  // per platform: cli_host_facts_*.cpp
  std::string ProgramFilePath() override;

 private:
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

}  // namespace veltrim::cli
