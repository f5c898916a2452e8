// The credits' module facts: the counting rules on small sources, and the generated lines against the files.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <tuple>

#include "about/about_texts.hpp"
#include "module_facts.hpp"

namespace veltrim {
namespace {

TEST(Credits, DefinitionsAreCountedAsAReaderCountsThem) {
  // source, functions, classes
  const std::tuple<const char*, int, int> cases[] = {
      {"int F(int a) { return a; }\nint G();\n", 1, 0},
      {"namespace a { namespace {\nvoid F() {}\n}  // namespace\n}\n", 1, 0},
      {"class A {\n public:\n  A() = default;\n  int Get() const { return 1; }\n  void Set(int);\n};\n", 1, 1},
      {"struct P { int x{0}; int y = 1; };\nstruct Q : P {\n  Q(int v) : P{v, v} {}\n};\n", 1, 2},
      {"enum class E { kA, kB };\nconstexpr int kT[] = {1, 2};\nconst auto f = [](int) { return 0; };\n", 0, 0},
      {"template <class T> T Max(T a, T b) { if (a > b) { return a; } return b; }\n", 1, 0},
      {"template <typename T>\nstruct Box { T value; };\n", 0, 1},
      {"bool operator==(const A&, const A&) { return true; }\n", 1, 0},
      {"// void Commented() {}\nconst char* s = \"void F() {\";\n/* class X { */\n#define M(x) { x }\n", 0, 0},
      {"char c = '{';\nint n = 1'000;\nvoid F() { auto g = [] { struct L {}; }; }\n", 1, 0},
      {"extern \"C\" {\nint Cf(void) { return 0; }\n}\n", 1, 0},
      {"const char* r = R\"x(void F() { })\" )x\";\nvoid G() {}\n", 1, 0},
  };
  for (const auto& [source, functions, classes] : cases) {
    const auto found = credits::CountDefinitions(source);
    EXPECT_EQ(std::tuple(found.functions, found.classes), std::tuple(functions, classes)) << source;
  }
  EXPECT_EQ(credits::CountLines(""), 0);
  EXPECT_EQ(credits::CountLines("a\nb\n"), 2);
  EXPECT_EQ(credits::CountLines("a\nb"), 2);
}

std::string ReadSource(const std::string& path) {
  std::ifstream in(std::string(VELTRIM_SOURCE_ROOT) + "/" + path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The table the build generated holds what the module files hold now.
TEST(Credits, ModuleLinesTellTheTruthAboutTheFiles) {
  const char* folders[] = {"support", "support", "support", "support", "support", "app", "platform", "about"};
  ASSERT_EQ(CreditModules().size(), std::size(folders));
  for (std::size_t i = 0; i < std::size(folders); ++i) {
    const ModuleFacts& module = CreditModules()[i];
    const std::string stem = std::string(module.files.substr(0, module.files.find('.')));
    const std::string header = ReadSource("src/core/" + std::string(folders[i]) + "/" + stem + ".hpp");
    const std::string source = ReadSource("src/core/" + std::string(folders[i]) + "/" + stem + ".cpp");
    ASSERT_FALSE(header.empty() || source.empty()) << stem;
    const auto h = credits::CountDefinitions(header), s = credits::CountDefinitions(source);
    EXPECT_EQ(module.functions, h.functions + s.functions) << stem;
    EXPECT_EQ(module.classes, h.classes + s.classes) << stem;
    EXPECT_EQ(module.lines, std::count(header.begin(), header.end(), '\n') + std::count(source.begin(), source.end(), '\n'))
        << stem;
    EXPECT_LE(std::string(module.created.substr(6)) + std::string(module.created.substr(3, 2)),
              std::string(module.updated.substr(6)) + std::string(module.updated.substr(3, 2)))
        << stem;
  }
}

}  // namespace
}  // namespace veltrim
