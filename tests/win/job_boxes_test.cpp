// The job's numbers read from real edit controls: atoi's reading of what a box may hold (typing allows only digits,
// but a box's text can be set to anything).
#include "win32/main_window/job_boxes.hpp"

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "backends/gdi/win_handles.hpp"

namespace veltrim {
namespace {

// A hidden parent with an edit control for each of the main window's number boxes.
class Boxes {
 public:
  Boxes() : parent_(::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr)) {
    for (const int id : {1180, 1182, 1184, 1186, 1268})
      ::CreateWindowExA(0, "EDIT", "", WS_CHILD, 0, 0, 50, 16, parent_.Get(),
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
  }
  Boxes& Set(int id, const std::string& text) {
    ::SetDlgItemTextA(parent_.Get(), id, text.c_str());
    return *this;
  }
  HWND Window() const { return parent_.Get(); }

 private:
  win::OwnedWindow parent_;
};

TEST(JobBoxes, EachBoxIsReadAsAtoiReadsItsText) {
  Boxes boxes;
  boxes.Set(1180, "12abc").Set(1182, "two").Set(1184, "99999999999").Set(1186, "  -7").Set(1268, "");
  const JobSettings settings = ReadJobSettings(boxes.Window());
  EXPECT_EQ(std::tuple(settings.documents, settings.pages, settings.coverage, settings.offsetMm, settings.dotCoverage),
            std::tuple(12, 0, INT_MAX, -7, 0));
}

}  // namespace
}  // namespace veltrim
