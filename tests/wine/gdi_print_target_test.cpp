// The gdi backend's print targets under Wine, on queues of our own
// scheduler: the print dialog with its hook (accepted on a chosen queue,
// cancelled), a printer named on the command line (its page rendered by
// Ghostscript and checked at pixels) and the printer list. The Windows side
// is tests/win/gdi_target_probe.cpp.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <map>
#include <sstream>
#include <stdexcept>
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

// A device point of the generic queue's page, read from the rendered page.
class PrintedPage {
 public:
  PrintedPage(const Services& services, const CupsQueue& queue, const ProbeLines& lines) {
    int dpiX = 0, dpiY = 0, offsetX = 0, offsetY = 0;
    const std::string caps = One(lines, "caps");
    if (std::sscanf(caps.c_str(), "%d %d %d %d", &dpiX, &dpiY, &offsetX, &offsetY) != 4 || dpiX <= 0 || dpiY <= 0)
      throw std::runtime_error("no device facts: " + caps);
    dpiX_ = dpiX, dpiY_ = dpiY, offsetX_ = offsetX, offsetY_ = offsetY;
    const auto pages = RenderPages(queue.OutputFile(), kRenderDpi, ScratchFolder(services, queue.Name()));
    if (pages.size() != 1) throw std::runtime_error("expected one page, got " + std::to_string(pages.size()));
    image_ = RasterImage::LoadPng(pages[0]);
  }

  std::uint32_t At(int x, int y) const {
    return image_.Pixel((x + offsetX_) * kRenderDpi / dpiX_, (y + offsetY_) * kRenderDpi / dpiY_);
  }

 private:
  static constexpr int kRenderDpi = 75;
  int dpiX_ = 0, dpiY_ = 0, offsetX_ = 0, offsetY_ = 0;
  RasterImage image_;
};

class GdiPrintTarget : public ::testing::Test {
 protected:
  const Services services_ = Services::FromEnvironment();
};

// Without our hook the dialog shows the copies and collate controls; that
// they are hidden below is the hook's doing.
TEST_F(GdiPrintTarget, DialogShowsCopiesAndCollateByItself) {
  CupsQueue queue(services_, "gdi_plain");
  const ProbeRun run = RunProbe(services_, {"plain-dialog"});
  ASSERT_EQ(run.process.exitCode, 0) << run.process.out << run.process.err;
  ASSERT_EQ(One(run.lines, "dialog"), "1") << run.process.out;
  for (const int id : kHiddenControls) EXPECT_EQ(ControlState(run.lines, id), "exists 1 visible 1") << id;
  EXPECT_EQ(One(run.lines, "accepted"), "0");
}

// Two queues, and the second by name is chosen (Wine preselects the first):
// the hook reports the chosen one, and the page lands in its queue alone.
TEST_F(GdiPrintTarget, DialogAcceptedOnAChosenQueue) {
  CupsQueue first(services_, "gdi_dlg_a");
  CupsQueue chosen(services_, "gdi_dlg_b");
  const ProbeRun run = RunProbe(services_, {"dialog", chosen.Name(), "ok"});
  ASSERT_EQ(run.process.exitCode, 0) << run.process.out << run.process.err;
  ASSERT_EQ(One(run.lines, "dialog"), "1") << run.process.out;
  for (const int id : kHiddenControls) EXPECT_EQ(ControlState(run.lines, id), "exists 1 visible 0") << id;
  EXPECT_EQ(ControlState(run.lines, 1139), "exists 1 visible 1");
  EXPECT_EQ(ControlState(run.lines, 1101), "exists 1 visible 1");
  ASSERT_NE(One(run.lines, "selected"), "-1") << "queue not in the dialog's list";
  EXPECT_EQ(One(run.lines, "accepted"), "1");
  EXPECT_EQ(One(run.lines, "device"), "1");
  EXPECT_EQ(One(run.lines, "name"), chosen.Name());
  EXPECT_EQ(One(run.lines, "port"), "CUPS:" + chosen.Name());
  EXPECT_EQ(One(run.lines, "job"), "1 1 1 1");

  ASSERT_TRUE(chosen.WaitForCompletedJobs(1)) << "the job did not complete";
  EXPECT_EQ(first.CompletedJobs(), 0);
  const PrintedPage page(services_, chosen, run.lines);
  EXPECT_PRED3(ColourNear, page.At(500, 500), 0xFF0000u, 8) << ColourText(page.At(500, 500));
  EXPECT_PRED3(ColourNear, page.At(160, 500), 0xFFFFFFu, 8) << ColourText(page.At(160, 500));
}

TEST_F(GdiPrintTarget, DialogCancelledGivesNothing) {
  CupsQueue queue(services_, "gdi_dlg_cancel");
  const ProbeRun run = RunProbe(services_, {"dialog", queue.Name(), "cancel"});
  ASSERT_EQ(run.process.exitCode, 0) << run.process.out << run.process.err;
  ASSERT_EQ(One(run.lines, "dialog"), "1") << run.process.out;
  for (const int id : kHiddenControls) EXPECT_EQ(ControlState(run.lines, id), "exists 1 visible 0") << id;
  EXPECT_EQ(One(run.lines, "accepted"), "0");
  EXPECT_EQ(One(run.lines, "device"), "0");
  EXPECT_EQ(One(run.lines, "name"), "");
  EXPECT_EQ(One(run.lines, "port"), "");
  EXPECT_EQ(One(run.lines, "job"), "<missing>");
  EXPECT_EQ(queue.CompletedJobs(), 0);
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
  const PrintedPage page(services_, queue, run.lines);

  struct Spot {
    const char* what;
    int x, y;
    std::uint32_t rgb;
  };
  const Spot spots[] = {
      {"box centre", 500, 500, 0xFF0000},
      {"box corner", 220, 320, 0xFF0000},
      {"left of box", 160, 500, 0xFFFFFF},
      {"below box", 500, 740, 0xFFFFFF},
      {"ellipse centre", 1300, 600, 0x0000FF},
      {"ellipse's box corner", 1030, 330, 0xFFFFFF},
      {"line", 900, 1000, 0x00FF00},
      {"above line", 900, 950, 0xFFFFFF},
      {"below line", 900, 1050, 0xFFFFFF},
      {"bitmap top left", 300, 1300, 0xFF0000},
      {"bitmap top right", 500, 1300, 0x00FF00},
      {"bitmap bottom left", 300, 1500, 0x0000FF},
      {"bitmap bottom right", 500, 1500, 0xFFFF00},
      {"right of bitmap", 650, 1400, 0xFFFFFF},
      {"below bitmap", 400, 1650, 0xFFFFFF},
  };
  for (const Spot& spot : spots) {
    EXPECT_PRED3(ColourNear, page.At(spot.x, spot.y), spot.rgb, 8)
        << spot.what << ": " << ColourText(page.At(spot.x, spot.y));
  }
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
