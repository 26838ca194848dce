#include "platform/text/standard_streams.h"

// Linux streams carry bytes unchanged already.
void useBinaryStandardStreams() {}
