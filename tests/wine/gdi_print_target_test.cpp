// The gdi backend's print targets under Wine, on queues of our own
// scheduler: the print dialog with its hook (accepted on a chosen queue,
// cancelled), a printer named on the command line (its page rendered by
// Ghostscript and checked at pixels; red and blue apart catch a swapped byte
// order anywhere on the way) and the printer list. The Windows side is
// tests/win/gdi_target_probe.cpp.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "raster.hpp"
#include "services.hpp"

namespace veltrim::test {
namespace {

const char* const kProbe = VELTRIM_WIN64_DIR "/tests/gdi_target_probe.exe";

// The copies and collate controls that the hook hides.
constexpr int kHiddenControls[] = {1154, 9999, 1092, 1073, 1086, 1041};

// "key value" lines of the probe; a key may repeat.
using ProbeLines = std::multimap<std::string, std::string>;

ProbeLines ParseLines(const std::string& out) {
  ProbeLines lines;
  std::istringstream in(out);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const auto space = line.find(' ');
    if (space == std::string::npos)
      lines.emplace(line, "");
    else
      lines.emplace(line.substr(0, space), line.substr(space + 1));
  }
  return lines;
}

std::string One(const ProbeLines& lines, const std::string& key) {
  const auto [first, last] = lines.equal_range(key);
  if (first == last) return "<missing>";
  if (std::next(first) != last) return "<repeated>";
  return first->second;
}

std::vector<std::string> All(const ProbeLines& lines, const std::string& key) {
  std::vector<std::string> values;
  const auto [first, last] = lines.equal_range(key);
  for (auto it = first; it != last; ++it) values.push_back(it->second);
  return values;
}

// "ID exists E visible V" of the reported controls.
std::string ControlState(const ProbeLines& lines, int id) {
  const std::string prefix = std::to_string(id) + " ";
  for (const std::string& control : All(lines, "control"))
    if (control.rfind(prefix, 0) == 0) return control.substr(prefix.size());
  return "<missing>";
}

struct ProbeRun {
  ProcessResult process;
  ProbeLines lines;
};

ProbeRun RunProbe(const Services& services, const std::vector<std::string>& args) {
  ProbeRun run{RunWindowsProgram(services, kProbe, args), {}};
  run.lines = ParseLines(run.process.out);
  return run;
}

class GdiPrintTarget : public ::testing::Test {
 protected:
  const Services services_ = Services::FromEnvironment();
};

// Two queues, and the second by name is chosen (Wine preselects the first):
// accepted, the hook reports the chosen one and the page lands in its queue
// alone; cancelled, nothing is chosen or printed. Either way the hook has
// hidden the copies and collate controls.
TEST_F(GdiPrintTarget, DialogAcceptedOnAChosenQueueOrCancelled) {
  CupsQueue first(services_, "gdi_dlg_a");
  CupsQueue chosen(services_, "gdi_dlg_b");
  for (const bool accept : {true, false}) {
    SCOPED_TRACE(accept ? "accepted" : "cancelled");
    const ProbeRun run = RunProbe(services_, {"dialog", chosen.Name(), accept ? "ok" : "cancel"});
    ASSERT_EQ(run.process.exitCode, 0) << run.process.out << run.process.err;
    ASSERT_EQ(One(run.lines, "dialog"), "1") << run.process.out;
    for (const int id : kHiddenControls) EXPECT_EQ(ControlState(run.lines, id), "exists 1 visible 0") << id;
    EXPECT_EQ(ControlState(run.lines, 1139), "exists 1 visible 1");
    EXPECT_EQ(ControlState(run.lines, 1101), "exists 1 visible 1");
    ASSERT_NE(One(run.lines, "selected"), "-1") << "queue not in the dialog's list";
    const std::string yes = accept ? "1" : "0";
    EXPECT_EQ(One(run.lines, "accepted"), yes);
    EXPECT_EQ(One(run.lines, "device"), yes);
    EXPECT_EQ(One(run.lines, "name"), accept ? chosen.Name() : "");
    EXPECT_EQ(One(run.lines, "port"), accept ? "CUPS:" + chosen.Name() : "");
    EXPECT_EQ(One(run.lines, "job"), accept ? "1 1 1 1" : "<missing>");
  }
  ASSERT_TRUE(chosen.WaitForCompletedJobs(1)) << "the job did not complete";
  EXPECT_EQ(first.CompletedJobs(), 0);
}

// Shapes and a stretched bitmap drawn through GdiSurface on the named
// printer, found on the rendered page where the device geometry puts them.
TEST_F(GdiPrintTarget, NamedPrinterPrintsThePage) {
  CupsQueue queue(services_, "gdi_named");
  const ProbeRun run = RunProbe(services_, {"named", queue.Name()});
  ASSERT_EQ(run.process.exitCode, 0) << run.process.out << run.process.err;
  EXPECT_EQ(One(run.lines, "accepted"), "1");
  EXPECT_EQ(One(run.lines, "device"), "1");
  EXPECT_EQ(One(run.lines, "name"), queue.Name());
  EXPECT_EQ(One(run.lines, "port"), "CUPS:" + queue.Name());
  EXPECT_EQ(One(run.lines, "bitmap"), "1");
  EXPECT_EQ(One(run.lines, "stretch"), "1");
  ASSERT_EQ(One(run.lines, "job"), "1 1 1 1");
  ASSERT_TRUE(queue.WaitForCompletedJobs(1)) << "the job did not complete";
  // The generic queue at 300 dpi with its printable area 50 dots in.
  ASSERT_EQ(One(run.lines, "caps"), "300 300 50 50");
  const auto pages = RenderPages(queue.OutputFile(), 75, ScratchFolder(services_, queue.Name()));
  ASSERT_EQ(pages.size(), 1u);
  const std::vector<ColourProbe> probes = {
      {"box centre", 500, 500, 0xFF0000},          {"box corner", 220, 320, 0xFF0000},
      {"left of box", 160, 500, 0xFFFFFF},         {"below box", 500, 740, 0xFFFFFF},
      {"ellipse centre", 1300, 600, 0x0000FF},     {"ellipse's box corner", 1030, 330, 0xFFFFFF},
      {"line", 900, 1000, 0x00FF00},               {"above line", 900, 950, 0xFFFFFF},
      {"below line", 900, 1050, 0xFFFFFF},         {"bitmap top left", 300, 1300, 0xFF0000},
      {"bitmap top right", 500, 1300, 0x00FF00},   {"bitmap bottom left", 300, 1500, 0x0000FF},
      {"bitmap bottom right", 500, 1500, 0xFFFF00}, {"right of bitmap", 650, 1400, 0xFFFFFF},
      {"below bitmap", 400, 1650, 0xFFFFFF},
  };
  EXPECT_EQ(MissedProbes(RasterImage::LoadPng(pages[0]), probes, 50, 75, 300, 8), "");
}

// A name the spooler does not know is a declined choice, with no device.
TEST_F(GdiPrintTarget, UnknownPrinterIsNotAccepted) {
  for (const std::string name : {"gdi_no_such_queue", ""}) {
    const ProbeRun run = RunProbe(services_, {"named", name});
    ASSERT_EQ(run.process.exitCode, 0) << name << run.process.out << run.process.err;
    EXPECT_EQ(One(run.lines, "accepted"), "0") << name;
    EXPECT_EQ(One(run.lines, "device"), "0") << name;
    EXPECT_EQ(One(run.lines, "job"), "<missing>") << name;
  }
}

TEST_F(GdiPrintTarget, PrinterListCarriesNamesAndPorts) {
  CupsQueue one(services_, "gdi_list_1");
  CupsQueue two(services_, "gdi_list_2");
  const ProbeRun run = RunProbe(services_, {"printers"});
  ASSERT_EQ(run.process.exitCode, 0) << run.process.out << run.process.err;
  const std::vector<std::string> printers = All(run.lines, "printer");
  for (const CupsQueue* queue : {&one, &two}) {
    const std::string entry = queue->Name() + " CUPS:" + queue->Name();
    EXPECT_NE(std::find(printers.begin(), printers.end(), entry), printers.end()) << entry << "\n" << run.process.out;
  }
  const std::string fallback = One(run.lines, "default");
  EXPECT_NE(std::find_if(printers.begin(), printers.end(),
                         [&](const std::string& p) { return p.rfind(fallback + " ", 0) == 0; }),
            printers.end())
      << "default '" << fallback << "' is not a listed printer";
}

}  // namespace
}  // namespace veltrim::test
