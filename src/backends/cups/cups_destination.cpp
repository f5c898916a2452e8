#include "backends/cups/cups_destination.hpp"

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace veltrim {
namespace {

// How long a printer named by its URI may take to accept the connection.
constexpr int kConnectMilliseconds = 10000;
// How long a busy printer is asked again for a new job, and how often.
constexpr auto kBusyWait = std::chrono::seconds(120);
constexpr auto kBusyPause = std::chrono::milliseconds(250);

std::unique_ptr<CupsDestination> FindPrinter(const std::string& uri, FailureReason& why) {
  OwnedCupsDest dest(cupsGetDestWithURI(nullptr, uri.c_str()));
  if (!dest) {
    why = {"not a printer URI (ipp://HOST[:PORT]/PATH or ipps://...)"};
    return nullptr;
  }
  char resource[HTTP_MAX_URI] = "";
  OwnedHttp http(cupsConnectDest(dest.get(), CUPS_DEST_FLAGS_DEVICE, kConnectMilliseconds, nullptr, resource,
                                 sizeof resource, nullptr, nullptr));
  OwnedCupsDinfo info(http ? cupsCopyDestInfo(http.get(), dest.get()) : nullptr);
  if (!info) {
    // The connection is made on first use: nobody listening shows here.
    why = {!http || cupsLastError() == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE
               ? "the printer does not answer"
               : std::string("no IPP printer answers there (") + cupsLastErrorString() + ")"};
    return nullptr;
  }
  return std::make_unique<CupsDestination>(uri, std::move(dest), std::move(info), std::move(http), resource);
}

// cupsGetNamedDest says "not found" whatever went wrong, a scheduler gone
// included. Asking the scheduler for the queue itself tells a queue it does
// not know from a scheduler that does not answer.
FailureReason WhyNoDestination(const std::string& name) {
  ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
  char uri[HTTP_MAX_URI];
  httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", ippPort(), "/printers/%s",
                   name.c_str());
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
  ippDelete(cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/"));  // takes the request
  if (cupsLastError() <= IPP_STATUS_OK_EVENTS_COMPLETE) return {"the scheduler knows it, but did not describe it"};
  return CupsLastFailure();
}

// An option list of libcups, freed with its owner.
struct CupsOptions {
  cups_option_t* options = nullptr;
  int count = 0;
  CupsOptions() = default;
  CupsOptions(const CupsOptions&) = delete;
  CupsOptions& operator=(const CupsOptions&) = delete;
  ~CupsOptions() { cupsFreeOptions(count, options); }
  void Add(const std::string& name, const std::string& value) {
    count = cupsAddOption(name.c_str(), value.c_str(), count, &options);
  }
};

}  // namespace

FailureReason CupsLastFailure() {
  const ipp_status_t status = cupsLastError();
  if (status == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE) {
    // libcups loses the connect's own errno here and says "Bad file
    // descriptor" whatever happened: the scheduler is named instead.
    const std::string server = cupsServer();
    return {"the print scheduler at " + (server.starts_with("/") ? server : server + ":" + std::to_string(ippPort())) +
            " does not answer"};
  }
  return {cupsLastErrorString(), status == IPP_STATUS_ERROR_NOT_FOUND};
}

std::string IppKeywords(ipp_attribute_t* attribute) {
  std::string text;
  for (int i = 0; attribute != nullptr && i < ippGetCount(attribute); ++i)
    if (const char* word = ippGetString(attribute, i, nullptr)) text.append(text.empty() ? "" : ", ").append(word);
  return text;
}

bool IsPrinterUri(std::string_view name) { return name.starts_with("ipp://") || name.starts_with("ipps://"); }

std::unique_ptr<CupsDestination> CupsDestination::Find(const std::string& name, FailureReason& why) {
  if (IsPrinterUri(name)) return FindPrinter(name, why);
  OwnedCupsDest dest(cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.c_str(), nullptr));
  if (!dest) {
    why = WhyNoDestination(name);
    return nullptr;
  }
  OwnedCupsDinfo info(cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest.get()));
  if (!info) {
    why = CupsLastFailure();
    return nullptr;
  }
  return std::make_unique<CupsDestination>(name, std::move(dest), std::move(info));
}

