#pragma once
// Gives the terminal back in its original state however the program ends: the normal
// end, SIGINT, SIGTERM, SIGHUP, or a crash signal.

// Saves the terminal's settings; call before ncurses takes the terminal.
void terminalSaveSettings();
// Builds the sequences that undo the full-screen mode and installs the signal handlers;
// call after ncurses has started. An ending signal is only recorded: the frontend
// checks terminalEndSignal while it pumps and ends the program in order. A second one
// before that, or a crash signal, restores the terminal at once and ends the process.
void terminalRestoreInstall();
// The terminal is given back: signals take their default actions again.
void terminalRestoreUninstall();
// 0, or the ending signal received since the last call.
int terminalEndSignal();
// Restores the settings (async-signal-safe).
void terminalRestoreNow();
