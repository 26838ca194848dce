#include "output/printing/configured_printer.h"

#include "platform/config/config.h"
#include "platform/text/text.h"

std::string configuredPrinter(OutputMode mode) {
  if (mode == OutputMode::Screen) return {};
  const char* key = mode == OutputMode::Embosser ? kEmbosserPrinterKey : kInkPrinterKey;
  return cfgReadValue(kPrinterSection, key);
}
