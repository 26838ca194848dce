#pragma once
// The functions of the print service's client that the spooler and the ink page
// call, from the library opened when first needed (platform/loaded_library.h).
#include <cups/cups.h>

#include "platform/loaded_library.h"

#define PX_CUPS_FUNCTIONS(X) X(cupsCancelJob2) X(cupsCopyDestInfo) X(cupsDoRequest) \
  X(cupsEncodeOptions2) X(cupsEncryption) X(cupsFindDestDefault) X(cupsFreeDestInfo) \
  X(cupsFreeDests) X(cupsGetDestMediaByName) X(cupsGetDests2) X(cupsGetResponse) \
  X(cupsLastError) X(cupsServer) X(cupsSetPasswordCB2) X(cupsStartDocument) X(cupsUser) \
  X(cupsWriteRequestData) X(httpAssembleURIf) X(httpClearFields) X(httpClose) \
  X(httpConnect2) X(httpGet) X(httpRead2) X(httpSetTimeout) X(httpUpdate) X(httpWrite2) \
  X(ippAddString) X(ippDelete) X(ippFindAttribute) X(ippGetInteger) X(ippGetResolution) \
  X(ippGetStatusCode) X(ippGetString) X(ippGetValueTag) X(ippNewRequest) X(ippPort)

PX_DECLARE_LIBRARY(CupsLibrary, cupsLibrary, cups, PX_CUPS_FUNCTIONS)
