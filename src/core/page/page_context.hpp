#pragma once
// What every page pattern draws with: the printer's surface, the page's
// geometry, the job (selection and numbers), the printer's name and port,
// and the front end for messages and the machine's facts.

#include <string>
#include <string_view>

#include "core/job/job_settings.hpp"
#include "core/job/test_selection.hpp"
#include "core/page/page_geometry.hpp"
#include "core/page/print_host.hpp"
#include "core/platform/surface.hpp"

namespace veltrim {

struct PageContext {
  Surface& dc;
  PageGeometry& geometry;
  const TestSelection& selection;
  const JobSettings& job;
  const std::string& printerName;
  PrintHost& host;
  std::string_view printerPort = {};  // the port the print dialog showed; may be empty
};

}  // namespace veltrim
