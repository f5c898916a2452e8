#pragma once
// What every page pattern draws with: the printer's surface, the job's page
// geometry, the selection and the printer's name and port.

#include <string>
#include <string_view>

#include "app/test_selection.hpp"
#include "platform/surface.hpp"
#include "print/print_host.hpp"

namespace veltrim {

struct PageGeometry {
  int lineHeight = 0;   // tmHeight + tmExternalLeading + 2 of the default font
  int pageWidth = 0;    // HORZRES
  int pageHeight = 0;   // VERTRES
  float pxPerMmX = 0;   // HORZRES / HORZSIZE, an integer quotient
  float pxPerMmY = 0;   // VERTRES / VERTSIZE, an integer quotient
  int offsetMm = 0;     // the Y paper offset box
  int offsetY = 0;      // offsetMm * pxPerMmX, truncated, held to +-kFarOffPage; set per page
  int cursorY = 0;      // the running position of the stacked blocks
};

struct PageContext {
  Surface& dc;
  PageGeometry& geometry;
  const TestSelection& selection;
  const std::string& printerName;
  PrintHost& host;
  std::string_view printerPort = {};  // the port the print dialog showed; may be empty
};

}  // namespace veltrim
