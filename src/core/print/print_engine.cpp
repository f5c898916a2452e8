#include "print/print_engine.hpp"

#include <string>

#include "print/page_dispatch.hpp"
#include "support/number_text.hpp"
#include "support/saturating.hpp"

namespace veltrim {
namespace {

float Clock(PrintHost& host) { return static_cast<float>(host.ClockMilliseconds()); }

void Mark(DynString& report, bool ok, const char* step) {
  report.Append(ok ? "[v] " : "[x] ").Append(step).Append("\r\n");
}

// An integer quotient of two capabilities as a float; a device that reports
// a size of 0 mm gets 0 rather than a division by zero.
float PixelsPerMm(int resolution, int sizeMm) {
  return sizeMm > 0 ? static_cast<float>(resolution / sizeMm) : 0.0f;
}

void RunDocuments(PrintHost& host, PrintDevice& device, const TestSelection& selection,
                  const std::string& printerName, std::string_view printerPort, int documents, int pages, int offsetMm, DynString& report) {
  PageGeometry geometry = ReadPageGeometry(device.Page());
  geometry.offsetMm = offsetMm;
  for (int doc = 0; doc < documents; ++doc) {
    if (device.StartDocA(kDocumentName) == kSpError) {
      Mark(report, false, "StartDoc()");
      continue;
    }
    Mark(report, true, "StartDoc()");
    for (int page = 0; page < pages; ++page) {
      if (device.StartPage() <= 0) {
        Mark(report, false, "StartPage()");
        continue;
      }
      Mark(report, true, "StartPage()");
      PageContext context{device.Page(), geometry, selection, printerName, host, printerPort};
      DrawPage(context);
      Mark(report, device.EndPage() > 0, "EndPage()");
    }
    Mark(report, device.EndDoc() > 0, "EndDoc()");
  }
}

}  // namespace

PageGeometry ReadPageGeometry(Surface& dc) {
  PageGeometry geometry;
  TextMetrics metrics;
  dc.GetTextMetricsA(metrics);
  geometry.lineHeight = metrics.tmHeight + metrics.tmExternalLeading + 2;
  geometry.pageWidth = dc.GetDeviceCaps(DeviceCap::HorzRes);
  geometry.pageHeight = dc.GetDeviceCaps(DeviceCap::VertRes);
  const int vertRes = dc.GetDeviceCaps(DeviceCap::VertRes);
  geometry.pxPerMmY = PixelsPerMm(vertRes, dc.GetDeviceCaps(DeviceCap::VertSize));
  const int horzRes = dc.GetDeviceCaps(DeviceCap::HorzRes);
  geometry.pxPerMmX = PixelsPerMm(horzRes, dc.GetDeviceCaps(DeviceCap::HorzSize));
  return geometry;
}

int OffsetInDeviceUnits(int offsetMm, float pxPerMmX) {
  // Held where every block it moves is off the page already, so that the
  // blocks' positions below it stay within int and every surface draws them.
  return SaturatedInt(static_cast<float>(offsetMm) * pxPerMmX, -kFarOffPage, kFarOffPage);
}

void PrintEngine(PrintHost& host, PrintTarget& target, const TestSelection& selection, std::string& printerName,
                 DynString& report) {
  const int pages = TextToInt(host.ReadControlText(kIdPagesPerDoc).c_str());
  const int documents = TextToInt(host.ReadControlText(kIdDocs).c_str());
  const int offsetMm = TextToInt(host.ReadControlText(kIdPaperOffset).c_str());

  report.Assign(kReportHeader);
  float start = Clock(host);
  PrintChoice choice = target.Choose();
  if (!choice.accepted) {
    Mark(report, false, "PrintDlg()");
  } else {
    Mark(report, true, "PrintDlg()");
    start = Clock(host);
    printerName = choice.printerName;
    Mark(report, choice.device != nullptr, "pd.hDC");
    if (choice.device) {
      RunDocuments(host, *choice.device, selection, printerName, choice.printerPort, documents, pages, offsetMm, report);
      choice.device.reset();
    }
  }
  const float seconds = (Clock(host) - start) / 1000.0f;
  report.Append("\r\nPrint Time: ").Append(FloatToText(seconds, 100).c_str()).Append(" seconds.");
  host.SetReport(report.View());
}

}  // namespace veltrim
