#pragma once
// The annotated picture of a measured scan: the scan reduced, with the marks
// found, the paper's edges, the printed image's frame and the margins drawn
// and labelled, on any surface.

#include "core/measure/scan_measure.hpp"
#include "core/platform/pixel_canvas.hpp"

namespace veltrim {

inline constexpr double kAnnotationPxPerMm = 4;  // about 100 dpi

struct AnnotationSize {
  int width = 0, height = 0;
};
AnnotationSize AnnotationSizeOf(const GreyImage& scan);

// Draws on a canvas of AnnotationSizeOf(scan).
void DrawScanAnnotation(const PixelCanvas& canvas, const GreyImage& scan, const ScanMeasurement& measured);

}  // namespace veltrim
