#pragma once
// What both systems' saving shares (file_write_posix.cpp, file_write_windows.cpp).
#include "platform/text/file_write.h"

// Writes what `produce` gives into the open file through fileSystemCalls().write.
// Returns 0, or the errno that stopped it (EIO when the producer gave up without a
// system error, ENOMEM when it ran out of memory).
int writeProduced(int fd, const ByteProducer& produce);
