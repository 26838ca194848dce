#include "platform/config/options.h"

namespace {
ConOptions gOptions;
}

const ConOptions& conOptions() { return gOptions; }
void conSetOptions(const ConOptions& options) { gOptions = options; }
