#include "core/measure/measure_report.hpp"

#include <cmath>

#include "core/support/number_text.hpp"

namespace veltrim {
namespace {

// `value` to `decimals` places, trailing zeros dropped.
std::string Fixed(double value, int decimals) {
  const double scale = std::pow(10.0, decimals);
  const double rounded = std::round(value * scale) / scale;
  return FloatToText(rounded == 0 ? 0.0 : rounded, 15);
}

std::string Mm(double value) { return Fixed(value, 3); }
std::string Ratio(double value) { return Fixed(value, 6); }
std::string Deg(double value) { return Fixed(value, 4); }

std::string Pair(const char* a, const std::string& x, const char* b, const std::string& y) {
  return std::string("{\"") + a + "\": " + x + ", \"" + b + "\": " + y + "}";
}

std::string FiguresJson(const ScanFigures& f, bool whole) {
  const PaperMargins& m = f.marginsMm;
  return "\"paper_mm\": " + Pair("width", Mm(f.paperWidthMm), "height", Mm(f.paperHeightMm)) +
         ", \"bed_rotation_deg\": " + Deg(f.bedRotationDeg) +
         ", \"offset_mm\": " + Pair("x", Mm(f.offsetXMm), "y", Mm(f.offsetYMm)) +
         ", \"scale\": " + Pair("x", Ratio(f.scaleX), "y", Ratio(f.scaleY)) + ", \"skew_deg\": " + Deg(f.skewDeg) +
         ", \"margins_mm\": {\"left\": " + Mm(m.left) + ", \"top\": " + Mm(m.top) + ", \"right\": " + Mm(m.right) +
         ", \"bottom\": " + Mm(m.bottom) + "}, \"paper_offset_mm\": " +
         (whole ? IntToText(static_cast<int>(f.paperOffsetMm)) : Mm(f.paperOffsetMm));
}

std::string SideJson(const ScanMeasurement& side) {
  return FiguresJson(side.figures, true) + ", \"marks\": " + IntToText(side.marks) + ", \"uncertainty\": {" +
         FiguresJson(side.uncertainty, false) + "}";
}

std::string SideText(const ScanMeasurement& side, const char* title) {
  const ScanFigures& f = side.figures;
  const ScanFigures& u = side.uncertainty;
  const auto pm = [](const std::string& v, const std::string& e) { return v + " +- " + e; };
  std::string text = std::string(title) + " (" + IntToText(side.marks) + " marks)\n";
  text += "  Paper: " + Fixed(f.paperWidthMm, 1) + " x " + Fixed(f.paperHeightMm, 1) + " mm\n";
  text += "  Rotation on the scanner bed: " + pm(Deg(f.bedRotationDeg), Deg(u.bedRotationDeg)) + " degrees\n";
  text += "  Offset: x " + pm(Mm(f.offsetXMm), Mm(u.offsetXMm)) + " mm, y " + pm(Mm(f.offsetYMm), Mm(u.offsetYMm)) +
          " mm\n";
  text += "  Scale: x " + pm(Ratio(f.scaleX), Ratio(u.scaleX)) + ", y " + pm(Ratio(f.scaleY), Ratio(u.scaleY)) + "\n";
  text += "  Skew: " + pm(Deg(f.skewDeg), Deg(u.skewDeg)) + " degrees\n";
  const PaperMargins& m = f.marginsMm;
  text += "  Margins: left " + Fixed(m.left, 2) + ", top " + Fixed(m.top, 2) + ", right " + Fixed(m.right, 2) +
          ", bottom " + Fixed(m.bottom, 2) + " mm\n";
  text += "  Y Paper offset (mm): " + IntToText(static_cast<int>(f.paperOffsetMm)) + "\n";
  return text;
}

}  // namespace

std::string MeasureReportText(const ScanMeasurement& front, const ScanMeasurement* back) {
  std::string text = SideText(front, back ? "Front" : "Measured");
  if (back) {
    const ScanFigures& f = front.figures;
    const ScanFigures& b = back->figures;
    text += SideText(*back, "Back");
    text += "Back minus front: offset x " + Mm(b.offsetXMm - f.offsetXMm) + " mm, y " + Mm(b.offsetYMm - f.offsetYMm) +
            " mm; scale x " + Ratio(b.scaleX - f.scaleX) + ", y " + Ratio(b.scaleY - f.scaleY) + "; skew " +
            Deg(b.skewDeg - f.skewDeg) + " degrees\n";
  }
  return text;
}

std::string MeasureReportJson(const ScanMeasurement& front, const ScanMeasurement* back) {
  std::string json = "{";
  json += SideJson(front);
  if (back) {
    const ScanFigures& f = front.figures;
    const ScanFigures& b = back->figures;
    json += ", \"back\": {" + SideJson(*back) + ", \"difference\": {\"offset_mm\": " +
            Pair("x", Mm(b.offsetXMm - f.offsetXMm), "y", Mm(b.offsetYMm - f.offsetYMm)) +
            ", \"scale\": " + Pair("x", Ratio(b.scaleX - f.scaleX), "y", Ratio(b.scaleY - f.scaleY)) +
            ", \"skew_deg\": " + Deg(b.skewDeg - f.skewDeg) + "}}";
  }
  return json + "}\n";
}

}  // namespace veltrim
