#include "cli/cli_options.hpp"

#include <algorithm>
#include <charconv>
#include <functional>
#include <map>
#include <set>
#include <string_view>

#include "core/platform/device_caps.hpp"
#include "core/platform/page_files.hpp"

namespace veltrim::cli {

const char* const kUsage =
    "usage: veltrim print [options]    run a print job and write its report to stdout\n"
    "       veltrim preview [options]  draw the main window's preview of the selection into a PNG\n"
    "       veltrim plot [options]     draw a picture of the large preview or the calibration curves into a PNG\n"
    "       veltrim info [options]     report a printer's capabilities and device mode\n"
    "       veltrim printers           list the printers (name and port), * marks the default\n"
    "       veltrim jobs --printer NAME  list the printer's jobs that have not finished, with their states\n"
    "       veltrim measure SCAN [BACK_SCAN] [options]  measure a scan of the printed measurement target\n"
    "       veltrim --help | --version\n"
    "\n"
    "print options:\n"
    "  --printer NAME        print on this printer\n"
    "  --output FILE         render into FILE: .pdf, .ps or .png (one PNG per page: FILE-1.png, ...)\n"
    "                        (neither: the job goes to veltrim-job.pdf)\n"
    "  --category C          bw, color, advanced, calibration or custom (default bw)\n"
    "  --tests LIST          tick these items of the category, e.g. 0,1,5 (clicked in order)\n"
    "  --select S            all, none, inverse or common (the selection menu);\n"
    "                        without --tests, --select or --option: common\n"
    "  --option N            Advanced option 0..14\n"
    "  --layout N            Custom gradient layout 0..2\n"
    "  --colour SLOT=R,G,B   a custom colour, slot 0..9, components 0..255 (repeatable)\n"
    "  --docs N              documents 1..100 (default 1)\n"
    "  --pages N             pages per document 1..100 (default 1)\n"
    "  --coverage P          colour intensity of full-page fills 1..100 (default 100)\n"
    "  --offset MM           vertical paper offset -1000..1000 (default 0)\n"
    "  --measure-page        print the measurement target instead of a category's tests\n"
    "                        (excludes --category, --tests, --select and --option; the\n"
    "                        target ignores --offset, so it shows the printer as it is)\n"
    "  --dot-coverage P      coverage of the Custom colour coverage page 1..100 (default 1)\n"
    "  --paper P             file targets: a4, a3, a5, letter, legal or WxHmm (default a4)\n"
    "  --dpi N               file targets: 72..2400 (default 300)\n"
    "  --margins MM          file targets: 0..50, decimals allowed (default 5)\n"
    "  --report FILE         also write the report into FILE, byte for byte\n"
    "  --wait [SECONDS]      then follow each job the spooler took until it ends, at most\n"
    "                        SECONDS (default 120): a section after the report tells each\n"
    "                        job's final state, the spooler's reason and the time it took\n"
    "  --json                the report and the jobs' states as one JSON object\n"
    "\n"
    "preview options: --category, --tests, --select, --option, --layout, --colour, --offset as\n"
    "  for print, and --output FILE.png (default veltrim-preview.png): 167 x 239 pixels\n"
    "\n"
    "plot options (the PNG is white where nothing is drawn; the dialog shows its grey there):\n"
    "  --output FILE.png     the picture (required)\n"
    "  --size WxH            1..4096 pixels each way (default 495x487, the dialog's picture)\n"
    "  --kind K              1 CMYK four corners, 2 no picture (the background only),\n"
    "                        3 saturation and lightness around colour 9,\n"
    "                        4 512 stripes from colour 7 to colour 6 (--layout 1 horizontal, 0 or 2 vertical),\n"
    "                        5 the custom four corners (colours 4, 3, 2, 1 from the top left)\n"
    "  --colour SLOT=R,G,B, --layout N    as for print\n"
    "  --curves              the seven calibration curves instead of a picture, with\n"
    "  --printer-values C,M,Y,K,R,G,B     the printer's values (required) and\n"
    "  --screen-values C,M,Y,K,R,G,B      the screen's (default: config.qrv beside the program;\n"
    "                                     without it all 0, as the desktop program starts)\n"
    "\n"
    "info options:\n"
    "  --printer NAME        report on this printer\n"
    "  --output FILE, --paper P, --dpi N, --margins MM\n"
    "                        report on the simulated printer of a file target (the default)\n"
    "  --json                the same facts as one JSON object; what the printer does not\n"
    "                        answer is left out\n"
    "\n"
    "measure: reads a scan (PNG, JPEG, BMP or TIFF, grey or colour) of the page printed\n"
    "  with print --measure-page and reports the paper's size, the page's turn on the\n"
    "  scanner bed, the printed image's offset (mm, x right, y down), scale and skew\n"
    "  (degrees, counter-clockwise positive) against the paper, the unprinted margins,\n"
    "  and the \"Y Paper offset (mm)\" value (--offset) that moves the printing back in\n"
    "  place. Scan the whole sheet at 300 or 600 dpi, 100 %: a dark sheet behind the page\n"
    "  gives the cleanest edges. BACK_SCAN: the back of a two-sided sheet, as read.\n"
    "  --scan-dpi N          the scan's resolution when the file does not tell it\n"
    "  --json                the figures and their uncertainties as one JSON object\n"
    "  --annotate OUT.png    the (front) scan at 4 pixels a millimetre, with the marks found (green),\n"
    "                        the paper's edges (blue), the printed frame (red) and the margins drawn\n"
    "\n"
    "exit status: 0 every spooler step succeeded (info: the printer answered),\n"
    "             1 a step failed or a followed job did not complete (info: no such printer),\n"
    "             2 bad command line (measure: a scan that cannot be measured, and why)\n";

namespace {

std::optional<int> ParseInt(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

// A whole number int cannot hold ("99999999999"): outside every range.
bool BeyondInt(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc::result_out_of_range && end == text.data() + text.size();
}

// "1,2,3" as numbers; none when an item is not a whole number.
std::optional<std::vector<int>> IntList(std::string_view text) {
  std::vector<int> values;
  while (true) {
    const auto comma = text.find(',');
    const auto item = ParseInt(text.substr(0, comma));
    if (!item) return std::nullopt;
    values.push_back(*item);
    if (comma == std::string_view::npos) return values;
    text.remove_prefix(comma + 1);
  }
}

struct Parser {
  Options options;
  std::string error;
  std::vector<int> tests;
  std::optional<SelectCommand> select;
  bool optionGiven = false;

  bool Fail(std::string message) {
    if (error.empty()) error = std::move(message);
    return false;
  }

  bool Number(const std::string& name, const std::string& text, int low, int high, int& out) {
    const auto value = ParseInt(text);
    if (!value && !BeyondInt(text)) return Fail(name + ": not a whole number: \"" + text + "\"");
    if (!value || *value < low || *value > high)
      return Fail(name + ": " + text + " is out of range " + std::to_string(low) + ".." + std::to_string(high));
    out = *value;
    return true;
  }

  bool Millimetres(const std::string& name, const std::string& text, double low, double high, double& out) {
    const auto value = ParseMillimetres(text);
    if (!value) return Fail(name + ": not a number of millimetres: \"" + text + "\"");
    if (*value < low || *value > high)
      return Fail(name + ": " + text + " is out of range " + std::to_string(static_cast<int>(low)) + ".." +
                  std::to_string(static_cast<int>(high)));
    out = *value;
    return true;
  }

  bool Category(const std::string& text) {
    static const std::map<std::string, Tab> kCategories = {{"bw", Tab::BlackWhite},
                                                           {"color", Tab::Color},
                                                           {"advanced", Tab::Advanced},
                                                           {"calibration", Tab::Calibration},
                                                           {"custom", Tab::Custom}};
    const auto it = kCategories.find(text);
    if (it == kCategories.end()) return Fail("--category: unknown category \"" + text + "\"");
    options.selection.currentTab = it->second;
    return true;
  }

  bool Tests(const std::string& text) {
    const auto items = IntList(text);
    if (!items) return Fail("--tests: not a list of item numbers: \"" + text + "\"");
    tests.insert(tests.end(), items->begin(), items->end());
    return true;
  }

  bool Size(const std::string& text) {
    const auto x = text.find('x');
    if (x == std::string::npos || !ParseInt(std::string_view(text).substr(0, x)) ||
        !ParseInt(std::string_view(text).substr(x + 1)))
      return Fail("--size: expected WxH in pixels, e.g. 495x487, got \"" + text + "\"");
    return Number("--size width", text.substr(0, x), 1, kMaxPlotSide, options.plot.width) &&
           Number("--size height", text.substr(x + 1), 1, kMaxPlotSide, options.plot.height);
  }

  bool Values(const std::string& name, const std::string& text, CalibrationValues& out) {
    const auto values = IntList(text);
    if (!values || values->size() != out.size())
      return Fail(name + ": expected seven whole numbers C,M,Y,K,R,G,B, got \"" + text + "\"");
    std::copy(values->begin(), values->end(), out.begin());
    return true;
  }

  // The combinations plot needs, once every option is read.
  bool CheckPlot(const std::set<std::string>& given) {
    const PlotSettings& plot = options.plot;
    if (options.output.empty()) return Fail("plot: --output FILE.png is required");
    if (plot.curves && given.contains("--kind")) return Fail("--kind and --curves exclude each other");
    if (!plot.curves && !given.contains("--kind")) return Fail("plot: give --kind 1..5 or --curves");
    for (const char* name : {"--printer-values", "--screen-values"})
      if (!plot.curves && given.contains(name)) return Fail(std::string(name) + " applies to --curves only");
    for (const char* name : {"--colour", "--layout"})
      if (plot.curves && given.contains(name)) return Fail(std::string(name) + " does not apply to --curves");
    if (plot.curves && !given.contains("--printer-values")) return Fail("--curves needs --printer-values");
    return true;
  }

  bool Select(const std::string& text) {
    static const std::map<std::string, SelectCommand> kCommands = {{"all", SelectCommand::All},
                                                                   {"none", SelectCommand::None},
                                                                   {"inverse", SelectCommand::Inverse},
                                                                   {"common", SelectCommand::MostCommon}};
    const auto it = kCommands.find(text);
    if (it == kCommands.end()) return Fail("--select: unknown selection \"" + text + "\"");
    select = it->second;
    return true;
  }

  bool Colour(const std::string& text) {
    const auto eq = text.find('=');
    int slot = 0;
    if (eq == std::string::npos || !Number("--colour slot", text.substr(0, eq), 0, kColourSlots - 1, slot))
      return Fail("--colour: expected SLOT=R,G,B, got \"" + text + "\"");
    int rgb[3] = {};
    std::string_view rest = std::string_view(text).substr(eq + 1);
    for (int i = 0; i < 3; ++i) {
      const auto comma = rest.find(',');
      if ((i < 2) == (comma == std::string_view::npos))
        return Fail("--colour: expected SLOT=R,G,B, got \"" + text + "\"");
      if (!Number("--colour component", std::string(rest.substr(0, comma)), 0, 255, rgb[i])) return false;
      if (comma != std::string_view::npos) rest.remove_prefix(comma + 1);
    }
    options.selection.customColours[slot] = {static_cast<std::int16_t>(rgb[0]), static_cast<std::int16_t>(rgb[1]),
                                             static_cast<std::int16_t>(rgb[2])};
    return true;
  }

  // Ticks the listed items as clicks in the main window would. With nothing
  // chosen, the category's most common set is ticked, so that a bare run
  // prints a real test page rather than a blank one.
  bool ApplyTests() {
    TestSelection& selection = options.selection;
    if (tests.empty() && !select && !optionGiven) {
      select = SelectCommand::MostCommon;
    }
    const Tab tab = selection.currentTab;
    for (const int item : tests) {
      const bool ok = tab == Tab::Custom ? ClickCustomItem(selection, item) : ToggleItem(selection, tab, item);
      if (!ok) {
        const int count = tab == Tab::Custom ? kCustomItems : static_cast<int>(selection.FlagsOf(tab).size());
        if (count == 0) return Fail("--tests: the advanced category has options, use --option");
        return Fail("--tests: item " + std::to_string(item) + " is out of range 0.." + std::to_string(count - 1));
      }
    }
    if (select) ApplySelectCommand(selection, *select);
    return true;
  }
};

}  // namespace

ParseResult ParseCommandLine(const std::vector<std::string>& args) {
  Parser p;
  Options& o = p.options;
  o.selection.currentTab = Tab::BlackWhite;
  std::size_t i = 0;
  if (args.empty()) return {std::nullopt, "no command given"};
  const std::string& command = args[i++];
  if (command == "--help" || command == "-h" || command == "help") {
    o.command = Command::Help;
  } else if (command == "--version") {
    o.command = Command::Version;
  } else if (command == "printers") {
    o.command = Command::Printers;
  } else if (command == "jobs") {
    o.command = Command::Jobs;
  } else if (command == "print") {
    o.command = Command::Print;
  } else if (command == "preview") {
    o.command = Command::Preview;
  } else if (command == "plot") {
    o.command = Command::Plot;
  } else if (command == "info") {
    o.command = Command::Info;
  } else if (command == "measure") {
    o.command = Command::Measure;
  } else {
    return {std::nullopt, "unknown command \"" + command + "\""};
  }

  using Handler = std::function<bool(const std::string&)>;
  // A number of the job, within the range the main window's spin offers.
  const auto JobOption = [&](const char* name, JobNumber number) -> Handler {
    return [&p, &o, name, number](const std::string& v) {
      return p.Number(name, v, RangeOf(number).lower, RangeOf(number).upper, o.settings[number]);
    };
  };
  const std::map<std::string, Handler> handlers = {
      {"--printer", [&](const std::string& v) { o.printer = v; return !v.empty() || p.Fail("--printer: empty name"); }},
      {"--output", [&](const std::string& v) { o.output = v; return !v.empty() || p.Fail("--output: empty file name"); }},
      {"--report", [&](const std::string& v) { o.report = v; return !v.empty() || p.Fail("--report: empty file name"); }},
      {"--category", [&](const std::string& v) { return p.Category(v); }},
      {"--tests", [&](const std::string& v) { return p.Tests(v); }},
      {"--select", [&](const std::string& v) { return p.Select(v); }},
      {"--option", [&](const std::string& v) { p.optionGiven = true; return p.Number("--option", v, 0, kAdvancedOptions - 1, o.selection.advancedOption); }},
      {"--layout", [&](const std::string& v) { return p.Number("--layout", v, 0, kGradientLayouts - 1, o.selection.gradientLayout); }},
      {"--colour", [&](const std::string& v) { return p.Colour(v); }},
      {"--docs", JobOption("--docs", JobNumber::Documents)},
      {"--pages", JobOption("--pages", JobNumber::Pages)},
      {"--coverage", JobOption("--coverage", JobNumber::Coverage)},
      {"--offset", JobOption("--offset", JobNumber::PaperOffset)},
      {"--dot-coverage", JobOption("--dot-coverage", JobNumber::DotCoverage)},
      {"--paper", [&](const std::string& v) { o.device.paper = v; return !v.empty() || p.Fail("--paper: empty"); }},
      {"--dpi", [&](const std::string& v) { return p.Number("--dpi", v, 72, 2400, o.device.dpi); }},
      {"--margins", [&](const std::string& v) { return p.Millimetres("--margins", v, 0, 50, o.device.marginsMm); }},
      {"--kind",
       [&](const std::string& v) { return p.Number("--kind", v, kPlotCmykCorners, kPlotCustomCorners, o.plot.kind); }},
      {"--size", [&](const std::string& v) { return p.Size(v); }},
      {"--scan-dpi", [&](const std::string& v) { return p.Number("--scan-dpi", v, 72, 2400, o.measure.scanDpi); }},
      {"--annotate", [&](const std::string& v) { o.measure.annotate = v; return !v.empty() || p.Fail("--annotate: empty file name"); }},
      {"--printer-values", [&](const std::string& v) { return p.Values("--printer-values", v, o.plot.printerValues); }},
      {"--screen-values",
       [&](const std::string& v) { return p.Values("--screen-values", v, o.plot.screenValues.emplace()); }},
  };

  // The options of the commands other than print: info takes what describes
  // a printer (the job's settings mean nothing to it), preview what the main
  // window's preview reads, plot what its picture needs. Print takes every
  // option but plot's own; printers, help and version take none.
  static const std::set<std::string> kPlotOnly = {"--size", "--kind", "--printer-values", "--screen-values",
                                                  "--scan-dpi", "--annotate"};
  static const std::map<Command, std::set<std::string>> kCommandOptions = {
      {Command::Info, {"--printer", "--output", "--paper", "--dpi", "--margins"}},
      {Command::Preview,
       {"--output", "--category", "--tests", "--select", "--option", "--layout", "--colour", "--offset"}},
      {Command::Plot, {"--output", "--size", "--kind", "--colour", "--layout", "--printer-values", "--screen-values"}},
      {Command::Jobs, {"--printer"}},
      {Command::Measure, {"--scan-dpi", "--annotate"}},
  };
  const auto applies = [&](const std::string& name) {
    if (o.command == Command::Print) return !kPlotOnly.contains(name);
    const auto taken = kCommandOptions.find(o.command);
    return taken != kCommandOptions.end() && taken->second.contains(name);
  };
  // Options without a value, and the commands they belong to.
  const std::map<std::string, std::pair<std::set<Command>, bool*>> flags = {
      {"--json", {{Command::Info, Command::Print, Command::Measure}, &o.json}},
      {"--curves", {{Command::Plot}, &o.plot.curves}},
      {"--measure-page", {{Command::Print}, &o.measurePage}}};
  std::set<std::string> given;
  while (i < args.size()) {
    const std::string& arg = args[i++];
    if (o.command != Command::Print && !kCommandOptions.contains(o.command))
      return {std::nullopt, "unexpected argument \"" + arg + "\""};
    if (const auto flag = flags.find(arg); flag != flags.end() && flag->second.first.contains(o.command)) {
      *flag->second.second = true;
      continue;
    }
    if (o.command == Command::Measure && !arg.starts_with("--")) {
      if (o.measure.scans.size() == 2) return {std::nullopt, "measure: at most two scans, the front and the back"};
      o.measure.scans.push_back(arg);
      continue;
    }
    // --wait takes its number when one follows, else waits the default time.
    if (o.command == Command::Print && (arg == "--wait" || arg.starts_with("--wait="))) {
      std::string seconds = arg == "--wait" ? "" : arg.substr(7);
      if (arg == "--wait" && i < args.size() && !args[i].empty() &&
          args[i].find_first_not_of("0123456789") == std::string::npos)
        seconds = args[i++];
      int wait = kDefaultWaitSeconds;
      if ((arg != "--wait" || !seconds.empty()) && !p.Number("--wait", seconds, 1, kMaxWaitSeconds, wait))
        return {std::nullopt, p.error};
      o.waitSeconds = wait;
      continue;
    }
    std::string name = arg, value;
    const auto eq = arg.find('=');
    const bool inlineValue = arg.rfind("--", 0) == 0 && eq != std::string::npos;
    if (inlineValue) {
      name = arg.substr(0, eq);
      value = arg.substr(eq + 1);
    }
    const auto handler = handlers.find(name);
    if (handler == handlers.end()) return {std::nullopt, "unknown option \"" + arg + "\""};
    if (!applies(name)) return {std::nullopt, name + " does not apply to " + command};
    given.insert(name);
    if (!inlineValue) {
      if (i >= args.size()) return {std::nullopt, name + ": missing value"};
      value = args[i++];
    }
    if (!handler->second(value)) return {std::nullopt, p.error};
  }
  if (!o.printer.empty() && !o.output.empty())
    return {std::nullopt, "--printer and --output exclude each other"};
  if (o.command == Command::Jobs && o.printer.empty()) return {std::nullopt, "jobs: --printer NAME is required"};
  if ((o.command == Command::Preview || o.command == Command::Plot) && !o.output.empty() &&
      FileFormatOf(o.output) != FileFormat::Png)
    return {std::nullopt, "--output: " + o.output + ": " + command + " writes a PNG file (.png)"};
  if (o.command == Command::Plot && !p.CheckPlot(given)) return {std::nullopt, p.error};
  if (o.command == Command::Measure && o.measure.scans.empty()) return {std::nullopt, "measure: name the scan to read"};
  if (o.command == Command::Measure && !o.measure.annotate.empty() && FileFormatOf(o.measure.annotate) != FileFormat::Png)
    return {std::nullopt, "--annotate: " + o.measure.annotate + ": the picture is a PNG file (.png)"};
  if (o.measurePage) {
    // The target replaces the selection: a choice of tests would be ignored.
    for (const char* name : {"--category", "--tests", "--select", "--option"})
      if (given.contains(name))
        return {std::nullopt, std::string(name) + " does not apply to --measure-page: the target replaces the tests"};
    return {std::move(p.options), {}};
  }
  if (!p.ApplyTests()) return {std::nullopt, p.error};
  return {std::move(p.options), {}};
}

}  // namespace veltrim::cli
