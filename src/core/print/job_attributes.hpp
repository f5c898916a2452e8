#pragma once
// The job attributes a user asks a printer for (sides, media, media source,
// colour mode, quality): their IPP names, the shape of a value, whether a
// printer's list takes it, and how they are told after the report.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace veltrim {

// One asked attribute: the IPP name and the keyword the user gave
// ("print-quality" keeps "draft", "normal" or "high"; `IppValue` gives its enum).
struct JobAttribute {
  std::string name;
  std::string keyword;
  bool operator==(const JobAttribute&) const = default;
};

// In the order of kJobAttributeNames, each name at most once.
using JobAttributes = std::vector<JobAttribute>;

// The attributes a job may ask for, in the order they are told.
inline constexpr std::string_view kJobAttributeNames[] = {"sides", "media", "media-source", "print-color-mode",
                                                          "print-quality"};

// Why `keyword` cannot be a value of `name`; nothing when it can. A keyword
// is lower-case letters, digits, '-', '_' and '.'; print-quality takes draft,
// normal or high.
std::optional<std::string> KeywordRefusal(std::string_view name, std::string_view keyword);

// The value as sent: print-quality's keyword as its enum (3, 4, 5), any
// other keyword as it is.
std::string IppValue(const JobAttribute& attribute);

// print-quality's enum as its keyword ("" for a value it does not name).
std::string_view QualityKeyword(int value);

// Nothing when `supported` (what the printer lists, as keywords) holds the
// asked keyword; else the sentence that refuses it and lists the supported
// values: "sides two-sided-long-edge is not supported; it supports: one-sided".
std::optional<std::string> UnsupportedRefusal(const JobAttribute& attribute, std::span<const std::string> supported);

// The line after the report: CR LF (the report's last line has none) and
// "Job attributes: sides=two-sided-long-edge, media-source=manual"; empty
// when none was asked.
std::string JobAttributesLine(const JobAttributes& attributes);

// `json`, an object, with "jobAttributes":{"sides":"...",...} added at its
// end; unchanged when none was asked.
std::string WithJobAttributesJson(std::string json, const JobAttributes& attributes);

}  // namespace veltrim
