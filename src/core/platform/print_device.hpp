#pragma once
// PrintDevice: a chosen printer (or file) with its page surface and the
// spooler's job calls. The results are the spooler's integers: StartDoc
// fails with -1 (SP_ERROR), the others with 0 or less, so the report's
// "[v]"/"[x]" lines come from what really happened.
//
// PrintTarget: the way a front end lets the user choose the device (the
// print dialog, a printer named on the command line, a file).

#include <memory>
#include <string>

#include "platform/surface.hpp"

namespace veltrim {

inline constexpr int kSpError = -1;

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
};

}  // namespace veltrim
