// One pattern drawn on a recording surface with the job's real geometry, and
// ways to read back what it drew.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "print/page_context.hpp"
#include "print/print_engine.hpp"
#include "recording_surface.hpp"
#include "test_print_host.hpp"

namespace veltrim::test {

// HORZRES 4800, VERTRES 6600, HORZSIZE 203, VERTSIZE 279: 23 dots a
// millimetre both ways, cm1 236, cm2 473, cm4 946.
inline RecordingDevice LetterAt600Dpi() { return RecordingDevice::Printer(600, 600, 4800, 6600, 203, 279, 75, 75); }

struct PageRun {
  RecordingSurface surface;
  PageGeometry geometry;
  TestSelection selection;
  std::string printerName = "Queue 7";
  std::string printerPort = "CUPS:Queue 7";
  TestHost host;

  explicit PageRun(const RecordingDevice& device, int cursorY = 0) : surface(device) {
    geometry = ReadPageGeometry(surface);
    geometry.cursorY = cursorY;
    surface.ClearRecords();
  }

  PageContext Context() { return {surface, geometry, selection, printerName, host, printerPort}; }

  // Draws and answers the cursor the pattern left.
  int Draw(void (*pattern)(PageContext&)) {
    PageContext page = Context();
    pattern(page);
    return geometry.cursorY;
  }

  std::vector<std::vector<std::int64_t>> ArgsOf(std::string_view op) const {
    std::vector<std::vector<std::int64_t>> args;
    for (const Record& record : surface.RecordsOf(op)) args.push_back(record.args);
    return args;
  }
};

}  // namespace veltrim::test
