// Files, folders and the configuration's place on Windows.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/config/config_folders.h"
#include "platform/text/file_read.h"
#include "platform/text/file_write.h"
#include "platform/text/program_file.h"

namespace fs = std::filesystem;

namespace {

class WindowsFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("pontelix-test-" + std::to_string(GetCurrentProcessId()));
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }
  // With the drive letter and backslashes, as a Windows user writes it.
  std::string file(const char* name) const { return (folder_ / name).make_preferred().string(); }
  std::string read(const std::string& path) const {
    std::string bytes;
    EXPECT_EQ(readRegularFile(path, 1 << 20, bytes), 0) << path;
    return bytes;
  }
  fs::path folder_;
};

TEST_F(WindowsFiles, EachFileHasItsOwnIdentity) {
  // stat gives every Windows file the inode 0: two files must still be two.
  ASSERT_EQ(replaceFileAtomically(file("a.pxg"), "PT 1 1\r\n"), 0);
  ASSERT_EQ(replaceFileAtomically(file("b.pxg"), "PT 1 1\r\n"), 0);
  EXPECT_FALSE(sameFile(file("a.pxg"), file("b.pxg")));
  std::string slashed = file("a.pxg");
  for (char& c : slashed) c = c == '\\' ? '/' : c;
  EXPECT_TRUE(sameFile(file("a.pxg"), slashed));
  EXPECT_EQ(slashed.substr(1, 2), ":/");
}

TEST_F(WindowsFiles, SavingReplacesTheFileWholeOrNotAtAll) {
  ASSERT_EQ(replaceFileAtomically(file("p.pxg"), "old\r\n"), 0);
  ASSERT_EQ(replaceFileAtomically(file("p.pxg"), "new\r\n"), 0);
  EXPECT_EQ(read(file("p.pxg")), "new\r\n");
  // A rename that fails (a file another program holds) keeps the old content.
  FileSystemCalls& calls = fileSystemCalls();
  const FileSystemCalls saved = calls;
  calls.rename = [](const char*, const char*) {
    errno = EACCES;
    return -1;
  };
  EXPECT_EQ(replaceFileAtomically(file("p.pxg"), "lost\r\n"), EACCES);
  calls = saved;
  EXPECT_EQ(read(file("p.pxg")), "new\r\n");
  // No temporary file is left behind by either save.
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
  EXPECT_EQ(replaceFileAtomically(folder_.string(), "x"), EISDIR);
}

TEST_F(WindowsFiles, TheConfigurationLivesInAppData) {
  const std::string appData = folder_.string();
  _putenv_s("APPDATA", appData.c_str());
  EXPECT_EQ(defaultUserFolder(), appData + "\\Pontelix");
  // The folder of old installations' Tramel.ini is the program's own.
  EXPECT_EQ(fs::path(defaultSystemFolder()), fs::path(ownProgramFile()).parent_path());
}

}  // namespace
