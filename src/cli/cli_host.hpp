#pragma once
// The print job's host on the command line: the number boxes are the
// options, the report box is a string, message boxes go to stderr, the
// machine's facts come from the platform.

#include <chrono>
#include <map>
#include <string>

#include "cli_options.hpp"
#include "print/print_host.hpp"

namespace veltrim::cli {

class CliHost final : public PrintHost {
 public:
  explicit CliHost(const Settings& settings);

  std::string ReadControlText(int controlId) override;
  void SetReport(std::string_view report) override { report_ = report; }
  double ClockMilliseconds() override;
  void ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon) override;
  HostFacts ReadHostFacts() override;  // per platform: cli_host_facts_*.cpp
  std::string ProgramFilePath() override;

  const std::string& Report() const { return report_; }

 private:
  std::map<int, std::string> boxes_;
  std::string report_;
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

}  // namespace veltrim::cli
