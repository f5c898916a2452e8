// The conformance table on the recording surface: the answers and the state it keeps "as GDI would" (it paints no
// pixels, so the probes are for the painting backends).
#include <gtest/gtest.h>

#include "../support/scratch_dir.hpp"
#include "backends/recording/recording_surface.hpp"
#include "surface_conformance.hpp"

namespace veltrim::conformance {
namespace {

class RecordingRows : public ::testing::TestWithParam<Row> {};

TEST_P(RecordingRows, Check) {
  const test::ScratchDir dir;
  const Context context{dir.Path("picture.bmp")};
  ASSERT_TRUE(WritePicture(context.picture));
  const DeviceCaps d = Device();
  RecordingSurface s(RecordingDevice::Printer(d.dpiX, d.dpiY, d.horzRes, d.vertRes, 25, 42, d.offsetX, d.offsetY));
  const Expected expected = ExpectedOn(GetParam(), kRecording);
  EXPECT_EQ(GetParam().draw(s, context), expected.answers);
  EXPECT_EQ(StateMismatch(s, expected.state), "");
}

INSTANTIATE_TEST_SUITE_P(Table, RecordingRows, ::testing::ValuesIn(Rows()),
                         [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace veltrim::conformance
