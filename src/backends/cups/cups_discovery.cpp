#include "backends/cups/cups_discovery.hpp"

#include <cstring>

#include "backends/cups/cups_printer_status.hpp"

namespace veltrim {
namespace {

constexpr int kConnectMsec = 5000;

// The destinations found so far, freed with their owner.
struct Found {
  Found() = default;
  Found(const Found&) = delete;
  Found& operator=(const Found&) = delete;
  ~Found() { cupsFreeDests(count, dests); }
  int count = 0;
  cups_dest_t* dests = nullptr;
};

int Collect(void* data, unsigned flags, cups_dest_t* dest) {
  auto* found = static_cast<Found*>(data);
  if (flags & CUPS_DEST_FLAGS_REMOVED)
    found->count = cupsRemoveDest(dest->name, dest->instance, found->count, &found->dests);
  else
    found->count = cupsCopyDest(dest, found->count, &found->dests);
  return 1;
}

// The dnssd-style URI resolved and connected to, as a URI `--printer`
// takes: the scheme found, the host and port reached, the printer's path.
DiscoveredPrinter Describe(cups_dest_t* dest) {
  DiscoveredPrinter printer;
  const char* info = cupsGetOption("printer-info", dest->num_options, dest->options);
  printer.name = info && *info ? info : dest->name;
  if (const char* model = cupsGetOption("printer-make-and-model", dest->num_options, dest->options))
    printer.makeAndModel = model;
  const char* found = cupsGetOption("device-uri", dest->num_options, dest->options);
  const bool secure = found && std::strncmp(found, "ipps:", 5) == 0;

  char resource[1024] = "";
  const OwnedHttp http(cupsConnectDest(dest, CUPS_DEST_FLAGS_DEVICE, kConnectMsec, nullptr, resource, sizeof resource,
                                       nullptr, nullptr));
  if (!http) {
    printer.problem = std::string("cannot connect: ") + cupsLastErrorString();
    return printer;
  }
  char host[256], uri[HTTP_MAX_URI];
  httpGetHostname(http.get(), host, sizeof host);
  httpAssembleURI(HTTP_URI_CODING_ALL, uri, sizeof uri, secure ? "ipps" : "ipp", nullptr, host,
                  httpAddrPort(httpGetAddress(http.get())), resource);
  printer.uri = uri;

  const char* const attributes[] = {"printer-state", "printer-state-reasons", "printer-make-and-model"};
  FailureReason why;
  const OwnedIpp answer = AskPrinterAttributes(http.get(), printer.uri, resource, attributes, 3, why);
  if (!answer) {
    printer.problem = why.text;
    return printer;
  }
  printer.status = StatusOfAnswer(answer.get());
  if (ipp_attribute_t* model = ippFindAttribute(answer.get(), "printer-make-and-model", IPP_TAG_TEXT))
    if (const char* text = ippGetString(model, 0, nullptr)) printer.makeAndModel = text;
  return printer;
}

}  // namespace

bool DiscoverIppPrinters(int msec, std::vector<DiscoveredPrinter>& found, FailureReason& why) {
  Found dests;
  const int browsed = cupsEnumDests(CUPS_DEST_FLAGS_NONE, msec, nullptr, CUPS_PRINTER_DISCOVERED,
                                    CUPS_PRINTER_DISCOVERED, Collect, &dests);
  if (!browsed) {
    // libcups names no cause here: without a DNS-SD daemon it cannot browse.
    why = {"cannot browse DNS-SD: the DNS-SD daemon (avahi-daemon, over the system bus) does not answer"};
    return false;
  }
  for (int i = 0; i < dests.count; ++i) found.push_back(Describe(&dests.dests[i]));
  return true;
}

}  // namespace veltrim
