#pragma once
// The program's version text, said in the greeting and printed by --version.
inline constexpr const char* kPontelixVersion = "1.0 alfa";
