// Job attributes on a CUPS queue: values the queue lists reach the job and the asked media lays out the page; a
// value it does not list is refused, with its list, before any job is created. (The rules and texts: tests/unit
// JobAttributes.)
#include <cups/cups.h>

#include <memory>
#include <regex>

#include "cli_support.hpp"

namespace veltrim::test {
namespace {

using JobOptions = CliTest;

// The attribute `name` of job `jobId` as the scheduler holds it, as text ("" when it has none).
std::string JobAttributeText(int jobId, const char* name) {
  const std::string server = CupsServerFromEnvironment();
  const std::unique_ptr<http_t, decltype(&httpClose)> http(
      httpConnect2(server.c_str(), 0, nullptr, AF_UNSPEC, HTTP_ENCRYPTION_NEVER, 1, 30000, nullptr), &httpClose);
  if (!http) return "(no scheduler)";
  ipp_t* request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
  const std::string uri = "ipp://localhost/jobs/" + std::to_string(jobId);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri.c_str());
  const std::unique_ptr<ipp_t, decltype(&ippDelete)> response(cupsDoRequest(http.get(), request, "/"), &ippDelete);
  ipp_attribute_t* attribute = response ? ippFindAttribute(response.get(), name, IPP_TAG_ZERO) : nullptr;
  char text[512] = "";
  if (attribute) ippAttributeString(attribute, text, sizeof text);
  return text;
}

// The generic queue's default is Letter: an A5 job's page is A5, filled black inside its 4.23 mm margins.
TEST_F(JobOptions, ListedValuesReachTheQueuesJobAndTheMediaLaysOutThePage) {
  CupsQueue queue(StateFromEnvironment(), "options_listed");
  const std::vector<std::string> args{"print", "--printer", queue.Name(), "--category", "advanced", "--option", "8",
                                      "--media", "iso_a5_148x210mm", "--sides", "one-sided", "--print-color-mode",
                                      "monochrome", "--wait", "60"};
  const auto run = RunVeltrim(args);
  SCOPED_TRACE(Describe(args, run));
  ASSERT_EQ(run.exitCode, 0);
  std::smatch job;
  ASSERT_TRUE(std::regex_search(
      run.out, job,
      std::regex(" seconds\\.\r\nJob attributes: sides=one-sided, media=iso_a5_148x210mm, print-color-mode=monochrome"
                 "\r\nJobs after the spooler:\r\nDocument 1: job ([0-9]+) completed ")));
  const int jobId = std::stoi(job[1]);
  EXPECT_EQ(JobAttributeText(jobId, "sides"), "one-sided");
  EXPECT_EQ(JobAttributeText(jobId, "media"), "iso_a5_148x210mm");
  EXPECT_EQ(JobAttributeText(jobId, "print-color-mode"), "monochrome");

  const auto pages = RenderPages(queue.OutputFile(), 75, folder_);
  ASSERT_EQ(pages.size(), 1u);
  const RasterImage page = RasterImage::LoadPng(pages[0]);
  EXPECT_EQ(std::pair(page.Width(), page.Height()), std::pair(438, 620)) << "the driver's A5, 420 x 595 pt, at 75 dpi";
  // 8 mm inside the top and bottom edges: a Letter page fitted onto A5 would leave 9.5 mm white there.
  for (const int y : {24, 596}) EXPECT_EQ(ColourText(page.Pixel(218, y)), ColourText(kBlack)) << y;
  EXPECT_EQ(ColourText(page.Pixel(218, 6)), ColourText(kWhite)) << "the margin";
}

// Refused with the queue's own list (print-quality's enums by their keywords); no job is created.
TEST_F(JobOptions, AValueTheQueueDoesNotListIsRefusedBeforeAnyJob) {
  CupsQueue queue(StateFromEnvironment(), "options_refused");
  for (const auto& [option, value, why] :
       {std::tuple<std::string, std::string, std::string>{"--sides", "two-sided-long-edge",
                                                          "sides two-sided-long-edge is not supported; it supports: "
                                                          "one-sided"},
        {"--print-quality", "high", "print-quality high is not supported; it supports: normal"}}) {
    const std::vector<std::string> args{"print", "--printer", queue.Name(), "--media", "iso_a5_148x210mm", option,
                                        value};
    const auto run = RunVeltrim(args);
    SCOPED_TRACE(Describe(args, run));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "veltrim: " + queue.Name() + ": " + why + "\n");
    EXPECT_EQ(run.out.find("StartDoc"), std::string::npos);
    EXPECT_EQ(run.out.find("Job attributes"), std::string::npos);
  }
  const auto jobs = RunOnScheduler({"lpstat", "-W", "all", "-o", queue.Name()});
  EXPECT_EQ(jobs.exitCode, 0) << jobs.err;
  EXPECT_EQ(jobs.out, "") << "no job was created";
}

}  // namespace
}  // namespace veltrim::test
