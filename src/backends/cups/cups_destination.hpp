#pragma once
// A CUPS destination: found by name, its media, margins and resolution read
// from the scheduler, and jobs streamed to it. What the scheduler does not
// answer stays absent; nothing is invented.

#include <cups/cups.h>

#include <memory>
#include <optional>
#include <string>
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
using OwnedCupsDest = std::unique_ptr<cups_dest_t, CupsDestFree>;
using OwnedCupsDinfo = std::unique_ptr<cups_dinfo_t, CupsDinfoFree>;

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
  // Null, with `why` set, when the scheduler has no destination of that
  // name (or cannot be reached).
  static std::unique_ptr<CupsDestination> Find(const std::string& name, FailureReason& why);

  const std::string& Name() const { return name_; }
  // "CUPS:<queue>", the port text a printer shows in the print dialog.
  std::string Port() const { return "CUPS:" + name_; }
  CupsDestinationFacts Facts() const;
  // Asks the scheduler afresh: false, with `why` set, when the queue is
  // stopped, refuses jobs, or is gone (or the scheduler does not answer).
  bool ReadyForJobs(FailureReason& why) const;

  cups_dest_t* Dest() const { return dest_.get(); }
  cups_dinfo_t* Info() const { return info_.get(); }

  CupsDestination(std::string name, OwnedCupsDest dest, OwnedCupsDinfo info)
      : name_(std::move(name)), dest_(std::move(dest)), info_(std::move(info)) {}

 private:
  std::string name_;
  OwnedCupsDest dest_;
  OwnedCupsDinfo info_;
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
