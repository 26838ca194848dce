#pragma once
// The printer the user set for each kind of device (option C), which the printer
// chooser offers first and the print command uses when no printer is named.
#include <string>

#include "output/device/device_page.h"

// Where Tramel.ini keeps them.
inline constexpr char kPrinterSection[] = "PONTELIX";
inline constexpr char kEmbosserPrinterKey[] = "IMPBRAILLE";
inline constexpr char kInkPrinterKey[] = "IMPTINTA";

// The configured printer for the embosser or the ink printer, as the print service
// names it (UTF-8); empty when none is set (or for the screen).
std::string configuredPrinter(OutputMode mode);
