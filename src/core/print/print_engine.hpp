#pragma once
// The print job: lets the user choose the printer, runs the documents and
// pages with the ticked patterns of the current category and writes a
// step-by-step report of every spooler call, ending with the time the run
// took.

#include <string>

#include "core/job/job_settings.hpp"
#include "core/job/test_selection.hpp"
#include "core/page/print_host.hpp"
#include "core/platform/print_device.hpp"

namespace veltrim {

inline constexpr const char* kDocumentName = "QORVEL Veltrim v2";
inline constexpr const char* kReportHeader = "QORVEL Veltrim v2\r\n-------------------\r\n";

// What to print: the selection and the numbers, as the front end read them;
// or, instead of the selection, the measurement target on every page.
struct PrintJob {
  TestSelection selection;
  JobSettings settings;
  bool measureTarget = false;
};

// What came of it: the report, and the printer the dialog chose with its
// port (both empty when the dialog was not accepted).
struct PrintOutcome {
  std::string report;
  bool accepted = false;
  std::string printerName;
  std::string printerPort;
  std::string refusal;  // why nothing was printed: the measurement target does not fit the paper
};

PrintOutcome PrintEngine(PrintHost& host, PrintTarget& target, const PrintJob& job);

}  // namespace veltrim
