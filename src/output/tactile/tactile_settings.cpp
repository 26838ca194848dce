#include "output/tactile/tactile_settings.h"

#include <cmath>
#include <string>

#include "platform/config/config.h"
#include "platform/text/text.h"
#include "language/reader.h"
#include "output/printing/configured_printer.h"
#include "output/device/device_page.h"

bool swellPaperByDefault() {
  const std::string value = toUpperText(trimControls(cfgReadValue(kPrinterSection, kInkPaperKey)));
  return !value.empty() && value[0] == 'M';
}

int32_t configuredTactileLine() {
  int32_t tenths = kDefaultTactileLine;
  tactileLineByText(cfgReadValue(kPrinterSection, kTactileLineKey), tenths);
  return tenths;
}

bool tactileLineByText(std::string_view text, int32_t& tenths) {
  std::string word = trimControls(std::string(text));
  if (word.ends_with("mm")) word = trimControls(word.substr(0, word.size() - 2));
  const auto mm = parseNumberWord(word);
  if (!mm) return false;
  const double found = std::round(*mm * 10);
  if (!(found >= kMinTactileLine && found <= kMaxTactileLine)) return false;
  tenths = static_cast<int32_t>(found);
  return true;
}
