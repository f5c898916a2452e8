#pragma once
// The one function behind which each platform's TIFF reader sits: libtiff on
// Linux, the system's imaging codecs on Windows. Both give the same grey
// levels, so a scan measures the same on either.

#include <cstdint>
#include <string>
#include <vector>

#include "cli/scan_file.hpp"

namespace veltrim::cli {

// The grey level of a colour, by the weights stb_image uses for PNG, JPEG
// and BMP; a grey colour keeps its level.
inline std::uint8_t GreyOf(unsigned r, unsigned g, unsigned b) {
  return static_cast<std::uint8_t>((77 * r + 150 * g + 29 * b + 128) >> 8);
}

// The pixels of the TIFF file `path`, whose bytes are `bytes`, into
// `scan.width`, `scan.height` and `scan.grey`. False, with a sentence in
// `error`, when it cannot be decoded.
bool DecodeTiff(const std::string& path, const std::vector<std::uint8_t>& bytes, ScanFile& scan, std::string& error);

}  // namespace veltrim::cli
