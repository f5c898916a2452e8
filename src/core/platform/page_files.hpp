#pragma once
// Print jobs rendered into files: the formats, known by the file name's
// extension, and the names of the pages of an image job.

#include <filesystem>
#include <optional>

namespace veltrim {

enum class FileFormat { Pdf, PostScript, Png };

// .pdf, .ps or .png, in any case; nothing for another name.
std::optional<FileFormat> FileFormatOf(const std::filesystem::path& output);

// Page `page` (from 1) of an image job: "out.png" gives "out-1.png",
// "out-2.png", ...; a name not ending in ".png" gets "-N.png" appended.
std::filesystem::path PngPagePath(const std::filesystem::path& output, int page);

}  // namespace veltrim
