#pragma once
// The main window's number boxes and their spins: which job number each
// holds (its range and start value are the job's), and what may be typed
// into a box.

#include <optional>

#include "core/job/job_settings.hpp"

namespace veltrim {

struct NumberBox {
  int boxId;
  int spinId;
  JobNumber number;
  constexpr const JobRange& Range() const { return RangeOf(number); }
};

inline constexpr int kIdDocs = 1180;
inline constexpr int kIdPagesPerDoc = 1182;
inline constexpr int kIdCoverage = 1184;
inline constexpr int kIdPaperOffset = 1186;
inline constexpr int kIdDotCoverage = 1268;

// No of docs, Pages/doc, Coverage (%), Y Paper offset (mm), and the coverage
// percent of the Custom tab's Color Coverage item.
inline constexpr NumberBox kNumberBoxes[] = {
    {kIdDocs, 1181, JobNumber::Documents},
    {kIdPagesPerDoc, 1183, JobNumber::Pages},
    {kIdCoverage, 1185, JobNumber::Coverage},
    {kIdPaperOffset, 1187, JobNumber::PaperOffset},
    {kIdDotCoverage, 1269, JobNumber::DotCoverage},
};

// The box whose own id or spin id is `id`.
std::optional<NumberBox> FindNumberBox(int id);

// Typing is limited to the digits 0..9; a sign reaches a box only through
// its spin.
bool AcceptsTypedCharacter(char c);

}  // namespace veltrim
