#pragma once
// What `measure` prints: the figures as lines for a person, or as one JSON
// object, each with its uncertainty; with a second scan, the back's figures
// and the back's differences from the front.

#include <string>

#include "core/measure/scan_measure.hpp"

namespace veltrim {

std::string MeasureReportText(const ScanMeasurement& front, const ScanMeasurement* back);
std::string MeasureReportJson(const ScanMeasurement& front, const ScanMeasurement* back);

}  // namespace veltrim
