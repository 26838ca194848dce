// The console in a terminal under tmux: keys sent with send-keys arrive with the
// window's codes, capture-pane shows the grid and the picture as Braille patterns, and
// the terminal is given back however the program ends. The program under test is this
// test binary itself, running TerminalChild.DISABLED_EchoKeys inside tmux.
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/console.h"
#include "platform/frontend_fixture.h"
#include "platform/frontends/headless.h"
#include "platform/frontends/terminal.h"
#include "platform/temp_dir.h"
#include "platform/transcript.h"
#include "platform/x_display.h"

namespace {

// Shows a line of coloured text and writes every queued byte to keys.txt; 'p' shows
// p.bmp as the picture, 'h' hides it, 'q' ends.
TEST(TerminalChild, DISABLED_EchoKeys) {
  const char* dirEnv = std::getenv("PX_TERMINAL_CHILD");
  if (dirEnv == nullptr) GTEST_SKIP() << "run inside tmux by TerminalRun";
  const std::string dir = dirEnv;
  std::ofstream(dir + "/pid") << getpid() << '\n';
  transcriptOpen(dir + "/t.txt");
  std::string error;
  auto terminal = makeTerminalFrontend(error);
  ASSERT_TRUE(terminal) << error;
  conSetFrontend(std::move(terminal));
  conFrontend().setTitle("pxtitulo");
  conSetBackColour(1);
  conSetTextColour(14);
  conWrite("Ola, terminal! ç π");
  conSetBackColour(0);
  conSetTextColour(15);
  conWriteLine();
  std::ofstream keys(dir + "/keys.txt");
  for (;;) {
    const char32_t k = conGetKey();
    keys << static_cast<long>(k) << ' ' << std::flush;
    if (k == 'p' && conLoadPicture(dir + "/p.bmp")) conShowPicture(0, 0);
    if (k == 'h') conHidePicture();
    if (k == 'q') break;
  }
  conSetFrontend(makeHeadlessFrontend({}));  // gives the terminal back
  transcriptClose();
}

class TerminalRun : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!haveTool("tmux")) GTEST_SKIP() << "tmux is not installed";
    dir_ = makeTempDir("terminal");
    socket_ = "px-" + std::filesystem::path(dir_).filename().string();
    // A terminal type that knows the modified keys (Ctrl+F5 is its F29).
    const std::string term = shell("infocmp tmux-256color >/dev/null 2>&1") ? "tmux-256color" : "screen";
    std::ofstream(dir_ + "/tmux.conf") << "set -g default-terminal " << term << "\n";
  }
  void TearDown() override {
    if (dir_.empty()) return;
    tmux("kill-server");
    std::filesystem::remove_all(dir_);
  }

  bool tmux(const std::string& args) {
    return shell("tmux -L " + socket_ + " -f " + dir_ + "/tmux.conf " + args + " >/dev/null 2>&1");
  }
  std::string tmuxOutput(const std::string& args) {
    return shellOutput("tmux -L " + socket_ + " " + args + " 2>/dev/null");
  }

  // Starts the child in a columns x rows terminal and waits for its first line.
  void start(int columns = 100, int rows = 30, const std::string& environment = "") {
    const std::string exe = std::filesystem::read_symlink("/proc/self/exe").string();
    const std::string child = "cd " + dir_ + " && " + environment + " XDG_CONFIG_HOME=" + dir_ +
                              "/config PX_TERMINAL_CHILD=" + dir_ + " " + exe +
                              " --gtest_filter=TerminalChild.DISABLED_EchoKeys --gtest_also_run_disabled_tests"
                              " --gtest_brief=1; echo DONE $?; sleep 600";
    ASSERT_TRUE(tmux("new-session -d -s px -x " + std::to_string(columns) + " -y " + std::to_string(rows) + " '" +
                     child + "'"));
    ASSERT_TRUE(screenShows("Ola, terminal!")) << capture();
  }

  std::string capture(bool colours = false) {
    return tmuxOutput(std::string("capture-pane -p -t px") + (colours ? " -e" : ""));
  }
  bool screenShows(const std::string& text) {
    return pollUntil([&] { return capture().find(text) != std::string::npos; });
  }
  std::string pane(const std::string& format) {
    std::string out = tmuxOutput("display -p -t px '" + format + "'");
    while (!out.empty() && out.back() == '\n') out.pop_back();
    return out;
  }
  void send(const std::string& keys) { ASSERT_TRUE(tmux("send-keys -t px " + keys)); }

  std::string file(const std::string& name) {
    std::ifstream in(dir_ + "/" + name);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  // The queued bytes, once they are at least as long as `expected`.
  std::string keysLike(const std::string& expected) {
    std::string got;
    pollUntil([&] {
      got = file("keys.txt");
      return got.size() >= expected.size();
    });
    return got;
  }

  // The terminal is back in its ordinary mode with the shell's DONE line.
  void expectRestored(const std::string& done) {
    EXPECT_TRUE(screenShows(done)) << capture();
    EXPECT_EQ(pane("#{alternate_on} #{cursor_flag} #{keypad_flag}"), "0 1 0");
    EXPECT_EQ(capture().find("Ola, terminal!"), std::string::npos);
  }

  std::string dir_;
  std::string socket_;
};

