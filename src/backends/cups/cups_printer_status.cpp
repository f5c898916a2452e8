#include "backends/cups/cups_printer_status.hpp"

#include <algorithm>
#include <cstring>
#include <vector>

#include "backends/cups/cups_print.hpp"
#include "backends/cups/cups_printer_info.hpp"
#include "core/info/page_device_info.hpp"

namespace veltrim {
namespace {

constexpr int kConnectMsec = 10000;

struct Connection {
  OwnedHttp http;
  std::string resource;
};

// A connection of its own to the printer at `uri`, encrypted for ipps.
std::optional<Connection> Connect(const std::string& uri, FailureReason& why) {
  char scheme[32], user[256], host[256], resource[1024];
  int port = 0;
  if (httpSeparateURI(HTTP_URI_CODING_ALL, uri.c_str(), scheme, sizeof scheme, user, sizeof user, host, sizeof host,
                      &port, resource, sizeof resource) != HTTP_URI_STATUS_OK ||
      !*host) {
    why = {"not a printer's URI: ipp://HOST[:PORT]/PATH or ipps://HOST[:PORT]/PATH"};
    return std::nullopt;
  }
  const bool secure = std::strcmp(scheme, "ipps") == 0;
  const http_encryption_t encryption = secure ? HTTP_ENCRYPTION_ALWAYS : HTTP_ENCRYPTION_IF_REQUESTED;
  OwnedHttp http(httpConnect2(host, port, nullptr, AF_UNSPEC, encryption, 1, kConnectMsec, nullptr));
  if (!http) {
    // libcups keeps neither the connect's errno nor an error of its own here.
    why = {std::string("the printer at ") + host + ":" + std::to_string(port) + " does not answer"};
    return std::nullopt;
  }
  return Connection{std::move(http), resource};
}

std::vector<std::string> Texts(ipp_attribute_t* attribute) {
  std::vector<std::string> texts;
  for (int i = 0; i < ippGetCount(attribute); ++i)
    if (const char* text = ippGetString(attribute, i, nullptr)) texts.emplace_back(text);
  return texts;
}

std::optional<int> NumberOf(ipp_t* answer, const char* name) {
  ipp_attribute_t* value = ippFindAttribute(answer, name, IPP_TAG_ZERO);
  const ipp_tag_t tag = value ? ippGetValueTag(value) : IPP_TAG_ZERO;
  if (tag != IPP_TAG_INTEGER && tag != IPP_TAG_ENUM) return std::nullopt;
  return ippGetInteger(value, 0);
}

std::optional<std::string> KeywordOf(ipp_t* answer, const char* name) {
  ipp_attribute_t* value = ippFindAttribute(answer, name, IPP_TAG_ZERO);
  const char* text = value ? ippGetString(value, 0, nullptr) : nullptr;
  if (!text) return std::nullopt;
  return std::string(text);
}

const char* const kStatusAttributes[] = {"printer-state", "printer-state-reasons", "printer-supply",
                                         "printer-supply-description", "marker-names", "marker-types",
                                         "marker-colors", "marker-levels"};

}  // namespace

bool IsIppUri(const std::string& printer) {
  return printer.starts_with("ipp://") || printer.starts_with("ipps://");
}

OwnedIpp AskPrinterAttributes(http_t* http, const std::string& printerUri, const std::string& resource,
                              const char* const* attributes, int count, FailureReason& why) {
  ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, printerUri.c_str());
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
  ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", count, nullptr, attributes);
  OwnedIpp answer(cupsDoRequest(http, request, resource.c_str()));  // takes the request
  if (!answer || cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE) {
    why = CupsLastFailure();
    return nullptr;
  }
  return answer;
}

PrinterStatus StatusOfAnswer(ipp_t* answer) {
  PrinterStatus status;
  if (const auto state = NumberOf(answer, "printer-state")) status.state = PrinterStateName(*state);
  for (std::string& reason : Texts(ippFindAttribute(answer, "printer-state-reasons", IPP_TAG_ZERO)))
    if (reason != "none") status.reasons.push_back(std::move(reason));

  if (ipp_attribute_t* supply = ippFindAttribute(answer, "printer-supply", IPP_TAG_STRING)) {
    const auto descriptions = Texts(ippFindAttribute(answer, "printer-supply-description", IPP_TAG_ZERO));
    for (int i = 0; i < ippGetCount(supply); ++i) {
      int length = 0;
      const auto* bytes = static_cast<const char*>(ippGetOctetString(supply, i, &length));
      const std::string description = i < static_cast<int>(descriptions.size()) ? descriptions[i] : "";
      if (auto parsed = ParsePrinterSupply(std::string_view(bytes ? bytes : "", bytes ? length : 0), description))
        status.supplies.push_back(std::move(*parsed));
    }
    return status;
  }
  std::vector<int> levels;
  ipp_attribute_t* markerLevels = ippFindAttribute(answer, "marker-levels", IPP_TAG_INTEGER);
  for (int i = 0; i < ippGetCount(markerLevels); ++i) levels.push_back(ippGetInteger(markerLevels, i));
  status.supplies = SuppliesFromMarkers(Texts(ippFindAttribute(answer, "marker-names", IPP_TAG_ZERO)),
                                        Texts(ippFindAttribute(answer, "marker-types", IPP_TAG_ZERO)),
                                        Texts(ippFindAttribute(answer, "marker-colors", IPP_TAG_ZERO)), levels);
  return status;
}

