// The about box of the real Veltrim.exe, driven from outside: its face on the screen, its four texts, the ways it
// closes, and its internet actions against loopback servers named by VELTRIM_UPDATE_BASES, with what the program
// asked the shell to open read from the log of Wine's browser and mailer hooks.
#include <gtest/gtest.h>

#include "loopback_http.hpp"

#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "core/about/about_layout.hpp"
#include "core/about/about_texts.hpp"
#include "core/about/version_record.hpp"
#include "gdi_probes.hpp"
#include "running_program.hpp"

namespace veltrim::test {
namespace {

constexpr int kAboutCommand = 1175;
// The first box of every update check.
const std::string kRequest =
    "This application is going to connect to the internet in order to search for a newer version. Please instruct "
    "your antivirus(es) and/or firewall(s) not to block it !";

// A bitmap resource's pixels; each has the size of the control or box that shows it.
std::vector<std::uint32_t> Image(int id) {
  SIZE size{};
  return ResourcePixels(id, size);
}

// %XX escapes decoded: Wine's browser hook escapes what it hands on.
std::string Unescaped(const std::string& text) {
  std::string plain;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size()) {
      plain += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
      i += 2;
    } else {
      plain += text[i];
    }
  }
  return plain;
}

// A version record of 45 lines: line 1 the site, line 2 the mail address, 42 the version, 44 the download path.
std::string Record(const std::string& site, const std::string& mail, const std::string& version) {
  std::string record;
  for (int n = 1; n <= 45; ++n) {
    const std::string line = n == 1 ? site : n == 2 ? mail : n == 42 ? version : n == 44 ? "download/veltrim2.zip" : "";
    record += line + "\r\n";
  }
  return record;
}

class AboutBox : public ProgramFolder {
 protected:
  void SetUp() override {
    ProgramFolder::SetUp();
    if (const char* log = std::getenv("VELTRIM_SHELL_LOG")) std::remove(log);
  }
  void TearDown() override {
    ::SetEnvironmentVariableA(kUpdateBasesVariable, nullptr);
    ProgramFolder::TearDown();
  }
  // Veltrim.exe started with these base addresses, its about box open.
  HWND Open(std::unique_ptr<RunningProgram>& program, const std::string& bases = "") {
    ::SetEnvironmentVariableA(kUpdateBasesVariable, bases.empty() ? nullptr : bases.c_str());
    program = std::make_unique<RunningProgram>(folder_.string());
    if (!program->Window()) return nullptr;
    program->Click(kAboutCommand);
    return program->Dialog(kAboutTextBox);
  }
  // Presses `button` of the about box, then answers the message boxes that follow in turn: each is expected to
  // show `texts[i]` and is answered with `answers[i]`.
  static void PressAndAnswer(HWND about, int button, const std::vector<std::pair<std::string, int>>& boxes) {
    PressDialogButton(about, button);
    for (const auto& [text, answer] : boxes) {
      const HWND box = WaitForDialog(::GetWindowThreadProcessId(about, nullptr), answer, seconds(30));
      ASSERT_TRUE(box) << "no message box showing: " << text;
      const auto texts = ChildTexts(box);
      EXPECT_NE(std::find(texts.begin(), texts.end(), text), texts.end()) << text;
      PressDialogButton(box, answer);
      ASSERT_TRUE(Soon([&] { return !::IsWindow(box); }));
    }
  }
};

