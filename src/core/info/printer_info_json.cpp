#include "core/info/printer_info_json.hpp"

#include <cstdint>

#include "core/support/json_text.hpp"

namespace veltrim {
namespace {

class Object {
 public:
  Object& Field(std::string_view key, std::string_view rawValue) {
    text_ += first_ ? "{" : ",";
    first_ = false;
    text_ += JsonQuoted(key) + ":" + std::string(rawValue);
    return *this;
  }
  Object& Number(std::string_view key, std::int64_t value) { return Field(key, std::to_string(value)); }
  Object& Text(std::string_view key, std::string_view value) { return Field(key, JsonQuoted(value)); }
  Object& Bool(std::string_view key, bool value) { return Field(key, value ? "true" : "false"); }
  std::string Close() const { return first_ ? "{}" : text_ + "}"; }

 private:
  std::string text_;
  bool first_ = true;
};

std::string CapabilitiesJson(const PrinterCapabilities& caps) {
  Object object;
  for (const CapabilityField& field : CapabilityFields()) object.Number(field.key, caps.*field.member);
  object.Text("technologyName", TechnologyName(caps.technology));
  object.Bool("clipping", caps.clipCaps == 1);
  for (const CapabilityList& list : CapabilityLists()) {
    Object flags;
    const auto bits = static_cast<std::uint32_t>(caps.*list.member);
    for (const CapabilityFlag& flag : list.flags) flags.Bool(flag.name, (bits & flag.bit) != 0);
    object.Field(std::string(list.key) + "Flags", flags.Close());
  }
  return object.Close();
}

std::string DeviceModeJson(const DeviceMode& mode) {
  Object object;
  object.Text("deviceName", mode.dmDeviceName)
      .Number("specVersion", mode.dmSpecVersion)
      .Number("driverVersion", mode.dmDriverVersion)
      .Number("fields", mode.dmFields);
  const std::uint32_t f = mode.dmFields;
  if (f & kDmOrientation) object.Number("orientation", mode.dmOrientation);
  if ((f & kDmPaperSize) && mode.dmPaperSize != 0) {
    object.Number("paperSize", mode.dmPaperSize);
    std::string_view name = PaperName(mode.dmPaperSize);
    if (!name.empty()) object.Text("paperName", name.substr(0, name.size() - 1));  // without its tab
  }
  if ((f & kDmPaperLength) && mode.dmPaperLength > 0) object.Number("paperLength", mode.dmPaperLength);
  if ((f & kDmPaperWidth) && mode.dmPaperWidth > 0) object.Number("paperWidth", mode.dmPaperWidth);
  if (f & kDmScale) object.Number("scale", mode.dmScale);
  if (f & kDmCopies) object.Number("copies", mode.dmCopies);
  if (f & kDmPrintQuality) object.Number("printQuality", mode.dmPrintQuality);
  if (f & kDmColor) object.Number("color", mode.dmColor);
  if (f & kDmDuplex) object.Number("duplex", mode.dmDuplex);
  if (f & kDmYResolution) object.Number("yResolution", mode.dmYResolution);
  if (f & kDmTTOption) object.Number("ttOption", mode.dmTTOption);
  if (f & kDmCollate) object.Number("collate", mode.dmCollate);
  if (f & kDmICMMethod) object.Number("icmMethod", mode.dmICMMethod);
  if (f & kDmICMIntent) object.Number("icmIntent", mode.dmICMIntent);
  if (f & kDmMediaType) object.Number("mediaType", mode.dmMediaType);
  if (f & kDmDitherType) object.Number("ditherType", mode.dmDitherType);
  return object.Close();
}

}  // namespace

std::string PrinterInfoJson(const PrinterInfo& info, const PrinterStatus* status) {
  Object object;
  object.Text("printer", info.printerName).Text("port", info.printerPort);
  if (info.capabilities) object.Field("capabilities", CapabilitiesJson(*info.capabilities));
  if (info.deviceMode) object.Field("deviceMode", DeviceModeJson(*info.deviceMode));
  if (status) {
    object.Text("state", status->state.empty() ? "unknown" : status->state)
        .Field("stateReasons", StateReasonsJson(*status))
        .Field("supplies", SuppliesJson(*status));
  }
  return object.Close() + "\n";
}

}  // namespace veltrim