std::optional<PrinterStatus> ReadPrinterStatus(const std::string& printer, FailureReason& why) {
  const int count = static_cast<int>(std::size(kStatusAttributes));
  if (IsIppUri(printer)) {
    auto connection = Connect(printer, why);
    if (!connection) return std::nullopt;
    const OwnedIpp answer =
        AskPrinterAttributes(connection->http.get(), printer, connection->resource, kStatusAttributes, count, why);
    if (!answer) return std::nullopt;
    return StatusOfAnswer(answer.get());
  }
  char uri[HTTP_MAX_URI];
  httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", ippPort(), "/printers/%s",
                   printer.c_str());
  const OwnedIpp answer = AskPrinterAttributes(CUPS_HTTP_DEFAULT, uri, "/", kStatusAttributes, count, why);
  if (!answer) return std::nullopt;
  return StatusOfAnswer(answer.get());
}

std::optional<PrinterInfo> IppPrinterInfo(const std::string& uri, FailureReason& why) {
  auto connection = Connect(uri, why);
  if (!connection) return std::nullopt;
  const char* const attributes[] = {"media-col-default", "printer-resolution-default", "print-color-mode-supported",
                                    "orientation-requested-default", "copies-default", "print-quality-default",
                                    "print-color-mode-default", "sides-default",
                                    "multiple-document-handling-default"};
  const OwnedIpp answer = AskPrinterAttributes(connection->http.get(), uri, connection->resource, attributes,
                                               static_cast<int>(std::size(attributes)), why);
  if (!answer) return std::nullopt;
  ipp_t* a = answer.get();

  CupsDestinationFacts facts;
  facts.name = facts.deviceUri = uri;
  if (ipp_attribute_t* col = ippFindAttribute(a, "media-col-default", IPP_TAG_BEGIN_COLLECTION)) {
    ipp_t* media = ippGetCollection(col, 0);
    ipp_attribute_t* sizeAttr = ippFindAttribute(media, "media-size", IPP_TAG_BEGIN_COLLECTION);
    ipp_t* size = sizeAttr ? ippGetCollection(sizeAttr, 0) : nullptr;
    const auto value = [](ipp_t* in, const char* name) { return in ? NumberOf(in, name).value_or(0) : 0; };
    facts.media = CupsMedia{value(size, "x-dimension"), value(size, "y-dimension"),
                            value(media, "media-left-margin"), value(media, "media-right-margin"),
                            value(media, "media-top-margin"), value(media, "media-bottom-margin")};
    facts.mediaType = KeywordOf(media, "media-type");
  }
  if (ipp_attribute_t* resolution = ippFindAttribute(a, "printer-resolution-default", IPP_TAG_RESOLUTION)) {
    ipp_res_t units = IPP_RES_PER_INCH;
    int yres = 0;
    const int xres = ippGetResolution(resolution, 0, &yres, &units);
    if (xres > 0 && yres > 0) {
      facts.dpiX = units == IPP_RES_PER_CM ? xres * 254 / 100 : xres;
      facts.dpiY = units == IPP_RES_PER_CM ? yres * 254 / 100 : yres;
    }
  }
  if (ipp_attribute_t* modes = ippFindAttribute(a, "print-color-mode-supported", IPP_TAG_ZERO)) {
    const auto texts = Texts(modes);
    facts.colour = std::find(texts.begin(), texts.end(), "color") != texts.end();
  }
  facts.orientation = NumberOf(a, "orientation-requested-default");
  facts.copies = NumberOf(a, "copies-default");
  facts.quality = NumberOf(a, "print-quality-default");
  facts.colourMode = KeywordOf(a, "print-color-mode-default");
  facts.sides = KeywordOf(a, "sides-default");
  facts.documentHandling = KeywordOf(a, "multiple-document-handling-default");

  PrinterInfo info;
  info.printerName = info.printerPort = uri;
  if (facts.media && facts.media->width > 0 && facts.media->length > 0 && facts.dpiX && facts.dpiY)
    info.capabilities = CapabilitiesOf(CapsOfDestination(facts));
  info.deviceMode = DeviceModeFromSettings(SettingsOfDestination(facts));
  return info;
}

}  // namespace veltrim
