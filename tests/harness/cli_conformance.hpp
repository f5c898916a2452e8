// The command line's conformance table, run by both programs: `veltrim` natively (tests/cli) and veltrim-cli.exe
// under Wine (tests/wine). Each row: the arguments, the exit status, the report, what stderr says, the file written
// and its pages, and a few pixels proving the page arrived. Where the pages' blocks lie is the recording surface's
// to pin (tests/unit); a row only shows that the job reached its file or queue.
#pragma once

#include <cstdint>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "process.hpp"

namespace veltrim::test {

enum class CliOutput { None, Png, PngPages, Pdf, PostScript, Queue };

// A colour at a pixel of the page read, within `tolerance`.
struct PixelProbe { int x, y; std::uint32_t rgb; int tolerance = 8; };
// Pixels [left, right) x [top, bottom) of the page read (0: its edge), some dark or none.
struct InkBox { int left, top, right, bottom; bool inked; };

struct CliRow {
  const char* name;
  // "FOLDER/" starts a path in the run's own folder (also the current folder); QUEUE is a queue made for the row.
  std::vector<std::string> args = {};
  int exitCode = 0;
  // stdout exactly, or in part; a print job's report ends with its "Print Time" line, checked for its shape.
  std::string out = {};
  bool outInPart = false;
  // What stderr holds, each as often as listed (FOLDER/ as in args); nothing more where the runner can tell.
  std::vector<std::string> err = {};
  bool copyOfTheProgram = false;  // run a copy alone in FOLDER/bin, without the data files
  CliOutput output = CliOutput::None;
  std::string file = {};  // in the folder; PngPages: the name asked for, whose pages are NAME-1.png...
  int pages = 0, jobs = 0;
  int renderDpi = 100;  // for PDF, PostScript and the queue's job
  int width = 0, height = 0;  // of the page read (the last), 0: not checked
  std::vector<PixelProbe> probes = {};
  std::vector<InkBox> boxes = {};
};

inline void PrintTo(const CliRow& row, std::ostream* out) { *out << row.name; }

const std::vector<CliRow>& CliRows();

// How one program is run: `prefix` (Wine's runner, say), then `program` (or a copy) with the row's arguments, in
// the row's folder, on the scheduler where the queues are made.
struct CliRunner {
  std::filesystem::path program;
  std::vector<std::string> prefix;
  bool onlyItsStderr;  // false where the platform adds lines of its own to stderr
  std::filesystem::path cupsState;
  std::string queuePrefix;
};

// Runs the row in `folder` (empty) and checks it with gtest expectations.
void CheckCliRow(const CliRow& row, const CliRunner& runner, const std::filesystem::path& folder);

// A copy of `program` alone in `folder`/bin, without the data files and config.qrv beside it.
std::filesystem::path CopyOfTheProgram(const std::filesystem::path& program, const std::filesystem::path& folder);

// `argv` run with `folder` as the current folder.
ProcessResult RunInFolder(std::vector<std::string> argv, const std::filesystem::path& folder,
                          const EnvironmentOverrides& env = {});

}  // namespace veltrim::test
