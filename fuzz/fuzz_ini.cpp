// The profile parser on the input, asked for what the program reads.
#include "platform/config/ini_file.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const IniFile ini = IniFile::parse(std::string(fuzzText(data, size)));
  std::string value;
  ini.find("TRADUTOR", "VELOCIDADE", value);
  ini.find("tramel", "", value);
  for (const std::string& section : ini.sections()) {
    for (const std::string& key : ini.keys(section)) ini.find(section, key, value);
  }
  return 0;
}
