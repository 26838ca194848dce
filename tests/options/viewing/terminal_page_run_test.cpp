// V in a terminal under tmux: the embosser page as rows of Braille patterns, scrolled by
// the movement keys; and V with a real BRLTTY daemon, whose TTY driver shows the braille
// display's cells in a second tmux pane and turns keys typed there into the display's
// commands. Tests skip when tmux or brltty is not installed.
#include <gtest/gtest.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/frontend_fixture.h"
#include "platform/temp_dir.h"
#include "platform/x_display.h"

namespace {

const std::string kBlank = "\xE2\xA0\x80";  // U+2800

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::string withoutTrailingBlanks(std::string row) {
  while (row.size() >= kBlank.size() && row.compare(row.size() - kBlank.size(), kBlank.size(), kBlank) == 0) {
    row.resize(row.size() - kBlank.size());
  }
  return row;
}

// `count` cells of a page line (UTF-8 patterns, trailing blanks removed) from cell
// `first`, blank past its end.
std::string cellsOf(const std::string& line, int first, int count) {
  std::string cells;
  for (int i = first; i < first + count; ++i) {
    cells += static_cast<size_t>(3 * i + 3) <= line.size() ? line.substr(static_cast<size_t>(3 * i), 3) : kBlank;
  }
  return cells;
}

class PageRun : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!haveTool("tmux")) GTEST_SKIP() << "tmux is not installed";
    dir_ = makeTempDir("page");
    socket_ = "pxp-" + std::filesystem::path(dir_).filename().string();
    std::ofstream(dir_ + "/p.pxg") << "";
    ASSERT_TRUE(shell("cd " + dir_ + " && " PONTELIX_EXE " render --test-drawing -o page.txt"));
    page_ = linesOf(read("page.txt"));
    ASSERT_EQ(page_.size(), 44u);
  }
  void TearDown() override {
    if (dir_.empty()) return;
    if (brlttyPid_ > 0 && kill(brlttyPid_, SIGTERM) == 0) {
      // Ended (gone, or a zombie not yet reaped) before its folder goes.
      pollUntil([&] {
        std::ifstream stat("/proc/" + std::to_string(brlttyPid_) + "/stat");
        const std::string state(std::istreambuf_iterator<char>(stat), {});
        return state.empty() || state.find(") Z") != std::string::npos;
      }, 5);
    }
    if (!program_.empty()) tmux(program_, "kill-server");
    tmux(socket_ + "b", "kill-server");
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
  }

  bool tmux(const std::string& socket, const std::string& args) {
    return shell("tmux -L " + socket + " -f /dev/null " + args + " >/dev/null 2>&1");
  }
  std::vector<std::string> capture(const std::string& socket) {
    return linesOf(shellOutput("tmux -L " + socket + " capture-pane -p -t px 2>/dev/null"));
  }
  std::string read(const std::string& name) {
    std::ifstream in(dir_ + "/" + name);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  // The program in a columns x rows terminal, at its main menu.
  void startProgram(int columns, int rows, const std::string& environment = "") {
    // A fresh server each time: one that is still shutting down refuses new sessions.
    if (!program_.empty()) tmux(program_, "kill-server");
    program_ = socket_ + "-" + std::to_string(++starts_);
    std::filesystem::remove(dir_ + "/t.txt");
    const std::string command = "cd " + dir_ + " && env XDG_CONFIG_HOME=" + dir_ + "/config " + environment + " " +
                                PONTELIX_EXE + " --ui=terminal --speech=none --transcript=t.txt p.pxg; sleep 600";
    ASSERT_TRUE(tmux(program_, "new-session -d -s px -x " + std::to_string(columns) + " -y " + std::to_string(rows) +
                                  " '" + command + "'"));
    ASSERT_TRUE(pollUntil([&] { return read("t.txt").find("Que deseja") != std::string::npos; }));
  }
  bool heard(const std::string& text, int times = 1) {
    return pollUntil([&] {
      const std::string said = read("t.txt");
      int found = 0;
      for (size_t at = said.find(text); at != std::string::npos; at = said.find(text, at + 1)) ++found;
      return found >= times;
    });
  }
  // True once the terminal's first rows, trailing blanks removed, are these page lines.
  bool terminalShowsPageFrom(int firstLine, int rows) {
    return pollUntil([&] {
      const std::vector<std::string> shown = capture(program_);
      if (shown.size() < static_cast<size_t>(rows)) return false;
      for (int r = 0; r < rows; ++r) {
        if (withoutTrailingBlanks(shown[r]) != page_[firstLine + r]) return false;
      }
      return true;
    });
  }

  // Starts BRLTTY's TTY driver on a new tmux pane of `displaySocket` (40 cells unless
  // `driverOptions` say otherwise); its BrlAPI host, or empty when it did not start.
  std::string startBrltty(const std::string& displaySocket, const std::string& driverOptions) {
    if (!tmux(displaySocket, "new-session -d -s px -x 80 -y 5 'sleep 600'")) return {};
    std::string tty = shellOutput("tmux -L " + displaySocket + " display -p -t px '#{pane_tty}'");
    while (!tty.empty() && tty.back() == '\n') tty.pop_back();
    const std::string host = "127.0.0.1:" + std::to_string(200 + getpid() % 700);
    if (!shell("cd " + dir_ + " && (brltty -n -e -b tt -d " + tty + " " + driverOptions + " -x no -s no -f /dev/null -W " +
               dir_ + " -U " + dir_ + " -A auth=none,host=" + host + " >brltty.log 2>&1 & echo $! >brltty.pid)"))
      return {};
    brlttyPid_ = std::stoi(read("brltty.pid"));
    if (!pollUntil([&] { return read("brltty.log").find("Braille Driver: tt") != std::string::npos; })) return {};
    return host;
  }

  std::string dir_, socket_;
  std::string program_;  // the tmux server of the program's terminal
  int starts_ = 0;
  std::vector<std::string> page_;
  pid_t brlttyPid_ = -1;
};

