// The console window on a private X server: keys sent with xdotool reach the queue with
// the window's codes, and screenshots show the grid, the caret and the picture.
#include <SDL.h>
#include <gtest/gtest.h>

#include <functional>

#include "platform/console.h"
#include "platform/console_fixture.h"
#include "platform/frontend_fixture.h"
#include "platform/frontends/window.h"
#include "platform/x_display.h"

namespace {

constexpr int kCellW = 10, kCellH = 20;

class WindowRun : public ConsoleTest {
 protected:
  void SetUp() override {
    ConsoleTest::SetUp();
    for (const char* tool : {"Xvfb", "xdotool", "xwd"}) {
      if (!haveTool(tool)) GTEST_SKIP() << tool << " is not installed";
    }
    if (!x_.start()) GTEST_SKIP() << "Xvfb could not start";
    writeFile(dir_ + "/config/tramel/Tramel.ini", "[VIDEO]\nLARGURALETRA=10\nALTURALETRA=20\n");
    conReset();
    std::string error;
    auto window = makeWindowFrontend(error);
    ASSERT_TRUE(window) << error;
    conSetFrontend(std::move(window));
    conFrontend().setTitle("pxjanela");
    id_ = windowOfThisProcess();
    ASSERT_FALSE(id_.empty()) << "the window did not appear";
    ASSERT_TRUE(shell("timeout 20 xdotool windowfocus --sync " + id_));
  }
  void TearDown() override {
    ConsoleTest::TearDown();  // the headless frontend takes over and the window closes
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    x_.stop();
  }

  // The X window id of this process's window (SDL names its process on it).
  static std::string windowOfThisProcess() {
    std::string id = shellOutput("timeout 20 xdotool search --sync --pid " + std::to_string(getpid()) + " 2>/dev/null | head -1");
    while (!id.empty() && id.back() == '\n') id.pop_back();
    return id;
  }

  void send(const std::string& xdotoolArgs) { ASSERT_TRUE(shell("xdotool " + xdotoolArgs)); }

  // The bytes queued once as many as `expected` holds have arrived (or the deadline
  // passed).
  std::string queued(const std::string& expected) {
    const size_t count = expected.size();
    std::string got;
    pollUntil([&] {
      while (conKeyWaiting()) got += static_cast<char>(conGetKey());
      return got.size() >= count;
    });
    return got;
  }

  // A screenshot taken once `ready` holds for it.
  Screenshot screenshotWhen(const std::function<bool(const Screenshot&)>& ready) {
    Screenshot shot;
    const bool ok = pollUntil([&] {
      conFrontend().pump(0);
      return takeScreenshot(id_, dir_ + "/shot.xwd", shot) && ready(shot);
    });
    EXPECT_TRUE(ok) << "the screen never showed what was expected (screenshot " << shot.width << " x "
                    << shot.height << ")";
    return shot;
  }

  // How many pixels of a cell (1-based screen column and row) have the colour.
  static int count(const Screenshot& s, int column, int row, std::uint32_t colour) {
    int n = 0;
    for (int y = (row - 1) * kCellH; y < row * kCellH && y < s.height; ++y) {
      for (int x = (column - 1) * kCellW; x < column * kCellW && x < s.width; ++x) n += s.at(x, y) == colour;
    }
    return n;
  }

