#pragma once
// Files that lie beside the program: the configuration file, the help
// document and the two data files the test pages print, all found from the
// full path of the program file.
//
// Separators: Windows hands us backslashes; a forward slash is accepted as
// well, because Windows treats it as a separator too and the Linux CLI passes
// POSIX paths. The directory part is everything up to and including the last
// separator of either kind.
//
// PathBesideProgram (and ConfigPath, which is it for config.qrv) keeps one
// historical rule for Windows paths: when the last
// separator is a backslash before the third character, or there is no
// separator at all, the first three characters are kept instead (the "C:\"
// of a drive root). A forward slash is always cut after, wherever it is, so
// "/veltrim" gives "/config.qrv" and "./veltrim" gives "./config.qrv".
//
// HelpDocumentPath cuts after the last separator; without one, the document
// is looked for in the current directory.

#include <string>
#include <string_view>

namespace veltrim {

inline constexpr std::string_view kConfigFileName = "config.qrv";
inline constexpr std::string_view kHelpDocumentName = "qprintdoc.pdf";
inline constexpr std::string_view kTextDataFileName = "fperc.qrv";
inline constexpr std::string_view kBitmapDataFileName = "myimg.qrv";

std::string PathBesideProgram(std::string_view programPath, std::string_view fileName);
std::string ConfigPath(std::string_view programPath);
std::string HelpDocumentPath(std::string_view programPath);

}  // namespace veltrim
