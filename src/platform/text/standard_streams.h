#pragma once
// Makes the standard streams carry bytes unchanged: on Windows they start in text mode,
// which would put a CR before every LF the program writes. Each program calls it first.
void useBinaryStandardStreams();
