#include "win32/main_window/job_boxes.hpp"

#include <string>

#include "core/app/number_boxes.hpp"
#include "core/support/number_text.hpp"

namespace veltrim {

int ReadBoxNumber(HWND window, int id, std::size_t limit) {
  std::string text(limit, '\0');
  ::SendDlgItemMessageA(window, id, WM_GETTEXT, limit, reinterpret_cast<LPARAM>(text.data()));
  return TextToInt(text.c_str());
}

JobSettings ReadJobSettings(HWND window) {
  JobSettings settings;
  for (const NumberBox& box : kNumberBoxes) settings[box.number] = ReadBoxNumber(window, box.boxId, kJobBoxLimit);
  return settings;
}

}  // namespace veltrim
