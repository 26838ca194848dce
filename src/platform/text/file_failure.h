#pragma once
#include <cerrno>
#include <string>

// What a save answers when the file itself may be written but its folder takes no new
// file (the replacement is made beside the file): no errno, so that the user is told
// that the folder, not the file, is the cause.
inline constexpr int kFolderNotWritable = -EACCES;

// Why a file could not be read or written, from its errno, in a few lower-case words a
// user can act on ("sem permissão", "disco cheio"). Every errno a save or
// a load meets has its words; any other is said with its number.
std::string fileFailureReason(int error);
