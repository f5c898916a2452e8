// The about box's rules without a window: the version record, the addresses it may open, its images and texts.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "core/about/about_layout.hpp"
#include "core/about/about_texts.hpp"
#include "core/about/version_record.hpp"

namespace veltrim {
namespace {

TEST(VersionRecord, LinesAreTheSameWhicheverBreakSeparatesThem) {
  for (const std::string brk : {"\r\n", "\n", "\r"}) {
    std::string record = "L1";  // 45 lines, L1 to L45
    for (int n = 2; n <= 45; ++n) record += brk + "L" + std::to_string(n);
    for (const int n : {1, 42, 45, 46, 0})  // line 0 reads as line 1
      EXPECT_EQ(RecordLine(record, n), n <= 45 ? "L" + std::to_string(std::max(n, 1)) : "")
          << testing::PrintToString(brk) << " line " << n;
  }
  // A CR LF pair is one break, LF CR two; empty lines are lines.
  for (const auto& [record, n, line] : {std::tuple{"a\r\n\r\nc", 3, "c"}, {"a\n\rc", 2, ""}, {"a\n\rc", 3, "c"}})
    EXPECT_EQ(RecordLine(record, n), line) << record << " line " << n;
  EXPECT_EQ(RecordText(std::string("ab\0cd", 5)), "ab");
}

TEST(VersionRecord, OnlyAGreaterLineFortyTwoIsNewer) {
  // 6 x 0 is below 2: the smallest version's line is 1.
  EXPECT_EQ(std::tuple(VersionLineNumber(kProductVersionId), DownloadLineNumber(kProductVersionId),
                       VersionLineNumber(0x00000001)), std::tuple(42, 44, 1));
  EXPECT_EQ(VersionText(kProductVersionId), "0x0702029E");
  // A record of fewer than 42 lines gives an empty line: "latest". Bytes compare unsigned.
  const std::tuple<std::string, bool> cases[] = {{"0x0702029F", true}, {"0x0702029E", false}, {"0x0702029D", false},
      {"", false}, {"0x0702029E0", true}, {"0x0702029", false}, {"\xFF", true}};
  for (const auto& [line, newer] : cases) EXPECT_EQ(IsNewerVersion(line, kProductVersionId), newer) << line;
}

TEST(VersionRecord, OnlyPlainWebAddressesReachTheShell) {
  const std::tuple<std::string, bool> cases[] = {
      {"http://www.qorvel.example/", true}, {"https://www.qorvel.example/download/veltrim2.zip", true},
      {"https://h", true}, {"C:\\windows\\system32\\calc.exe", false}, {"file:///etc/passwd", false},
      {"file://server/share/run.exe", false}, {"ftp://x.example/", false}, {"HTTP://X.EXAMPLE/", false},
      {"http://", false}, {"http:///etc/passwd", false}, {"http://a b.example/", false},
      {"http://a.example/\"x", false}, {"http://a.example/'x", false}, {"http://a.example/\\x", false},
      {"http://a.example/\tx", false}, {"http://a.example/\x7F", false}, {"http://a.example/\xE9", false},
      {std::string(kNoConnectionText), false}, {"", false},
      {"http://" + std::string(252, 'a'), true},   // 259 characters
      {"http://" + std::string(253, 'a'), false},  // 260
  };
  for (const auto& [address, open] : cases) EXPECT_EQ(IsOpenableWebAddress(address), open) << address;
}

TEST(VersionRecord, OnlyPlainMailAddressesMakeALink) {
  const std::tuple<std::string, bool> cases[] = {
      {"a.b-c_d+e@x", true}, {"veltrim", false}, {"@qorvel.example", false}, {"veltrim@", false}, {"a@b@c", false},
      {"a b@c", false}, {"a@b?cc=x", false}, {"a%40@b", false}, {"a:b@c", false}, {"a\\b@c", false},
      {"a@b\n", false}, {"\"a\"@b", false}, {std::string(250, 'a') + "@" + std::string(8, 'b'), true},
      {std::string(251, 'a') + "@" + std::string(8, 'b'), false},
  };
  for (const auto& [address, plain] : cases) EXPECT_EQ(IsPlainMailAddress(address), plain) << address;
  EXPECT_EQ(FeedbackMailLink("ADDR"),
            "mailto:ADDR?subject=[0x0702029E]<0x00000000> QVeltrim Feedback Message&body=Please do not modify the "
            "\"subject\" field of this message !Please do not modify the subject of this message !");
}

TEST(VersionRecord, TheVariableReplacesTheBasesWithUpToFourAddresses) {
  const auto builtIn = UpdateBases(nullptr);
  ASSERT_EQ(builtIn.size(), 4u);
  using Bases = std::vector<std::string>;
  EXPECT_EQ(UpdateBases("http://127.0.0.1:1/;http://127.0.0.1:2/"),
            (Bases{"http://127.0.0.1:1/", "http://127.0.0.1:2/"}));
  EXPECT_EQ(UpdateBases("http://a/;http://b/;http://c/;http://d/;http://e/"),
            (Bases{"http://a/", "http://b/", "http://c/", "http://d/"}));
  EXPECT_EQ(UpdateBases("http://a/;;no-slash;C:\\x\\;http://b/"), (Bases{"http://a/", "http://b/"}));
  EXPECT_EQ(UpdateBases("C:\\tools\\;http://noslash"), builtIn);
}

TEST(AboutLayout, ImagesFollowPressAndPointerOverOnTheFirstFiveButtonsOnly) {
  AboutHoverFlags hover{};
  hover.fill(1);
  // id, normal, pointer over, pressed: every image 4400..4420 once
  const int cases[][4] = {{4000, 4400, 4401, 4402}, {4001, 4403, 4404, 4405}, {4002, 4406, 4407, 4408},
                          {4003, 4409, 4410, 4411}, {4004, 4412, 4413, 4414}, {4005, 4415, 4415, 4416},
                          {4006, 4417, 4417, 4418}, {4007, 4419, 4419, 4420}, {4008, 0, 0, 0}, {1175, 0, 0, 0}};
  for (const auto& [id, normal, over, pressed] : cases) {
    EXPECT_EQ(std::tuple(AboutImageFor(id, false, AboutHoverFlags{}), AboutImageFor(id, false, hover),
                         AboutImageFor(id, true, hover)), std::tuple(normal, over, pressed)) << id;
  }
}

TEST(AboutTexts, ExactTextsAndTheModuleLines) {
  EXPECT_EQ(kShortcutsText,
            "[Keyboard Shortcuts]\r\n\r\nESC\tquits the program;\r\nAlt+?\tdisplays the about box;\r\nF4\tretrieves "
            "printer informations;\r\nF12\tstarts printing;\r\nF5-F6\tactivates previous/next tab;\r\nAlt+H\tdisplays "
            "help document;");
  EXPECT_TRUE(kHistoryText.starts_with("[Veltrim's History]\r\n\r\n- 23/02/2006 - VERSION 1:\r\n"));
  EXPECT_NE(kHistoryText.find("\r\n\r\n- 15/06/2007 - VERSION 2 Graphic:\r\n"), std::string_view::npos);
  const std::string credits = CreditsText();
  for (const ModuleFacts& module : CreditModules())
    EXPECT_NE(credits.find(ModuleLine(module)), std::string::npos) << module.files;
  EXPECT_TRUE(credits.starts_with("[QORVEL Veltrim")) << credits;
  EXPECT_EQ(ModuleLine({"x.hpp/.cpp", "what", 1, 2, "01/02/2026", "03/04/2026", 5}),
            "- x.hpp/.cpp (what; 1 function, 2 classes; created 01/02/2026, updated 03/04/2026; 5 lines)\r\n");
}

}  // namespace
}  // namespace veltrim
