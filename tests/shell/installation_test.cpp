// The installed tree works wherever it is put: `cmake --install` into a scratch prefix,
// then the programs, an installed example, the desktop entry and the metainfo are tried
// from there. Nothing is installed into the system.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <filesystem>
#include <string>

#include "installed_files.h"
#include "scratch.h"

namespace fs = std::filesystem;

namespace {

int shell(const std::string& command) {
  const int raw = std::system(command.c_str());
  return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

class Installation : public ::testing::Test {
 protected:
  // One installation for all the tests of the suite.
  static void SetUpTestSuite() {
    scratch_ = new ScratchDir;
    prefix_ = scratch_->file("prefix with blank");
    installed_ = shell("'" PONTELIX_CMAKE "' --install '" PONTELIX_BINARY_DIR "' --prefix '" + prefix_ +
                       "' >'" + scratch_->file("install.log") + "' 2>&1") == 0;
  }
  static void TearDownTestSuite() {
    delete scratch_;
    scratch_ = nullptr;
  }
  void SetUp() override { ASSERT_TRUE(installed_) << readBytes(scratch_->file("install.log")); }

  // Runs a command line in `cwd`; standard output and error go to out and err.
  int run(const std::string& commandLine, const std::string& cwd) {
    return shell("cd '" + cwd + "' && " + commandLine + " >'" + dir_.file("out") + "' 2>'" + dir_.file("err") + "'");
  }
  std::string out() const { return readBytes(dir_.file("out")); }
  std::string err() const { return readBytes(dir_.file("err")); }
  std::string at(const std::string& relative) const { return prefix_ + "/" + relative; }

  static ScratchDir* scratch_;
  static std::string prefix_;
  static bool installed_;
  ScratchDir dir_;
};

ScratchDir* Installation::scratch_ = nullptr;
std::string Installation::prefix_;
bool Installation::installed_ = false;

}  // namespace

TEST_F(Installation, EveryFileLiesWhereItBelongs) {
  for (const std::string& file : expectedInstalledFiles()) EXPECT_TRUE(fs::is_regular_file(at(file))) << file;
  // The talking program is not a command of its own: pontelix finds it.
  EXPECT_FALSE(fs::exists(at("bin/pontelix-console")));
}

TEST_F(Installation, TheInstalledProgramRendersAnInstalledExample) {
  const std::string pontelix = "'" + at("bin/pontelix") + "'";
  ASSERT_EQ(run(pontelix + " --version", dir_.path()), 0) << err();
  EXPECT_EQ(out(), "Pontelix 1.0 alfa\n");
  // tabela.pxg reads cubica.dat from the folder it runs in.
  ASSERT_EQ(run(pontelix + " render tabela.pxg -o '" + dir_.file("t.png") + "'", at("share/doc/pontelix/examples")), 0)
      << err();
  EXPECT_EQ(err(), "");
  EXPECT_EQ(readBytes(dir_.file("t.png")).substr(1, 3), "PNG");
  ASSERT_EQ(run(pontelix + " --help", dir_.path()), 0);
  EXPECT_NE(out().find(at("share/doc/pontelix/comandos.md")), std::string::npos) << out();
}

TEST_F(Installation, TheTalkingProgramStartsFromTheInstalledPath) {
  writeBytes(dir_.file("keys.txt"), "<Esc>S");
  ASSERT_EQ(run("'" + at("bin/pontelix") + "' --ui=headless --speech=none --keys=keys.txt --transcript=t.txt novo.pxg",
                dir_.path()),
            0)
      << err();
  const std::string heard = readBytes(dir_.file("t.txt"));
  EXPECT_NE(heard.find("say: Arquivo novo\n"), std::string::npos) << heard;
  EXPECT_NE(heard.find("say: Fim do Pontelix\n"), std::string::npos) << heard;
}

TEST_F(Installation, DesktopEntryMetainfoAndManualPagesPassTheirCheckers) {
  const std::string id = "org.pontelix.Pontelix";
  // The validator may offer hints (Accessibility could also be listed under Utility);
  // warnings and errors are what count.
  EXPECT_EQ(run("desktop-file-validate '" + at("share/applications/" + id + ".desktop") + "'", dir_.path()), 0)
      << out() << err();
  EXPECT_EQ((out() + err()).find("error:"), std::string::npos) << out() << err();
  EXPECT_EQ((out() + err()).find("warning:"), std::string::npos) << out() << err();
  EXPECT_EQ(run("appstreamcli validate --no-net '" + at("share/metainfo/" + id + ".metainfo.xml") + "'", dir_.path()), 0)
      << out() << err();
  for (const char* page : {"share/man/man1/pontelix.1.gz", "share/man/pt_BR/man1/pontelix.1.gz"}) {
    EXPECT_EQ(run("MANWIDTH=80 man --warnings -l '" + at(page) + "'", dir_.path()), 0) << page;
    EXPECT_EQ(err(), "") << page;
    EXPECT_NE(out().find("pontelix render"), std::string::npos) << page;
  }
}
