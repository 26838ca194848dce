#include "fuzz_support.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "platform/config/options.h"

namespace {

std::string gInputFile;

void removeInputFile() { unlink(gInputFile.c_str()); }

}  // namespace

void fuzzQuietProgram() {
  ConOptions options = conOptions();
  options.speech = SpeechChoice::None;
  conSetOptions(options);
}

const std::string& fuzzInputFile(const uint8_t* data, size_t size) {
  if (gInputFile.empty()) {
    const char* dir = std::getenv("TMPDIR");
    std::string pattern = std::string(dir && *dir ? dir : "/tmp") + "/pontelix-fuzz-XXXXXX";
    const int fd = mkstemp(pattern.data());
    if (fd < 0) std::abort();
    close(fd);
    gInputFile = pattern;
    std::atexit(removeInputFile);  // a crash leaves it, beside the crash's own input
  }
  std::FILE* file = std::fopen(gInputFile.c_str(), "wb");
  if (!file) std::abort();
  if (size > 0) std::fwrite(data, 1, size, file);
  std::fclose(file);
  return gInputFile;
}
