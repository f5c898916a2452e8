#include "backends/cups/cups_jobs.hpp"

#include <cups/cups.h>

#include <memory>

namespace veltrim {
namespace {

struct IppDeleter {
  void operator()(ipp_t* ipp) const { ippDelete(ipp); }
};
using IppPtr = std::unique_ptr<ipp_t, IppDeleter>;

std::string Keywords(ipp_attribute_t* attribute) {
  std::string text;
  for (int i = 0; attribute != nullptr && i < ippGetCount(attribute); ++i) {
    if (const char* word = ippGetString(attribute, i, nullptr)) text += (text.empty() ? "" : ", ") + std::string(word);
  }
  return text;
}

}  // namespace

JobStatus CupsJobWatcher::Query(int jobId) {
  ipp_t* request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
  const std::string uri = "ipp://localhost/jobs/" + std::to_string(jobId);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri.c_str());
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
  static const char* const kWanted[] = {"job-state", "job-state-reasons", "job-state-message",
                                        "job-printer-state-message"};
  ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 4, nullptr, kWanted);
  const IppPtr response(cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/"));  // takes the request
  if (!response || ippGetStatusCode(response.get()) > IPP_STATUS_OK_EVENTS_COMPLETE)
    return {JobState::Pending, "the scheduler does not answer for job " + std::to_string(jobId) + ": " +
                                   cupsLastErrorString()};
  ipp_attribute_t* state = ippFindAttribute(response.get(), "job-state", IPP_TAG_ENUM);
  std::string reason = Keywords(ippFindAttribute(response.get(), "job-state-reasons", IPP_TAG_KEYWORD));
  // The scheduler's words on the job, else the printer's.
  for (const char* name : {"job-state-message", "job-printer-state-message"}) {
    ipp_attribute_t* message = ippFindAttribute(response.get(), name, IPP_TAG_TEXT);
    const char* text = message ? ippGetString(message, 0, nullptr) : nullptr;
    if (text == nullptr || *text == '\0') continue;
    reason += (reason.empty() ? "" : ": ") + std::string(text);
    break;
  }
  return {JobStateFromIpp(state ? ippGetInteger(state, 0) : 0, reason), reason};
}

bool ListCupsJobs(const std::string& printer, std::vector<CupsJobEntry>& jobs, FailureReason& why) {
  cups_job_t* found = nullptr;
  const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &found, printer.c_str(), 0, CUPS_WHICHJOBS_ACTIVE);
  if (count < 0) {
    why = CupsLastFailure();
    return false;
  }
  CupsJobWatcher watcher;
  for (int i = 0; i < count; ++i) jobs.push_back({found[i].id, found[i].title ? found[i].title : "", watcher.Query(found[i].id)});
  cupsFreeJobs(count, found);
  return true;
}

}  // namespace veltrim
