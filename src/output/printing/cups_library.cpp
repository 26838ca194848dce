#include "output/printing/cups_library.h"

PX_DEFINE_LIBRARY(CupsLibrary, cupsLibrary, PX_CUPS_FUNCTIONS, "libcups.so.2")
