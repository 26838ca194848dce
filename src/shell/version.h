#pragma once
// The program's version number; the greeting and --version say it with its stage, in the
// language in use ("1.0 alfa", "1.0 alpha"), through versionText.
#include <string>

inline constexpr const char* kPontelixVersion = "1.0";
std::string versionText();
