#pragma once
// The four texts of the about box: the credits (with facts about eight of the
// program's own modules, measured from the source tree at build time), the
// licence notice, the history and the keyboard shortcuts.

#include <span>
#include <string>
#include <string_view>

namespace veltrim {

// What the build measured of one module (a header and its source file).
struct ModuleFacts {
  std::string_view files;    // "dyn_string.hpp/.cpp"
  std::string_view purpose;
  int functions;             // definitions with a body, members included
  int classes;               // class and struct definitions
  std::string_view created;  // dd/mm/yyyy
  std::string_view updated;
  int lines;                 // both files, every line
};

// The eight modules the credits describe, from the generated table.
std::span<const ModuleFacts> CreditModules();

// "- FILES (PURPOSE; N functions, M classes; created D, updated D; L lines)\r\n"
std::string ModuleLine(const ModuleFacts& module);

// Header, the eight module lines, and the site and mail line.
std::string CreditsText();

extern const std::string_view kLicenceText;
extern const std::string_view kHistoryText;
extern const std::string_view kShortcutsText;

}  // namespace veltrim
