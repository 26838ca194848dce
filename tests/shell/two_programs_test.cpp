// pontelix answers the batch commands, the help and the version itself, and hands every
// other command line, unchanged, to pontelix-console beside it.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "scratch.h"

namespace fs = std::filesystem;

namespace {

class TwoPrograms : public ::testing::Test {
 protected:
  // A copy of pontelix alone in a folder of its own, with no pontelix-console beside it.
  std::string lonePontelix() {
    const std::string copy = dir_.file("pontelix");
    fs::copy_file(PONTELIX_EXE, copy, fs::copy_options::overwrite_existing);
    return copy;
  }
  // Runs a shell command line in the scratch folder; its exit status, standard output
  // in out.txt and standard error in err.txt.
  int run(const std::string& commandLine) {
    const int raw = std::system(("cd '" + dir_.path() + "' && " + commandLine + " >out.txt 2>err.txt").c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  }
  std::string out() const { return readBytes(dir_.file("out.txt")); }
  std::string err() const { return readBytes(dir_.file("err.txt")); }

  ScratchDir dir_;
};

TEST_F(TwoPrograms, TheBatchCommandsHelpAndVersionNeedNoConsoleProgram) {
  const std::string pontelix = lonePontelix();
  EXPECT_EQ(run(pontelix + " braille --format=dots Casa"), 0) << err();
  EXPECT_EQ(out(), "46 14 1 234 1\n");
  writeBytes(dir_.file("p.pxg"), "PT 0 0\r\n");
  EXPECT_EQ(run(pontelix + " render p.pxg -o p.brf"), 0) << err();
  EXPECT_TRUE(fs::exists(dir_.file("p.brf")));
  EXPECT_EQ(run(pontelix + " --version"), 0);
  EXPECT_EQ(out().rfind("Pontelix ", 0), 0u) << out();
  EXPECT_EQ(run(pontelix + " --ui=headless --help"), 0);
  EXPECT_NE(out().find("--transcript="), std::string::npos);
  EXPECT_EQ(run(pontelix + " --nada"), 2);
  EXPECT_NE(err().find("op\xc3\xa7\xc3\xa3o desconhecida: --nada"), std::string::npos) << err();
}

TEST_F(TwoPrograms, AMissingConsoleProgramIsSaidClearly) {
  const std::string pontelix = lonePontelix();
  EXPECT_EQ(run(pontelix + " --ui=headless"), 2);
  EXPECT_NE(err().find("n\xc3\xa3o foi encontrado: " + dir_.file("pontelix-console")), std::string::npos) << err();
  EXPECT_EQ(out(), "");
}

TEST_F(TwoPrograms, TheConsoleProgramGetsTheArgumentsUnchangedAndGivesTheStatus) {
  const std::string pontelix = lonePontelix();
  // A stand-in that lists its arguments one per line and ends with status 7.
  const std::string console = dir_.file("pontelix-console");
  writeBytes(console, "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done\nexit 7\n");
  fs::permissions(console, fs::perms::owner_all);
  EXPECT_EQ(run(pontelix + " --ui=headless --speech=none 'meu projeto.pxg'"), 7) << err();
  EXPECT_EQ(out(), "--ui=headless\n--speech=none\nmeu projeto.pxg\n");
  // Started through a link from elsewhere, it still finds the folder it really lies in.
  fs::create_directory(dir_.file("elsewhere"));
  fs::create_symlink(pontelix, dir_.file("elsewhere/px"));
  EXPECT_EQ(run("elsewhere/px"), 7) << err();
  EXPECT_EQ(out(), "");
}

TEST_F(TwoPrograms, HelpNamesTheBatchCommands) {
  EXPECT_EQ(run(std::string(PONTELIX_EXE) + " --help"), 0);
  EXPECT_NE(out().find("pontelix render "), std::string::npos) << out();
  EXPECT_NE(out().find("pontelix braille "), std::string::npos) << out();
  EXPECT_NE(out().find("pontelix print "), std::string::npos) << out();
}

// The batch commands start fast because pontelix loads no library but the C library's:
// the image libraries are linked in. A call that reached the interactive program's
// speech, sound, frontends or spooler would bring all of theirs back, and a shared
// Cairo its X11.
TEST_F(TwoPrograms, TheBatchProgramLoadsNoneOfTheInteractiveLibraries) {
  ASSERT_EQ(run("readelf -d '" PONTELIX_EXE "'"), 0) << err();
  const std::string dynamic = out();
  EXPECT_NE(dynamic.find("libc.so"), std::string::npos) << dynamic;
  for (const char* library : {"SDL2", "espeak", "speechd", "glib", "ncurses", "tinfo", "cups", "libcairo", "X11", "xcb", "libpng", "libz", "freetype"}) {
    EXPECT_EQ(dynamic.find(library), std::string::npos) << library;
  }
}

}  // namespace
