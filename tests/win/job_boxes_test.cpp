// The job's numbers read from real edit controls: atoi's reading of what a box may hold (typing allows only digits,
// but a box's text can be set to anything).
#include "win32/main_window/job_boxes.hpp"

#include <gtest/gtest.h>

#include <climits>
#include <tuple>
#include <utility>

#include "backends/gdi/win_handles.hpp"

namespace veltrim {
namespace {

TEST(JobBoxes, EachBoxIsReadAsAtoiReadsItsText) {
  const win::OwnedWindow parent(
      ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr));
  for (const auto& [id, text] : {std::pair{1180, "12abc"}, {1182, "two"}, {1184, "99999999999"}, {1186, "  -7"},
                                 {1268, ""}})
    ::CreateWindowExA(0, "EDIT", text, WS_CHILD, 0, 0, 50, 16, parent.Get(),
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
  const JobSettings settings = ReadJobSettings(parent.Get());
  EXPECT_EQ(std::tuple(settings.documents, settings.pages, settings.coverage, settings.offsetMm, settings.dotCoverage),
            std::tuple(12, 0, INT_MAX, -7, 0));
}

}  // namespace
}  // namespace veltrim
