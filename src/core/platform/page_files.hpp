#pragma once
// Print jobs rendered into files: the formats, known by the file name's
// extension, and the names of the pages of an image job. Paths are 8-bit
// strings (on Windows in the ANSI code page, as fopen takes them), never
// std::filesystem paths, which mingw's library would not keep byte for byte.

#include <optional>
#include <string>

namespace veltrim {

enum class FileFormat { Pdf, PostScript, Png };

// The last part of `path`, after its last '/' or '\\'.
std::string FileNameOf(const std::string& path);

// .pdf, .ps or .png, in any case; nothing for another name.
std::optional<FileFormat> FileFormatOf(const std::string& output);

// Page `page` (from 1) of an image job: "out.png" gives "out-1.png",
// "out-2.png", ...; a name not ending in ".png" gets "-N.png" appended.
std::string PngPagePath(const std::string& output, int page);

}  // namespace veltrim
