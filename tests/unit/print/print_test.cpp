// The print job's report on scripted spooler results, its geometry, the page dispatch and following the jobs.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "../../harness/report_text.hpp"
#include "core/print/job_follow.hpp"
#include "pattern_page.hpp"
#include "tab_no.hpp"

namespace veltrim::test {
namespace {

// The results the spooler gives, call by call; success once a list runs out.
struct SpoolerScript { std::deque<int> startDoc, startPage, endPage, endDoc; };

// The print dialog, accepted with a device or not; the device answers from the script.
struct ScriptedTarget final : PrintTarget {
  bool accept = true;
  bool withDevice = true;
  RecordingDevice device;
  SpoolerScript script;
  std::string documentName;
  std::unique_ptr<RecordingSurface> surface;  // outlives the device, which the job deletes

  struct Device final : PrintDevice {
    explicit Device(ScriptedTarget& target) : t(target) {}
    Surface& Page() override { return *t.surface; }
    int StartDocA(const char* name) override { return t.documentName = name, Next(t.script.startDoc); }
    int StartPage() override { return Next(t.script.startPage); }
    int EndPage() override { return Next(t.script.endPage); }
    int EndDoc() override { return Next(t.script.endDoc); }
    static int Next(std::deque<int>& results) {
      if (results.empty()) return 1;
      const int result = results.front();
      results.pop_front();
      return result;
    }
    ScriptedTarget& t;
  };

  PrintChoice Choose() override {
    PrintChoice choice{.accepted = accept, .device = nullptr, .printerName = "Queue 7", .printerPort = "CUPS:Queue 7"};
    if (accept && withDevice) {
      surface = std::make_unique<RecordingSurface>(device);
      choice.device = std::make_unique<Device>(*this);
    }
    return choice;
  }
};

struct Job {
  TestHost host;
  ScriptedTarget target;
  TestSelection selection;
  JobSettings settings;
  PrintOutcome outcome;

