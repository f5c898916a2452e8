#pragma once
// The photograph-like test picture printed by the Bitmapped Image page
// (myimg.qrv): where each part lies, so that tests can predict its colours
// on a printed page. Picture pixels, (0,0) top-left.

#include <array>
#include <cstdint>

namespace veltrim::art {

inline constexpr int kTestPictureWidth = 1240;
inline constexpr int kTestPictureHeight = 1754;

// Landscape: sky from the top down to the horizon, then hills and foliage.
inline constexpr int kHorizonY = 420;
inline constexpr int kLandscapeBottom = 700;

// The 24-patch colour chart: 6 columns by 4 rows, each patch with its 8-bit
// sRGB values written below it.
struct ChartPatch {
  const char* name;
  std::uint8_t red, green, blue;
};

inline constexpr std::array<ChartPatch, 24> kChartPatches = {{
    {"dark skin", 115, 82, 68},      {"light skin", 194, 150, 130}, {"blue sky", 98, 122, 157},
    {"foliage", 87, 108, 67},        {"blue flower", 133, 128, 177}, {"bluish green", 103, 189, 170},
    {"orange", 214, 126, 44},        {"purplish blue", 80, 91, 166}, {"moderate red", 193, 90, 99},
    {"purple", 94, 60, 108},         {"yellow green", 157, 188, 64}, {"orange yellow", 224, 163, 46},
    {"blue", 56, 61, 150},           {"green", 70, 148, 73},         {"red", 175, 54, 60},
    {"yellow", 231, 199, 31},        {"magenta", 187, 86, 149},      {"cyan", 8, 133, 161},
    {"white", 243, 243, 242},        {"neutral 8", 200, 200, 200},   {"neutral 6.5", 160, 160, 160},
    {"neutral 5", 122, 122, 121},    {"neutral 3.5", 85, 85, 85},    {"black", 52, 52, 52},
}};

inline constexpr int kChartColumns = 6;
inline constexpr int kChartLeft = 40;
inline constexpr int kChartTop = 740;
inline constexpr int kPatchWidth = 180;
inline constexpr int kPatchHeight = 96;
inline constexpr int kPatchGapX = 16;
inline constexpr int kPatchPitchY = 128;  // patch, its label, and a gap

struct PatchBox {
  int left, top, right, bottom;
};

constexpr PatchBox ChartPatchBox(int index) {
  const int column = index % kChartColumns;
  const int row = index / kChartColumns;
  const int left = kChartLeft + column * (kPatchWidth + kPatchGapX);
  const int top = kChartTop + row * kPatchPitchY;
  return {left, top, left + kPatchWidth, top + kPatchHeight};
}

// The grey ramps: a smooth one from black to white, and 21 steps of 5 %.
inline constexpr int kRampLeft = 40;
inline constexpr int kRampRight = 1200;
inline constexpr int kSmoothRampTop = 1270;
inline constexpr int kSmoothRampBottom = 1340;
inline constexpr int kStepRampTop = 1350;
inline constexpr int kStepRampBottom = 1420;
inline constexpr int kGreySteps = 21;

}  // namespace veltrim::art
