#include "platform/text/program_file.h"

#include <unistd.h>

#include <climits>

std::string ownProgramFile() {
  char buffer[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (n <= 0) return {};
  return std::string(buffer, static_cast<size_t>(n));
}
