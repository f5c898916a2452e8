#pragma once
// PrintDevice: a chosen printer (or file) with its page surface and the
// spooler's job calls. The results are the spooler's integers: StartDoc
// fails with -1 (SP_ERROR), the others with 0 or less, so the report's
// "[v]"/"[x]" lines come from what really happened.
//
// PrintTarget: the way a front end lets the user choose the device (the
// print dialog, a printer named on the command line, a file).
//
// Both can tell why their last call failed, in the system's or spooler's
// own words, so that a front end can say more than "[x]".

#include <memory>
#include <string>
#include <system_error>

#include "core/platform/surface.hpp"

namespace veltrim {

inline constexpr int kSpError = -1;

// Why a call failed: the system's or spooler's text ("No such file or
// directory", "The printer or class does not exist."), empty when it did
// not say; `noSuchPrinter` when the printer named is not known at all.
struct FailureReason {
  std::string text;
  bool noSuchPrinter = false;
};

// The C library's text for an errno value taken where the call failed;
// nothing for 0, which tells no reason.
inline FailureReason ErrnoFailure(int error) {
  return {error != 0 ? std::generic_category().message(error) : std::string()};
}

class PrintDevice {
 public:
  virtual ~PrintDevice() = default;

  // The surface of the current page; its capabilities and text metrics can
  // be read before the first document starts.
  virtual Surface& Page() = 0;

  virtual int StartDocA(const char* documentName) = 0;
  virtual int StartPage() = 0;
  virtual int EndPage() = 0;
  virtual int EndDoc() = 0;

  // The id the spooler gave the last document started, so that it can be
  // followed after EndDoc; 0 for a device without a spooler (a file).
  virtual int SpoolerJobId() const { return 0; }

  // Why the last call that failed did so.
  virtual FailureReason LastFailure() const { return {}; }
};

struct PrintChoice {
  bool accepted = false;                 // the dialog's result
  std::unique_ptr<PrintDevice> device;   // the device context; may be absent
  std::string printerName;               // as the dialog's hook copies them
  std::string printerPort;
};

class PrintTarget {
 public:
  virtual ~PrintTarget() = default;
  virtual PrintChoice Choose() = 0;
  // Why the last Choose declined or came without a device.
  virtual FailureReason LastFailure() const { return {}; }
};

}  // namespace veltrim
