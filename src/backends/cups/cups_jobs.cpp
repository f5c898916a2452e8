#include "backends/cups/cups_jobs.hpp"

#include <cups/cups.h>

#include <initializer_list>
#include <memory>

namespace veltrim {
namespace {

// Adds the first of `names` the response holds as text to `reason`.
void AddMessage(ipp_t* response, std::initializer_list<const char*> names, std::string& reason) {
  for (const char* name : names) {
    ipp_attribute_t* message = ippFindAttribute(response, name, IPP_TAG_TEXT);
    const char* text = message ? ippGetString(message, 0, nullptr) : nullptr;
    while (text != nullptr && *text == ' ') ++text;
    if (text == nullptr || *text == '\0') continue;
    reason += (reason.empty() ? "" : ": ") + std::string(text);
    return;
  }
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
  const OwnedIpp response(cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/"));  // takes the request
  if (!response || ippGetStatusCode(response.get()) > IPP_STATUS_OK_EVENTS_COMPLETE)
    return {JobState::Pending, "the scheduler does not answer for job " + std::to_string(jobId) + ": " +
                                   cupsLastErrorString()};
  ipp_attribute_t* state = ippFindAttribute(response.get(), "job-state", IPP_TAG_ENUM);
  std::string reason = IppKeywords(ippFindAttribute(response.get(), "job-state-reasons", IPP_TAG_KEYWORD));
  // The scheduler's words on the job, else the printer's.
  AddMessage(response.get(), {"job-state-message", "job-printer-state-message"}, reason);
  return {JobStateFromIpp(state ? ippGetInteger(state, 0) : 0, reason), reason};
}

JobStatus IppJobWatcher::Query(int jobId) {
  FailureReason why;
  if (!printer_) printer_ = CupsDestination::Find(uri_, why);
  static const char* const kJob[] = {"job-state", "job-state-reasons", "job-state-message",
                                     "job-impressions-completed"};
  const OwnedIpp job = printer_ ? printer_->AskDevice(IPP_OP_GET_JOB_ATTRIBUTES, kJob, jobId) : nullptr;
  if (!job) {
    if (printer_) why = printer_->LastFailure();
    printer_.reset();
    return {JobState::Pending, "the printer does not answer for job " + std::to_string(jobId) + ": " + why.text};
  }
  JobStatus status;
  status.reason = IppKeywords(ippFindAttribute(job.get(), "job-state-reasons", IPP_TAG_KEYWORD));
  AddMessage(job.get(), {"job-state-message"}, status.reason);
  if (ipp_attribute_t* done = ippFindAttribute(job.get(), "job-impressions-completed", IPP_TAG_INTEGER))
    status.impressions = ippGetInteger(done, 0);
  ipp_attribute_t* state = ippFindAttribute(job.get(), "job-state", IPP_TAG_ENUM);
  status.state = JobStateFromIpp(state ? ippGetInteger(state, 0) : 0, status.reason);

  static const char* const kPrinter[] = {"printer-state", "printer-state-reasons"};
  if (const OwnedIpp printer = printer_->AskDevice(IPP_OP_GET_PRINTER_ATTRIBUTES, kPrinter)) {
    const std::string reasons =
        IppKeywords(ippFindAttribute(printer.get(), "printer-state-reasons", IPP_TAG_KEYWORD));
    if (reasons != "none") status.printerReasons = reasons;
    // A job waiting on a stopped printer is stopped, as a queue's is.
    ipp_attribute_t* printerState = ippFindAttribute(printer.get(), "printer-state", IPP_TAG_ENUM);
    if (!JobEnded(status.state) && printerState && ippGetInteger(printerState, 0) == IPP_PSTATE_STOPPED)
      status.state = JobState::Stopped;
  }
  return status;
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