TEST_F(TerminalRun, KeysArriveWithTheWindowsCodesAndEscAlone) {
  start();
  send("a F1 C-F5 Up C-Left IC DC Home NPage BSpace Enter C-v");
  std::string expected = "97 0 59 0 98 0 72 0 115 0 82 0 83 0 71 0 81 8 13 22 ";
  EXPECT_EQ(keysLike(expected), expected);
  send("Escape");
  expected += "27 ";
  EXPECT_EQ(keysLike(expected), expected);
  // Alt with a letter queues nothing.
  send("M-x b");
  expected += "98 ";
  EXPECT_EQ(keysLike(expected), expected);
  // A typed character arrives as its code point.
  send("π");
  expected += "960 ";
  EXPECT_EQ(keysLike(expected), expected);
  send("q");
  expectRestored("DONE 0");
}

TEST_F(TerminalRun, ScreenShowsTheGridInItsColoursAndTheTitle) {
  start();
  EXPECT_NE(capture().find("Ola, terminal! ç π"), std::string::npos);
  const std::string coloured = capture(true);
  // Yellow on blue in a 256-colour terminal: cube colours 226 and 21.
  if (coloured.find("38;5;") != std::string::npos) {
    EXPECT_NE(coloured.find("38;5;226"), std::string::npos) << coloured.substr(0, 300);
    EXPECT_NE(coloured.find("48;5;21"), std::string::npos) << coloured.substr(0, 300);
  }
  EXPECT_EQ(pane("#{pane_title}"), "pxtitulo");
  EXPECT_EQ(pane("#{alternate_on}"), "1");
  send("q");
  expectRestored("DONE 0");
}

TEST_F(TerminalRun, PictureAsBraillePatternsAndTextBackWhenHidden) {
  // The left half black, the right half white.
  writeTestBmp(dir_ + "/p.bmp", 64, 32, [](int x, int) { return x < 32 ? 0x000000u : 0xFFFFFFu; });
  start(80, 25);
  send("p");
  const std::string full = "\xE2\xA3\xBF", blank = "\xE2\xA0\x80";  // U+28FF and U+2800
  EXPECT_TRUE(screenShows(full)) << capture();
  const std::string shown = capture();
  EXPECT_EQ(shown.find("Ola"), std::string::npos);
  // 64 x 32 pixels fill 160 x 80 dots: 40 full characters then 40 blank ones a row.
  std::string row;
  for (int i = 0; i < 40; ++i) row += full;
  for (int i = 0; i < 40; ++i) row += blank;
  EXPECT_EQ(shown.substr(0, row.size()), row);
  send("h");
  EXPECT_TRUE(screenShows("Ola, terminal!"));
  EXPECT_EQ(capture().find(full), std::string::npos);
  send("q");
  expectRestored("DONE 0");
}

TEST_F(TerminalRun, WithoutColoursBackgroundsAreReversedAndTheEndIsClean) {
  start(100, 30, "TERM=vt100");
  EXPECT_NE(capture(true).find("\x1b[7mOla, terminal!"), std::string::npos) << capture(true);
  send("q");
  expectRestored("DONE 0");
  // No terminfo padding ("$<2>") was written as text.
  EXPECT_EQ(capture().find("$<"), std::string::npos) << capture();
}

TEST_F(TerminalRun, SigtermGivesTheTerminalBack) {
  start();
  const pid_t pid = std::stoi(file("pid"));
  ASSERT_EQ(kill(pid, SIGTERM), 0);
  expectRestored("DONE 143");
}

TEST_F(TerminalRun, ACrashGivesTheTerminalBack) {
  start();
  const pid_t pid = std::stoi(file("pid"));
  ASSERT_EQ(kill(pid, SIGSEGV), 0);
  expectRestored("DONE 139");
}

TEST_F(TerminalRun, ASmallTerminalIsToldOnceAndShowsWhatFits) {
  start(60, 20);
  EXPECT_NE(capture().find("Ola, terminal!"), std::string::npos);
  tmux("resize-window -t px -x 50 -y 15");
  send("z");
  EXPECT_EQ(keysLike("122 "), "122 ");
  send("q");
  expectRestored("DONE 0");
  const std::string t = file("t.txt");
  // Without the catalogue above this floor, the sentence is its values alone.
  const std::string said = "say: 60 20 80 25\n";
  EXPECT_NE(t.find(said), std::string::npos) << t;
  EXPECT_EQ(t.find(said), t.rfind(said)) << t;
}

}  // namespace
