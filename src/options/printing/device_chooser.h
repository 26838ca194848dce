#pragma once
// Choosing one of the installed printers from a popup list, for the embosser and for
// ink printing.
#include <string>

// Asks for a printer in a popup (width 60, red) at the cursor; with makeRoom the screen
// first scrolls so that the whole list stands below the cursor. The chosen device's
// name as the print service knows it (UTF-8), or empty when the user pressed Esc.
// When there is nothing to choose from (no printer installed, or no print service
// answering), says so and returns empty.
// The list starts on `startOn` (a name as the print service gives it) when it is
// installed, and on the first printer otherwise.
std::string chooseDevice(bool makeRoom, const std::string& startOn = {});