  XServer x_;
  std::string id_;
};

std::string ext(int code) { return std::string(1, '\0') + static_cast<char>(code); }

TEST_F(WindowRun, ClientAreaIsTheGridAndItsTitleIsSet) {
  EXPECT_EQ(conFrontend().clientArea().width, 80 * kCellW);
  EXPECT_EQ(conFrontend().clientArea().height, 25 * kCellH);
  EXPECT_EQ(shellOutput("xprop -id " + id_ + " _NET_WM_NAME"), "_NET_WM_NAME(UTF8_STRING) = \"pxjanela\"\n");
  // The window manager is told the sizes: 16 x 4 cells at least, the grid at most.
  const std::string hints = shellOutput("xprop -id " + id_ + " WM_NORMAL_HINTS");
  EXPECT_NE(hints.find("minimum size: 160 by 80"), std::string::npos) << hints;
  EXPECT_NE(hints.find("maximum size: 800 by 500"), std::string::npos) << hints;
}

TEST_F(WindowRun, KeysReachTheQueueWithTheWindowsCodes) {
  send("key --delay 30 a F1 ctrl+F5 Up ctrl+Left shift+Left Return ctrl+Return BackSpace ctrl+v");
  const std::string expected =
      "a" + ext(59) + ext(98) + ext(72) + ext(115) + std::string("\0\x10\x4b", 3) + "\r\n\b\x16";
  EXPECT_EQ(queued(expected), expected);
  // Alt with a letter or a digit and F10 queue nothing.
  send("key --delay 30 alt+x alt+2 F10 b shift+a alt+Left");
  EXPECT_EQ(queued("bA" + ext(75)), "bA" + ext(75));
}

// Alt+F4 and Ctrl+Break end the program at once.
class WindowEnd : public WindowRun, public ::testing::WithParamInterface<const char*> {};

TEST_P(WindowEnd, EndsTheProgramAtOnce) {
  send(std::string("key ") + GetParam());
  bool ended = false;
  pollUntil([&] {
    try {
      conFrontend().pump(20);
    } catch (const ProgramEnded& e) {
      ended = true;
      EXPECT_EQ(e.status, 0);
    }
    return ended;
  });
  EXPECT_TRUE(ended);
}

INSTANTIATE_TEST_SUITE_P(Keys, WindowEnd, ::testing::Values("alt+F4", "ctrl+Pause"));

TEST_F(WindowRun, ClosingTheWindowEndsTheProgramAtOnce) {
  // What SDL reports when the window manager's close button or menu is used.
  SDL_Event close{};
  close.type = SDL_WINDOWEVENT;
  close.window.event = SDL_WINDOWEVENT_CLOSE;
  ASSERT_EQ(SDL_PushEvent(&close), 1);
  EXPECT_THROW(conFrontend().pump(0), ProgramEnded);
}

TEST_F(WindowRun, ClipboardRoundTrip) {
  conFrontend().setClipboard("PT 1,5 2 \xC3\xA7");
  EXPECT_EQ(conFrontend().clipboard(), "PT 1,5 2 \xC3\xA7");
}

TEST_F(WindowRun, BrailleChordsAndTheModeTones) {
  // Ctrl+Alt+F11 never reaches an X client (the server switches terminals with it).
  send("key ctrl+shift+F11");
  send("keydown f keydown d keyup f keyup d");
  send("keydown space keyup space");
  send("key --delay 30 F2");
  EXPECT_EQ(queued("b " + ext(60)), "b " + ext(60));
  send("key ctrl+shift+F12");
  send("key --delay 30 f");
  EXPECT_EQ(queued("f"), "f");
  EXPECT_EQ(transcript(), "tone: 800\ntone: 1600\ntone: 100\n");
}

TEST_F(WindowRun, ScreenshotShowsTheGridsCharactersAndColours) {
  conSetBackColour(1);
  conSetTextColour(14);
  conWrite("Xy");
  conGoto(1, 3);
  conSetBackColour(4);
  conWrite("   ");
  const Screenshot shot = screenshotWhen([](const Screenshot& s) { return count(s, 2, 3, 0xFF0000) == 200; });
  EXPECT_GT(count(shot, 1, 1, 0xFFFF00), 10);  // the X in yellow
  EXPECT_GT(count(shot, 1, 1, 0x0000FF), 60);  // on blue
  EXPECT_GT(count(shot, 2, 1, 0xFFFF00), 5);
  EXPECT_EQ(count(shot, 3, 1, 0x000000), 200);
  EXPECT_EQ(count(shot, 80, 25, 0x000000), 200);
}

TEST_F(WindowRun, CaretWhileAKeyIsAwaited) {
  conGoto(4, 2);
  const Screenshot idle = screenshotWhen([](const Screenshot& s) { return count(s, 4, 2, 0x000000) == 200; });
  conFrontend().setWaitingForKey(true);
  const Screenshot waiting = screenshotWhen([](const Screenshot& s) { return count(s, 4, 2, 0xFFFFFF) > 0; });
  EXPECT_EQ(count(waiting, 4, 2, 0xFFFFFF), kCellW * 2);
  EXPECT_EQ(count(waiting, 5, 2, 0xFFFFFF), 0);
  conFrontend().setWaitingForKey(false);
  screenshotWhen([](const Screenshot& s) { return count(s, 4, 2, 0x000000) == 200; });
}

TEST_F(WindowRun, PictureShowsAtItsPositionAndGoesWhenHidden) {
  conWrite(std::string(80, 'W'));
  const std::string bmp = dir_ + "/p.bmp";
  writeTestBmp(bmp, 40, 30, [](int x, int y) { return (x + y) % 2 ? 0x00FF00u : 0xFF00FFu; });
  ASSERT_TRUE(conLoadPicture(bmp));
  conShowPicture(5, 7);
  const Screenshot shot = screenshotWhen([](const Screenshot& s) { return s.at(5, 7) == 0xFF00FF; });
  EXPECT_EQ(shot.at(6, 7), 0x00FF00u);
  EXPECT_EQ(shot.at(44, 36), 0xFF00FFu);
  EXPECT_NE(shot.at(45, 7), 0x00FF00u);
  EXPECT_NE(shot.at(4, 7), 0xFF00FFu);
  conHidePicture();
  const Screenshot after = screenshotWhen([](const Screenshot& s) { return s.at(5, 7) != 0xFF00FF; });
  EXPECT_GT(count(after, 1, 1, 0xFFFFFF), 10);  // the text is back
}

// The whole program on the display of DISPLAY, by way of how it can end there: the
// status it ended with, or -1 when it was still running after the deadline.
class ProgramWindow : public WindowRun {
 protected:
  int runUntilEnd(const std::function<void(const std::string& window)>& end) {
    const pid_t pid = fork();
    if (pid == 0) {
      setenv("XDG_CONFIG_HOME", (dir_ + "/config").c_str(), 1);
      freopen("/dev/null", "r", stdin);
      execl(PONTELIX_EXE, PONTELIX_EXE, "--speech=none", static_cast<char*>(nullptr));
      _exit(127);
    }
    const std::string id = shellOutput("timeout 20 xdotool search --sync --pid " + std::to_string(pid) + " | head -1");
    EXPECT_FALSE(id.empty()) << "the program's window did not appear";
    if (!id.empty()) end(id);
    int status = -1;
    if (pollUntil([&] { return waitpid(pid, &status, WNOHANG) == pid; })) return status;
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
    return -1;
  }
};

TEST_F(ProgramWindow, TheProgramChoosesTheWindowAndEndsOnAltF4) {
  const int status = runUntilEnd([&](const std::string& id) {
    send("windowfocus --sync " + id);
    send("key alt+F4");
  });
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}

// A display that goes away (a session closed, a remote link lost) ends the program, which
// never waits on it. The program has a display of its own, so that this process keeps
// its window.
TEST_F(ProgramWindow, TheProgramEndsWhenItsDisplayGoes) {
  XServer own;
  ASSERT_TRUE(own.start());
  const int status = runUntilEnd([&](const std::string&) { own.stop(); });
  EXPECT_TRUE(WIFEXITED(status)) << status;
}

}  // namespace

namespace {

TEST_F(WindowRun, CantotelaOtherThanSimStartsMaximized) {
  EXPECT_EQ(shellOutput("xprop -id " + id_ + " _NET_WM_STATE").find("MAXIMIZED"), std::string::npos);
  writeFile(dir_ + "/config/tramel/Tramel.ini", "[VIDEO]\nLARGURALETRA=10\nALTURALETRA=20\nCANTOTELA=Nao\n");
  std::string error;
  auto window = makeWindowFrontend(error);
  ASSERT_TRUE(window) << error;
  conSetFrontend(std::move(window));  // the first window closes
  const std::string id = windowOfThisProcess();
  ASSERT_FALSE(id.empty());
  ASSERT_NE(id, id_);
  const std::string state = shellOutput("xprop -id " + id + " _NET_WM_STATE");
  EXPECT_NE(state.find("_NET_WM_STATE_MAXIMIZED_VERT"), std::string::npos) << state;
}

}  // namespace
