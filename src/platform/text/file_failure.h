#pragma once
#include <cerrno>

// What a save answers when the file itself may be written but its folder takes no new
// file (the replacement is made beside the file): no errno, so that the user is told
// that the folder, not the file, is the cause. The messages floor puts every errno, and
// this one, in words (fileFailureReason).
inline constexpr int kFolderNotWritable = -EACCES;
