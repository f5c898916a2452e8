#pragma once
// The print job: reads the settings, lets the user choose the printer, runs
// the documents and pages with the ticked patterns of the current category
// and writes a step-by-step report of every spooler call into the report
// box, ending with the time the run took.

#include "app/test_selection.hpp"
#include "platform/print_device.hpp"
#include "print/page_context.hpp"
#include "print/print_host.hpp"
#include "support/dyn_string.hpp"

namespace veltrim {

inline constexpr const char* kDocumentName = "QORVEL Veltrim v2";
inline constexpr const char* kReportHeader = "QORVEL Veltrim v2\r\n-------------------\r\n";

// Runs one job. `report` receives the report (the GUI passes its shared
// text); the host's report box gets a copy at the end. The printer name the
// print dialog chose is stored into `printerName` when it was accepted.
void PrintEngine(PrintHost& host, PrintTarget& target, const TestSelection& selection, std::string& printerName,
                 DynString& report);

// The geometry of a printer surface (offset and cursor left at 0).
PageGeometry ReadPageGeometry(Surface& dc);

// offsetMm millimetres in device units, by the horizontal factor, truncated
// and held to +-kFarOffPage.
int OffsetInDeviceUnits(int offsetMm, float pxPerMmX);

}  // namespace veltrim
