// The print job's report and geometry, on recording surfaces whose spooler
// results are scripted so that every failure path can be taken on demand.
#include "print/print_engine.hpp"

#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "recording_surface.hpp"

namespace veltrim {
namespace {

// The results the spooler gives, call by call; success once a list runs out.
struct SpoolerScript {
  std::deque<int> startDoc, startPage, endPage, endDoc;
};

class ScriptedDevice final : public PrintDevice {
 public:
  ScriptedDevice(RecordingSurface& surface, SpoolerScript script, std::vector<std::string>& calls)
      : surface_(surface), script_(std::move(script)), calls_(calls) {}
  Surface& Page() override { return surface_; }
  int StartDocA(const char* name) override {
    calls_.push_back(std::string("StartDoc ") + name);
    return Next(script_.startDoc, 1);
  }
  int StartPage() override { return Call("StartPage", script_.startPage); }
  int EndPage() override { return Call("EndPage", script_.endPage); }
  int EndDoc() override { return Call("EndDoc", script_.endDoc); }

 private:
  static int Next(std::deque<int>& results, int otherwise) {
    if (results.empty()) return otherwise;
    const int result = results.front();
    results.pop_front();
    return result;
  }
  int Call(const char* name, std::deque<int>& results) {
    calls_.push_back(name);
    return Next(results, 1);
  }
  RecordingSurface& surface_;
  SpoolerScript script_;
  std::vector<std::string>& calls_;
};

class ScriptedTarget final : public PrintTarget {
 public:
  bool accept = true;
  bool withDevice = true;
  RecordingDevice device;
  SpoolerScript script;
  std::vector<std::string> calls;
  // The page surface outlives the device, which the job deletes.
  std::unique_ptr<RecordingSurface> surface;

  PrintChoice Choose() override {
    calls.push_back("PrintDlg");
    PrintChoice choice;
    choice.accepted = accept;
    choice.printerName = "Queue 7";
    choice.printerPort = "CUPS:Queue 7";
    if (accept && withDevice) {
      surface = std::make_unique<RecordingSurface>(device);
      choice.device = std::make_unique<ScriptedDevice>(*surface, script, calls);
    }
    return choice;
  }
};

class TestHost final : public PrintHost {
 public:
  std::map<int, std::string> boxes{{kIdDocs, "1"}, {kIdPagesPerDoc, "1"}, {kIdPaperOffset, "0"}};
  std::deque<double> clock{0, 0, 0};
  std::vector<int> reads;
  std::string report;
  int reportsSet = 0;

  std::string ReadControlText(int id) override {
    reads.push_back(id);
    return boxes[id];
  }
  void SetReport(std::string_view text) override {
    report = text;
    ++reportsSet;
  }
  double ClockMilliseconds() override {
    const double now = clock.empty() ? 0 : clock.front();
    if (!clock.empty()) clock.pop_front();
    return now;
  }
  void ShowMessage(std::string_view, std::string_view, MessageIcon) override {}
  std::string ProgramFilePath() override { return "/nonexistent/veltrim"; }
};

const std::string kHeader = "QORVEL Veltrim v2\r\n-------------------\r\n";

std::string Repeat(const std::string& text, int times) {
  std::string result;
  for (int i = 0; i < times; ++i) result += text;
  return result;
}

struct Job {
  TestHost host;
  ScriptedTarget target;
  TestSelection selection;
  std::string printerName;
  DynString report;

