#pragma once
// A CUPS destination: a scheduler's queue found by name, or an IPP printer
// reached straight at its ipp:// or ipps:// URI; its media, margins and
// resolution read from whoever answers for it, and jobs streamed to it. What
// is not answered stays absent; nothing is invented.

#include <cups/cups.h>

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/platform/print_device.hpp"

namespace veltrim {

// Why the last request to the scheduler failed, in its words; a scheduler
// that does not answer is named, and a queue it does not know is marked.
FailureReason CupsLastFailure();

struct CupsDestFree {
  void operator()(cups_dest_t* dest) const { cupsFreeDests(1, dest); }
};
struct CupsDinfoFree {
  void operator()(cups_dinfo_t* info) const { cupsFreeDestInfo(info); }
};
struct IppDelete {
  void operator()(ipp_t* ipp) const { ippDelete(ipp); }
};
struct HttpClose {
  void operator()(http_t* http) const { httpClose(http); }
};
using OwnedCupsDest = std::unique_ptr<cups_dest_t, CupsDestFree>;
using OwnedCupsDinfo = std::unique_ptr<cups_dinfo_t, CupsDinfoFree>;
using OwnedHttp = std::unique_ptr<http_t, HttpClose>;
using OwnedIpp = std::unique_ptr<ipp_t, IppDelete>;

// The keywords of an attribute, ", "-separated; empty for none.
std::string IppKeywords(ipp_attribute_t* attribute);

// "ipp://..." or "ipps://...": a printer asked directly, without a queue.
bool IsPrinterUri(std::string_view name);

// Media size and margins in hundredths of a millimetre, as IPP gives them.
struct CupsMedia {
  int width = 0;
  int length = 0;
  int left = 0;
  int right = 0;
  int top = 0;
  int bottom = 0;
};

struct CupsDestinationFacts {
  std::string name;
  std::string deviceUri;
  std::optional<CupsMedia> media;
  std::optional<int> dpiX;
  std::optional<int> dpiY;
  std::optional<bool> colour;
  // The job defaults the queue answers, as IPP gives them.
  std::optional<int> orientation;    // orientation-requested: 3 portrait .. 6
  std::optional<int> copies;
  std::optional<int> quality;        // print-quality: 3 draft, 4 normal, 5 high
  std::optional<std::string> colourMode;  // print-color-mode
  std::optional<std::string> sides;
  std::optional<std::string> documentHandling;  // multiple-document-handling
  std::optional<std::string> mediaType;
};

class CupsDestination {
 public:
  // A queue name, or a printer URI (IsPrinterUri). Null, with `why` set,
  // when the scheduler has no destination of that name (or cannot be
  // reached), or nothing at the URI answers as a printer.
  static std::unique_ptr<CupsDestination> Find(const std::string& name, FailureReason& why);

  // The queue's name, or the printer's URI as given.
  const std::string& Name() const { return name_; }
  // "CUPS:<queue>", the port text a printer shows in the print dialog; a
  // printer without a queue shows its URI.
  std::string Port() const { return IsDevice() ? name_ : "CUPS:" + name_; }
  // A printer asked at its URI rather than through the scheduler.
  bool IsDevice() const { return device_ != nullptr; }
  // Where every request about this destination goes: the scheduler for a
  // queue, the destination's own connection for a printer.
  http_t* Connection() const { return device_ ? device_.get() : CUPS_HTTP_DEFAULT; }
  CupsDestinationFacts Facts() const;
  // Asks afresh: false, with `why` set, when the queue or printer is
  // stopped, refuses jobs, or is gone (or does not answer).
  bool ReadyForJobs(FailureReason& why) const;

  // Why the last request about this destination failed: CupsLastFailure
  // for a queue; for a printer, in its own words, or that it does not answer.
  FailureReason LastFailure() const;
  // A printer's request `operation` about itself (or its job `jobId` when
  // not 0) asking for `wanted`, sent over its connection. Null when it was
  // not answered or was refused (cupsLastError tells why). Printers only.
  OwnedIpp AskDevice(ipp_op_t operation, std::span<const char* const> wanted, int jobId = 0) const;

  cups_dest_t* Dest() const { return dest_.get(); }
  cups_dinfo_t* Info() const { return info_.get(); }

  CupsDestination(std::string name, OwnedCupsDest dest, OwnedCupsDinfo info, OwnedHttp device = nullptr,
                  std::string resource = {})
      : name_(std::move(name)),
        dest_(std::move(dest)),
        info_(std::move(info)),
        device_(std::move(device)),
        resource_(std::move(resource)) {}

 private:
  std::string name_;
  OwnedCupsDest dest_;
  OwnedCupsDinfo info_;
  OwnedHttp device_;      // null for a queue
  std::string resource_;  // the printer's path at its host
};

struct CupsPrinterEntry {
  std::string name;
  bool isDefault = false;
};

// False when the scheduler cannot be asked.
bool ListCupsDestinations(std::vector<CupsPrinterEntry>& entries);

// One job on a destination, fed with document bytes as they are produced.
// Cancelled on destruction unless finished.
class CupsJob {
 public:
  // `options` are the job's attributes (name and value, as cupsCreateDestJob takes them).
  CupsJob(const CupsDestination& destination, const std::string& title, const char* format,
          const std::vector<std::pair<std::string, std::string>>& options = {});
  ~CupsJob();
  CupsJob(const CupsJob&) = delete;
  CupsJob& operator=(const CupsJob&) = delete;

  bool Started() const { return id_ > 0 && documentOpen_; }
  // Why the job could not be created, written or finished.
  const FailureReason& Failure() const { return failure_; }
  bool Write(const unsigned char* data, std::size_t length);
  // Closes the document; true when the scheduler accepted the job.
  bool Finish();
  int Id() const { return id_; }

 private:
  const CupsDestination& destination_;
  int id_ = 0;
  bool documentOpen_ = false;
  bool failed_ = false;
  FailureReason failure_;
};

}  // namespace veltrim
