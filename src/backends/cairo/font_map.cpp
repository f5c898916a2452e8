#include "backends/cairo/font_map.hpp"

#include <algorithm>

namespace veltrim {

using cairo_detail::FcConfigPtr;
using cairo_detail::FcPatternPtr;

namespace {

// LOGFONT pitch and family bits.
constexpr int kFixedPitch = 0x01;
constexpr int kFamilyMask = 0xF0;
constexpr int kFamilyRoman = 0x10;
constexpr int kFamilyModern = 0x30;

const char* GenericFamily(int pitchAndFamily) {
  const int family = pitchAndFamily & kFamilyMask;
  if ((pitchAndFamily & kFixedPitch) != 0 || family == kFamilyModern) return "monospace";
  if (family == kFamilyRoman) return "serif";
  return "sans-serif";
}

const FcChar8* Fc(const char* text) { return reinterpret_cast<const FcChar8*>(text); }

}  // namespace

FontMap& FontMap::Shared() {
  static FontMap map;
  return map;
}

FontMap::FontMap() {
  FcConfigPtr config(FcConfigCreate());
  if (!config) return;
  if (!FcConfigParseAndLoadFromMemory(config.get(), Fc(kVeltrimFontsConf), FcTrue)) return;
  if (!FcConfigBuildFonts(config.get())) return;
  FcFontSet* fonts = FcConfigGetFonts(config.get(), FcSetSystem);
  if (fonts == nullptr || fonts->nfont == 0) return;
  config_ = std::move(config);
}

FcPatternPtr FontMap::Match(std::string_view face, int pitchAndFamily, int weight, bool italic) const {
  if (!config_) return nullptr;
  FcPatternPtr pattern(FcPatternCreate());
  if (!pattern) return nullptr;
  const std::string faceName(face);
  if (!faceName.empty()) FcPatternAddString(pattern.get(), FC_FAMILY, Fc(faceName.c_str()));
  FcPatternAddString(pattern.get(), FC_FAMILY, Fc(GenericFamily(pitchAndFamily)));
  // LOGFONT weights are OpenType weights; 0 means "don't care", read as normal.
  const int openTypeWeight = weight <= 0 ? 400 : std::clamp(weight, 1, 1000);
  FcPatternAddInteger(pattern.get(), FC_WEIGHT, FcWeightFromOpenType(openTypeWeight));
  FcPatternAddInteger(pattern.get(), FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
  if (!FcConfigSubstitute(config_.get(), pattern.get(), FcMatchPattern)) return nullptr;
  FcDefaultSubstitute(pattern.get());
  FcResult result = FcResultNoMatch;
  FcPatternPtr match(FcFontMatch(config_.get(), pattern.get(), &result));
  if (!match || result != FcResultMatch) return nullptr;
  return match;
}

std::string FontMap::Describe(const FcPattern* pattern) {
  if (pattern == nullptr) return {};
  FcChar8* family = nullptr;
  FcChar8* style = nullptr;
  std::string text;
  if (FcPatternGetString(pattern, FC_FAMILY, 0, &family) == FcResultMatch)
    text = reinterpret_cast<const char*>(family);
  if (FcPatternGetString(pattern, FC_STYLE, 0, &style) == FcResultMatch) {
    text += ' ';
    text += reinterpret_cast<const char*>(style);
  }
  return text;
}

}  // namespace veltrim
