// veltrim: the command-line front end. Runs the print job of the main
// window headless on a printer or into files, draws the main window's
// preview and the large preview's pictures into PNG files, reports on a
// printer, and lists the printers.
#include <cstdio>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "cli/cli_host.hpp"
#include "cli/cli_info.hpp"
#include "cli/cli_measure.hpp"
#include "cli/cli_options.hpp"
#include "cli/cli_plot.hpp"
#include "cli/cli_preview.hpp"
#include "cli/cli_targets.hpp"
#include "cli/failures.hpp"
#include "cli/jobs.hpp"
#include "cli/progress.hpp"
#include "core/print/print_engine.hpp"
#include "core/support/dyn_string.hpp"
#include "core/support/file_helpers.hpp"

namespace veltrim::cli {
namespace {

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

int RunPrint(const Options& options) {
  std::string error;
  auto target = MakeTarget(options, error);
  if (!target) {
    std::fprintf(stderr, "veltrim: %s\n", error.c_str());
    return kExitUsage;
  }
  std::vector<SubmittedJob> submitted;
  target = ReportingFailures(std::move(target), options.printer);
  target = WithProgress(NotingJobs(std::move(target), submitted), options.settings.documents * options.settings.pages);

  CliHost host;
  const PrintOutcome outcome = PrintEngine(host, *target, {options.selection, options.settings, options.measurePage});
  if (!outcome.refusal.empty()) {
    std::fprintf(stderr, "veltrim: %s\n", outcome.refusal.c_str());
    return kExitUsage;
  }
  const std::string& report = outcome.report;

  int status = report.find("[x]") == std::string::npos ? kExitOk : kExitFailed;
  // The report keeps its bytes; the jobs' fates follow it.
  std::vector<FollowedJob> followed;
  if (options.waitSeconds) {
    followed = WaitForJobs(options.printer, submitted, *options.waitSeconds);
    if (!AllCompleted(followed)) status = kExitFailed;
  }
  if (options.json) {
    const std::string json = RunJson(report, followed) + "\n";
    std::fwrite(json.data(), 1, json.size(), stdout);
  } else {
    std::fwrite(report.data(), 1, report.size(), stdout);
    if (options.waitSeconds) {
      const std::string section = JobSection(followed);
      std::fwrite(section.data(), 1, section.size(), stdout);
    }
  }
  std::fflush(stdout);
  if (!options.report.empty() &&
      WriteTextFile(options.report.c_str(), report.data(), report.size(), 1) != 1) {
    std::fprintf(stderr, "veltrim: cannot write the report to %s\n", options.report.c_str());
    status = kExitFailed;
  }
  return status;
}

// The report goes out as it is (CR LF and all); a printer the platform does
// not know is a failure with a message, a bad file target a usage error.
int RunInfo(const Options& options) {
  std::string out, error;
  if (!BuildInfo(options, out, error)) {
    std::fprintf(stderr, "veltrim: %s\n", error.c_str());
    return options.printer.empty() ? kExitUsage : kExitFailed;
  }
  std::fwrite(out.data(), 1, out.size(), stdout);
  const bool written = std::fflush(stdout) == 0;
  if (!error.empty()) std::fprintf(stderr, "veltrim: %s\n", error.c_str());
  return written && error.empty() ? kExitOk : kExitFailed;
}

// The picture commands: the command line has made sure of a .png output.
int RunPreview(const Options& options) {
  std::string error;
  if (!WritePreviewPng(options.selection, options.settings.offsetMm,
                       options.output.empty() ? kDefaultPreviewOutput : options.output, error)) {
    std::fprintf(stderr, "veltrim: %s\n", error.c_str());
    return kExitFailed;
  }
  return kExitOk;
}

int RunPlot(const Options& options) {
  std::string error, note;
  if (!WritePlotPng(options.plot, options.selection, options.output, error, note)) {
    std::fprintf(stderr, "veltrim: %s\n", error.c_str());
    return kExitFailed;
  }
  if (!note.empty()) std::fprintf(stderr, "veltrim: %s\n", note.c_str());
  return kExitOk;
}

int RunPrinters() {
  std::vector<PrinterEntry> printers;
  std::string error;
  if (!ListPrinters(printers, error)) {
    std::fprintf(stderr, "veltrim: %s\n", error.c_str());
    return kExitFailed;
  }
  for (const auto& printer : printers)
    std::printf("%s %s\t%s\n", printer.isDefault ? "*" : " ", printer.name.c_str(), printer.port.c_str());
  return kExitOk;
}

}  // namespace
}  // namespace veltrim::cli

int main(int argc, char** argv) {
  using namespace veltrim::cli;
#ifdef _WIN32
  // The report's CR LF line ends go out as they are.
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  const std::vector<std::string> args(argv + 1, argv + argc);
  const ParseResult parsed = ParseCommandLine(args.empty() ? std::vector<std::string>{"print"} : args);
  if (!parsed.options) {
    std::fprintf(stderr, "veltrim: %s\n\n%s", parsed.error.c_str(), kUsage);
    return kExitUsage;
  }
  switch (parsed.options->command) {
    case Command::Help: std::fputs(kUsage, stdout); return kExitOk;
    case Command::Version: std::printf("veltrim %s\n", VELTRIM_VERSION); return kExitOk;
    case Command::Printers: return RunPrinters();
    case Command::Jobs: return RunJobs(*parsed.options);
    case Command::Info: return RunInfo(*parsed.options);
    case Command::Preview: return RunPreview(*parsed.options);
    case Command::Plot: return RunPlot(*parsed.options);
    case Command::Measure: return RunMeasure(parsed.options->measure, parsed.options->json);
    case Command::Print: break;
  }
  return RunPrint(*parsed.options);
}
