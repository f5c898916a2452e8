#include "core/patterns/colour/bitmapped_image_page.hpp"

#include <string>

#include "core/page/title_line.hpp"
#include "core/support/program_paths.hpp"

namespace veltrim {
namespace {

// A loaded bitmap, deleted on every path; never selected into the page.
class LoadedBitmap {
 public:
  LoadedBitmap(Surface& surface, const char* path) : surface_(surface), bitmap_(surface.LoadBitmapFile(path)) {}
  ~LoadedBitmap() {
    if (bitmap_) surface_.DeleteObject(bitmap_);
  }
  LoadedBitmap(const LoadedBitmap&) = delete;
  LoadedBitmap& operator=(const LoadedBitmap&) = delete;
  ObjectHandle Get() const { return bitmap_; }

 private:
  Surface& surface_;
  ObjectHandle bitmap_;
};

}  // namespace

void DrawBitmappedImagePage(PageContext& page) {
  const std::string path = PathBesideProgram(page.host.ProgramFilePath(), kBitmapDataFileName);
  const LoadedBitmap bitmap(page.dc, path.c_str());
  if (!bitmap.Get()) {
    page.host.ShowMessage(kBitmapLoadFailedText, kApplicationErrorCaption, MessageIcon::Stop);
    return;
  }
  // The surface copies through a memory context of its own; a failed copy
  // is that context failing, and the page stays blank.
  const int width = page.geometry.pageWidth;
  const int height = page.geometry.pageHeight;
  if (!page.dc.StretchBlt(0, 0, width, height, bitmap.Get(), 0, 0, kPictureWidth, kPictureHeight)) {
    page.host.ShowMessage(kBitmapCopyFailedText, kApplicationErrorCaption, MessageIcon::Stop);
    return;
  }
  // The title over the picture; the background mode is put back after, so
  // the next page starts from the surface's own state.
  const int previousMode = page.dc.SetBkMode(kTransparent);
  Rect area{0, 0, width, height};
  page.dc.DrawTextA(std::string(kTitleVersion2) + page.printerName, area,
                    kDtWordBreak | kDtNoPrefix | kDtEditControl);
  if (previousMode != 0) page.dc.SetBkMode(previousMode);
}

}  // namespace veltrim
