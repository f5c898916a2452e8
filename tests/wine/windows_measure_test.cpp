// veltrim-cli.exe measure under Wine runs the core `veltrim measure` runs, on
// files read by the platform's readers (stb_image; TIFF through the system's
// imaging codecs): the same scans give the same report and the same refusals.
// What the figures are worth is checked once, on Linux (tests/cli, tests/render).
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "cli_conformance.hpp"
#include "scan_files.hpp"
#include "services.hpp"

namespace veltrim::test {
namespace {

const fs::path kCli = VELTRIM_WIN64_DIR "/veltrim-cli.exe";

std::string WithoutCarriageReturns(std::string text) {
  std::erase(text, '\r');
  return text;
}

TEST(WindowsMeasure, SameScansGiveTheSameFigures) {
  const Services services = Services::FromEnvironment();
  const fs::path folder = ScratchFolder(services, "wcli_measure");
  ScanSetup front;
  front.offsetXMm = 1.3, front.offsetYMm = -2.2, front.scaleX = 1.002, front.scaleY = 0.997, front.skewDeg = 0.2;
  front.bedDeg = -2;
  const SyntheticScan scan = RenderSyntheticScan(front);
  ScanSetup turned = front;  // the back, upside down on a light bed
  turned.offsetYMm = 1.4, turned.bedDeg = 178, turned.bedGrey = 0.8;
  WriteBytes(folder / "scan.png", WithPhys(Encoded(scan, 'p'), 11811));  // 300 dpi
  WriteBytes(folder / "scan.jpg", Encoded(scan, 'j'));
  WriteTiff(folder / "scan.tif", scan, 300);
  WriteBytes(folder / "back.bmp", Encoded(RenderSyntheticScan(turned), 'b'));
  WriteBytes(folder / "blank.png", Encoded({400, 500, std::vector<std::uint8_t>(400 * 500, 235)}, 'p'));
  struct Run {
    std::vector<std::string> args;
    int exitCode;
  };
  for (const auto& [args, exitCode] : {Run{{"measure", "scan.png", "--json"}, 0},
                                       Run{{"measure", "scan.tif", "--json"}, 0},
                                       Run{{"measure", "scan.jpg", "back.bmp", "--scan-dpi", "300"}, 0},
                                       Run{{"measure", "scan.jpg"}, 2},
                                       Run{{"measure", "blank.png", "--scan-dpi", "300"}, 2}}) {
    std::vector<std::string> linux{VELTRIM_CLI}, windows{VELTRIM_FIXTURES_DIR "/run-wine.sh", services.state.string(),
                                                          kCli.string()};
    linux.insert(linux.end(), args.begin(), args.end());
    windows.insert(windows.end(), args.begin(), args.end());
    const ProcessResult expected = RunInFolder(linux, folder), run = RunInFolder(windows, folder);
    SCOPED_TRACE(args[1]);
    EXPECT_EQ(expected.exitCode, exitCode) << expected.err;
    EXPECT_EQ(run.exitCode, exitCode) << run.err;
    EXPECT_EQ(WithoutCarriageReturns(run.out), expected.out);
    // Wine may add lines of its own to stderr.
    EXPECT_NE(WithoutCarriageReturns(run.err).find(expected.err), std::string::npos) << run.err;
  }
}

}  // namespace
}  // namespace veltrim::test
