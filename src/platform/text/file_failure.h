#pragma once
#include <string>

// Why a file could not be read or written, from its errno, in a few lower-case words a
// user can act on ("sem permissão", "disco cheio"); Windows-1252. Every errno a save or
// a load meets has its words; any other is said with its number.
std::string fileFailureReason(int error);
