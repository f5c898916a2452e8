#include "backends/cups/cups_job_attributes.hpp"

#include <algorithm>

namespace veltrim {

std::vector<std::string> SupportedKeywords(const CupsDestination& destination, std::string_view name) {
  http_t* http = destination.Connection();
  std::vector<std::string> keywords;
  const auto add = [&keywords](std::string keyword) {
    if (!keyword.empty() && std::ranges::find(keywords, keyword) == keywords.end()) keywords.push_back(std::move(keyword));
  };
  if (ipp_attribute_t* supported =
          cupsFindDestSupported(http, destination.Dest(), destination.Info(), std::string(name).c_str())) {
    const ipp_tag_t tag = ippGetValueTag(supported);
    for (int i = 0; i < ippGetCount(supported); ++i) {
      if (tag == IPP_TAG_ENUM && name == "print-quality") {
        add(std::string(QualityKeyword(ippGetInteger(supported, i))));
      } else if (const char* keyword = ippGetString(supported, i, nullptr)) {
        add(keyword);
      }
    }
  }
  if (name == "media") {
    // The media database may hold sizes media-supported leaves out. libcups
    // names some of its entries by size and source or type
    // ("iso_dl_110x220mm_by-pass-tray"), which no printer takes as media:
    // each entry counts by its size's own name.
    const int count = cupsGetDestMediaCount(http, destination.Dest(), destination.Info(), 0);
    for (int i = 0; i < count; ++i) {
      cups_size_t size{};
      if (!cupsGetDestMediaByIndex(http, destination.Dest(), destination.Info(), i, 0, &size)) continue;
      if (const pwg_media_t* named = pwgMediaForSize(size.width, size.length); named && named->pwg) add(named->pwg);
    }
  }
  return keywords;
}

std::optional<FailureReason> RefuseUnsupported(const CupsDestination& destination, const JobAttributes& attributes) {
  for (const JobAttribute& attribute : attributes)
    if (const auto refusal = UnsupportedRefusal(attribute, SupportedKeywords(destination, attribute.name)))
      return FailureReason{*refusal};
  return std::nullopt;
}

std::optional<CupsMedia> CupsMediaByName(const CupsDestination& destination, const std::string& name) {
  cups_size_t size{};
  if (!cupsGetDestMediaByName(destination.Connection(), destination.Dest(), destination.Info(), name.c_str(), 0, &size))
    return std::nullopt;
  return CupsMedia{size.width, size.length, size.left, size.right, size.top, size.bottom};
}

std::vector<std::pair<std::string, std::string>> JobOptions(const JobAttributes& attributes) {
  std::vector<std::pair<std::string, std::string>> options;
  for (const JobAttribute& attribute : attributes) options.emplace_back(attribute.name, IppValue(attribute));
  return options;
}

}  // namespace veltrim
