#pragma once
// The builder's command table: for each command code, the form that asks for its values
// and the line it assembles. Texts are UTF-8.
#include <string>
#include <string_view>

// The command code of a cancelled command list: the Esc character alone.
inline constexpr const char* kCancelledCode = "\x1b";

// Runs the row of the code (two upper-case letters): announces its form, asks for the
// values and hands the assembled line to appendCommandLine (builder_steps.h). False, with nothing done,
// when no row has the code.
bool runCommandRow(std::string_view code);
