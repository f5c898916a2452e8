#include "backends/cups/cups_printer_status.hpp"

#include <vector>

namespace veltrim {
namespace {

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

const char* const kStatusAttributes[] = {"printer-state", "printer-state-reasons", "printer-supply",
                                         "printer-supply-description", "marker-names", "marker-types",
                                         "marker-colors", "marker-levels"};

}  // namespace

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
  if (IsPrinterUri(printer)) {
    const auto destination = CupsDestination::Find(printer, why);
    if (!destination) return std::nullopt;
    const OwnedIpp answer = destination->AskDevice(IPP_OP_GET_PRINTER_ATTRIBUTES, kStatusAttributes);
    if (!answer) {
      why = destination->LastFailure();
      return std::nullopt;
    }
    return StatusOfAnswer(answer.get());
  }
  char uri[HTTP_MAX_URI];
  httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", ippPort(), "/printers/%s",
                   printer.c_str());
  const OwnedIpp answer = AskPrinterAttributes(CUPS_HTTP_DEFAULT, uri, "/", kStatusAttributes, count, why);
  if (!answer) return std::nullopt;
  return StatusOfAnswer(answer.get());
}

}  // namespace veltrim
