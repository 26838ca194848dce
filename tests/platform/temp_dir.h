#pragma once
// A fresh scratch folder under the build's test folder.
#include <stdlib.h>

#include <filesystem>
#include <string>

inline std::string makeTempDir(const std::string& prefix) {
  std::filesystem::create_directories(PONTELIX_TEST_TMP);
  std::string pattern = std::string(PONTELIX_TEST_TMP) + "/" + prefix + "-XXXXXX";
  return mkdtemp(pattern.data());
}
