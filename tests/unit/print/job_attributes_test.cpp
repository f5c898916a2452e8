// The job attributes a user asks a printer for: the shape of a value, what is sent, the refusal of a value the
// printer does not list, and how they are told after the report.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/print/job_attributes.hpp"

namespace veltrim {
namespace {

TEST(JobAttributes, KeywordShape) {
  const struct {
    const char* name;
    const char* keyword;
    const char* refusal;  // nullptr: taken
  } rows[] = {
      {"sides", "two-sided-long-edge", nullptr},
      {"media", "na_number-10_4.125x9.5in", nullptr},
      {"print-color-mode", "monochrome", nullptr},
      {"print-quality", "high", nullptr},
      {"sides", "Two-Sided", "--sides: \"Two-Sided\" is not a keyword: use lower-case letters, digits, '-', '_' and '.'"},
      {"media", "a4 paper", "--media: \"a4 paper\" is not a keyword"},
      {"media-source", "", "--media-source: empty value"},
      {"print-quality", "5", "--print-quality: \"5\" is not a quality: give draft, normal or high"},
  };
  for (const auto& row : rows) {
    const std::optional<std::string> refusal = KeywordRefusal(row.name, row.keyword);
    SCOPED_TRACE(std::string(row.name) + "=" + row.keyword);
    ASSERT_EQ(refusal.has_value(), row.refusal != nullptr) << refusal.value_or("");
    if (refusal) {
      EXPECT_EQ(refusal->rfind(row.refusal, 0), 0u) << *refusal;
    }
  }
}

// print-quality goes as its enum; every other keyword as it is.
TEST(JobAttributes, QualityIsSentAsItsEnum) {
  EXPECT_EQ(IppValue({"print-quality", "draft"}), "3");
  EXPECT_EQ(IppValue({"print-quality", "normal"}), "4");
  EXPECT_EQ(IppValue({"print-quality", "high"}), "5");
  EXPECT_EQ(IppValue({"sides", "one-sided"}), "one-sided");
  EXPECT_EQ(QualityKeyword(3), "draft");
  EXPECT_EQ(QualityKeyword(5), "high");
  EXPECT_EQ(QualityKeyword(2), "");
  EXPECT_EQ(QualityKeyword(6), "");
}

TEST(JobAttributes, AValueThePrinterDoesNotListIsRefusedWithItsList) {
  const std::vector<std::string> oneSided{"one-sided"}, qualities{"draft", "normal"}, none;
  EXPECT_EQ(UnsupportedRefusal({"sides", "two-sided-long-edge"}, oneSided),
            "sides two-sided-long-edge is not supported; it supports: one-sided");
  EXPECT_EQ(UnsupportedRefusal({"print-quality", "high"}, qualities),
            "print-quality high is not supported; it supports: draft, normal");
  EXPECT_EQ(UnsupportedRefusal({"media-source", "manual"}, none),
            "media-source manual is not supported; the printer lists no media-source values");
  EXPECT_EQ(UnsupportedRefusal({"print-quality", "normal"}, qualities), std::nullopt);
  EXPECT_EQ(UnsupportedRefusal({"sides", "One-sided"}, oneSided).has_value(), true) << "keywords are exact";
}

TEST(JobAttributes, ToldAfterTheReportAndInJson) {
  const JobAttributes asked{{"sides", "two-sided-long-edge"}, {"media-source", "manual"}};
  EXPECT_EQ(JobAttributesLine(asked), "\r\nJob attributes: sides=two-sided-long-edge, media-source=manual");
  EXPECT_EQ(JobAttributesLine({}), "");
  const std::string run = "{\"report\":\"x\",\"jobs\":[]}";
  EXPECT_EQ(WithJobAttributesJson(run, asked),
            "{\"report\":\"x\",\"jobs\":[],\"jobAttributes\":{\"sides\":\"two-sided-long-edge\","
            "\"media-source\":\"manual\"}}");
  EXPECT_EQ(WithJobAttributesJson(run, {}), run);
}

}  // namespace
}  // namespace veltrim