TEST_F(PageRun, TheTerminalShowsTheEmbosserPageAndScrollsIt) {
  startProgram(80, 50);
  ASSERT_TRUE(tmux(program_, "send-keys -t px C-v"));
  EXPECT_TRUE(terminalShowsPageFrom(0, 44)) << read("t.txt");
  ASSERT_TRUE(tmux(program_, "send-keys -t px Escape"));
  EXPECT_TRUE(heard("Que deseja", 2));

  // The terminal scrolls as little as keeps the cursor's line in sight.
  startProgram(80, 25);
  ASSERT_TRUE(tmux(program_, "send-keys -t px C-v"));
  EXPECT_TRUE(terminalShowsPageFrom(0, 25));
  ASSERT_TRUE(tmux(program_, "send-keys -t px C-End"));
  EXPECT_TRUE(terminalShowsPageFrom(19, 25));  // the last 25 lines
  EXPECT_TRUE(heard("say: Fileira 44 de 44, coluna 1"));
  ASSERT_TRUE(tmux(program_, "send-keys -t px C-Up"));
  EXPECT_TRUE(heard("say: Fileira 43 de 44, coluna 1"));
  EXPECT_TRUE(terminalShowsPageFrom(19, 25));
  ASSERT_TRUE(tmux(program_, "send-keys -t px C-Home"));
  EXPECT_TRUE(terminalShowsPageFrom(0, 25));
  ASSERT_TRUE(tmux(program_, "send-keys -t px C-Home"));
  EXPECT_TRUE(heard("beep"));
}

