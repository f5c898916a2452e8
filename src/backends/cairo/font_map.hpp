#pragma once
// FontMap: the backend's own fontconfig configuration (veltrim-fonts.conf,
// built into the program) and the choice of a font file for a LOGFONT's face,
// pitch and family, weight and slant.

#include <string>
#include <string_view>

#include "backends/cairo/cairo_handles.hpp"

namespace veltrim {

// The text of veltrim-fonts.conf (generated source).
extern const char* const kVeltrimFontsConf;

class FontMap {
 public:
  // The process's one map, configured on first use.
  static FontMap& Shared();

  FontMap();
  FontMap(const FontMap&) = delete;
  FontMap& operator=(const FontMap&) = delete;

  // False when the configuration could not be loaded or holds no fonts; then
  // Match answers nothing.
  bool Ready() const { return config_ != nullptr; }

  // The matched font (a pattern naming its file) for a face name (empty for
  // none), LOGFONT lfPitchAndFamily, lfWeight (0 = normal) and italic flag.
  cairo_detail::FcPatternPtr Match(std::string_view face, int pitchAndFamily, int weight, bool italic) const;

  // "Family Style" of a matched pattern, e.g. "Liberation Sans Bold".
  static std::string Describe(const FcPattern* pattern);

 private:
  cairo_detail::FcConfigPtr config_;
};

}  // namespace veltrim
