#pragma once
// A console with a private configuration folder, a fresh grid and a headless frontend
// fed from a key script; the program's end at once is thrown as ProgramEnded.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/config/config.h"
#include "platform/frontend.h"
#include "platform/frontends/headless.h"
#include "platform/screen.h"
#include "platform/transcript.h"
#include "platform/temp_dir.h"

struct ProgramEnded {
  int status;
};

class ConsoleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = makeTempDir("c");
    setenv("XDG_CONFIG_HOME", (dir_ + "/config").c_str(), 1);
    cfgSetSystemFolder(dir_ + "/system");
    cfgSetLegacyMode(false);
    conSetEndHandler([](int status) { throw ProgramEnded{status}; });
    conSetFrontend(makeHeadlessFrontend({}));
    conReset();
    transcriptOpen(dir_ + "/transcript.txt");
  }
  void TearDown() override {
    transcriptClose();
    conSetFrontend(makeHeadlessFrontend({}));
    std::filesystem::remove_all(dir_);
  }

  // Feeds the keys of a script (headless syntax) to the console.
  void keys(const std::string& script) {
    std::vector<KeyCodes> codes;
    std::string error;
    ASSERT_TRUE(parseKeyScript(script, codes, error)) << error;
    conSetFrontend(makeHeadlessFrontend(std::move(codes)));
  }

  // The screen row (1-based) as UTF-8 without trailing blanks.
  std::string row(int r) { return conScreenRows().at(r - 1); }

  std::string transcript() {
    std::ifstream in(dir_ + "/transcript.txt");
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  void writeFile(const std::string& path, const std::string& content) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << content;
  }

  std::string dir_;
};
