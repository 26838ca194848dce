#pragma once
// The batch commands run as a user runs them: a process in a scratch folder of its own,
// its status, standard error and standard output kept.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;

struct ProcessResult {
  int status = -1;
  std::string err;
  std::string out;
};

class RenderCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(PONTELIX_TEST_TMP);
    std::string pattern = std::string(PONTELIX_TEST_TMP) + "/render-XXXXXX";
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override { fs::remove_all(dir_); }

  fs::path write(const std::string& name, const std::string& content) {
    std::ofstream(dir_ / name, std::ios::binary) << content;
    return dir_ / name;
  }
  static std::string read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  // Runs "pontelix render ARGS" (or another batch command) in `cwd`, standard input from `input`.
  ProcessResult render(const std::string& args, const std::string& input = "", const fs::path& cwd = {},
                       const std::string& batchCommand = "render") {
    const fs::path in = write(".stdin", input);
    const fs::path err = dir_ / ".stderr", out = dir_ / ".stdout";
    std::string command = "cd '" + (cwd.empty() ? dir_ : cwd).string() + "' && '" PONTELIX_EXE "' " + batchCommand + " " +
                          args + " <'" + in.string() + "' 2>'" + err.string() + "' >'" + out.string() + "'";
    const int raw = std::system(command.c_str());
    ProcessResult run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.err = read(err);
    run.out = read(out);
    fs::remove(in);
    fs::remove(err);
    fs::remove(out);
    return run;
  }
  std::vector<std::string> files() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir_)) names.push_back(entry.path().filename());
    return names;
  }
  fs::path dir_;
};
