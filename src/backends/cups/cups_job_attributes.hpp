#pragma once
// The job attributes a user asked for, against what a CUPS destination (a
// queue or an IPP printer) lists: checked before any job is created, and
// then the options every job of the run is created with.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "backends/cups/cups_destination.hpp"
#include "core/print/job_attributes.hpp"

namespace veltrim {

// What `destination` lists for the attribute `name` (its NAME-supported),
// as keywords: print-quality's enums by their keywords, and for media the
// names of its media database too.
std::vector<std::string> SupportedKeywords(const CupsDestination& destination, std::string_view name);

// Nothing when the destination lists every asked value; else why not, for
// the first it does not list, with the values it does.
std::optional<FailureReason> RefuseUnsupported(const CupsDestination& destination, const JobAttributes& attributes);

// The size and margins of the media `name` on the destination; nothing when
// it does not know that media.
std::optional<CupsMedia> CupsMediaByName(const CupsDestination& destination, const std::string& name);

// The attributes as the options of cupsCreateDestJob (print-quality as its enum).
std::vector<std::pair<std::string, std::string>> JobOptions(const JobAttributes& attributes);

}  // namespace veltrim
