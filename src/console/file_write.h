#pragma once
// Writing a whole file safely: into a temporary file beside it, then renamed over it, so
// that a failure never leaves a truncated file behind.
#include <string>
#include <string_view>

bool conReplaceFile(const std::string& path, std::string_view content);
