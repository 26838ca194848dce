#include "platform/text/program_file.h"

#include <windows.h>

#include <vector>

std::string ownProgramFile() {
  // The name comes in the process's code page, UTF-8 by the program's manifest; a
  // buffer that was too small is tried again twice as long.
  for (DWORD size = MAX_PATH; size <= 32768; size *= 2) {
    std::vector<char> buffer(size);
    const DWORD n = GetModuleFileNameA(nullptr, buffer.data(), size);
    if (n == 0) return {};
    if (n < size) return std::string(buffer.data(), n);
  }
  return {};
}
