#include "cli_host.hpp"

#include <cstdio>

#include "program_file.hpp"
#include "support/number_text.hpp"

namespace veltrim::cli {

CliHost::CliHost(const Settings& settings)
    : boxes_{{kIdDocs, IntToText(settings.docs)},
             {kIdPagesPerDoc, IntToText(settings.pages)},
             {kIdCoverage, IntToText(settings.coverage)},
             {kIdPaperOffset, IntToText(settings.offsetMm)},
             {kIdDotCoverage, IntToText(settings.dotCoverage)}} {}

std::string CliHost::ReadControlText(int controlId) {
  const auto it = boxes_.find(controlId);
  return it == boxes_.end() ? std::string() : it->second;
}

double CliHost::ClockMilliseconds() {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start_).count();
}

void CliHost::ShowMessage(std::string_view text, std::string_view caption, MessageIcon) {
  std::fprintf(stderr, "%.*s: %.*s\n", static_cast<int>(caption.size()), caption.data(), static_cast<int>(text.size()),
               text.data());
}

std::string CliHost::ProgramFilePath() { return RunningProgramPath(); }

}  // namespace veltrim::cli
