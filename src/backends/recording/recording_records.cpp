// Reading what the recording surface saw: records written as text, the
// record queries, and the hygiene problems.
#include "backends/recording/recording_surface.hpp"

#include <cstdio>
#include <string>

#include "backends/recording/recording_detail.hpp"

namespace veltrim {

namespace recording_detail {

std::string HexColour(std::int64_t value) {
  char buffer[32];
  const auto bits = static_cast<unsigned long long>(value);
  std::snprintf(buffer, sizeof buffer, bits > 0xFFFFFFull ? "0x%08llX" : "0x%06llX", bits);
  return buffer;
}

std::string Quoted(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    const auto u = static_cast<unsigned char>(c);
    switch (c) {
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      case '\t': out += "\\t"; break;
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      default:
        if (u < 0x20 || u >= 0x7F) {
          char buffer[8];
          std::snprintf(buffer, sizeof buffer, "\\x%02X", u);
          out += buffer;
        } else {
          out += c;
        }
    }
  }
  return out + "\"";
}

const char* KindName(ObjectKind kind) {
  switch (kind) {
    case ObjectKind::Pen: return "pen";
    case ObjectKind::Brush: return "brush";
    case ObjectKind::Font: return "font";
    case ObjectKind::Bitmap: return "bitmap";
  }
  return "object";
}

}  // namespace recording_detail

using recording_detail::HexColour;
using recording_detail::KindName;
using recording_detail::Quoted;

namespace {

// Which arguments, and whether the result, of an op are colours.
struct ColourSlots {
  int arg = -1;
  bool result = false;
};

ColourSlots ColourSlotsOf(std::string_view op) {
  if (op == "CreatePen") return {2, false};
  if (op == "CreateBrushIndirect") return {1, false};
  if (op == "SetPixel") return {2, true};
  if (op == "SetPixelV") return {2, false};
  if (op == "GetPixel") return {-1, true};
  if (op == "SetTextColor" || op == "SetBkColor") return {0, true};
  return {};
}

}  // namespace

std::string Record::ToString() const {
  const ColourSlots colours = ColourSlotsOf(op);
  std::string out = nested ? "  " : "";
  out += op;
  out += '(';
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (i) out += ", ";
    out += static_cast<int>(i) == colours.arg ? HexColour(args[i]) : std::to_string(args[i]);
  }
  const bool hasText = !text.empty() || op == "TextOutA" || op == "DrawTextA" || op == "GetTextExtentPoint32A" ||
                       op == "LoadBitmapFile";
  if (hasText) {
    if (!args.empty()) out += ", ";
    out += Quoted(text);
  }
  out += ") -> ";
  out += colours.result ? HexColour(result) : std::to_string(result);
  return out;
}

std::ostream& operator<<(std::ostream& out, const Record& record) { return out << record.ToString(); }

// ---------------------------------------------------------------- queries

std::vector<Record> RecordingSurface::RecordsOf(std::string_view op) const {
  std::vector<Record> out;
  for (const Record& record : records_) {
    if (record.op == op) out.push_back(record);
  }
  return out;
}

std::vector<Record> RecordingSurface::TopLevelRecords() const {
  std::vector<Record> out;
  for (const Record& record : records_) {
    if (!record.nested) out.push_back(record);
  }
  return out;
}

std::string RecordingSurface::Dump() const {
  std::string out;
  for (const Record& record : records_) {
    out += record.ToString();
    out += '\n';
  }
  return out;
}

std::vector<std::string> RecordingSurface::Problems() const {
  std::vector<std::string> problems = events_;
  for (const auto& [value, object] : objects_) {
    if (object.stock || object.deleted) continue;
    std::string problem = object.name + " from " + object.origin + " was never deleted";
    if (selected_[KindIndex(object.kind)].value == value) problem += " (still selected)";
    problems.push_back(std::move(problem));
  }
  for (const ObjectKind kind : {ObjectKind::Pen, ObjectKind::Brush, ObjectKind::Font, ObjectKind::Bitmap}) {
    const ObjectHandle now = selected_[KindIndex(kind)];
    const ObjectHandle start = initial_[KindIndex(kind)];
    if (now == start) continue;
    const RecordedObject* current = Object(now);
    const RecordedObject* original = Object(start);
    problems.push_back(std::string("the ") + KindName(kind) + " selection was not restored: " +
                       (current ? current->name : std::to_string(now.value)) + " is selected, " +
                       (original ? original->name : std::to_string(start.value)) + " was at the start");
  }
  return problems;
}

std::string RecordingSurface::HygieneReport() const {
  std::string out;
  for (const std::string& problem : Problems()) {
    out += problem;
    out += '\n';
  }
  return out;
}

}  // namespace veltrim
