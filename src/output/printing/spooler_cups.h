#pragma once
// The system's print service (CUPS). Its destinations are the devices, on the server
// the user's settings name (CUPS_SERVER, client.conf), with the user's saved
// instances (lpoptions). On Windows systemSpooler() is the Windows spooler instead
// (spooler_windows.cpp).
#include "output/printing/spooler.h"

PrintSpooler& systemSpooler();
