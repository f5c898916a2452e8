// The print job's report and geometry with scripted spooler results, so every failure path can be taken; the page
// dispatch: what a selection draws, where the offset puts it, and that each page leaves the context as it found it.
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <memory>

#include "pattern_page.hpp"

namespace veltrim::test {
namespace {

// The results the spooler gives, call by call; success once a list runs out.
struct SpoolerScript { std::deque<int> startDoc, startPage, endPage, endDoc; };

class ScriptedDevice final : public PrintDevice {
 public:
  ScriptedDevice(RecordingSurface& surface, SpoolerScript script, std::vector<std::string>& calls)
      : surface_(surface), script_(std::move(script)), calls_(calls) {}
  Surface& Page() override { return surface_; }
  int StartDocA(const char* name) override { return Call(std::string("StartDoc ") + name, script_.startDoc); }
  int StartPage() override { return Call("StartPage", script_.startPage); }
  int EndPage() override { return Call("EndPage", script_.endPage); }
  int EndDoc() override { return Call("EndDoc", script_.endDoc); }

 private:
  int Call(std::string name, std::deque<int>& results) {
    calls_.push_back(std::move(name));
    const int result = results.empty() ? 1 : results.front();
    if (!results.empty()) results.pop_front();
    return result;
  }
  RecordingSurface& surface_;
  SpoolerScript script_;
  std::vector<std::string>& calls_;
};

// The print dialog, accepted with a device or not.
struct ScriptedTarget final : PrintTarget {
  bool accept = true;
  bool withDevice = true;
  RecordingDevice device;
  SpoolerScript script;
  std::vector<std::string> calls;
  std::unique_ptr<RecordingSurface> surface;  // outlives the device, which the job deletes

  PrintChoice Choose() override {
    calls.push_back("PrintDlg");
    PrintChoice choice{.accepted = accept, .device = nullptr, .printerName = "Queue 7", .printerPort = "CUPS:Queue 7"};
    if (accept && withDevice) {
      surface = std::make_unique<RecordingSurface>(device);
      choice.device = std::make_unique<ScriptedDevice>(*surface, script, calls);
    }
    return choice;
  }
};

struct Job {
  TestHost host;
  ScriptedTarget target;
  TestSelection selection;
  std::string printerName;
  DynString report;

