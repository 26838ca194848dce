#include "console/file_write.h"

#include <unistd.h>

#include <cstdio>

bool conReplaceFile(const std::string& path, std::string_view content) {
  const std::string temp = path + ".tmp" + std::to_string(getpid());
  std::FILE* f = std::fopen(temp.c_str(), "wb");
  if (!f) return false;
  const bool written = std::fwrite(content.data(), 1, content.size(), f) == content.size();
  if (std::fclose(f) != 0 || !written || std::rename(temp.c_str(), path.c_str()) != 0) {
    std::remove(temp.c_str());
    return false;
  }
  return true;
}