TEST_F(PageRun, ARealBrailleDisplayShowsThePagePansAndIsGivenBack) {
  if (!haveTool("brltty")) GTEST_SKIP() << "brltty is not installed";
  // The display: a tmux pane whose terminal BRLTTY's TTY driver writes (40 cells).
  const std::string displaySocket = socket_ + "b";
  const std::string host = startBrltty(displaySocket, "");
  ASSERT_FALSE(host.empty()) << read("brltty.log");
  const auto displayRow = [&] {
    const std::vector<std::string> rows = capture(displaySocket);
    return rows.empty() ? std::string() : rows[0];
  };
  const auto displayShows = [&](const std::string& cells) { return pollUntil([&] { return displayRow() == cells; }); };

  startProgram(80, 25, "BRLAPI_HOST=" + host + " BRLAPI_AUTH=none");
  ASSERT_TRUE(tmux(program_, "send-keys -t px C-v"));
  EXPECT_TRUE(displayShows(cellsOf(page_[0], 0, 40))) << displayRow();
  EXPECT_TRUE(heard("say: Fileira 1 de 44, coluna 1"));
  // The display's own keys: Right pans a display's width, Down goes a line down.
  ASSERT_TRUE(tmux(displaySocket, "send-keys -t px Right"));
  EXPECT_TRUE(displayShows(cellsOf(page_[0], 40, 40))) << displayRow();
  ASSERT_TRUE(tmux(displaySocket, "send-keys -t px Down"));
  EXPECT_TRUE(displayShows(cellsOf(page_[1], 40, 40))) << displayRow();
  EXPECT_TRUE(heard("say: Fileira 2 de 44, coluna 41"));
  // And the keyboard's: Ctrl+End to the last line.
  ASSERT_TRUE(tmux(program_, "send-keys -t px C-End"));
  EXPECT_TRUE(displayShows(cellsOf(page_[43], 0, 40))) << displayRow();
  // Any other key ends the view and gives the display back to BRLTTY: its keys are
  // BRLTTY's again (without a screen to read it redraws only when a key asks it to).
  const std::string last = displayRow();
  ASSERT_TRUE(tmux(program_, "send-keys -t px Escape"));
  EXPECT_TRUE(heard("Que deseja", 2));
  ASSERT_TRUE(tmux(displaySocket, "send-keys -t px Down"));
  EXPECT_TRUE(pollUntil([&] { return displayRow() != last && !displayRow().empty(); })) << displayRow();
  const std::string said = read("t.txt");
  EXPECT_EQ(said.find("click", said.rfind("Que deseja")), std::string::npos);  // Down at the last line
}

// A display of three rows of 30 cells shows three lines of the page at once.
TEST_F(PageRun, AThreeRowDisplayShowsThreeLinesOfThePage) {
  if (!haveTool("brltty")) GTEST_SKIP() << "brltty is not installed";
  const std::string displaySocket = socket_ + "b";
  const std::string host = startBrltty(displaySocket, "-B lines=3,columns=30");
  ASSERT_FALSE(host.empty()) << read("brltty.log");
  startProgram(80, 25, "BRLAPI_HOST=" + host + " BRLAPI_AUTH=none");
  ASSERT_TRUE(tmux(program_, "send-keys -t px C-v"));
  // The driver writes the rows from where its terminal's cursor stands: three rows of the
  // pane in a row, wherever they begin.
  const auto showsFrom = [&](int line) {
    return pollUntil([&] {
      const std::vector<std::string> rows = capture(displaySocket);
      for (size_t top = 0; top + 3 <= rows.size(); ++top) {
        bool all = true;
        for (int r = 0; r < 3; ++r) all = all && rows[top + static_cast<size_t>(r)] == cellsOf(page_[static_cast<size_t>(line + r)], 0, 30);
        if (all) return true;
      }
      return false;
    });
  };
  EXPECT_TRUE(showsFrom(0));
  // The window goes down only when the cursor leaves its three lines.
  ASSERT_TRUE(tmux(program_, "send-keys -t px C-Down C-Down C-Down"));
  EXPECT_TRUE(heard("say: Fileira 4 de 44, coluna 1"));
  EXPECT_TRUE(showsFrom(1));
}

}  // namespace
