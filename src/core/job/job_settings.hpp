#pragma once
// The numbers of a print job (documents, pages, coverage, paper offset, dot
// coverage) and the one table of their ranges and defaults. The window's
// boxes and spins, the command line's options and the art tool all take
// their limits and start values from here.

#include <array>
#include <cstddef>

namespace veltrim {

enum class JobNumber : int { Documents, Pages, Coverage, PaperOffset, DotCoverage };
inline constexpr int kJobNumberCount = 5;

struct JobRange {
  int lower;
  int upper;
  int start;
};

// Indexed by JobNumber.
inline constexpr std::array<JobRange, kJobNumberCount> kJobRanges{{
    {1, 100, 1},          // No of docs
    {1, 100, 1},          // Pages/doc
    {1, 100, 100},        // Coverage (%): the full-page fills' intensity
    {-1000, 1000, 0},     // Y Paper offset (mm)
    {1, 100, 1},          // the Custom tab's Color Coverage percent
}};

constexpr const JobRange& RangeOf(JobNumber number) {
  return kJobRanges[static_cast<std::size_t>(number)];
}

// The value `value` settles on within the number's range.
constexpr int ClampToRange(JobNumber number, int value) {
  const JobRange& range = RangeOf(number);
  return value < range.lower ? range.lower : value > range.upper ? range.upper : value;
}

// A job's numbers as the front end read them. The window passes what its
// boxes hold, which typing may have put outside the ranges; the pages take
// any value.
struct JobSettings {
  int documents = RangeOf(JobNumber::Documents).start;
  int pages = RangeOf(JobNumber::Pages).start;
  int coverage = RangeOf(JobNumber::Coverage).start;
  int offsetMm = RangeOf(JobNumber::PaperOffset).start;
  int dotCoverage = RangeOf(JobNumber::DotCoverage).start;

  // The field of `number`.
  constexpr int& operator[](JobNumber number) {
    switch (number) {
      case JobNumber::Documents: return documents;
      case JobNumber::Pages: return pages;
      case JobNumber::Coverage: return coverage;
      case JobNumber::PaperOffset: return offsetMm;
      case JobNumber::DotCoverage: break;
    }
    return dotCoverage;
  }
  constexpr int operator[](JobNumber number) const { return const_cast<JobSettings&>(*this)[number]; }
  friend bool operator==(const JobSettings&, const JobSettings&) = default;
};

}  // namespace veltrim
