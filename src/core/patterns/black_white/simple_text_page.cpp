#include "core/patterns/black_white/simple_text_page.hpp"

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "core/platform/scoped_object.hpp"
#include "core/support/file_helpers.hpp"
#include "core/support/program_paths.hpp"

namespace veltrim {

void DrawSimpleTextPage(PageContext& page) {
  const std::string path = PathBesideProgram(page.host.ProgramFilePath(), kTextDataFileName);
  // A fresh zeroed block per page. LoadWholeFile refuses a file larger than
  // the block, so an oversized file is a failed load, never an overrun.
  std::vector<char> text(kSimpleTextBufferBytes, '\0');
  std::int32_t length = 0;
  if (LoadWholeFile(path.c_str(), text, length) != 1) {
    page.host.ShowMessage(kTextLoadFailedText, kApplicationErrorCaption, MessageIcon::Stop);
    return;
  }
  if (length <= 0) {
    page.host.ShowMessage(kTextCorruptText, kApplicationErrorCaption, MessageIcon::Stop);
    return;
  }

  LogFont font;
  // Negative: the character height without internal leading, about 4.44 mm.
  font.lfHeight = static_cast<std::int32_t>(page.geometry.pxPerMmX * 3999.0 / -900.0);
  font.lfWeight = 400;
  std::strncpy(font.lfFaceName, "Times New Roman", sizeof font.lfFaceName - 1);
  const ScopedObject selected = ScopedFont(page.dc, font);
  // The offset of the Y paper offset box does not apply to this page.
  Rect area{0, 0, page.geometry.pageWidth, page.geometry.pageHeight};
  page.dc.DrawTextA(std::string_view(text.data(), static_cast<std::size_t>(length)), area,
                    kDtWordBreak | kDtNoPrefix | kDtEditControl);
}

}  // namespace veltrim
