// A raster job's resolution: what the printer lists, read and held to a
// size a full sheet can be drawn at.
#include <gtest/gtest.h>

#include <vector>

#include "core/print/raster_resolution.hpp"

namespace veltrim {
namespace {

TEST(RasterResolution, AppleRasterWords) {
  EXPECT_EQ(UrfResolutions("RS300"), (std::vector<int>{300}));
  EXPECT_EQ(UrfResolutions("RS300-600"), (std::vector<int>{300, 600}));
  EXPECT_EQ(UrfResolutions("RS300-600-"), (std::vector<int>{300, 600}));
  EXPECT_EQ(UrfResolutions("W8"), std::vector<int>{});
  EXPECT_EQ(UrfResolutions("RS"), std::vector<int>{});
  EXPECT_EQ(UrfResolutions("RS-300"), std::vector<int>{});
  EXPECT_EQ(UrfResolutions("RS0-300"), std::vector<int>{});
  // Past int's limit: no number at all, never a wrapped one.
  EXPECT_EQ(UrfResolutions("RS99999999999"), std::vector<int>{});
  EXPECT_EQ(UrfResolutions("RS300-99999999999"), (std::vector<int>{300}));
}

TEST(RasterResolution, NearestListedWithinWhatASheetCanBeDrawnAt) {
  const std::vector<DotsPerInch> both{{300, 300}, {600, 600}};
  EXPECT_EQ(ChooseRasterResolution(both, {600, 600}), (DotsPerInch{600, 600}));
  EXPECT_EQ(ChooseRasterResolution(both, {360, 360}), (DotsPerInch{300, 300}));
  // Axes apart: the nearest on both together.
  const std::vector<DotsPerInch> apart{{600, 300}, {300, 600}};
  EXPECT_EQ(ChooseRasterResolution(apart, {600, 360}), (DotsPerInch{600, 300}));
  // A claim of 4800 dpi (a sheet of gigabytes) is passed over for what else is listed.
  const std::vector<DotsPerInch> huge{{4800, 4800}, {300, 300}};
  EXPECT_EQ(ChooseRasterResolution(huge, {4800, 4800}), (DotsPerInch{300, 300}));
  EXPECT_EQ(ChooseRasterResolution(std::vector<DotsPerInch>{{4800, 1200}}, {4800, 1200}), std::nullopt);
  // Nothing listed: the default, if a sheet can be drawn at it.
  EXPECT_EQ(ChooseRasterResolution({}, {600, 600}), (DotsPerInch{600, 600}));
  EXPECT_EQ(ChooseRasterResolution({}, {2400, 2400}), std::nullopt);
  EXPECT_EQ(ChooseRasterResolution({}, {0, 0}), std::nullopt);
}

}  // namespace
}  // namespace veltrim
