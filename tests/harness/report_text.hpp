// The print job's report as the programs show it, for every build: the CLIs, the desktop program and its tests.
#pragma once

#include <cctype>
#include <string>

namespace veltrim::test {

inline const std::string kReportHeader = "QORVEL Veltrim v2\r\n-------------------\r\n";
// The report's start once a printer was chosen.
inline const std::string kPrinterChosen = kReportHeader + "[v] PrintDlg()\r\n[v] pd.hDC\r\n";

// The lines of `documents` documents of `pages` pages, every call successful.
inline std::string Documents(int documents, int pages) {
  std::string page, all;
  for (int p = 0; p < pages; ++p) page += "[v] StartPage()\r\n[v] EndPage()\r\n";
  for (int d = 0; d < documents; ++d) all += "[v] StartDoc()\r\n" + page + "[v] EndDoc()\r\n";
  return all;
}

// The report up to its time line, whose seconds vary.
inline std::string WithoutTime(const std::string& report) {
  return report.substr(0, report.find("\r\nPrint Time: "));
}

// Whether the report ends with its time line, "Print Time: S seconds." with a number S.
inline bool EndsWithPrintTime(const std::string& report) {
  const std::string line = report.substr(WithoutTime(report).size());
  return line.starts_with("\r\nPrint Time: ") && line.ends_with(" seconds.") && line.size() > 14 + 9 &&
         std::isdigit(static_cast<unsigned char>(line[14]));
}

}  // namespace veltrim::test
