// The headless command-line contract, through the real program.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/temp_dir.h"

namespace {

class HeadlessRun : public ::testing::Test {
 protected:
  void SetUp() override { dir_ = makeTempDir("run"); }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  // Runs the program with a key script; returns its exit status.
  int run(const std::string& keys, const std::string& extra = "") {
    std::ofstream(dir_ + "/keys.txt", std::ios::binary) << keys;
    // A sound device that always opens, so that none is missed on standard error.
    const std::string command = "cd " + dir_ + " && SDL_AUDIODRIVER=dummy XDG_CONFIG_HOME=" + dir_ + "/config " +
                                PONTELIX_EXE + " --ui=headless --keys=keys.txt --transcript=t.txt" +
                                " --screen=s.txt " + extra + " >out.txt 2>err.txt";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  std::string file(const std::string& name) {
    std::ifstream in(dir_ + "/" + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  std::string dir_;
};

}  // namespace

TEST_F(HeadlessRun, KeysRunOutAndScreenAndTranscriptAreWritten) {
  EXPECT_EQ(run("xy"), 0);
  EXPECT_EQ(file("err.txt"), "");  // the screen and the configuration were written
  EXPECT_EQ(file("t.txt").rfind("say: Pontelix - \nsay: 1.0 alfa\n", 0), 0u);
  const std::string screen = file("s.txt");
  EXPECT_NE(screen.find("\nPontelix - 1.0 alfa\n"), std::string::npos);
  EXPECT_EQ(std::count(screen.begin(), screen.end(), '\n'), 25);
  // The services wrote their three switches into the private configuration.
  EXPECT_NE(file("config/tramel/Tramel.ini").find("FALANDO=Sim"), std::string::npos);
}

TEST_F(HeadlessRun, EscEndsNormallyAndAltF4AtOnce) {
  EXPECT_EQ(run("<Esc>"), 0);
  EXPECT_FALSE(file("s.txt").empty());
  EXPECT_EQ(run("<Alt+F4><Esc>"), 0);
  EXPECT_NE(file("s.txt").find("Pontelix -"), std::string::npos);
}

TEST_F(HeadlessRun, MalformedKeyNameIsAUsageError) {
  EXPECT_EQ(run("ab\n<Ctrl+Nada>"), 2);
  EXPECT_NE(file("err.txt").find("linha 2, coluna 1"), std::string::npos);
}

TEST_F(HeadlessRun, UnknownOptionAndHelp) {
  EXPECT_EQ(run("", "--nada"), 2);
  EXPECT_EQ(std::system((std::string(PONTELIX_EXE) + " --help >" + dir_ + "/h.txt").c_str()), 0);
  const std::string help = file("h.txt");
  for (const char* option : {"--ui=", "--keys=", "--transcript=", "--screen=", "--speech=", "--picture="}) {
    EXPECT_NE(help.find(option), std::string::npos) << option;
  }
}

TEST_F(HeadlessRun, PictureFileOnlyWhenAPictureWasShownAndOnlyHeadless) {
  EXPECT_EQ(run("<Enter><Esc>s", "--picture=p.png"), 0);
  EXPECT_FALSE(std::filesystem::exists(dir_ + "/p.png"));
  const std::string terminal = std::string(PONTELIX_EXE) + " --ui=terminal --picture=p.png 2>" + dir_ + "/e.txt";
  const int status = std::system(terminal.c_str());
  EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 2);
  EXPECT_NE(file("e.txt").find("--picture s\xc3\xb3 vale com --ui=headless"), std::string::npos);
}
