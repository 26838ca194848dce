#include "output/printing/configured_printer.h"

#include "console/config/config.h"
#include "console/text/text.h"

std::string configuredPrinter(OutputMode mode) {
  if (mode == OutputMode::Screen) return {};
  const char* key = mode == OutputMode::Embosser ? kEmbosserPrinterKey : kInkPrinterKey;
  return cp1252ToUtf8(cfgReadValue(kPrinterSection, key));
}
