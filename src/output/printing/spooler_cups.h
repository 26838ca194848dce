#pragma once
// The system's print service (CUPS). Its destinations are the devices, on the server
// the user's settings name (CUPS_SERVER, client.conf), with the user's saved
// instances (lpoptions).
#include "output/printing/spooler.h"

PrintSpooler& systemSpooler();
