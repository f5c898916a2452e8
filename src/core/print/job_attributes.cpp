#include "core/print/job_attributes.hpp"

#include <algorithm>

#include "core/support/json_text.hpp"

namespace veltrim {
namespace {

// print-quality's keywords, by enum from 3.
constexpr std::string_view kQualities[] = {"draft", "normal", "high"};
constexpr int kFirstQuality = 3;

bool IsKeywordCharacter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_' || c == '.';
}

}  // namespace

std::optional<std::string> KeywordRefusal(std::string_view name, std::string_view keyword) {
  const std::string option = "--" + std::string(name);
  if (name == "print-quality") {
    if (std::ranges::find(kQualities, keyword) != std::end(kQualities)) return std::nullopt;
    return option + ": \"" + std::string(keyword) + "\" is not a quality: give draft, normal or high";
  }
  if (keyword.empty()) return option + ": empty value";
  if (!std::ranges::all_of(keyword, IsKeywordCharacter))
    return option + ": \"" + std::string(keyword) +
           "\" is not a keyword: use lower-case letters, digits, '-', '_' and '.'";
  return std::nullopt;
}

std::string IppValue(const JobAttribute& attribute) {
  if (attribute.name != "print-quality") return attribute.keyword;
  const auto found = std::ranges::find(kQualities, attribute.keyword);
  return std::to_string(kFirstQuality + (found - std::begin(kQualities)));
}

std::string_view QualityKeyword(int value) {
  const int index = value - kFirstQuality;
  if (index < 0 || index >= static_cast<int>(std::size(kQualities))) return {};
  return kQualities[index];
}

std::optional<std::string> UnsupportedRefusal(const JobAttribute& attribute, std::span<const std::string> supported) {
  if (std::ranges::find(supported, attribute.keyword) != supported.end()) return std::nullopt;
  std::string text = attribute.name + " " + attribute.keyword + " is not supported; ";
  if (supported.empty()) return text + "the printer lists no " + attribute.name + " values";
  text += "it supports: ";
  for (std::size_t i = 0; i < supported.size(); ++i) text.append(i ? ", " : "").append(supported[i]);
  return text;
}

std::string JobAttributesLine(const JobAttributes& attributes) {
  if (attributes.empty()) return {};
  std::string line = "\r\nJob attributes: ";
  for (std::size_t i = 0; i < attributes.size(); ++i)
    line.append(i ? ", " : "").append(attributes[i].name).append("=").append(attributes[i].keyword);
  return line;
}

std::string WithJobAttributesJson(std::string json, const JobAttributes& attributes) {
  if (attributes.empty() || json.empty() || json.back() != '}') return json;
  json.pop_back();
  json.append(",\"jobAttributes\":{");
  for (std::size_t i = 0; i < attributes.size(); ++i)
    json.append(i ? "," : "").append(JsonQuoted(attributes[i].name)).append(":").append(JsonQuoted(attributes[i].keyword));
  return json.append("}}");
}

}  // namespace veltrim