CupsDestinationFacts CupsDestination::Facts() const {
  CupsDestinationFacts facts;
  facts.name = name_;
  if (const char* uri = cupsGetOption("device-uri", dest_->num_options, dest_->options)) facts.deviceUri = uri;

  // The queue's own default media first: cupsGetDestMediaDefault answers
  // the locale's paper when the queue's default was changed.
  cups_size_t size{};
  ipp_attribute_t* media = cupsFindDestDefault(Connection(), dest_.get(), info_.get(), "media");
  const char* mediaName = media ? ippGetString(media, 0, nullptr) : nullptr;
  if ((mediaName && cupsGetDestMediaByName(Connection(), dest_.get(), info_.get(), mediaName, 0, &size)) ||
      cupsGetDestMediaDefault(Connection(), dest_.get(), info_.get(), 0, &size))
    facts.media = CupsMedia{size.width, size.length, size.left, size.right, size.top, size.bottom};

  if (ipp_attribute_t* resolution =
          cupsFindDestDefault(Connection(), dest_.get(), info_.get(), "printer-resolution")) {
    ipp_res_t units = IPP_RES_PER_INCH;
    int yres = 0;
    const int xres = ippGetResolution(resolution, 0, &yres, &units);
    if (xres > 0 && yres > 0) {
      // Dots per centimetre are turned into dots per inch.
      facts.dpiX = units == IPP_RES_PER_CM ? xres * 254 / 100 : xres;
      facts.dpiY = units == IPP_RES_PER_CM ? yres * 254 / 100 : yres;
    }
  }
  if (ipp_attribute_t* colour =
          cupsFindDestSupported(Connection(), dest_.get(), info_.get(), "print-color-mode")) {
    facts.colour = ippContainsString(colour, "color") != 0;
  }
  const auto defaultOf = [this](const char* option) {
    return cupsFindDestDefault(Connection(), dest_.get(), info_.get(), option);
  };
  const auto number = [&](const char* option) -> std::optional<int> {
    ipp_attribute_t* value = defaultOf(option);
    const ipp_tag_t tag = value ? ippGetValueTag(value) : IPP_TAG_ZERO;
    if (tag != IPP_TAG_INTEGER && tag != IPP_TAG_ENUM) return std::nullopt;
    return ippGetInteger(value, 0);
  };
  const auto keyword = [&](const char* option) -> std::optional<std::string> {
    ipp_attribute_t* value = defaultOf(option);
    const char* text = value ? ippGetString(value, 0, nullptr) : nullptr;
    if (!text) return std::nullopt;
    return std::string(text);
  };
  facts.orientation = number("orientation-requested");
  facts.copies = number("copies");
  facts.quality = number("print-quality");
  facts.colourMode = keyword("print-color-mode");
  facts.sides = keyword("sides");
  facts.documentHandling = keyword("multiple-document-handling");
  facts.mediaType = keyword("media-type");
  // An IPP Everywhere printer gives its default medium's type inside media-col-default only.
  if (ipp_attribute_t* col = defaultOf("media-col"); !facts.mediaType && col)
    if (ipp_attribute_t* type = ippFindAttribute(ippGetCollection(col, 0), "media-type", IPP_TAG_ZERO))
      if (const char* text = ippGetString(type, 0, nullptr)) facts.mediaType = text;
  return facts;
}

FailureReason CupsDestination::LastFailure() const {
  if (!IsDevice()) return CupsLastFailure();
  if (cupsLastError() == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE) return {"the printer at " + name_ + " does not answer"};
  return {cupsLastErrorString()};
}

OwnedIpp CupsDestination::AskDevice(ipp_op_t operation, std::span<const char* const> wanted, int jobId) const {
  ipp_t* request = ippNewRequest(operation);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, name_.c_str());
  if (jobId > 0) ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "job-id", jobId);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
  if (!wanted.empty())
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", static_cast<int>(wanted.size()),
                  nullptr, wanted.data());
  OwnedIpp response(cupsDoRequest(Connection(), request, resource_.c_str()));  // takes the request
  if (!response || ippGetStatusCode(response.get()) > IPP_STATUS_OK_EVENTS_COMPLETE) return nullptr;
  return response;
}