  // The report after its header.
  std::string Run() {
    outcome = PrintEngine(host, target, {selection, settings});
    EXPECT_TRUE(outcome.report.starts_with(kReportHeader)) << outcome.report;
    return outcome.report.substr(std::min(kReportHeader.size(), outcome.report.size()));
  }
};

TEST(PrintReport, EndedByTheDialogWithTheTimeOfTheSinglePrecisionQuotient) {
  // A refused dialog counts its own time and names no printer; the report shows every digit of the float
  // (0.001f is not 0.001).
  const struct { bool accept, withDevice; std::deque<double> clock; std::string expected, printer, port; } cases[] = {
      {false, false, {0, 1}, "[x] PrintDlg()\r\n\r\nPrint Time: 0.001000000047497451305389404296875 seconds.", "", ""},
      {true, false, {0, 10, 110},
       "[v] PrintDlg()\r\n[x] pd.hDC\r\n\r\nPrint Time: 0.100000001490116119384765625 seconds.", "Queue 7",
       "CUPS:Queue 7"},
  };
  for (const auto& c : cases) {
    Job job;
    job.target.accept = c.accept;
    job.target.withDevice = c.withDevice;
    job.host.clock = c.clock;
    EXPECT_EQ(job.Run(), c.expected);
    EXPECT_EQ(std::tuple(job.outcome.accepted, job.outcome.printerName, job.outcome.printerPort),
              std::tuple(c.accept, c.printer, c.port));
  }
}

TEST(PrintReport, TwoDocumentsOfThreePages) {
  Job job;
  job.settings.documents = 2;
  job.settings.pages = 3;
  job.host.clock = {0, 5000, 5500};  // the dialog's own time is not counted: the clock starts again after it
  EXPECT_EQ(job.Run(), "[v] PrintDlg()\r\n[v] pd.hDC\r\n" + Documents(2, 3) + "\r\nPrint Time: 0.5 seconds.");
  EXPECT_EQ(job.target.documentName, "QORVEL Veltrim v2");
}

TEST(PrintReport, SpoolerFailuresAreMarkedStepByStepAndTheJobGoesOn) {
  // The report between "[v] pd.hDC\r\n" and the time line.
  const struct { int docs, pages; SpoolerScript script; std::string expected; } cases[] = {
      // A failed StartPage is followed by the next page's StartPage, never an EndPage.
      {1, 3, {{}, {1, 0, 1}, {}, {}},
       "[v] StartDoc()\r\n[v] StartPage()\r\n[v] EndPage()\r\n[x] StartPage()\r\n[v] StartPage()\r\n[v] EndPage()\r\n"
       "[v] EndDoc()\r\n"},
      {1, 1, {{}, {-5}, {}, {}}, "[v] StartDoc()\r\n[x] StartPage()\r\n[v] EndDoc()\r\n"},
      // SP_ERROR skips the document: no pages, no EndDoc; the next one runs. Only -1 is a failed StartDoc.
      {2, 1, {{-1}, {}, {}, {}},
       "[x] StartDoc()\r\n[v] StartDoc()\r\n[v] StartPage()\r\n[v] EndPage()\r\n[v] EndDoc()\r\n"},
      {1, 0, {{0}, {}, {}, {}}, "[v] StartDoc()\r\n[v] EndDoc()\r\n"},
      {1, 2, {{}, {}, {0, -1}, {0}},
       "[v] StartDoc()\r\n[v] StartPage()\r\n[x] EndPage()\r\n[v] StartPage()\r\n[x] EndPage()\r\n[x] EndDoc()\r\n"},
  };
  for (const auto& c : cases) {
    Job job;
    job.settings.documents = c.docs;
    job.settings.pages = c.pages;
    job.target.script = c.script;
    EXPECT_EQ(WithoutTime(job.Run()), "[v] PrintDlg()\r\n[v] pd.hDC\r\n" + c.expected) << c.docs << " x " << c.pages;
  }
}

TEST(PageGeometry, FromTheDeviceAndTheOffsetTowardZero) {
  // Integer quotients (see Skewed): 23 and 11, not 23.6 and 11.8; no millimetre sizes give 0, not a division by zero.
  const struct { RecordingDevice device; float x, y; } cases[] = {
      {Skewed(), 23, 11}, {Skewed().With(DeviceCap::HorzSize, 0).With(DeviceCap::VertSize, 0), 0, 0}};
  for (const auto& c : cases) {
    RecordingSurface surface(c.device);
    const PageGeometry g = ReadPageGeometry(surface);
    // The line: tmHeight + tmExternalLeading + 2 of the default font.
    EXPECT_EQ(std::tuple(g.lineHeight, g.pageWidth, g.pageHeight, g.pxPerMmX, g.pxPerMmY),
              std::tuple(25 + 0 + 2, 4800, 3150, c.x, c.y));
  }
  // The offset: 35.4 either way is 35, toward zero, not down; a typed offset past any page is held 2^22 units off it.
  for (const auto& [mm, factor, units] :
       {std::tuple{10, 23.0f, 230}, {-10, 23.0f, -230}, {3, 11.8f, 35}, {-3, 11.8f, -35},
        {INT_MAX, 23.0f, 4194304}, {INT_MIN, 0.5f, -4194304}})
    EXPECT_EQ(OffsetInDeviceUnits(mm, factor), units) << mm << " x " << factor;
}

TEST(PageDispatch, PagesGetTheOffsetBoxThePrinterAndTheTimeAfreshEachPage) {
  Job job;
  job.settings.pages = 2;
  job.settings.offsetMm = 10;
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

// Every page draws something and leaves every object deleted and every selection restored.
TEST(PageDispatch, EveryPageDrawsAndCleansUp) {
  struct PageCase { Tab tab; std::vector<int> items; int coverage = 50; };
  std::vector<PageCase> cases = {{Tab::BlackWhite, {0, 1, 2, 3, 4, 5, 6, 7, 8}},
                                 {Tab::Color, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
                                 {Tab::Calibration, {0, 1, 2, 3, 4, 5, 6}}, {Tab::Calibration, {7}},
                                 {Tab::Custom, {5}, 95}};
  for (int option = 0; option < kAdvancedOptions; ++option) cases.push_back({Tab::Advanced, {option}});
  for (int item = 0; item < kCustomItems; ++item) cases.push_back({Tab::Custom, {item}});
  for (const PageCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "tab " << TabIndex(c.tab) << ", first item " << c.items[0]);
    Page page;
    for (const int item : c.items) page.Tick(c.tab, {item});
    page.Set(JobNumber::Coverage, c.coverage).Set(JobNumber::DotCoverage, c.coverage).Draw(3);
    const auto& records = page.dc.Records();
    EXPECT_TRUE(std::any_of(records.begin(), records.end(), [](const Record& r) {
      return r.op == "Rectangle" || r.op == "LineTo" || r.op == "DrawTextA";
    })) << "a blank page";
    EXPECT_EQ(page.dc.HygieneReport(), "");
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
    all.Set(JobNumber::DotCoverage, 50).Draw(10);
    alone.Tick(c.tab, {c.alone}).Draw(10);
    ASSERT_FALSE(alone.dc.Records().empty());
    EXPECT_EQ(all.dc.Records(), alone.dc.Records()) << "item " << c.alone;
  }
}

TEST(PageDispatch, OffsetIsMillimetresOfTheHorizontalFactor) {
  // 23 units a horizontal millimetre, 11 a vertical one: 10 mm is 230. The first line is the page's title.
  const struct { Tab tab; int item, offsetMm, y; const char* text; } cases[] = {
      {Tab::Calibration, 0, 10, 230, "QORVEL Veltrim version 2 / Printer: Queue 7    "},
      {Tab::Color, 4, -3, -69, "QORVEL Veltrim Program - version 2 / Printer: Queue 7"},
  };
  for (const auto& c : cases) {
    Page page;
    page.Tick(c.tab, {c.item}).Draw(c.offsetMm);
    const auto texts = page.dc.RecordsOf("TextOutA");
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts[0], (Record{"TextOutA", {0, c.y}, c.text, 1}));
  }
}

// Each job's answers in turn; the last one repeats.
struct ScriptedWatcher final : JobWatcher {
  std::map<int, std::vector<JobStatus>> script;
  std::map<int, int> asked;
  JobStatus Query(int jobId) override {
    auto& answers = script.at(jobId);
    ++asked[jobId];
    const JobStatus status = answers.front();
    if (answers.size() > 1) answers.erase(answers.begin());
    return status;
  }
};

TEST(JobFollow, EachJobIsAskedUntilItEndsOrTheTimeRunsOut) {
  using S = JobState;
  ScriptedWatcher watcher;
  watcher.script = {{11, {{S::Pending, ""}, {S::Completed, "job-completed-successfully", 1, "media-low"}}},
                    {12, {{S::Pending, ""}, {S::Pending, ""}, {S::Aborted, "aborted-by-system"}}},
                    {13, {{S::Held, "job-hold-until-specified"}}}};
  double now = 100;
  std::vector<std::pair<int, double>> shown;
  const WaitClock clock{[&] { return now; }, [&](double pause) { now += pause; },
                        [&](int open, double waited) { shown.emplace_back(open, waited); }};
  const SubmittedJob jobs[] = {{1, 11}, {2, 12}, {3, 13}};
  const auto followed = FollowJobs(watcher, jobs, 1.0, clock, 0.25);
  ASSERT_EQ(followed.size(), 3u);
  EXPECT_EQ(followed[0].status.state, S::Completed);
  EXPECT_DOUBLE_EQ(followed[0].seconds, 0.25);
  EXPECT_EQ(followed[1].status.reason, "aborted-by-system");
  EXPECT_DOUBLE_EQ(followed[1].seconds, 0.5);
  EXPECT_EQ(followed[2].status.state, S::Held);
  EXPECT_DOUBLE_EQ(followed[2].seconds, 1.0) << "held until the wait ran out";
  EXPECT_EQ(watcher.asked, (std::map<int, int>{{11, 2}, {12, 3}, {13, 5}})) << "an ended job is not asked again";
  EXPECT_EQ(shown, (std::vector<std::pair<int, double>>{{3, 0}, {2, 0.25}, {1, 0.5}, {1, 0.75}}));
  EXPECT_FALSE(AllCompleted(followed));
  EXPECT_TRUE(AllCompleted(std::span(followed).first(1)));

  EXPECT_EQ(JobSection(followed),
            "\r\nJobs after the spooler:\r\n"
            "Document 1: job 11 completed (job-completed-successfully) after 0.2 seconds, 1 impression; the printer: "
            "media-low.\r\n"
            "Document 2: job 12 aborted (aborted-by-system) after 0.5 seconds.\r\n"
            "Document 3: job 13 held (job-hold-until-specified), still so after 1.0 seconds.\r\n");
  EXPECT_EQ(RunJson("R\r\n\"x\"", std::span(followed).first(1)),
            "{\"report\":\"R\\u000d\\u000a\\\"x\\\"\",\"jobs\":[{\"document\":1,\"job\":11,\"state\":\"completed\","
            "\"reason\":\"job-completed-successfully\",\"impressions\":1,\"printerReasons\":\"media-low\",\"seconds\":0.2}]}");
  EXPECT_EQ(JobSection({}), "\r\nJobs after the spooler:\r\nNo job was handed to a spooler.\r\n");
}

TEST(JobFollow, IppStatesAndAStoppedPrinter) {
  const std::tuple<int, const char*, JobState> cases[] = {
      {3, "none", JobState::Pending},       {3, "printer-stopped", JobState::Stopped}, {4, "", JobState::Held},
      {5, "job-printing", JobState::Pending}, {6, "", JobState::Stopped},             {7, "", JobState::Canceled},
      {8, "", JobState::Aborted},           {9, "", JobState::Completed},              {0, "", JobState::Pending}};
  for (const auto& [ipp, reasons, state] : cases) EXPECT_EQ(JobStateFromIpp(ipp, reasons), state) << ipp << reasons;
}

}  // namespace
}  // namespace veltrim::test
