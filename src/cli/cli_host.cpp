#include "cli/cli_host.hpp"

#include <cstdio>

#include "cli/program_file.hpp"

namespace veltrim::cli {

double CliHost::ClockMilliseconds() {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start_).count();
}

void CliHost::ShowMessage(std::string_view text, std::string_view caption, MessageIcon) {
  std::fprintf(stderr, "%.*s: %.*s\n", static_cast<int>(caption.size()), caption.data(), static_cast<int>(text.size()),
               text.data());
}

std::string CliHost::ProgramFilePath() { return RunningProgramPath(); }

}  // namespace veltrim::cli
