#include "core/print/print_engine.hpp"

#include <string>

#include "core/measure/measure_page.hpp"
#include "core/page/page_context.hpp"
#include "core/print/page_dispatch.hpp"
#include "core/support/dyn_string.hpp"
#include "core/support/number_text.hpp"

namespace veltrim {
namespace {

float Clock(PrintHost& host) { return static_cast<float>(host.ClockMilliseconds()); }

void Mark(DynString& report, bool ok, const char* step) {
  report.Append(ok ? "[v] " : "[x] ").Append(step).Append("\r\n");
}

void RunDocuments(PrintHost& host, PrintDevice& device, const PrintJob& job, const PrintOutcome& chosen,
                  DynString& report) {
  PageGeometry geometry = ReadPageGeometry(device.Page());
  for (int doc = 0; doc < job.settings.documents; ++doc) {
    if (device.StartDocA(kDocumentName) == kSpError) {
      Mark(report, false, "StartDoc()");
      continue;
    }
    Mark(report, true, "StartDoc()");
    for (int page = 0; page < job.settings.pages; ++page) {
      if (device.StartPage() <= 0) {
        Mark(report, false, "StartPage()");
        continue;
      }
      Mark(report, true, "StartPage()");
      PageContext context{device.Page(), geometry, job.selection, job.settings, chosen.printerName, host,
                          chosen.printerPort};
      if (job.measureTarget)
        DrawMeasurePage(context);
      else
        DrawPage(context);
      Mark(report, device.EndPage() > 0, "EndPage()");
    }
    Mark(report, device.EndDoc() > 0, "EndDoc()");
  }
}

}  // namespace

PrintOutcome PrintEngine(PrintHost& host, PrintTarget& target, const PrintJob& job) {
  PrintOutcome outcome;
  DynString report;
  report.Assign(kReportHeader);
  float start = Clock(host);
  PrintChoice choice = target.Choose();
  if (!choice.accepted) {
    Mark(report, false, "PrintDlg()");
  } else {
    Mark(report, true, "PrintDlg()");
    start = Clock(host);
    outcome.accepted = true;
    outcome.printerName = choice.printerName;
    outcome.printerPort = choice.printerPort;
    Mark(report, choice.device != nullptr, "pd.hDC");
    if (choice.device) {
      // A target the paper cannot hold is refused before any document starts.
      if (job.measureTarget) outcome.refusal = MeasurePageRefusal(choice.device->Page());
      if (outcome.refusal.empty()) RunDocuments(host, *choice.device, job, outcome, report);
      choice.device.reset();
    }
  }
  const float seconds = (Clock(host) - start) / 1000.0f;
  report.Append("\r\nPrint Time: ").Append(FloatToText(seconds, 100).c_str()).Append(" seconds.");
  outcome.report = report.View();
  return outcome;
}

}  // namespace veltrim
