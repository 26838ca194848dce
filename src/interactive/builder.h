#pragma once
// The step-by-step builder (main-menu option P): the user names a command by its two
// letters or picks it from a spoken list, answers a talking form for its values, and the
// builder appends the assembled command line to the project's list. It only appends: it
// never edits, deletes or redraws, and of the values it checks only that numbers are
// numbers. Texts are UTF-8.
#include <string>
#include <string_view>

// Runs the builder's prompt until Esc there.
void stepByStepBuilder();

// The spoken list of the commands. A command code (two upper-case letters), or the Esc
// character alone when the list was cancelled or its last item ("ESC - terminar") chosen.
std::string commandPopup();
