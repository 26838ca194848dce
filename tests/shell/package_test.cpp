// The Debian package made by CPack from this build: its fields, its contents, the
// programs working from the unpacked tree, and lintian. The package is built and
// unpacked in a scratch folder; nothing is installed into the system. One test, so
// that the package (about three seconds) and lintian (about four) run once.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "installed_files.h"
#include "scratch.h"

namespace fs = std::filesystem;

namespace {

class Package : public ::testing::Test {
 protected:
  // Runs a command line; standard output goes to out, standard error to err.
  int run(const std::string& commandLine, const std::string& cwd = {}) {
    const std::string command = "cd '" + (cwd.empty() ? dir_.path() : cwd) + "' && " + commandLine + " >'" +
                                dir_.file("out") + "' 2>'" + dir_.file("err") + "'";
    const int raw = std::system(command.c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  }
  std::string out() const { return readBytes(dir_.file("out")); }
  std::string err() const { return readBytes(dir_.file("err")); }

  // The one .deb that cpack left in the folder.
  std::string packageIn(const std::string& folder) const {
    for (const auto& entry : fs::directory_iterator(folder))
      if (entry.path().extension() == ".deb") return entry.path().string();
    return {};
  }

  ScratchDir dir_;
};

}  // namespace

TEST_F(Package, TheDebianPackageHoldsEveryFileWorksUnpackedAndPassesLintian) {
  ASSERT_EQ(run("'" PONTELIX_CPACK "' --config '" PONTELIX_BINARY_DIR "/CPackConfig.cmake' -B out-deb"), 0)
      << out() << err();
  const std::string deb = packageIn(dir_.file("out-deb"));
  ASSERT_FALSE(deb.empty());
  EXPECT_TRUE(fs::path(deb).filename().string().starts_with("pontelix_1.0~alfa_")) << deb;

  {
    SCOPED_TRACE("fields");
    ASSERT_EQ(run("dpkg-deb -f '" + deb + "' Depends Recommends"), 0) << err();
    const std::string fields = out();
    // Computed from the linked libraries, plus what is read at run time.
    for (const char* wanted : {"libc6", "libsdl2", "libncursesw6", "libespeak-ng1", "espeak-ng-data", "fonts-liberation2", "fontconfig-config",
                                "liblouis20", "liblouis-data"})
      EXPECT_NE(fields.find(wanted), std::string::npos) << wanted << " in " << fields;
    EXPECT_NE(fields.find("Recommends: cups-client"), std::string::npos) << fields;
  }
  {
    SCOPED_TRACE("contents");
    ASSERT_EQ(run("dpkg-deb -c '" + deb + "'"), 0) << err();
    const std::string listing = out();
    for (const std::string& file : expectedInstalledFiles())
      EXPECT_NE(listing.find(" ./usr/" + file + "\n"), std::string::npos) << file;
  }
  {
    SCOPED_TRACE("unpacked");
    const std::string root = dir_.file("root");
    ASSERT_EQ(run("dpkg-deb -x '" + deb + "' '" + root + "'"), 0) << err();
    const std::string examples = root + "/usr/share/doc/pontelix/examples";
    EXPECT_EQ(run("'" + root + "/usr/bin/pontelix' render parabola.pxg -o '" + dir_.file("p.brf") + "'", examples), 0)
        << err();
    EXPECT_EQ(err(), "");
    EXPECT_TRUE(readBytes(dir_.file("p.brf")).starts_with("\x1B" "1"));
  }
  {
    SCOPED_TRACE("lintian");
    // lintian's status also counts warnings; errors are what must not be there.
    run("lintian --no-tag-display-limit '" + deb + "'");
    std::istringstream report(out());
    for (std::string line; std::getline(report, line);) EXPECT_FALSE(line.starts_with("E: ")) << line;
  }
}
