#pragma once
// The functions of BrlAPI, the braille display daemon's client, that the display
// calls, from the library opened when first needed (platform/loaded_library.h).
#include <brlapi.h>

#include "platform/loaded_library.h"

#define PX_BRLAPI_FUNCTIONS(X) X(brlapi_closeConnection) X(brlapi_enterTtyMode) \
  X(brlapi_enterTtyModeWithPath) X(brlapi_getDisplaySize) X(brlapi_leaveTtyMode) \
  X(brlapi_openConnection) X(brlapi_readKey) X(brlapi_setExceptionHandler) \
  X(brlapi_writeDots)

PX_DECLARE_LIBRARY(BrlapiLibrary, brlapiLibrary, brlapi, PX_BRLAPI_FUNCTIONS)
