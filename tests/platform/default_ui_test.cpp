// Choosing the interface: without --ui the window needs a display that really answers
// and the terminal needs a terminal; with neither the program says which option to use.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>

#include "platform/temp_dir.h"

namespace {

class DefaultUi : public ::testing::Test {
 protected:
  void SetUp() override { dir_ = makeTempDir("ui"); }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  // Runs the program with no terminal on its standard streams; returns its exit status.
  int run(const std::string& environment, const std::string& args = "") {
    const std::string command = "cd " + dir_ + " && env -u DISPLAY -u WAYLAND_DISPLAY XDG_CONFIG_HOME=" + dir_ +
                                "/config " + environment + " " + PONTELIX_EXE + " --speech=none " + args +
                                " </dev/null >out.txt 2>err.txt";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  std::string err() {
    std::ifstream in(dir_ + "/err.txt");
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  std::string dir_;
};

TEST_F(DefaultUi, NoDisplayAndNoTerminalNamesTheOptions) {
  EXPECT_EQ(run(""), 2);
  EXPECT_NE(err().find("--ui=headless"), std::string::npos) << err();
  // SDL's offscreen driver is no display.
  EXPECT_EQ(run("SDL_VIDEODRIVER=offscreen"), 2);
  EXPECT_NE(err().find("--ui=headless"), std::string::npos) << err();
  // Nor is a display that does not answer.
  EXPECT_EQ(run("DISPLAY=:4321"), 2);
  EXPECT_NE(err().find("--ui=headless"), std::string::npos) << err();
}

TEST_F(DefaultUi, AnInterfaceThatCannotOpenSaysWhy) {
  EXPECT_EQ(run("", "--ui=terminal"), 2);
  EXPECT_NE(err().find("terminal"), std::string::npos) << err();
  EXPECT_EQ(run("SDL_VIDEODRIVER=offscreen", "--ui=window"), 2);
  EXPECT_NE(err().find("pontelix: "), std::string::npos) << err();
}

}  // namespace