bool CupsDestination::ReadyForJobs(FailureReason& why) const {
  if (IsDevice()) {
    static const char* const kWanted[] = {"printer-state", "printer-state-reasons", "printer-is-accepting-jobs"};
    const OwnedIpp printer = AskDevice(IPP_OP_GET_PRINTER_ATTRIBUTES, kWanted);
    if (!printer) {
      why = LastFailure();
      return false;
    }
    ipp_attribute_t* state = ippFindAttribute(printer.get(), "printer-state", IPP_TAG_ENUM);
    ipp_attribute_t* accepting = ippFindAttribute(printer.get(), "printer-is-accepting-jobs", IPP_TAG_BOOLEAN);
    if (state && ippGetInteger(state, 0) == IPP_PSTATE_STOPPED) {
      why = {"the printer is stopped (" + IppKeywords(ippFindAttribute(printer.get(), "printer-state-reasons",
                                                                         IPP_TAG_KEYWORD)) + ")"};
      return false;
    }
    if (accepting && !ippGetBoolean(accepting, 0)) {
      why = {"the printer is not accepting jobs"};
      return false;
    }
    return true;
  }
  const OwnedCupsDest now(cupsGetNamedDest(CUPS_HTTP_DEFAULT, name_.c_str(), nullptr));
  if (!now) {
    why = WhyNoDestination(name_);
    return false;
  }
  const char* state = cupsGetOption("printer-state", now->num_options, now->options);
  const char* accepting = cupsGetOption("printer-is-accepting-jobs", now->num_options, now->options);
  // The scheduler would take the job and hold it unseen: the refusal is ours.
  if (state && std::atoi(state) == IPP_PSTATE_STOPPED) {
    why = {"the queue is stopped (cupsenable starts it)"};
    return false;
  }
  if (accepting && std::strcmp(accepting, "false") == 0) {
    why = {"the queue is not accepting jobs (cupsaccept opens it)"};
    return false;
  }
  return true;
}

bool ListCupsDestinations(std::vector<CupsPrinterEntry>& entries) {
  cups_dest_t* dests = nullptr;
  const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
  if (count == 0 && cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE) return false;
  for (int i = 0; i < count; ++i)
    if (!dests[i].instance) entries.push_back({dests[i].name, dests[i].is_default != 0});
  cupsFreeDests(count, dests);
  return true;
}

CupsJob::CupsJob(const CupsDestination& destination, const std::string& title, const char* format,
                 const std::vector<std::pair<std::string, std::string>>& options)
    : destination_(destination) {
  CupsOptions list;
  for (const auto& [name, value] : options) list.Add(name, value);
  ipp_status_t created = IPP_STATUS_ERROR_BUSY;
  // A printer still busy with the run's previous job takes the next one
  // once it is done, as a queue would have held it.
  for (auto until = std::chrono::steady_clock::now() + kBusyWait;;) {
    created = cupsCreateDestJob(destination_.Connection(), destination.Dest(), destination.Info(), &id_,
                                title.c_str(), list.count, list.options);
    if (created != IPP_STATUS_ERROR_BUSY || std::chrono::steady_clock::now() >= until) break;
    std::this_thread::sleep_for(kBusyPause);
  }
  if (created != IPP_STATUS_OK || id_ <= 0) {
    failure_ = destination_.LastFailure();
    id_ = 0;
    return;
  }
  documentOpen_ = cupsStartDestDocument(destination_.Connection(), destination.Dest(), destination.Info(), id_,
                                        title.c_str(), format, 0, nullptr, 1) == HTTP_STATUS_CONTINUE;
  if (!documentOpen_) failure_ = destination_.LastFailure();
}

CupsJob::~CupsJob() {
  // A job not finished whole is not left half-spooled.
  if (documentOpen_) cupsFinishDestDocument(destination_.Connection(), destination_.Dest(), destination_.Info());
  if (id_ > 0) cupsCancelDestJob(destination_.Connection(), destination_.Dest(), id_);
}

bool CupsJob::Write(const unsigned char* data, std::size_t length) {
  if (!Started() || failed_) return false;
  if (cupsWriteRequestData(destination_.Connection(), reinterpret_cast<const char*>(data), length) !=
      HTTP_STATUS_CONTINUE) {
    failed_ = true;
    failure_ = destination_.LastFailure();
  }
  return !failed_;
}

bool CupsJob::Finish() {
  if (!Started()) return false;
  documentOpen_ = false;
  const ipp_status_t status =
      cupsFinishDestDocument(destination_.Connection(), destination_.Dest(), destination_.Info());
  if (failed_ || status > IPP_STATUS_OK_EVENTS_COMPLETE) {
    if (!failed_) failure_ = destination_.LastFailure();
    failed_ = true;
    cupsCancelDestJob(destination_.Connection(), destination_.Dest(), id_);
    return false;
  }
  id_ = 0;  // handed over: nothing to cancel any more
  return true;
}

}  // namespace veltrim
