#include "core/page/title_line.hpp"

#include <string>

namespace veltrim {

void DrawTitleLine(PageContext& page, const char* title, int y) {
  const std::string line = std::string(title) + page.printerName;
  page.dc.TextOutA(0, y, line);
}

}  // namespace veltrim