  // The report, set once, after the header.
  std::string Run() {
    PrintEngine(host, target, selection, printerName, report);
    EXPECT_EQ(std::pair(host.reportsSet, host.report), std::pair(1, std::string(report.View())));
    const std::string header = "QORVEL Veltrim v2\r\n-------------------\r\n";
    EXPECT_EQ(host.report.substr(0, header.size()), header);
    return host.report.substr(std::min(header.size(), host.report.size()));
  }
};

TEST(PrintReport, EndedByTheDialogWithTheTimeOfTheSinglePrecisionQuotient) {
  // A refused dialog counts its own time and leaves the printer name alone; the report shows every digit of the float
  // (0.001f is not 0.001).
  const struct { bool accept, withDevice; std::deque<double> clock; std::string expected, printer; } cases[] = {
      {false, false, {1000, 1250}, "[x] PrintDlg()\r\n\r\nPrint Time: 0.25 seconds.", ""},
      {false, false, {0, 1}, "[x] PrintDlg()\r\n\r\nPrint Time: 0.001000000047497451305389404296875 seconds.", ""},
      {true, false, {0, 10, 110},
       "[v] PrintDlg()\r\n[x] pd.hDC\r\n\r\nPrint Time: 0.100000001490116119384765625 seconds.", "Queue 7"},
  };
  for (const auto& c : cases) {
    Job job;
    job.target.accept = c.accept;
    job.target.withDevice = c.withDevice;
    job.host.clock = c.clock;
    EXPECT_EQ(job.Run(), c.expected);
    EXPECT_EQ(job.printerName, c.printer);
  }
}

TEST(PrintReport, TwoDocumentsOfThreePages) {
  Job job;
  job.host.boxes = {{kIdDocs, "2"}, {kIdPagesPerDoc, "3"}, {kIdPaperOffset, "0"}};
  job.host.clock = {0, 5000, 5500};  // the dialog's own time is not counted: the clock starts again after it
  job.selection.currentTab = -1;     // every page spooled blank, but started and ended
  job.selection.bwTests.fill(1);
  const std::string page = "[v] StartPage()\r\n[v] EndPage()\r\n";
  const std::string document = "[v] StartDoc()\r\n" + page + page + page + "[v] EndDoc()\r\n";
  EXPECT_EQ(job.Run(), "[v] PrintDlg()\r\n[v] pd.hDC\r\n" + document + document + "\r\nPrint Time: 0.5 seconds.");
  EXPECT_EQ(job.printerName, "Queue 7");
  const std::vector<std::string> documentCalls = {"StartDoc QORVEL Veltrim v2", "StartPage", "EndPage", "StartPage",
                                                  "EndPage", "StartPage", "EndPage", "EndDoc"};
  std::vector<std::string> calls = {"PrintDlg"};
  calls.insert(calls.end(), documentCalls.begin(), documentCalls.end());
  calls.insert(calls.end(), documentCalls.begin(), documentCalls.end());
  EXPECT_EQ(job.target.calls, calls);
  EXPECT_EQ(job.host.reads, (std::vector<int>{kIdPagesPerDoc, kIdDocs, kIdPaperOffset}));
  for (const Record& record : job.target.surface->Records())
    EXPECT_TRUE(record.op == "GetDeviceCaps" || record.op == "GetTextMetricsA") << record;
}

struct FailureCase {
  const char* name;
  const char* docs;
  const char* pages;
  SpoolerScript script;
  std::string expected;  // between "[v] pd.hDC\r\n" and the time line
};

class PrintReportFailures : public ::testing::TestWithParam<FailureCase> {};

TEST_P(PrintReportFailures, MarkEachStepAndGoOn) {
  const FailureCase& c = GetParam();
  Job job;
  job.host.boxes = {{kIdDocs, c.docs}, {kIdPagesPerDoc, c.pages}, {kIdPaperOffset, "0"}};
  job.target.script = c.script;
  const std::string report = job.Run();
  const std::string prefix = "[v] PrintDlg()\r\n[v] pd.hDC\r\n";
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
        FailureCase{"StartPageNegative", "1", "1", {{}, {-5}, {}, {}},
                    "[v] StartDoc()\r\n[x] StartPage()\r\n[v] EndDoc()\r\n"},
        // SP_ERROR skips the document: no pages, no EndDoc; the next one runs.
        FailureCase{"StartDocFails", "2", "1", {{-1}, {}, {}, {}},
                    "[x] StartDoc()\r\n[v] StartDoc()\r\n[v] StartPage()\r\n[v] EndPage()\r\n[v] EndDoc()\r\n"},
        // Only -1 is a failed StartDoc.
        FailureCase{"StartDocZeroIsNotSpError", "1", "0", {{0}, {}, {}, {}}, "[v] StartDoc()\r\n[v] EndDoc()\r\n"},
        FailureCase{"EndPageAndEndDocFail", "1", "2", {{}, {}, {0, -1}, {0}},
                    "[v] StartDoc()\r\n[v] StartPage()\r\n[x] EndPage()\r\n[v] StartPage()\r\n[x] EndPage()\r\n"
                    "[x] EndDoc()\r\n"},
        FailureCase{"NoDocuments", "0", "3", {}, ""}, FailureCase{"NotANumberReadsAsZero", "two", "3", {}, ""},
        FailureCase{"NoPages", "2", "0", {}, "[v] StartDoc()\r\n[v] EndDoc()\r\n[v] StartDoc()\r\n[v] EndDoc()\r\n"}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(PageGeometry, FromTheDeviceInTheOrderItIsAsked) {
  // Integer quotients (see Skewed): 23 and 11, not 23.6 and 11.8; no millimetre sizes give 0, not a division by zero.
  const struct { RecordingDevice device; float x, y; } cases[] = {
      {Skewed(), 23, 11}, {Skewed().With(DeviceCap::HorzSize, 0).With(DeviceCap::VertSize, 0), 0, 0}};
  for (const auto& c : cases) {
    RecordingSurface surface(c.device);
    const PageGeometry g = ReadPageGeometry(surface);
    // The line: tmHeight + tmExternalLeading + 2 of the default font.
    EXPECT_EQ(std::tuple(g.lineHeight, g.pageWidth, g.pageHeight, g.pxPerMmX, g.pxPerMmY),
              std::tuple(25 + 0 + 2, 4800, 3150, c.x, c.y));
    std::vector<std::int64_t> asked;
    for (const Record& record : surface.RecordsOf("GetDeviceCaps")) asked.push_back(record.args.at(0));
    EXPECT_EQ(asked, (std::vector<std::int64_t>{8, 10, 10, 6, 8, 4}));
  }
}

TEST(PageGeometry, OffsetTruncatesTowardZeroByTheHorizontalFactor) {
  // 35.4 either way: toward zero, not down.
  for (const auto& [mm, factor, units] :
       {std::tuple{10, 23.0f, 230}, {-10, 23.0f, -230}, {3, 11.8f, 35}, {-3, 11.8f, -35}})
    EXPECT_EQ(OffsetInDeviceUnits(mm, factor), units) << mm << " x " << factor;
}

TEST(PageDispatch, PagesGetTheOffsetBoxAndTheChosenPrinterAndTheTimeAfreshEachPage) {
  Job job;
  job.host.boxes = {{kIdDocs, "1"}, {kIdPagesPerDoc, "2"}, {kIdPaperOffset, "10"}};
  job.target.device = Skewed();  // 23 units a horizontal mm, 11 a vertical one
  job.selection.bwTests[0] = 1;
  job.Run();
  ASSERT_NE(job.target.surface, nullptr);
  const auto lines = job.target.surface->RecordsOf("TextOutA");
  ASSERT_EQ(lines.size(), 52u);
  EXPECT_EQ(lines[0].args, (Args{0, 230}));
  EXPECT_EQ(lines[2].text, "Printer Name (Port Used): Queue 7 (CUPS:Queue 7)     ");
  EXPECT_EQ(job.host.factsRead, 2);
}

struct PageCase { const char* name; Tab tab; std::vector<int> items; const char* coverage = "50"; };

class EveryPage : public ::testing::TestWithParam<PageCase> {};

TEST_P(EveryPage, DrawsAndDeletesAndDeselectsEveryObject) {
  const PageCase& c = GetParam();
  Page page;
  for (const int item : c.items) page.Tick(c.tab, {item});
  page.Box(kIdCoverage, c.coverage).Box(kIdDotCoverage, c.coverage).Draw(3);
  const auto& records = page.dc.Records();
  EXPECT_TRUE(std::any_of(records.begin(), records.end(), [](const Record& r) {
    return r.op == "Rectangle" || r.op == "LineTo" || r.op == "DrawTextA";
  })) << "a blank page";
  EXPECT_EQ(page.dc.HygieneReport(), "");
  for (const ObjectKind kind : {ObjectKind::Pen, ObjectKind::Brush, ObjectKind::Font})
    EXPECT_TRUE(page.dc.Object(page.dc.Selected(kind))->stock);
}

std::vector<PageCase> AllPages() {
  std::vector<PageCase> cases = {
      {"BlackWhiteStacked", Tab::BlackWhite, {0, 1, 2, 3, 4, 5, 6, 7, 8}},
      {"ColorStacked", Tab::Color, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
      {"CalibrationAllInks", Tab::Calibration, {0, 1, 2, 3, 4, 5, 6}}, {"Graph", Tab::Calibration, {7}},
      {"CoverageHoles", Tab::Custom, {5}, "95"},
  };
  for (int option = 0; option < kAdvancedOptions; ++option) cases.push_back({"Advanced", Tab::Advanced, {option}});
  for (int item = 0; item < kCustomItems; ++item) cases.push_back({"Custom", Tab::Custom, {item}});
  return cases;
}

INSTANTIATE_TEST_SUITE_P(Pages, EveryPage, ::testing::ValuesIn(AllPages()), [](const auto& param) {
  const PageCase& c = param.param;
  return std::string(c.name) + (c.items.size() == 1 ? std::to_string(c.items[0]) : "");
});

TEST(PageDispatch, OutOfRangeSelectionsLeaveThePageBlank) {
  for (const auto& [tab, option] : {std::pair{2, 15}, {2, -1}, {5, 0}, {7, 0}, {-1, 0}}) {
    Page page;
    page.selection.bwTests.fill(1);
    page.selection.colorTests.fill(1);
    page.selection.calibrationTests.fill(1);
    page.selection.customTests.fill(1);
    page.selection.currentTab = tab;
    page.selection.advancedOption = option;
    page.Draw(10);
    EXPECT_TRUE(page.dc.Records().empty()) << "tab " << tab << " option " << option << ":\n" << page.dc.Dump();
  }
}

TEST(PageDispatch, AStandAlonePatternIsTheWholePage) {
  // Custom draws only its first ticked item; the graph page is drawn alone when colours are ticked with it.
  const struct { Tab tab; std::vector<int> ticked; int alone; } cases[] = {
      {Tab::Custom, {1, 2, 3, 4, 5}, 1}, {Tab::Custom, {5, 2, 4}, 2}, {Tab::Calibration, {0, 1, 2, 3, 4, 5, 6, 7}, 7},
  };
  for (const auto& c : cases) {
    Page all, alone;
    for (const int item : c.ticked) all.Tick(c.tab, {item});
    all.Box(kIdDotCoverage, "50").Draw(10);
    alone.Tick(c.tab, {c.alone}).Draw(10);
    ASSERT_FALSE(alone.dc.Records().empty());
    EXPECT_EQ(all.dc.Records(), alone.dc.Records()) << "item " << c.alone;
  }
}

TEST(PageDispatch, OffsetIsMillimetresOfTheHorizontalFactor) {
  // 23 units a horizontal millimetre, 11 a vertical one: 10 mm is 230. The first line: the information block's, or the
  // title of the Color and the Color Calibration pages.
  const struct { Tab tab; int item, offsetMm, y; const char* text; } cases[] = {
      {Tab::BlackWhite, 0, 10, 230, "QORVEL Veltrim Program - version 2 - www.qorvel.com    "},
      {Tab::Color, 4, 10, 230, "QORVEL Veltrim Program - version 2 / Printer: Queue 7"},
      {Tab::Calibration, 0, 10, 230, "QORVEL Veltrim version 2 / Printer: Queue 7    "},
      {Tab::Color, 4, -3, -69, "QORVEL Veltrim Program - version 2 / Printer: Queue 7"},
      {Tab::BlackWhite, 0, 0, 0, "QORVEL Veltrim Program - version 2 - www.qorvel.com    "},
  };
  for (const auto& c : cases) {
    Page page;
    page.Tick(c.tab, {c.item}).Draw(c.offsetMm);
    EXPECT_EQ(page.geometry.offsetY, c.y);
    const auto texts = page.dc.RecordsOf("TextOutA");
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts[0], (Record{"TextOutA", {0, c.y}, c.text, 1}));
  }
}

}  // namespace
}  // namespace veltrim::test