  std::string Run() {
    PrintEngine(host, target, selection, printerName, report);
    EXPECT_EQ(host.reportsSet, 1);
    EXPECT_EQ(host.report, report.View());
    return host.report;
  }
};

TEST(PrintReport, CancelledDialogGivesHeaderFailureAndTime) {
  Job job;
  job.target.accept = false;
  job.host.clock = {1000, 1250};
  EXPECT_EQ(job.Run(), kHeader + "[x] PrintDlg()\r\n\r\nPrint Time: 0.25 seconds.");
  EXPECT_EQ(job.printerName, "") << "a refused dialog leaves the printer name alone";
}

TEST(PrintReport, TwoDocumentsOfThreePages) {
  Job job;
  job.host.boxes = {{kIdDocs, "2"}, {kIdPagesPerDoc, "3"}, {kIdPaperOffset, "0"}};
  // The dialog's own time is not counted: the clock starts again after it.
  job.host.clock = {0, 5000, 5500};
  const std::string document =
      "[v] StartDoc()\r\n" + Repeat("[v] StartPage()\r\n[v] EndPage()\r\n", 3) + "[v] EndDoc()\r\n";
  EXPECT_EQ(job.Run(), kHeader + "[v] PrintDlg()\r\n[v] pd.hDC\r\n" + document + document +
                           "\r\nPrint Time: 0.5 seconds.");
  EXPECT_EQ(job.printerName, "Queue 7");
  EXPECT_EQ(job.target.calls,
            (std::vector<std::string>{"PrintDlg", "StartDoc QORVEL Veltrim v2", "StartPage", "EndPage", "StartPage",
                                      "EndPage", "StartPage", "EndPage", "EndDoc", "StartDoc QORVEL Veltrim v2",
                                      "StartPage", "EndPage", "StartPage", "EndPage", "StartPage", "EndPage",
                                      "EndDoc"}));
}

TEST(PrintReport, SettingsAreReadPagesFirstThenDocumentsThenOffset) {
  Job job;
  job.Run();
  EXPECT_EQ(job.host.reads, (std::vector<int>{kIdPagesPerDoc, kIdDocs, kIdPaperOffset}));
}

struct FailureCase {
  const char* name;
  const char* docs;
  const char* pages;
  SpoolerScript script;
  std::string expected;  // between "[v] pd.hDC\r\n" and the time line
};

// Test names and failure messages show the case by its name.
void PrintTo(const FailureCase& c, std::ostream* out) { *out << c.name; }

class PrintReportFailures : public ::testing::TestWithParam<FailureCase> {};

TEST_P(PrintReportFailures, MarkEachStepAndGoOn) {
  const FailureCase& c = GetParam();
  Job job;
  job.host.boxes = {{kIdDocs, c.docs}, {kIdPagesPerDoc, c.pages}, {kIdPaperOffset, "0"}};
  job.target.script = c.script;
  const std::string report = job.Run();
  const std::string prefix = kHeader + "[v] PrintDlg()\r\n[v] pd.hDC\r\n";
  ASSERT_EQ(report.substr(0, prefix.size()), prefix);
  EXPECT_EQ(report.substr(prefix.size(), report.find("\r\nPrint Time: ") - prefix.size()), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Spooler, PrintReportFailures,
    ::testing::Values(
        // A failed StartPage is followed by the next page's StartPage, never an EndPage.
        FailureCase{"StartPageFails", "1", "3", {{}, {1, 0, 1}, {}, {}},
                    "[v] StartDoc()\r\n[v] StartPage()\r\n[v] EndPage()\r\n[x] StartPage()\r\n"
                    "[v] StartPage()\r\n[v] EndPage()\r\n[v] EndDoc()\r\n"},
        FailureCase{"StartPageNegative", "1", "1", {{}, {-5}, {}, {}}, "[v] StartDoc()\r\n[x] StartPage()\r\n[v] EndDoc()\r\n"},
        // SP_ERROR skips the document: no pages, no EndDoc; the next one runs.
        FailureCase{"StartDocFails", "2", "1", {{-1}, {}, {}, {}},
                    "[x] StartDoc()\r\n[v] StartDoc()\r\n[v] StartPage()\r\n[v] EndPage()\r\n[v] EndDoc()\r\n"},
        // Only -1 is a failed StartDoc.
        FailureCase{"StartDocZeroIsNotSpError", "1", "0", {{0}, {}, {}, {}}, "[v] StartDoc()\r\n[v] EndDoc()\r\n"},
        FailureCase{"EndPageAndEndDocFail", "1", "2", {{}, {}, {0, -1}, {0}},
                    "[v] StartDoc()\r\n[v] StartPage()\r\n[x] EndPage()\r\n[v] StartPage()\r\n[x] EndPage()\r\n"
                    "[x] EndDoc()\r\n"},
        FailureCase{"NoDocuments", "0", "3", {}, ""},
        FailureCase{"NotANumberReadsAsZero", "two", "3", {}, ""},
        FailureCase{"NoPages", "2", "0", {}, "[v] StartDoc()\r\n[v] EndDoc()\r\n[v] StartDoc()\r\n[v] EndDoc()\r\n"}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(PrintReport, DialogWithoutDeviceContext) {
  Job job;
  job.target.withDevice = false;
  job.host.clock = {0, 10, 110};
  EXPECT_EQ(job.Run(), kHeader + "[v] PrintDlg()\r\n[x] pd.hDC\r\n\r\nPrint Time: 0.100000001490116119384765625 seconds.");
}

TEST(PrintReport, TimeIsASinglePrecisionQuotientWithEveryDigit) {
  Job job;
  job.target.accept = false;
  job.host.clock = {0, 1};
  // 0.001f is not 0.001: the report shows the float's exact value.
  EXPECT_EQ(job.Run(), kHeader + "[x] PrintDlg()\r\n\r\nPrint Time: 0.001000000047497451305389404296875 seconds.");
}

TEST(PageGeometry, FromTheDeviceInTheOrderItIsAsked) {
  RecordingSurface surface(RecordingDevice::A4At600Dpi());
  const PageGeometry geometry = ReadPageGeometry(surface);
  const TextMetrics metrics = RecordingSurface::MetricsFor(surface.Device().DefaultFontHeight());
  EXPECT_EQ(geometry.lineHeight, metrics.tmHeight + metrics.tmExternalLeading + 2);
  EXPECT_EQ(geometry.pageWidth, 4800);
  EXPECT_EQ(geometry.pageHeight, 6814);
  // 4800 / 203 and 6814 / 288 are integer quotients: 23, not 23.6.
  EXPECT_EQ(geometry.pxPerMmX, 23.0f);
  EXPECT_EQ(geometry.pxPerMmY, 23.0f);
  std::vector<std::int64_t> asked;
  for (const Record& record : surface.RecordsOf("GetDeviceCaps")) asked.push_back(record.args.at(0));
  EXPECT_EQ(asked, (std::vector<std::int64_t>{8, 10, 10, 6, 8, 4}));
}

TEST(PageGeometry, ZeroMillimetreSizeGivesZeroNotADivisionByZero) {
  RecordingSurface surface(RecordingDevice::A4At600Dpi().With(DeviceCap::HorzSize, 0).With(DeviceCap::VertSize, 0));
  const PageGeometry geometry = ReadPageGeometry(surface);
  EXPECT_EQ(geometry.pxPerMmX, 0.0f);
  EXPECT_EQ(geometry.pxPerMmY, 0.0f);
}

TEST(PageGeometry, OffsetTruncatesTowardZeroByTheHorizontalFactor) {
  EXPECT_EQ(OffsetInDeviceUnits(10, 23.0f), 230);
  EXPECT_EQ(OffsetInDeviceUnits(-10, 23.0f), -230);
  EXPECT_EQ(OffsetInDeviceUnits(3, 11.8f), 35);    // 35.4
  EXPECT_EQ(OffsetInDeviceUnits(-3, 11.8f), -35);  // toward zero, not down
}

TEST(PageDispatch, TenMillimetreOffsetPutsTheColorTitleAt230) {
  Job job;
  job.host.boxes = {{kIdDocs, "1"}, {kIdPagesPerDoc, "1"}, {kIdPaperOffset, "10"}};
  job.target.device = RecordingDevice::A4At600Dpi();
  job.selection.currentTab = 1;
  job.Run();
  ASSERT_NE(job.target.surface, nullptr);
  const auto titles = job.target.surface->RecordsOf("TextOutA");
  ASSERT_EQ(titles.size(), 1u);
  EXPECT_EQ(titles[0].args, (std::vector<std::int64_t>{0, 230}));
  EXPECT_EQ(titles[0].text, "QORVEL Veltrim Program - version 2 / Printer: Queue 7");
  EXPECT_EQ(job.target.surface->HygieneReport(), "");
}

TEST(PageDispatch, NoCategorySpoolsBlankPages) {
  Job job;
  job.host.boxes = {{kIdDocs, "1"}, {kIdPagesPerDoc, "2"}, {kIdPaperOffset, "0"}};
  job.selection.currentTab = -1;
  job.selection.bwTests.fill(1);
  EXPECT_NE(job.Run().find("[v] StartPage()\r\n[v] EndPage()\r\n[v] StartPage()\r\n[v] EndPage()\r\n"),
            std::string::npos);
  for (const Record& record : job.target.surface->Records())
    EXPECT_TRUE(record.op == "GetDeviceCaps" || record.op == "GetTextMetricsA") << record;
}

}  // namespace
}  // namespace veltrim