TEST_F(AboutBox, ShowsItsFaceAndTextsAndClosesByButtonEnterAndEsc) {
  std::unique_ptr<RunningProgram> program;
  HWND about = Open(program);
  ASSERT_TRUE(about);
  RECT placed{}, work{};
  ::GetWindowRect(about, &placed);
  ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_EQ(std::vector<long>({placed.left, placed.top, placed.right - placed.left, placed.bottom - placed.top}),
            std::vector<long>({(work.right - work.left - kAboutWidth) / 2, (work.bottom - work.top - kAboutHeight) / 2,
                               kAboutWidth, kAboutHeight})) << "centred";
  EXPECT_EQ(::GetWindowLongA(about, GWL_STYLE) & WS_CAPTION, 0);

  // Each image button shows its first image, the background its bitmap.
  for (const AboutControl& control : kAboutControls) {
    if (control.images == 0) continue;
    const auto image = Image(control.firstBitmap);
    EXPECT_TRUE(ShowsSoon([] {}, ::GetDlgItem(about, control.id), [&](const auto& shown) {
      return !image.empty() && shown == image;
    })) << control.id;
  }
  const auto background = Image(IDB_ABOUT_BACKGROUND);
  ASSERT_EQ(background.size(), static_cast<std::size_t>(kAboutWidth * kAboutHeight));
  const auto face = OnScreen(about);
  for (const POINT p : {POINT{5, 5}, POINT{300, 80}, POINT{495, 335}})
    EXPECT_EQ(face[p.y * kAboutWidth + p.x], background[p.y * kAboutWidth + p.x]) << p.x << ", " << p.y;

  // The texts: the credits first, each label's text, and Credits brings them back.
  const HWND box = ::GetDlgItem(about, kAboutTextBox);
  EXPECT_EQ(ControlText(box), CreditsText());
  using Text = std::pair<int, std::string>;
  for (const auto& [button, text] : {Text{kAboutShortcuts, kShortcutsText}, Text{kAboutHistory, kHistoryText},
                                     Text{kAboutLicence, kLicenceText}, Text{kAboutCredits, CreditsText()}}) {
    PressDialogButton(about, button);
    EXPECT_TRUE(Soon([&] { return ControlText(box) == text; })) << button << ": " << ControlText(box);
  }

  // Closed by the close button, by Esc and by Enter; the main window stays.
  for (const int way : {0, VK_ESCAPE, VK_RETURN}) {
    SCOPED_TRACE(way);
    if (way == 0) {
      PressDialogButton(about, kAboutClose);
    } else {
      ::PostMessageA(about, WM_KEYDOWN, way, 0);
      ::PostMessageA(about, WM_KEYUP, way, 0);
    }
    EXPECT_TRUE(Soon([&] { return !::IsWindow(about); }));
    EXPECT_TRUE(::IsWindowVisible(program->Window()));
    program->Click(kAboutCommand);
    about = program->Dialog(kAboutTextBox);
    ASSERT_TRUE(about);
  }
  PressDialogButton(about, kAboutClose);
}

TEST_F(AboutBox, ActionsUseTheFirstAddressThatAnswersAndNoOther) {
  LoopbackHttp second(""), third("");
  const std::string site = second.Base() + "site/";
  LoopbackHttp answering(Record(site, "veltrim@qorvel.example", "0x0702029F"));
  std::unique_ptr<RunningProgram> program;
  const std::string closed = LoopbackHttp("").Base();  // nothing listens there once the server has gone
  const HWND about = Open(program, closed + ";" + answering.Base() + ";" + third.Base());
  ASSERT_TRUE(about);

  PressAndAnswer(about, kAboutUpdates,
                 {{kRequest, IDOK}, {"A newer version has been found. Do you wish to start downloading it ?", IDYES}});
  // The mail link reaches the hook through a command line, which takes its two quotes for its own.
  std::string link = FeedbackMailLink("veltrim@qorvel.example");
  std::erase(link, '"');
  const std::vector<std::string> opened = {"xdg-open " + site + "download/veltrim2.zip", "xdg-open " + site,
                                           "xdg-email " + link};
  // The shell opens in the background: each open is waited for before the next button, to keep their order.
  for (std::size_t i = 0; i < opened.size(); ++i) {
    if (i > 0) PressDialogButton(about, i == 1 ? kAboutWebsite : kAboutMail);
    ASSERT_TRUE(Soon([&] { return ShellOpened().size() > i; }, 1500)) << opened[i];
    EXPECT_EQ(Unescaped(ShellOpened()[i]), opened[i]);
  }
  EXPECT_EQ(answering.Requests(), std::vector<std::string>(4, "GET /qorvel.qorvel HTTP/1.1"));
  EXPECT_TRUE(third.Requests().empty()) << "asked after an answer";
  PressDialogButton(about, kAboutClose);
}

// Which records are newer and which addresses safe is the core's: here an older record holding unsafe addresses, and
// a site that takes the request and never answers (given up after the receive time-out, not waited for), open nothing.
TEST_F(AboutBox, OldRecordsUnsafeAddressesAndDeadSitesOpenNothing) {
  LoopbackHttp unsafe(Record("C:\\windows\\system32\\calc.exe", "veltrim@qorvel.example?cc=x", "0x0702029D"));
  LoopbackHttp dead("", true);
  for (const std::string& bases : {unsafe.Base(), dead.Base()}) {
    SCOPED_TRACE(bases);
    std::unique_ptr<RunningProgram> program;
    const HWND about = Open(program, bases);
    ASSERT_TRUE(about);
    PressAndAnswer(about, kAboutUpdates,
                   {{kRequest, IDOK}, {"You are using the latest version of this software !", IDOK}});
    if (bases == unsafe.Base()) {
      PressAndAnswer(about, kAboutWebsite, {{"The web site could not be reached !", IDOK}});
      PressAndAnswer(about, kAboutMail, {{"The contact address could not be found !", IDOK}});
    }
    PressDialogButton(about, kAboutClose);
  }
  ::Sleep(500);
  EXPECT_EQ(ShellOpened(), std::vector<std::string>{});
}

}  // namespace
}  // namespace veltrim::test
