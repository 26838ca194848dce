#pragma once
// The interactive program: start-up, the main menu and the end.
#include <string>
#include <vector>

// Runs the program once the console's frontend and transcript are set up. args are the
// command-line arguments that are not options, as the system gives them; the first names the
// project. Returns the process exit status.
int runInteractive(const std::vector<std::string>& args);

// Banner, speech, greeting, the project's name and file. False when the user gave up
// at the name (Esc): the main menu is then never shown.
bool startProgram();
// True when speech is wanted but no sound device answered: nothing will be heard.
bool soundIsMissing();
// Asks whether to end, and a second time when the project has unsaved changes. True:
// end the program.
bool confirmExit();
// Option E: the paragraph editor edits the command lines in place, from the cursor to
// the bottom of the screen; nothing is written to disk.
void editCommands();
// Option C: speech, printers and the letters' recordings in a spoken form; what the user
// changed is written to Tramel.ini and applied at once (configure.cpp).
void configure();
// Says goodbye and waits until everything has been heard.
void finishProgram();
