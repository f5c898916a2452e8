#pragma once
// IPP printers on the local network, found by DNS-SD through libcups
// (_ipp._tcp and _ipps._tcp), each asked for its state.

#include <string>
#include <vector>

#include "core/info/printer_status.hpp"
#include "core/platform/print_device.hpp"

namespace veltrim {

struct DiscoveredPrinter {
  std::string name;          // its DNS-SD service name
  std::string uri;           // an ipp:// or ipps:// URI to connect to; empty when it did not resolve
  std::string makeAndModel;
  PrinterStatus status;      // state and reasons as it answered them
  std::string problem;       // why it could not be asked, when it could not
};

// Browses for `msec` milliseconds at most. False, with `why` set, when
// DNS-SD cannot be browsed at all.
bool DiscoverIppPrinters(int msec, std::vector<DiscoveredPrinter>& found, FailureReason& why);

}  // namespace veltrim
