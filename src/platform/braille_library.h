#pragma once
// The functions of liblouis, which writes labels in the Braille codes of other
// languages, from the library opened when a drawing first needs one of its tables
// (platform/loaded_library.h): a drawing whose labels are all in our own Portuguese code
// never loads it, and without it those codes are refused with a reason.
#include <liblouis/liblouis.h>

#include "platform/loaded_library.h"

#define PX_LIBLOUIS_FUNCTIONS(X) X(lou_translate) X(lou_getTable) X(lou_charSize) X(lou_setLogLevel)

PX_DECLARE_LIBRARY(BrailleLibrary, brailleLibrary, liblouis, PX_LIBLOUIS_FUNCTIONS)
