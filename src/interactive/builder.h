#pragma once
// The step-by-step builder (main-menu option P): the user names a command by its two
// letters or picks it from a spoken list, answers a talking form for its values, and the
// builder appends the assembled command line to the project's list. It only appends: it
// never edits, deletes, checks values or redraws. Texts are Windows-1252.
#include <string>
#include <string_view>

// Runs the builder's prompt until Esc there.
void stepByStepBuilder();

// The spoken list of the commands. A command code (two upper-case letters), or the Esc
// character alone when the list was cancelled or its last item ("ESC - terminar") chosen.
std::string commandPopup();

// Clears the lower screen below the "Comando" heading, writes and says the form's title
// on blue, then lets "Formulário" be heard (it is not written).
void announceForm(std::string_view titleKey);

// Appends the line unchanged unless nothing but blanks follows its two-letter code; then
// says "Dados incompletos" and the list stays as it was. True when appended.
bool appendCommandLine(const std::string& line);
