// The command line's conformance table (tests/harness/cli_conformance.cpp) run by `veltrim` on the fixtures'
// scheduler.
#include "cli_conformance.hpp"
#include "cli_support.hpp"

namespace veltrim::test {
namespace {

class CliTable : public ::testing::TestWithParam<CliRow> {};

TEST_P(CliTable, Row) {
  const TempDir dir;
  const CliRunner runner{
      .program = kVeltrim,
      .run = [](const fs::path& program, const std::vector<std::string>& args, const fs::path& folder) {
        std::vector<std::string> argv{program.string()};
        argv.insert(argv.end(), args.begin(), args.end());
        return RunInFolder(argv, folder, {{"CUPS_SERVER", CupsServerFromEnvironment()}});
      },
      .onlyItsStderr = true,
      .cupsServer = CupsServerFromEnvironment(),
      .cupsState = StateFromEnvironment(),
      .queuePrefix = "cli_"};
  CheckCliRow(GetParam(), runner, dir.Path());
}

INSTANTIATE_TEST_SUITE_P(Linux, CliTable, ::testing::ValuesIn(CliRows()),
                         [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace veltrim::test
