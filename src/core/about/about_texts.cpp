#include "core/about/about_texts.hpp"

#include "credit_modules.inc"  // generated: kGeneratedCreditModules

namespace veltrim {
namespace {

std::string Plural(int count, std::string_view one, std::string_view many) {
  return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

}  // namespace

std::span<const ModuleFacts> CreditModules() { return kGeneratedCreditModules; }

std::string ModuleLine(const ModuleFacts& module) {
  return "- " + std::string(module.files) + " (" + std::string(module.purpose) + "; " +
         Plural(module.functions, "function", "functions") + ", " + Plural(module.classes, "class", "classes") +
         "; created " + std::string(module.created) + ", updated " + std::string(module.updated) + "; " +
         Plural(module.lines, "line", "lines") + ")\r\n";
}

std::string CreditsText() {
  std::string text =
      "[QORVEL Veltrim - version 2 (0x0702029E)]\r\n"
      "Made by QORVEL Software, 2007\r\n"
      "All rights reserved.\r\n"
      "Many thanks to the QORVEL art studio for the graphics.\r\n"
      "\r\n"
      "Support modules:\r\n";
  for (const ModuleFacts& module : CreditModules()) text += ModuleLine(module);
  text += "\r\nWeb site: https://www.qorvel.example/   E-mail: veltrim@qorvel.example\r\n";
  return text;
}

const std::string_view kLicenceText =
    "[Licence Notice]\r\n"
    "\r\n"
    "QORVEL Veltrim v2 is free software: you may use it, copy it and hand it\r\n"
    "on to others, free of charge, for any purpose.\r\n"
    "\r\n"
    "It is distributed in the hope that it will be useful, but WITHOUT ANY\r\n"
    "WARRANTY; without even the implied warranty of MERCHANTABILITY or\r\n"
    "FITNESS FOR A PARTICULAR PURPOSE. Test pages use ink and paper: you\r\n"
    "print them at your own cost.\r\n";

const std::string_view kHistoryText =
    "[Veltrim's History]\r\n"
    "\r\n"
    "- 23/02/2006 - VERSION 1:\r\n"
    "    the first release, with the basic test pages;\r\n"
    "\r\n"
    "- 26/11/2006 - VERSION 1 Graphic:\r\n"
    "    the same functions with a graphical interface;\r\n"
    "\r\n"
    "- 05/06/2007 - VERSION 2:\r\n"
    "    + tests in 5 categories instead of 3;\r\n"
    "    + print preview;\r\n"
    "    + extra screen visualisation for some advanced tests;\r\n"
    "    + extra printing controls: number of documents, pages per document;\r\n"
    "    + printer information without printing;\r\n"
    "\r\n"
    "- 15/06/2007 - VERSION 2 Graphic:\r\n"
    "    the functions of version 2 with a graphical interface;\r\n"
    "\r\n";

const std::string_view kShortcutsText =
    "[Keyboard Shortcuts]\r\n\r\nESC\tquits the program;\r\nAlt+?\tdisplays the about box;\r\nF4\tretrieves printer "
    "informations;\r\nF12\tstarts printing;\r\nF5-F6\tactivates previous/next tab;\r\nAlt+H\tdisplays help document;";

}  // namespace veltrim
