// The command line's conformance table (tests/harness/cli_conformance.cpp) run by `veltrim` on the fixtures'
// scheduler.
#include "cli_conformance.hpp"
#include "cli_support.hpp"

namespace veltrim::test {
namespace {

class CliTable : public ::testing::TestWithParam<CliRow> {};

TEST_P(CliTable, Row) {
  const ScratchDir dir;
  const CliRunner runner{.program = kVeltrim, .prefix = {}, .onlyItsStderr = true,
                         .cupsState = StateFromEnvironment(), .queuePrefix = "cli_"};
  CheckCliRow(GetParam(), runner, dir.Path());
}

INSTANTIATE_TEST_SUITE_P(Linux, CliTable, ::testing::ValuesIn(CliRows()),
                         [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace veltrim::test
