// The headless frontend's key-script parser.
#include "platform/frontends/headless.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<KeyCodes> keys;
  std::string error;
  const bool parsed = parseKeyScript(std::string(fuzzText(data, size)), keys, error);
  if (!parsed && error.empty()) __builtin_trap();  // a refusal always says why
  return 0;
}
